#include "dialogos.h"

#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMessageBox>

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

class DiálogosReais : public Diálogos {
  public:
    int MsgBox(const QString& texto, int botões, const QString& título) override {
        if (!HáJanelas()) {
            std::fprintf(stderr, "%s\n", qPrintable(texto));
            return 1;
        }
        QMessageBox caixa;
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
        caixa.exec();
        return 1; // OK
    }

    QString InputBox(const QString& pergunta, const QString& título,
                     const QString& padrão) override {
        if (!HáJanelas())
            return {};
        QInputDialog caixa;
        caixa.setWindowTitle(Título(título));
        caixa.setInputMode(QInputDialog::TextInput);
        caixa.setLabelText(TextoVisível(pergunta));
        for (QLabel* rótulo : caixa.findChildren<QLabel*>())
            rótulo->setTextFormat(Qt::PlainText);
        caixa.setTextValue(padrão);
        LarguraDoTítulo(caixa);
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

QString TextoVisível(const QString& texto) {
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
