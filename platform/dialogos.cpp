#include "dialogos.h"

#include "caminhos.h"

#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextBoundaryFinder>

#include <algorithm>
#include <cstdio>

namespace vb {

namespace {

QString Título(const QString& título) {
    return título.isEmpty() ? QCoreApplication::applicationName() : título;
}

bool HáJanelas() {
    return qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr;
}

// Wide enough for the whole title in the frame: the window manager draws it in its own font,
// often bolder and larger than the program's, beside its icon and buttons.
void LarguraDoTítulo(QDialog& caixa) {
    QFont fonte = caixa.font();
    fonte.setBold(true);
    const int texto = QFontMetrics(fonte).horizontalAdvance(caixa.windowTitle());
    // The dialog's layout sets its minimum size from its contents: the field carries the width.
    const QMargins margens = caixa.layout() ? caixa.layout()->contentsMargins() : QMargins();
    if (auto* campo = caixa.findChild<QLineEdit*>())
        campo->setMinimumWidth(texto * 5 / 4 + 120 - margens.left() - margens.right());
}

// A shown window of the program's own, not a menu or a tooltip.
bool Comum(const QWidget* w) {
    const Qt::WindowType tipo = w->windowType();
    return w->isVisible() && tipo != Qt::Popup && tipo != Qt::ToolTip && tipo != Qt::Desktop;
}

bool NoTopo(const QWidget* w) {
    return Comum(w) && w->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

// The window a box belongs to: the active window of ours, else a shown one that stays on top,
// else any shown one; none when no window of ours is shown. The box is transient for it, so a
// window manager keeps the box above it and centres it there.
QWidget* Dono() {
    QWidget* ativa = QApplication::activeWindow();
    if (ativa && Comum(ativa))
        return ativa;
    QWidget* dono = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (Comum(w) && (!dono || NoTopo(w)))
            dono = w;
    return dono;
}

const QScreen* TelaDe(const QDialog& caixa) {
    return caixa.parentWidget() ? caixa.parentWidget()->screen() : QGuiApplication::primaryScreen();
}

// How wide a box's text may be on its screen: room is left for the frame, the icon and the
// margins.
int LarguraDoTexto(const QScreen* tela) {
    return std::clamp(tela->availableGeometry().width() - 200, 100, 500);
}

// Words wider than the text may be (an address or a path of hundreds of characters with no
// blank) get a break opportunity between each two of their characters, so that the text wraps
// inside the box instead of stretching it past the screen's edge and cutting its lines.
QString QuebrávelNaLargura(const QString& texto, const QFontMetrics& métrica, int largura) {
    static const QRegularExpression palavra(QStringLiteral("\\S+"));
    QString saída;
    qsizetype desde = 0;
    for (const QRegularExpressionMatch& m : palavra.globalMatch(texto)) {
        const QString longa = m.captured();
        if (métrica.horizontalAdvance(longa) <= largura)
            continue;
        saída += QStringView(texto).mid(desde, m.capturedStart() - desde);
        QTextBoundaryFinder letras(QTextBoundaryFinder::Grapheme, longa);
        qsizetype início = 0;
        while (letras.toNextBoundary() != -1) {
            if (início > 0)
                saída += QChar(0x200B); // zero-width space: a break opportunity, drawn as nothing
            saída += QStringView(longa).mid(início, letras.position() - início);
            início = letras.position();
        }
        desde = m.capturedEnd();
    }
    return saída += QStringView(texto).mid(desde);
}

// Above every window of ours, even one that stays on top (the lesson panel), and wholly on the
// screen: a text taller than the screen scrolls inside the box.
void AcimaENaTela(QDialog& caixa, QLabel* rótulo) {
    const QWidgetList janelas = QApplication::topLevelWidgets();
    if (std::any_of(janelas.cbegin(), janelas.cend(),
                    [&](QWidget* w) { return w != &caixa && NoTopo(w); }))
        caixa.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    const QScreen* tela = TelaDe(caixa);
    if (!tela || !rótulo || !caixa.layout())
        return;
    // Room left around the text for the frame, the margins and the buttons.
    const int largura = LarguraDoTexto(tela);
    const int altura = std::max(100, tela->availableGeometry().height() - 160);
    const QRect texto = rótulo->fontMetrics().boundingRect(QRect(0, 0, largura, 0),
                                                           Qt::TextWordWrap, rótulo->text());
    if (texto.height() <= altura)
        return;
    auto* rolagem = new QScrollArea;
    QLayoutItem* antigo = caixa.layout()->replaceWidget(rótulo, rolagem);
    if (!antigo) {
        delete rolagem;
        return;
    }
    delete antigo;
    rolagem->setFrameShape(QFrame::NoFrame);
    rolagem->setWidgetResizable(true);
    rótulo->setWordWrap(true);
    rolagem->setWidget(rótulo);
    rolagem->setMinimumSize(largura + rolagem->verticalScrollBar()->sizeHint().width(), altura);
}

class DiálogosReais : public Diálogos {
  public:
    int MsgBox(const QString& texto, int botões, const QString& título) override {
        if (!HáJanelas()) {
            std::fprintf(stderr, "%s\n", qPrintable(ParaMostrar(texto)));
            return 1;
        }
        QMessageBox caixa(Dono());
        caixa.setWindowTitle(Título(título));
        caixa.setTextFormat(Qt::PlainText);
        caixa.setText(TextoVisível(texto));
        switch (botões & 0x70) {
        case vbCritical:
            caixa.setIcon(QMessageBox::Critical);
            break;
        case vbQuestion:
            caixa.setIcon(QMessageBox::Question);
            break;
        case vbExclamation:
            caixa.setIcon(QMessageBox::Warning);
            break;
        case vbInformation:
            caixa.setIcon(QMessageBox::Information);
            break;
        default:
            caixa.setIcon(QMessageBox::NoIcon);
        }
        caixa.setStandardButtons(QMessageBox::Ok);
        auto* rótulo = caixa.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        if (const QScreen* tela = TelaDe(caixa); rótulo && tela)
            caixa.setText(
                QuebrávelNaLargura(caixa.text(), rótulo->fontMetrics(), LarguraDoTexto(tela)));
        // After the icon and the buttons: setting them lays the box out anew.
        AcimaENaTela(caixa, rótulo);
        caixa.exec();
        return 1; // OK
    }

    QString InputBox(const QString& pergunta, const QString& título,
                     const QString& padrão) override {
        if (!HáJanelas())
            return {};
        QInputDialog caixa(Dono());
        caixa.setWindowTitle(Título(título));
        caixa.setInputMode(QInputDialog::TextInput);
        caixa.setLabelText(TextoVisível(pergunta));
        for (QLabel* rótulo : caixa.findChildren<QLabel*>())
            rótulo->setTextFormat(Qt::PlainText);
        caixa.setTextValue(padrão);
        LarguraDoTítulo(caixa);
        AcimaENaTela(caixa, caixa.findChild<QLabel*>());
        if (caixa.exec() != QDialog::Accepted)
            return {};
        return caixa.textValue();
    }
};

Diálogos* instalado = nullptr;

} // namespace

Diálogos& diálogos() {
    static DiálogosReais reais;
    return instalado ? *instalado : reais;
}

void instalarDiálogos(Diálogos* d) {
    instalado = d;
}

int MsgBox(const QString& texto, int botões, const QString& título) {
    return diálogos().MsgBox(texto, botões, título);
}

QString InputBox(const QString& pergunta, const QString& título, const QString& padrão) {
    return diálogos().InputBox(pergunta, título, padrão);
}

QString TextoVisível(const QString& textoDado) {
    // Host paths hold the bytes of names that are not UTF-8 as such; shown as Windows-1252.
    const QString texto = ParaMostrar(textoDado);
    QString saída;
    saída.reserve(texto.size());
    for (qsizetype i = 0; i < texto.size(); ++i) {
        if (texto[i] == QLatin1Char('\r')) {
            saída += QLatin1Char('\n');
            if (i + 1 < texto.size() && texto[i + 1] == QLatin1Char('\n'))
                ++i; // CR LF is one break
        } else {
            saída += texto[i];
        }
    }
    return saída;
}

} // namespace vb
