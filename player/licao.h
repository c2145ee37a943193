#pragma once
// What a lesson program hands to the player: its caption, its lesson text, its page count and
// its figure table.

#include <QByteArray>
#include <QList>
#include <QString>

namespace jogador {

// One row of a lesson's figure table.
struct LinhaFigura {
    int página = 0; // 1 to 100
    QString tipo;   // "1" inside the panel, "2" in the figure window, other: outside utility
    QString topo;   // Top inside the panel in twips, four decimal digits ("0800")
    QString imagem; // picture file name in the program's folder
};

struct DadosLição {
    QString legenda;  // caption of the lesson window
    QByteArray texto; // the lesson text, an RTF document with the page markers
    int páginas = 0;  // number of markers; pages 1 to páginas - 1 can be reached
    QList<LinhaFigura> figuras;
};

// Runs a lesson program: creates the application, opens the lesson window and runs the event
// loop until the program ends. Returns the program's exit code: 1 when the start-up refused
// (its message said why), else the loop's (0 after "Sair" or the return to the menu).
int Executar(int argc, char** argv, const DadosLição& dados);

} // namespace jogador
