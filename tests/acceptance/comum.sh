# Shared by the acceptance scripts (sourced, not run): a private copy of the installation with
# its own drive C:, the programs it starts, and the polls, window look-ups and screenshots that
# the scripts check with.
#
#   source comum.sh
#   preparar INSTALLATION_FOLDER [nenhum|perguntar]
#
# After preparar: $curso is the copy of the installation, $c the folder of drive C:, $trabalho
# the work folder c:\qvcurso and $marcas the folder where stand-in lesson programs record that
# they ran. On exit every program started from $curso is stopped and the copy is removed.

# shellcheck disable=SC2034 # the variables set here are read by the scripts that source this file
set -u

MENU="Aulavix - Menu de Cursos"
temp=
curso=
c=
trabalho=
marcas=
pids=()
menu=         # the menu window
popup_curso=  # the popup of the course menu opened last
cad=          # the window titled as the CAD program
licao=        # the lesson window

limpar() {
    local p
    for p in "${pids[@]}"; do
        kill "$p" 2>/dev/null
        wait "$p" 2>/dev/null
    done
    # The programs of the copy (the menu, the lessons it started, the menu a lesson started):
    # none of them is a child of this script, and all of them run from the copy.
    if [ -n "$curso" ]; then
        for p in $(pgrep -f -- "$curso/"); do
            kill "$p" 2>/dev/null
        done
    fi
    [ -n "$temp" ] && rm -rf "$temp"
    return 0
}
trap limpar EXIT

captura() {
    [ -n "${QV_CAPTURAS:-}" ] && import -window root "$QV_CAPTURAS/$1.png" 2>/dev/null
    return 0
}

falhar() {
    echo "FALHOU: $*" >&2
    captura falha
    echo "--- janelas:" >&2
    listar_janelas >&2
    exit 1
}

# Polls a condition every 50 ms until it holds or the time (whole seconds) runs out.
esperar() {
    local fim=$((${EPOCHREALTIME/[.,]/} + $1 * 1000000))
    shift
    until "$@"; do
        [ "${EPOCHREALTIME/[.,]/}" -lt "$fim" ] || return 1
        sleep 0.05
    done
}

# Holds a condition for a while (whole seconds; what must not happen), looking every 200 ms:
# fails as soon as it stops holding.
durante() {
    local fim=$((${EPOCHREALTIME/[.,]/} + $1 * 1000000))
    shift
    while [ "${EPOCHREALTIME/[.,]/}" -lt "$fim" ]; do
        "$@" || return 1
        sleep 0.2
    done
    "$@"
}

# --- windows -----------------------------------------------------------------------------------

listar_janelas() {
    local w
    for w in $(xdotool search --onlyvisible --name '.' 2>/dev/null); do
        printf '%s [%s]\n' "$w" "$(xdotool getwindowname "$w" 2>/dev/null)"
    done | grep -v ' \[\]$'
}

# Visible windows whose title is exactly the text given (no pattern).
janelas() {
    local padrao=$1 ch
    for ch in '\' . '*' '[' ']' '^' '$' '(' ')' '{' '}' '?' + '|'; do
        padrao=${padrao//"$ch"/"\\$ch"}
    done
    xdotool search --onlyvisible --name "^$padrao\$" 2>/dev/null
}
janela() {
    local id=
    read -r id < <(janelas "$1")
    echo "$id"
}
visivel() { [ -n "$(janela "$1")" ]; }
sumiu() { [ -z "$(janela "$1")" ]; }
existe() { xwininfo -id "$1" >/dev/null 2>&1 && xwininfo -id "$1" | grep -q 'IsViewable'; }
fechada() { ! existe "$1"; }

foco() { xdotool getwindowfocus 2>/dev/null; }
foco_e() { [ "$(foco)" = "$1" ]; }
# Without a window manager (SEM_WM set) nobody hands out the focus: the window must take it.
ativar() {
    [ -n "${SEM_WM:-}" ] || xdotool windowactivate --sync "$1" >/dev/null 2>&1
    esperar 10 foco_e "$1"
}

# The popups of the menu program's menus: the window manager does not frame them, so they are
# the program's only windows among the root window's own children (with none, the main window is
# one of them too). And its message boxes, which carry the program's name as their title.
popups() {
    xdotool search --maxdepth 1 --onlyvisible --class '^QVMenu$' 2>/dev/null |
        grep -vxF -- "${menu:-0}"
}
caixas_do_menu() {
    local w
    for w in $(janelas QVMenu); do
        xwininfo -id "$w" | grep -q 'Override Redirect State: no' && echo "$w"
    done
}
ha_caixa_do_menu() { [ -n "$(caixas_do_menu)" ]; }
sem_popups() { [ -z "$(popups)" ]; }

# A window's outer rectangle (frame included): x y width height.
retangulo() {
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
# A window's client area on the screen: x y width height.
cliente() {
    local info
    info=$(xwininfo -id "$1") || return 1
    awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4}
         /^ *Width:/ {l=$2} /^ *Height:/ {a=$2} END {print x, y, l, a}' <<<"$info"
}

# A click at a point of a window's client area.
clicar_em() {
    local x y l a
    read -r x y l a <<<"$(cliente "$1")" || return 1
    xdotool mousemove $((x + $2)) $((y + $3)) click --delay 0 1
}
# The close box of the frame: openbox draws it at the right end of the title bar.
clicar_fechar() {
    local x y l a
    read -r x y l a <<<"$(retangulo "$1")" || return 1
    xdotool mousemove $((x + l - 11)) $((y + 10)) click --delay 0 1
}

# The colour of one pixel of a window's client area: "r g b".
pixel() {
    import -window "$1" -crop "1x1+$2+$3" +repage -depth 8 rgb:- 2>/dev/null |
        od -An -tu1 | awk '{print $1, $2, $3}'
}
# How many nearly white pixels a rectangle of a window's client area holds (text drawn in white).
brancos() {
    import -window "$1" -crop "$4x$5+$2+$3" +repage -depth 8 rgb:- 2>/dev/null |
        od -An -v -tu1 -w3 | awk '$1 > 230 && $2 > 230 && $3 > 230 {n++} END {print n + 0}'
}

# --- the copy of the installation --------------------------------------------------------------

preparar() {
    local origem fonte=${2:-nenhum}
    origem=$(realpath "$1")
    temp=$(mktemp -d "${TMPDIR:-/tmp}/qv-aceite.XXXXXX") || exit 1
    local base=$temp # QV_ACEITE_LATIN1: under a Latin-1 name ("jo\xe3o"), with a HOME of its own
    [ -z "${QV_ACEITE_LATIN1:-}" ] ||
        { base="$temp/$(printf 'jo\xe3o')" && export HOME="$temp/casa" && mkdir -p "$HOME" "$base"; }
    curso="$base/curso"
    c="$base/c"
    trabalho="$c/qvcurso"
    marcas="$temp/marcas"
    cp -r "$origem" "$curso" || falhar "não foi possível copiar a instalação"
    mkdir -p "$trabalho" "$marcas" "$temp/seletores"
    printf '[aluno]\nfonte=%s\n[unidades]\nC=../c\n' "$fonte" >"$curso/qvmenu.ini"
}

# A stand-in for a lesson program that the package does not hold: it records the folder it was
# started from and ends.
substituto() {
    printf '#!/bin/sh\npwd >"%s"\n' "$marcas/$1" >"$curso/$1"
    chmod +x "$curso/$1"
}
rodou() { [ -s "$marcas/$1" ]; }
# The stand-in ran from the installation folder, as lessons are started.
rodou_no_curso() { [ "$(cat "$marcas/$1" 2>/dev/null)" = "$(realpath "$curso")" ]; }

rodando() { pgrep -f -- "$curso/$1" >/dev/null; }
parado() { ! rodando "$1"; }

# What the disk holds under a folder: names, sizes and contents.
retrato() {
    (cd "$1" && find . -printf '%y %p %s\n' | sort && find . -type f -print0 | sort -z |
        xargs -0 -r md5sum) | md5sum
}

# A window titled "Desenho1 - AutoCAD 2000" at the top left of the screen, under the point
# (10, 10), where the lessons look for the CAD program.
abrir_cad() {
    local programa=$1
    "$programa" "Desenho1 - AutoCAD 2000" 0 0 400 300 >"$temp/cad.id" 2>"$temp/cad.log" &
    pids+=($!)
    esperar 20 test -s "$temp/cad.id" || falhar "a janela do CAD não apareceu"
    cad=$(head -n 1 "$temp/cad.id")
}

# Starts the menu program from the copy, as the student does from its folder.
iniciar_menu() {
    (cd "$curso" && exec "$curso/QVMenu") >>"$temp/menu.log" 2>&1 &
}
abrir_menu() {
    iniciar_menu
    esperar 30 visivel "$MENU" || falhar "o menu não abriu"
    menu=$(janela "$MENU")
    ativar "$menu" || falhar "o menu não recebeu o foco"
}

# Opens "&Cursos" > group > the course menu at that place of the group, by keyboard, and sets
# popup_curso to the course menu's popup.
#   abrir_curso office|profissionais POSIÇÃO
abrir_curso() {
    local n antes baixo=()
    ativar "$menu" || falhar "o menu não recebeu o foco"
    # The pointer out of the way: a popup that opens under it takes the item it points at.
    xdotool mousemove 0 599
    xdotool key alt+c
    esperar 10 popup_aberto 1 || falhar "o menu Cursos não abriu"
    [ "$1" = profissionais ] && xdotool key Down
    xdotool key Right
    esperar 10 popup_aberto 2 || falhar "o grupo $1 não abriu"
    for ((n = 1; n < $2; n++)); do baixo+=(Down); done
    [ ${#baixo[@]} -gt 0 ] && xdotool key "${baixo[@]}"
    sleep 0.2
    antes=$(popups)
    xdotool key Right
    popup_novo() {
        popup_curso=$(popups | grep -vxF -- "$antes" | head -n 1)
        [ -n "$popup_curso" ]
    }
    esperar 10 popup_novo || falhar "o menu do curso $2 de $1 não abriu"
    sleep 0.2
}
popup_aberto() { [ "$(popups | wc -l)" -ge "$1" ]; }
fechar_menus() {
    xdotool key Escape Escape Escape
    esperar 10 sem_popups || falhar "os menus não fecharam"
}

# Clicks the lesson at a place of the course menu just opened, which holds ITEMS lessons in one
# column of equal rows.
#   clicar_licao ITEMS LUGAR
clicar_licao() {
    local x y l a
    read -r x y l a <<<"$(cliente "$popup_curso")" || falhar "o menu do curso não está aberto"
    xdotool mousemove $((x + 40)) $((y + (2 * $2 - 1) * a / (2 * $1)))
    sleep 0.2
    xdotool click --delay 0 1
}

# --- the lesson program ------------------------------------------------------------------------

# The lesson panel's outer rectangle, as the lesson programs place it.
no_lugar() { [ "$(retangulo "$licao")" = "510 95 290 480" ]; }

# Opens the menu and starts the first lesson of a course of "Profissionais" by keyboard; the
# lesson's window opens in its place and the menu ends. Sets licao to the lesson's window.
#   licao_do_menu POSIÇÃO LEGENDA PROGRAMA
licao_do_menu() {
    abrir_menu
    abrir_curso profissionais "$1"
    xdotool key Return
    esperar 30 visivel "$2" || falhar "a lição $3 não abriu"
    esperar 10 parado QVMenu || falhar "o menu continua aberto depois de iniciar $3"
    licao=$(janela "$2")
    esperar 10 no_lugar || falhar "painel de $3 em $(retangulo "$licao"), esperado 510 95 290 480"
}

# The page selector and the page number (not the selector's arrows, which show the mouse): the
# rows below the menu bar, at the middle of the selector. They differ from page to page.
#   seletor_novo NAME [SECONDS]
# waits (10 s unless told) until the selector shows something else than at the last call, and
# keeps that picture under the name given. It then sets foco_agora to the window that has the
# keyboard focus and titulada_agora to the window titled $OLHAR_TITULO on the screen, if any.
OLHO=${QV_OLHO:-}
OLHAR_TITULO=
seletor_anterior=-
seletores=()
foco_agora=
titulada_agora=
seletor_novo() {
    local saida chave valor
    [ -x "$OLHO" ] || falhar "QV_OLHO não indica o programa qv_olho"
    saida=$("$OLHO" ${OLHAR_TITULO:+--titulo "$OLHAR_TITULO"} "$licao" 198 18 57 32 \
        "$seletor_anterior" "${2:-10}" "$temp/seletores/$1.ppm") || return 1
    foco_agora=
    titulada_agora=
    while read -r chave valor; do
        case $chave in
        foco) foco_agora=$valor ;;
        janela) titulada_agora=$valor ;;
        *) seletor_anterior=$chave ;;
        esac
    done <<<"$saida"
    seletores+=("$1")
}
# The selector of every page kept, side by side in one picture.
mostrar_seletores() {
    local nome arquivos=()
    [ -n "${QV_CAPTURAS:-}" ] && [ ${#seletores[@]} -gt 0 ] || return 0
    for nome in "${seletores[@]}"; do arquivos+=("$temp/seletores/$nome.ppm"); done
    montage "${arquivos[@]}" -tile 10x -geometry +2+2 "$QV_CAPTURAS/$1.png" 2>/dev/null
    return 0
}
# The selector's arrows, in the panel's client area (the menu bar takes the top rows). The panel
# stays where it was placed: its place is read once.
origem_licao=
clicar_no_painel() {
    local x y
    [ -n "$origem_licao" ] || origem_licao=$(cliente "$licao")
    read -r x y _ <<<"$origem_licao"
    xdotool mousemove $((x + $1)) $((y + $2)) click --delay 0 1
}
clicar_seta_direita() { clicar_no_painel 267 36; }
clicar_seta_esquerda() { clicar_no_painel 186 36; }
