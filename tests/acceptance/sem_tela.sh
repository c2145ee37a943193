#!/usr/bin/env bash
# sem_tela.sh INSTALLATION: each program, on X11 with no display or a dead one: one Portuguese
# line, status 1; under offscreen with no display: still running a moment later.
limpo=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)
for programa in QVMenu QVAC2DII01 QVAC2D01 QVACAD3D01; do
    for caso in QT_QPA_PLATFORM= DISPLAY=:65000 QT_QPA_PLATFORM=xcb QT_QPA_PLATFORM=XCB; do
        r=$("${limpo[@]}" "$caso" timeout 20 "$1/$programa" 2>&1; echo "status $?")
        [[ $r == "Nenhuma tela gráfica disponível: "*$'\n'"status 1" && $(wc -l <<<"$r") == 2 ]] ||
            { echo "FALHOU: $programa ($caso): $r"; falhas=1; }
    done
    (cd "$1" && "${limpo[@]}" QT_QPA_PLATFORM=offscreen timeout 3 "./$programa" >/dev/null 2>&1
     s=$?; [[ $s == 124 ]] || { echo "FALHOU: $programa (offscreen): status $s"; exit 1; }) &
    fundo+=($!)
done
for p in "${fundo[@]}"; do wait "$p" || falhas=1; done
exit "${falhas:-0}"
