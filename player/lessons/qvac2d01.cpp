// Lesson 1 of "AutoCad 2D I": the screen of the CAD program and the LINE command.

#include "licoes.h"

namespace licoes {

jogador::DadosLição QVAC2D01() {
    jogador::DadosLição d;
    d.legenda = QStringLiteral("AutoCad 2D  - Módulo 1");
    d.texto = TextoDaLição("QVAC2D01");
    d.páginas = 78;
    d.figuras = {
        {17, "1", "1800", "QVCAD-2000-2D-004.jpg"}, {30, "1", "2200", "QVCAD-2000-2D-009.jpg"},
        {31, "1", "3600", "QVCAD-2000-2D-010.jpg"}, {32, "1", "2600", "QVCAD-2000-2D-011.jpg"},
        {33, "1", "2900", "QVCAD-2000-2D-012.jpg"}, {37, "1", "4600", "QVCAD-2000-2D-014.jpg"},
        {55, "1", "2100", "QVCAD-2000-2D-015.jpg"},
    };
    return d;
}

} // namespace licoes
