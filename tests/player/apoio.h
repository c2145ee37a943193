#pragma once
// Shared pieces of the player tests: the application, a recording dialog fake, a desktop with
// one stand-in window under the point (10, 10), and a fixture that opens the lesson window in
// a temporary folder.

#include "areatrabalho.h"
#include "dialogos.h"
#include "fim.h"
#include "form1.h"
#include "licao_gerada.h"
#include "processo.h"
#include "registros.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <vector>

namespace apoio {

inline QApplication& App() {
    static QApplication* app = [] {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char nome[] = "test_player";
        static char* argv[] = {nome, nullptr};
        return new QApplication(argc, argv); // lives until the process ends
    }();
    return *app;
}

struct DiálogosGravados : vb::Diálogos {
    QStringList mensagens;
    int MsgBox(const QString& texto, int, const QString&) override {
        mensagens << texto;
        return 1;
    }
    QString InputBox(const QString&, const QString&, const QString&) override { return {}; }
};

// The desktop around the lesson window: the window under (10, 10) and its title.
struct DesktopFalso : jogador::ÁreaDeTrabalho {
    static constexpr vb::Hwnd lição = 7;
    static constexpr vb::Hwnd cad = 42;

    vb::Hwnd sobOPonto = cad;
    QByteArray título = "Desenho1 - AutoCAD 2000";
    bool cadAtivável = true;
    std::vector<vb::Hwnd> ativações;
    QRect posição;

    vb::Hwnd WindowFromPoint(int x, int y) override { return x == 10 && y == 10 ? sobOPonto : 0; }
    int GetWindowTextLengthA(vb::Hwnd j) override { return j == cad ? int(título.size()) : 0; }
    int GetWindowTextA(vb::Hwnd j, char* buffer, int máximo) override {
        if (j != cad || máximo < 1)
            return 0;
        const int n = std::min<int>(int(título.size()), máximo - 1);
        std::copy_n(título.constData(), n, buffer);
        buffer[n] = '\0';
        return n;
    }
    bool AtivarJanela(vb::Hwnd j) override {
        ativações.push_back(j);
        return j == lição || (j == cad && cadAtivável);
    }
    vb::Hwnd JanelaDe(const QWidget*) override { return lição; }
    void PosicionarNoTopo(QWidget* janela, int x, int y, int l, int a) override {
        posição = QRect(x, y, l, a);
        ÁreaDeTrabalho::PosicionarNoTopo(janela, x, y, l, a);
    }
    vb::Hwnd últimaAtivação() const { return ativações.empty() ? 0 : ativações.back(); }
};

// Record 1 of "qvpadrões.txt": a variant string (type 8, length) followed by its characters.
inline QByteArray Registro(const QByteArray& texto) {
    QByteArray r;
    r.append(char(8)).append(char(0));
    r.append(char(texto.size() & 0xFF)).append(char(texto.size() >> 8));
    r.append(texto);
    r.append(QByteArray(std::max<qsizetype>(0, 100 - r.size()), '\0'));
    return r;
}

// The nine fields of the record, each padded to its width.
inline QByteArray Campos(const QString& capa, const QString& faixa, const QString& logo,
                         const char* fundo = "010020030", const char* letra = "200210220") {
    return vb::ParaAnsi(capa.leftJustified(16) + faixa.leftJustified(16) + logo.leftJustified(16)) +
           fundo + letra;
}

class Jogador : public ::testing::Test {
  protected:
    void SetUp() override {
        App();
        vb::ResetProgramEnd();
        ASSERT_TRUE(pasta.isValid());
        anterior = QDir::currentPath();
        QDir::setCurrent(pasta.path());
        vb::instalarDiálogos(&diálogos);
        vb::instalarIniciador([this](const QString& exe, const QString& dir) {
            iniciados << exe;
            pastasIniciadas << dir;
            return true;
        });
        licaogerada::GravarFiguras(pasta.path());
    }
    void TearDown() override {
        form.reset();
        QDir::setCurrent(anterior);
        vb::instalarDiálogos(nullptr);
        vb::instalarIniciador({});
        vb::ResetProgramEnd();
    }

    QString arquivo(const QString& nome) const { return pasta.path() + QLatin1Char('/') + nome; }

    void gravar(const QString& nome, const QByteArray& bytes) {
        QFile f(arquivo(nome));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

    void gravarImagem(const QString& nome, int l, int a, QColor cor = Qt::darkYellow) {
        QImage imagem(l, a, QImage::Format_RGB32);
        imagem.fill(cor);
        // A name without a suffix is written as PNG.
        ASSERT_TRUE(imagem.save(arquivo(nome), nome.contains(u'.') ? nullptr : "PNG"));
    }

    void abrir(const jogador::DadosLição& dados = licaogerada::Lição()) {
        form = std::make_unique<jogador::Form1>(dados, &desktop);
        vb::Handler([this] { form->Form_Load(); });
        QCoreApplication::processEvents();
    }

    void entrar() {
        vb::Handler([this] { form->Entrar_Click(); });
    }

    // A click on the selector's right arrow.
    void avançar() { form->Barra->triggerAction(QAbstractSlider::SliderSingleStepAdd); }

    void tecla(Qt::Key k) {
        QKeyEvent e(QEvent::KeyPress, k, Qt::NoModifier);
        QCoreApplication::sendEvent(form->Barra, &e);
    }

    // The marker's line top in the text box's view, in pixels (0 = the top line).
    int topoDaMarca(int página) const {
        QTextEdit* t = form->RTF[1];
        QTextCursor c = t->document()->find(QStringLiteral("Pg %1").arg(página));
        // "Pg 1" is also the start of "Pg 10" to "Pg 19": markers stand in ascending order.
        EXPECT_FALSE(c.isNull()) << "marker " << página;
        QTextCursor início(t->document());
        início.setPosition(c.selectionStart());
        return t->cursorRect(início).top();
    }

    QTemporaryDir pasta;
    QString anterior;
    DiálogosGravados diálogos;
    DesktopFalso desktop;
    QStringList iniciados, pastasIniciadas;
    std::unique_ptr<jogador::Form1> form;
};

} // namespace apoio
