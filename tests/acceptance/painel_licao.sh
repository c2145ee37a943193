#!/usr/bin/env bash
# On a private X server with a window manager, the lesson panel of QVAC2D01 (whose lines stand at
# fractions of a pixel) as the student sees it:
#
#   - from the first page after "&Entrar" on, each page's marker is hidden under the white patch:
#     the rows just below the patch show nothing of it, nor of the marker search's selection
#   - a double click on the title bar does not maximize the panel, and the window manager offers
#     no maximize for it
#   - without "qvpadrões.txt" the cover, and after "&Entrar" the band and the logo, are those of
#     the standard look: the panel shows exactly what it shows with the installed settings file
#
#   painel_licao.sh INSTALLATION_FOLDER

source "$(dirname "${BASH_SOURCE[0]}")/comum.sh"
preparar "$1"
LICAO="AutoCad 2D  - Módulo 1"

iniciar_licao() {
    (cd "$curso" && exec "$curso/QVAC2D01") >>"$temp/licao.log" 2>&1 &
    esperar 30 visivel "$LICAO" || falhar "a lição QVAC2D01 não abriu"
    licao=$(janela "$LICAO")
    seletor_anterior=-
    esperar 10 no_lugar || falhar "painel em $(retangulo "$licao"), esperado 510 95 290 480"
}

# The panel's client area once it has settled (two pictures 300 ms apart alike), as a file.
quadro() {
    local n=0
    import -window "$licao" "$temp/$1.ppm" 2>/dev/null
    until sleep 0.3 && import -window "$licao" "$temp/$1.b.ppm" 2>/dev/null &&
        cmp -s "$temp/$1.ppm" "$temp/$1.b.ppm"; do
        mv "$temp/$1.b.ppm" "$temp/$1.ppm"
        ((++n < 30)) || falhar "o painel não parou de mudar ($1)"
    done
    captura "$1"
}
iguais() { [ "$(compare -metric AE "$temp/$1.ppm" "$temp/$2.ppm" null: 2>&1)" = 0 ]; }

# The patch: the white box at the right of the text box's top edge. The column at x = 100 shows
# the menu bar, then the window's background down to that edge.
achar_cobertura() {
    local fundo
    mapfile -t coluna < <(import -window "$licao" -crop 1x120+100+0 +repage -depth 8 rgb:- |
        od -An -v -tu1 -w3 | awk '{print $1, $2, $3}')
    fundo=$(pixel "$licao" 150 $(($(cliente "$licao" | cut -d' ' -f4) - 4)))
    topo_cobertura=
    local y dentro=0
    for ((y = 0; y < ${#coluna[@]}; y++)); do
        if [ "${coluna[$y]}" = "$fundo" ]; then
            dentro=1
        elif [ "$dentro" = 1 ]; then
            topo_cobertura=$y
            break
        fi
    done
    [ -n "$topo_cobertura" ] || falhar "a borda de cima do texto não foi achada (fundo $fundo)"
}
# Pixels other than white in the three rows under the patch (290 twips high), from its left edge
# (3240 twips) to the text box's right edge.
sob_a_cobertura() {
    import -window "$licao" -crop "59x3+216+$((topo_cobertura + 19))" +repage -depth 8 rgb:- |
        od -An -v -tu1 -w3 | awk '!($1 == 255 && $2 == 255 && $3 == 255) {n++} END {print n + 0}'
}

# --- with the installed settings file ------------------------------------------------------------
iniciar_licao
quadro capa_padrao
ativar "$licao" || falhar "a lição não recebeu o foco"
seletor_novo capa
xdotool key alt+e
seletor_novo 01 || falhar "\"&Entrar\" não mostrou a página 1"
quadro pagina_01_padrao
achar_cobertura
for ((n = 1; n <= 12; n++)); do
    if [ "$n" -gt 1 ]; then
        xdotool key --delay 0 Right
        printf -v nome %02d "$n"
        seletor_novo "$nome" || falhar "a página $n não apareceu"
        sleep 0.1
    fi
    [ "$(sob_a_cobertura)" = 0 ] || {
        captura "sob_a_cobertura_$n"
        falhar "página $n: a marca ou a seleção aparece sob a cobertura ($(sob_a_cobertura) pontos; cobertura em y = $topo_cobertura)"
    }
done

# The panel is not maximized by the title bar's double click (openbox's way).
read -r x y _ <<<"$(retangulo "$licao")"
xdotool mousemove $((x + 100)) $((y + 8)) click --repeat 2 --delay 80 1
durante 1 no_lugar || falhar "o duplo clique no título mudou o painel: $(retangulo "$licao")"
! xprop -id "$licao" _NET_WM_ALLOWED_ACTIONS | grep -q MAXIMIZE ||
    falhar "o gerenciador oferece maximizar o painel: $(xprop -id "$licao" _NET_WM_ALLOWED_ACTIONS)"
captura duplo_clique
ativar "$licao" || falhar "a lição não recebeu o foco para sair"
xdotool key alt+s
esperar 10 sumiu "$LICAO" || falhar "\"&Sair\" não fechou a lição"

# --- without it: the same panel -----------------------------------------------------------------
rm "$curso/qvpadrões.txt"
iniciar_licao
quadro capa_sem_arquivo
iguais capa_padrao capa_sem_arquivo || falhar "sem qvpadrões.txt a capa não é a da aparência padrão"
ativar "$licao" || falhar "a lição não recebeu o foco"
seletor_novo capa
xdotool key alt+e
seletor_novo 01 || falhar "\"&Entrar\" não mostrou a página 1"
quadro pagina_01_sem_arquivo
iguais pagina_01_padrao pagina_01_sem_arquivo ||
    falhar "sem qvpadrões.txt a página 1 não tem a faixa e o logotipo da aparência padrão"
echo "ok: marcas sob a cobertura nas páginas 1 a 12; painel sem maximizar; aparência padrão sem qvpadrões.txt"
