#!/usr/bin/env bash
# QVMenu started from another working folder (as a launcher may start it) still takes the
# installation settings beside the program: its student file source (drive A:, unmapped here,
# so the student-file message comes and no menu opens) and its drive C: (the work folder is
# made there, never in the home folder).
#
#   outra_pasta.sh INSTALLATION_FOLDER

source "$(dirname "${BASH_SOURCE[0]}")/comum.sh"
preparar "$1" A
rmdir "$trabalho"
casa="$temp/casa"
outra="$temp/outra"
mkdir -p "$casa" "$outra"

(cd "$outra" && HOME="$casa" exec "$curso/QVMenu") >>"$temp/menu.log" 2>&1 &
comecou() { ha_caixa_do_menu || visivel "$MENU"; }
esperar 30 comecou || falhar "o menu não começou"
captura inicio
ha_caixa_do_menu || falhar "sem a mensagem do arquivo de aluno: a instalação não foi lida"
durante 1 sumiu "$MENU" || falhar "o menu abriu sem o arquivo de aluno"
[ -d "$trabalho" ] || falhar "a pasta de trabalho não foi feita no drive C: da instalação"
[ ! -e "$casa/qvcurso" ] || falhar "a pasta de trabalho foi feita na pasta pessoal"
echo "ok: iniciado de outra pasta, qvmenu.ini da pasta do programa lido"
