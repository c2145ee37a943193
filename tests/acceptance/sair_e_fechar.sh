#!/usr/bin/env bash
# On a private X server with a window manager, as a student, the ways out: "Sai&r" of the menu
# (with the About box and "Versão do Access" open beside it) and the menu window's close box end
# the menu program, nothing staged or started; a
# lesson started from the menu ends by its window's close box (AutoCad 2D I, lesson 01) and by
# "&Sair" (AutoCAD 3D, lesson 01), without bringing the menu back.
#
#   sair_e_fechar.sh INSTALLATION_FOLDER

source "$(dirname "${BASH_SOURCE[0]}")/comum.sh"
preparar "$1"
SOBRE="Sobre Cursos Aulavix"
DIALOGO="Versão do Access"
substituto QVACA01

fim_do_menu() {
    esperar 10 parado QVMenu || falhar "$1: o menu continua aberto"
    sumiu "$MENU" || falhar "$1: a janela do menu ficou na tela"
    sumiu "$SOBRE" || falhar "$1: a janela \"Sobre\" ficou na tela"
    sumiu "$DIALOGO" || falhar "$1: \"$DIALOGO\" ficou na tela"
    rodou QVACA01 && falhar "$1: a lição QVACA01 começou"
    [ -z "$(ls -A "$trabalho")" ] || falhar "$1: a pasta de trabalho tem: $(ls -A "$trabalho")"
}

# "Sai&r", with the About box and the Access-version dialog open.
abrir_menu
xdotool key alt+s
esperar 10 visivel "$SOBRE" || falhar "\"&Sobre\" não abriu"
abrir_curso office 10
xdotool key Return
esperar 10 visivel "$DIALOGO" || falhar "\"$DIALOGO\" não abriu"
ativar "$menu" || falhar "o menu não recebeu o foco de volta"
captura sobre_e_versao
xdotool key alt+r
fim_do_menu "Sai&r"

# The close box of the menu window.
abrir_menu
clicar_fechar "$menu"
fim_do_menu "caixa de fechar do menu"

# A lesson from the menu, then the way out given; the menu does not come back.
fim_da_licao() {
    esperar 10 parado "$2" || falhar "$1: a lição $2 continua aberta"
    sumiu "$3" || falhar "$1: a janela da lição ficou na tela"
    durante 1 parado QVMenu || falhar "$1: o menu voltou"
}

licao_do_menu 9 "AutoCad 2D  - Módulo 1" QVAC2D01
captura licao_2d
clicar_fechar "$licao"
fim_da_licao "caixa de fechar da lição" QVAC2D01 "AutoCad 2D  - Módulo 1"

licao_do_menu 11 "AutoCAD 3D - Módulo 01" QVACAD3D01
ativar "$licao" || falhar "a lição QVACAD3D01 não recebeu o foco"
captura licao_3d
xdotool key alt+s
fim_da_licao "\"&Sair\" da lição" QVACAD3D01 "AutoCAD 3D - Módulo 01"
echo "ok: Sai&r e caixa de fechar do menu; caixa de fechar e &Sair da lição"
