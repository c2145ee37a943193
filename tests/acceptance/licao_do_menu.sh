#!/usr/bin/env bash
# On a private X server with a window manager, as a student: QVMenu in a copy of the
# installation > "&Cursos" > "Profissionais" > "AutoCad 2D II" > lesson 01; the lesson's drawing
# leaves the work folder, QVAC2DII01 opens as the side panel and the menu ends; "&Entrar"; the
# last page shows its figure window; "&QVMenu" brings the menu back.
#
#   licao_do_menu.sh INSTALLATION_FOLDER

source "$(dirname "${BASH_SOURCE[0]}")/comum.sh"
preparar "$1"
echo "desenho antigo" >"$trabalho/iso.dwg"
echo "do aluno" >"$trabalho/meu.dwg"

LICAO="AutoCad 2D II  - Módulo 1"
abrir_menu
captura menu

# Cursos > Profissionais > AutoCad 2D II (the tenth course menu) > 01
abrir_curso profissionais 10
captura itens
xdotool key Return

esperar 30 visivel "$LICAO" || falhar "a lição QVAC2DII01 não abriu"
esperar 10 parado QVMenu || falhar "o menu continua aberto depois de iniciar a lição"
[ ! -e "$trabalho/iso.dwg" ] || falhar "iso.dwg ficou na pasta de trabalho"
[ "$(cat "$trabalho/meu.dwg")" = "do aluno" ] || falhar "o arquivo do aluno mudou"
licao=$(janela "$LICAO")
esperar 10 no_lugar || falhar "painel em $(retangulo "$licao"), esperado 510 95 290 480"
captura capa

ativar "$licao" || falhar "a lição não recebeu o foco"
seletor_novo capa
xdotool key alt+e
seletor_novo pagina1 || falhar "\"&Entrar\" não mostrou a primeira página"
captura pagina1
# The last page the student reaches (83) shows its figure in the figure window.
xdotool key End
esperar 10 visivel "$LICAO Figura" || falhar "a janela de figura não apareceu na página 83"
captura pagina83
xdotool key Home
esperar 10 sumiu "$LICAO Figura" || falhar "a janela de figura ficou aberta fora da página 83"

ativar "$licao" || falhar "a lição não recebeu o foco para voltar ao menu"
xdotool key alt+q
esperar 30 visivel "$MENU" || falhar "o menu não voltou"
esperar 10 parado QVAC2DII01 || falhar "a lição continua aberta depois de voltar ao menu"
captura menu_de_volta
echo "ok: menu > AutoCad 2D II 01 > lição, página 83 com figura, de volta ao menu"
