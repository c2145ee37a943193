#pragma once
// The rich-text box of the lesson window: a read-only text view fed by our RTF reader.

#include <QByteArray>
#include <QString>
#include <QTextEdit>

namespace vb {

class CaixaRTF : public QTextEdit {
  public:
    explicit CaixaRTF(QWidget* pai = nullptr);

    // Replaces the document with the RTF text given (never fails: what can be read is shown).
    void carregar(const QByteArray& rtf);

    // Finds the first occurrence of texto from character position início in the visible text,
    // selects it and scrolls so that its line is the top line of the view. Returns its position
    // or -1 (then nothing changes). The selection is not drawn: the box never has the focus.
    int Find(const QString& texto, int início = 0);
};

} // namespace vb
