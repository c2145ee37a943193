#!/usr/bin/env bash
# Checks the private X server runner: usage errors, exit status, screen size, window manager,
# separate displays for concurrent runs, and that it stops the processes it started.
set -u
run=$1
temp=$(mktemp -d)
trap 'rm -rf "$temp"' EXIT
falhas=0
falha() { echo "FALHA: $*" >&2; falhas=$((falhas + 1)); }

"$run" 2>/dev/null
[ $? -eq 125 ] || falha "sem comando deveria sair com 125"
"$run" --tela grande -- true 2>/dev/null
[ $? -eq 125 ] || falha "tela inválida deveria sair com 125"

"$run" -- sh -c 'exit 7'
[ $? -eq 7 ] || falha "o status do comando não foi repassado"

"$run" --tela 640x480x16 -- sh -c 'xdpyinfo | grep -q "dimensions: *640x480"' ||
    falha "a tela pedida não foi usada"

# Without --wm no window manager runs; with it, openbox manages windows before the command starts.
"$run" -- sh -c '! xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' ||
    falha "há gerenciador de janelas sem --wm"
"$run" --wm -- sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' ||
    falha "o openbox não estava pronto"

# Two runs at once get two displays; each lists the processes of its own runner.
"$run" --wm -- sh -c 'echo "$DISPLAY" > "$0"; pgrep -P "$PPID" > "$0.pids"; sleep 1' "$temp/a" &
"$run" --wm -- sh -c 'echo "$DISPLAY" > "$0"; pgrep -P "$PPID" > "$0.pids"; sleep 1' "$temp/b" &
wait
[ -s "$temp/a" ] && [ -s "$temp/b" ] || falha "um dos runs concorrentes não rodou"
[ "$(cat "$temp/a")" != "$(cat "$temp/b")" ] || falha "runs concorrentes no mesmo display"
for lista in "$temp/a.pids" "$temp/b.pids"; do # Xvfb, openbox and the command
    [ "$(wc -l <"$lista")" -ge 3 ] || falha "processos do runner não listados em $lista"
done
for pid in $(cat "$temp/a.pids" "$temp/b.pids"); do
    kill -0 "$pid" 2>/dev/null && falha "processo $pid ficou rodando"
done

# A runner stopped by TERM stops its command and servers too.
"$run" --wm -- sh -c 'pgrep -P "$PPID" > "$0"; exec sleep 60' "$temp/c" &
runner=$!
fim=$((SECONDS + 30))
until [ -s "$temp/c" ] || [ $SECONDS -ge $fim ]; do sleep 0.05; done
kill -TERM "$runner"
wait "$runner"
[ $? -eq 143 ] || falha "TERM deveria terminar com 143"
[ "$(wc -l <"$temp/c")" -ge 3 ] || falha "processos do runner não listados"
for pid in $(cat "$temp/c"); do
    kill -0 "$pid" 2>/dev/null && falha "processo $pid ficou rodando após TERM"
done

[ $falhas -eq 0 ] && echo "xvfb-run.sh: tudo certo"
exit $((falhas > 0))
