#pragma once
// Page markers, figure entries and the page arithmetic of the page selector.

#include "licao.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace jogador {

inline constexpr int máximoPáginas = 100; // markers and figure pages run up to 100

// "Pg " followed by i in decimal, for i = 1 to 100; "" otherwise.
QString MarcaPágina(int i);

// A figure table row as the string the player keeps: kind digit, Top in four digits, the
// program's folder, then the picture name ("1" "1800" caminho "fig.jpg").
QString MontarEntrada(const LinhaFigura& linha, const QString& caminho);

struct Figura {
    QChar tipo;      // '1' inside the panel, '2' in the figure window, other: outside utility
    int topo = 0;    // twips, from characters 2 to 5
    QString arquivo; // from character 6 to the end
};

// Reads an entry; an empty entry has no figure.
std::optional<Figura> LerEntrada(const QString& entrada);

// The page whose marker goes to the top for a selector value: the value itself, lowered to
// numpaginas - 1 when it equals numpaginas.
int PáginaMostrada(int valor, int numpaginas);

// The page whose figure is shown for a selector value: the value for 1 to 100, 100 otherwise.
int PáginaDaFigura(int valor);

// Selector key codes (page up, page down, end, home and the four arrows) that mark a page
// change as made from the keyboard.
bool TeclaDeNavegação(int códigoTecla);

// True when the title holds "AutoCAD 2000" (twelve characters, case-sensitive).
bool TítuloDoCAD(const QByteArray& título);

} // namespace jogador
