// Windows metafiles (WMF): libuemf checks the header and each record's size against the end
// of the data; the parameters are read through a reader that gives up on any word past the
// record.

#include "metarquivo_contexto.h"

#include <uwmf.h>

#include <cmath>

namespace vb::rtf::mf {

namespace {

constexpr int MM_ANISOTROPIC = 8;

// One record: its parameter words (after the size and the function), each read within it.
struct Registro {
    const std::uint8_t* p;
    std::size_t palavras; // parameter words
    bool ruim = false;

    std::uint16_t u(std::size_t k) {
        if (k >= palavras) {
            ruim = true;
            return 0;
        }
        return lê16(p + 6 + 2 * k);
    }
    double s(std::size_t k) { return std::int16_t(u(k)); }
    std::uint32_t u32(std::size_t k) { return u(k) | (std::uint32_t(u(k + 1)) << 16); }
    QPointF xy(std::size_t k) { return {s(k), s(k + 1)}; }
    QPointF yx(std::size_t k) { return {s(k + 1), s(k)}; }
    // bottom, right, top, left
    QRectF retângulo(std::size_t k) {
        const double b = s(k), r = s(k + 1), t = s(k + 2), l = s(k + 3);
        return QRectF(QPointF(l, t), QPointF(r, b));
    }
    const std::uint8_t* bytes(std::size_t k, std::size_t n) {
        if (k > palavras || n > 2 * (palavras - k)) {
            ruim = true;
            return nullptr;
        }
        return p + 6 + 2 * k;
    }
    QPolygonF pontos(std::size_t k, std::size_t n) {
        QPolygonF v;
        if (!bytes(k, 4 * n))
            return v;
        v.reserve(qsizetype(n));
        for (std::size_t i = 0; i < n; ++i)
            v.append(xy(k + 2 * i));
        return v;
    }
};

// An extent of zero, which Windows refuses: the call fails and the extent stays.
bool zero(QPointF extensão) {
    return extensão.x() == 0 || extensão.y() == 0;
}

// The parameter words that a record of a fixed layout needs: one shorter is damaged and passed
// over whole, so that no state is set from half a record.
std::size_t palavrasMínimas(unsigned função) {
    switch (função) {
    case 0x0102: // SETBKMODE
    case 0x0103: // SETMAPMODE
    case 0x0104: // SETROP2
    case 0x0106: // SETPOLYFILLMODE
    case 0x012E: // SETTEXTALIGN
    case 0x0127: // RESTOREDC
    case 0x012C: // SELECTCLIPREGION
    case 0x012D: // SELECTOBJECT
    case 0x0234: // SELECTPALETTE
    case 0x01F0: // DELETEOBJECT
        return 1;
    case 0x0201: // SETBKCOLOR
    case 0x0209: // SETTEXTCOLOR
    case 0x020B: // the window's and viewport's origins and extents
    case 0x020C:
    case 0x020D:
    case 0x020E:
    case 0x020F:
    case 0x0211:
    case 0x0213: // LINETO
    case 0x0214: // MOVETO
        return 2;
    case 0x0410: // SCALEWINDOWEXT
    case 0x0412: // SCALEVIEWPORTEXT
    case 0x0415: // EXCLUDECLIPRECT
    case 0x0416: // INTERSECTCLIPRECT
    case 0x041B: // RECTANGLE
    case 0x0418: // ELLIPSE
    case 0x041F: // SETPIXEL
    case 0x02FC: // CREATEBRUSHINDIRECT
        return 4;
    case 0x02FA: // CREATEPENINDIRECT
        return 5;
    case 0x061C: // ROUNDRECT
    case 0x061D: // PATBLT
        return 6;
    case 0x0817: // ARC
    case 0x081A: // PIE
    case 0x0830: // CHORD
        return 8;
    case 0x02FB: // CREATEFONTINDIRECT, before its face
        return 9;
    default:
        return 0;
    }
}

// The records that create an object.
bool criaObjeto(unsigned função) {
    return função == 0x02FA || função == 0x02FC || função == 0x02FB || função == 0x00F7 ||
           função == 0x0142 || função == 0x01F9 || função == 0x06FF;
}

// The first window, viewport and mapping mode that the records set.
struct Geometria {
    QPointF janelaOrigem, janelaExtensão, vistaOrigem, vistaExtensão;
    bool janela = false, vista = false, temOrigem = false, temVistaOrigem = false;
    int modo = 0;
};

Geometria lêGeometria(const char* início, const char* fim) {
    Geometria g;
    for (const char* p = início; p < fim;) {
        const std::size_t n = U_WMRRECSAFE_get(p, fim);
        if (n == 0)
            break;
        Registro r{reinterpret_cast<const std::uint8_t*>(p), n / 2 - 3};
        const unsigned função = lê16(r.p + 4);
        if (função == 0)
            break;
        if (função == 0x0103 && !g.modo)
            g.modo = r.u(0);
        else if (função == 0x020B && !g.temOrigem)
            g.janelaOrigem = r.yx(0), g.temOrigem = !r.ruim;
        else if (função == 0x020C && !g.janela && !zero(r.yx(0)))
            g.janelaExtensão = r.yx(0), g.janela = !r.ruim;
        else if (função == 0x020D && !g.temVistaOrigem)
            g.vistaOrigem = r.yx(0), g.temVistaOrigem = !r.ruim;
        else if (função == 0x020E && !g.vista && !zero(r.yx(0)))
            g.vistaExtensão = r.yx(0), g.vista = !r.ruim;
        p += n;
    }
    return g;
}

Caneta canetaDe(Registro& r) {
    Caneta c;
    c.estilo = r.u(0);
    c.largura = r.s(1);
    c.cor = cor(r.u32(3));
    return c;
}

Fonte fonteDe(Registro& r) {
    Fonte f;
    f.altura = r.s(0);
    f.largura = r.s(1);
    f.escapamento = int(r.s(2));
    f.peso = int(r.s(4));
    f.itálico = r.u(5) & 0xFF;
    f.sublinhado = r.u(5) >> 8;
    f.riscado = r.u(6) & 0xFF;
    f.conjunto = r.u(6) >> 8;
    f.família = r.u(8) >> 8;
    if (r.ruim)
        return f;
    // The face name: up to 32 bytes, ended by a zero or by the record.
    const std::size_t resto = r.palavras > 9 ? 2 * (r.palavras - 9) : 0;
    const std::uint8_t* nome = r.p + 6 + 18;
    std::size_t n = 0;
    while (n < std::min<std::size_t>(resto, 32) && nome[n])
        ++n;
    f.face = QString::fromLatin1(reinterpret_cast<const char*>(nome), qsizetype(n));
    return f;
}

void texto(Contexto& c, Registro& r, bool estendido) {
    QPointF ponto;
    std::size_t n = 0, k = 0;
    int opções = 0;
    QRectF caixa;
    bool temCaixa = false;
    if (estendido) {
        ponto = r.yx(0);
        n = r.u(2);
        opções = r.u(3);
        k = 4;
        if (opções & 6) {
            const double l = r.s(4), t = r.s(5), rr = r.s(6), b = r.s(7);
            caixa = QRectF(QPointF(l, t), QPointF(rr, b));
            temCaixa = true;
            k = 8;
        }
    } else {
        n = r.u(0);
        k = 1;
    }
    const std::uint8_t* bytes = r.bytes(k, n);
    if (!bytes)
        return;
    const std::size_t depois = k + (n + 1) / 2;
    if (!estendido)
        ponto = r.yx(depois);
    const QString s = c.decodifica({bytes, n});
    std::vector<double> avanços;
    if (estendido && r.palavras >= depois + n && std::size_t(s.size()) == n)
        for (std::size_t i = 0; i < n; ++i)
            avanços.push_back(r.s(depois + i));
    if (!r.ruim)
        c.texto(ponto, s, avanços, opções, temCaixa ? &caixa : nullptr);
}

// The parameter words of a block transfer (after the record's size and function), named as in
// the record layout; nenhum: a field the record does not have. A transfer without a bitmap holds
// a reserved word after its raster operation.
constexpr std::size_t nenhum = std::size_t(-1);
struct Parâmetros {
    std::size_t rasterOperation, ySrc, xSrc, srcHeight, srcWidth, yDest, xDest, destHeight,
        destWidth, bitmap, colorUsage = nenhum, scanCount = nenhum, startScan = nenhum;
};
// DIBBITBLT and BITBLT copy without stretching: one height and width for both rectangles.
constexpr Parâmetros dibBitBlt{.rasterOperation = 0,
                               .ySrc = 2,
                               .xSrc = 3,
                               .srcHeight = 4,
                               .srcWidth = 5,
                               .yDest = 6,
                               .xDest = 7,
                               .destHeight = 4,
                               .destWidth = 5,
                               .bitmap = 8};
constexpr Parâmetros dibStretchBlt{.rasterOperation = 0,
                                   .ySrc = 4,
                                   .xSrc = 5,
                                   .srcHeight = 2,
                                   .srcWidth = 3,
                                   .yDest = 8,
                                   .xDest = 9,
                                   .destHeight = 6,
                                   .destWidth = 7,
                                   .bitmap = 10};
constexpr Parâmetros stretchDib{.rasterOperation = 0,
                                .ySrc = 5,
                                .xSrc = 6,
                                .srcHeight = 3,
                                .srcWidth = 4,
                                .yDest = 9,
                                .xDest = 10,
                                .destHeight = 7,
                                .destWidth = 8,
                                .bitmap = 11,
                                .colorUsage = 2};
// SETDIBTODEV: a plain copy of the lines given, without stretching.
constexpr Parâmetros setDibToDev{.rasterOperation = nenhum,
                                 .ySrc = 3,
                                 .xSrc = 4,
                                 .srcHeight = 5,
                                 .srcWidth = 6,
                                 .yDest = 7,
                                 .xDest = 8,
                                 .destHeight = 5,
                                 .destWidth = 6,
                                 .bitmap = 9,
                                 .colorUsage = 0,
                                 .scanCount = 1,
                                 .startScan = 2};

// BITBLT and STRETCHBLT lay out their words as DIBBITBLT and DIBSTRETCHBLT do.
Parâmetros parâmetros(unsigned função, bool semBitmap) {
    Parâmetros k = função == 0x0940 || função == 0x0922   ? dibBitBlt
                   : função == 0x0B41 || função == 0x0B23 ? dibStretchBlt
                   : função == 0x0F43                     ? stretchDib
                                                          : setDibToDev;
    if (semBitmap)
        for (std::size_t* i : {&k.ySrc, &k.xSrc, &k.srcHeight, &k.srcWidth, &k.yDest, &k.xDest,
                               &k.destHeight, &k.destWidth})
            ++*i;
    return k;
}

// The block transfers with a bitmap in the record (a device-independent one, or the old
// device-dependent one of BITBLT and STRETCHBLT); DIBBITBLT and DIBSTRETCHBLT without one only
// paint with the brush.
void transferência(Contexto& c, Registro& r, unsigned função) {
    const bool semBitmap =
        (função == 0x0940 && r.palavras == 9) || (função == 0x0B41 && r.palavras == 11);
    const Parâmetros k = parâmetros(função, semBitmap);
    const std::uint32_t rop = k.rasterOperation == nenhum ? 0xCC0020 : r.u32(k.rasterOperation);
    QRectF fonte(r.s(k.xSrc), r.s(k.ySrc), r.s(k.srcWidth), r.s(k.srcHeight));
    const QRectF destino(r.s(k.xDest), r.s(k.yDest), r.s(k.destWidth), r.s(k.destHeight));
    // STRETCHDIB and SETDIBTODEV, the DIB records, say how their colours are given.
    const bool registroDib = k.colorUsage != nenhum;
    const bool paletaLógica = registroDib && r.u(k.colorUsage) == 1;
    // SETDIBTODEV's bitmap is the lines it gives, from the scan início on.
    const int linhas = k.scanCount == nenhum ? 0 : r.u(k.scanCount),
              início = k.startScan == nenhum ? 0 : r.u(k.startScan);
    if (r.ruim || (k.scanCount != nenhum && linhas == 0))
        return;
    if (semBitmap) {
        // Without a bitmap only the operations that take none are drawn; one that needs a
        // source is passed over.
        const int r3 = int(rop >> 16);
        if (r3 == 0x00 || r3 == 0xFF || r3 == 0xF0 || r3 == 0x55 || r3 == 0x5A || r3 == 0xAA)
            c.padrão(destino, rop);
        return;
    }
    const std::size_t n = 2 * (r.palavras - k.bitmap);
    const std::uint8_t* dados = r.bytes(k.bitmap, n);
    int altura = 0;
    const QImage b =
        função == 0x0922 || função == 0x0B23
            ? decodificaBitmap16(dados, n)
            : decodificaDib(dados, n, nullptr, 0, paletaLógica, c.e.paleta, false, linhas, &altura);
    if (b.isNull()) // damaged: passed over
        return;
    if (registroDib) // they count their source's y up from the bitmap's bottom line
        fonte.moveTop(início + altura - fonte.top() - fonte.height());
    c.bitmap(b, fonte, destino, rop);
}

// A damaged record is passed over, as Windows goes on after a call that fails; a damaged object
// keeps its place in the table, so that the objects after it keep their numbers.
bool toca(Contexto& c, Registro& r, unsigned função) {
    Estado& e = c.e;
    if (r.palavras < palavrasMínimas(função)) {
        if (criaObjeto(função))
            c.criaObjeto(Objeto(Objeto::Tipo::Outro));
        return true;
    }
    switch (função) {
    case 0x0000:
        return false;
    case 0x0201: // SETBKCOLOR
        e.corFundo = cor(r.u32(0));
        break;
    case 0x0209: // SETTEXTCOLOR
        e.corTexto = cor(r.u32(0));
        break;
    case 0x0102: // SETBKMODE
        e.fundoOpaco = r.u(0) == 2;
        break;
    case 0x0103: // SETMAPMODE
        e.modoMapa = r.u(0);
        break;
    case 0x0104: // SETROP2
        e.rop2 = r.u(0);
        break;
    case 0x0106: // SETPOLYFILLMODE
        e.enrolamento = r.u(0) == 2;
        break;
    case 0x012E: // SETTEXTALIGN
        e.alinhamento = r.u(0);
        break;
    case 0x020B:
        e.janelaOrigem = r.yx(0);
        break;
    case 0x020C:
        if (!zero(r.yx(0)))
            e.janelaExtensão = r.yx(0);
        break;
    case 0x020D:
        e.vistaOrigem = r.yx(0);
        break;
    case 0x020E:
        if (!zero(r.yx(0)))
            e.vistaExtensão = r.yx(0);
        break;
    case 0x020F: // OFFSETWINDOWORG
        e.janelaOrigem += r.yx(0);
        break;
    case 0x0211: // OFFSETVIEWPORTORG
        e.vistaOrigem += r.yx(0);
        break;
    case 0x0410:   // SCALEWINDOWEXT
    case 0x0412: { // SCALEVIEWPORTEXT
        QPointF& x = função == 0x0410 ? e.janelaExtensão : e.vistaExtensão;
        const double yd = r.s(0), yn = r.s(1), xd = r.s(2), xn = r.s(3);
        if (xd != 0 && yd != 0 && !zero({xn, yn}))
            x = QPointF(x.x() * xn / xd, x.y() * yn / yd);
        break;
    }
    case 0x001E:
        c.salva();
        break;
    case 0x0127:
        c.restaura(int(r.s(0)));
        break;
    case 0x0214: // MOVETO
        c.movePara(r.yx(0));
        break;
    case 0x0213: // LINETO
        c.linhaAté(r.yx(0));
        break;
    case 0x0325:   // POLYLINE
    case 0x0324: { // POLYGON
        const QPolygonF p = r.pontos(1, r.u(0));
        if (!r.ruim) {
            if (função == 0x0325)
                c.polilinha(p);
            else
                c.polígono({p});
        }
        break;
    }
    case 0x0538: { // POLYPOLYGON
        const std::size_t partes = r.u(0);
        std::vector<QPolygonF> v;
        std::size_t k = 1 + partes;
        if (!r.bytes(1, 2 * partes))
            break;
        for (std::size_t i = 0; i < partes && !r.ruim; ++i) {
            const std::size_t n = r.u(1 + i);
            v.push_back(r.pontos(k, n));
            k += 2 * n;
        }
        if (!r.ruim)
            c.polígono(v);
        break;
    }
    case 0x041B: // RECTANGLE
        c.retângulo(r.retângulo(0));
        break;
    case 0x061C: // ROUNDRECT
        c.retângulo(r.retângulo(2), QSizeF(r.s(1), r.s(0)));
        break;
    case 0x0418: // ELLIPSE
        c.elipse(r.retângulo(0));
        break;
    case 0x0817: // ARC
    case 0x081A: // PIE
    case 0x0830: // CHORD
        c.arco(r.retângulo(4), r.yx(2), r.yx(0),
               função == 0x0817   ? Contexto::Arco::Aberto
               : função == 0x081A ? Contexto::Arco::Pizza
                                  : Contexto::Arco::Corda);
        break;
    case 0x041F: // SETPIXEL
        c.pixel(r.yx(2), cor(r.u32(0)));
        break;
    case 0x0521: // TEXTOUT
        texto(c, r, false);
        break;
    case 0x0A32: // EXTTEXTOUT
        texto(c, r, true);
        break;
    case 0x0416: // INTERSECTCLIPRECT
        c.recorteIntersecta(r.retângulo(0));
        break;
    case 0x0415: // EXCLUDECLIPRECT
        c.recorteExclui(r.retângulo(0));
        break;
    case 0x012C: // SELECTCLIPREGION: only "no region" is kept
        if (r.u(0) == 0)
            c.recorteLimpa();
        break;
    case 0x02FA: { // CREATEPENINDIRECT
        Objeto o(Objeto::Tipo::Caneta);
        o.caneta = canetaDe(r);
        c.criaObjeto(o);
        break;
    }
    case 0x02FC: { // CREATEBRUSHINDIRECT
        Objeto o(Objeto::Tipo::Pincel);
        o.pincel.estilo = r.u(0);
        o.pincel.cor = cor(r.u32(1));
        o.pincel.hachura = r.u(3);
        if (o.pincel.estilo != 0 && o.pincel.estilo != 1 && o.pincel.estilo != 2)
            o.pincel.estilo = 0; // a pattern named without its bitmap: solid
        c.criaObjeto(o);
        break;
    }
    case 0x0142: { // DIBCREATEPATTERNBRUSH
        Objeto o(Objeto::Tipo::Pincel);
        o.pincel.estilo = 5;
        const std::size_t n = r.palavras > 2 ? 2 * (r.palavras - 2) : 0;
        o.pincel.padrão = decodificaDib(r.bytes(2, n), n, nullptr, 0, r.u(1) == 1, e.paleta);
        c.criaObjeto(o.pincel.padrão.isNull() ? Objeto(Objeto::Tipo::Outro) : o);
        break;
    }
    case 0x02FB: { // CREATEFONTINDIRECT
        Objeto o(Objeto::Tipo::Fonte);
        o.fonte = fonteDe(r);
        c.criaObjeto(o);
        break;
    }
    case 0x00F7: { // CREATEPALETTE
        Objeto o(Objeto::Tipo::Paleta);
        const std::size_t n = r.u(1);
        const std::uint8_t* p = r.bytes(2, 4 * n);
        for (std::size_t i = 0; p && i < n; ++i)
            o.paleta.push_back(qRgb(p[4 * i + 1], p[4 * i + 2], p[4 * i + 3]));
        c.criaObjeto(r.ruim ? Objeto(Objeto::Tipo::Outro) : o);
        break;
    }
    case 0x01F9: // CREATEPATTERNBRUSH: a device-dependent pattern, taken as solid black
    case 0x06FF: // CREATEREGION: kept in its place in the table
        c.criaObjeto(Objeto(Objeto::Tipo::Outro));
        break;
    case 0x012D: // SELECTOBJECT
    case 0x0234: // SELECTPALETTE
        c.selecionaObjeto(r.u(0));
        break;
    case 0x01F0: // DELETEOBJECT
        c.apagaObjeto(r.u(0));
        break;
    case 0x061D: { // PATBLT
        const std::uint32_t rop = r.u32(0);
        c.padrão(QRectF(r.s(5), r.s(4), r.s(3), r.s(2)), rop);
        break;
    }
    case 0x0940:
    case 0x0B41:
    case 0x0F43:
    case 0x0D33:
    case 0x0922:
    case 0x0B23:
        transferência(c, r, função);
        break;
    default:
        break; // records that draw nothing we keep, or that we do not know
    }
    return true;
}

} // namespace

bool tocaWmf(const std::uint8_t* dados, std::size_t tamanho, QImage& imagem, int modoMapa, int picw,
             int pich) {
    const char* início = reinterpret_cast<const char*>(dados);
    const char* fim = início + tamanho;
    U_WMRPLACEABLE posicionável{};
    U_WMRHEADER cabeçalho{};
    const int usados = wmfheader_get(início, fim, &posicionável, &cabeçalho);
    if (usados <= 0 || std::size_t(usados) > tamanho)
        return false;
    const char* registros = início + usados;
    const Geometria g = lêGeometria(registros, fim);

    // The rectangle that fills the picture, in the units of the first viewport.
    QRectF janela, vista;
    int modo = modoMapa >= 1 && modoMapa <= 8 ? modoMapa : MM_ANISOTROPIC;
    const bool temPosicionável = posicionável.Key == 0x9AC6CDD7u;
    if (temPosicionável) {
        const U_RECT16 r = posicionável.Dst;
        janela = QRectF(QPointF(r.left, r.top), QPointF(r.right, r.bottom));
        modo = MM_ANISOTROPIC;
    } else if (g.janela) {
        janela = QRectF(g.janelaOrigem, QSizeF(g.janelaExtensão.x(), g.janelaExtensão.y()));
    } else {
        janela = QRectF(0, 0, picw, modo >= 2 && modo <= 6 ? -pich : pich);
    }
    if (g.modo)
        modo = g.modo;
    vista =
        g.vista ? QRectF(g.vistaOrigem, QSizeF(g.vistaExtensão.x(), g.vistaExtensão.y())) : janela;
    QRectF referência = vista;
    if (modo >= 1 && modo <= 6)
        referência = QRectF(janela.x(), modo == 1 ? janela.y() : -janela.y(), janela.width(),
                            modo == 1 ? janela.height() : -janela.height());
    Contexto c(imagem, referência);
    c.e.modoMapa = modo;
    c.e.janelaOrigem = janela.topLeft();
    c.e.janelaExtensão = QPointF(janela.width(), janela.height());
    c.e.vistaOrigem = vista.topLeft();
    c.e.vistaExtensão = QPointF(vista.width(), vista.height());
    c.objetos.resize(std::min<std::size_t>(cabeçalho.nObjects, objetosMáximos));

    for (const char* p = registros; !c.falhou;) {
        // A record cut short, of size zero or running past the end: the picture ends there, with
        // the records before it drawn.
        const std::size_t n = p < fim ? U_WMRRECSAFE_get(p, fim) : 0;
        if (n < 6)
            return true;
        if (!c.registro())
            return false;
        Registro r{reinterpret_cast<const std::uint8_t*>(p), n / 2 - 3};
        if (!toca(c, r, lê16(r.p + 4)))
            return !c.falhou;
        p += n;
    }
    return false;
}

} // namespace vb::rtf::mf
