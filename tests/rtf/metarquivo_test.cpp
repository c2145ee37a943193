// The metafile player: each family of records checked by the pixels it draws, and damaged
// metafiles given up (a null image, shown by the document as a framed box) in a moment.

#include "documentortf.h"
#include "metarquivo.h"
#include "metarquivo_contexto.h"
#include "metarquivos.h"

#include <QColor>
#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>

using namespace vb::rtf;
using teste::Bytes;
using teste::Emf;
using teste::Wmf;

namespace {

// WMF pictures: window 0..2000 x 0..1000 onto 200 x 100 pixels (10 units a pixel).
Wmf Janela() {
    Wmf w;
    w.r(0x020B, {0, 0}).r(0x020C, {1000, 2000});
    return w;
}

QImage Desenha(const Bytes& b, TipoMetarquivo tipo = TipoMetarquivo::Wmf) {
    return desenharMetarquivo(b.data(), b.size(), tipo, 8, 200, 100, 0, 0);
}

const std::vector<unsigned> vermelho = {0, 0x00FF, 0, 0};  // solid brush, red
const std::vector<unsigned> semCaneta = {5, 0, 0, 0, 0};   // PS_NULL
const std::vector<unsigned> canetaPreta = {0, 0, 0, 0, 0}; // solid, 1 pixel, black
const std::vector<unsigned> tudo = {1000, 2000, 0, 0};     // bottom, right, top, left

// A red brush and no pen selected, then the records given.
Wmf Pintado(const std::function<void(Wmf&)>& registros) {
    Wmf w = Janela();
    w.r(0x02FC, vermelho).r(0x02FA, semCaneta).r(0x012D, {0}).r(0x012D, {1});
    registros(w);
    return w;
}

struct Ponto {
    int x, y;
    QColor cor;
};

TEST(Metarquivo, FamíliasDeRegistrosPeloQueDesenham) {
    const QColor branco(255, 255, 255), preto(0, 0, 0), red(255, 0, 0), verde(0, 255, 0),
        azul(0, 0, 255);
    // A 2 x 2 bitmap of palette indices 1 2 / 3 1 (top row first), "0 colours used".
    const std::vector<std::uint32_t> paleta = {0, 0xFF0000, 0x00FF00, 0x0000FF};
    const Bytes dib4 = teste::dib(2, 2, 4, paleta, {1, 2, 3, 1});
    const Bytes dib8 = teste::dib(2, 2, 8, paleta, {1, 2, 3, 1});
    // The same in runs: the bottom line (two of 3), then the top line (1, 2).
    auto rle = [&](int bits, const Bytes& corridas) {
        Bytes d = teste::dib(2, 2, bits, paleta, {0, 0, 0, 0});
        d.erase(d.end() - 8, d.end()); // both lines: 4 bytes each
        d[16] = bits == 8 ? 1 : 2;
        d.insert(d.end(), corridas.begin(), corridas.end());
        return d;
    };
    const Bytes rle8 = rle(8, {2, 3, 0, 0, 1, 1, 1, 2, 0, 1});
    const Bytes rle4 = rle(4, {2, 0x33, 0, 0, 2, 0x12, 0, 1});
    const std::vector<Ponto> quadrantes = {{50, 25, red}, {150, 25, verde}, {50, 75, azul}};
    struct Caso {
        const char* nome;
        Bytes metarquivo;
        std::vector<Ponto> pontos;
        TipoMetarquivo tipo = TipoMetarquivo::Wmf;
    };
    const std::vector<Caso> casos = {
        {"1-pixel line",
         Janela()
             .r(0x02FA, canetaPreta)
             .r(0x012D, {0})
             .r(0x0214, {500, 0})
             .r(0x0213, {500, 2000})
             .bytes(),
         {{100, 50, preto}, {100, 48, branco}, {100, 52, branco}}},
        {"filled ellipse",
         Pintado([&](Wmf& w) { w.r(0x0418, tudo); }).bytes(),
         {{100, 50, red}, {3, 3, branco}, {196, 96, branco}}},
        {"pie of the upper half, counter-clockwise",
         Pintado([](Wmf& w) {
             w.r(0x081A, {500, 0, 500, 2000, 1000, 2000, 0, 0});
         }).bytes(),
         {{100, 25, red}, {100, 75, branco}}},
        {"two overlapping squares, alternate then winding",
         Pintado([](Wmf& w) {
             w.r(0x0538, {2, 4, 4, 0, 0, 1200, 0, 1200, 1000, 0, 1000, 800, 0, 2000, 0, 2000, 1000,
                          800, 1000});
         }).bytes(),
         {{50, 50, red}, {100, 50, branco}, {150, 50, red}}},
        {"winding fill",
         Pintado([](Wmf& w) {
             w.r(0x0106, {2});
             w.r(0x0538, {2, 4, 4, 0, 0, 1200, 0, 1200, 1000, 0, 1000, 800, 0, 2000, 0, 2000, 1000,
                          800, 1000});
         }).bytes(),
         {{100, 50, red}}},
        {"clip rectangle holds",
         Pintado([](Wmf& w) {
             w.r(0x0416, {1000, 1000, 0, 0}).r(0x041B, tudo);
         }).bytes(),
         {{50, 50, red}, {150, 50, branco}}},
        {"excluded rectangle",
         Pintado([](Wmf& w) {
             w.r(0x0415, {1000, 1000, 0, 0}).r(0x041B, tudo);
         }).bytes(),
         {{50, 50, branco}, {150, 50, red}}},
        {"restored state drops the red brush",
         Janela()
             .r(0x001E, {})
             .r(0x02FC, vermelho)
             .r(0x012D, {0})
             .r(0x0127, {0xFFFF})
             .r(0x041B, tudo)
             .bytes(),
         {{100, 50, branco}}},
        {"XOR pen",
         Pintado([](Wmf& w) { w.r(0x0104, {7}).r(0x041B, tudo); }).bytes(),
         {{100, 50, QColor(0, 255, 255)}}},
        {"hatched brush on an opaque background",
         Janela()
             .r(0x0201, {0x00FF, 0})
             .r(0x02FC, {2, 0, 0, 0})
             .r(0x012D, {0})
             .r(0x041B, tudo)
             .bytes(),
         {{100, 50, red}}},
        {"4-bit bitmap, 0 colours used",
         Janela().rb(0x0F43, {0x0020, 0xCC, 0, 2, 2, 0, 0, 1000, 2000, 0, 0}, dib4).bytes(),
         quadrantes},
        {"8-bit bitmap, 0 colours used",
         Janela().rb(0x0B41, {0x0020, 0xCC, 2, 2, 0, 0, 1000, 2000, 0, 0}, dib8).bytes(),
         quadrantes},
        {"RLE8 bitmap",
         Janela().rb(0x0F43, {0x0020, 0xCC, 0, 2, 2, 0, 0, 1000, 2000, 0, 0}, rle8).bytes(),
         quadrantes},
        {"RLE4 bitmap",
         Janela().rb(0x0F43, {0x0020, 0xCC, 0, 2, 2, 0, 0, 1000, 2000, 0, 0}, rle4).bytes(),
         quadrantes},
        {"placeable header",
         [] {
             Wmf w;
             w.r(0x02FC, vermelho).r(0x012D, {0}).r(0x041B, {500, 1000, 0, 0});
             const int caixa[] = {0, 0, 2000, 1000};
             return w.bytes(16, true, caixa);
         }(),
         {{25, 25, red}, {150, 75, branco}}},
        {"EMF rectangle under a world transform",
         Emf()
             .r(39, {1, 0, 0x0000FF, 0})
             .r(37, {1})
             .r(35, {0x40000000, 0, 0, 0x40000000, 0, 0}) // scale 2
             .r(43, {0, 0, 50, 25})
             .bytes(200, 100),
         {{90, 40, red}, {120, 70, branco}},
         TipoMetarquivo::Emf},
        {"unknown records passed over",
         Pintado([](Wmf& w) {
             w.r(0x0A99, {1, 2, 3, 4}).r(0x041B, tudo);
         }).bytes(),
         {{100, 50, red}}},
        {"EMF unknown records passed over",
         Emf()
             .r(39, {1, 0, 0x0000FF, 0})
             .r(37, {1})
             .r(200, {1, 2})
             .r(102, {0})
             .r(43, {0, 0, 200, 100})
             .bytes(200, 100),
         {{100, 50, red}},
         TipoMetarquivo::Emf},
        {"EMF path filled",
         Emf()
             .r(39, {1, 0, 0xFF0000, 0})
             .r(37, {1})
             .r(59, {})
             .r(27, {0, 0})
             .r(54, {100, 0})
             .r(54, {100, 100})
             .r(60, {})
             .r(62, {0, 0, 0, 0})
             .bytes(200, 100),
         {{90, 20, azul}, {20, 90, branco}},
         TipoMetarquivo::Emf},
        {"EMF stretched 8-bit bitmap",
         Emf()
             .r(81,
                {0, 0, 0, 0, 0, 0, 0, 0, 2, 2, 80, 40 + 1024, 80 + 40 + 1024,
                 std::uint32_t(dib8.size() - 40 - 1024), 0, 0xCC0020, 200, 100},
                dib8)
             .bytes(200, 100),
         quadrantes, TipoMetarquivo::Emf},
    };
    for (const Caso& c : casos) {
        testing::internal::CaptureStdout();
        testing::internal::CaptureStderr();
        const QImage img = Desenha(c.metarquivo, c.tipo);
        std::fflush(stdout);
        // A quiet player: nothing on the console.
        EXPECT_EQ(testing::internal::GetCapturedStderr() + testing::internal::GetCapturedStdout(),
                  "")
            << c.nome;
        ASSERT_FALSE(img.isNull()) << c.nome;
        for (const Ponto& p : c.pontos)
            EXPECT_EQ(img.pixelColor(p.x, p.y), p.cor) << c.nome << " at " << p.x << "," << p.y;
    }
}

// The box of the dark pixels.
QRect Tinta(const QImage& img) {
    QRect r;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (qGray(img.pixel(x, y)) < 128)
                r |= QRect(x, y, 1, 1);
    return r;
}

TEST(Metarquivo, TextoNaFonteENoLugar) {
    // A 30-pixel font; text at (1000, 500), aligned as asked.
    auto texto = [](const std::string& s, unsigned alinhamento, int conjunto = 0) {
        Wmf w = Janela();
        w.r(0x02FB, teste::fonteWmf(-300, "DejaVu Sans", 400, conjunto)).r(0x012D, {0});
        w.r(0x012E, {alinhamento}).r(0x0102, {1}).textOut(1000, 500, s);
        return Tinta(Desenha(w.bytes()));
    };
    const QRect topo = texto("C", 0), base = texto("C", 24), direita = texto("C", 2);
    ASSERT_FALSE(topo.isEmpty());
    EXPECT_GE(topo.left(), 100);
    EXPECT_LE(topo.left(), 104);
    EXPECT_GE(topo.top(), 50);
    EXPECT_LE(topo.bottom(), 50 + 30);
    EXPECT_GT(topo.height(), 15); // the height asked for, not stretched with the window
    EXPECT_LE(base.bottom(), 51); // on the baseline
    EXPECT_LE(direita.right(), 100);
    // The accented capital (Windows-1252 byte 0xC7) is drawn, and above the plain one.
    const QRect cedilha = texto("\xC7", 0);
    EXPECT_NE(cedilha, topo);
    EXPECT_GT(cedilha.bottom(), topo.bottom());
    // A Cyrillic font's byte is its own letter: 0xC4 is Д there, Ä in Windows-1252.
    EXPECT_NE(texto("\xC4", 0, 204), texto("\xC4", 0));
}

TEST(Metarquivo, BytesDoTextoNoConjuntoDaFonte) {
    QImage img(4, 4, QImage::Format_RGB32);
    mf::Contexto c(img, QRectF(0, 0, 4, 4));
    const std::uint8_t bytes[] = {0xC7, 0xE3, 0x80, 0xC4};
    const struct {
        int conjunto;
        const char16_t* texto;
    } casos[] = {{0, u"Çã€Ä"}, {1, u"Çã€Ä"}, {204, u"Зг\u0402Д"}, {161, u"Ηγ€Δ"}};
    for (const auto& k : casos) {
        c.e.fonte.conjunto = k.conjunto;
        EXPECT_EQ(c.decodifica(bytes), QString::fromUtf16(k.texto)) << k.conjunto;
    }
}

TEST(Metarquivo, TextoEsticadoEmQualquerTamanho) {
    // The ink of "Abc" follows the width and height asked for, from the font engine or past 256
    // pixels an outline (only it draws letters taller); stretches past an int's range stay defined.
    const auto tinta = [](int altura, int largura, unsigned janela = 1) {
        auto fonte = teste::fonteWmf(altura, "Arial");
        fonte[1] = unsigned(largura) & 0xFFFF;
        Wmf w; // one unit a pixel
        w.r(0x020C, {1000, 2000}).r(0x0410, {1, 1, janela, 1}).r(0x02FB, fonte).r(0x012D, {0});
        const Bytes b = w.textOut(10, 10, "Abc").bytes();
        return Tinta(
                   desenharMetarquivo(b.data(), b.size(), TipoMetarquivo::Wmf, 8, 2000, 1000, 0, 0))
            .size();
    };
    const double largo = tinta(-40, 20).width() / 20.0, alto = tinta(-100, 0).height() / 100.0;
    for (int largura : {60, 100, 140, 200}) // the outline from about 130
        EXPECT_NEAR(tinta(-40, largura).width() / double(largura), largo, largo / 10);
    EXPECT_NEAR(tinta(-600, 0).height() / 600.0, alto, alto / 10);
    tinta(-10, 32767, 32767), tinta(10, -32768, 32767);
}

TEST(Metarquivo, TrabalhoNoTamanhoMostrado) {
    // A picture asking 8192 x 8192 pixels is drawn at the 2048 x 2048 it is shown at: a line one
    // pixel wide stays black. Lines cost their length: two thousand across a picture are drawn.
    const Bytes linha = Wmf().r(0x020C, {8192, 8192}).r(0x0325, {2, 0, 4096, 8192, 4096}).bytes();
    const QImage img = desenhaImagem({TipoImagem::Wmf, 8, 0, 0, 122880, 122880, 100, 100, linha});
    EXPECT_EQ(img.size(), QSize(2048, 2048));
    EXPECT_EQ(qRed(img.pixel(1000, 1024)) * qRed(img.pixel(1000, 1023)), 0);
    Wmf linhas = Janela();
    for (int i = 0; i < 2000; ++i)
        linhas.r(0x0325, {2, 0, 0, 2000, 1000});
    EXPECT_FALSE(Desenha(linhas.bytes()).isNull());
}

TEST(Metarquivo, DanificadosDãoImagemNula) {
    const Bytes bom = Pintado([](Wmf& w) { w.r(0x041B, tudo); }).bytes();
    const Bytes emfBom = Emf().r(43, {0, 0, 50, 25}).bytes(200, 100);
    struct Caso {
        const char* nome;
        Bytes metarquivo;
        TipoMetarquivo tipo = TipoMetarquivo::Wmf;
    };
    // clang-format off
    std::vector<Caso> casos = {
        {"pen 0x4000 units wide",
         Janela().r(0x02FA, {0, 0x4000, 0, 0, 0}).r(0x012D, {0}).r(0x041B, tudo).bytes()},
        {"pen 0xFFFF units wide",
         Janela().r(0x02FA, {0, 0xFFFF, 0, 0, 0}).r(0x012D, {0}).r(0x041B, tudo).bytes()},
        {"font 0x7FFF units high",
         Janela().r(0x02FB, teste::fonteWmf(0x7FFF, "Arial")).r(0x012D, {0})
             .textOut(0, 0, "abc").bytes()},
        {"zero window", [] {
             Wmf w;
             return w.r(0x020C, {0, 0}).r(0x041B, tudo).bytes();
         }()},
        {"huge scale", Janela().r(0x020C, {1, 1}).r(0x041B, {30000, 30000, 0, 0}).bytes()},
        {"object past the limit", Emf().r(39, {5000, 0, 0xFF, 0}).bytes(200, 100),
         TipoMetarquivo::Emf},
        {"EMF no header", Bytes(emfBom.begin() + 88, emfBom.end()), TipoMetarquivo::Emf},
    };
    // clang-format on
    // Thousands of filled rectangles, each the whole picture: past the drawing budget.
    Wmf muitos = Pintado([](Wmf&) {});
    for (int i = 0; i < 30000; ++i)
        muitos.r(0x041B, tudo);
    casos.push_back({"drawing budget", muitos.bytes()});
    // And thousands of long lines of small letters.
    Wmf letras = Janela();
    letras.r(0x02FB, teste::fonteWmf(-10, "DejaVu Sans")).r(0x012D, {0});
    for (int i = 0; i < 2000; ++i)
        letras.textOut(0, 500, std::string(2000, 'a'));
    casos.push_back({"letters over the budget", letras.bytes()});

    ASSERT_FALSE(Desenha(bom).isNull());
    ASSERT_FALSE(Desenha(emfBom, TipoMetarquivo::Emf).isNull());
    for (const Caso& c : casos) {
        const std::clock_t antes = std::clock();
        EXPECT_TRUE(Desenha(c.metarquivo, c.tipo).isNull()) << c.nome;
        EXPECT_LT(double(std::clock() - antes) / CLOCKS_PER_SEC, 0.5) << c.nome;
    }
}

// An EMF block transfer of a one-line bitmap onto the whole 200 x 100 picture; campo: its blend
// function or colour key. pixels: 0xAARRGGBB (32 bits, with alpha) or 0xRRGGBB (24 bits).
Bytes Transferência(std::uint32_t tipo, std::uint32_t campo, std::vector<std::uint32_t> pixels,
                    int bits) {
    Bytes dib = teste::dib(int(pixels.size()), 1, 24, {}, pixels);
    if (bits == 32) // the same header, with pixels of four bytes
        for (dib.resize(40), dib[14] = 32; std::uint32_t x : pixels)
            teste::põe32(dib, x);
    std::vector<std::uint32_t> p(25, 0);
    p[6] = 200, p[7] = 100, p[8] = campo, p[19] = 108, p[20] = 40, p[21] = 148;
    p[22] = std::uint32_t(dib.size() - 40), p[23] = std::uint32_t(pixels.size()), p[24] = 1;
    return Emf().r(tipo, p, dib).bytes(200, 100);
}

// A WMF whose damaged record comes before a red right half.
Bytes Dano(unsigned função, const std::vector<unsigned>& p, const Bytes& b = {}) {
    return Pintado([&](Wmf& w) { w.rb(função, p, b).r(0x041B, {1000, 2000, 0, 1000}); }).bytes();
}

TEST(Metarquivo, AlfaEChaveDeCor) {
    const std::vector<std::uint32_t> vermelhoVerde = {0xFF0000, 0x00FF00};
    const struct {
        const char* nome;
        Bytes metarquivo;
        QColor esquerda, direita;
    } casos[] = {
        {"source alpha", Transferência(114, 0x01FF0000, {0xFF0000FF, 0}, 32), Qt::blue, Qt::white},
        {"constant alpha", Transferência(114, 0x00800000, vermelhoVerde, 24), QColor(255, 128, 128),
         QColor(128, 255, 128)},
        {"colour key", Transferência(116, 0x0000FF00, vermelhoVerde, 24), Qt::red, Qt::white},
    };
    for (const auto& c : casos) {
        const QImage img = Desenha(c.metarquivo, TipoMetarquivo::Emf);
        ASSERT_FALSE(img.isNull()) << c.nome;
        EXPECT_EQ(img.pixelColor(50, 50), c.esquerda) << c.nome;
        EXPECT_EQ(img.pixelColor(150, 50), c.direita) << c.nome;
    }
}

TEST(Metarquivo, RegistroDanificadoÉPuladoEORestoDesenhado) {
    const Bytes dib8 = teste::dib(64, 64, 8, {0xFF0000}, std::vector<std::uint32_t>(64 * 64, 0));
    // A black 1-bit mask whose header claims 34 lines where the record holds 32.
    Bytes máscara = teste::dib(32, 32, 1, {0, 0xFFFFFF}, std::vector<std::uint32_t>(32 * 32, 0));
    máscara[8] = 34;
    Emf emf; // a polygon of 1000 points holding one, then a red right half
    emf.r(3, {0, 0, 9, 9, 1000, 0, 0}).r(39, {1, 0, 0xFF, 0}).r(37, {1}).r(43, {100, 0, 200, 100});
    const struct {
        const char* nome;
        Bytes metarquivo;
        std::vector<Ponto> pontos;
        TipoMetarquivo tipo = TipoMetarquivo::Wmf;
    } casos[] = {
        {"bitmap without a whole line",
         Dano(0x0F43, {0x20, 0xCC, 0, 64, 64, 0, 0, 1000, 2000, 0, 0},
              Bytes(&dib8[0], &dib8[1100])),
         {{50, 50, Qt::white}}},
        {"mask of 34 lines holding 32: the bottom 32 drawn",
         Dano(0x0B41, {0x20, 0xCC, 34, 32, 0, 0, 1000, 1000, 0, 0}, máscara),
         {{50, 1, Qt::white}, {50, 10, Qt::black}, {50, 98, Qt::black}}},
        {"DIBSTRETCHBLT copying a missing bitmap",
         Dano(0x0B41, {0x20, 0xCC, 10, 10, 0, 0, 0, 1000, 2000, 0, 0}),
         {{50, 50, Qt::white}}},
        {"polygon longer than its record", Dano(0x0324, {30000, 0, 0, 100, 100}), {}},
        {"text longer than its record", Dano(0x0521, {0x7FFF, 0x4141, 10, 10}), {}},
        {"EMF polygon of more points than it holds", emf.bytes(200, 100), {}, TipoMetarquivo::Emf},
    };
    for (const auto& c : casos) {
        const QImage img = Desenha(c.metarquivo, c.tipo);
        ASSERT_FALSE(img.isNull()) << c.nome;
        EXPECT_EQ(img.pixelColor(150, 50), QColor(Qt::red)) << c.nome;
        for (const Ponto& p : c.pontos)
            EXPECT_EQ(img.pixelColor(p.x, p.y), p.cor) << c.nome << " at " << p.x << "," << p.y;
    }
}

// The colours at the points given, a letter each: K black, B blue, G green, R red, W white.
std::string Cores(const QImage& img, const std::vector<QPoint>& pontos) {
    static const QRgb cores[] = {0, 0xFF, 0xFF00, 0xFF0000, 0xFFFFFF};
    std::string s = img.isNull() ? "null" : "";
    for (std::size_t i = 0; !img.isNull() && i < pontos.size(); ++i)
        s += "KBGRW?"[std::find(cores, cores + 5, img.pixel(pontos[i]) & 0xFFFFFF) - cores];
    return s;
}

struct Caso {
    const char* nome;
    Bytes metarquivo;
    std::string cores;
    TipoMetarquivo tipo = TipoMetarquivo::Wmf;
};
constexpr auto emf = TipoMetarquivo::Emf;

TEST(Metarquivo, BitmapCurtoNoLugarDasSuasLinhas) {
    // 2 x 4 pixels, lines red, green, blue, black from the top: bottom-up; top-down (negative
    // height, written from the bottom) with its first two lines; bottom-up with scans 2 and 3.
    const Bytes inteiro =
        teste::dib(2, 4, 24, {}, {0xFF0000, 0xFF0000, 0xFF00, 0xFF00, 0xFF, 0xFF, 0, 0});
    Bytes topo = teste::dib(2, 4, 24, {}, {0, 0, 0xFF, 0xFF, 0xFF00, 0xFF00, 0xFF0000, 0xFF0000});
    std::fill(topo.begin() + 8, topo.begin() + 12, 0xFF), topo[8] = 0xFC, topo.resize(56);
    Bytes faixa(inteiro.begin(), inteiro.begin() + 40);
    faixa.insert(faixa.end(), inteiro.begin() + 56, inteiro.end());
    // Drawn onto the whole picture: WMF window 2 x 4, the same in EMF by its mapping.
    auto wmf = [](unsigned função, std::vector<unsigned> p, const Bytes& b) {
        return Wmf().r(0x020B, {0, 0}).r(0x020C, {4, 2}).rb(função, p, b).bytes();
    };
    auto dib = [](std::uint32_t tipo, const Bytes& b, std::vector<std::uint32_t> fim) {
        const auto bmi = std::uint32_t(68 + 4 * fim.size()), bits = std::uint32_t(b.size() - 40);
        std::vector<std::uint32_t> p = {0, 0, 0, 0, 0, 0, 0, 0, 2, 4, bmi, 40, bmi + 40, bits, 0};
        p.insert(p.end(), fim.begin(), fim.end());
        return Emf().r(17, {8}).r(9, {2, 4}).r(11, {200, 100}).r(tipo, p, b).bytes(200, 100);
    };
    // clang-format off
    const Caso casos[] = {
        {"EMF STRETCHDIBITS, top-down", dib(81, topo, {0xCC0020, 2, 4}), "RGWW", emf},
        {"EMF SETDIBITSTODEVICE, top-down", dib(80, topo, {0, 4}), "RGWW", emf},
        {"EMF SETDIBITSTODEVICE, scans 2 and 3", dib(80, faixa, {2, 2}), "RGWW", emf},
        {"STRETCHDIB, bottom half", wmf(0x0F43, {32, 204, 0, 2, 2, 0, 0, 4, 2, 0, 0}, inteiro),
         "BBKK"},
        {"SETDIBTODEV, top-down", wmf(0x0D33, {0, 4, 0, 0, 0, 4, 2, 0, 0}, topo), "RGWW"},
        {"SETDIBTODEV, scans 2 and 3", wmf(0x0D33, {0, 2, 2, 0, 0, 4, 2, 0, 0}, faixa), "RGWW"},
    };
    // clang-format on
    for (const Caso& c : casos)
        EXPECT_EQ(Cores(Desenha(c.metarquivo, c.tipo), {{9, 12}, {9, 37}, {9, 62}, {9, 87}}),
                  c.cores)
            << c.nome;
}

TEST(Metarquivo, ChamadaQueFalhaÉPuladaEORestoDesenhado) {
    // Each failing call comes before a red right half; the left half shows the state after it.
    auto emfDano = [](const std::function<void(Emf&)>& dano) {
        Emf e = Emf().r(39, {1, 0, 0xFF, 0}).r(37, {1});
        dano(e);
        return e.r(37, {1}).r(43, {100, 0, 200, 100}).bytes(200, 100);
    };
    const Bytes cortado = Dano(0x041B, {1000, 2000, 0, 1000}), emfCortado = emfDano([](Emf&) {});
    // clang-format off
    const Caso casos[] = {
        {"selecting a missing object", Dano(0x012D, {5000}), "WR"},
        {"deleting a missing object", Dano(0x01F0, {5000}), "WR"},
        {"zero window extent", Dano(0x020C, {0, 0}), "WR"},
        {"short CREATEPENINDIRECT keeps its place in the table", Pintado([](Wmf& w) {
             w.r(0x02FA, {0, 3}).r(0x02FC, {0, 0, 0xFF, 0}).r(0x012D, {3}).r(0x041B, tudo);
             w.r(0x012D, {0}).r(0x041B, {1000, 2000, 0, 1000}); }).bytes(), "BR"},
        {"cut in its last record", Bytes(cortado.begin(), cortado.end() - 10), "WR"},
        {"EMF selecting a missing object", emfDano([](Emf& e) { e.r(37, {5000}); }), "WR", emf},
        {"EMF object past the header's count", emfDano([](Emf& e) {
             e.r(39, {20, 0, 0xFF0000, 0}).r(37, {20}).r(43, {0, 0, 100, 100}); }), "BR", emf},
        {"EMF zero window extent", emfDano([](Emf& e) { e.r(17, {8}).r(9, {0, 0}); }), "WR", emf},
        {"EMF cut in its end record", Bytes(emfCortado.begin(), emfCortado.end() - 8), "WR", emf},
    };
    // clang-format on
    for (const Caso& c : casos)
        EXPECT_EQ(Cores(Desenha(c.metarquivo, c.tipo), {{50, 50}, {150, 50}}), c.cores) << c.nome;
}

TEST(Metarquivo, CanetaDentroDaMoldura) {
    // A 20-pixel black pen round the box 50..150 x 25..75 strokes 50..70 at its left, not 40..60.
    auto figura = [&](unsigned função, std::vector<unsigned> p) {
        p.insert(p.end(), {750, 1500, 250, 500});
        Wmf w = Janela();
        w.r(0x02FA, {6, 200, 0, 0, 0}).r(0x02FC, {1, 0, 0, 0}).r(0x012D, {0}).r(0x012D, {1});
        return Cores(Desenha(w.r(função, p).bytes()), {{45, 50}, {65, 50}});
    };
    const std::vector<unsigned> metade = {750, 1000, 250, 1000}; // from the top to the bottom
    const std::pair<unsigned, std::vector<unsigned>> figuras[] = {
        {0x041B, {}},     {0x0418, {}},     {0x061C, {100, 100}},
        {0x081A, metade}, {0x0830, metade}, {0x0817, metade}};
    for (const auto& [função, p] : figuras)
        EXPECT_EQ(figura(função, p), "WK") << std::hex << função;
}

TEST(Metarquivo, FonteDeSímbolosComoNoTexto) {
    // Symbol-font text at (100, 50) inks where the rich text's characters for it do.
    auto wmf = [](const char* face, const std::string& bytes) {
        Wmf w = Janela();
        w.r(0x02FB, teste::fonteWmf(-300, face, 400, 2)).r(0x012D, {0});
        return Tinta(Desenha(w.textOut(1000, 500, bytes).bytes()));
    };
    // EMF: a font record (height, weight, character set; face), then EXTTEXTOUTW.
    auto emfTexto = [](const std::string& face, int conjunto, const std::u16string& s) {
        Bytes nome(64, 0), t;
        for (std::size_t i = 0; i < face.size(); ++i)
            nome[2 * i] = std::uint8_t(face[i]);
        for (char16_t c : s)
            teste::põe16(t, c);
        const auto n = std::uint32_t(s.size()), c = std::uint32_t(conjunto) << 24;
        Emf e = Emf().r(82, {1, std::uint32_t(-30), 0, 0, 0, 400, c, 0}, nome).r(37, {1});
        e.r(84, {0, 0, 0, 0, 1, 0, 0, 100, 50, n, 60, 0x100, 0}, t);
        return Tinta(Desenha(e.bytes(200, 100), emf));
    };
    const std::u16string marcas = u"\u25CF \u25A0 \u2713";
    ASSERT_FALSE(emfTexto("", 0, marcas).isEmpty());
    // clang-format off
    const struct { const char* nome; QRect tinta; std::u16string texto; } casos[] = {
        {"WMF Wingdings bytes", wmf("Wingdings", "l n \xFC"), marcas},
        {"EMF Wingdings bytes", emfTexto("Wingdings", 2, u"l n \u00FC"), marcas},
        {"EMF Wingdings private range",
         emfTexto("Wingdings", 2, u"\uF06C\uF020\uF06E\uF020\uF0FC"), marcas},
    };
    // clang-format on
    for (const auto& c : casos)
        EXPECT_EQ(c.tinta, emfTexto("", 0, c.texto)) << c.nome;
}

} // namespace
