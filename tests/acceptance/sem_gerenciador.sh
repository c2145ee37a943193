#!/usr/bin/env bash
# On a private X server with no window manager, as a student: the menu takes the keyboard focus
# when it opens, so that a lesson is chosen by keyboard alone (Alt+C, arrows, Enter); and once
# more by a click on "&Cursos" followed by keys. Each time "Office" > "Windows" > lesson 07
# stages its exercise files, starts its lesson program and ends the menu.
#
#   sem_gerenciador.sh INSTALLATION_FOLDER

source "$(dirname "${BASH_SOURCE[0]}")/comum.sh"
SEM_WM=1
preparar "$1"
substituto QVWin07

abrir() {
    iniciar_menu
    esperar 30 visivel "$MENU" || falhar "o menu não abriu"
    menu=$(janela "$MENU")
}
# Windows lesson 07, the seventh item of the course menu, then the lesson staged and started.
escolher_e_conferir() {
    local n
    for ((n = 1; n < 7; n++)); do xdotool key Down; done
    sleep 0.2
    captura "$1"
    xdotool key Return
    esperar 10 rodou QVWin07 || falhar "$1: a lição QVWin07 não começou"
    rodou_no_curso QVWin07 || falhar "$1: a lição começou fora da pasta da instalação"
    cmp -s "$curso/demoppt.ppt" "$trabalho/demoppt.ppt" || falhar "$1: demoppt.ppt não foi copiado"
    esperar 10 parado QVMenu || falhar "$1: o menu continua aberto depois de iniciar a lição"
    rm -f "$marcas/QVWin07" "$trabalho/demoppt.ppt"
}

abrir
esperar 10 foco_e "$menu" || falhar "o menu abriu sem o foco do teclado"
captura menu
abrir_curso office 1
escolher_e_conferir teclado

abrir
xdotool mousemove 0 599
sleep 0.2
clicar_em "$menu" 25 10
esperar 10 popup_aberto 1 || falhar "o clique em Cursos não abriu o menu"
xdotool key Down Right
esperar 10 popup_aberto 2 || falhar "o grupo Office não abriu pelo teclado"
xdotool key Right
esperar 10 popup_aberto 3 || falhar "o menu Windows não abriu pelo teclado"
sleep 0.2
escolher_e_conferir mouse
echo "ok: sem gerenciador de janelas, lição escolhida pelo teclado e pelo clique e teclas"
