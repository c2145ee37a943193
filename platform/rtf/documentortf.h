#pragma once
// The sink of the RTF reader that writes into a QTextDocument through a QTextCursor.

#include "leitorrtf.h"

#include <QImage>
#include <QStringDecoder>
#include <QTextCursor>

class QTextDocument;

namespace vb::rtf {

class SaídaDocumento : public Saída {
  public:
    // Appends to the document (the reader is meant for an empty one).
    explicit SaídaDocumento(QTextDocument* documento);

    void texto(std::u16string_view texto, const Estilo& estilo) override;
    void parágrafo(const FormatoParágrafo& formato, const Estilo& estilo) override;
    void imagem(const Imagem& imagem, const Estilo& estilo) override;
    std::u16string decodifica(int páginaCódigo, std::string_view bytes) override;

  private:
    void abreBloco();
    int decodificadorPágina_ = 0; // the code page decodificador_ was made for
    QStringDecoder decodificador_;
    QTextDocument* documento_;
    QTextCursor cursor_;
    bool blocoPendente_ = false; // the next text goes into a new paragraph
    int imagens_ = 0;
};

// The name by which the codec layer knows a Windows code page; null when it has none.
const char* nomeDaPágina(int página);

// The picture as an image of the size it is shown at; a framed box of that size when it cannot be
// drawn (an unknown kind, bad data, a metafile libwmf cannot play).
QImage desenhaImagem(const Imagem& imagem);

// Reads RTF into the document, which it empties first.
void carregaDocumento(QTextDocument* documento, std::string_view rtf);

} // namespace vb::rtf
