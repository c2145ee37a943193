#!/usr/bin/env bash
# README command 1: build, lay out the installation folder and start QVMenu in it.
set -euo pipefail
raiz=$(cd "$(dirname "$0")/.." && pwd)
"$raiz/scripts/dependencias.sh"
cmake -S "$raiz" -B "$raiz/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$raiz/build" -j"$(nproc)" --target installation
inst="$raiz/build/installation"
cd "$inst"
if [ -n "${DISPLAY:-}" ]; then
  exec ./QVMenu
fi
# No display: run on a private X server with a window manager and keep a screenshot.
tela="$raiz/build/demo-qvmenu.png"
"$raiz/tests/xvfb/xvfb-run.sh" --wm -- bash -c '
  ./QVMenu & pid=$!
  for _ in $(seq 1 100); do
    xdotool search --name "Aulavix - Menu de Cursos" >/dev/null 2>&1 && break; sleep 0.1
  done
  sleep 1; import -window root "$1"; kill $pid 2>/dev/null || true' _ "$tela"
echo "No display: QVMenu ran on a private X server; screenshot in $tela"
