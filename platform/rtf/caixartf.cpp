#include "caixartf.h"

#include "documentortf.h"
#include "inteiros.h"

#include <QAbstractTextDocumentLayout>
#include <QEvent>
#include <QPointer>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>

#include <cmath>
#include <limits>

namespace vb {

namespace {

// Keeps the root frame's bottom margin at one view height, so that the last lines of the text can
// still be scrolled up to the top line of the view.
void ajustaMargem(QTextEdit* caixa) {
    QTextFrame* raiz = caixa->document()->rootFrame();
    QTextFrameFormat f = raiz->frameFormat();
    int altura = caixa->viewport()->height();
    if (f.bottomMargin() != altura) {
        f.setBottomMargin(altura);
        raiz->setFrameFormat(f);
    }
}

class ObservaTamanho : public QObject {
  public:
    explicit ObservaTamanho(QTextEdit* caixa) : QObject(caixa), caixa_(caixa) {}
    bool eventFilter(QObject* alvo, QEvent* evento) override {
        if (evento->type() == QEvent::Resize && alvo == caixa_->viewport())
            ajustaMargem(caixa_);
        return false;
    }

  private:
    QTextEdit* caixa_;
};

} // namespace

CaixaRTF::CaixaRTF(QWidget* pai) : QTextEdit(pai) {
    setReadOnly(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFocusPolicy(Qt::NoFocus);
    // The selection that Find makes is not drawn while the box lacks the focus, and the box never
    // takes it: a found marker shows as plain text wherever it stands.
    QPalette p = palette();
    p.setBrush(QPalette::Inactive, QPalette::Highlight, QBrush());
    p.setBrush(QPalette::Inactive, QPalette::HighlightedText, QBrush());
    setPalette(p);
    viewport()->installEventFilter(new ObservaTamanho(this));
    ajustaMargem(this);
}

void CaixaRTF::carregar(const QByteArray& rtf) {
    // The new document is filled before the view sees it: no layout work while it grows.
    auto* novo = new QTextDocument(this);
    novo->setUndoRedoEnabled(false);
    novo->setDefaultFont(font());
    rtf::carregaDocumento(novo, std::string_view(rtf.constData(), std::size_t(rtf.size())));
    // The text control deletes the document it made itself; the ones made here are ours to delete.
    QPointer<QTextDocument> antigo = document();
    bool nosso = antigo->parent() == this;
    setDocument(novo);
    if (nosso && antigo)
        delete antigo;
    ajustaMargem(this);
}

int CaixaRTF::Find(const QString& texto, int início) {
    QTextDocument* doc = document();
    if (texto.isEmpty() || início < 0 || início >= doc->characterCount())
        return -1;
    QTextCursor achado = doc->find(texto, início);
    if (achado.isNull())
        return -1;
    // Lay the whole text out at the width of the view first: positions are only known then, and
    // the scroll bar's range follows the document's full height.
    if (doc->textWidth() != viewport()->width())
        doc->setTextWidth(viewport()->width());
    QAbstractTextDocumentLayout* layout = doc->documentLayout();
    layout->documentSize();
    setTextCursor(achado);
    int posição = achado.selectionStart();
    QTextBlock bloco = doc->findBlock(posição);
    qreal y = layout->blockBoundingRect(bloco).top();
    if (QTextLayout* l = bloco.layout()) {
        QTextLine linha = l->lineForTextPosition(posição - bloco.position());
        if (linha.isValid())
            y += linha.y();
    }
    verticalScrollBar()->setValue(
        rtf::inteiroLimitado(std::ceil(y), 0, std::numeric_limits<int>::max()));
    return posição;
}

} // namespace vb
