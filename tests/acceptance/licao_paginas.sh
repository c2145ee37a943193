#!/usr/bin/env bash
# On a private X server with a window manager, as a student with the CAD program open at the top
# left of the screen: "&Cursos" > "Profissionais" > "AutoCad 2D II" > lesson 01 starts
# QVAC2DII01 and ends the menu; "&Entrar"; then every page of the lesson, one at a time:
#
#   teclado  with the Right key: the keyboard stays in the lesson after each change; the figure
#            window shows on the last page (83) only; End and Home reach the last and the first
#            page; the three looks of "&Aparência"
#   mouse    with clicks on the selector's right arrow: after each change the keyboard goes to
#            the window titled "Desenho1 - AutoCAD 2000"; the figure window on page 83 only;
#            the left arrow leaves it
#
# and "&QVMenu" brings the menu back and ends the lesson. The selector of each page is kept, side
# by side, in one picture with the screenshots.
#
#   licao_paginas.sh INSTALLATION_FOLDER TITLED_WINDOW_PROGRAM teclado|mouse

source "$(dirname "${BASH_SOURCE[0]}")/comum.sh"
preparar "$1"
modo=$3
ULTIMA=83 # the lesson's text holds the markers 1 to 84: 83 pages to read
LICAO="AutoCad 2D II  - Módulo 1"
FIGURA="$LICAO Figura"
OLHAR_TITULO=$FIGURA

abrir_cad "$2"
licao_do_menu 10 "$LICAO" QVAC2DII01
captura capa

# Entering: the cover gives way to page 1.
ativar "$licao" || falhar "a lição não recebeu o foco"
seletor_novo capa
xdotool key alt+e
seletor_novo 01 || falhar "\"&Entrar\" não mostrou a página 1"
esperar 10 foco_e "$licao" || falhar "a entrada tirou o foco da lição (foco em $(foco))"
declare -A pagina_de=(["$seletor_anterior"]=1)
captura pagina_01

if [ "$modo" = mouse ]; then
    # A click on the panel gives it the keyboard, as the window manager does; every click on
    # the arrow below thus takes the keyboard from the CAD window first.
    ativar "$cad" || falhar "o CAD não recebeu o foco"
    clicar_em "$licao" 150 200
    esperar 10 foco_e "$licao" || falhar "um clique no painel não lhe deu o foco (foco em $(foco))"
fi

# One page on at a time, as the mode says. The keyboard stays in the lesson after a key and goes
# to the CAD window after a click; on page 83 the figure window lies under the point where the
# lesson looks for the CAD window, so there either may hold it.
for ((n = 2; n <= ULTIMA; n++)); do
    if [ "$modo" = teclado ]; then
        xdotool key --delay 0 Right
    else
        clicar_seta_direita
    fi
    printf -v nome %02d "$n"
    seletor_novo "$nome" || falhar "a página $n não apareceu"
    [ -z "${pagina_de[$seletor_anterior]:-}" ] ||
        falhar "a página $n mostra o seletor da página ${pagina_de[$seletor_anterior]}"
    pagina_de[$seletor_anterior]=$n
    if [ "$modo" = teclado ]; then
        [ "$foco_agora" = "$licao" ] ||
            falhar "mudança pelo teclado para a página $n: foco em $foco_agora"
    elif [ "$n" -lt "$ULTIMA" ]; then
        [ "$foco_agora" = "$cad" ] || esperar 10 foco_e "$cad" ||
            falhar "mudança pelo mouse para a página $n: foco em $(foco), esperado o CAD $cad"
    fi
    if [ "$n" -lt "$ULTIMA" ]; then
        [ -z "$titulada_agora" ] || falhar "a janela de figura apareceu na página $n"
    fi
    [ "$n" = 2 ] && captura pagina_02
done
esperar 10 visivel "$FIGURA" || falhar "a janela de figura não apareceu na página $ULTIMA"
captura "pagina_$ULTIMA"
pagina() { echo "${pagina_de[$seletor_anterior]:-nenhuma}"; }

if [ "$modo" = teclado ]; then
    durante 1 foco_e "$licao" || falhar "o foco saiu da lição depois das mudanças pelo teclado"
    # There is no page after the last one; Home and End reach the first and the last.
    xdotool key Right
    ! seletor_novo depois_da_ultima 1 || falhar "a seta passou da última página"
    xdotool key Home
    seletor_novo home || falhar "Home não mudou a página"
    [ "$(pagina)" = 1 ] || falhar "Home foi à página $(pagina)"
    esperar 10 sumiu "$FIGURA" || falhar "a janela de figura ficou aberta na página 1"
    xdotool key End
    seletor_novo end || falhar "End não mudou a página"
    [ "$(pagina)" = "$ULTIMA" ] || falhar "End foi à página $(pagina)"
    esperar 10 visivel "$FIGURA" || falhar "a janela de figura não voltou com End"
    xdotool key Home
    seletor_novo home2 || falhar "Home não voltou à página 1"
    esperar 10 sumiu "$FIGURA" || falhar "a janela de figura ficou aberta na página 1"

    # The looks: the window's background below the text, and the band at the left of it.
    read -r _ _ _ altura <<<"$(cliente "$licao")"
    fundo() { pixel "$licao" 150 $((altura - 4)); }
    faixa() { pixel "$licao" 10 200; }
    fundo_padrao=$(fundo)
    faixa_padrao=$(faixa)
    aparencia() { # the look's place in the menu, its background, its name
        local antes
        antes=$(fundo)
        xdotool key alt+a
        sleep 0.3
        for ((i = 1; i < $1; i++)); do xdotool key Down; done
        xdotool key Return
        fundo_e() { [ "$(fundo)" = "$2" ]; }
        esperar 10 fundo_e "$@" || falhar "\"$3\": fundo $(fundo), esperado $2 (antes $antes)"
        sleep 0.2
        captura "aparencia_$3"
    }
    aparencia 2 "143 112 95" caderno
    [ "$(faixa)" != "$faixa_padrao" ] || falhar "\"2 - Caderno\" não trocou a faixa"
    [ "$(faixa)" != "143 112 95" ] || falhar "\"2 - Caderno\" escondeu a faixa"
    aparencia 3 "255 255 255" branco
    [ "$(faixa)" = "255 255 255" ] || falhar "\"3 - Branco\" deixou a faixa: $(faixa)"
    aparencia 1 "$fundo_padrao" padrao
    [ "$(faixa)" = "$faixa_padrao" ] || falhar "\"1 - Padrão\" não trouxe a faixa de volta"
    foco_e "$licao" || falhar "o foco saiu da lição ao trocar a aparência"
else
    # The left arrow leaves the last page and its figure window.
    clicar_seta_esquerda
    seletor_novo esquerda || falhar "a seta esquerda não mudou a página"
    [ "$(pagina)" = $((ULTIMA - 1)) ] || falhar "a seta esquerda foi à página $(pagina)"
    esperar 10 sumiu "$FIGURA" || falhar "a janela de figura ficou aberta na página $((ULTIMA - 1))"
fi
mostrar_seletores "seletor_$modo"

# "&QVMenu": the menu again, from the installation folder, and the lesson ends.
ativar "$licao" || falhar "a lição não recebeu o foco para voltar ao menu"
xdotool key alt+q
esperar 30 visivel "$MENU" || falhar "o menu não voltou"
esperar 10 parado QVAC2DII01 || falhar "a lição continua aberta depois de voltar ao menu"
sumiu "$FIGURA" || falhar "a janela de figura ficou depois do fim da lição"
captura menu_de_volta
echo "ok ($modo): $ULTIMA páginas, uma a uma; foco e janela de figura; de volta ao menu"
