#!/usr/bin/env bash
# On a private X server with a window manager, as a student: QVMenu in a copy of the
# installation > "&Cursos" > "Profissionais" > "AutoCad 2D II" > lesson 01; the lesson's drawing
# leaves the work folder, QVAC2DII01 opens as the side panel and the menu ends; "&Entrar"; the
# last page shows its figure window; "&QVMenu" brings the menu back.
#
#   licao_do_menu.sh INSTALLATION_FOLDER

set -u
origem=$(realpath "$1")
temp=$(mktemp -d "${TMPDIR:-/tmp}/qv-aceite.XXXXXX") || exit 1
limpar() {
    pkill -f "$temp/curso/" 2>/dev/null
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
    exit 1
}
esperar() { # seconds, then a condition polled every 50 ms
    local fim=$((SECONDS + $1))
    shift
    until "$@"; do
        [ "$SECONDS" -lt "$fim" ] || return 1
        sleep 0.05
    done
}
janela() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1; }
visivel() { [ -n "$(janela "$1")" ]; }
sumiu() { [ -z "$(janela "$1")" ]; }
rodando() { pgrep -f "$temp/curso/$1" >/dev/null; }
parado() { ! rodando "$1"; }
retangulo() { # outer rectangle: x y width height
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

# A copy of the installation whose drive C: is a folder of the test's own.
cp -r "$origem" "$temp/curso"
mkdir -p "$temp/c/qvcurso"
printf '[aluno]\nfonte=nenhum\n[unidades]\nC=../c\n' >"$temp/curso/qvmenu.ini"
echo "desenho antigo" >"$temp/c/qvcurso/iso.dwg"
echo "do aluno" >"$temp/c/qvcurso/meu.dwg"

menu="Aulavix - Menu de Cursos"
licao="AutoCad 2D II  - Módulo 1"
(cd "$temp/curso" && exec "$temp/curso/QVMenu") >/dev/null 2>&1 &
esperar 30 visivel "$menu" || falhar "o menu não abriu"
xdotool windowactivate --sync "$(janela "$menu")" >/dev/null 2>&1
captura menu

# Cursos > Profissionais > AutoCad 2D II (the tenth course menu) > 01
xdotool key alt+c && sleep 0.3
xdotool key Down Right && sleep 0.3
for _ in $(seq 9); do xdotool key Down; done
xdotool key Right && sleep 0.3
captura itens
xdotool key Return

esperar 30 visivel "$licao" || falhar "a lição QVAC2DII01 não abriu"
esperar 10 parado QVMenu || falhar "o menu continua aberto depois de iniciar a lição"
[ ! -e "$temp/c/qvcurso/iso.dwg" ] || falhar "iso.dwg ficou na pasta de trabalho"
[ "$(cat "$temp/c/qvcurso/meu.dwg")" = "do aluno" ] || falhar "o arquivo do aluno mudou"
id=$(janela "$licao")
no_lugar() { [ "$(retangulo "$id")" = "510 95 290 480" ]; }
esperar 10 no_lugar || falhar "painel em $(retangulo "$id"), esperado 510 95 290 480"
captura capa

xdotool windowactivate --sync "$id" >/dev/null 2>&1
xdotool key alt+e
sleep 0.5
captura pagina1
# The last page the student reaches (83) shows its figure in the figure window.
xdotool key End
esperar 10 visivel "$licao Figura" || falhar "a janela de figura não apareceu na página 83"
captura pagina83
xdotool key Home
esperar 10 sumiu "$licao Figura" || falhar "a janela de figura ficou aberta fora da página 83"

xdotool windowactivate --sync "$id" >/dev/null 2>&1
xdotool key alt+q
esperar 30 visivel "$menu" || falhar "o menu não voltou"
esperar 10 parado QVAC2DII01 || falhar "a lição continua aberta depois de voltar ao menu"
captura menu_de_volta
pkill -f "$temp/curso/QVMenu"
echo "ok: menu > AutoCad 2D II 01 > lição, página 83 com figura, de volta ao menu"
