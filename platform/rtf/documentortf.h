#pragma once
// The sink of the RTF reader that writes into a QTextDocument through a QTextCursor.

#include "leitorrtf.h"

#include <QImage>
#include <QStringDecoder>
#include <QTextCursor>
#include <QTextFormat>

#include <vector>

class QTextDocument;
class QTextTable;

namespace vb::rtf {

// The pixels of one picture (16 megabytes), and those the pictures of one document share: four
// pictures of the largest size, a hundred times what the pictures of a lesson text take. Past
// them, further pictures are framed boxes.
constexpr qint64 pixelsPorImagem = 4096 * 1024;
constexpr qint64 pixelsPorDocumento = 4 * pixelsPorImagem;
// The pixels the pictures of one document may take in work, whether they come out or not: a
// decoded picture its own size, a metafile the size it is drawn at. Past them, further pictures
// are framed boxes without being decoded: damaged pictures keep no pixels, and two hundred of
// the largest size took seconds to read.
constexpr qint64 trabalhoPorDocumento = 2 * pixelsPorDocumento;

// A framed box in the document: one character of this object type, which the document's layout
// draws at the picture's size (QTextFormat::ImageWidth and ImageHeight) and keeps no image of.
constexpr int objetoCaixa = QTextFormat::UserObject + 1;

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
    bool caixas_ = false;        // framed boxes were written
    int imagens_ = 0;
    qint64 pixelsLivres_ = pixelsPorDocumento; // of the document's pictures
    qint64 trabalhoLivre_ = trabalhoPorDocumento;
};

// The picture as an image of the size it is shown at; a framed box of that size when it cannot be
// drawn (an unknown kind, bad data, a damaged metafile or one past a limit).
QImage desenhaImagem(const Imagem& imagem);

// The picture that a character of the document shows: its image, or its framed box drawn at its
// size; null for any other character.
QImage imagemMostrada(const QTextDocument& documento, const QTextFormat& formato);

// Reads RTF into the document, which it empties first.
void carregaDocumento(QTextDocument* documento, std::string_view rtf);

} // namespace vb::rtf
