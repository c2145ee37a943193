#!/usr/bin/env bash
# On a private X server with a window manager, as a student whose installation asks for the
# student file: answers that are refused bring the input box back, "c:\dados" opens the menu with
# the student's name and number in its header; the lessons of the courses the student file keeps
# closed do nothing when chosen, by keyboard or by mouse; a lesson of the open course starts.
#
#   aluno_perguntar.sh INSTALLATION_FOLDER

source "$(dirname "${BASH_SOURCE[0]}")/comum.sh"
preparar "$1" perguntar

# The student file: registration, name (32 characters, Windows-1252), 28 course flags. Only
# "AutoCad" (17) is open; "Windows" (3) holds a letter and "HTML" (22) a zero, both closed.
flags=$(printf '%028d' 0)
flags="${flags:0:2}S${flags:3:13}1${flags:17}"
mkdir -p "$c/dados"
{
    printf '%s' "04217"
    printf '%-32s' "Conceicao Araujo" | sed 's/Conceicao/Conceição/; s/Araujo/Araújo/' |
        iconv -f UTF-8 -t WINDOWS-1252
    printf '%s' "$flags"
    printf '%47s' ""
} >"$c/dados/aluno.dat"
[ "$(stat -c %s "$c/dados/aluno.dat")" = 112 ] || falhar "o arquivo do aluno não tem 112 bytes"

# Lessons that the package does not hold: one of each course the test chooses from.
for p in QVWin07 QVHTML01 QVHTML02 QVAC2DII03; do substituto "$p"; done
echo "do aluno" >"$trabalho/planta.dwg"

caixa="Obtém drive\\path dos arquivos de trabalho"
iniciar_menu
esperar 30 visivel "$caixa" || falhar "a pergunta do drive\\path não apareceu"
captura pergunta

# Each refused answer closes the box and brings the same question back, and nothing else.
antiga=
responder() {
    antiga=$(janela "$caixa")
    ativar "$antiga" || falhar "a pergunta não recebeu o foco"
    xdotool key ctrl+a BackSpace
    [ -n "$1" ] && xdotool type --delay 30 -- "$1"
    xdotool key "${2:-Return}"
}
voltou() {
    local nova
    nova=$(janela "$caixa")
    [ -n "$nova" ] && [ "$nova" != "$antiga" ] && fechada "$antiga"
}
recusada() {
    responder "$@"
    esperar 10 voltou || falhar "a resposta «$1» não trouxe a pergunta de volta"
    sumiu "$MENU" || falhar "o menu abriu depois da resposta «$1»"
    rodando QVMenu || falhar "o menu terminou depois da resposta «$1»"
}
recusada "c:"
captura recusada_c
recusada "c:/dados"
recusada ""
recusada "c:\\dados" Escape
recusada "0"

responder "c:\\dados"
esperar 30 visivel "$MENU" || falhar "o menu não abriu com c:\\dados"
sumiu "$caixa" || falhar "a pergunta continua aberta"
menu=$(janela "$MENU")
ativar "$menu" || falhar "o menu não recebeu o foco"
sleep 0.3
captura menu_com_aluno

# The header: the name and the number in white beside their yellow titles (the labels stay
# hidden without a student file).
nome=$(brancos "$menu" 232 332 217 17)
numero=$(brancos "$menu" 232 356 177 17)
[ "$nome" -gt 40 ] || falhar "o nome do aluno não aparece no cabeçalho ($nome pontos brancos)"
[ "$numero" -gt 15 ] || falhar "a matrícula não aparece no cabeçalho ($numero pontos brancos)"

antes=$(retrato "$c")
nada_aconteceu() {
    rodando QVMenu && ! ha_caixa_do_menu && sumiu "Versão do Access" &&
        [ "$(retrato "$c")" = "$antes" ] && [ -z "$(ls "$marcas")" ]
}

# Windows is closed and its first lesson program is not installed: every lesson is disabled,
# the keyboard finds none to choose.
abrir_curso office 1
xdotool key Down Down Down Down Down Down Return
durante 1 nada_aconteceu || falhar "uma lição de Windows, curso fechado, fez alguma coisa"
captura windows_fechado
fechar_menus

# HTML is closed but its first lesson program is installed: the first lesson is offered, the
# second is not, and a click on it does nothing.
abrir_curso profissionais 12
clicar_licao 5 2
durante 1 nada_aconteceu || falhar "a lição 02 de HTML, curso fechado, fez alguma coisa"
captura html_fechado
sem_popups && falhar "o clique numa lição desativada fechou o menu"
fechar_menus

# AutoCad is open: its third lesson, disabled until the student file opened the course, stages
# its drawings and starts.
abrir_curso profissionais 10
captura autocad_aberto
clicar_licao 17 3
esperar 10 rodou QVAC2DII03 || falhar "a lição 03 de AutoCad 2D II não começou"
rodou_no_curso QVAC2DII03 || falhar "a lição começou fora da pasta da instalação"
esperar 10 parado QVMenu || falhar "o menu continua aberto depois de iniciar a lição"
for f in planta.dwg mledit.dwg; do
    cmp -s "$curso/$f" "$trabalho/$f" || falhar "$f não chegou à pasta de trabalho"
done
for p in QVWin07 QVHTML01 QVHTML02; do
    rodou "$p" && falhar "$p também começou"
done
printf '%s\n' "ok: perguntas recusadas, c:\\dados, cabeçalho do aluno, cursos fechados e aberto"
