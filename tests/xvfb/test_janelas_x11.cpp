// Desktop windows on a real X server: run under xvfb-run.sh, with and without openbox.
// QV_JANELA_TITULADA names the helper that opens foreign titled windows; QV_ESPERA_WM says
// whether a window manager must be running; QV_CAPTURAS, when set, receives screenshots.

#include "dialogos.h"
#include "janelas.h"
#include "tela1.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QProcess>
#include <QScreen>
#include <QThread>
#include <QTimer>
#include <QWidget>
#include <QtGui/qguiapplication_platform.h>

#include <gtest/gtest.h>
#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace {

using vb::Hwnd;

xcb_connection_t* conexão() {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

xcb_window_t raiz() {
    return xcb_setup_roots_iterator(xcb_get_setup(conexão())).data->root;
}

bool gerenciadorRodando() {
    xcb_connection_t* c = conexão();
    auto* a = xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, raiz()), nullptr);
    const bool sim = a && (a->all_event_masks & XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT);
    std::free(a);
    return sim;
}

// Polls, processing Qt's events, until the condition holds or the time runs out.
bool esperar(const std::function<bool()>& condição, int milissegundos = 5000) {
    QDeadlineTimer prazo(milissegundos);
    while (!condição()) {
        if (prazo.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(5);
    }
    return true;
}

Hwnd foco() {
    xcb_connection_t* c = conexão();
    auto* r = xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr);
    const Hwnd janela = r ? r->focus : 0;
    std::free(r);
    return janela;
}

// The outer rectangle of the window's top-level (its frame under a window manager).
std::optional<QRect> externo(Hwnd janela) {
    xcb_connection_t* c = conexão();
    for (;;) {
        auto* t = xcb_query_tree_reply(c, xcb_query_tree(c, janela), nullptr);
        if (!t)
            return std::nullopt;
        const xcb_window_t pai = t->parent;
        std::free(t);
        if (pai == raiz())
            break;
        janela = pai;
    }
    auto* g = xcb_get_geometry_reply(c, xcb_get_geometry(c, janela), nullptr);
    if (!g)
        return std::nullopt;
    const QRect r(g->x, g->y, g->width + 2 * g->border_width, g->height + 2 * g->border_width);
    std::free(g);
    return r;
}

Hwnd janelaAtiva() {
    xcb_connection_t* c = conexão();
    auto* a = xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, 18, "_NET_ACTIVE_WINDOW"), nullptr);
    if (!a)
        return 0;
    auto* r = xcb_get_property_reply(
        c, xcb_get_property(c, 0, raiz(), a->atom, XCB_ATOM_WINDOW, 0, 1), nullptr);
    std::free(a);
    Hwnd janela = 0;
    if (r && xcb_get_property_value_length(r) == 4)
        janela = *static_cast<const std::uint32_t*>(xcb_get_property_value(r));
    std::free(r);
    return janela;
}

bool existe(Hwnd janela) {
    xcb_connection_t* c = conexão();
    auto* a = xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, janela), nullptr);
    std::free(a);
    return a != nullptr;
}

void capturar(const QString& nome) {
    const QString pasta = qEnvironmentVariable("QV_CAPTURAS");
    if (!pasta.isEmpty())
        QProcess::execute("import", {"-window", "root", QDir(pasta).filePath(nome + ".png")});
}

std::string título(Hwnd janela, int máximo) {
    std::string buffer(static_cast<std::size_t>(máximo) + 1, '#');
    const int n = vb::GetWindowTextA(janela, buffer.data(), máximo);
    EXPECT_EQ(buffer[static_cast<std::size_t>(n)], '\0');
    return buffer.substr(0, static_cast<std::size_t>(n));
}

// A foreign window opened by the helper program; closed when this goes out of scope.
class JanelaExterna {
  public:
    JanelaExterna(const QString& nome, QRect r, QStringList opções = {}) {
        opções << nome << QString::number(r.x()) << QString::number(r.y())
               << QString::number(r.width()) << QString::number(r.height());
        processo.start(qEnvironmentVariable("QV_JANELA_TITULADA"), opções);
        processo.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        if (!processo.waitForStarted(5000) ||
            !esperar(
                [this] {
                    return processo.canReadLine() || processo.state() == QProcess::NotRunning;
                },
                10000))
            return;
        id = processo.readLine().trimmed().toUInt();
    }
    ~JanelaExterna() { fechar(); }
    void fechar() {
        if (processo.state() != QProcess::NotRunning) {
            processo.kill();
            processo.waitForFinished(5000);
        }
        // The server destroys the window when the helper's connection closes.
        esperar([this] { return id == 0 || !existe(id); });
    }

    Hwnd id = 0;

  private:
    QProcess processo;
};

class JanelasX11 : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_NE(conexão(), nullptr) << "sem servidor X"; }
    bool comGerenciador = gerenciadorRodando();
};

TEST_F(JanelasX11, AmbienteTemOGerenciadorEsperado) {
    EXPECT_EQ(comGerenciador, qEnvironmentVariable("QV_ESPERA_WM") == "1");
    EXPECT_FALSE(qEnvironmentVariable("QV_JANELA_TITULADA").isEmpty());
}

TEST_F(JanelasX11, JanelaSobOPontoÉADeCima) {
    JanelaExterna baixo("Baixo", {0, 0, 300, 200});
    // A border of 4 pixels counts as part of the window (window managers drop it).
    JanelaExterna cima("Cima", {100, 100, 300, 200}, {"--borda", "4"});
    ASSERT_NE(baixo.id, 0u);
    ASSERT_NE(cima.id, 0u);
    ASSERT_TRUE(esperar([&] { return vb::WindowFromPoint(150, 150) == cima.id; }));
    capturar("sob_o_ponto");
    EXPECT_EQ(vb::WindowFromPoint(10, 10), baixo.id);
    EXPECT_EQ(vb::WindowFromPoint(350, 250), cima.id);
    EXPECT_EQ(vb::WindowFromPoint(700, 500), 0u); // bare root
    EXPECT_EQ(vb::WindowFromPoint(-5, 10), 0u);

    // The outer rectangle counts, frame and border included, and nothing beyond it.
    const auto r = externo(cima.id);
    ASSERT_TRUE(r);
    if (!comGerenciador) {
        EXPECT_EQ(*r, QRect(100, 100, 308, 208));
    }
    EXPECT_EQ(vb::WindowFromPoint(r->right(), r->bottom()), cima.id);
    EXPECT_EQ(vb::WindowFromPoint(r->right() + 1, r->bottom()), 0u);
    EXPECT_EQ(vb::WindowFromPoint(r->right(), r->bottom() + 1), 0u);

    const Hwnd morta = cima.id;
    cima.fechar();
    EXPECT_TRUE(esperar([&] { return vb::WindowFromPoint(150, 150) == baixo.id; }));
    // A window that is gone has no title and cannot be activated.
    EXPECT_EQ(vb::GetWindowTextLengthA(morta), 0);
    EXPECT_EQ(título(morta, 10), "");
    EXPECT_FALSE(vb::AtivarJanela(morta));
}

TEST_F(JanelasX11, TítuloEmWindows1252ComTruncamento) {
    JanelaExterna net("Mudança - AutoCAD 2000", {0, 0, 200, 100});
    JanelaExterna icccm("Mudança - AutoCAD 2000", {0, 150, 200, 100}, {"--so-wm-name"});
    JanelaExterna símbolos("Preço € — ☃ 𝄞", {0, 300, 200, 100});
    ASSERT_NE(net.id, 0u);
    ASSERT_NE(icccm.id, 0u);
    ASSERT_NE(símbolos.id, 0u);

    const std::string esperado = "Mudan\xE7"
                                 "a - AutoCAD 2000";
    for (Hwnd janela : {net.id, icccm.id}) {
        EXPECT_EQ(vb::GetWindowTextLengthA(janela), 22);
        EXPECT_EQ(título(janela, 23), esperado);
        EXPECT_EQ(título(janela, 100), esperado);
        EXPECT_EQ(título(janela, 22), esperado.substr(0, 21)); // máximo - 1 characters
        EXPECT_EQ(título(janela, 7), "Mudan\xE7");
        EXPECT_EQ(título(janela, 1), "");
    }
    // Characters outside the code page become '?', one per character.
    EXPECT_EQ(vb::GetWindowTextLengthA(símbolos.id), 13);
    EXPECT_EQ(título(símbolos.id, 50), "Pre\xE7o \x80 \x97 ? ?");

    char buffer[4] = {'x', 'x', 'x', 'x'};
    EXPECT_EQ(vb::GetWindowTextA(net.id, buffer, 0), 0);
    EXPECT_EQ(buffer[0], 'x'); // nothing written when there is no room even for the NUL
    EXPECT_EQ(vb::GetWindowTextA(net.id, nullptr, 10), 0);
    EXPECT_EQ(vb::GetWindowTextLengthA(0), 0);
}

TEST_F(JanelasX11, AtivarMoveOFocoEEleva) {
    JanelaExterna primeira("Primeira", {0, 0, 200, 150});
    JanelaExterna segunda("Segunda", {50, 50, 200, 150});
    ASSERT_NE(primeira.id, 0u);
    ASSERT_NE(segunda.id, 0u);
    ASSERT_TRUE(esperar([&] { return vb::WindowFromPoint(100, 100) == segunda.id; }));

    ASSERT_TRUE(vb::AtivarJanela(primeira.id));
    EXPECT_TRUE(esperar([&] { return foco() == primeira.id; }));
    EXPECT_TRUE(esperar([&] { return vb::WindowFromPoint(100, 100) == primeira.id; }));

    ASSERT_TRUE(vb::AtivarJanela(segunda.id));
    EXPECT_TRUE(esperar([&] { return foco() == segunda.id; }));
    EXPECT_TRUE(esperar([&] { return vb::WindowFromPoint(100, 100) == segunda.id; }));
    if (comGerenciador) { // the window manager knows it as the active window, too
        EXPECT_TRUE(esperar([&] { return janelaAtiva() == segunda.id; }));
    }

    EXPECT_FALSE(vb::AtivarJanela(0));
}

TEST_F(JanelasX11, AppActivateExatoAntesDoComeçoEDeCimaPrimeiro) {
    JanelaExterna calc("Calc", {0, 0, 150, 100});
    JanelaExterna calculadora("Calculadora", {20, 20, 150, 100});
    JanelaExterna desenho1("Desenho1 - AutoCAD 2000", {300, 0, 150, 100});
    JanelaExterna desenho2("DESENHO2 - AutoCAD 2000", {320, 20, 150, 100});
    for (Hwnd j : {calc.id, calculadora.id, desenho1.id, desenho2.id})
        ASSERT_NE(j, 0u);
    ASSERT_TRUE(esperar([&] { return vb::WindowFromPoint(350, 50) == desenho2.id; }));

    // Exact (without regard to case) wins over a title that only begins with the text, even
    // when the exact one lies below.
    ASSERT_TRUE(vb::AppActivate("CALC"));
    EXPECT_TRUE(esperar([&] { return foco() == calc.id; }));
    ASSERT_TRUE(vb::AppActivate("calcul"));
    EXPECT_TRUE(esperar([&] { return foco() == calculadora.id; }));

    // Two titles begin with the text: the topmost is chosen.
    ASSERT_TRUE(vb::AppActivate("desenho"));
    EXPECT_TRUE(esperar([&] { return foco() == desenho2.id; }));
    ASSERT_TRUE(vb::AtivarJanela(desenho1.id));
    ASSERT_TRUE(esperar([&] { return vb::WindowFromPoint(350, 50) == desenho1.id; }));
    ASSERT_TRUE(vb::AtivarJanela(calc.id));
    ASSERT_TRUE(esperar([&] { return foco() == calc.id; }));
    ASSERT_TRUE(vb::AppActivate("desenho"));
    EXPECT_TRUE(esperar([&] { return foco() == desenho1.id; }));

    EXPECT_FALSE(vb::AppActivate("AutoCAD"));
    EXPECT_FALSE(vb::AppActivate(""));
}

TEST_F(JanelasX11, JanelaIcônicaÉIgnoradaSobOPonto) {
    JanelaExterna visível("Visível", {0, 0, 300, 200});
    ASSERT_NE(visível.id, 0u);
    if (comGerenciador) {
        JanelaExterna minimizada("Minimizada", {0, 0, 300, 200}, {"--iconica"});
        ASSERT_NE(minimizada.id, 0u);
        EXPECT_EQ(vb::WindowFromPoint(150, 100), visível.id);
        // It still counts for activation by title, which restores it.
        ASSERT_TRUE(vb::AppActivate("minimizada"));
        EXPECT_TRUE(esperar([&] { return foco() == minimizada.id; }));
        EXPECT_TRUE(esperar([&] { return vb::WindowFromPoint(150, 100) == minimizada.id; }));
    } else {
        // Without a window manager nobody iconifies: mark a mapped window Iconic by hand.
        JanelaExterna marcada("Marcada", {0, 0, 300, 200});
        ASSERT_NE(marcada.id, 0u);
        ASSERT_TRUE(esperar([&] { return vb::WindowFromPoint(150, 100) == marcada.id; }));
        xcb_connection_t* c = conexão();
        auto* r = xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, 8, "WM_STATE"), nullptr);
        ASSERT_NE(r, nullptr);
        const xcb_atom_t wmState = r->atom;
        std::free(r);
        const std::uint32_t estado[2] = {3, 0};
        xcb_change_property(c, XCB_PROP_MODE_REPLACE, marcada.id, wmState, wmState, 32, 2, estado);
        xcb_flush(c);
        EXPECT_TRUE(esperar([&] { return vb::WindowFromPoint(150, 100) == visível.id; }));
    }
}

TEST_F(JanelasX11, PainelNoTopoNoRetânguloExternoSemTomarOFoco) {
    JanelaExterna trabalho("Desenho1 - AutoCAD 2000", {0, 0, 500, 400});
    ASSERT_NE(trabalho.id, 0u);
    ASSERT_TRUE(vb::AtivarJanela(trabalho.id));
    ASSERT_TRUE(esperar([&] { return foco() == trabalho.id; }));

    QWidget painel;
    painel.setWindowTitle("Painel da lição");
    EXPECT_EQ(vb::JanelaDe(&painel), 0u); // not shown yet
    vb::PosicionarNoTopo(&painel, 510, 95, 290, 480);
    EXPECT_TRUE(painel.isVisible());
    EXPECT_TRUE(painel.windowFlags() & Qt::WindowStaysOnTopHint);
    const Hwnd id = vb::JanelaDe(&painel);
    ASSERT_NE(id, 0u);
    EXPECT_EQ(id, static_cast<Hwnd>(painel.winId()));

    const QRect alvo(510, 95, 290, 480);
    EXPECT_TRUE(esperar([&] { return externo(id) == alvo; }))
        << "externo: " << externo(id).value_or(QRect()).x() << "," << externo(id)->y() << " "
        << externo(id)->width() << "x" << externo(id)->height();
    if (comGerenciador) {
        EXPECT_NE(externo(id), painel.geometry()) << "the frame is part of the rectangle";
    }
    EXPECT_TRUE(esperar([&] { return vb::WindowFromPoint(600, 300) == id; }));
    EXPECT_EQ(foco(), trabalho.id) << "the panel must be shown without being activated";
    // The outer rectangle stays put once placed.
    esperar([] { return false; }, 300);
    EXPECT_EQ(externo(id), alvo);

    // A normal window placed over it afterwards, and then activated, stays below it.
    JanelaExterna por_cima("Por cima", {400, 50, 300, 300});
    ASSERT_NE(por_cima.id, 0u);
    ASSERT_TRUE(esperar([&] { return vb::WindowFromPoint(450, 70) == por_cima.id; }));
    EXPECT_TRUE(esperar([&] { return vb::WindowFromPoint(600, 200) == id; }));
    ASSERT_TRUE(vb::AtivarJanela(por_cima.id));
    ASSERT_TRUE(esperar([&] { return foco() == por_cima.id; }));
    EXPECT_TRUE(esperar([&] { return vb::WindowFromPoint(600, 200) == id; }));
    capturar("painel_no_topo");

    // The lesson window finds the drawing under (10, 10) and hands it the focus, by id or title.
    EXPECT_EQ(vb::WindowFromPoint(10, 10), trabalho.id);
    ASSERT_TRUE(vb::AppActivate("Desenho1 - AutoCAD 2000"));
    EXPECT_TRUE(esperar([&] { return foco() == trabalho.id; }));
    ASSERT_TRUE(vb::AtivarJanela(id));
    EXPECT_TRUE(esperar([&] { return foco() == id; }));
    EXPECT_TRUE(vb::AppActivate("Painel da lição"));

    painel.hide();
    EXPECT_EQ(vb::JanelaDe(&painel), 0u);
}

// A message over the panel, short, taller than the screen, or with a word wider than the screen
// (a long support address): wholly on the screen, OK on top.
TEST_F(JanelasX11, CaixaDeMensagemAcimaDoPainelENaTela) {
    QWidget painel;
    vb::PosicionarNoTopo(&painel, 510, 95, 290, 480);
    ASSERT_TRUE(
        esperar([&] { return externo(vb::JanelaDe(&painel)) == QRect(510, 95, 290, 480); }));
    for (const QString& texto :
         {QStringLiteral("Não foi possível iniciar o programa C:\\RUzozi."),
          QStringLiteral("Linha do endereço de suporte\r").repeated(300),
          QStringLiteral("-  Maiores informações: ") + QString(500, QLatin1Char('w'))}) {
        QTimer::singleShot(0, [&] {
            auto* caixa = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            const auto certa = [&] {
                const QPoint ok = caixa->button(QMessageBox::Ok)->mapToGlobal(QPoint(20, 10));
                const auto r = externo(vb::JanelaDe(caixa));
                const auto* rótulo = caixa->findChild<QLabel*>("qt_msgbox_label");
                // The whole text shows: no word wider than its label, no line below it.
                return r && QRect(0, 0, 800, 600).contains(*r) &&
                       rótulo->minimumSizeHint().width() <= rótulo->width() &&
                       rótulo->heightForWidth(rótulo->width()) <= rótulo->height() &&
                       vb::WindowFromPoint(ok.x(), ok.y()) == vb::JanelaDe(caixa);
            };
            EXPECT_TRUE(esperar(certa) && !esperar([&] { return !certa(); }, 500)) << texto.size();
            caixa->accept();
        });
        vb::MsgBox(texto, vb::vbExclamation);
    }
}

// Every item of the menu window's menus is reached by keys and lies whole on the 800 x 600 screen.
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

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
