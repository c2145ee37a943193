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
    if (vb::ProgramEnded())
        return 0;
    return QApplication::exec();
}

} // namespace jogador
