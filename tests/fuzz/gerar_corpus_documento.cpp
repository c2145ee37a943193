// Writes the seed corpus of fuzz_documento: our lesson texts, their pictures each wrapped in a
// small RTF file (metafiles with and without the placeable header, PNG), pictures of every other
// kind that the rich-text box reads (JPEG, device-independent bitmaps of each depth, an enhanced
// metafile, a metafile with most record families), and damaged variants of them.
//
//   gerar_corpus_documento PASTA FIGURAS.txt LICAO.rtf...
//
// The first lesson text is copied whole; the others give only their pictures.

#include "desenho.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QRegularExpression>
#include <QtEndian>
#include <cstdio>
#include <cstring>
#include <functional>

namespace {

QString pasta;
int escritos = 0;

void Grava(const QString& nome, const QByteArray& dados) {
    QFile f(QDir(pasta).filePath(nome));
    if (!f.open(QIODevice::WriteOnly) || f.write(dados) != dados.size()) {
        std::fprintf(stderr, "não consigo gravar %s\n", qPrintable(f.fileName()));
        std::exit(1);
    }
    ++escritos;
}

// Little-endian writers.
struct Bytes : QByteArray {
    Bytes& u16(quint32 v) {
        append(char(v & 0xFF)).append(char((v >> 8) & 0xFF));
        return *this;
    }
    Bytes& u32(quint32 v) { return u16(v & 0xFFFF).u16(v >> 16); }
    Bytes& f32(float v) {
        quint32 b;
        std::memcpy(&b, &v, 4);
        return u32(b);
    }
    Bytes& bytes(const QByteArray& b) {
        append(b);
        return *this;
    }
};

void Põe16(QByteArray& d, qsizetype i, quint16 v) {
    if (i + 2 <= d.size())
        qToLittleEndian(v, d.data() + i);
}

const QByteArray prólogo = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1046"
                           "{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}\n"
                           "\\viewkind4\\uc1\\pard\\lang1046\\f0\\fs20 Figura:\\par\n";

// A picture group around the data, shown at l x a pixels.
QByteArray Pict(const QByteArray& tipo, const QByteArray& dados, int l, int a,
                const QByteArray& extra = {}) {
    QByteArray h = dados.toHex(), s;
    for (qsizetype i = 0; i < h.size(); i += 128)
        s += h.mid(i, 128) + "\n";
    return "{\\pict\\" + tipo + "\\picw" + QByteArray::number(l) + "\\pich" +
           QByteArray::number(a) + "\\picwgoal" + QByteArray::number(l * 15) + "\\pichgoal" +
           QByteArray::number(a * 15) + extra + "\n" + s + "}";
}

QByteArray Rtf(const QByteArray& pict) {
    return prólogo + "\\pard\\qc " + pict + "\\par\n}\n";
}

// --- Windows metafiles ---------------------------------------------------------------------

// Records of 16-bit words; the header is added by Wmf().
struct Registros {
    QByteArray corpo;
    quint32 maior = 3;
    Registros& r(quint16 função, const QList<quint16>& p, const QByteArray& cauda = {}) {
        Bytes b;
        const quint32 palavras = 3 + quint32(p.size()) + quint32(cauda.size() + 1) / 2;
        b.u32(palavras).u16(função);
        for (quint16 v : p)
            b.u16(v);
        b.bytes(cauda);
        if (cauda.size() % 2)
            b.append('\0');
        corpo += b;
        maior = std::max(maior, palavras);
        return *this;
    }
};

QByteArray Wmf(Registros r, int objetos) {
    r.r(0x0000, {});
    Bytes h;
    h.u16(1).u16(9).u16(0x0300).u32(quint32(18 + r.corpo.size()) / 2).u16(quint16(objetos));
    h.u32(r.maior).u16(0);
    return h + r.corpo;
}

// The placeable header before a metafile: key, bounding box in units of 1/1440 inch, checksum.
QByteArray ComCabeçalhoPosicionável(const QByteArray& wmf, int l, int a) {
    Bytes h;
    h.u32(0x9AC6CDD7).u16(0).u16(0).u16(0).u16(quint16(l * 15)).u16(quint16(a * 15)).u16(1440);
    h.u32(0);
    quint16 soma = 0;
    for (int i = 0; i < 20; i += 2)
        soma ^= quint16(uchar(h[i]) | uchar(h[i + 1]) << 8);
    h.u16(soma);
    return h + wmf;
}

// A DIB of 4 x 4 pixels, colour count 0, of the given depth (1, 4, 8, 24, 32).
QByteArray Dib(int bits, quint32 compressão = 0, int cabeçalho = 40) {
    Bytes d;
    if (cabeçalho == 12)
        d.u32(12).u16(4).u16(4).u16(1).u16(quint16(bits));
    else
        d.u32(40)
            .u32(4)
            .u32(4)
            .u16(1)
            .u16(quint16(bits))
            .u32(compressão)
            .u32(0)
            .u32(2835)
            .u32(2835)
            .u32(0)
            .u32(0);
    if (bits <= 8)
        for (int i = 0; i < (1 << bits); ++i) { // a ramp of colours
            d.append(char(i * 255 / ((1 << bits) - 1)));
            d.append(char(255 - i * 255 / ((1 << bits) - 1)));
            d.append(char(i * 37));
            if (cabeçalho != 12)
                d.append('\0');
        }
    if (compressão == 1) // RLE8: runs, an absolute run, end of line, end of bitmap
        d.bytes(QByteArray::fromHex("04010000000401020304000002050206000004070001"));
    else if (compressão == 2) // RLE4
        d.bytes(QByteArray::fromHex("041200000004345600000478000004"
                                    "9a0001"));
    else
        for (int y = 0; y < 4; ++y) {
            const int linha = ((4 * bits + 31) / 32) * 4;
            for (int i = 0; i < linha; ++i)
                d.append(char((y * 53 + i * 29) & 0xFF));
        }
    if (compressão != 0) // the size of the compressed pixels
        qToLittleEndian<quint32>(quint32(d.size() - 40 - (4 << bits)), d.data() + 20);
    return d;
}

// A metafile with most record families that drawings made by Windows programs use.
QByteArray WmfVariado() {
    Registros r;
    const QByteArray arial = QByteArray("Arial").leftJustified(32, '\0');
    r.r(0x0103, {8}).r(0x020B, {0, 0}).r(0x020C, {200, 300});  // map mode, window
    r.r(0x020D, {0, 0}).r(0x020E, {100, 150});                 // viewport origin and extent
    r.r(0x0102, {1}).r(0x0106, {2}).r(0x0104, {13});           // bk mode, poly fill, ROP2
    r.r(0x0201, {0xFFFF, 0x00FF}).r(0x0209, {0x0080, 0x0000}); // bk and text colour
    r.r(0x02FA, {1, 1, 0, 0x3300, 0x00}).r(0x012D, {0});       // dashed pen
    r.r(0x02FC, {2, 0x00FF, 0, 3}).r(0x012D, {1});             // hatched brush
    r.r(0x02FB, {quint16(-16), 0, 450, 450, 700, 1 | 1 << 8, 0, 0, 0x22 << 8}, arial)
        .r(0x012D, {2});             // font: italic, underlined, turned 45 degrees
    r.r(0x001E, {});                 // SaveDC
    r.r(0x0416, {180, 280, 20, 20}); // IntersectClipRect
    r.r(0x041B, {90, 140, 10, 10}).r(0x0418, {190, 290, 100, 150});
    r.r(0x061C, {20, 20, 60, 140, 10, 10});               // RoundRect
    r.r(0x0817, {10, 200, 60, 290, 120, 290, 10, 180});   // Arc
    r.r(0x081A, {10, 200, 60, 290, 120, 290, 10, 180});   // Pie
    r.r(0x0830, {110, 20, 160, 100, 190, 100, 110, 10});  // Chord
    r.r(0x0325, {3, 10, 10, 100, 50, 20, 150});           // Polyline
    r.r(0x0324, {4, 200, 20, 280, 20, 280, 90, 200, 90}); // Polygon
    r.r(0x0538, {2, 3, 3, 10, 150, 60, 150, 30, 190, 70, 150, 120, 150, 90, 190});
    r.r(0x0127, {0xFFFF}); // RestoreDC
    r.r(0x012E, {24 | 1}); // baseline, update CP
    r.r(0x0214, {60, 20});
    const QByteArray cotação = QByteArray::fromHex("436f7461e7e36f"); // "Cotação" in 1252
    r.r(0x0521, {quint16(cotação.size())},
        cotação + QByteArray::fromHex("00") + QByteArray::fromHex("5a001400"));
    const QByteArray vista = "Vista lateral \xb0"; // with a degree sign
    Bytes ext;
    ext.bytes(vista);
    if (vista.size() % 2)
        ext.append('\0');
    for (int i = 0; i < vista.size(); ++i)
        ext.u16(8);
    r.r(0x0A32, {120, 30, quint16(vista.size()), 4, 20, 100, 280, 130}, ext); // clipped
    const QByteArray dib = Dib(4);
    r.r(0x0F43, {0x0020, 0xCC, 0, 4, 4, 0, 0, 40, 40, 150, 150}, dib); // StretchDIB
    r.r(0x0B41, {0x0020, 0xCC, 4, 4, 0, 0, 30, 30, 10, 250}, Dib(8));  // DIBStretchBlt
    r.r(0x0940, {0x0020, 0xCC, 0, 0, 20, 20, 150, 10}, Dib(24));       // DIBBitBlt
    r.r(0x01F0, {0}).r(0x01F0, {1}).r(0x01F0, {2});
    return Wmf(r, 3);
}

// --- Enhanced metafile -----------------------------------------------------------------------

struct Emf {
    QByteArray corpo;
    int registros = 0;
    Emf& r(quint32 tipo, const Bytes& p) {
        Bytes b;
        b.u32(tipo).u32(quint32(8 + p.size())).bytes(p);
        corpo += b;
        ++registros;
        return *this;
    }
    QByteArray bytes(int l, int a, int objetos) {
        r(14, Bytes().u32(0).u32(16).u32(20));                                // EOF
        const QByteArray descrição = QByteArray::fromHex("5100560000000000"); // "QV"
        Bytes h;
        h.u32(0).u32(0).u32(quint32(l - 1)).u32(quint32(a - 1));                   // bounds
        h.u32(0).u32(0).u32(quint32(l * 2646 / 100)).u32(quint32(a * 2646 / 100)); // frame
        h.u32(0x464D4520).u32(0x10000).u32(quint32(108 + descrição.size() + corpo.size()));
        h.u32(quint32(registros + 1)).u16(quint16(objetos + 1)).u16(0);
        h.u32(3).u32(108).u32(0);
        h.u32(1024).u32(768).u32(320).u32(240); // device in pixels and millimetres
        h.u32(0).u32(0).u32(0);                 // no pixel format, no OpenGL
        h.u32(320000).u32(240000);              // device in micrometres
        Bytes cabeçalho;
        cabeçalho.u32(1).u32(quint32(8 + h.size() + descrição.size())).bytes(h).bytes(descrição);
        return cabeçalho + corpo;
    }
};

Bytes Retângulo(int x1, int y1, int x2, int y2) {
    Bytes b;
    b.u32(quint32(x1)).u32(quint32(y1)).u32(quint32(x2)).u32(quint32(y2));
    return b;
}

QByteArray EmfDeExemplo() {
    Emf e;
    e.r(17, Bytes().u32(8));                                            // SetMapMode anisotropic
    e.r(9, Bytes().u32(220).u32(120)).r(11, Bytes().u32(220).u32(120)); // window, viewport ext
    e.r(18, Bytes().u32(1)).r(22, Bytes().u32(24)).r(24, Bytes().u32(0x00663300));
    e.r(38, Bytes().u32(1).u32(0).u32(2).u32(0).u32(0x00803300)).r(37, Bytes().u32(1));
    e.r(39, Bytes().u32(2).u32(0).u32(0x00C0E0F0).u32(0)).r(37, Bytes().u32(2));
    e.r(43, Retângulo(4, 4, 100, 60)).r(42, Retângulo(110, 4, 210, 60));
    e.r(27, Bytes().u32(10).u32(110)).r(54, Bytes().u32(210).u32(70));
    Bytes pl = Retângulo(10, 70, 100, 110);
    pl.u32(3).u16(10).u16(110).u16(50).u16(70).u16(100).u16(110);
    e.r(87, pl).r(86, pl);
    e.r(59, {}).r(27, Bytes().u32(120).u32(100)).r(54, Bytes().u32(200).u32(100));
    e.r(54, Bytes().u32(160).u32(75)).r(60, {}).r(64, Retângulo(120, 75, 200, 100));
    e.r(35, Bytes().f32(1).f32(0.1f).f32(0).f32(1).f32(2).f32(0)); // world transform
    Bytes fonte;
    fonte.u32(3).u32(quint32(-14)).u32(0).u32(0).u32(0).u32(400).u32(0).u32(0x22000000);
    const QString face = QStringLiteral("Arial");
    for (int i = 0; i < 32; ++i)
        fonte.u16(i < face.size() ? face[i].unicode() : 0);
    e.r(82, fonte).r(37, Bytes().u32(3));
    const QString texto = QStringLiteral("Ângulo de 30°");
    Bytes t = Retângulo(0, 0, 220, 120);
    const quint32 offString = 76, offDx = offString + quint32((texto.size() * 2 + 3) & ~3);
    t.u32(1).f32(1).f32(1).u32(12).u32(90).u32(quint32(texto.size())).u32(offString).u32(0);
    t.bytes(Retângulo(0, 0, 0, 0)).u32(offDx);
    for (QChar c : texto)
        t.u16(c.unicode());
    if (texto.size() % 2)
        t.u16(0);
    for (int i = 0; i < texto.size(); ++i)
        t.u32(8);
    e.r(84, t);
    const QByteArray dib = Dib(8);
    Bytes s = Retângulo(150, 80, 210, 115);
    s.u32(150).u32(80).u32(0).u32(0).u32(4).u32(4);
    s.u32(80).u32(40 + 1024).u32(80 + 40 + 1024).u32(quint32(dib.size() - 40 - 1024));
    s.u32(0).u32(0x00CC0020).u32(60).u32(35).bytes(dib);
    e.r(81, s); // StretchDIBits
    e.r(40, Bytes().u32(1)).r(40, Bytes().u32(2)).r(40, Bytes().u32(3));
    return e.bytes(220, 120, 3);
}

// Damaged copies of a metafile: each changes one thing that a player must survive.
QList<std::pair<QByteArray, QByteArray>> Danos(const QByteArray& wmf) {
    QList<std::pair<QByteArray, QByteArray>> v;
    auto registro = [&](std::function<bool(quint16)> qual) -> qsizetype {
        for (qsizetype i = 18; i + 6 <= wmf.size();) {
            const quint32 palavras = qFromLittleEndian<quint32>(wmf.constData() + i);
            if (qual(qFromLittleEndian<quint16>(wmf.constData() + i + 4)))
                return i;
            if (palavras < 3)
                break;
            i += 2 * qsizetype(palavras);
        }
        return -1;
    };
    auto muda = [&](const char* nome, std::function<bool(quint16)> qual, int palavra,
                    quint16 valor) {
        QByteArray d = wmf;
        if (const qsizetype i = registro(qual); i >= 0) {
            Põe16(d, i + 6 + 2 * palavra, valor);
            v.append({nome, d});
        }
    };
    v.append({"cortado", wmf.left(wmf.size() / 2)});
    v.append({"so_cabecalho", wmf.left(18)});
    QByteArray zero = wmf;
    Põe16(zero, 18, 0);
    v.append({"registro_de_tamanho_0", zero});
    auto é = [](quint16 f) { return [f](quint16 x) { return x == f; }; };
    muda("caneta_4000", é(0x02FA), 1, 0x4000);
    muda("caneta_ffff", é(0x02FA), 1, 0xFFFF);
    muda("janela_2x2", é(0x020C), 0, 2);
    muda("janela_zero", é(0x020C), 1, 0);
    muda("janela_enorme", é(0x020C), 1, 0x7FFF);
    muda("objeto_fora", é(0x012D), 0, 0x7FFF);
    muda("fonte_alta", é(0x02FB), 0, 0x8001);
    muda("fonte_larga", é(0x02FB), 1, 0x7FFF);
    muda("texto_longo", é(0x0A32), 2, 0x7FFF);
    muda("registro_longo", é(0x0418), -3, 0xFFFF); // the size's low word: past the end
    return v;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 4) {
        std::fprintf(stderr, "uso: gerar_corpus_documento PASTA FIGURAS.txt LICAO.rtf...\n");
        return 2;
    }
    pasta = QString::fromLocal8Bit(argv[1]);
    QDir(pasta).removeRecursively();
    QDir().mkpath(pasta);

    // Our lessons: the first whole, the pictures of all of them wrapped one by one.
    static const QRegularExpression pict(
        QStringLiteral("\\{\\\\pict\\\\(wmetafile8|pngblip)[^\\s]*\\s([0-9a-f\\s]+)\\}"));
    QList<QByteArray> metarquivos;
    for (int i = 3; i < argc; ++i) {
        QFile f(QString::fromLocal8Bit(argv[i]));
        if (!f.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "não consigo ler %s\n", argv[i]);
            return 1;
        }
        const QByteArray rtf = f.readAll();
        const QString nome = QFileInfo(f.fileName()).completeBaseName();
        if (i == 3)
            Grava(nome + ".rtf", rtf);
        int n = 0;
        for (const auto& m : pict.globalMatch(QString::fromLatin1(rtf))) {
            const QByteArray dados = QByteArray::fromHex(m.captured(2).toLatin1());
            const QString base = QStringLiteral("%1_%2").arg(nome).arg(++n);
            if (m.captured(1) == QLatin1String("pngblip")) {
                Grava(base + "_png.rtf", Rtf(m.captured(0).toLatin1()));
                continue;
            }
            metarquivos << dados;
            Grava(base + "_wmf.rtf", Rtf(m.captured(0).toLatin1()));
            Grava(base + "_wmf_posicionavel.rtf",
                  Rtf(Pict("wmetafile8", ComCabeçalhoPosicionável(dados, 220, 120), 220, 120)));
        }
    }

    // A lesson figure as JPEG, as the figure window shows it.
    const auto figuras = desenho::LerFiguras(QString::fromLocal8Bit(argv[2]));
    if (!figuras.isEmpty()) {
        const desenho::Figura& f = figuras.first();
        QByteArray jpeg;
        QBuffer b(&jpeg);
        b.open(QIODevice::WriteOnly);
        desenho::Desenhar(f.largura, f.altura, f.comandos)
            .scaled(f.largura / 2, f.altura / 2)
            .save(&b, "JPG", 40);
        Grava("figura_jpeg.rtf", Rtf(Pict("jpegblip", jpeg, f.largura / 2, f.altura / 2)));
        Grava("figura_jpeg_cortada.rtf",
              Rtf(Pict("jpegblip", jpeg.left(jpeg.size() / 2), f.largura / 2, f.altura / 2)));
    }

    // Device-independent bitmaps of each depth and compression.
    struct {
        const char* nome;
        QByteArray dib;
    } dibs[] = {{"1", Dib(1)},         {"4", Dib(4)},           {"8", Dib(8)},
                {"24", Dib(24)},       {"32", Dib(32)},         {"8_rle8", Dib(8, 1)},
                {"4_rle4", Dib(4, 2)}, {"os2_8", Dib(8, 0, 12)}};
    for (const auto& d : dibs)
        Grava(QStringLiteral("dib_%1.rtf").arg(QLatin1String(d.nome)),
              Rtf(Pict("dibitmap0", d.dib, 16, 16)));

    // Metafiles of our own writers: one with most record families, one enhanced.
    const QByteArray variado = WmfVariado();
    Grava("wmf_variado.rtf", Rtf(Pict("wmetafile8", variado, 300, 200)));
    Grava("wmf_variado_posicionavel.rtf",
          Rtf(Pict("wmetafile8", ComCabeçalhoPosicionável(variado, 300, 200), 300, 200)));
    const QByteArray emf = EmfDeExemplo();
    Grava("emf.rtf", Rtf(Pict("emfblip", emf, 220, 120)));
    Grava("emf_cortado.rtf", Rtf(Pict("emfblip", emf.left(emf.size() / 2), 220, 120)));
    QByteArray emfZero = emf;
    // The size of the first record after the header.
    qToLittleEndian<quint32>(0,
                             emfZero.data() + qFromLittleEndian<quint32>(emf.constData() + 4) + 4);
    Grava("emf_registro_de_tamanho_0.rtf", Rtf(Pict("emfblip", emfZero, 220, 120)));

    // Damaged metafiles, and pictures of unusual sizes or written as binary.
    metarquivos << variado;
    for (const auto& [nome, dados] : Danos(metarquivos.value(0)))
        Grava(QStringLiteral("wmf_%1.rtf").arg(QLatin1String(nome)),
              Rtf(Pict("wmetafile8", dados, 220, 120)));
    for (const auto& [nome, dados] : Danos(variado))
        Grava(QStringLiteral("wmf_variado_%1.rtf").arg(QLatin1String(nome)),
              Rtf(Pict("wmetafile8", dados, 300, 200)));
    // A DIBStretchBlt of 14 words: the form without a bitmap, followed by other records.
    Registros r;
    r.r(0x0103, {8}).r(0x020C, {100, 100});
    r.r(0x0B41, {0x0020, 0xCC, 4, 4, 0, 0, 30, 30, 10, 10, 0});
    r.r(0x041B, {90, 90, 10, 10});
    Grava("wmf_dibstretchblt_14.rtf", Rtf(Pict("wmetafile8", Wmf(r, 0), 100, 100)));
    const QByteArray wmf = metarquivos.value(0);
    Grava("wmf_sem_tamanho.rtf", Rtf("{\\pict\\wmetafile8\n" + wmf.toHex() + "}"));
    Grava("wmf_escala.rtf", Rtf(Pict("wmetafile8", wmf, 220, 120, "\\picscalex400\\picscaley3")));
    Grava("wmf_binario.rtf", Rtf("{\\pict\\wmetafile8\\picw5000\\pich3000\\bin" +
                                 QByteArray::number(wmf.size()) + " " + wmf + "}"));
    Grava("imagens_em_objeto.rtf",
          prólogo + "{\\object\\objemb{\\*\\objdata 0102}{\\result{\\*\\shppict" +
              Pict("emfblip", emf, 110, 60) + "}{\\nonshppict" + Pict("wmetafile8", wmf, 110, 60) +
              "}}}\\par\n}\n");
    std::printf("%d arquivos em %s\n", escritos, qPrintable(pasta));
    return 0;
}
