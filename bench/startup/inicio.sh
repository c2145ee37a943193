#!/usr/bin/env bash
# Start-up of QVMenu (and of the lesson programs that are built) to the first shown window,
# against the bare Qt window program, on a private X server with a window manager.
#   bench/startup/inicio.sh [RUNS]     (after a build into build/)
set -euo pipefail
raiz=$(cd "$(dirname "$0")/../.." && pwd)
b="$raiz/build"
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
# The lesson programs, to their shown cover.
for p in QVAC2DII01:"AutoCad 2D II  - Módulo 1" QVAC2D01:"AutoCad 2D  - Módulo 1" \
         QVACAD3D01:"AutoCAD 3D - Módulo 01"; do
    nome=${p%%:*}
    [ -x "$b/installation/$nome" ] && args+=("$nome" "$b/installation" "$b/installation/$nome" "${p#*:}")
done
"$raiz/tests/xvfb/xvfb-run.sh" --wm -- "$b/bench/medir_inicio" "$rodadas" "${args[@]}"
