#include "fim.h"
#include "form1.h"
#include "licao.h"

#include <QApplication>
#include <QFileInfo>
#include <optional>

namespace jogador {

int Executar(int argc, char** argv, const DadosLição& dados) {
    // A program (or a test) that made its application already keeps it.
    std::optional<QApplication> app;
    if (!QCoreApplication::instance())
        app.emplace(argc, argv);
    QApplication::setApplicationName(QFileInfo(QCoreApplication::applicationFilePath()).fileName());
    Form1 janela(dados);
    vb::Handler([&janela] { janela.Form_Load(); });
    // Only a refusal ends the program before the window shows (the start folder is gone): a
    // launcher tells it from a normal end by the status.
    if (vb::ProgramEnded())
        return 1;
    return QApplication::exec();
}

} // namespace jogador
