#pragma once
// Message box and input box. The programs use real Qt dialogs; tests install a scripted fake.

#include <QString>

namespace vb {

enum Botões : int {
    vbOKOnly = 0,
    vbCritical = 16,
    vbQuestion = 32,
    vbExclamation = 48,
    vbInformation = 64,
};

class Diálogos {
  public:
    virtual ~Diálogos() = default;
    // Returns the button pressed (1 = OK). An empty title is the program's name.
    virtual int MsgBox(const QString& texto, int botões, const QString& título) = 0;
    // Returns the answer; Cancel returns "".
    virtual QString InputBox(const QString& pergunta, const QString& título,
                             const QString& padrão) = 0;
};

Diálogos& diálogos();
void instalarDiálogos(Diálogos* d); // nullptr: back to the real dialogs

int MsgBox(const QString& texto, int botões = vbOKOnly, const QString& título = {});
QString InputBox(const QString& pergunta, const QString& título = {}, const QString& padrão = {});

// Qt shows a lone CR as nothing: line breaks of the message become real ones.
QString TextoVisível(const QString& texto);

} // namespace vb
