// Lesson 1 of "AutoCad 2D II": isometric perspectives, ellipses and elliptical arcs,
// dimensioning in isometric.

#include "licoes.h"

namespace licoes {

jogador::DadosLição QVAC2DII01() {
    jogador::DadosLição d;
    d.legenda = QStringLiteral("AutoCad 2D II  - Módulo 1");
    d.texto = TextoDaLição("QVAC2DII01");
    d.páginas = 84;
    d.figuras = {
        {2, "1", "1800", "QVCAD-2000-2D-207.jpg"},  {10, "1", "4000", "QVCAD-2000-2D-208.jpg"},
        {16, "1", "1500", "QVCAD-2000-2D-209.jpg"}, {19, "1", "2300", "QVCAD-2000-2D-210.jpg"},
        {21, "1", "1600", "QVCAD-2000-2D-211.jpg"}, {23, "1", "4100", "QVCAD-2000-2D-212.jpg"},
        {25, "1", "1500", "QVCAD-2000-2D-213.jpg"}, {27, "1", "4200", "QVCAD-2000-2D-214.jpg"},
        {28, "1", "2200", "QVCAD-2000-2D-215.jpg"}, {36, "1", "1900", "QVCAD-2000-2D-216.jpg"},
        {40, "1", "4000", "QVCAD-2000-2D-217.jpg"}, {43, "1", "2000", "QVCAD-2000-2D-218.jpg"},
        {45, "1", "3700", "QVCAD-2000-2D-219.jpg"}, {54, "1", "0800", "QVCAD-2000-2D-220.jpg"},
        {58, "1", "1800", "QVCAD-2000-2D-221.jpg"}, {60, "1", "2700", "QVCAD-2000-2D-222.jpg"},
        {62, "1", "1900", "QVCAD-2000-2D-223.jpg"}, {63, "1", "3300", "QVCAD-2000-2D-224.jpg"},
        {65, "1", "2700", "QVCAD-2000-2D-225.jpg"}, {73, "1", "1600", "QVCAD-2000-2D-226.jpg"},
        {75, "1", "1700", "QVCAD-2000-2D-227.jpg"}, {76, "1", "1500", "QVCAD-2000-2D-228.jpg"},
        {78, "1", "1600", "QVCAD-2000-2D-229.jpg"}, {79, "1", "3900", "QVCAD-2000-2D-230.jpg"},
        {81, "1", "2100", "QVCAD-2000-2D-231.jpg"}, {83, "2", "0000", "QVCAD-2000-2D-232.jpg"},
    };
    return d;
}

} // namespace licoes
