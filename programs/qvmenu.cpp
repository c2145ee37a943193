// QVMenu: the course menu program.

#include "arquivos.h"
#include "fim.h"
#include "instalacao.h"
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

    // The installation settings beside the program, wherever it was started from: a launcher
    // with another working folder must not bypass them.
    // A settings file that cannot be used, or no home folder for C:, ends the program here.
    menu::Instalação instalação;
    vb::Handler([&] { instalação = menu::LerInstalação(vb::PastaDoPrograma()); });
    if (vb::ProgramEnded())
        return 0;
    menu::Tela2 tela2(instalação);
    vb::Handler([&] { tela2.Form_Load(); });
    if (vb::ProgramEnded())
        return 0;
    return app.exec();
}
