#!/usr/bin/env bash
# Start-up of QVMenu and of the lesson programs that are built to their first painted window,
# and their peak memory, against the bare Qt window program with a menu bar (the floor), on a
# private X server with a window manager.
#   bench/startup/inicio.sh [RUNS]     (after a build into build/; QV_BUILD names another build)
#
# First table: start-up, RUNS runs of each program in turn (default 20), and the peak memory at
# start-up. Second table: the peak memory in use, every program given the same keys after its
# paint (Return, then the right arrow 90 times: a lesson program is entered and paged through to
# its last page; the floor and the menu take the keys and do nothing).
set -euo pipefail
raiz=$(cd "$(dirname "$0")/../.." && pwd)
b=${QV_BUILD:-"$raiz/build"}
rodadas=${1:-20}
inst="$b/installation"
# Without any lesson program the menu first warns that no course is installed; measure the
# window itself, in a copy of the installation with a stand-in first lesson.
if ! ls "$inst" | grep -qiE '^QVAC(2D|2DII|AD3D)01$'; then
    copia=$(mktemp -d)
    trap 'rm -rf "$copia"' EXIT
    cp "$inst/QVMenu" "$inst/qvtelaini.jpg" "$inst/qvmenu.ini" "$copia/"
    : >"$copia/QVAC2D01"
    inst=$copia
fi
args=(piso "$inst" "$b/bench/janela_vazia" "Janela vazia"
      QVMenu "$inst" "$inst/QVMenu" "Aulavix - Menu de Cursos")
# The lesson programs, to their painted cover.
for p in QVAC2DII01:"AutoCad 2D II  - Módulo 1" QVAC2D01:"AutoCad 2D  - Módulo 1" \
         QVACAD3D01:"AutoCAD 3D - Módulo 01"; do
    nome=${p%%:*}
    if [ -x "$b/installation/$nome" ]; then
        args+=("$nome" "$b/installation" "$b/installation/$nome" "${p#*:}")
    fi
done
xvfb="$raiz/tests/xvfb/xvfb-run.sh"
echo "Início até a janela pintada ($rodadas rodadas)"
"$xvfb" --wm -- "$b/bench/medir_inicio" "$rodadas" "${args[@]}"
echo
echo "Pico de memória em uso (a lição aberta e folheada até a última página)"
uso='xdotool windowactivate --sync "$QV_JANELA" key --delay 5 Return sleep 0.5 key --repeat 90 --delay 5 Right sleep 0.5'
"$xvfb" --wm -- "$b/bench/medir_inicio" --uso "$uso" 3 "${args[@]}"
