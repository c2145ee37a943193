#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for the given number of seconds.
#   scripts/fuzz.sh [SECONDS]      (default 60)
set -euo pipefail
raiz=$(cd "$(dirname "$0")/.." && pwd)
segundos=${1:-60}
"$raiz/scripts/dependencias.sh"
b="$raiz/build-fuzz"
CC=clang-14 CXX=clang++-14 cmake -S "$raiz" -B "$b" -G Ninja -DQV_FUZZ=ON \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
# clang-14's leak checker crashes at exit under glibc 2.36 when it intercepts __tls_get_addr
# (after long runs); the options already set are kept.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}intercept_tls_get_addr=0"
alvos=$(find "$raiz/tests/fuzz" -maxdepth 1 -name 'fuzz_*.cpp' -printf '%f\n' | sed 's/\.cpp$//')
# shellcheck disable=SC2086
cmake --build "$b" -j"$(nproc)" --target $alvos
for alvo in $alvos; do
    nome=${alvo#fuzz_}
    corpus="$b/corpus_$nome"
    mkdir -p "$corpus"
    semente="$raiz/tests/fuzz/corpus_$nome"
    dicionario=()
    [ -f "$raiz/tests/fuzz/$nome.dict" ] && dicionario=(-dict="$raiz/tests/fuzz/$nome.dict")
    echo "== $alvo: $segundos s"
    "$b/tests/fuzz/$alvo" "${dicionario[@]}" -max_total_time="$segundos" -print_final_stats=1 \
        "$corpus" $([ -d "$semente" ] && echo "$semente") 2>&1 | tail -n 12
done
