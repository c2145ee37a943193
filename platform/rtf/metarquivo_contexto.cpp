#include "metarquivo_contexto.h"

#include "inteiros.h"
#include "paginas_codigo.h"

#include <QFontMetricsF>
#include <QStringDecoder>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vb::rtf::mf {

namespace {

bool finito(const QTransform& t) {
    return std::isfinite(t.m11()) && std::isfinite(t.m12()) && std::isfinite(t.m21()) &&
           std::isfinite(t.m22()) && std::isfinite(t.dx()) && std::isfinite(t.dy());
}

Qt::BrushStyle hachura(int h) {
    switch (h) {
    case 0:
        return Qt::HorPattern;
    case 1:
        return Qt::VerPattern;
    case 2:
        return Qt::FDiagPattern;
    case 3:
        return Qt::BDiagPattern;
    case 4:
        return Qt::CrossPattern;
    default:
        return Qt::DiagCrossPattern;
    }
}

// The painter's composition for a raster operation of two (R2_*) or three operands (the high
// byte of a ROP3); the colour may change to black or white.
bool composição(QPainter& p, int rop2, QColor* c) {
    QPainter::CompositionMode m = QPainter::CompositionMode_SourceOver;
    switch (rop2) {
    case 1: // R2_BLACK
        if (c)
            *c = Qt::black;
        break;
    case 16: // R2_WHITE
        if (c)
            *c = Qt::white;
        break;
    case 11: // R2_NOP
        return false;
    case 6: // R2_NOT
        m = QPainter::RasterOp_NotDestination;
        break;
    case 7: // R2_XORPEN
        m = QPainter::RasterOp_SourceXorDestination;
        break;
    case 9: // R2_MASKPEN
        m = QPainter::RasterOp_SourceAndDestination;
        break;
    case 15: // R2_MERGEPEN
        m = QPainter::RasterOp_SourceOrDestination;
        break;
    case 4: // R2_NOTCOPYPEN
        m = QPainter::RasterOp_NotSource;
        break;
    default:
        break;
    }
    p.setCompositionMode(m);
    return true;
}

} // namespace

Contexto::Contexto(QImage& imagem, const QRectF& r) : imagem_(imagem) {
    orçamento_ = 256.0 * imagem.width() * imagem.height() + double(1 << 22);
    if (!(std::isfinite(r.width()) && std::isfinite(r.height()) && r.width() != 0 &&
          r.height() != 0)) {
        falhou = true;
        return;
    }
    referência_ = QTransform::fromTranslate(-r.x(), -r.y()) *
                  QTransform::fromScale(imagem.width() / r.width(), imagem.height() / r.height());
    if (!finito(referência_))
        falhou = true;
    pintor_.begin(&imagem_);
}

bool Contexto::registro() {
    if (++registros_ > registrosMáximos)
        falhou = true;
    return !falhou;
}

QTransform Contexto::transformação() const {
    double sx = 1, sy = 1;
    const int m = e.modoMapa;
    if (m == 7 || m == 8) {
        sx = e.janelaExtensão.x() != 0 ? e.vistaExtensão.x() / e.janelaExtensão.x() : 0;
        sy = e.janelaExtensão.y() != 0 ? e.vistaExtensão.y() / e.janelaExtensão.y() : 0;
        if (m == 7) {
            const double s = std::min(std::abs(sx), std::abs(sy));
            sx = std::copysign(s, sx);
            sy = std::copysign(s, sy);
        }
    } else if (m >= 1 && m <= 6) {
        sx = unidadeFixa[m];
        sy = m == 1 ? sx : -sx;
    }
    const QTransform página(sx, 0, 0, sy, e.vistaOrigem.x() - e.janelaOrigem.x() * sx,
                            e.vistaOrigem.y() - e.janelaOrigem.y() * sy);
    return e.mundo * página * referência_;
}

double Contexto::escalaX() const {
    const QTransform t = transformação();
    return std::hypot(t.m11(), t.m12());
}

double Contexto::escalaY() const {
    const QTransform t = transformação();
    return std::hypot(t.m21(), t.m22());
}

// What a drawing call and a letter cost beyond their pixels, in pixels filled in the same time.
constexpr double custoDeChamada = 200, custoDeLetra = 1000;
// A letter filled as an outline, by pixel of its size.
constexpr double custoDeContorno = 15000;
// A pixel along a line (of a pen one pixel wide) or an edge of a filled shape, likewise: a thin
// line is drawn a pixel at a time, at about eight times a plain fill's cost.
constexpr double custoDeLinha = 8;

// How many times a fill's area is charged: patterns take many times a plain colour, and a hatch
// on an opaque background is a second fill.
double Contexto::demãos(const QBrush& b) const {
    const bool hachurado = b.style() >= Qt::HorPattern && b.style() <= Qt::DiagCrossPattern;
    if (hachurado)
        return e.fundoOpaco ? 17 : 16;
    return b.style() == Qt::TexturePattern ? 6 : 1;
}

// The largest pixel size, and width of a stretched letter, handed to the font engine.
constexpr int tamanhoModerado = 256;

// Every drawing is charged its area on the picture (and any extra work) against the picture's
// budget, and its coordinates are bounded: past either, the picture is given up.
bool Contexto::gasta(const QRectF& r, double extra, double vezes) {
    if (falhou)
        return false;
    const double limite = coordenadaMáxima;
    if (!(r.left() > -limite && r.right() < limite && r.top() > -limite && r.bottom() < limite)) {
        falhou = true;
        return false;
    }
    const QRectF visível = r.intersected(QRectF(imagem_.rect()).adjusted(-1, -1, 1, 1));
    orçamento_ -= vezes * visível.width() * visível.height() + extra + 1;
    if (orçamento_ < 0)
        falhou = true;
    return !falhou;
}

// The mapping is sound: no zero extents and nothing infinite. The area seen is charged that many
// times.
bool Contexto::dentro(const QRectF& r, double vezes) {
    const QTransform t = transformação();
    if (!finito(t) || t.determinant() == 0) {
        falhou = true;
        return false;
    }
    return gasta(r, 0, vezes);
}

// The length of a path's segments in pixels, each counted at least `mínimo` (a pen's width: the
// join or ends of a short segment of a wide pen cover that width squared) and, unless inteiro, at
// most the picture's width and height (no longer part of a segment can be seen). Curves count
// their control polygon, which is longer than the curve.
double Contexto::comprimento(const QPainterPath& c, bool inteiro, double mínimo) const {
    const double teto = inteiro ? 8 * coordenadaMáxima : imagem_.width() + imagem_.height();
    double soma = 0;
    for (int i = 1; i < c.elementCount(); ++i) {
        const QPainterPath::Element a = c.elementAt(i - 1), b = c.elementAt(i);
        if (!b.isMoveTo())
            soma += std::clamp(std::hypot(b.x - a.x, b.y - a.y), mínimo, std::max(mínimo, teto));
    }
    return soma;
}

// The crossings of a filled outline with the rows of the picture, squared and summed by row: Qt's
// scan conversion keeps a row's crossings in a list that it walks for each new one, in time that
// grows with the square of their number (seconds for a polygon of thousands of edges across the
// same rows, which the budget charged by their length). Curves count their control polygon.
double Contexto::cruzamentos(const QPainterPath& c) const {
    // Only the rows the outline spans are counted: most figures cover a few rows of the picture.
    const QRectF caixa = c.controlPointRect();
    const double altura = imagem_.height();
    const auto linha = [&](double y) { return std::clamp(y, 0.0, altura); };
    const double topo = linha(std::floor(caixa.top()));
    const std::size_t linhas = std::size_t(linha(std::ceil(caixa.bottom())) - topo);
    std::vector<double> início(linhas + 1, 0);
    for (int i = 1; i < c.elementCount(); ++i) {
        const QPainterPath::Element a = c.elementAt(i - 1), b = c.elementAt(i);
        if (b.isMoveTo())
            continue;
        ++início[std::size_t(linha(std::floor(std::min(a.y, b.y))) - topo)];
        --início[std::size_t(linha(std::ceil(std::max(a.y, b.y))) - topo)];
    }
    double k = 0, soma = 0;
    for (std::size_t y = 0; y < linhas; ++y) {
        k += início[y];
        soma += k * k;
    }
    return soma;
}

QPen Contexto::canetaReal() {
    const Caneta& c = e.caneta;
    if ((c.estilo & 0xF) == 5)
        return Qt::NoPen;
    // Wider than the picture: drawn as wide as the picture; far wider, or negative: damaged.
    const double máximo = std::max(imagem_.width(), imagem_.height());
    double largura = c.largura * std::max(escalaX(), escalaY());
    if (!(largura <= fatorDeDano * máximo) || c.largura < 0) {
        falhou = true;
        return Qt::NoPen;
    }
    largura = std::min(largura, máximo);
    if (!(largura > 1))
        largura = 1;
    QPen p(c.cor, largura);
    switch (c.estilo & 0xF) {
    case 1:
        p.setStyle(Qt::DashLine);
        break;
    case 2:
        p.setStyle(Qt::DotLine);
        break;
    case 3:
        p.setStyle(Qt::DashDotLine);
        break;
    case 4:
        p.setStyle(Qt::DashDotDotLine);
        break;
    default:
        break;
    }
    const int pontas = c.estilo & 0xF00, juntas = c.estilo & 0xF000;
    p.setCapStyle(pontas == 0x100 ? Qt::SquareCap : pontas == 0x200 ? Qt::FlatCap : Qt::RoundCap);
    p.setJoinStyle(juntas == 0x1000   ? Qt::BevelJoin
                   : juntas == 0x2000 ? Qt::MiterJoin
                                      : Qt::RoundJoin);
    return p;
}

namespace {

// A wide pen's outline is stroked in pieces of this many segments: Qt strokes one path in time
// that grows with the square of its segments (seconds for a polyline of thousands of short ones
// that the budget charges by their length).
constexpr int segmentosPorTraço = 64;

// Strokes the path in pieces that meet at a point, where their round ends make the round join of
// the whole; a dashed pen's pattern runs on from one piece to the next.
void traçaEmPartes(QPainter& p, const QPainterPath& caminho, QPen caneta) {
    p.setBrush(Qt::NoBrush);
    const auto traça = [&](const QPainterPath& c) { // drawn, not stroked as a fill: far faster
        p.setPen(caneta);
        p.drawPath(c);
    };
    QPainterPath peça;
    for (int i = 0; i < caminho.elementCount(); ++i) {
        const QPainterPath::Element e = caminho.elementAt(i);
        if (e.isMoveTo() || (peça.elementCount() >= segmentosPorTraço && !e.isCurveTo() &&
                             e.type != QPainterPath::CurveToDataElement)) {
            const QPointF fim = peça.currentPosition();
            traça(peça);
            if (caneta.style() > Qt::SolidLine) // an offset would make a solid pen dashed
                caneta.setDashOffset(caneta.dashOffset() + peça.length() / caneta.widthF());
            peça = QPainterPath(e.isMoveTo() ? QPointF(e) : fim);
            if (e.isMoveTo())
                continue;
        }
        if (e.isCurveTo() && i + 2 < caminho.elementCount()) {
            peça.cubicTo(e, caminho.elementAt(i + 1), caminho.elementAt(i + 2));
            i += 2;
        } else {
            peça.lineTo(e);
        }
    }
    traça(peça);
}

} // namespace

void Contexto::pinta(const QPainterPath& caminho, const QBrush& b, const QPen& caneta) {
    QPainter& p = pintor_;
    p.save();
    if (e.temRecorte)
        p.setClipPath(e.recorte);
    QColor c = caneta.color();
    if (!composição(p, e.rop2, &c)) {
        p.restore();
        return;
    }
    QPen pc = caneta;
    if (pc.style() != Qt::NoPen)
        pc.setColor(c);
    QBrush pb = b;
    if (c != caneta.color() && pb.style() != Qt::NoBrush)
        pb = QBrush(c);
    // A hatch's gaps take the background colour when the background is opaque.
    if (e.fundoOpaco && pb.style() >= Qt::HorPattern && pb.style() <= Qt::DiagCrossPattern)
        p.fillPath(caminho, e.corFundo);
    const bool partes =
        pc.style() != Qt::NoPen && pc.widthF() > 1 && caminho.elementCount() > segmentosPorTraço;
    p.setPen(partes ? QPen(Qt::NoPen) : pc);
    p.setBrush(pb);
    p.drawPath(caminho);
    if (partes)
        traçaEmPartes(p, caminho, pc);
    p.restore();
}

void Contexto::desenha(const QPainterPath& lógico, bool preenche, bool contorna) {
    if (falhou)
        return;
    const QTransform t = transformação();
    QPainterPath caminho = t.map(lógico);
    if (gravando_) {
        if (!gasta(caminho.boundingRect(), caminho.elementCount()))
            return;
        caminho_.addPath(caminho);
        return;
    }
    QPen caneta = contorna ? canetaReal() : QPen(Qt::NoPen);
    if (falhou)
        return;
    QBrush pincel(Qt::NoBrush);
    const Pincel& b = e.pincel;
    if (preenche && b.estilo != 1) {
        if (b.estilo == 2)
            pincel = QBrush(b.cor, hachura(b.hachura));
        else if ((b.estilo == 3 || b.estilo == 5 || b.estilo == 6) && !b.padrão.isNull())
            pincel = QBrush(b.padrão);
        else
            pincel = QBrush(b.cor);
    }
    if (caneta.style() == Qt::NoPen && pincel.style() == Qt::NoBrush)
        return;
    const double meia = caneta.style() == Qt::NoPen ? 0 : caneta.widthF() / 2 + 1;
    const QRectF caixa = caminho.boundingRect().adjusted(-meia, -meia, meia, meia);
    if (!dentro(caixa, pincel.style() == Qt::NoBrush ? 0 : demãos(pincel)))
        return;
    // Lines and edges cost their length, not their count of points: drawn at half the size, a
    // figure costs half as much. Dashes are laid along the whole outline, seen or not.
    const double espessura = caneta.style() == Qt::NoPen ? 1 : std::max(1.0, caneta.widthF());
    const bool tracejada = caneta.style() > Qt::SolidLine;
    const double linhas = (tracejada ? 2 : 1) * comprimento(caminho, tracejada, espessura);
    // The fill's crossings twice: the closing edges, and a hatch's background filled first.
    const double preenchimento = pincel.style() == Qt::NoBrush ? 0 : 2 * cruzamentos(caminho);
    if (!gasta({}, custoDeChamada + custoDeLinha * espessura * linhas + preenchimento))
        return;
    caminho.setFillRule(e.enrolamento ? Qt::WindingFill : Qt::OddEvenFill);
    pinta(caminho, pincel, caneta);
}

void Contexto::movePara(QPointF p) {
    e.atual = p;
    if (gravando_)
        caminho_.moveTo(mapeia(p));
}

void Contexto::linhaAté(QPointF p) {
    if (gravando_) {
        if (caminho_.elementCount() == 0)
            caminho_.moveTo(mapeia(e.atual));
        caminho_.lineTo(mapeia(p));
        e.atual = p;
        return;
    }
    QPainterPath c(e.atual);
    c.lineTo(p);
    desenha(c, false, true);
    e.atual = p;
}

void Contexto::polilinha(const QPolygonF& pontos, bool deAtual) {
    if (pontos.isEmpty())
        return;
    if (deAtual) {
        for (QPointF p : pontos)
            linhaAté(p);
        return;
    }
    QPainterPath c;
    c.addPolygon(pontos);
    desenha(c, false, true);
}

void Contexto::polígono(const std::vector<QPolygonF>& partes) {
    QPainterPath c;
    for (const QPolygonF& p : partes)
        if (!p.isEmpty()) {
            c.addPolygon(p);
            c.closeSubpath();
        }
    desenha(c, true, true);
}

void Contexto::bezier(const QPolygonF& p, bool deAtual) {
    QPainterPath c(deAtual ? e.atual : p.value(0));
    for (qsizetype i = deAtual ? 0 : 1; i + 2 < p.size(); i += 3)
        c.cubicTo(p[i], p[i + 1], p[i + 2]);
    if (deAtual && gravando_) {
        if (caminho_.elementCount() == 0)
            caminho_.moveTo(mapeia(e.atual));
        caminho_.connectPath(transformação().map(c));
    } else {
        desenha(c, false, true);
    }
    if (deAtual)
        e.atual = c.currentPosition();
}

// A pen inside the frame (PS_INSIDEFRAME) keeps its stroke within the bounding box given: the
// figure is drawn in a box smaller by half the pen's width all round.
QRectF Contexto::moldura(const QRectF& caixa) {
    const QRectF r = caixa.normalized();
    if ((e.caneta.estilo & 0xF) != 6)
        return r;
    const double metade = canetaReal().widthF() / 2;
    const double x = metade / escalaX(), y = metade / escalaY();
    if (!(metade > 0.5) || !std::isfinite(x) || !std::isfinite(y))
        return r;
    const QPointF centro = r.center();
    return QRectF(
        QPointF(std::min(r.left() + x, centro.x()), std::min(r.top() + y, centro.y())),
        QPointF(std::max(r.right() - x, centro.x()), std::max(r.bottom() - y, centro.y())));
}

void Contexto::retângulo(const QRectF& caixa, QSizeF cantos) {
    const QRectF r = moldura(caixa);
    QPainterPath c;
    if (cantos.isEmpty())
        c.addRect(r);
    else
        c.addRoundedRect(r, std::abs(cantos.width()) / 2, std::abs(cantos.height()) / 2);
    desenha(c, true, true);
}

void Contexto::elipse(const QRectF& r) {
    QPainterPath c;
    c.addEllipse(moldura(r));
    desenha(c, true, true);
}

void Contexto::arco(const QRectF& caixa, QPointF início, QPointF fim, Arco tipo) {
    const QRectF r = moldura(caixa);
    if (r.width() == 0 || r.height() == 0)
        return;
    const QPointF c = r.center();
    auto ângulo = [&](QPointF p) {
        return std::atan2(-(p.y() - c.y()) / r.height(), (p.x() - c.x()) / r.width()) * 180 /
               std::numbers::pi;
    };
    const double a1 = ângulo(início);
    double varre = ângulo(fim) - a1;
    if (e.arcoHorário) {
        while (varre >= 0)
            varre -= 360;
    } else {
        while (varre <= 0)
            varre += 360;
    }
    QPainterPath p;
    if (tipo == Arco::Pizza)
        p.moveTo(c);
    else if (tipo == Arco::Até)
        p.moveTo(e.atual);
    else
        p.arcMoveTo(r, a1);
    p.arcTo(r, a1, varre);
    if (tipo == Arco::Pizza || tipo == Arco::Corda)
        p.closeSubpath();
    if (tipo == Arco::Até)
        e.atual = p.currentPosition();
    desenha(p, tipo == Arco::Pizza || tipo == Arco::Corda, true);
}

void Contexto::pixel(QPointF p, QColor c) {
    const QPointF d = mapeia(p);
    const QRectF r(std::floor(d.x()), std::floor(d.y()), 1, 1);
    if (!dentro(r))
        return;
    pintor_.save();
    if (e.temRecorte)
        pintor_.setClipPath(e.recorte);
    pintor_.fillRect(r, c);
    pintor_.restore();
}

namespace {

QString qstring(const std::u16string& s) {
    return QString(reinterpret_cast<const QChar*>(s.data()), qsizetype(s.size()));
}

std::u16string_view vista(const QString& s) {
    return {reinterpret_cast<const char16_t*>(s.utf16()), std::size_t(s.size())};
}

} // namespace

bool Contexto::símbolos() const {
    return páginaDoConjunto(e.fonte.conjunto) == páginaSímbolo;
}

QString Contexto::decodifica(std::span<const std::uint8_t> bytes) const {
    const std::string_view v(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    if (símbolos())
        return qstring(decodificaSímbolos(v, vista(e.fonte.face)));
    if (const char* nome = nomeDaPágina(páginaDoConjunto(e.fonte.conjunto))) {
        QStringDecoder d(nome);
        if (d.isValid())
            return d(QByteArrayView(v.data(), qsizetype(v.size())));
    }
    return qstring(decodifica1252(v));
}

QString Contexto::decodifica(QString s) const {
    if (símbolos())
        for (QChar& c : s)
            c = símbolo(c.unicode(), vista(e.fonte.face));
    return s;
}

void Contexto::texto(QPointF ponto, const QString& s, const std::vector<double>& avanços,
                     int opções, const QRectF* retângulo) {
    if (falhou || gravando_)
        return;
    const QTransform t = transformação();
    if (!finito(t) || t.determinant() == 0) {
        falhou = true;
        return;
    }
    const Fonte& f = e.fonte;
    const double máximo = std::max(imagem_.width(), imagem_.height());
    double altura = f.altura == 0 ? 12 : std::abs(f.altura) * escalaY();
    if (!(altura <= fatorDeDano * máximo)) {
        falhou = true;
        return;
    }
    altura = std::min(altura, máximo);
    // A symbol font's characters are decoded to Unicode already; the font of its name may not
    // hold them, so they are drawn, as the document draws them, in the default face.
    QFont fonte(f.face.isEmpty() || símbolos() ? QStringLiteral("Sans Serif") : f.face);
    const int família = f.família & 0xF0;
    fonte.setStyleHint(família == 0x10   ? QFont::Serif
                       : família == 0x30 ? QFont::TypeWriter
                                         : QFont::SansSerif);
    // The pixel size and stretch asked for; the font engine is handed them only while moderate
    // (its glyph rasteriser fails on huge stretched glyphs). Beyond, the letters are outlines of
    // the font at a moderate size, scaled to the size asked for.
    double tamanho = altura;
    fonte.setPixelSize(arredondadoLimitado(tamanho, 1, tamanhoModerado));
    if (f.altura > 0) {
        // A positive height is the character cell's: the em is that less the leading.
        double célula = QFontMetricsF(fonte).height();
        if (altura > tamanhoModerado)
            célula *= altura / fonte.pixelSize();
        if (célula > 0) {
            tamanho = std::max(1.0, altura * altura / célula);
            fonte.setPixelSize(arredondadoLimitado(tamanho, 1, tamanhoModerado));
        }
    }
    fonte.setWeight(QFont::Weight(std::clamp(f.peso == 0 ? 400 : f.peso, 100, 900)));
    fonte.setItalic(f.itálico);
    fonte.setUnderline(f.sublinhado);
    fonte.setStrikeOut(f.riscado);
    double estiramento = 100;
    bool estica = false;
    if (f.largura != 0) {
        double média = QFontMetricsF(fonte).averageCharWidth();
        if (tamanho > tamanhoModerado)
            média *= tamanho / fonte.pixelSize();
        if (média > 0) {
            estiramento = inteiroLimitado(100 * std::abs(f.largura) * escalaX() / média, 1, 4000);
            estica = true;
        }
    }
    const bool contorno =
        tamanho > tamanhoModerado || tamanho * estiramento / 100 > tamanhoModerado;
    // The outline's scale: the moderate font's letters to the size and stretch asked for.
    double sx = 1, sy = 1;
    if (contorno) {
        sy = tamanho / fonte.pixelSize();
        sx = sy * estiramento / 100;
    } else if (estica) {
        fonte.setStretch(int(estiramento));
    }
    const QFontMetricsF m(fonte);
    const double ascendente = m.ascent() * sy, descendente = m.descent() * sy;

    const bool atualiza = e.alinhamento & 1;
    const QPointF origem = atualiza ? e.atual : ponto;
    const QPointF o = t.map(origem);
    std::vector<double> passos;
    double largura = 0;
    if (avanços.size() == std::size_t(s.size())) {
        for (double a : avanços) {
            passos.push_back(a * escalaX());
            largura += passos.back();
        }
    } else {
        largura = m.horizontalAdvance(s) * sx;
    }
    if (!std::isfinite(largura) || std::abs(largura) > coordenadaMáxima) {
        falhou = true;
        return;
    }
    const int horizontal = e.alinhamento & 6, vertical = e.alinhamento & 24;
    const double x = horizontal == 2 ? -largura : horizontal == 6 ? -largura / 2 : 0;
    const double y = vertical == 24 ? 0 : vertical == 8 ? -descendente : ascendente;
    const QRectF caixa(x, y - ascendente, largura, ascendente + descendente);
    QTransform local = QTransform::fromTranslate(o.x(), o.y());
    local.rotate(-f.escapamento / 10.0);
    // Letters larger than Qt's glyph cache takes (64 pixels) are filled as outlines, each in time
    // that grows with its size: a fifth of a millisecond at 100 pixels, half at 256.
    const double pixels = tamanho * std::max(1.0, estiramento / 100);
    const double letra = pixels > 64 ? custoDeContorno * pixels : custoDeLetra;
    if (!gasta(local.mapRect(caixa), custoDeChamada + letra * double(s.size())))
        return;

    QPainter& p = pintor_;
    p.save();
    if (e.temRecorte)
        p.setClipPath(e.recorte);
    if (retângulo && (opções & 2) && !retângulo->normalized().isEmpty() &&
        gasta(t.mapRect(*retângulo)))
        p.fillRect(t.mapRect(retângulo->normalized()), e.corFundo);
    if (retângulo && (opções & 4))
        p.setClipRect(t.mapRect(retângulo->normalized()), Qt::IntersectClip);
    p.setTransform(local);
    p.setRenderHint(QPainter::TextAntialiasing);
    if (e.fundoOpaco)
        p.fillRect(caixa, e.corFundo);
    // Each piece of text is drawn, or for an outline added in the moderate font's units.
    QPainterPath letras;
    const auto escreve = [&](double a, const QString& t) {
        if (contorno)
            letras.addText(QPointF(a / sx, y / sy), fonte, t);
        else
            p.drawText(QPointF(a, y), t);
    };
    p.setFont(fonte);
    p.setPen(e.corTexto);
    if (passos.empty()) {
        escreve(x, s);
    } else {
        double a = x;
        for (qsizetype i = 0; i < s.size(); ++i) {
            escreve(a, QString(s[i]));
            a += passos[std::size_t(i)];
        }
    }
    if (contorno) { // the painter scales the outline to the size asked for
        p.setTransform(QTransform::fromScale(sx, sy) * local);
        p.setRenderHint(QPainter::Antialiasing);
        p.fillPath(letras, e.corTexto);
    }
    p.restore();
    if (atualiza) {
        const double lógica = escalaX() > 0 ? largura / escalaX() : 0;
        e.atual = origem + QPointF(horizontal == 2 ? -lógica : horizontal == 6 ? 0 : lógica, 0);
    }
}

void Contexto::bitmap(const QImage& b, QRectF fonte, const QRectF& destino, std::uint32_t rop,
                      double opacidade) {
    if (falhou || gravando_ || b.isNull() || fonte.width() == 0 || fonte.height() == 0)
        return;
    const QTransform t = transformação();
    if (!dentro(t.mapRect(destino)) || !gasta({}, custoDeChamada + double(b.width()) * b.height()))
        return;
    const QTransform posição =
        QTransform::fromTranslate(-fonte.x(), -fonte.y()) *
        QTransform::fromScale(destino.width() / fonte.width(), destino.height() / fonte.height()) *
        QTransform::fromTranslate(destino.x(), destino.y()) * t;
    if (!finito(posição))
        return;
    QPainter& p = pintor_;
    p.save();
    if (e.temRecorte)
        p.setClipPath(e.recorte);
    switch (rop >> 16) {
    case 0x88:
        p.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
        break;
    case 0xEE:
        p.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
        break;
    case 0x66:
        p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        break;
    case 0x33:
        p.setCompositionMode(QPainter::RasterOp_NotSource);
        break;
    default:
        break;
    }
    p.setTransform(posição);
    p.setOpacity(opacidade);
    // Made smaller, a bitmap is smoothed; made larger, its pixels stay sharp.
    p.setRenderHint(QPainter::SmoothPixmapTransform,
                    std::abs(posição.m11()) < 1 || std::abs(posição.m22()) < 1);
    // The image may hold only some lines of the bitmap, placed by its offset.
    const QRectF linhas(b.offset(), b.size());
    const QRectF parte = fonte.normalized().intersected(linhas);
    if (!parte.isEmpty())
        p.drawImage(parte.topLeft(), b, parte.translated(-b.offset()));
    p.restore();
}

void Contexto::padrão(const QRectF& destino, std::uint32_t rop) {
    const int r = int(rop >> 16);
    const QColor antes = e.pincel.cor;
    const int estilo = e.pincel.estilo, rop2 = e.rop2;
    const Caneta caneta = e.caneta;
    e.caneta.estilo = 5;
    if (r == 0x00 || r == 0xFF) {
        e.pincel.estilo = 0;
        e.pincel.cor = r == 0 ? Qt::black : Qt::white;
    } else if (r == 0x55) {
        e.rop2 = 6;
    } else if (r == 0x5A) {
        e.rop2 = 7;
    } else if (r != 0xF0) {
        e.caneta = caneta;
        return;
    }
    QPainterPath c;
    c.addRect(destino);
    desenha(c, true, false);
    e.pincel.cor = antes;
    e.pincel.estilo = estilo;
    e.rop2 = rop2;
    e.caneta = caneta;
}

void Contexto::recorteCaminho(const QPainterPath& pixels, int modo) {
    if (falhou)
        return;
    // Boolean operations grow with the outline: each is charged its size.
    if (!gasta({}, 64.0 * (pixels.elementCount() + e.recorte.elementCount())))
        return;
    QPainterPath tudo;
    tudo.addRect(QRectF(imagem_.rect()).adjusted(-2, -2, 2, 2));
    const QPainterPath atual = e.temRecorte ? e.recorte : tudo;
    switch (modo) {
    case 1:
        e.recorte = atual.intersected(pixels);
        break;
    case 2:
        e.recorte = atual.united(pixels);
        break;
    case 3:
        e.recorte = atual.united(pixels).subtracted(atual.intersected(pixels));
        break;
    case 4:
        e.recorte = atual.subtracted(pixels);
        break;
    default:
        e.recorte = pixels;
        break;
    }
    e.temRecorte = true;
}

void Contexto::recorteIntersecta(const QRectF& r) {
    QPainterPath c;
    c.addRect(r.normalized());
    recorteCaminho(transformação().map(c), 1);
}

void Contexto::recorteExclui(const QRectF& r) {
    QPainterPath c;
    c.addRect(r.normalized());
    recorteCaminho(transformação().map(c), 4);
}

void Contexto::recorteLimpa() {
    e.temRecorte = false;
    e.recorte = {};
}

void Contexto::abreCaminho() {
    gravando_ = true;
    caminho_ = {};
}

void Contexto::desenhaCaminho(bool preenche, bool contorna) {
    gravando_ = false;
    QPainterPath c = caminho_;
    caminho_ = {};
    // The path is kept in pixels: drawn through the inverse of the mapping in force.
    bool inversível = false;
    const QTransform inversa = transformação().inverted(&inversível);
    if (inversível)
        desenha(inversa.map(c), preenche, contorna);
}

void Contexto::recorteDoCaminho(int modo) {
    gravando_ = false;
    recorteCaminho(caminho_, modo);
    caminho_ = {};
}

void Contexto::criaObjeto(Objeto o) {
    for (Objeto& x : objetos)
        if (x.tipo == Objeto::Tipo::Vazio) {
            x = std::move(o);
            return;
        }
    // Writers that undercount their objects are common: the table grows, within the limit.
    if (objetos.size() >= objetosMáximos) {
        falhou = true;
        return;
    }
    objetos.push_back(std::move(o));
}

void Contexto::põeObjeto(std::size_t i, Objeto o) {
    // Past the count the header gives: the table grows, within the limit.
    if (i >= objetosMáximos) {
        falhou = true;
        return;
    }
    if (i >= objetos.size())
        objetos.resize(i + 1);
    objetos[i] = std::move(o);
}

// An object that does not exist fails the call, and the picture goes on.
void Contexto::selecionaObjeto(std::size_t i) {
    if (i >= objetos.size())
        return;
    const Objeto& o = objetos[i];
    switch (o.tipo) {
    case Objeto::Tipo::Caneta:
        e.caneta = o.caneta;
        break;
    case Objeto::Tipo::Pincel:
        e.pincel = o.pincel;
        break;
    case Objeto::Tipo::Fonte:
        e.fonte = o.fonte;
        break;
    case Objeto::Tipo::Paleta:
        e.paleta = o.paleta;
        break;
    default:
        break;
    }
}

void Contexto::apagaObjeto(std::size_t i) {
    if (i < objetos.size())
        objetos[i] = {};
}

void Contexto::selecionaEstoque(std::uint32_t n) {
    static const int cinzas[] = {255, 192, 128, 64, 0};
    if (n <= 4) {
        e.pincel = {0, QColor(cinzas[n], cinzas[n], cinzas[n]), 0, {}};
    } else if (n == 5) {
        e.pincel.estilo = 1;
    } else if (n == 6 || n == 7) {
        e.caneta = {0, 0, n == 6 ? Qt::white : Qt::black};
    } else if (n == 8) {
        e.caneta.estilo = 5;
    } else if (n >= 10 && n <= 17 && n != 15) {
        e.fonte = {};
    }
}

void Contexto::salva() {
    if (int(pilha_.size()) >= pilhaMáxima)
        falhou = true;
    else
        pilha_.push_back(e);
}

void Contexto::restaura(int n) {
    // Negative: that many saved states back; positive: the saved state of that number.
    const int tamanho = int(pilha_.size());
    const int alvo = n < 0 ? tamanho + n : n - 1;
    if (alvo < 0 || alvo >= tamanho)
        return;
    e = pilha_[std::size_t(alvo)];
    pilha_.resize(std::size_t(alvo));
}

} // namespace vb::rtf::mf
