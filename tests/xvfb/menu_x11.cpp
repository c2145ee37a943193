// On the 800 x 600 screen every menu item is reached by keys and lies whole on the screen.
#include "tela1.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <gtest/gtest.h>

int argc = 1;
char nome[] = "QVMenu", *argv[] = {nome, nullptr};
QApplication* app = new QApplication(argc, argv); // kept to the end, as Qt needs

TEST(MenuX11, CadaItemAlcançávelNaTela) {
    menu::Tela1 t(menu::Instalação{});
    t.show();
    for (QAction* a : t.findChildren<QAction*>())
        a->setEnabled(true);
    const QRect tela = t.screen()->geometry();
    for (QMenu* m : t.menuBar()->findChildren<QMenu*>()) {
        m->popup(QPoint(tela.right(), 0));
        for (QAction* a : m->actions()) {
            QKeyEvent baixo(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
            QApplication::sendEvent(m, &baixo);
            const QRect r = m->actionGeometry(a).translated(m->pos());
            EXPECT_TRUE(m->activeAction() == a && tela.contains(r) && m->geometry().contains(r))
                << qPrintable(m->title() + ": " + a->text());
        }
        m->close();
    }
}
