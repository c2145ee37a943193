// A lesson program: the lesson player with this program's own lesson (QV_LICAO).

#include "licoes.h"
#include "programa.h"

#include <QApplication>

int main(int argc, char** argv) {
    vb::EscolherPlataforma();
    vb::ExigirTela();
    QApplication app(argc, argv);
    vb::TraduzirQt(app);
    return jogador::Executar(argc, argv, licoes::QV_LICAO());
}
