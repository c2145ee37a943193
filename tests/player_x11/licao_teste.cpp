// qv_licao_teste: a lesson program for the real-window tests, with a generated lesson of a
// dozen pages. It writes what the test script needs to a state file (QV_ESTADO, default
// "estado.txt"): the selector's value, the selector's rectangle on the screen and the lesson
// window's id, rewritten after each change of the selector.

#include "../player/licao_gerada.h"
#include "form1.h"

#include <QApplication>
#include <QFile>
#include <QSaveFile>
#include <QTimer>

namespace {

void GravarEstado(const jogador::Form1& janela) {
    const QString nome = qEnvironmentVariableIsEmpty("QV_ESTADO")
                             ? QStringLiteral("estado.txt")
                             : qEnvironmentVariable("QV_ESTADO");
    const QRect barra(janela.Barra->mapToGlobal(QPoint(0, 0)), janela.Barra->size());
    QSaveFile f(nome);
    if (!f.open(QIODevice::WriteOnly))
        return;
    f.write(QStringLiteral("valor %1\nbarra %2 %3 %4 %5\njanela %6\n")
                .arg(janela.Barra->value())
                .arg(barra.x())
                .arg(barra.y())
                .arg(barra.width())
                .arg(barra.height())
                .arg(janela.winId())
                .toUtf8());
    f.commit();
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QTimer::singleShot(0, [] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* janela = dynamic_cast<jogador::Form1*>(w);
            if (!janela)
                continue;
            // Connected after the window's own handler: written once the change is complete.
            QObject::connect(janela->Barra, &QScrollBar::valueChanged, janela,
                             [janela] { GravarEstado(*janela); });
            GravarEstado(*janela);
        }
    });
    return jogador::Executar(argc, argv, licaogerada::Lição());
}
