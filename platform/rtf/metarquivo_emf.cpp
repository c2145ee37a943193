// Enhanced metafiles (EMF): libuemf checks each record's size against the end of the data and
// its counts against its size; the fields are read through a reader bounded by the record.

#include "metarquivo_contexto.h"

#include <uemf.h>
#include <uemf_safe.h>

#include <cmath>
#include <cstddef>
#include <cstring>

namespace vb::rtf::mf {

namespace {

struct Registro {
    const std::uint8_t* p;
    std::size_t n; // bytes
    bool ruim = false;

    bool cabe(std::size_t k, std::size_t bytes) {
        if (k > n || bytes > n - k) {
            ruim = true;
            return false;
        }
        return true;
    }
    std::uint32_t u(std::size_t k) { return cabe(k, 4) ? lê32(p + k) : 0; }
    double s(std::size_t k) { return std::int32_t(u(k)); }
    float f(std::size_t k) {
        const std::uint32_t v = u(k);
        float x;
        std::memcpy(&x, &v, 4);
        return x;
    }
    QPointF ponto(std::size_t k) { return {s(k), s(k + 4)}; }
    QRectF retângulo(std::size_t k) { return QRectF(ponto(k), ponto(k + 8)); }
    QPolygonF pontos(std::size_t k, std::size_t quantos, bool curtos) {
        QPolygonF v;
        if (!cabe(k, quantos * (curtos ? 4 : 8)))
            return v;
        v.reserve(qsizetype(quantos));
        for (std::size_t i = 0; i < quantos; ++i)
            v.append(curtos ? QPointF(std::int16_t(lê16(p + k + 4 * i)),
                                      std::int16_t(lê16(p + k + 4 * i + 2)))
                            : ponto(k + 8 * i));
        return v;
    }
    // A bitmap given by the offsets and sizes of its header and of its pixels, from the record's
    // start; the fields lie in this order in every record that holds one.
    QImage bitmap(std::size_t offBmi, bool paletaLógica, const std::vector<QRgb>& paleta,
                  bool alfa = false, int linhas = 0, int* altura = nullptr) {
        const std::size_t oBmi = u(offBmi), nBmi = u(offBmi + 4), oBits = u(offBmi + 8),
                          nBits = u(offBmi + 12);
        if (ruim || !cabe(oBmi, nBmi) || !cabe(oBits, nBits))
            return {};
        return decodificaDib(p + oBmi, nBmi, p + oBits, nBits, paletaLógica, paleta, alfa, linhas,
                             altura);
    }
};

Fonte fonteDe(Registro& r) {
    Fonte f;
    f.altura = r.s(12);
    f.largura = r.s(16);
    f.escapamento = int(r.s(20));
    f.peso = int(r.s(28));
    const std::uint32_t bytes = r.u(32);
    f.itálico = bytes & 0xFF;
    f.sublinhado = (bytes >> 8) & 0xFF;
    f.riscado = (bytes >> 16) & 0xFF;
    f.conjunto = int(bytes >> 24);
    f.família = int(r.u(36) >> 24);
    QString face;
    for (std::size_t i = 0; i < 32 && r.cabe(40 + 2 * i, 2); ++i) {
        const char16_t c = lê16(r.p + 40 + 2 * i);
        if (c == 0)
            break;
        face += QChar(c);
    }
    r.ruim = false; // a face name shorter than its field is no fault
    f.face = face;
    return f;
}

void texto(Contexto& c, Registro& r, bool largo) {
    const QPointF ponto = r.ponto(36);
    const std::size_t n = r.u(44), deslocamento = r.u(48);
    const int opções = int(r.u(52));
    const bool temCaixa = !(opções & 0x100);
    QRectF caixa;
    if (temCaixa)
        caixa = r.retângulo(56);
    const std::size_t dx = r.u(temCaixa ? 72 : 56);
    if (r.ruim || n == 0 || opções & 0x10) // glyph indices: no characters to draw
        return;
    if (!r.cabe(deslocamento, n * (largo ? 2 : 1)))
        return;
    QString s;
    if (largo) {
        s.resize(qsizetype(n));
        for (std::size_t i = 0; i < n; ++i)
            s[qsizetype(i)] = QChar(char16_t(lê16(r.p + deslocamento + 2 * i)));
        s = c.decodifica(std::move(s));
    } else {
        s = c.decodifica({r.p + deslocamento, n});
    }
    std::vector<double> avanços;
    const std::size_t passo = opções & 0x2000 ? 8 : 4; // ETO_PDY: x and y advances
    if (dx && std::size_t(s.size()) == n && r.cabe(dx, n * passo))
        for (std::size_t i = 0; i < n; ++i)
            avanços.push_back(r.s(dx + passo * i));
    c.texto(ponto, s, avanços, opções, temCaixa ? &caixa : nullptr);
}

// Where the fields of a block transfer lie: their offsets in the record, named as in its layout
// (libuemf's record structures); nenhum: a field the record does not have.
constexpr std::size_t nenhum = std::size_t(-1);
struct Campos {
    std::size_t xDest, yDest, cxDest, cyDest;
    std::size_t dwRop; // the raster operation, ALPHABLEND's blend function, TRANSPARENTBLT's key
    std::size_t xSrc, ySrc, cxSrc, cySrc;
    std::size_t iUsageSrc, offBmiSrc, cbBmiSrc; // cbBmiSrc, offBitsSrc, cbBitsSrc follow offBmiSrc
    std::size_t iStartScan, cScans;
};

template <class R> constexpr Campos camposDe() {
    Campos k{};
    k.xDest = offsetof(R, Dest.x), k.yDest = offsetof(R, Dest.y);
    k.xSrc = offsetof(R, Src.x), k.ySrc = offsetof(R, Src.y);
    // BITBLT's source is as large as its destination; SETDIBITSTODEVICE's destination as its
    // source.
    if constexpr (requires(R r) { r.cSrc; })
        k.cxSrc = offsetof(R, cSrc.x), k.cySrc = offsetof(R, cSrc.y);
    else
        k.cxSrc = offsetof(R, cDest.x), k.cySrc = offsetof(R, cDest.y);
    if constexpr (requires(R r) { r.cDest; })
        k.cxDest = offsetof(R, cDest.x), k.cyDest = offsetof(R, cDest.y);
    else
        k.cxDest = k.cxSrc, k.cyDest = k.cySrc;
    if constexpr (requires(R r) { r.dwRop; })
        k.dwRop = offsetof(R, dwRop);
    else if constexpr (requires(R r) { r.Blend; })
        k.dwRop = offsetof(R, Blend);
    else if constexpr (requires(R r) { r.TColor; })
        k.dwRop = offsetof(R, TColor);
    else
        k.dwRop = nenhum;
    k.iUsageSrc = offsetof(R, iUsageSrc);
    k.offBmiSrc = offsetof(R, offBmiSrc), k.cbBmiSrc = offsetof(R, cbBmiSrc);
    static_assert(offsetof(R, cbBmiSrc) == offsetof(R, offBmiSrc) + 4 &&
                  offsetof(R, offBitsSrc) == offsetof(R, offBmiSrc) + 8 &&
                  offsetof(R, cbBitsSrc) == offsetof(R, offBmiSrc) + 12);
    if constexpr (requires(R r) { r.cScans; })
        k.iStartScan = offsetof(R, iStartScan), k.cScans = offsetof(R, cScans);
    else
        k.iStartScan = k.cScans = nenhum;
    return k;
}

const Campos& campos(std::uint32_t tipo) {
    static constexpr Campos bitBlt = camposDe<U_EMRBITBLT>(),
                            stretchBlt = camposDe<U_EMRSTRETCHBLT>(),
                            alphaBlend = camposDe<U_EMRALPHABLEND>(),
                            transparentBlt = camposDe<U_EMRTRANSPARENTBLT>(),
                            stretchDibits = camposDe<U_EMRSTRETCHDIBITS>(),
                            setDibitsToDevice = camposDe<U_EMRSETDIBITSTODEVICE>();
    switch (tipo) {
    case U_EMR_BITBLT:
        return bitBlt;
    case U_EMR_STRETCHBLT:
        return stretchBlt;
    case U_EMR_ALPHABLEND:
        return alphaBlend;
    case U_EMR_TRANSPARENTBLT:
        return transparentBlt;
    case U_EMR_STRETCHDIBITS:
        return stretchDibits;
    default:
        return setDibitsToDevice;
    }
}

// The block transfers. A damaged one is passed over: the rest of the picture is drawn.
void transferência(Contexto& c, Registro& r, unsigned tipo) {
    const Campos& k = campos(tipo);
    const QRectF destino(r.ponto(k.xDest), QSizeF(r.s(k.cxDest), r.s(k.cyDest)));
    std::uint32_t rop = k.dwRop == nenhum ? 0xCC0020 : r.u(k.dwRop);
    const bool paletaLógica = r.u(k.iUsageSrc) == 1;
    QRectF fonte(r.ponto(k.xSrc), QSizeF(r.s(k.cxSrc), r.s(k.cySrc)));
    // SETDIBITSTODEVICE's bitmap is the lines it gives, from the scan início on.
    const int linhas = k.cScans == nenhum ? 0 : int(r.u(k.cScans)),
              início = k.iStartScan == nenhum ? 0 : int(r.u(k.iStartScan));
    if (r.ruim || (k.cScans != nenhum && linhas <= 0))
        return;
    if ((tipo == U_EMR_BITBLT || tipo == U_EMR_STRETCHBLT) && r.u(k.cbBmiSrc) == 0) {
        c.padrão(destino, rop); // no bitmap: the brush alone
        return;
    }
    // AlphaBlend: the source's own alpha (premultiplied) when the blend function says so, and
    // a constant alpha over the whole of it.
    const bool alfa = tipo == U_EMR_ALPHABLEND && ((rop >> 24) & 0xFF) == U_AC_SRC_ALPHA;
    int altura = 0;
    QImage b = r.bitmap(k.offBmiSrc, paletaLógica, c.e.paleta, alfa, linhas, &altura);
    if (b.isNull())
        return;
    // The DIB records count their source's y up from the bitmap's bottom line.
    if (tipo == U_EMR_STRETCHDIBITS || tipo == U_EMR_SETDIBITSTODEVICE)
        fonte.moveTop(início + altura - fonte.top() - fonte.height());
    if (tipo == U_EMR_ALPHABLEND) {
        c.bitmap(b, fonte, destino, 0xCC0020, ((rop >> 16) & 0xFF) / 255.0);
        return;
    }
    if (tipo == U_EMR_TRANSPARENTBLT) { // the pixels of the key colour are left out
        const QPoint deslocamento = b.offset();
        b = b.convertToFormat(QImage::Format_ARGB32);
        b.setOffset(deslocamento);
        const QRgb chave = cor(rop).rgb();
        for (int y = 0; y < b.height(); ++y) {
            auto* linha = reinterpret_cast<QRgb*>(b.scanLine(y));
            for (int x = 0; x < b.width(); ++x)
                if (linha[x] == chave)
                    linha[x] = 0;
        }
        rop = 0xCC0020;
    }
    c.bitmap(b, fonte, destino, rop);
}

void recorteDeRegião(Contexto& c, Registro& r, const QTransform& referência) {
    const std::size_t tamanho = r.u(8), modo = r.u(12);
    if (r.ruim)
        return;
    if (tamanho == 0) {
        if (modo == 5)
            c.recorteLimpa();
        return;
    }
    const std::size_t n = r.u(24);
    if (!r.cabe(48, 16 * n))
        return;
    QPainterPath região;
    for (std::size_t i = 0; i < n; ++i)
        região.addRect(r.retângulo(48 + 16 * i));
    c.recorteCaminho(referência.map(região), int(modo));
}

// The block transfers: read by the bounded reader alone.
bool transfere(std::uint32_t tipo) {
    return tipo == U_EMR_BITBLT || tipo == U_EMR_STRETCHBLT || tipo == U_EMR_STRETCHDIBITS ||
           tipo == U_EMR_SETDIBITSTODEVICE || tipo == U_EMR_ALPHABLEND ||
           tipo == U_EMR_TRANSPARENTBLT;
}

// The record types toca reads.
bool lido(std::uint32_t tipo) {
    return (tipo >= U_EMR_POLYBEZIER && tipo <= U_EMR_SETBKCOLOR &&
            tipo != U_EMR_SETCOLORADJUSTMENT) ||
           (tipo >= U_EMR_MOVETOEX && tipo <= U_EMR_MODIFYWORLDTRANSFORM) ||
           (tipo >= U_EMR_SELECTOBJECT && tipo <= U_EMR_CREATEPALETTE) ||
           (tipo >= U_EMR_LINETO && tipo <= U_EMR_ARCTO) || tipo == U_EMR_SETARCDIRECTION ||
           (tipo >= U_EMR_BEGINPATH && tipo <= U_EMR_STROKEPATH) || tipo == U_EMR_SELECTCLIPPATH ||
           tipo == U_EMR_ABORTPATH || tipo == U_EMR_EXTSELECTCLIPRGN || tipo == U_EMR_BITBLT ||
           tipo == U_EMR_STRETCHBLT || tipo == U_EMR_ALPHABLEND || tipo == U_EMR_TRANSPARENTBLT ||
           (tipo >= U_EMR_SETDIBITSTODEVICE && tipo <= U_EMR_POLYPOLYGON16) ||
           (tipo >= U_EMR_CREATEMONOBRUSH && tipo <= U_EMR_EXTCREATEPEN);
}

// A damaged record is passed over: it draws nothing and sets nothing.
bool toca(Contexto& c, Registro& r, unsigned tipo, const QTransform& referência) {
    Estado& e = c.e;
    switch (tipo) {
    case U_EMR_EOF:
        return false;
    case U_EMR_POLYBEZIER:
    case U_EMR_POLYGON:
    case U_EMR_POLYLINE:
    case U_EMR_POLYBEZIERTO:
    case U_EMR_POLYLINETO:
    case U_EMR_POLYBEZIER16:
    case U_EMR_POLYGON16:
    case U_EMR_POLYLINE16:
    case U_EMR_POLYBEZIERTO16:
    case U_EMR_POLYLINETO16: {
        const bool curtos = tipo >= U_EMR_POLYBEZIER16;
        const unsigned base = curtos ? tipo - U_EMR_POLYBEZIER16 + U_EMR_POLYBEZIER : tipo;
        const QPolygonF p = r.pontos(28, r.u(24), curtos);
        if (r.ruim)
            break;
        if (base == U_EMR_POLYBEZIER || base == U_EMR_POLYBEZIERTO)
            c.bezier(p, base == U_EMR_POLYBEZIERTO);
        else if (base == U_EMR_POLYGON)
            c.polígono({p});
        else
            c.polilinha(p, base == U_EMR_POLYLINETO);
        break;
    }
    case U_EMR_POLYPOLYLINE:
    case U_EMR_POLYPOLYGON:
    case U_EMR_POLYPOLYLINE16:
    case U_EMR_POLYPOLYGON16: {
        const bool curtos = tipo >= U_EMR_POLYPOLYLINE16;
        const std::size_t partes = r.u(24);
        if (!r.cabe(32, 4 * partes))
            break;
        std::size_t k = 32 + 4 * partes;
        std::vector<QPolygonF> v;
        for (std::size_t i = 0; i < partes && !r.ruim; ++i) {
            const std::size_t n = r.u(32 + 4 * i);
            v.push_back(r.pontos(k, n, curtos));
            k += n * (curtos ? 4 : 8);
        }
        if (r.ruim)
            break;
        if (tipo == U_EMR_POLYPOLYGON || tipo == U_EMR_POLYPOLYGON16)
            c.polígono(v);
        else
            for (const QPolygonF& p : v)
                c.polilinha(p);
        break;
    }
    case U_EMR_SETWINDOWEXTEX: // an extent of zero fails, and the extent stays
        if (r.s(8) != 0 && r.s(12) != 0)
            e.janelaExtensão = r.ponto(8);
        break;
    case U_EMR_SETWINDOWORGEX:
        e.janelaOrigem = r.ponto(8);
        break;
    case U_EMR_SETVIEWPORTEXTEX:
        if (r.s(8) != 0 && r.s(12) != 0)
            e.vistaExtensão = r.ponto(8);
        break;
    case U_EMR_SETVIEWPORTORGEX:
        e.vistaOrigem = r.ponto(8);
        break;
    case U_EMR_SCALEVIEWPORTEXTEX:
    case U_EMR_SCALEWINDOWEXTEX: {
        QPointF& x = tipo == U_EMR_SCALEWINDOWEXTEX ? e.janelaExtensão : e.vistaExtensão;
        const double xn = r.s(8), xd = r.s(12), yn = r.s(16), yd = r.s(20);
        if (xd != 0 && yd != 0 && xn != 0 && yn != 0)
            x = QPointF(x.x() * xn / xd, x.y() * yn / yd);
        break;
    }
    case U_EMR_SETPIXELV:
        c.pixel(r.ponto(8), cor(r.u(16)));
        break;
    case U_EMR_SETMAPMODE:
        e.modoMapa = int(r.u(8));
        break;
    case U_EMR_SETBKMODE:
        e.fundoOpaco = r.u(8) == 2;
        break;
    case U_EMR_SETPOLYFILLMODE:
        e.enrolamento = r.u(8) == 2;
        break;
    case U_EMR_SETROP2:
        e.rop2 = int(r.u(8));
        break;
    case U_EMR_SETTEXTALIGN:
        e.alinhamento = int(r.u(8));
        break;
    case U_EMR_SETTEXTCOLOR:
        e.corTexto = cor(r.u(8));
        break;
    case U_EMR_SETBKCOLOR:
        e.corFundo = cor(r.u(8));
        break;
    case U_EMR_SETARCDIRECTION:
        e.arcoHorário = r.u(8) == 2;
        break;
    case U_EMR_MOVETOEX:
        c.movePara(r.ponto(8));
        break;
    case U_EMR_LINETO:
        c.linhaAté(r.ponto(8));
        break;
    case U_EMR_EXCLUDECLIPRECT:
        c.recorteExclui(r.retângulo(8));
        break;
    case U_EMR_INTERSECTCLIPRECT:
        c.recorteIntersecta(r.retângulo(8));
        break;
    case U_EMR_EXTSELECTCLIPRGN:
        recorteDeRegião(c, r, referência);
        break;
    case U_EMR_SAVEDC:
        c.salva();
        break;
    case U_EMR_RESTOREDC:
        c.restaura(int(r.s(8)));
        break;
    case U_EMR_SETWORLDTRANSFORM:
    case U_EMR_MODIFYWORLDTRANSFORM: {
        const QTransform x(r.f(8), r.f(12), r.f(16), r.f(20), r.f(24), r.f(28));
        const std::uint32_t modo = tipo == U_EMR_SETWORLDTRANSFORM ? 4 : r.u(32);
        if (modo == 1)
            e.mundo = QTransform();
        else if (modo == 2)
            e.mundo = x * e.mundo;
        else if (modo == 3)
            e.mundo = e.mundo * x;
        else if (modo == 4)
            e.mundo = x;
        break;
    }
    case U_EMR_SELECTOBJECT:
    case U_EMR_SELECTPALETTE: {
        const std::uint32_t i = r.u(8);
        if (i & 0x80000000u)
            c.selecionaEstoque(i & 0x7FFFFFFFu);
        else
            c.selecionaObjeto(i);
        break;
    }
    case U_EMR_DELETEOBJECT:
        if (!(r.u(8) & 0x80000000u))
            c.apagaObjeto(r.u(8));
        break;
    case U_EMR_CREATEPEN: {
        Objeto o(Objeto::Tipo::Caneta);
        o.caneta = {int(r.u(12)), r.s(16), cor(r.u(24))};
        if (!r.ruim)
            c.põeObjeto(r.u(8), o);
        break;
    }
    case U_EMR_EXTCREATEPEN: {
        Objeto o(Objeto::Tipo::Caneta);
        o.caneta = {int(r.u(28)), r.s(32), cor(r.u(40))};
        if (r.u(36) == 1) // a pen of the null brush draws nothing
            o.caneta.estilo = 5;
        if (!r.ruim)
            c.põeObjeto(r.u(8), o);
        break;
    }
    case U_EMR_CREATEBRUSHINDIRECT: {
        Objeto o(Objeto::Tipo::Pincel);
        o.pincel = {int(r.u(12)), cor(r.u(16)), int(r.u(20)), {}};
        if (o.pincel.estilo > 2)
            o.pincel.estilo = 0;
        if (!r.ruim)
            c.põeObjeto(r.u(8), o);
        break;
    }
    case U_EMR_CREATEMONOBRUSH:
    case U_EMR_CREATEDIBPATTERNBRUSHPT: {
        Objeto o(Objeto::Tipo::Pincel);
        o.pincel.estilo = 5;
        o.pincel.padrão =
            r.bitmap(offsetof(U_EMRCREATEDIBPATTERNBRUSHPT, offBmi),
                     r.u(offsetof(U_EMRCREATEDIBPATTERNBRUSHPT, iUsage)) == 1, e.paleta);
        if (!o.pincel.padrão.isNull())
            c.põeObjeto(r.u(8), o);
        break;
    }
    case U_EMR_EXTCREATEFONTINDIRECTW: {
        Objeto o(Objeto::Tipo::Fonte);
        o.fonte = fonteDe(r);
        if (!r.ruim)
            c.põeObjeto(r.u(8), o);
        break;
    }
    case U_EMR_CREATEPALETTE: {
        Objeto o(Objeto::Tipo::Paleta);
        const std::size_t n = r.u(12) >> 16;
        if (!r.cabe(16, 4 * n))
            break;
        for (std::size_t i = 0; i < n; ++i)
            o.paleta.push_back(qRgb(r.p[16 + 4 * i], r.p[17 + 4 * i], r.p[18 + 4 * i]));
        c.põeObjeto(r.u(8), o);
        break;
    }
    case U_EMR_ELLIPSE:
        c.elipse(r.retângulo(8));
        break;
    case U_EMR_RECTANGLE:
        c.retângulo(r.retângulo(8));
        break;
    case U_EMR_ROUNDRECT:
        c.retângulo(r.retângulo(8), QSizeF(r.s(24), r.s(28)));
        break;
    case U_EMR_ARC:
    case U_EMR_CHORD:
    case U_EMR_PIE:
    case U_EMR_ARCTO:
        c.arco(r.retângulo(8), r.ponto(24), r.ponto(32),
               tipo == U_EMR_ARC     ? Contexto::Arco::Aberto
               : tipo == U_EMR_CHORD ? Contexto::Arco::Corda
               : tipo == U_EMR_PIE   ? Contexto::Arco::Pizza
                                     : Contexto::Arco::Até);
        break;
    case U_EMR_BEGINPATH:
        c.abreCaminho();
        break;
    case U_EMR_ENDPATH:
        c.fechaCaminho();
        break;
    case U_EMR_CLOSEFIGURE:
        c.fechaFigura();
        break;
    case U_EMR_ABORTPATH:
        c.descartaCaminho();
        break;
    case U_EMR_FILLPATH:
    case U_EMR_STROKEPATH:
    case U_EMR_STROKEANDFILLPATH:
        c.desenhaCaminho(tipo != U_EMR_STROKEPATH, tipo != U_EMR_FILLPATH);
        break;
    case U_EMR_SELECTCLIPPATH:
        c.recorteDoCaminho(int(r.u(8)));
        break;
    case U_EMR_EXTTEXTOUTA:
    case U_EMR_EXTTEXTOUTW:
        texto(c, r, tipo == U_EMR_EXTTEXTOUTW);
        break;
    case U_EMR_BITBLT:
    case U_EMR_STRETCHBLT:
    case U_EMR_STRETCHDIBITS:
    case U_EMR_SETDIBITSTODEVICE:
    case U_EMR_ALPHABLEND:
    case U_EMR_TRANSPARENTBLT:
        transferência(c, r, tipo);
        break;
    default:
        break;
    }
    return true;
}

} // namespace

bool tocaEmf(const std::uint8_t* dados, std::size_t tamanho, QImage& imagem) {
    // The records are read in place as 32-bit fields: they are copied to aligned memory.
    std::vector<std::uint32_t> alinhado((tamanho + 3) / 4);
    if (tamanho)
        std::memcpy(alinhado.data(), dados, tamanho);
    const auto* p = reinterpret_cast<const std::uint8_t*>(alinhado.data());
    Registro h{p, tamanho};
    if (tamanho < 88 || h.u(0) != U_EMR_HEADER || h.u(40) != U_ENHMETA_SIGNATURE)
        return false;
    // The frame (hundredths of a millimetre) in the reference device's pixels, else the bounds.
    const double mmX = h.s(80), mmY = h.s(84), pxX = h.s(72), pxY = h.s(76);
    QRectF referência;
    if (mmX > 0 && mmY > 0 && pxX > 0 && pxY > 0) {
        const QRectF quadro = h.retângulo(24);
        referência =
            QRectF(quadro.x() * pxX / (mmX * 100), quadro.y() * pxY / (mmY * 100),
                   quadro.width() * pxX / (mmX * 100), quadro.height() * pxY / (mmY * 100));
    }
    if (!(referência.width() > 0 && referência.height() > 0)) {
        const QRectF limites = h.retângulo(8);
        referência = QRectF(limites.topLeft(), limites.size() + QSizeF(1, 1));
    }
    Contexto c(imagem, referência);
    if (mmX > 0 && pxX > 0) {
        // Pixels of the reference device per logical unit of the fixed mapping modes.
        const double porMm = pxX / mmX;
        const double unidades[7] = {1, 1, 0.1, 0.01, 0.254, 0.0254, 25.4 / 1440};
        for (int m = 2; m <= 6; ++m)
            c.unidadeFixa[m] = porMm * unidades[m];
    }
    c.objetos.resize(std::min<std::size_t>(lê16(p + 56), objetosMáximos));
    const QTransform paraImagem = QTransform::fromTranslate(-referência.x(), -referência.y()) *
                                  QTransform::fromScale(imagem.width() / referência.width(),
                                                        imagem.height() / referência.height());

    for (std::size_t pos = 0; !c.falhou;) {
        // The record's size within the data, then libuemf's check of its counts and offsets.
        const char* registro = reinterpret_cast<const char*>(p) + pos;
        // A record cut short, or of a size that cannot be: the picture ends there, with the
        // records before it drawn.
        if (pos + 8 > tamanho)
            return true;
        const std::uint32_t tipo = lê32(p + pos), n = lê32(p + pos + 4);
        if (n < 8 || n % 4 != 0 || n > tamanho - pos)
            return true;
        if (!c.registro())
            return false;
        // Records the player draws nothing from are passed over unread (libuemf has no check
        // for some of them, and says so on the console).
        if (!lido(tipo)) {
            pos += n;
            continue;
        }
        // A record that fails its own check is passed over, as Windows goes on after a call
        // that fails. The block transfers skip libuemf's check, so that a bitmap shorter than
        // its header still shows the lines it holds.
        if (!transfere(tipo) && !U_emf_record_safe(registro)) {
            pos += n;
            continue;
        }
        Registro r{p + pos, n};
        if (!toca(c, r, tipo, paraImagem))
            return !c.falhou;
        pos += n;
    }
    return false;
}

} // namespace vb::rtf::mf
