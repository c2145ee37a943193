// Lesson 1 of "AutoCAD 3D": concepts, thickness, viewpoints, hiding, the Z axis, shading.

#include "licoes.h"

namespace licoes {

jogador::DadosLição QVACAD3D01() {
    jogador::DadosLição d;
    d.legenda = QStringLiteral("AutoCAD 3D - Módulo 01");
    d.texto = TextoDaLição("QVACAD3D01");
    d.páginas = 59;
    d.figuras = {
        {5, "1", "2700", "QV-AutoCad-2000-3D-Fig001.jpg"},
        {7, "1", "4000", "QV-AutoCad-2000-3D-Fig002.jpg"},
        {9, "1", "1800", "QV-AutoCad-2000-3D-Fig003.jpg"},
        {16, "1", "2300", "QV-AutoCad-2000-3D-Fig004.jpg"},
        {18, "1", "2200", "QV-AutoCad-2000-3D-Fig005.jpg"},
        {30, "1", "1900", "QV-AutoCad-2000-3D-Fig006.jpg"},
        {34, "1", "4400", "QV-AutoCad-2000-3D-Fig007.jpg"},
        {35, "1", "3900", "QV-AutoCad-2000-3D-Fig008.jpg"},
    };
    return d;
}

} // namespace licoes
