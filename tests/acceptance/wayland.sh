#!/usr/bin/env bash
# As on a Wayland desktop that offers X11 beside it (WAYLAND_DISPLAY naming no server here, the
# private X server in DISPLAY) and no platform chosen by the user: the menu opens, AutoCad 2D II
# lesson 01 starts from it and its panel stands at its place, 510, 95, frame included; neither
# program tries Wayland first (Qt says so when it does, whether or not its Wayland plugin is
# installed).
#
#   wayland.sh INSTALLATION_FOLDER

source "$(dirname "${BASH_SOURCE[0]}")/comum.sh"
preparar "$1"
export WAYLAND_DISPLAY=qv-sem-servidor XDG_SESSION_TYPE=wayland
unset QT_QPA_PLATFORM

LICAO="AutoCad 2D II  - Módulo 1"
licao_do_menu 10 "$LICAO" QVAC2DII01
captura licao
# Neither program tried the Wayland server first (where one answers, they would stay on it).
if grep -i wayland "$temp/menu.log" >&2; then
    falhar "os programas tentaram o Wayland"
fi
echo "ok: com WAYLAND_DISPLAY, menu e lição no X11, painel em 510, 95"
