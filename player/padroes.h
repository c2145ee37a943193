#pragma once
// The look settings record "qvpadrões.txt": record 1 of 100 bytes holding a variant string
// (type 8, length, then single-byte characters), cut into nine fixed fields.

#include <QByteArray>
#include <QColor>
#include <QString>

namespace jogador {

struct RegistroPadrões {
    QString arqcapa;                // 16 characters, padded with blanks
    QString arqfaixa;               // 16 characters
    QString arqlogo;                // 16 characters; "nulo" in the first four: no logo
    QString fundoR, fundoG, fundoB; // 3 characters each, decimal 0 to 255
    QString letraR, letraG, letraB;

    QColor fundo() const;
    QColor letra() const;
    bool semLogo() const;

    // The standard look, used where the file or a field is missing or bad: the cover
    // "QVcapa.jpg", the band "QVfaixa.jpg", the logo "QVlogo.jpg", background
    // RGB(255, 251, 255), black text.
    static RegistroPadrões padrão();
};

inline constexpr int tamanhoRegistroPadrões = 100;
inline constexpr int caracteresRegistroPadrões = 66;

// Cuts a record's bytes into the fields. A field that the string does not reach, and a colour
// field that is not a number, takes the standard record's value.
RegistroPadrões InterpretarPadrões(const QByteArray& registro);

// Reads "qvpadrões.txt" from the folder (which ends in "\"), read-only; a missing or unreadable
// file gives the standard record, and the fields beyond the end of a short file take the
// standard record's values.
RegistroPadrões LerPadrões(const QString& caminho);

// A picture name without the blanks that pad its field.
QString NomeDaImagem(const QString& campo);

// A colour field's value: the decimal number, limited to 0 to 255; -1 when it is not a number.
int ValorDaCor(const QString& campo);

// The colour of three colour fields (red, green, blue); a field that is not a number counts 0.
QColor CorDe(const QString& r, const QString& g, const QString& b);

// A logo field whose first four characters are "nulo" names no logo.
bool SemLogo(const QString& arqlogo);

} // namespace jogador
