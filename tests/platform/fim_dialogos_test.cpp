#include "ambiente.h"

#include "dialogos.h"
#include "dialogos_fake.h"
#include "fim.h"

#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QSlider>
#include <QTimer>

using namespace vb;

namespace {

class Fim : public ::testing::Test {
  protected:
    void SetUp() override {
        vb::teste::Aplicação();
        ResetProgramEnd();
    }
    void TearDown() override { ResetProgramEnd(); }
};

TEST_F(Fim, EndInsideAHandlerStopsItClosesTheWindowsAndLeavesTheLoop) {
    QWidget janela;
    janela.show();
    std::vector<int> passos;
    bool resultado = true;
    QTimer::singleShot(0, [&] {
        resultado = Handler([&] {
            passos.push_back(1);
            End();
            passos.push_back(2);
        });
    });
    QTimer redeDeSegurança;
    redeDeSegurança.callOnTimeout([] { QCoreApplication::exit(1); });
    redeDeSegurança.start(5000);
    EXPECT_EQ(QCoreApplication::exec(), 0);
    EXPECT_FALSE(resultado);
    EXPECT_EQ(passos, std::vector<int>{1});
    EXPECT_TRUE(ProgramEnded());
    EXPECT_FALSE(janela.isVisible());

    // Events still queued afterwards run nothing.
    EXPECT_FALSE(Handler([&] { passos.push_back(3); }));
    EXPECT_EQ(passos, std::vector<int>{1});

    ResetProgramEnd();
    EXPECT_FALSE(ProgramEnded());
    EXPECT_TRUE(Handler([&] { passos.push_back(4); }));
}

TEST_F(Fim, EndBeforeTheEventLoopQuitsItAsSoonAsItStarts) {
    EXPECT_FALSE(Handler([] { End(); }));
    QTimer redeDeSegurança;
    redeDeSegurança.callOnTimeout([] { QCoreApplication::exit(1); });
    redeDeSegurança.start(5000);
    EXPECT_EQ(QCoreApplication::exec(), 0);
}

TEST_F(Fim, EndInANestedHandlerStopsTheOuterOneToo) {
    QSlider barra;
    std::vector<int> passos;
    QObject::connect(&barra, &QSlider::valueChanged, [&](int) {
        Handler([&] {
            passos.push_back(2);
            End();
        });
    });
    const bool resultado = Handler([&] {
        passos.push_back(1);
        barra.setValue(5); // the change handler runs at once, nested
        passos.push_back(3);
    });
    EXPECT_FALSE(resultado);
    EXPECT_EQ(passos, (std::vector<int>{1, 2}));
}

TEST_F(Fim, AnErrorEscapingAHandlerIsShownNotFatal) {
    vb::teste::DiálogosFalsos falsos;
    const QString detalhe = "Arquivo não encontrado: " + TextoDoSistema("/jo\xe3o/x");
    EXPECT_TRUE(Handler([&] { throw VbError(53, detalhe); }));
    ASSERT_EQ(falsos.mensagens.size(), 1u);
    EXPECT_EQ(falsos.mensagens[0].texto, detalhe);
    EXPECT_FALSE(ProgramEnded());
}

TEST(Diálogos, FakeRecordsAndAnswersFromItsScript) {
    {
        vb::teste::DiálogosFalsos falsos;
        falsos.respostas = {"c:\\dados", ""};
        EXPECT_EQ(MsgBox("Olá", vbExclamation, "Título"), 1);
        EXPECT_EQ(InputBox("Informe", "Obtém", "0"), "c:\\dados");
        EXPECT_EQ(InputBox("Informe"), "");
        EXPECT_THROW(InputBox("Informe"), vb::teste::SemResposta);
        ASSERT_EQ(falsos.mensagens.size(), 1u);
        EXPECT_EQ(falsos.mensagens[0].botões, vbExclamation);
        EXPECT_EQ(falsos.mensagens[0].título, "Título");
        ASSERT_EQ(falsos.perguntas.size(), 3u);
        EXPECT_EQ(falsos.perguntas[0].padrão, "0");
        EXPECT_EQ(falsos.perguntas[0].título, "Obtém");
    }
    EXPECT_EQ(dynamic_cast<vb::teste::DiálogosFalsos*>(&diálogos()), nullptr); // uninstalled
}

TEST(Diálogos, LoneCarriageReturnsBecomeLineBreaks) {
    EXPECT_EQ(TextoVisível("a\rb\r\nc\nd\r"), "a\nb\nc\nd\n");
}

// The real dialogs, answered by a timer as a person would.
TEST(Diálogos, RealMessageBoxAndInputBox) {
    QApplication& app = vb::teste::Aplicação();
    app.setApplicationName("QVMenu");
    QString título, texto;
    bool crítico = false;
    QTimer::singleShot(0, [&] {
        auto* caixa = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(caixa, nullptr);
        título = caixa->windowTitle();
        texto = caixa->text();
        crítico = caixa->icon() == QMessageBox::Critical;
        caixa->accept();
    });
    EXPECT_EQ(MsgBox("<b>linha 1</b>\rlinha 2", vbCritical), 1);
    EXPECT_EQ(título, "QVMenu");
    EXPECT_EQ(texto, "<b>linha 1</b>\nlinha 2");
    EXPECT_TRUE(crítico);

    QString padrão;
    QTimer::singleShot(0, [&] {
        auto* caixa = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(caixa, nullptr);
        título = caixa->windowTitle();
        padrão = caixa->textValue();
        caixa->setTextValue("c:\\dados");
        caixa->accept();
    });
    EXPECT_EQ(InputBox("Informe o drive\\path ", "Obtém", "0"), "c:\\dados");
    EXPECT_EQ(título, "Obtém");
    EXPECT_EQ(padrão, "0");

    QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
    EXPECT_EQ(InputBox("Informe", "", "0"), ""); // Cancel
}

} // namespace
