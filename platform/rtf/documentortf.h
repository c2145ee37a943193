#pragma once
// The sink of the RTF reader that writes into a QTextDocument through a QTextCursor.

#include "leitorrtf.h"

#include <QImage>
#include <QStringDecoder>
#include <QTextCursor>

#include <vector>

class QTextDocument;
class QTextTable;

namespace vb::rtf {

class SaídaDocumento : public Saída {
  public:
    // Appends to the document (the reader is meant for an empty one).
    explicit SaídaDocumento(QTextDocument* documento);
    ~SaídaDocumento() override;
    // Closes the tables still open, without their spare rows (also done on destruction).
    void termina();

    void texto(std::u16string_view texto, const Estilo& estilo) override;
    void parágrafo(const FormatoParágrafo& formato, const Estilo& estilo) override;
    void imagem(const Imagem& imagem, const Estilo& estilo) override;
    std::u16string decodifica(int páginaCódigo, std::string_view bytes) override;
    void nívelTabela(int nível) override;
    void célula(const FormatoParágrafo& formato, const Estilo& estilo) override;
    void linha(const Linha& linha) override;

  private:
    // A table being written: the cell the cursor is in, and whether that cell or its row has
    // ended (the next content then goes to the next cell or a new row).
    struct Tabela {
        QTextTable* tabela = nullptr;
        int linha = 0, coluna = 0;
        bool célulaFechada = false, linhaFechada = false;
        std::vector<int> larguras; // twips by column, 0 where no row gave one yet
    };
    void abreBloco();
    void posiciona();
    void fechaTabela();
    void avança(Tabela& t);
    void aplicaLarguras(Tabela& t);
    std::vector<Tabela> tabelas_;
    int nível_ = 0;
    int decodificadorPágina_ = 0; // the code page decodificador_ was made for
    QStringDecoder decodificador_;
    QTextDocument* documento_;
    QTextCursor cursor_;
    bool terminou_ = false;
    bool blocoPendente_ = false; // the next text goes into a new paragraph
    int imagens_ = 0;
};

// The picture as an image of the size it is shown at; a framed box of that size when it cannot be
// drawn (an unknown kind, bad data, a damaged metafile or one past a limit).
QImage desenhaImagem(const Imagem& imagem);

// Reads RTF into the document, which it empties first.
void carregaDocumento(QTextDocument* documento, std::string_view rtf);

} // namespace vb::rtf
