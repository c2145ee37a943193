#!/usr/bin/env bash
# On a private X server with a window manager, as a student whose installation asks for the
# student file, what the menu shows beside its courses: the whole title of the question in its
# frame; the header's captions on the lines of their values; the menu bar in the desktop's colour,
# not the window's, whose colour fills it at any size; "&Sobre" again gives the About box the focus;
# in "Versão do Access" Enter on an option presses nothing, a missing lesson program is named with
# its path alike at each "Confirmar", and Enter on the focused "Confirmar" starts the lesson.
#
#   menu_detalhes.sh INSTALLATION_FOLDER TITLED_WINDOW_PROGRAM

source "$(dirname "${BASH_SOURCE[0]}")/comum.sh"
preparar "$1" perguntar
titulada=$2
SOBRE="Sobre Cursos Aulavix"
DIALOGO="Versão do Access"
CAIXA="Obtém drive\\path dos arquivos de trabalho"

mkdir -p "$c/dados"
{
    printf '%s' "12345"
    printf '%-32s' "Maria"
    printf '%028d' 0 | tr 0 1
    printf '%47s' ""
} >"$c/dados/aluno.dat"

# The columns of a frame's title bar that the title's white letters take: "first last". The
# title bar is the frame's top rows, its icon and buttons left out at both ends.
titulo_na_moldura() {
    local x y l a
    read -r x y l a <<<"$(retangulo "$1")" || return 1
    import -window root -crop "$((l - 90))x12+$((x + 24))+$((y + 4))" +repage -depth 8 rgb:- \
        2>/dev/null | od -An -v -tu1 -w3 |
        awk -v l=$((l - 90)) '$1 > 235 && $2 > 235 && $3 > 235 {
                 c = (NR - 1) % l; if (p == "" || c < p) p = c; if (c > u) u = c }
             END { print p, u }'
}
largura_do_titulo() {
    local p u
    read -r p u <<<"$(titulo_na_moldura "$1")"
    [ -n "$p" ] && echo $((u - p))
}

# The whole title, as the window manager draws it in a frame wide enough for it.
"$titulada" "$CAIXA" 0 0 760 80 >"$temp/ref.id" 2>/dev/null &
ref_pid=$!
pids+=("$ref_pid")
esperar 20 test -s "$temp/ref.id" || falhar "a janela de referência não apareceu"
ref=$(head -n 1 "$temp/ref.id")
ativar "$ref" || falhar "a janela de referência não recebeu o foco"
inteiro=$(largura_do_titulo "$ref")
{ [ -n "$inteiro" ] && [ "$inteiro" -gt 100 ]; } ||
    falhar "título de referência com ${inteiro:-0} px"
kill "$ref_pid"
esperar 10 fechada "$ref" || falhar "a janela de referência ficou"

# The question shows its whole title (a title cut short is narrower, its end an ellipsis).
iniciar_menu
esperar 30 visivel "$CAIXA" || falhar "a pergunta do drive\\path não apareceu"
caixa=$(janela "$CAIXA")
ativar "$caixa" || falhar "a pergunta não recebeu o foco"
sleep 0.3
captura pergunta
mostrado=$(largura_do_titulo "$caixa")
{ [ "${mostrado:-0}" -ge $((inteiro - 1)) ] && [ "$mostrado" -le $((inteiro + 1)) ]; } ||
    falhar "o título da pergunta ocupa ${mostrado:-0} px na moldura, inteiro $inteiro px"
xdotool key ctrl+a BackSpace
xdotool type --delay 30 -- 'c:\dados'
xdotool key Return
esperar 30 visivel "$MENU" || falhar "o menu não abriu com c:\\dados"
menu=$(janela "$MENU")
ativar "$menu" || falhar "o menu não recebeu o foco"
sleep 0.3
captura menu

# The header: each caption begins on the line of its value (their boxes differ in height). The
# client area holds the menu bar above the window's own 554 rows.
#   topo WINDOW X Y WIDTH HEIGHT amarelo|branco: the first row of the rectangle with that colour
topo() {
    import -window "$1" -crop "$4x$5+$2+$3" +repage -depth 8 rgb:- 2>/dev/null |
        od -An -v -tu1 -w3 |
        awk -v l="$4" -v cor="$6" '
            (cor == "amarelo" && $1 > 200 && $2 > 200 && $3 < 120) ||
            (cor == "branco" && $1 > 230 && $2 > 230 && $3 > 230) { print int((NR - 1) / l); exit }'
}
read -r _ _ largura altura <<<"$(cliente "$menu")"
barra=$((altura - 554))
for linha in "nome 312 17 17" "matrícula 336 25 17"; do
    read -r nome y alto_titulo alto_valor <<<"$linha"
    titulo=$(topo "$menu" 16 $((barra + y)) 201 "$alto_titulo" amarelo)
    valor=$(topo "$menu" 232 $((barra + y)) 177 "$alto_valor" branco)
    { [ -n "$titulo" ] && [ -n "$valor" ]; } ||
        falhar "cabeçalho do $nome sem texto ($titulo/$valor)"
    { [ $((titulo - valor)) -ge -1 ] && [ $((titulo - valor)) -le 1 ]; } ||
        falhar "o título do $nome começa na linha $titulo, seu valor na linha $valor"
done

# "&Sobre": the box opens with the focus, and gets it again when chosen while it is open.
xdotool key alt+s
esperar 10 visivel "$SOBRE" || falhar "\"&Sobre\" não abriu"
sobre=$(janela "$SOBRE")
esperar 10 foco_e "$sobre" || falhar "\"$SOBRE\" abriu sem o foco"
ativar "$menu" || falhar "o menu não recebeu o foco de volta"
xdotool key alt+s
esperar 10 foco_e "$sobre" || falhar "\"&Sobre\" de novo não deu o foco a \"$SOBRE\""
captura sobre

# The menu bar (its empty end) has the desktop's colour, that of the About box, not the
# window's light yellow.
fundo_barra=$(pixel "$menu" $((largura - 20)) 5)
fundo_sobre=$(pixel "$sobre" 5 5)
[ "$fundo_barra" != "255 255 225" ] || falhar "a barra de menus tem a cor do início do menu"
[ "$fundo_barra" = "$fundo_sobre" ] ||
    falhar "a barra de menus tem a cor $fundo_barra, a área de trabalho $fundo_sobre"
clicar_em "$sobre" 435 380 # "OK": 6120, 5520 twips
esperar 10 sumiu "$SOBRE" || falhar "\"OK\" não fechou \"$SOBRE\""
xdotool windowmove "$menu" 0 0 windowsize "$menu" 798 560
cheia() {
    read -r _ _ l a <<<"$(cliente "$menu")" && [ "$l" -gt 794 ] &&
        [ "$(pixel "$menu" $((l - 1)) $((a - 1)))" = "255 255 225" ]
}
esperar 10 cheia || falhar "a janela em $(cliente "$menu") não tem a cor no canto de baixo"

# "Versão do Access" for Access Avançado lesson 01, whose program the package does not hold.
abrir_curso office 10
xdotool key Return
esperar 10 visivel "$DIALOGO" || falhar "\"$DIALOGO\" não apareceu"
form3=$(janela "$DIALOGO")
ativar "$form3" || falhar "\"$DIALOGO\" não recebeu o foco"
antes=$(retrato "$c")
nada() {
    visivel "$DIALOGO" && rodando QVMenu && ! ha_caixa_do_menu && [ "$(retrato "$c")" = "$antes" ]
}
xdotool key Return
durante 1 nada || falhar "Enter em \"$DIALOGO\" fez alguma coisa"
xdotool key KP_Enter
durante 1 nada || falhar "Enter do teclado numérico em \"$DIALOGO\" fez alguma coisa"

# "Confirmar" twice: each time the message names the program by the same path, so the two boxes
# look alike to the pixel.
imagem() { import -window "$1" rgb:- 2>/dev/null | md5sum; }
firme() { # the box as painted: two looks in a row alike
    local a
    a=$(imagem "$1")
    sleep 0.1
    [ "$a" = "$(imagem "$1")" ] && echo "$a"
}
aviso() {
    esperar 10 ha_caixa_do_menu || falhar "\"Confirmar\" ($1) não avisou da lição ausente"
    msg=$(caixas_do_menu | head -n 1)
}
fechar_aviso() {
    ativar "$msg" || falhar "o aviso não recebeu o foco"
    xdotool key Return
    esperar 10 fechada "$msg" || falhar "o aviso não fechou"
    rodando QVMenu || falhar "o menu terminou depois da lição ausente"
}
clicar_em "$form3" 252 124 # "Confirmar": 3120, 1680 twips
aviso 1
captura programa_ausente_1
primeiro=
pintado() { primeiro=$(firme "$msg") && [ -n "$primeiro" ]; }
esperar 10 pintado || falhar "o aviso não parou de mudar"
fechar_aviso
clicar_em "$form3" 252 124
aviso 2
captura programa_ausente_2
igual() { [ "$(imagem "$msg")" = "$primeiro" ]; }
esperar 5 igual || falhar "o aviso da segunda vez difere do da primeira"
fechar_aviso

# The lesson installed now: Enter on the focused "Confirmar" starts it.
substituto QVACA01
ativar "$form3" || falhar "\"$DIALOGO\" não recebeu o foco de volta"
xdotool key Return
esperar 10 rodou QVACA01 || falhar "Enter em \"Confirmar\" não iniciou a lição"
rodou_no_curso QVACA01 || falhar "a lição começou fora da pasta da instalação"
esperar 10 parado QVMenu || falhar "o menu continua aberto depois de iniciar a lição"
echo "ok: título da pergunta inteiro, cabeçalho alinhado, \"&Sobre\" com foco, barra de menus," \
    "Enter sem efeito na opção, caminho da lição ausente, Enter em \"Confirmar\""
