#!/usr/bin/env bash
# Runs on a private X server (xvfb-run.sh): a window titled "Desenho1 - AutoCAD 2000" at (0, 0)
# and the lesson program beside it. Checks the lesson panel's outer rectangle, that a page change
# by mouse hands the focus to the CAD window, and that one by keyboard keeps it in the lesson.
#
#   foco.sh LESSON_PROGRAM TITLED_WINDOW_PROGRAM wm|semwm

set -u
licao=$(realpath "$1")
titulada=$(realpath "$2")
modo=$3

temp=$(mktemp -d "${TMPDIR:-/tmp}/qv-foco.XXXXXX") || exit 1
pids=()
limpar() {
    for p in "${pids[@]}"; do
        kill "$p" 2>/dev/null
        wait "$p" 2>/dev/null
    done
    rm -rf "$temp"
}
trap limpar EXIT

captura() {
    [ -n "${QV_CAPTURAS:-}" ] && import -window root "$QV_CAPTURAS/$1.png" 2>/dev/null
    return 0
}
falhar() {
    echo "FALHOU: $*" >&2
    captura falha
    [ -s "$temp/licao.log" ] && { echo "--- licao.log" >&2; cat "$temp/licao.log" >&2; }
    exit 1
}
# Polls a condition every 50 ms until it holds or the time (seconds) runs out.
esperar() {
    local limite=$1
    shift
    local fim=$((SECONDS + limite))
    until "$@"; do
        [ "$SECONDS" -lt "$fim" ] || return 1
        sleep 0.05
    done
}

estado="$temp/estado"
campo() { awk -v c="$1" '$1 == c { $1 = ""; sub(/^ /, ""); print }' "$estado" 2>/dev/null; }
valor_e() { [ "$(campo valor)" = "$1" ]; }
foco() { xdotool getwindowfocus 2>/dev/null; }
foco_e() { [ "$(foco)" = "$1" ]; }

# Puts the keyboard focus on a window as the student would, by clicking it or through the
# window manager.
focar() {
    if [ "$modo" = wm ]; then
        xdotool windowactivate --sync "$1" >/dev/null 2>&1
    else
        xdotool windowfocus --sync "$1" >/dev/null 2>&1
    fi
    esperar 10 foco_e "$1"
}

# The window's outer rectangle (frame included): x y width height.
retangulo() {
    local id=$1 info x y l a e esq dir topo base
    info=$(xwininfo -id "$id") || return 1
    x=$(awk '/Absolute upper-left X/ {print $4}' <<<"$info")
    y=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$info")
    l=$(awk '/^ *Width:/ {print $2}' <<<"$info")
    a=$(awk '/^ *Height:/ {print $2}' <<<"$info")
    e=$(xprop -id "$id" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= *//p' | tr -d ' ')
    IFS=, read -r esq dir topo base <<<"${e:-0,0,0,0}"
    echo "$((x - esq)) $((y - topo)) $((l + esq + dir)) $((a + topo + base))"
}
no_lugar() { [ "$(retangulo "$licaoid")" = "510 95 290 480" ]; }

# The CAD window, under the point (10, 10).
"$titulada" "Desenho1 - AutoCAD 2000" 0 0 400 300 >"$temp/cad.id" 2>"$temp/cad.log" &
pids+=($!)
esperar 20 test -s "$temp/cad.id" || falhar "a janela do CAD não apareceu"
cad=$(head -n 1 "$temp/cad.id")

# The lesson program, from its own folder (no settings file: the standard look).
mkdir "$temp/curso"
(cd "$temp/curso" && QV_ESTADO="$estado" exec "$licao") >"$temp/licao.log" 2>&1 &
pids+=($!)
esperar 30 test -s "$estado" || falhar "a janela da lição não apareceu"
licaoid=$(campo janela)

esperar 10 no_lugar || falhar "retângulo externo do painel: $(retangulo "$licaoid"), esperado 510 95 290 480"
captura capa

# Entering: a key on the cover.
focar "$licaoid" || falhar "a lição não recebeu o foco (foco em $(foco))"
xdotool key Return
esperar 10 valor_e 1 || falhar "a tecla na capa não entrou na lição"
esperar 10 foco_e "$licaoid" || falhar "a entrada devolveu o foco (foco em $(foco))"

# A page change by mouse: a click on the selector's right arrow.
clicar_seta() {
    local x y l a
    read -r x y l a <<<"$(campo barra)"
    xdotool mousemove $((x + l - 5)) $((y + a / 2)) click 1
}
clicar_seta
esperar 10 valor_e 2 || falhar "o clique na seta não mudou a página (valor $(campo valor))"
esperar 10 foco_e "$cad" || falhar "mudança pelo mouse: foco em $(foco), esperado o CAD $cad"
captura mouse

# A page change by keyboard keeps the focus in the lesson window.
focar "$licaoid" || falhar "a lição não recebeu o foco de volta (foco em $(foco))"
xdotool key Right
esperar 10 valor_e 3 || falhar "a seta do teclado não mudou a página (valor $(campo valor))"
for _ in 1 2 3 4 5 6 7 8 9 10; do
    foco_e "$licaoid" || falhar "mudança pelo teclado: foco em $(foco), esperado a lição $licaoid"
    sleep 0.05
done
captura teclado

# The next change by mouse hands it back again.
clicar_seta
esperar 10 valor_e 4 || falhar "o segundo clique não mudou a página (valor $(campo valor))"
esperar 10 foco_e "$cad" || falhar "segunda mudança pelo mouse: foco em $(foco), esperado o CAD $cad"

echo "ok ($modo): painel em 510 95 290 480; foco no CAD após o mouse, na lição após o teclado"
exit 0
