#include "documentortf.h"

#include "imagens.h"
#include "inteiros.h"
#include "metarquivo.h"
#include "molduras.h"
#include "paginas_codigo.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QStringDecoder>
#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QTextTable>
#include <QUrl>

#include <algorithm>
#include <cmath>
#include <utility>

namespace vb::rtf {

namespace {

constexpr double twipsPorPixel = 15;

QString qstring(std::u16string_view s) {
    return QString(reinterpret_cast<const QChar*>(s.data()), qsizetype(s.size()));
}

QTextCharFormat formatoCaractere(const Estilo& e) {
    QTextCharFormat f;
    // Symbol-font bytes are decoded to Unicode already; the font here that bears the name may
    // not hold those characters, so they take the text's own font.
    const QString família = qstring(e.família);
    if (!família.isEmpty() && família != QLatin1String("Symbol") &&
        !família.startsWith(QLatin1String("Wingdings")))
        f.setFontFamilies({família});
    f.setFontPointSize(e.pontos);
    f.setFontWeight(e.negrito ? QFont::Bold : QFont::Normal);
    f.setFontItalic(e.itálico);
    // Properties beyond the common ones are set only where they differ from the default: each
    // one costs in every run of a long lesson.
    static constexpr QTextCharFormat::UnderlineStyle sublinhados[] = {
        QTextCharFormat::NoUnderline,   QTextCharFormat::SingleUnderline,
        QTextCharFormat::DashUnderline, QTextCharFormat::DotLine,
        QTextCharFormat::DashDotLine,   QTextCharFormat::DashDotDotLine,
        QTextCharFormat::WaveUnderline};
    if (e.sublinhado == Sublinhado::Nenhum)
        f.setFontUnderline(false);
    else
        f.setUnderlineStyle(sublinhados[std::size_t(e.sublinhado)]);
    if (e.riscado)
        f.setFontStrikeOut(true);
    if (e.posição != Posição::Normal)
        f.setVerticalAlignment(e.posição == Posição::Sobrescrito ? QTextCharFormat::AlignSuperScript
                                                                 : QTextCharFormat::AlignSubScript);
    if (e.temCor)
        f.setForeground(QColor(e.cor.r, e.cor.g, e.cor.b));
    if (e.temFundo)
        f.setBackground(QColor(e.fundo.r, e.fundo.g, e.fundo.b));
    return f;
}

// A distance in twips as pixels, within the largest page (22 inches): Qt's layout hangs on
// paragraphs spaced millions of pixels apart, which only damaged documents ask for.
double pixels(int twips) {
    constexpr int máximo = 22 * 1440;
    return std::clamp(twips, -máximo, máximo) / twipsPorPixel;
}

QTextBlockFormat formatoBloco(const FormatoParágrafo& p) {
    QTextBlockFormat f;
    switch (p.alinhamento) {
    case Alinhamento::Esquerda:
        f.setAlignment(Qt::AlignLeft);
        break;
    case Alinhamento::Direita:
        f.setAlignment(Qt::AlignRight);
        break;
    case Alinhamento::Centro:
        f.setAlignment(Qt::AlignHCenter);
        break;
    case Alinhamento::Justificado:
        f.setAlignment(Qt::AlignJustify);
        break;
    }
    f.setLeftMargin(pixels(p.recuoEsquerdo));
    f.setRightMargin(pixels(p.recuoDireito));
    f.setTextIndent(pixels(p.recuoPrimeira));
    // A hanging indent carries an implicit tab stop at the left indent (bulleted paragraphs).
    if (p.recuoPrimeira < 0 && p.recuoEsquerdo > 0)
        f.setTabPositions({QTextOption::Tab(pixels(p.recuoEsquerdo), QTextOption::LeftTab)});
    f.setTopMargin(pixels(p.espaçoAntes));
    f.setBottomMargin(pixels(p.espaçoDepois));
    if (p.entreLinhas != 0) {
        const double linhas = pixels(p.entreLinhas);
        if (p.múltiplo && p.entreLinhas > 0)
            f.setLineHeight(linhas * twipsPorPixel * 100 / 240,
                            QTextBlockFormat::ProportionalHeight);
        else if (p.entreLinhas > 0)
            f.setLineHeight(linhas, QTextBlockFormat::MinimumHeight);
        else
            f.setLineHeight(-linhas, QTextBlockFormat::FixedHeight);
    }
    return f;
}

// A device-independent bitmap is a BMP file without its 14-byte file header.
QImage lêDib(const std::vector<std::uint8_t>& d, qint64* pixels) {
    if (d.size() < 16)
        return {};
    auto lê32 = [&](std::size_t i) {
        return quint32(d[i]) | quint32(d[i + 1]) << 8 | quint32(d[i + 2]) << 16 |
               quint32(d[i + 3]) << 24;
    };
    quint32 cabeçalho = lê32(0);
    if (cabeçalho < 12 || cabeçalho > d.size())
        return {};
    quint32 paleta = 0;
    if (cabeçalho == 12) { // OS/2 header: three-byte palette entries
        int bits = d[10] | d[11] << 8;
        paleta = bits <= 8 ? (1u << bits) * 3 : 0;
    } else if (d.size() >= 40) {
        int bits = d[14] | d[15] << 8;
        quint32 usadas = lê32(32);
        quint32 compressão = lê32(16);
        if (usadas == 0 && bits <= 8)
            usadas = 1u << bits;
        paleta = std::min<quint32>(usadas, 1u << 16) * 4;
        if (cabeçalho == 40 && (compressão == 3 || compressão == 6))
            paleta += compressão == 3 ? 12 : 16; // the channel masks follow the header
    }
    QByteArray bmp;
    quint32 total = quint32(d.size()) + 14, início = 14 + cabeçalho + paleta;
    bmp.reserve(qsizetype(total));
    bmp.append("BM", 2);
    for (quint32 v : {total, 0u, início})
        for (int i = 0; i < 4; ++i)
            bmp.append(char((v >> (8 * i)) & 0xFF));
    bmp.append(reinterpret_cast<const char*>(d.data()), qsizetype(d.size()));
    return DecodificarImagem(bmp, "bmp", pixels);
}

QImage caixaVazia(QSize tamanho) {
    QImage img(tamanho, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    desenhaMoldura(p, QRectF(img.rect()));
    return img;
}

// Sizes from damaged documents stay within a picture's pixels.
QSize limitado(QSize tamanho) {
    const double área = double(tamanho.width()) * tamanho.height();
    if (área <= double(pixelsPorImagem))
        return tamanho;
    // Rounded down, so that the smaller size never rounds back over the bound.
    const double f = std::sqrt(double(pixelsPorImagem) / área);
    return QSize(inteiroLimitado(tamanho.width() * f, 1, tamanho.width()),
                 inteiroLimitado(tamanho.height() * f, 1, tamanho.height()));
}

struct Figura {
    QImage imagem; // null: a framed box
    QSize tamanho;
};

// The picture at the size it is shown at, if its pixels fit in `livres` and its work in
// `trabalho`, which is charged that work. A metafile is drawn at that size (its drawing budget
// then bounds the real work); one that does not fit is not drawn.
Figura figura(const Imagem& imagem, qint64 livres, qint64& trabalho) {
    Tamanho t = tamanhoEmPixels(imagem);
    QSize tamanho = limitado(QSize(t.largura, t.altura));
    const auto cabe = [&](QSize s) { return qint64(s.width()) * s.height() <= livres; };
    const QByteArrayView bytes(imagem.dados.data(), qsizetype(imagem.dados.size()));
    QImage img;
    // A picture of a known size that does not fit is not decoded at all.
    const bool decodifica = (tamanho.isEmpty() ? livres > 0 : cabe(tamanho)) && trabalho > 0;
    qint64 gasto = trabalho, desenho = qint64(tamanho.width()) * tamanho.height();
    switch (decodifica ? imagem.tipo : TipoImagem::Desconhecido) {
    case TipoImagem::Png:
        img = DecodificarImagem(bytes, "png", &gasto);
        break;
    case TipoImagem::Jpeg:
        img = DecodificarImagem(bytes, "jpeg", &gasto);
        break;
    case TipoImagem::Dib:
        img = lêDib(imagem.dados, &gasto);
        break;
    case TipoImagem::Wmf:
    case TipoImagem::Emf:
        gasto = !tamanho.isEmpty() && desenho <= trabalho ? desenho : 0;
        if (gasto > 0)
            img = desenharMetarquivo(
                imagem.dados.data(), imagem.dados.size(),
                imagem.tipo == TipoImagem::Wmf ? TipoMetarquivo::Wmf : TipoMetarquivo::Emf,
                imagem.modoMapa, tamanho.width(), tamanho.height(), imagem.picw, imagem.pich);
        break;
    default:
        gasto = 0;
        break;
    }
    trabalho -= gasto;
    if (tamanho.isEmpty())
        tamanho = img.isNull() ? QSize(32, 32) : limitado(img.size());
    if (img.isNull() || !cabe(tamanho))
        return {QImage(), tamanho};
    if (img.size() != tamanho)
        img = img.scaled(tamanho, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return {img, tamanho};
}

} // namespace

QImage desenhaImagem(const Imagem& imagem) {
    qint64 trabalho = trabalhoPorDocumento;
    Figura f = figura(imagem, pixelsPorImagem, trabalho);
    return f.imagem.isNull() ? caixaVazia(f.tamanho) : f.imagem;
}

QImage imagemMostrada(const QTextDocument& documento, const QTextFormat& formato) {
    if (formato.isImageFormat())
        return documento
            .resource(QTextDocument::ImageResource, QUrl(formato.toImageFormat().name()))
            .value<QImage>();
    if (formato.objectType() != objetoCaixa)
        return {};
    return caixaVazia(QSize(int(formato.doubleProperty(QTextFormat::ImageWidth)),
                            int(formato.doubleProperty(QTextFormat::ImageHeight))));
}

SaídaDocumento::SaídaDocumento(QTextDocument* documento)
    : documento_(documento), cursor_(documento) {
    cursor_.movePosition(QTextCursor::End);
    // One edit block for the whole reading: outside one, every insertion lays the block out
    // again to place the cursor, which grows with the square of a paragraph's runs.
    cursor_.beginEditBlock();
}

void SaídaDocumento::abreBloco() {
    posiciona();
    if (blocoPendente_) {
        cursor_.insertBlock();
        blocoPendente_ = false;
    }
}

void SaídaDocumento::texto(std::u16string_view texto, const Estilo& estilo) {
    abreBloco();
    cursor_.insertText(qstring(texto), formatoCaractere(estilo));
}

void SaídaDocumento::parágrafo(const FormatoParágrafo& formato, const Estilo& estilo) {
    abreBloco();
    cursor_.setBlockFormat(formatoBloco(formato));
    // An empty paragraph keeps the height of the font in force at its end.
    if (cursor_.block().length() <= 1)
        cursor_.setBlockCharFormat(formatoCaractere(estilo));
    blocoPendente_ = true;
}

void SaídaDocumento::imagem(const Imagem& imagem, const Estilo& estilo) {
    abreBloco();
    const Figura figura = vb::rtf::figura(imagem, pixelsLivres_, trabalhoLivre_);
    if (figura.imagem.isNull()) {
        QTextCharFormat f = formatoCaractere(estilo);
        f.setObjectType(objetoCaixa);
        f.setProperty(QTextFormat::ImageWidth, double(figura.tamanho.width()));
        f.setProperty(QTextFormat::ImageHeight, double(figura.tamanho.height()));
        cursor_.insertText(QString(QChar::ObjectReplacementCharacter), f);
        caixas_ = true;
        return;
    }
    const QImage& img = figura.imagem;
    pixelsLivres_ -= qint64(img.width()) * img.height();
    QString nome = QStringLiteral("rtf-imagem:%1").arg(++imagens_);
    documento_->addResource(QTextDocument::ImageResource, QUrl(nome), img);
    QTextImageFormat f;
    f.merge(formatoCaractere(estilo));
    f.setName(nome);
    f.setWidth(img.width());
    f.setHeight(img.height());
    cursor_.insertImage(f);
}

void SaídaDocumento::nívelTabela(int nível) {
    nível_ = std::clamp(nível, 0, níveisMáximosTabela);
}

// Brings the cursor to where content of the level told goes: tables deeper than it closed, the
// ones it lacks opened, each in the current cell of the one around it.
void SaídaDocumento::posiciona() {
    while (tabelas_.size() > std::size_t(nível_))
        fechaTabela();
    if (!tabelas_.empty())
        avança(tabelas_.back());
    while (tabelas_.size() < std::size_t(nível_)) {
        QTextTableFormat f;
        f.setCellSpacing(0);
        f.setCellPadding(2);
        f.setBorder(1);
        f.setBorderCollapse(true);
        f.setBorderBrush(Qt::black);
        // A table starts a block of its own; the text before it keeps the block it was in.
        Tabela t;
        t.tabela = cursor_.insertTable(1, 1, f);
        cursor_ = t.tabela->cellAt(0, 0).firstCursorPosition();
        tabelas_.push_back(std::move(t));
        blocoPendente_ = false;
    }
}

void SaídaDocumento::fechaTabela() {
    QTextTable* t = tabelas_.back().tabela;
    const int usadas = tabelas_.back().linha + 1;
    tabelas_.pop_back();
    if (t->rows() > usadas)
        t->removeRows(usadas, t->rows() - usadas);
    cursor_.setPosition(t->lastPosition() + 1); // the block that follows the table
    blocoPendente_ = false;
}

void SaídaDocumento::termina() {
    nível_ = 0;
    while (!tabelas_.empty())
        fechaTabela();
    if (!terminou_)
        cursor_.endEditBlock();
    // The layout that draws the boxes is made only now: made before, it would follow every
    // insertion.
    if (caixas_ && !terminou_) {
        QAbstractTextDocumentLayout* layout = documento_->documentLayout();
        if (!layout->handlerForObject(objetoCaixa))
            layout->registerHandler(objetoCaixa, new Molduras(documento_));
    }
    terminou_ = true;
}

SaídaDocumento::~SaídaDocumento() {
    termina();
}

// A table rebuilds its whole grid after each change of shape, so rows are added in growing
// batches (the spare ones go when the table closes), and the cells of a table are bounded.
void SaídaDocumento::avança(Tabela& t) {
    constexpr int célulasPorTabela = 100000;
    const int colunas = t.tabela->columns();
    if (t.linhaFechada) {
        if (t.linha + 1 >= t.tabela->rows()) {
            const int linhas = std::min(t.tabela->rows(), célulasPorTabela / colunas - t.linha - 1);
            if (linhas > 0)
                t.tabela->appendRows(linhas);
        }
        if (t.linha + 1 < t.tabela->rows())
            ++t.linha; // past the bound, what follows stays in the last row
        t.coluna = 0;
    } else if (t.célulaFechada) {
        if (t.coluna + 1 < colunas) {
            ++t.coluna;
        } else if (colunas < int(célulasMáximas) &&
                   t.tabela->rows() * (colunas + 1) <= célulasPorTabela) {
            t.tabela->appendColumns(1);
            ++t.coluna;
            aplicaLarguras(t);
        }
    } else {
        return;
    }
    t.linhaFechada = t.célulaFechada = false;
    cursor_ = t.tabela->cellAt(t.linha, t.coluna).firstCursorPosition();
    blocoPendente_ = false;
}

void SaídaDocumento::célula(const FormatoParágrafo& formato, const Estilo& estilo) {
    parágrafo(formato, estilo);
    if (!tabelas_.empty()) {
        blocoPendente_ = false;
        tabelas_.back().célulaFechada = true;
    }
}

void SaídaDocumento::linha(const Linha& linha) {
    while (tabelas_.size() > std::size_t(nível_))
        fechaTabela();
    if (tabelas_.size() < std::size_t(nível_) || tabelas_.empty())
        return; // no row of that table is open
    Tabela& t = tabelas_.back();
    // Columns take the widths of the first row that defines them.
    const std::size_t n = std::min(linha.limites.size(), std::size_t(t.tabela->columns()));
    t.larguras.resize(std::size_t(t.tabela->columns()));
    bool novas = false;
    for (std::size_t i = 0; i < n; ++i) {
        const std::int64_t esquerda = i > 0 ? linha.limites[i - 1] : linha.esquerda;
        if (t.larguras[i] == 0 && linha.limites[i] > esquerda) {
            // Widths from damaged documents stay within a picture's largest size.
            t.larguras[i] = int(std::min<std::int64_t>(linha.limites[i] - esquerda, 16384 * 15));
            novas = true;
        }
    }
    if (novas)
        aplicaLarguras(t);
    t.linhaFechada = true;
    t.célulaFechada = false;
}

void SaídaDocumento::aplicaLarguras(Tabela& t) {
    t.larguras.resize(std::size_t(t.tabela->columns()));
    QList<QTextLength> restrições;
    for (int largura : t.larguras)
        restrições.append(largura > 0
                              ? QTextLength(QTextLength::FixedLength, largura / twipsPorPixel)
                              : QTextLength());
    QTextTableFormat f = t.tabela->format();
    f.setColumnWidthConstraints(restrições);
    t.tabela->setFormat(f);
}

std::u16string SaídaDocumento::decodifica(int páginaCódigo, std::string_view bytes) {
    if (páginaCódigo != 1252 && páginaCódigo != decodificadorPágina_) {
        decodificadorPágina_ = páginaCódigo;
        const char* nome = nomeDaPágina(páginaCódigo);
        decodificador_ = nome ? QStringDecoder(nome) : QStringDecoder();
    }
    if (páginaCódigo == 1252 || !decodificador_.isValid())
        return Saída::decodifica(páginaCódigo, bytes);
    decodificador_.resetState();
    QString s = decodificador_(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
    return std::u16string(reinterpret_cast<const char16_t*>(s.utf16()), std::size_t(s.size()));
}

void carregaDocumento(QTextDocument* documento, std::string_view rtf) {
    documento->clear();
    SaídaDocumento saída(documento);
    ler(rtf, saída);
    saída.termina();
}

} // namespace vb::rtf
