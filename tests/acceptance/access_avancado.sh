#!/usr/bin/env bash
# On a private X server with a window manager, as a student: "&Cursos" > "Office" > "Access
# Avançado" > lesson 01 asks "Versão do Access"; its close box leaves everything as it was; asked
# again, "Access 2000" and "Confirmar" stage "biblio2k.mdb" as "biblio.mdb" in the work folder,
# start the lesson program and end the menu. The package does not hold the lesson program: a
# stand-in of the test's own records that it ran.
#
#   access_avancado.sh INSTALLATION_FOLDER

source "$(dirname "${BASH_SOURCE[0]}")/comum.sh"
preparar "$1"
substituto QVACA01
echo "cópia antiga do aluno" >"$trabalho/biblio.mdb"
DIALOGO="Versão do Access"

# The dialog's client area and controls, in pixels (the form is laid out in twips, 15 a pixel).
pedir_versao() {
    abrir_curso office 10
    xdotool key Return
    esperar 10 visivel "$DIALOGO" || falhar "\"$DIALOGO\" não apareceu"
    form3=$(janela "$DIALOGO")
    read -r _ _ largura altura <<<"$(cliente "$form3")"
    [ "$largura $altura" = "312 150" ] || falhar "\"$DIALOGO\" tem $largura x $altura pixels"
    ativar "$form3" || falhar "\"$DIALOGO\" não recebeu o foco"
}

abrir_menu
antes=$(retrato "$c")
pedir_versao
captura versao
[ "$(retrato "$c")" = "$antes" ] || falhar "a pasta de trabalho mudou antes da confirmação"
rodou QVACA01 && falhar "a lição começou antes da confirmação"

# The close box: nothing copied, nothing started, the menu stays.
clicar_fechar "$form3"
esperar 10 sumiu "$DIALOGO" || falhar "a caixa de fechar não fechou \"$DIALOGO\""
durante 1 rodando QVMenu || falhar "fechar \"$DIALOGO\" terminou o menu"
[ "$(retrato "$c")" = "$antes" ] || falhar "fechar \"$DIALOGO\" mudou a pasta de trabalho"
rodou QVACA01 && falhar "fechar \"$DIALOGO\" iniciou a lição"

# Again: "Access 2000", then "Confirmar".
pedir_versao
clicar_em "$form3" 110 92 # "Access 2000": 1320, 1200 twips
sleep 0.3
captura access2000
clicar_em "$form3" 252 124 # "Confirmar": 3120, 1680 twips
esperar 10 rodou QVACA01 || falhar "a lição QVACA01 não começou"
rodou_no_curso QVACA01 || falhar "a lição começou fora da pasta da instalação"
esperar 10 parado QVMenu || falhar "o menu continua aberto depois de iniciar a lição"
cmp -s "$curso/biblio2k.mdb" "$trabalho/biblio.mdb" ||
    falhar "biblio.mdb da pasta de trabalho não é biblio2k.mdb"
[ "$(ls "$trabalho")" = "biblio.mdb" ] || falhar "a pasta de trabalho tem: $(ls "$trabalho")"
echo "ok: \"$DIALOGO\", caixa de fechar, Access 2000 > biblio.mdb, QVACA01 iniciado"
