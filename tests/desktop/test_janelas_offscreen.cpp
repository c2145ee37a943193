// Without an X11 connection (no application, or the offscreen platform) the desktop layer finds
// nothing and changes nothing, and never crashes.

#include "janelas.h"

#include <QApplication>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

namespace {

void nadaÉEncontrado() {
    EXPECT_EQ(vb::WindowFromPoint(10, 10), 0u);
    EXPECT_EQ(vb::WindowFromPoint(-1, -1), 0u);
    EXPECT_EQ(vb::GetWindowTextLengthA(0), 0);
    EXPECT_EQ(vb::GetWindowTextLengthA(0x200001), 0);
    char buffer[8] = "xxxxxxx";
    EXPECT_EQ(vb::GetWindowTextA(0x200001, buffer, sizeof buffer), 0);
    EXPECT_EQ(buffer[0], '\0');
    buffer[0] = 'x';
    EXPECT_EQ(vb::GetWindowTextA(0x200001, buffer, 0), 0);
    EXPECT_EQ(buffer[0], 'x');
    EXPECT_EQ(vb::GetWindowTextA(0x200001, nullptr, 8), 0);
    EXPECT_FALSE(vb::AtivarJanela(0));
    EXPECT_FALSE(vb::AtivarJanela(0x200001));
    EXPECT_FALSE(vb::AppActivate("AutoCAD 2000"));
    EXPECT_FALSE(vb::AppActivate(""));
    EXPECT_EQ(vb::JanelaDe(nullptr), 0u);
}

QApplication& aplicação() {
    static int argc = 1;
    static char nome[] = "test_desktop";
    static char* argv[] = {nome, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(argc, argv);
    return app;
}

TEST(JanelasSemX11, SemAplicaçãoNadaÉEncontrado) {
    if (qApp)
        GTEST_SKIP() << "an application already exists in this process";
    nadaÉEncontrado();
}

TEST(JanelasSemX11, OffscreenNadaÉEncontrado) {
    aplicação();
    nadaÉEncontrado();

    QWidget janela;
    janela.setWindowTitle("Desenho1 - AutoCAD 2000");
    janela.show();
    EXPECT_EQ(vb::JanelaDe(&janela), 0u);
    EXPECT_FALSE(vb::AppActivate("Desenho1 - AutoCAD 2000"));
}

TEST(JanelasSemX11, PainelNoTopoOffscreenFicaNoRetânguloSemMoldura) {
    aplicação();
    QWidget painel;
    vb::PosicionarNoTopo(&painel, 510, 95, 290, 480);
    EXPECT_TRUE(painel.isVisible());
    EXPECT_TRUE(painel.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(painel.testAttribute(Qt::WA_ShowWithoutActivating));
    EXPECT_EQ(painel.geometry(), QRect(510, 95, 290, 480));
    EXPECT_EQ(vb::JanelaDe(&painel), 0u);

    // Placed again while shown: the flag change hides it, and it comes back in the new place.
    vb::PosicionarNoTopo(&painel, 0, 0, 100, 50);
    EXPECT_TRUE(painel.isVisible());
    EXPECT_EQ(painel.geometry(), QRect(0, 0, 100, 50));

    vb::PosicionarNoTopo(nullptr, 0, 0, 10, 10); // nothing to place
}

} // namespace
