#!/usr/bin/env bash
# README command 2: build everything and run every test.
set -euo pipefail
raiz=$(cd "$(dirname "$0")/.." && pwd)
"$raiz/scripts/dependencias.sh"
cmake -S "$raiz" -B "$raiz/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$raiz/build" -j"$(nproc)"
cd "$raiz/build"
ctest --output-on-failure -j"$(nproc)" --timeout 600
