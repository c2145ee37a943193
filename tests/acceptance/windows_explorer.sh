#!/usr/bin/env bash
# On a private X server with a window manager, as a student: "&Cursos" > "Office" > "Windows" >
# "08 - Windows Explorer - Etapa 1" rebuilds the practice tree c:\00Documentos over what an
# earlier lesson and the student left in it, starts the lesson program and ends the menu. The
# package does not hold the lesson program: a stand-in of the test's own records that it ran.
#
#   windows_explorer.sh INSTALLATION_FOLDER

source "$(dirname "${BASH_SOURCE[0]}")/comum.sh"
preparar "$1"
substituto QVWin09
docs="$c/00Documentos"

# What lesson "10" and the student left: the tax folders, old copies, a file at the top, and a
# folder of the student's own inside "escola".
mkdir -p "$docs/escola/notas" "$docs/escola/alunos" "$docs/escola/minha pasta" \
    "$docs/pessoais/impostos/Ano2001" "$docs/pessoais/impostos/Ano2002"
echo "velho" >"$docs/escola/notas/velho.doc"
echo "mexido" >"$docs/escola/alunos/classe1.doc"
echo "do aluno" >"$docs/escola/minha pasta/trabalho.doc"
echo "velho" >"$docs/pessoais/impostos/Ano2002/calc.exe"
echo "velho" >"$docs/solto.txt"

abrir_menu
abrir_curso office 1
xdotool key Down Down Down Down Down Down Down
sleep 0.2
captura etapa1
xdotool key Return
esperar 10 rodou QVWin09 || falhar "a lição QVWin09 não começou"
rodou_no_curso QVWin09 || falhar "a lição começou fora da pasta da instalação"
esperar 10 parado QVMenu || falhar "o menu continua aberto depois de iniciar a lição"

esperado=$(
    cat <<'EOF'
d .
d ./escola
d ./escola/alunos
d ./escola/logo
d ./escola/minha pasta
d ./escola/notas
d ./pessoais
d ./pessoais/bancos
d ./pessoais/cartas
f ./escola/Recebimentos.doc
f ./escola/alunos/classe1.doc
f ./escola/alunos/classe2.doc
f ./escola/logo/antigo.bmp
f ./escola/logo/novo.bmp
f ./escola/minha pasta/trabalho.doc
f ./escola/notas/Geral.doc
f ./escola/notas/Provas.xls
f ./escola/notas/Trabalhos.xls
f ./pessoais/Dívidas.xls
f ./pessoais/bancos/Banco Quimbelo.xls
f ./pessoais/bancos/Banco Tarvessa.xls
f ./pessoais/cartas/Carta1.doc
f ./pessoais/cartas/Carta2.doc
EOF
)
arvore=$(cd "$docs" && find . -printf '%y %p\n' | LC_ALL=C sort)
esperado=$(LC_ALL=C sort <<<"$esperado")
[ "$arvore" = "$esperado" ] ||
    falhar "árvore de prática: $(diff <(echo "$esperado") <(echo "$arvore") | grep '^[<>]')"

# Every practice file is the installation's sample; the student's own file is untouched.
while read -r tipo caminho; do
    [ "$tipo" = f ] || continue
    nome=$(basename "$caminho")
    case "$nome" in
    trabalho.doc) [ "$(cat "$docs/$caminho")" = "do aluno" ] || falhar "o arquivo do aluno mudou" ;;
    Recebimentos.doc) cmp -s "$curso/recebimentos.doc" "$docs/$caminho" || falhar "$caminho" ;;
    *) cmp -s "$curso/$nome" "$docs/$caminho" || falhar "$caminho não é a cópia de $nome" ;;
    esac
done <<<"$arvore"
printf '%s\n' "ok: árvore c:\\00Documentos refeita, pasta do aluno mantida, QVWin09 iniciado"
