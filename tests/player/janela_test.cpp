// The lesson window offscreen: start-up, entry, paging with figures, looks, focus hand-back
// and the ways out.

#include "apoio.h"
#include "jpeg_varreduras.h"
#include "paginas.h"
#include "twips.h"

#include <QElapsedTimer>
#include <QMenuBar>
#include <QThread>
#include <QTimer>
#include <QWheelEvent>

using namespace jogador;
using apoio::Campos;
using apoio::DesktopFalso;
using apoio::Jogador;
using apoio::Registro;

namespace {

QStringList ItensVisíveis(QMenuBar* barra) {
    QStringList itens;
    for (QAction* a : barra->actions())
        if (a->isVisible())
            itens << a->objectName();
    return itens;
}

QPoint Posição(int left, int top) {
    return {Pixels(left), Pixels(top)};
}

} // namespace

TEST_F(Jogador, CapaAntesDaEntrada) {
    gravarImagem(QStringLiteral("capa.jpg"), 200, 150);
    gravar(QStringLiteral("qvpadrões.txt"),
           Registro(Campos(QStringLiteral("capa.jpg"), QStringLiteral("faixa.jpg"),
                           QStringLiteral("nulo"))));
    abrir();

    EXPECT_EQ(form->windowTitle(), QStringLiteral("Lição  de teste"));
    EXPECT_EQ(form->figura().windowTitle(), QStringLiteral("Lição  de teste Figura"));
    EXPECT_FALSE(form->figura().isVisible());
    EXPECT_EQ(form->figura().size(), QSize(792, 566));
    EXPECT_EQ(form->figura().FiguraExterna->toolTip(), QStringLiteral("Este é um desenho parcial"));
    EXPECT_EQ(desktop.posição, QRect(510, 95, 290, 480));
    EXPECT_TRUE(form->isVisible());
    // A panel of fixed size that cannot be maximized.
    EXPECT_EQ(form->minimumSize(), QSize(290, 480));
    EXPECT_EQ(form->maximumSize(), QSize(290, 480));
    EXPECT_FALSE(form->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(form->windowFlags() & Qt::WindowStaysOnTopHint);

    // The menu bar in its order, with the looks menu and "Copiar" hidden.
    QStringList todos;
    for (QAction* a : form->menuBar()->actions())
        todos << a->objectName() + QLatin1Char(':') + a->text();
    EXPECT_EQ(todos,
              QStringList({QStringLiteral("MENUPELE:&Aparência"), QStringLiteral("Entrar:&Entrar"),
                           QStringLiteral("Copiar:&Copiar"), QStringLiteral("QVMenu:&QVMenu"),
                           QStringLiteral("sair:&Sair")}));
    EXPECT_EQ(
        ItensVisíveis(form->menuBar()),
        QStringList({QStringLiteral("Entrar"), QStringLiteral("QVMenu"), QStringLiteral("sair")}));
    EXPECT_TRUE(form->opçãopadrão->isChecked());
    EXPECT_EQ(form->opçãocaderno->text(), QStringLiteral("2 - Caderno"));

    // The cover centred on the near-white tone, whatever the settings say.
    EXPECT_TRUE(form->imgcapa->isVisible());
    EXPECT_EQ(form->imgcapa->size(), QSize(200, 150));
    EXPECT_EQ(form->imgcapa->pos(), Posição((4350 - 3000) / 2, (7200 - 2250) / 2 - 500));
    EXPECT_EQ(form->fundoDaJanela(), QColor(255, 251, 255));
    EXPECT_EQ(form->Patrocínio->text(), QStringLiteral("Apoio Cultural"));
    EXPECT_TRUE(form->Patrocínio->isVisible());
    EXPECT_EQ(form->Pag->palette().color(QPalette::Window), QColor(10, 20, 30));
    EXPECT_EQ(form->Pag->palette().color(QPalette::WindowText), QColor(200, 210, 220));
    EXPECT_TRUE(form->Faixa->pixmap().isNull());
    EXPECT_TRUE(form->Cobertura->isVisible());
    EXPECT_FALSE(form->Cobertura->isEnabled());
    for (QWidget* w : {static_cast<QWidget*>(form->RTF[1]), static_cast<QWidget*>(form->Barra),
                       static_cast<QWidget*>(form->Ponteiro), static_cast<QWidget*>(form->Pag),
                       static_cast<QWidget*>(form->Faixa), static_cast<QWidget*>(form->logo),
                       static_cast<QWidget*>(form->FiguraInterna)})
        EXPECT_FALSE(w->isVisible()) << w->objectName().toStdString();

    // Design-time places.
    EXPECT_EQ(form->RTF[1]->geometry(), QRect(Posição(405, 490), QSize(249, 392)));
    EXPECT_EQ(form->Barra->geometry(), QRect(Posição(2670, 120), QSize(97, 17)));
    EXPECT_EQ(form->Cobertura->geometry(), QRect(Posição(3240, 490), QSize(60, 19)));

    EXPECT_EQ(form->marcapagina[0], QString());
    EXPECT_EQ(form->marcapagina[100], QStringLiteral("Pg 100"));
    EXPECT_EQ(form->caminho, QDir::currentPath() + QLatin1Char('\\'));
    EXPECT_EQ(form->figuras[1][3], QStringLiteral("10800") + form->caminho + "Fig3.JPG");
    EXPECT_EQ(form->entrou, 0);
    EXPECT_EQ(desktop.últimaAtivação(), DesktopFalso::lição);
}

TEST_F(Jogador, EntradaMostraAPágina1SemFiguraNemDevolução) {
    gravarImagem(QStringLiteral("logo.jpg"), 30, 30);
    gravarImagem(QStringLiteral("faixa.jpg"), 29, 400);
    gravar(QStringLiteral("qvpadrões.txt"),
           Registro(Campos(QStringLiteral("capa.jpg"), QStringLiteral("faixa.jpg"),
                           QStringLiteral("logo.jpg"))));
    abrir();

    // The first change of the selector runs inside Ajustalição, before Ponteiro is shown.
    bool ponteiroNaPrimeiraMudança = true;
    QObject::connect(form->Barra, &QScrollBar::valueChanged, form.get(),
                     [&] { ponteiroNaPrimeiraMudança = form->Ponteiro->isVisible(); });
    // A key on the cover is the same as "Entrar".
    QKeyEvent tecla(QEvent::KeyPress, Qt::Key_E, Qt::NoModifier, QStringLiteral("e"));
    QCoreApplication::sendEvent(form.get(), &tecla);
    EXPECT_FALSE(ponteiroNaPrimeiraMudança);

    EXPECT_EQ(form->entrou, 1);
    EXPECT_EQ(form->numpaginas, 12);
    EXPECT_EQ(form->Barra->minimum(), 1);
    EXPECT_EQ(form->Barra->maximum(), 11);
    EXPECT_EQ(form->Barra->value(), 1);
    EXPECT_EQ(ItensVisíveis(form->menuBar()),
              QStringList(
                  {QStringLiteral("MENUPELE"), QStringLiteral("QVMenu"), QStringLiteral("sair")}));
    EXPECT_EQ(form->fundoDaJanela(), QColor(10, 20, 30));
    EXPECT_FALSE(form->imgcapa->isVisible());
    EXPECT_FALSE(form->Patrocínio->isVisible());
    for (QWidget* w : {static_cast<QWidget*>(form->RTF[1]), static_cast<QWidget*>(form->Barra),
                       static_cast<QWidget*>(form->Ponteiro), static_cast<QWidget*>(form->Pag),
                       static_cast<QWidget*>(form->Faixa), static_cast<QWidget*>(form->logo)})
        EXPECT_TRUE(w->isVisible()) << w->objectName().toStdString();
    EXPECT_EQ(form->logo->size(), QSize(30, 30));
    EXPECT_FALSE(form->Faixa->pixmap().isNull());
    EXPECT_EQ(topoDaMarca(1), 0);
    EXPECT_EQ(form->focusWidget(), form->Barra);

    // Page 1 has a figure, but entering does not look it up, nor hand the focus back.
    EXPECT_FALSE(form->FiguraInterna->isVisible());
    EXPECT_EQ(std::count(desktop.ativações.begin(), desktop.ativações.end(), DesktopFalso::cad), 0);

    // Keys that the selector lets pass do not enter again.
    avançar();
    QKeyEvent outra(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
    QCoreApplication::sendEvent(form->Barra, &outra);
    EXPECT_EQ(form->Barra->value(), 2);
}

TEST_F(Jogador, CadaMudançaPõeAMarcaDaPáginaNaLinhaDoTopo) {
    abrir();
    entrar();
    for (int p = 2; p <= 11; ++p) {
        avançar();
        EXPECT_EQ(form->Barra->value(), p);
        EXPECT_EQ(form->Ponteiro->text(), QString::number(p));
        EXPECT_NEAR(topoDaMarca(p), 0, 2) << "page " << p; // marker 7 holds a language change
    }
    // The last reachable page is the page count less one.
    avançar();
    EXPECT_EQ(form->Barra->value(), 11);
    form->Barra->setValue(4);
    EXPECT_NEAR(topoDaMarca(4), 0, 2);

    // The wheel scrolls the text; the next change puts the page's marker back on top.
    EXPECT_EQ(form->RTF[1]->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(form->RTF[1]->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(form->RTF[1]->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    const int antes = form->RTF[1]->verticalScrollBar()->value();
    const QPointF centro(100, 100);
    QWheelEvent roda(centro, form->RTF[1]->viewport()->mapToGlobal(centro), QPoint(),
                     QPoint(0, -240), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(form->RTF[1]->viewport(), &roda);
    EXPECT_GT(form->RTF[1]->verticalScrollBar()->value(), antes);
    avançar();
    EXPECT_NEAR(topoDaMarca(5), 0, 2);
}

TEST_F(Jogador, MarcaAusenteDeixaOTextoOndeEstá) {
    licaogerada::Opções o;
    o.marcaAusente = 6;
    abrir(licaogerada::Lição(o));
    entrar();
    form->Barra->setValue(5);
    const int topo5 = form->RTF[1]->verticalScrollBar()->value();
    avançar();
    EXPECT_EQ(form->Barra->value(), 6);
    EXPECT_EQ(form->Ponteiro->text(), QStringLiteral("6"));
    EXPECT_EQ(form->RTF[1]->verticalScrollBar()->value(), topo5);
    avançar();
    EXPECT_NEAR(topoDaMarca(7), 0, 2);
}

TEST_F(Jogador, FigurasDeCadaTipo) {
    abrir();
    entrar();

    // Kind 1: inside the panel, its top at characters 2-5, centred 100 twips to the right.
    form->Barra->setValue(3);
    ASSERT_TRUE(form->FiguraInterna->isVisible());
    EXPECT_EQ(form->FiguraInterna->size(), QSize(120, 45));
    EXPECT_EQ(form->FiguraInterna->pos(), Posição((4350 - 1800) / 2 + 100, 800));
    EXPECT_FALSE(form->Copiar->isVisible());
    EXPECT_EQ(form->figuraatual, form->caminho + QStringLiteral("Fig3.JPG"));

    // Kind 2: in the figure window; the next page hides it.
    form->Barra->setValue(5);
    EXPECT_FALSE(form->FiguraInterna->isVisible());
    EXPECT_TRUE(form->figura().isVisible());
    EXPECT_EQ(form->figura().FiguraExterna->size(), QSize(400, 300));
    EXPECT_EQ(form->figura().FiguraExterna->pos(), QPoint(0, 0));
    avançar();
    EXPECT_FALSE(form->figura().isVisible());
    EXPECT_EQ(form->figuraatual, form->caminho + QStringLiteral("fig5.png")); // kept

    // Another kind: the outside utility's item.
    avançar();
    EXPECT_TRUE(form->Copiar->isVisible());
    avançar();
    EXPECT_FALSE(form->Copiar->isVisible());

    // A missing picture shows nothing; the page changes all the same.
    form->Barra->setValue(9);
    EXPECT_FALSE(form->FiguraInterna->isVisible());
    EXPECT_FALSE(form->figura().isVisible());
    EXPECT_NEAR(topoDaMarca(9), 0, 2);
    EXPECT_EQ(desktop.últimaAtivação(), DesktopFalso::cad);

    // Back on page 1, its figure shows.
    form->Barra->setValue(1);
    EXPECT_TRUE(form->FiguraInterna->isVisible());
    EXPECT_EQ(form->FiguraInterna->y(), Pixels(1000));
}

TEST_F(Jogador, JpegDeVarredurasDemaisRecusadoNumInstante) {
    for (const char* nome : {"QVcapa.jpg", "fig3.jpg", "fig5.png"}) // cover, figures of kind 1, 2
        gravar(QString::fromLatin1(nome), teste::JpegDeVarreduras(20000));
    const QDeadlineTimer prazo(1000);
    abrir();
    entrar();
    form->Barra->setValue(3);
    form->Barra->setValue(5);
    EXPECT_FALSE(prazo.hasExpired());
    EXPECT_TRUE(form->imgcapa->pixmap().isNull() && !form->figura().isVisible());
}

TEST_F(Jogador, TrêsAparências) {
    gravarImagem(QStringLiteral("logo.jpg"), 30, 30);
    gravarImagem(QStringLiteral("faixa.jpg"), 29, 400);
    gravarImagem(QStringLiteral("QVFXcaderno.jpg"), 25, 300);
    gravar(QStringLiteral("qvpadrões.txt"),
           Registro(Campos(QStringLiteral("capa.jpg"), QStringLiteral("faixa.jpg"),
                           QStringLiteral("logo.jpg"))));
    abrir();
    entrar();
    auto lefts = [this] {
        return std::vector<int>{form->Barra->x(), form->Ponteiro->x(), form->Pag->x(),
                                form->Cobertura->x(), form->RTF[1]->x()};
    };
    const std::vector<int> base{Pixels(2670), Pixels(3320), Pixels(2280), Pixels(3240),
                                Pixels(405)};
    const std::vector<int> branco{Pixels(2510), Pixels(3160), Pixels(2120), Pixels(3080),
                                  Pixels(245)};
    EXPECT_EQ(lefts(), base);

    form->opçãobranco->trigger();
    EXPECT_EQ(form->deslocamento, 160);
    EXPECT_EQ(lefts(), branco);
    EXPECT_FALSE(form->Faixa->isVisible());
    EXPECT_EQ(form->fundoDaJanela(), QColor(255, 255, 255));
    EXPECT_EQ(form->Pag->palette().color(QPalette::WindowText), QColor(0, 0, 0));
    EXPECT_TRUE(form->opçãobranco->isChecked());
    EXPECT_FALSE(form->opçãopadrão->isChecked());
    // A kind-1 figure shown from now on is 160 twips further left.
    form->Barra->setValue(3);
    EXPECT_EQ(form->FiguraInterna->x(), Pixels((4350 - 1800) / 2 + 100 - 160));

    form->opçãocaderno->trigger();
    EXPECT_TRUE(form->Faixa->isVisible());
    EXPECT_EQ(form->Faixa->pixmap().size(), QSize(25, 300));
    EXPECT_EQ(form->fundoDaJanela(), QColor(143, 112, 95));
    EXPECT_EQ(form->Pag->palette().color(QPalette::WindowText), QColor(255, 255, 255));
    EXPECT_EQ(lefts(), base);
    EXPECT_EQ(form->FiguraInterna->x(),
              Pixels((4350 - 1800) / 2 + 100 - 160)); // until the next change
    EXPECT_TRUE(form->opçãocaderno->isChecked());
    EXPECT_FALSE(form->opçãobranco->isChecked());

    form->opçãopadrão->trigger();
    EXPECT_EQ(form->Faixa->pixmap().size(), QSize(29, 400));
    EXPECT_EQ(form->fundoDaJanela(), QColor(10, 20, 30));
    EXPECT_EQ(form->Pag->palette().color(QPalette::Window), QColor(10, 20, 30));
    EXPECT_TRUE(form->logo->isVisible());
    EXPECT_EQ(lefts(), base);

    // A missing notebook band leaves the band box empty.
    QFile::remove(arquivo(QStringLiteral("QVFXcaderno.jpg")));
    form->opçãocaderno->trigger();
    EXPECT_TRUE(form->Faixa->pixmap().isNull());
}

TEST_F(Jogador, SemArquivoDePadrõesAAparênciaPadrãoComSuasImagens) {
    gravarImagem(QStringLiteral("QVcapa.jpg"), 100, 80);
    gravarImagem(QStringLiteral("QVfaixa.jpg"), 29, 400);
    gravarImagem(QStringLiteral("QVlogo.jpg"), 30, 30);
    abrir();
    EXPECT_EQ(form->imgcapa->pixmap().size(), QSize(100, 80));
    entrar();
    EXPECT_EQ(form->fundoDaJanela(), QColor(255, 251, 255));
    EXPECT_EQ(form->Faixa->pixmap().size(), QSize(29, 400));
    EXPECT_TRUE(form->logo->isVisible());
    EXPECT_EQ(form->logo->pixmap().size(), QSize(30, 30));
    EXPECT_FALSE(QFile::exists(arquivo(QStringLiteral("qvpadrões.txt"))));
}

TEST_F(Jogador, LogoNuloNuncaAparece) {
    gravarImagem(QStringLiteral("nulo"), 30, 30); // a file of that name changes nothing
    gravar(QStringLiteral("qvpadrões.txt"),
           Registro(Campos(QStringLiteral("capa.jpg"), QStringLiteral("faixa.jpg"),
                           QStringLiteral("nulo"), "255251255", "000000000")));
    abrir();
    entrar();
    EXPECT_FALSE(form->logo->isVisible());
    EXPECT_EQ(form->fundoDaJanela(), QColor(255, 251, 255));
    EXPECT_EQ(form->Pag->palette().color(QPalette::WindowText), QColor(0, 0, 0));
    form->opçãopadrão->trigger();
    EXPECT_FALSE(form->logo->isVisible());
}

TEST_F(Jogador, FocoDevolvidoAoCADSalvoPeloTeclado) {
    abrir();
    entrar();
    avançar(); // by mouse
    EXPECT_EQ(desktop.últimaAtivação(), DesktopFalso::cad);

    desktop.ativações.clear();
    tecla(Qt::Key_Right);
    EXPECT_EQ(form->Barra->value(), 3);
    EXPECT_EQ(desktop.ativações, std::vector<vb::Hwnd>({DesktopFalso::lição, DesktopFalso::lição}));
    EXPECT_FALSE(form->teclanavegacao);
    tecla(Qt::Key_End);
    EXPECT_EQ(form->Barra->value(), 11);
    EXPECT_EQ(desktop.últimaAtivação(), DesktopFalso::lição);
    tecla(Qt::Key_Home);
    EXPECT_EQ(form->Barra->value(), 1);
    EXPECT_EQ(desktop.últimaAtivação(), DesktopFalso::lição);

    // A key that changes nothing leaves the flag set until the next change, which stays.
    tecla(Qt::Key_Left);
    EXPECT_TRUE(form->teclanavegacao);
    avançar();
    EXPECT_EQ(desktop.últimaAtivação(), DesktopFalso::lição);
    EXPECT_FALSE(form->teclanavegacao);
    avançar();
    EXPECT_EQ(desktop.últimaAtivação(), DesktopFalso::cad);

    // No CAD title under the point, or a window that cannot be activated: the lesson window.
    desktop.título = "Desenho1 - autocad 2000";
    avançar();
    EXPECT_EQ(desktop.últimaAtivação(), DesktopFalso::lição);
    desktop.título = "Desenho1 - AutoCAD 2000";
    // Page 5 shows its figure in the figure window, which covers the point: it is the window
    // under the point, so the lesson keeps the focus.
    avançar();
    EXPECT_TRUE(form->figura().isVisible());
    EXPECT_EQ(desktop.últimaAtivação(), DesktopFalso::lição);
    desktop.cadAtivável = false;
    desktop.ativações.clear();
    avançar();
    EXPECT_EQ(desktop.ativações,
              std::vector<vb::Hwnd>({DesktopFalso::lição, DesktopFalso::cad, DesktopFalso::lição}));
    desktop.sobOPonto = 0;
    avançar();
    EXPECT_EQ(desktop.últimaAtivação(), DesktopFalso::lição);
}

TEST_F(Jogador, ArrastoMostraAPáginaSobOPolegar) {
    abrir();
    entrar();
    form->Barra->setSliderDown(true);
    form->Barra->setSliderPosition(8);
    EXPECT_EQ(form->Ponteiro->text(), QStringLiteral("8"));
    EXPECT_EQ(form->Barra->value(), 1); // the text moves when the drag ends
    form->Barra->setSliderDown(false);
    EXPECT_EQ(form->Barra->value(), 8);
    EXPECT_NEAR(topoDaMarca(8), 0, 2);
}

TEST_F(Jogador, VoltaAoMenu) {
    gravar(QStringLiteral("QVMenu"), "programa");
    abrir();
    form->QVMenu->trigger();
    EXPECT_TRUE(vb::ProgramEnded());
    ASSERT_EQ(iniciados.size(), 1);
    EXPECT_EQ(iniciados[0], arquivo(QStringLiteral("QVMenu")));
    EXPECT_FALSE(form->isVisible());
}

TEST_F(Jogador, MenuQueNãoIniciaDeixaALiçãoAberta) {
    abrir();
    form->QVMenu->trigger();
    EXPECT_FALSE(vb::ProgramEnded());
    EXPECT_TRUE(iniciados.isEmpty());
    ASSERT_EQ(diálogos.mensagens.size(), 1);
    EXPECT_EQ(diálogos.mensagens[0],
              "Não foi possível iniciar o programa " + arquivo("QVMenu") + ".");
    EXPECT_TRUE(form->isVisible());
}

TEST_F(Jogador, SairEFecharTerminam) {
    abrir();
    form->sair->trigger();
    EXPECT_TRUE(vb::ProgramEnded());
    EXPECT_FALSE(form->isVisible());

    vb::ResetProgramEnd();
    abrir();
    entrar();
    form->Barra->setValue(5); // the figure window is open
    form->close();
    EXPECT_TRUE(vb::ProgramEnded());
    EXPECT_FALSE(form->figura().isVisible());
}

TEST_F(Jogador, CopiarIniciaOUtilitárioComOArquivoDaFigura) {
    const QString saída = arquivo(QStringLiteral("argumento.txt"));
    gravar(QStringLiteral("RUzozi"),
           "#!/bin/sh\nprintf '%s' \"$1\" > \"$(dirname \"$0\")/argumento.tmp\"\n"
           "mv \"$(dirname \"$0\")/argumento.tmp\" \"" +
               saída.toUtf8() + "\"\n");
    QFile::setPermissions(arquivo(QStringLiteral("RUzozi")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    abrir();
    entrar();
    form->Barra->setValue(7);
    ASSERT_TRUE(form->Copiar->isVisible());
    form->Copiar->trigger();
    ASSERT_EQ(diálogos.mensagens.size(), 1);
    const QString figura = arquivo(QStringLiteral("fig7.jpg"));
    EXPECT_EQ(diálogos.mensagens[0], arquivo(QStringLiteral("RUzozi")) + QLatin1Char(' ') + figura);
    QElapsedTimer relógio;
    relógio.start();
    while (!QFile::exists(saída) && relógio.elapsed() < 10000)
        QThread::msleep(20);
    QFile f(saída);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(f.readAll()), figura);

    // Without the utility: a message that names it, and the lesson goes on.
    QFile::remove(arquivo(QStringLiteral("RUzozi")));
    form->Copiar->trigger();
    ASSERT_EQ(diálogos.mensagens.size(), 3);
    EXPECT_TRUE(diálogos.mensagens[2].contains(QStringLiteral("RUzozi")));
    EXPECT_FALSE(vb::ProgramEnded());
}

TEST_F(Jogador, ExecutarTerminaPeloMenuSairComZeroEPelaRecusaCom1) {
    QTimer::singleShot(0, [] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* lição = dynamic_cast<Form1*>(w); lição && lição->isVisible()) {
                lição->Entrar->trigger();
                lição->sair->trigger();
            }
    });
    char nome[] = "QVTESTE";
    char* argv[] = {nome, nullptr};
    EXPECT_EQ(Executar(1, argv, licaogerada::Lição()), 0);
    EXPECT_TRUE(vb::ProgramEnded());
    vb::ResetProgramEnd(); // refused at start-up, its start folder gone
    QDir().mkpath(arquivo("x")), QDir::setCurrent(arquivo("x")), QDir().rmdir(arquivo("x"));
    EXPECT_EQ(Executar(1, argv, licaogerada::Lição()), 1);
}
