#!/usr/bin/env bash
# Runs a command on a private X server (Xvfb), optionally with a window manager (openbox).
#
#   xvfb-run.sh [--wm] [--tela LxAxP] [--capturas PASTA] -- comando argumentos...
#
#   --wm              start openbox and wait until it manages windows
#   --tela LxAxP      screen size and depth (default 800x600x24)
#   --capturas PASTA  folder for screenshots: exported as QV_CAPTURAS, and a screenshot of the
#                     whole screen is saved there as fim.png when the command ends
#
# Xvfb picks a free display itself (-displayfd), so concurrent runs never race for one. The
# command's exit status is the script's; the script's own failures exit with 125. On exit the
# script stops the processes it started, and only those.

set -u

tela=800x600x24
com_wm=0
capturas=
while [ $# -gt 0 ]; do
    case "$1" in
    --wm) com_wm=1 ;;
    --tela)
        [ $# -ge 2 ] || { echo "xvfb-run.sh: --tela precisa de um valor" >&2; exit 125; }
        tela=$2
        shift
        ;;
    --capturas)
        [ $# -ge 2 ] || { echo "xvfb-run.sh: --capturas precisa de uma pasta" >&2; exit 125; }
        capturas=$2
        shift
        ;;
    --) shift; break ;;
    *) echo "xvfb-run.sh: opção desconhecida: $1" >&2; exit 125 ;;
    esac
    shift
done
if [ $# -eq 0 ]; then
    echo "uso: xvfb-run.sh [--wm] [--tela LxAxP] [--capturas PASTA] -- comando argumentos..." >&2
    exit 125
fi
if ! [[ $tela =~ ^[0-9]+x[0-9]+x[0-9]+$ ]]; then
    echo "xvfb-run.sh: tela inválida: $tela (esperado LARGURAxALTURAxPROFUNDIDADE)" >&2
    exit 125
fi

temp=$(mktemp -d "${TMPDIR:-/tmp}/qv-xvfb.XXXXXX") || exit 125
pid_xvfb=
pid_wm=
pid_sentinela=
pid_comando=

parar() { # stops one of our processes and reaps it
    [ -n "$1" ] || return 0
    kill "$1" 2>/dev/null
    wait "$1" 2>/dev/null
    return 0
}
limpar() {
    parar "$pid_comando"
    parar "$pid_sentinela"
    parar "$pid_wm"
    parar "$pid_xvfb"
    rm -rf "$temp"
}
trap limpar EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
trap 'exit 129' HUP

falhar() {
    echo "xvfb-run.sh: $*" >&2
    for log in "$temp"/*.log; do
        [ -s "$log" ] && { echo "--- $(basename "$log")" >&2; cat "$log" >&2; }
    done
    exit 125
}

# Polls a condition every 50 ms until it holds or the time (in seconds) runs out.
esperar() {
    local limite=$1
    shift
    local fim=$((SECONDS + limite))
    until "$@"; do
        [ "$SECONDS" -lt "$fim" ] || return 1
        sleep 0.05
    done
}

# Xvfb writes the display number it chose to the fifo once it accepts connections.
mkfifo "$temp/display" || falhar "não foi possível criar $temp/display"
Xvfb -displayfd 3 -screen 0 "$tela" -nolisten tcp -noreset 3>"$temp/display" \
    >"$temp/xvfb.log" 2>&1 </dev/null &
pid_xvfb=$!
numero=
read -r -t 30 numero <"$temp/display"
[[ $numero =~ ^[0-9]+$ ]] || falhar "o Xvfb não informou o display"
export DISPLAY=":$numero"
unset WAYLAND_DISPLAY
export XDG_SESSION_TYPE=x11

# The window manager's check window, when it names itself (EWMH).
anunciado() {
    local id
    id=$(xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | sed -n 's/.*window id # //p')
    [ -n "$id" ] && xprop -id "$id" _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "# $id\$"
}

if [ "$com_wm" = 1 ]; then
    openbox --sm-disable >"$temp/openbox.log" 2>&1 </dev/null &
    pid_wm=$!
    vivo() { kill -0 "$pid_wm" 2>/dev/null || falhar "o openbox terminou ao iniciar"; }
    pronto() { vivo && anunciado; }
    esperar 30 pronto || falhar "o openbox não se anunciou a tempo"
    # A sentinel window: once openbox gives it WM_STATE it manages new windows. A window
    # mapped while openbox was still starting may be missed, so a fresh one is tried now and
    # then.
    sentinela="qv-sentinela-$$"
    gerenciada() {
        vivo
        xprop -name "$sentinela" WM_STATE 2>/dev/null | grep -q 'window state'
    }
    fim=$((SECONDS + 30))
    until [ -n "$pid_sentinela" ] && esperar 3 gerenciada; do
        [ "$SECONDS" -lt "$fim" ] || falhar "o openbox não gerenciou a janela sentinela a tempo"
        parar "$pid_sentinela"
        xmessage -name "$sentinela" -title "$sentinela" -geometry 1x1+0+0 "$sentinela" \
            >>"$temp/sentinela.log" 2>&1 </dev/null &
        pid_sentinela=$!
    done
    parar "$pid_sentinela"
    pid_sentinela=
fi

if [ -n "$capturas" ]; then
    mkdir -p "$capturas" || falhar "não foi possível criar $capturas"
    capturas=$(cd "$capturas" && pwd)
    export QV_CAPTURAS="$capturas"
fi

"$@" <&0 &
pid_comando=$!
wait "$pid_comando"
status=$?
pid_comando=

if [ -n "$capturas" ]; then
    import -window root "$capturas/fim.png" 2>>"$temp/import.log" ||
        echo "xvfb-run.sh: captura de tela falhou" >&2
fi
exit "$status"
