#!/usr/bin/env bash
# On a private X server with a window manager, as a student whose installation lacks one
# exercise file: "&Cursos" > "Profissionais" > "AutoCad 2D II" > lesson 03 stages "planta.dwg",
# then finds no "mledit.dwg": its message ("Arquivo ... não encontrado"), and after OK the menu
# has ended without starting the lesson, the student's copy of the missing file untouched and no
# partial file left in the work folder.
#
#   fonte_ausente.sh INSTALLATION_FOLDER

source "$(dirname "${BASH_SOURCE[0]}")/comum.sh"
preparar "$1"
substituto QVAC2DII03
rm "$curso/mledit.dwg"
echo "do aluno" >"$trabalho/mledit.dwg"

abrir_menu
abrir_curso profissionais 10
xdotool key Down Down
sleep 0.2
xdotool key Return
esperar 10 ha_caixa_do_menu || falhar "a mensagem do arquivo ausente não apareceu"
caixa=$(caixas_do_menu | head -n 1)
captura mensagem
rodando QVMenu || falhar "o menu terminou antes do OK da mensagem"
cmp -s "$curso/planta.dwg" "$trabalho/planta.dwg" || falhar "planta.dwg não foi copiada antes"
[ "$(cat "$trabalho/mledit.dwg")" = "do aluno" ] || falhar "a cópia do aluno de mledit.dwg mudou"

ativar "$caixa" || falhar "a mensagem não recebeu o foco"
xdotool key Return
esperar 10 parado QVMenu || falhar "o menu continua aberto depois do OK"
sumiu "$MENU" || falhar "a janela do menu ficou na tela"
durante 1 eval '! rodou QVAC2DII03' || falhar "a lição começou apesar do arquivo ausente"
[ "$(ls "$trabalho" | LC_ALL=C sort | tr '\n' ' ')" = "mledit.dwg planta.dwg " ] ||
    falhar "a pasta de trabalho tem: $(ls -A "$trabalho")"
echo "ok: mensagem do arquivo ausente, o menu terminou, a lição não começou"
