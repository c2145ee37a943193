// The floor of the start-up benchmarks: a bare Qt window with a menu bar, of the menu's size.

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow janela;
    janela.setWindowTitle(QStringLiteral("Janela vazia"));
    janela.menuBar()->addMenu(QStringLiteral("&Arquivo"))->addAction(QStringLiteral("Sai&r"));
    janela.resize(794, 554);
    janela.show();
    return app.exec();
}
