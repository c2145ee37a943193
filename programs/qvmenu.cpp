// QVMenu: the course menu program.

#include "programa.h"
#include "tela2.h"

#include <QApplication>

int main(int argc, char** argv) {
    vb::EscolherPlataforma();
    vb::ExigirTela();
    QApplication app(argc, argv);
    vb::TraduzirQt(app);
    QApplication::setApplicationName(QStringLiteral("QVMenu"));
    QApplication::setQuitOnLastWindowClosed(false);

    return menu::ExecutarMenu();
}
