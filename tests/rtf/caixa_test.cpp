// The rich-text box of the lesson window: loading and Find as the page selector uses it.

#include "auxiliar.h"
#include "caixartf.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QImage>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QWheelEvent>

#include <gtest/gtest.h>

namespace {

// A lesson of 30 pages: each starts with its marker, a right-aligned bold paragraph; the marker of
// page 12 changes language and colour between "Pg " and its digits. An index follows the last one.
QByteArray lição() {
    std::string s = R"({\rtf1\ansi\ansicpg1252\deff0\deflang1046{\fonttbl{\f0\fswiss Arial;}})"
                    R"({\colortbl;\red0\green0\blue128;})"
                    "\n";
    for (int p = 1; p <= 30; ++p) {
        if (p == 12)
            s += R"(\pard\qr\b Pg {\lang1033\cf1 12}\par)";
        else
            s += "\\pard\\qr\\b Pg " + std::to_string(p) + " \\par";
        s += "\\pard\\plain\\fs28\\b Cap\\'edtulo " + std::to_string(p) + "\\par\\plain\n";
        for (int k = 0; k < 6; ++k)
            s += "Texto da p\\'e1gina " + std::to_string(p) + ", par\\'e1grafo " +
                 std::to_string(k) +
                 ", com palavras bastantes para quebrar a linha em uma caixa estreita.\\par\n";
    }
    s += R"(\pard \'cdndice das figuras: p\'e1gina 2, figura 207.\par})";
    return QByteArray::fromStdString(s);
}

class Caixa : public ::testing::Test {
  protected:
    void SetUp() override {
        caixa = std::make_unique<vb::CaixaRTF>();
        caixa->resize(360, 240);
        caixa->carregar(lição());
        caixa->show(); // no event processing: Find must work right after show
    }

    int valor() const { return caixa->verticalScrollBar()->value(); }

    // Top of the line holding position pos, in viewport coordinates.
    int topoDaLinha(int pos) const {
        QTextCursor c(caixa->document());
        c.setPosition(pos);
        return caixa->cursorRect(c).top();
    }

    std::unique_ptr<vb::CaixaRTF> caixa;
};

TEST_F(Caixa, SomenteLeituraSemBarrasSemFoco) {
    EXPECT_TRUE(caixa->isReadOnly());
    EXPECT_EQ(caixa->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(caixa->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(caixa->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_FALSE(caixa->verticalScrollBar()->isVisible());
}

TEST_F(Caixa, FindPõeALinhaDoMarcadorNoTopo) {
    QTextCursor esperado = caixa->document()->find("Pg 12");
    ASSERT_FALSE(esperado.isNull());
    int pos = caixa->Find("Pg 12", 0);
    EXPECT_EQ(pos, esperado.selectionStart());
    EXPECT_EQ(caixa->textCursor().selectedText(), "Pg 12");
    EXPECT_GT(valor(), 0);
    // The marker's line is the view's top line: its top at 0 and the line before it above.
    EXPECT_EQ(topoDaLinha(pos), 0);
    EXPECT_LT(topoDaLinha(pos - 1), 0);

    QTextBlock bloco = caixa->document()->findBlock(pos);
    qreal y = caixa->document()->documentLayout()->blockBoundingRect(bloco).top() +
              bloco.layout()->lineForTextPosition(pos - bloco.position()).y();
    EXPECT_EQ(valor(), int(y));
}

TEST_F(Caixa, SeleçãoDoFindNãoAparece) {
    const int pos = caixa->Find("Pg 12", 0);
    ASSERT_TRUE(caixa->textCursor().hasSelection());
    const QImage comSeleção = caixa->viewport()->grab().toImage();
    QTextCursor semSeleção(caixa->document());
    semSeleção.setPosition(pos);
    caixa->setTextCursor(semSeleção);
    ASSERT_EQ(topoDaLinha(pos), 0);
    EXPECT_EQ(caixa->viewport()->grab().toImage(), comSeleção);
}

TEST_F(Caixa, MarcadoresNaOrdemDoSeletor) {
    // "Pg 1" is found at page 1, not inside "Pg 10": markers stand in ascending order.
    int p1 = caixa->Find("Pg 1", 0);
    EXPECT_EQ(caixa->document()->findBlock(p1).text(), "Pg 1 ");
    EXPECT_EQ(valor(), int(caixa->document()
                               ->documentLayout()
                               ->blockBoundingRect(caixa->document()->findBlock(p1))
                               .top()));
    // The page change: the next page's marker, then the page's own.
    int p21 = caixa->Find("Pg 21", 0);
    int p20 = caixa->Find("Pg 20", 0);
    EXPECT_LT(p20, p21);
    EXPECT_EQ(topoDaLinha(p20), 0);
    // From a start past the only occurrence nothing is found.
    EXPECT_EQ(caixa->Find("Pg 20", p20 + 1), -1);
}

TEST_F(Caixa, ÚltimoMarcadorAlcançaOTopo) {
    int pos = caixa->Find("Pg 30", 0);
    ASSERT_GE(pos, 0);
    EXPECT_EQ(topoDaLinha(pos), 0);
    EXPECT_LT(valor(), caixa->verticalScrollBar()->maximum() + 1);
    // Still so after the view grows: the margin follows the view's height.
    caixa->resize(360, 600);
    pos = caixa->Find("Pg 30", 0);
    EXPECT_EQ(topoDaLinha(pos), 0);
}

TEST_F(Caixa, TextoAusenteNãoMudaNada) {
    caixa->Find("Pg 7", 0);
    int antes = valor();
    QTextCursor seleção = caixa->textCursor();
    EXPECT_EQ(caixa->Find("Pg 31", 0), -1);
    EXPECT_EQ(caixa->Find("", 0), -1);
    EXPECT_EQ(caixa->Find("Pg 7", 1000000), -1);
    EXPECT_EQ(valor(), antes);
    EXPECT_EQ(caixa->textCursor(), seleção);
}

TEST_F(Caixa, RodaDoMouseRolaMesmoSemBarras) {
    caixa->verticalScrollBar()->setValue(0);
    QPointF ponto(10, 10);
    QWheelEvent roda(ponto, caixa->viewport()->mapToGlobal(ponto), QPoint(), QPoint(0, -120),
                     Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(caixa->viewport(), &roda);
    EXPECT_GT(valor(), 0);
}

TEST_F(Caixa, CarregarTrocaODocumento) {
    caixa->carregar(R"({\rtf1 {\b outra} li\-\'e7\'e3o\par})");
    EXPECT_TRUE(caixa->isReadOnly());
    EXPECT_EQ(caixa->document()->toPlainText(), QString::fromUtf8("outra lição"));
    EXPECT_EQ(caixa->Find("Pg 12", 0), -1);
    EXPECT_EQ(caixa->Find(QString::fromUtf8("lição"), 0), 6);
    caixa->carregar("{\\rtf1 \\b"); // damaged: what can be read, and no crash
    EXPECT_EQ(caixa->document()->toPlainText(), "");
}

} // namespace
