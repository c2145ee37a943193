// The three lesson programs' data: caption, page count, figure table and lesson text.

#include "caixartf.h"
#include "desenho.h"
#include "fim.h"
#include "form1.h"
#include "licoes.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <gtest/gtest.h>

namespace {

QApplication& App() {
    static QApplication* app = [] {
        static int argc = 1;
        static char nome[] = "test_lessons";
        static char* argv[] = {nome, nullptr};
        return new QApplication(argc, argv); // lives until the process ends
    }();
    return *app;
}

struct Programa {
    const char* nome;
    jogador::DadosLição (*dados)();
    const char* legenda;
    int páginas;
    int linhas;
    const char* primeira; // first figure row: "page kind top picture"
    bool imagensNoTexto;
};

const Programa programas[] = {
    {"QVAC2DII01", licoes::QVAC2DII01, "AutoCad 2D II  - Módulo 1", 84, 26,
     "2 1 1800 QVCAD-2000-2D-207.jpg", true},
    {"QVAC2D01", licoes::QVAC2D01, "AutoCad 2D  - Módulo 1", 78, 7,
     "17 1 1800 QVCAD-2000-2D-004.jpg", true},
    {"QVACAD3D01", licoes::QVACAD3D01, "AutoCAD 3D - Módulo 01", 59, 8,
     "5 1 2700 QV-AutoCad-2000-3D-Fig001.jpg", false},
};

QString Linha(const jogador::LinhaFigura& l) {
    return QString("%1 %2 %3 %4").arg(l.página).arg(l.tipo, l.topo, l.imagem);
}

class Lição : public ::testing::TestWithParam<Programa> {
  protected:
    void SetUp() override { App(); }
};

TEST_P(Lição, LegendaPáginasEFiguras) {
    const Programa& p = GetParam();
    const jogador::DadosLição d = p.dados();
    EXPECT_EQ(d.legenda, QString::fromUtf8(p.legenda));
    EXPECT_EQ(d.páginas, p.páginas);
    ASSERT_EQ(d.figuras.size(), p.linhas);
    EXPECT_EQ(Linha(d.figuras[0]), p.primeira);
    int anterior = 0;
    for (const auto& l : d.figuras) {
        EXPECT_GT(l.página, anterior) << "rows in page order";
        EXPECT_LT(l.página, p.páginas) << "a figure on a page the student reaches";
        EXPECT_EQ(l.topo.size(), 4);
        EXPECT_TRUE(l.tipo == "1" || l.tipo == "2");
        anterior = l.página;
    }
}

TEST_P(Lição, MarcadoresEmOrdemEÍndiceDeFigurasNoFim) {
    const Programa& p = GetParam();
    const jogador::DadosLição d = p.dados();
    ASSERT_FALSE(d.texto.isEmpty());
    EXPECT_TRUE(d.texto.startsWith("{\\rtf1\\ansi\\ansicpg1252"));
    EXPECT_TRUE(d.texto.contains("\\deflang1046"));

    vb::CaixaRTF caixa;
    caixa.carregar(d.texto);
    const QTextDocument* doc = caixa.document();
    static const QRegularExpression marcador(QStringLiteral("^Pg (\\d+) *$"));
    static const QRegularExpression qualquer(QStringLiteral("Pg \\d"));
    int esperado = 1;
    QString depoisDoÚltimo;
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
        const QString t = b.text();
        const auto m = marcador.match(t);
        if (m.hasMatch()) {
            EXPECT_EQ(m.captured(1).toInt(), esperado) << "marker out of order";
            EXPECT_EQ(b.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
            EXPECT_EQ(b.begin().fragment().charFormat().fontWeight(), QFont::Bold);
            ++esperado;
            continue;
        }
        EXPECT_FALSE(qualquer.match(t).hasMatch()) << "marker-like text: " << t.toStdString();
        if (esperado > p.páginas)
            depoisDoÚltimo += t + '\n';
    }
    EXPECT_EQ(esperado - 1, p.páginas);
    // After the last marker: only the index of the figures.
    EXPECT_TRUE(depoisDoÚltimo.contains(QStringLiteral("Índice de figuras")));
    for (const auto& l : d.figuras)
        EXPECT_TRUE(depoisDoÚltimo.contains(l.imagem)) << l.imagem.toStdString();
    // One marker carries a formatting change between "Pg " and its digits.
    EXPECT_TRUE(QRegularExpression(QStringLiteral("Pg \\\\lang\\d+ \\d+"))
                    .match(QString::fromLatin1(d.texto))
                    .hasMatch());
    // The 2D texts embed a metafile and a PNG or JPEG picture; the 3D text none.
    EXPECT_EQ(d.texto.contains("\\wmetafile8"), p.imagensNoTexto);
    EXPECT_EQ(d.texto.contains("\\pngblip") || d.texto.contains("\\jpegblip"), p.imagensNoTexto);
    EXPECT_EQ(d.texto.contains("\\pict"), p.imagensNoTexto);
}

TEST_P(Lição, ProgramaAbreNaCapaEAlcançaAtéAPenúltimaPágina) {
    const Programa& p = GetParam();
    jogador::Form1 janela(p.dados());
    janela.Form_Load();
    EXPECT_EQ(janela.windowTitle(), QString::fromUtf8(p.legenda));
    EXPECT_EQ(janela.figura().windowTitle(), QString::fromUtf8(p.legenda) + " Figura");
    EXPECT_TRUE(janela.imgcapa->isVisible());
    EXPECT_FALSE(janela.Barra->isVisible());
    janela.Entrar_Click(); // entering before the cover was painted still finds the text
    EXPECT_GT(janela.RTF[1]->document()->characterCount(), 5000);
    EXPECT_EQ(janela.Barra->maximum(), p.páginas - 1);
    EXPECT_EQ(janela.Barra->value(), 1);
    janela.close();
}

// The lesson as the student pages through it, in the panel at its size: every page's marker
// under the patch (page 1 at entry included), and no text of the next page where the page's figure
// stands or above it: the next page begins below the figure or beyond the view.
TEST_P(Lição, CadaPáginaSóMostraOSeuTextoEASuaFigura) {
    const Programa& p = GetParam();
    QTemporaryDir pasta;
    ASSERT_TRUE(pasta.isValid());
    struct Volta {
        QString pasta;
        ~Volta() { QDir::setCurrent(pasta); }
    } volta{QDir::currentPath()};
    QDir::setCurrent(pasta.path());
    vb::ResetProgramEnd();
    // The pictures at the size the lesson's figure file draws them.
    for (const desenho::Figura& f : desenho::LerFiguras(
             QStringLiteral(QV_LICOES "/%1_figuras.txt").arg(QLatin1String(p.nome)))) {
        QImage imagem(f.largura, f.altura, QImage::Format_RGB32);
        imagem.fill(Qt::gray);
        ASSERT_TRUE(imagem.save(pasta.filePath(f.nome), "JPG"));
    }

    jogador::Form1 janela(p.dados());
    vb::Handler([&] { janela.Form_Load(); });
    vb::Handler([&] { janela.Entrar_Click(); });
    vb::CaixaRTF* texto = janela.RTF[1];
    QWidget* cliente = janela.centralWidget();
    const QRect vista(texto->viewport()->mapTo(cliente, QPoint()), texto->viewport()->size());
    const int fimVisível = std::min(vista.bottom(), cliente->height() - 1) + 1;
    // The line of a text position in the window's client area.
    auto linha = [&](int posição) {
        QTextCursor c(texto->document());
        c.setPosition(posição);
        const QRect r = texto->cursorRect(c);
        return QRect(texto->viewport()->mapTo(cliente, r.topLeft()), r.size());
    };
    auto marca = [&](int n) {
        QTextCursor c =
            texto->document()->find(QRegularExpression(QStringLiteral("^Pg %1 *$").arg(n)));
        return c.isNull() ? QRect() : linha(c.selectionStart()).united(linha(c.selectionEnd()));
    };
    const QRect cobertura = janela.Cobertura->geometry();
    EXPECT_TRUE(cobertura.contains(marca(1))) << "entering: page 1";
    for (int n = 1; n < p.páginas; ++n) {
        janela.Barra->setValue(n);
        ASSERT_EQ(janela.Ponteiro->text(), QString::number(n));
        EXPECT_TRUE(cobertura.contains(marca(n))) << "page " << n;
        if (janela.FiguraInterna->isVisible()) {
            const int próxima = marca(n + 1).top();
            EXPECT_GE(próxima, std::min(janela.FiguraInterna->geometry().bottom() + 1, fimVisível))
                << "page " << n << ": page " << n + 1 << " begins under its figure";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Programas, Lição, ::testing::ValuesIn(programas),
                         [](const auto& info) { return std::string(info.param.nome); });

} // namespace
