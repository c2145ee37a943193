// Pictures with bad data inside a lesson text: every one still takes its place in the document,
// at the size the text gives it, and nothing crashes.

#include "auxiliar.h"
#include "documentortf.h"
#include "jpeg_varreduras.h"
#include "metarquivos.h"

#include <QImageWriter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QtEndian>

#include <gtest/gtest.h>

#include <ctime>
#include <random>
#include <sys/resource.h>

using namespace vb::rtf;

namespace {

// A Windows metafile as RTF stores it: the 18-byte header, then the records given (each a
// function and its parameter words; the size word is written from the parameters unless given).
struct Registro {
    unsigned função;
    std::vector<unsigned> parâmetros;
    std::int64_t palavras = -1; // the record's size field; -1: the true size
};

std::vector<std::uint8_t> Metarquivo(const std::vector<Registro>& registros,
                                     std::int64_t maiorRegistro = -1) {
    std::vector<std::uint8_t> r;
    auto w16 = [](std::vector<std::uint8_t>& v, unsigned x) {
        v.push_back(std::uint8_t(x & 0xFF));
        v.push_back(std::uint8_t((x >> 8) & 0xFF));
    };
    unsigned maior = 3;
    for (const Registro& g : registros) {
        const auto n = std::uint32_t(g.palavras >= 0 ? g.palavras : 3 + g.parâmetros.size());
        maior = std::max<unsigned>(maior, n);
        w16(r, n & 0xFFFF);
        w16(r, n >> 16);
        w16(r, g.função);
        for (unsigned x : g.parâmetros)
            w16(r, x);
    }
    if (maiorRegistro >= 0)
        maior = unsigned(maiorRegistro);
    std::vector<std::uint8_t> m;
    const unsigned palavras = unsigned(18 + r.size()) / 2;
    for (unsigned x :
         {1u, 9u, 0x300u, palavras & 0xFFFF, palavras >> 16, 8u, maior & 0xFFFF, maior >> 16, 0u})
        w16(m, x);
    m.insert(m.end(), r.begin(), r.end());
    return m;
}

const Registro janela{0x020B, {0, 0}};             // SetWindowOrg
const Registro extensão{0x020C, {1000, 2000}};     // SetWindowExt (y, x)
const Registro fim{0, {}};                         // end of the metafile
const Registro pincel{0x02FC, {0, 0x00FF, 0, 0}};  // CreateBrushIndirect
const Registro caneta{0x02FA, {0, 5, 0, 0xFF, 0}}; // CreatePenIndirect

std::string Pict(const std::vector<std::uint8_t>& dados) {
    return "{\\pict\\wmetafile8\\picw5292\\pich2646\\picwgoal600\\pichgoal300 " +
           teste::hex(dados) + "}";
}

// What a text of damaged pictures may add to the peak memory, in megabytes (the address
// sanitizer keeps freed memory aside for a while).
#if defined(__SANITIZE_ADDRESS__)
constexpr long memóriaMáxima = 768;
#else
constexpr long memóriaMáxima = 256;
#endif

// The process's peak resident memory so far, in megabytes.
long PicoDeMemória() {
    rusage uso{};
    getrusage(RUSAGE_SELF, &uso);
    return uso.ru_maxrss / 1024;
}

// The processor time this process has taken so far, in milliseconds (whatever else the machine
// is running meanwhile).
double TempoDeProcessador() {
    return 1000.0 * double(std::clock()) / CLOCKS_PER_SEC;
}

class ImagensRuins : public ::testing::Test {
  protected:
    // Reads the text and returns its pictures, in order. Damaged pictures take about the memory
    // that sound ones take: none may take gigabytes.
    std::vector<QImage> Imagens(const std::string& rtf) {
        const long antes = PicoDeMemória();
        std::vector<QImage> v = Ler(rtf);
        EXPECT_LT(PicoDeMemória() - antes, memóriaMáxima) << "megabytes";
        return v;
    }
    // One metafile as a lesson text's picture, 600 x 300 twips: it takes its place at that
    // size, and is drawn (or given up) in a moment, not in seconds.
    void Desenhar(const std::vector<std::uint8_t>& dados, const std::string& nome) {
        const double antes = TempoDeProcessador();
        const std::vector<QImage> v = Imagens("{\\rtf1 " + Pict(dados) + "}");
        EXPECT_LT(TempoDeProcessador() - antes, 250) << "milliseconds for " << nome;
        ASSERT_EQ(v.size(), 1u) << nome;
        EXPECT_EQ(v[0].size(), QSize(40, 20)) << nome;
    }
    std::vector<QImage> Ler(const std::string& rtf) {
        QTextDocument doc;
        carregaDocumento(&doc, rtf);
        std::vector<QImage> v;
        for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
            for (auto it = b.begin(); !it.atEnd(); ++it)
                if (QImage i = imagemMostrada(doc, it.fragment().charFormat()); !i.isNull())
                    v.insert(v.end(), std::size_t(it.fragment().length()), i); // boxes run on
        texto = doc.toPlainText();
        return v;
    }
    QString texto;
};

TEST_F(ImagensRuins, HexadecimalRuimETruncado) {
    const std::vector<std::uint8_t> png = teste::bytesDaImagem(teste::imagemDeTeste(20, 10), "PNG");
    const std::string bom = teste::hex(png);
    // Letters that are no hex digits, an odd count of digits, a picture cut off by the end.
    const std::string rtf = "{\\rtf1 a{\\pict\\pngblip\\picwgoal300\\pichgoal150 " +
                            bom.substr(0, 40) + "zz-- q" + bom.substr(40) + "}b" +
                            "{\\pict\\pngblip\\picwgoal300\\pichgoal150 " + bom + "0}c" +
                            "{\\pict\\jpegblip\\picwgoal450\\pichgoal150 ffd8ffe0 0";
    const std::vector<QImage> v = Imagens(rtf);
    ASSERT_EQ(v.size(), 3u);
    EXPECT_EQ(v[0].size(), QSize(20, 10));
    EXPECT_EQ(v[0].pixelColor(5, 8), QColor(0, 0, 255)); // the stray letters were passed over
    EXPECT_EQ(v[1].size(), QSize(20, 10));
    EXPECT_EQ(v[2].size(), QSize(30, 10));
    EXPECT_TRUE(texto.startsWith(QStringLiteral("a")));
    EXPECT_TRUE(texto.contains(QStringLiteral("b")));
    EXPECT_TRUE(texto.contains(QStringLiteral("c")));
}

TEST_F(ImagensRuins, PngEJpegTruncadosViramCaixas) {
    const std::vector<std::uint8_t> png = teste::bytesDaImagem(teste::imagemDeTeste(64, 64), "PNG");
    const std::vector<std::uint8_t> jpeg =
        teste::bytesDaImagem(teste::imagemDeTeste(64, 64), "JPG");
    std::string rtf = "{\\rtf1 ";
    for (std::size_t corte : {std::size_t(8), std::size_t(33), png.size() / 2, png.size() - 12})
        rtf += "{\\pict\\pngblip\\picwgoal600\\pichgoal300 " +
               teste::hex({png.begin(), png.begin() + std::ptrdiff_t(corte)}) + "}";
    rtf += "{\\pict\\jpegblip\\picwgoal600\\pichgoal300 " +
           teste::hex({jpeg.begin(), jpeg.begin() + std::ptrdiff_t(jpeg.size() / 3)}) + "}";
    // No size in the text, and no picture to take one from: a small box.
    rtf += "{\\pict\\pngblip " + teste::hex({png.begin(), png.begin() + 20}) + "}}";
    const std::vector<QImage> v = Imagens(rtf);
    ASSERT_EQ(v.size(), 6u);
    for (std::size_t i = 0; i < 5; ++i)
        EXPECT_EQ(v[i].size(), QSize(40, 20)) << i;
    EXPECT_EQ(v[5].size(), QSize(32, 32));
}

TEST_F(ImagensRuins, DecodificaçãoDeTrabalhoLimitado) {
    QByteArray progressivo, png; // as the encoder writes one: 10 scans
    QBuffer b(&progressivo), bp(&png);
    QImageWriter w(&b, "jpeg");
    w.setProgressiveScanWrite(true);
    ASSERT_TRUE(b.open(QIODevice::WriteOnly) && w.write(teste::imagemDeTeste(64, 32)));
    // A PNG of 100 compressed texts of 8 MB each and a plain one: the picture read, no text kept.
    QImage vermelha(16, 16, QImage::Format_RGB32);
    vermelha.fill(Qt::red);
    vermelha.setText(QStringLiteral("t"), QString(7900000, u'a'));
    vermelha.setText(QStringLiteral("k"), QStringLiteral("plain text")); // a tEXt chunk
    ASSERT_TRUE(bp.open(QIODevice::WriteOnly) && vermelha.save(&bp, "PNG"));
    const qsizetype z = png.indexOf("zTXt") - 4, n = qFromBigEndian<quint32>(png.data() + z) + 12;
    png.insert(z, png.mid(z, n).repeated(100));
    // After the start: a comment of length 0 (the decoder steps over it); restarts at every block
    // and an undefined marker whose length runs over the next scan; 40,000 one-byte comments.
    const auto apósInício = [](QByteArray j, QByteArrayView s) { return j.insert(2, s); };
    const struct {
        const char* tipo;
        QByteArray dados;
        bool caixa;
    } casos[] = {
        {"jpeg", teste::JpegDeVarreduras(20000), true},
        {"jpeg", progressivo, false},
        // stuffed bytes and restarts in the data are no markers
        {"jpeg", teste::JpegDeVarreduras(101, QByteArray("\x12\xFF\x00\xFF\xD0\x34", 6)), true},
        {"jpeg", apósInício(teste::JpegDeVarreduras(150), {"\xFF\xFE\0\0", 4}), true},
        {"jpeg",
         apósInício(teste::JpegDeVarreduras(150, {"\xFF\x02\0\x0C", 4}), {"\xFF\xDD\0\4\0\1", 6}),
         true},
        {"jpeg", apósInício(progressivo, QByteArray("\xFF\xFE\0\3x", 5).repeated(40000)), false},
        // a comment after a fill byte, then the body of a scan header: no scan once left out
        {"jpeg",
         teste::JpegDeVarreduras(
             1, QByteArray("\xFF\xFF\xFE\0\2\xDA\0\x08\1\1\0\1?\0", 14).repeated(3000)),
         false},
        {"png", png, false}};
    for (const auto& c : casos) {
        const double antes = TempoDeProcessador();
        const std::vector<QImage> v =
            Imagens(std::string("{\\rtf1 {\\pict\\") + c.tipo + "blip\\picwgoal600\\pichgoal300 " +
                    teste::hex({c.dados.begin(), c.dados.end()}) + "}}");
        EXPECT_LT(TempoDeProcessador() - antes, 300) << c.dados.size();
        EXPECT_EQ(v.at(0).pixelColor(20, 15).alpha() == 0, c.caixa) << c.dados.size();
        EXPECT_TRUE(c.tipo != std::string_view("png") || v[0].pixelColor(20, 15) == Qt::red);
        EXPECT_TRUE(v[0].textKeys().isEmpty()) << c.dados.size(); // texts left out unread
    }
}

TEST_F(ImagensRuins, PaletaReduzidaEmCoresVerdadeiras) {
    // Palette pictures (8 bits with a transparent entry, 1 bit) shown smaller keep the colour of
    // their flat areas: Qt scales them down in a palette (a web palette, black and white).
    QImage oito(40, 40, QImage::Format_Indexed8);
    oito.setColorTable({qRgba(255, 255, 255, 0), qRgb(200, 30, 40)});
    for (int k = 0; k < 1600; ++k)
        oito.setPixel(k % 40, k / 40, k % 40 / 10 % 3 && k / 400 % 3); // a square in the middle
    const QImage um = oito.convertToFormat(QImage::Format_Mono, oito.colorTable());
    const auto png = teste::bytesDaImagem(oito, "PNG"), bmp = teste::bytesDaImagem(um, "BMP");
    const std::string meta = "\\picwgoal300\\pichgoal195 "; // 20 x 13 pixels
    const std::vector<QImage> v =
        Imagens("{\\rtf1 {\\pict\\pngblip" + meta + teste::hex(png) + "}{\\pict\\dibitmap0" + meta +
                teste::hex({bmp.begin() + 14, bmp.end()}) + "}}");
    for (int k : {0, 1})
        EXPECT_EQ(v.at(k).pixel(10, 6), qRgb(200, 30, 40)) << k;
}

TEST_F(ImagensRuins, BitmapComMedidasAbsurdas) {
    // A device-independent bitmap header of 40 bytes claiming 2^31 - 1 pixels each way.
    std::vector<std::uint8_t> dib(40 + 64, 0x5A);
    auto w32 = [&](std::size_t i, std::uint32_t x) {
        for (int k = 0; k < 4; ++k)
            dib[i + std::size_t(k)] = std::uint8_t(x >> (8 * k));
    };
    w32(0, 40);
    w32(4, 0x7FFFFFFF);
    w32(8, 0x7FFFFFFF);
    dib[12] = 1;
    dib[14] = 32;
    w32(16, 0);
    w32(32, 0);
    std::vector<std::uint8_t> rle = dib;
    rle[14] = 8;
    rle[16] = 1; // RLE8 with garbage runs
    const std::vector<QImage> v =
        Imagens("{\\rtf1 {\\pict\\dibitmap0\\picwgoal600\\pichgoal300 " + teste::hex(dib) +
                "}{\\pict\\dibitmap0\\picw4\\pich4 " + teste::hex(rle) + "}}");
    ASSERT_EQ(v.size(), 2u);
    EXPECT_EQ(v[0].size(), QSize(40, 20));
    EXPECT_EQ(v[1].size(), QSize(4, 4));
}

TEST_F(ImagensRuins, TamanhoPedidoGrandeDemaisFicaNoLimite) {
    // Sizes asked for by the text beyond the bound of 4096 x 1024 pixels are shrunk to it, never
    // rounded back over it (1911 x 2195 pixels came out one pixel too wide).
    const std::string png = teste::hex(teste::bytesDaImagem(teste::imagemDeTeste(20, 10), "PNG"));
    for (const char* meta : {"\\picwgoal28665\\pichgoal32925", "\\picwgoal900000\\pichgoal15"}) {
        const std::vector<QImage> v =
            Imagens(std::string("{\\rtf1 {\\pict\\pngblip") + meta + " " + png + "}}");
        ASSERT_EQ(v.size(), 1u) << meta;
        EXPECT_LE(qint64(v[0].width()) * v[0].height(), 4096 * 1024) << meta;
    }
}

TEST_F(ImagensRuins, MetarquivoComRegistrosRuins) {
    const std::vector<std::vector<std::uint8_t>> casos = {
        // A record whose size runs far past the end, and one of size zero.
        Metarquivo({janela, extensão, {0x041B, {500, 1000, 0, 0}, 0x7FFFFFFF}, fim}),
        Metarquivo({janela, extensão, {0x041B, {500, 1000, 0, 0}, 0}, fim}),
        Metarquivo({janela, extensão, {0x041B, {500, 1000, 0, 0}, 2}, fim}),
        // The header's largest record far smaller, or far larger, than the records.
        Metarquivo({janela, extensão, pincel, {0x012D, {0}}, {0x041B, {500, 1000, 0, 0}}, fim}, 3),
        Metarquivo({janela, extensão, {0x041B, {500, 1000, 0, 0}}, fim}, 0x7FFFFFFF),
        // A polygon and a polypolygon whose point counts run past their records.
        Metarquivo({janela, extensão, {0x0324, {30000, 0, 0, 100, 100}}, fim}),
        Metarquivo({janela, extensão, {0x0538, {3, 60000, 60000, 60000, 0, 0}}, fim}),
        Metarquivo({janela, extensão, {0x0325, {0xFFFF, 1, 1}}, fim}), // polyline
        // Objects selected and deleted that were never made, and a table overflowing.
        Metarquivo({janela, extensão, {0x012D, {5000}}, {0x01F0, {0xFFFF}}, {0x012D, {0}}, fim}),
        Metarquivo({janela,
                    extensão,
                    pincel,
                    caneta,
                    pincel,
                    caneta,
                    pincel,
                    caneta,
                    pincel,
                    caneta,
                    pincel,
                    {0x012D, {8}},
                    {0x041B, {500, 1000, 0, 0}},
                    fim}),
        // A pen and a font record cut short; a font name without its end.
        Metarquivo({janela, extensão, {0x02FA, {}}, {0x012D, {0}}, {0x0213, {10, 10}}, fim}),
        Metarquivo({janela,
                    extensão,
                    {0x02FB, {0xFFF0, 0, 0, 0, 700, 0, 0, 0, 0x4141, 0x4141, 0x4141}},
                    {0x012D, {0}},
                    {0x0A32, {10, 10, 0xFFFF, 0, 0x4141}},
                    fim}),
        // Text whose length runs past the record.
        Metarquivo({janela, extensão, {0x0521, {0x7FFF, 0x4141, 10, 10}}, fim}),
        // A bitmap stretched from a header that lies about its size and its runs.
        Metarquivo({janela,
                    extensão,
                    {0x0F43, {0x0020, 0xCC, 0,  10, 10,     0,      0,      100,    100,
                              0,      0,    40, 0,  0xFFFF, 0x7FFF, 0xFFFF, 0x7FFF, 1,
                              8,      1,    0,  0,  0,      0,      0,      0,      0,
                              0,      0,    0,  0,  0x0100, 0x00FF, 0x0002, 0xFFFF}},
                    fim}),
        Metarquivo({janela,
                    extensão,
                    {0x0B41, {0xCC, 0x0020, 10,     10,     0, 0, 100,    100,    0,     0, 40,
                              0,    4,      0,      4,      0, 1, 4,      2,      0,     0, 0,
                              0,    0,      0xFFFF, 0xFFFF, 0, 0, 0x0A00, 0x0303, 0x0001}},
                    fim}),
        // A region with more scans than it holds; an escape longer than its record.
        Metarquivo({janela, extensão, {0x06FF, {0, 6, 0, 0, 0xFFFF, 0xFFFF, 0, 0, 100, 100}}, fim}),
        Metarquivo({janela, extensão, {0x0626, {0x000F, 0xFFFF, 1, 2}}, fim}),
        // Records after the end record, and no end record at all.
        Metarquivo({janela, extensão, fim, {0x041B, {500, 1000, 0, 0}}}),
        Metarquivo({janela, extensão, {0x041B, {500, 1000, 0, 0}}}),
    };
    for (std::size_t i = 0; i < casos.size(); ++i) {
        Desenhar(casos[i], "case " + std::to_string(i));
        // The same metafile cut off at every fifth byte.
        for (std::size_t n = 1; n < casos[i].size(); n += 5)
            Desenhar({casos[i].begin(), casos[i].begin() + std::ptrdiff_t(n)},
                     "case " + std::to_string(i) + " cut at " + std::to_string(n));
    }
}

TEST_F(ImagensRuins, MetarquivosDeMuitoTrabalho) {
    // Drawn or given up in a moment at 2048 x 2048: 8000 segments over the same rows, wide pen
    // (solid, dashed), open or filled; 200 x 60 letters of 100 pixels; 300 hatched whole fills.
    std::vector<unsigned> zigue = {8000};
    for (unsigned i = 0; i < 8000; ++i)
        zigue.insert(zigue.end(), {i, 4000 + i % 2 * 400});
    std::vector<teste::Bytes> casos;
    for (unsigned estilo : {0, 1})
        for (unsigned função : {0x0325u, 0x0324u}) {
            teste::Wmf w;
            w.r(0x020C, {8192, 8192}).r(0x02FA, {estilo, 40, 0, 0, 0}).r(0x012D, {0});
            casos.push_back(w.r(função, zigue).bytes());
        }
    teste::Wmf letras, hachuras;
    letras.r(0x020C, {8192, 8192}).r(0x02FB, teste::fonteWmf(-400, "Arial")).r(0x012D, {0});
    for (unsigned k = 0; k < 200; ++k)
        letras.textOut(0, k * 40, std::string(60, 'W'));
    hachuras.r(0x020C, {8192, 8192}).r(0x02FC, {2, 0xFF, 0, 3}).r(0x012D, {0});
    for (int i = 0; i < 300; ++i)
        hachuras.r(0x041B, {8192, 8192, 0, 0});
    casos.insert(casos.end(), {letras.bytes(), hachuras.bytes()});
    for (const teste::Bytes& m : casos) {
        const double antes = TempoDeProcessador();
        Imagens("{\\rtf1 {\\pict\\wmetafile8\\picwgoal30720\\pichgoal30720 " + teste::hex(m) +
                "}}");
        EXPECT_LT(TempoDeProcessador() - antes, 500) << "case " << &m - casos.data();
    }
}
TEST_F(ImagensRuins, MetarquivosAoAcaso) {
    // Records drawn at random from the functions that a metafile's reader knows, with random
    // parameters and sizes that are mostly, but not always, right.
    const unsigned funções[] = {
        0x0201, 0x0102, 0x0103, 0x0104, 0x0106, 0x0107, 0x0209, 0x020B, 0x020C, 0x020D, 0x020E,
        0x0211, 0x0213, 0x0214, 0x0231, 0x0416, 0x0418, 0x041B, 0x061C, 0x0324, 0x0325, 0x0538,
        0x0521, 0x0A32, 0x0626, 0x012D, 0x01F0, 0x02FA, 0x02FB, 0x02FC, 0x0142, 0x06FF, 0x0F43,
        0x0B41, 0x0940, 0x0922, 0x061D, 0x0817, 0x081A, 0x0830, 0x0234, 0x0035, 0x0037, 0x00F7,
        0x0436, 0x0139, 0x012C, 0x012E, 0x0228, 0x0220, 0x0128, 0x0415, 0x0419, 0x0412, 0x0410};
    std::mt19937 gerador(20030301);
    for (int k = 0; k < 400; ++k) {
        std::vector<Registro> registros{janela, extensão};
        const int n = int(gerador() % 12) + 1;
        for (int i = 0; i < n; ++i) {
            Registro g{funções[gerador() % std::size(funções)], {}};
            const int parâmetros = int(gerador() % 24);
            for (int p = 0; p < parâmetros; ++p)
                g.parâmetros.push_back(gerador() % 4 == 0 ? 0xFFFF : gerador() % 2048);
            if (gerador() % 8 == 0)
                g.palavras = gerador() % 64;
            registros.push_back(g);
        }
        registros.push_back(fim);
        Desenhar(Metarquivo(registros), "metafile " + std::to_string(k));
    }
}

} // namespace
