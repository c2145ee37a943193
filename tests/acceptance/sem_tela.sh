#!/usr/bin/env bash
# sem_tela.sh INSTALLATION: each program, no display or a dead one: one Portuguese line, status 1.
for programa in QVMenu QVAC2DII01 QVAC2D01 QVACAD3D01; do
    for display in "" :65000; do
        r=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM ${display:+"DISPLAY=$display"} \
            timeout 20 "$1/$programa" 2>&1; echo "status $?")
        [[ $r == "Nenhuma tela gráfica disponível: "*$'\n'"status 1" && $(wc -l <<<"$r") == 2 ]] ||
            { echo "FALHOU: $programa (DISPLAY='$display'): $r"; falhas=1; }
    done
done
exit "${falhas:-0}"
