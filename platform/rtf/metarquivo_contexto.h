#pragma once
// The device context shared by the WMF and EMF players: the drawing state, the object table,
// the mapping from logical units to the picture's pixels, the drawing itself with QPainter, the
// text and the device-independent bitmaps, and the limits that keep a damaged picture cheap.

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QString>
#include <QTransform>

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace vb::rtf::mf {

inline std::uint16_t lê16(const std::uint8_t* p) {
    return std::uint16_t(p[0] | (p[1] << 8));
}
inline std::uint32_t lê32(const std::uint8_t* p) {
    return lê16(p) | (std::uint32_t(lê16(p + 2)) << 16);
}
// A COLORREF (red, green, blue, flags).
inline QColor cor(std::uint32_t c) {
    return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

struct Caneta {
    int estilo = 0;     // PS_*: the low nibble the dashes, then the end caps and joins
    double largura = 0; // logical units
    QColor cor{Qt::black};
};

struct Pincel {
    int estilo = 0; // BS_SOLID 0, BS_NULL 1, BS_HATCHED 2, patterns 3, 5, 6
    QColor cor{Qt::white};
    int hachura = 0;
    QImage padrão;
};

struct Fonte {
    double altura = 0, largura = 0; // logical units; a negative height is the em height
    int escapamento = 0;            // tenths of a degree, counter-clockwise
    int peso = 400;
    bool itálico = false, sublinhado = false, riscado = false;
    int conjunto = 0; // the character set its bytes are in
    int família = 0;  // pitch and family
    QString face;
};

struct Objeto {
    enum class Tipo { Vazio, Caneta, Pincel, Fonte, Paleta, Outro } tipo = Tipo::Vazio;
    Objeto() = default;
    explicit Objeto(Tipo t) : tipo(t) {}
    Caneta caneta;
    Pincel pincel;
    Fonte fonte;
    std::vector<QRgb> paleta;
};

struct Estado {
    Caneta caneta;
    Pincel pincel;
    Fonte fonte;
    std::vector<QRgb> paleta;
    int modoMapa = 1;
    QPointF janelaOrigem, janelaExtensão{1, 1}, vistaOrigem, vistaExtensão{1, 1};
    QTransform mundo;
    QColor corTexto{Qt::black}, corFundo{Qt::white};
    bool fundoOpaco = true;
    int alinhamento = 0; // TA_*
    bool enrolamento = false;
    int rop2 = 13; // R2_COPYPEN
    bool arcoHorário = false;
    QPointF atual;
    bool temRecorte = false;
    QPainterPath recorte; // in pixels
};

// The limits of one picture.
constexpr std::size_t registrosMáximos = 1 << 18;
constexpr std::size_t objetosMáximos = 4096;
constexpr int pilhaMáxima = 256;
constexpr double coordenadaMáxima = 1 << 20;     // pixels, either way from the picture
constexpr std::int64_t pixelsDeBitmap = 1 << 24; // of one bitmap
// Pens and fonts up to the picture's size are drawn (clamped to it); this many times larger
// they can only come from damage.
constexpr double fatorDeDano = 4;

class Contexto {
  public:
    // referência: the rectangle, in the units the viewport is given in, that fills the image.
    Contexto(QImage& imagem, const QRectF& referência);

    Estado e;
    std::vector<Objeto> objetos;
    bool falhou = false;
    // Logical units per unit of the reference rectangle in the fixed mapping modes (1 to 6).
    double unidadeFixa[7] = {1, 1, 1, 1, 1, 1, 1};

    void falha() { falhou = true; }
    // Counts one record; false (and the picture given up) past the limit.
    bool registro();

    QTransform transformação() const; // logical units to pixels
    QPointF mapeia(QPointF p) const { return transformação().map(p); }
    // A length along the x axis in pixels.
    double escalaX() const;
    double escalaY() const;

    // The object table: WMF puts a new object in the first free place, EMF where it says.
    void criaObjeto(Objeto o);
    void põeObjeto(std::size_t i, Objeto o);
    void selecionaObjeto(std::size_t i);
    void apagaObjeto(std::size_t i);
    void selecionaEstoque(std::uint32_t n); // EMF's stock objects
    void salva();
    void restaura(int n);

    // Drawing in logical units with the pen and brush selected.
    void desenha(const QPainterPath& lógico, bool preenche, bool contorna);
    void movePara(QPointF p);
    void linhaAté(QPointF p);
    void polilinha(const QPolygonF& p, bool deAtual = false);
    void polígono(const std::vector<QPolygonF>& partes);
    void bezier(const QPolygonF& p, bool deAtual);
    void retângulo(const QRectF& r, QSizeF cantos = {});
    void elipse(const QRectF& r);
    enum class Arco { Aberto, Pizza, Corda, Até };
    void arco(const QRectF& r, QPointF início, QPointF fim, Arco tipo);
    void pixel(QPointF p, QColor c);
    void texto(QPointF p, const QString& s, const std::vector<double>& avanços, int opções,
               const QRectF* retângulo);
    // A bitmap's source rectangle (pixels of the bitmap, y down) onto a logical rectangle;
    // opacidade: the whole bitmap's alpha (over its own, if it has one).
    void bitmap(const QImage& b, QRectF fonte, const QRectF& destino, std::uint32_t rop,
                double opacidade = 1);
    void padrão(const QRectF& destino, std::uint32_t rop); // PatBlt
    void recorteIntersecta(const QRectF& r);
    void recorteExclui(const QRectF& r);
    void recorteCaminho(const QPainterPath& pixels, int modo);
    void recorteLimpa();

    // Paths (EMF): while one is open, the drawing goes into it instead of onto the image.
    void abreCaminho();
    void fechaCaminho() { gravando_ = false; }
    void fechaFigura() { caminho_.closeSubpath(); }
    void descartaCaminho() { gravando_ = false, caminho_ = {}; }
    void desenhaCaminho(bool preenche, bool contorna);
    void recorteDoCaminho(int modo);

    // The text of a record in the selected font's character set; UTF-16 text read as a symbol
    // font gives it.
    QString decodifica(std::span<const std::uint8_t> bytes) const;
    QString decodifica(QString s) const;
    bool símbolos() const; // the font selected is of the symbol character set

  private:
    bool gasta(const QRectF& pixels, double extra = 0, double vezes = 1);
    bool dentro(const QRectF& pixels, double vezes = 1);
    double comprimento(const QPainterPath& pixels, bool inteiro, double mínimo) const;
    double cruzamentos(const QPainterPath& pixels) const;
    double demãos(const QBrush& b) const;
    void preparaRop(QPainter& p, QColor& c) const;
    QPen canetaReal();
    QRectF moldura(const QRectF& caixa);
    void pinta(const QPainterPath& pixels, const QBrush& b, const QPen& caneta);

    QImage& imagem_;
    QPainter pintor_;
    QTransform referência_; // reference rectangle to pixels
    std::vector<Estado> pilha_;
    std::size_t registros_ = 0;
    double orçamento_;
    bool gravando_ = false;
    QPainterPath caminho_; // pixels
};

// A device-independent bitmap: its header and colours in n bytes, its pixels in the nBits bytes
// at bits (nullptr: right after the colours, within the n bytes). Null when it is damaged, runs
// past its bytes or is larger than a picture's bitmap may be. paletaLógica: the colour table
// holds indices into the palette given. alfa: a 32-bit bitmap's fourth byte is its alpha,
// premultiplied. linhas: the lines the pixels give, when a record says so in place of the header
// (SetDIBitsToDevice). One with fewer lines than it should have holds those it has, placed in the
// whole bitmap by the image's offset; altura: the whole bitmap's height.
QImage decodificaDib(const std::uint8_t* p, std::size_t n, const std::uint8_t* bits = nullptr,
                     std::size_t nBits = 0, bool paletaLógica = false,
                     const std::vector<QRgb>& paleta = {}, bool alfa = false, int linhas = 0,
                     int* altura = nullptr);
// The device-dependent bitmap of the old block transfers (1, 24 or 32 bits a pixel); likewise
// the lines it holds.
QImage decodificaBitmap16(const std::uint8_t* p, std::size_t n);

// The players: false when the metafile is damaged.
bool tocaWmf(const std::uint8_t* dados, std::size_t tamanho, QImage& imagem, int modoMapa, int picw,
             int pich);
bool tocaEmf(const std::uint8_t* dados, std::size_t tamanho, QImage& imagem);

} // namespace vb::rtf::mf
