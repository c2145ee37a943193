// Writes a lesson text as RTF from its source text.
//
//   gerar_licao FONTE.txt SAIDA.rtf
//
// The source is UTF-8, one element per line:
//   %% comment                      ignored (so are blank lines)
//   @pagina N                       the marker of page N ("Pg N", right-aligned, bold)
//   @pagina N idioma                the same, with a language change between "Pg " and N
//   @titulo Texto                   the page's heading
//   @subtitulo Texto                a smaller heading inside the page
//   * Texto                         a bulleted paragraph
//   @espaco N                       N empty lines (room where a figure stands over the text)
//   @wmf L A  ... @fim              a picture drawn as a Windows metafile, L x A pixels
//   @png L A  ... @fim              the same drawing embedded as a PNG
//   anything else                   a paragraph; **text** is bold
// Drawing commands: the drawing language of desenho.h, in both kinds of picture. A metafile's
// text is written in Windows-1252 with an Arial font of the ANSI charset; a character outside that
// code page is an error.

#include "desenho.h"

#include <QBuffer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QRegularExpression>
#include <QStringEncoder>
#include <QStringList>
#include <QTransform>
#include <QtMath>
#include <cstdio>
#include <optional>

namespace {

QByteArray Rtf(const QString& texto) {
    QByteArray s;
    for (const QChar ch : texto) {
        const ushort u = ch.unicode();
        if (u == '\\' || u == '{' || u == '}') {
            s += '\\';
            s += char(u);
        } else if (u < 0x80) {
            s += char(u);
        } else {
            QStringEncoder cp1252("windows-1252");
            const QByteArray b = cp1252.encode(QString(ch));
            if (b.size() == 1 && !cp1252.hasError())
                s += "\\'" + QByteArray::number(uchar(b[0]), 16).rightJustified(2, '0');
            else
                s += "\\u" + QByteArray::number(short(u)) + "?";
        }
    }
    return s;
}

// "**bold**" spans of a paragraph.
QByteArray Parágrafo(const QString& linha) {
    QByteArray s;
    const QStringList partes = linha.split(QStringLiteral("**"));
    for (int i = 0; i < partes.size(); ++i) {
        if (i % 2)
            s += "{\\b " + Rtf(partes[i]) + "}";
        else
            s += Rtf(partes[i]);
    }
    return s;
}

struct Comando {
    QString nome;
    QStringList args;
};

int N(const QStringList& a, int i) {
    return i < a.size() ? a[i].toInt() : 0;
}

// The bytes of a text in Windows-1252, the code page of a font with the ANSI charset; false when
// a character has no place in it (it would be lost on the way).
bool Cp1252(const QString& texto, QByteArray* bytes) {
    *bytes = QStringEncoder("windows-1252").encode(texto);
    return QString(QStringDecoder("windows-1252").decode(*bytes)) == texto;
}

// --- Windows metafile, as a Windows program's drawing records it (without the placeable header,
// as RTF keeps it): one logical unit to the pixel, objects in the lowest free slot of the object
// table, text on its baseline in an ANSI-charset font.
class Metafile {
  public:
    Metafile(int l, int a) : l_(l), a_(a) {
        registro(0x0103, {8});                      // SetMapMode anisotropic
        registro(0x020B, {0, 0});                   // SetWindowOrg
        registro(0x020C, {quint16(a), quint16(l)}); // SetWindowExt(y, x)
        registro(0x0102, {1});                      // SetBkMode transparent
        registro(0x012E, {24});                     // SetTextAlign TA_BASELINE | TA_LEFT
        selecionaCaneta();
        selecionaPincel();
        selecionaFonte();
    }
    void caneta(QColor cor, int largura) {
        caneta_ = cor;
        larguraCaneta_ = largura;
        selecionaCaneta();
    }
    void tracejado(bool sim) {
        tracejado_ = sim;
        selecionaCaneta();
    }
    void pincel(std::optional<QColor> cor) {
        pincel_ = cor;
        selecionaPincel();
    }
    void fonte(int pixels, bool negrito) {
        pixelsFonte_ = pixels;
        negrito_ = negrito;
        selecionaFonte();
    }
    void linha(int x1, int y1, int x2, int y2) {
        registro(0x0214, {quint16(y1), quint16(x1)}); // MoveTo
        registro(0x0213, {quint16(y2), quint16(x2)}); // LineTo
    }
    void retângulo(int x, int y, int l, int a) {
        registro(0x041B, {quint16(y + a), quint16(x + l), quint16(y), quint16(x)});
    }
    void elipse(int x, int y, int l, int a) {
        registro(0x0418, {quint16(y + a), quint16(x + l), quint16(y), quint16(x)});
    }
    void polígono(const QPolygon& p, bool fechado) {
        QList<quint16> params{quint16(p.size())};
        for (const QPoint& q : p)
            params << quint16(q.x()) << quint16(q.y());
        registro(fechado ? 0x0324 : 0x0325, params); // Polygon, Polyline
    }
    // Angles in degrees, counter-clockwise from three o'clock, as the drawing language has them;
    // the metafile's arc runs counter-clockwise from its start ray to its end ray.
    void arco(int x, int y, int l, int a, double início, double extensão) {
        if (extensão < 0) {
            início += extensão;
            extensão = -extensão;
        }
        auto ponto = [&](double graus) {
            const double r = qDegreesToRadians(graus);
            return QPoint(qRound(x + l / 2.0 * (1 + qCos(r))), qRound(y + a / 2.0 * (1 - qSin(r))));
        };
        const QPoint i = ponto(início), f = ponto(início + extensão);
        registro(0x0817, {quint16(f.y()), quint16(f.x()), quint16(i.y()), quint16(i.x()),
                          quint16(y + a), quint16(x + l), quint16(y), quint16(x)});
    }
    void seta(int x1, int y1, int x2, int y2) {
        linha(x1, y1, x2, y2);
        const double ang = qAtan2(y2 - y1, x2 - x1), t = 7, abertura = 0.4;
        const QPoint b(x2, y2);
        QPolygon ponta{
            b, b - QPoint(qRound(t * qCos(ang - abertura)), qRound(t * qSin(ang - abertura))),
            b - QPoint(qRound(t * qCos(ang + abertura)), qRound(t * qSin(ang + abertura)))};
        const auto antes = pincel_;
        pincel(caneta_);
        polígono(ponta, true);
        pincel(antes);
    }
    void fundo(QColor cor) {
        const auto antes = pincel_;
        semCaneta_ = true;
        selecionaCaneta();
        pincel(cor);
        retângulo(0, 0, l_ + 1, a_ + 1);
        semCaneta_ = false;
        selecionaCaneta();
        pincel(antes);
    }
    // The text in the pen's colour, as the drawing language writes it.
    void texto(int x, int y, const QByteArray& t) {
        if (corTexto_ != caneta_) {
            corTexto_ = caneta_;
            registro(0x0209, cor(caneta_)); // SetTextColor
        }
        QList<quint16> p{quint16(y), quint16(x), quint16(t.size()), 0}; // no options, no clip
        p << palavras(t);
        registro(0x0A32, p); // ExtTextOut
    }
    QByteArray bytes() {
        for (int* o : {&caneta0_, &pincel0_, &fonte0_}) {
            registro(0x01F0, {quint16(*o)}); // DeleteObject
            ocupados_[*o] = false;
        }
        registro(0x0000, {});
        QByteArray h;
        auto w16 = [&](quint16 v) { h += char(v & 0xFF), h += char(v >> 8); };
        auto w32 = [&](quint32 v) { w16(v & 0xFFFF), w16(v >> 16); };
        w16(1);                                 // memory metafile
        w16(9);                                 // header size in words
        w16(0x0300);                            // version
        w32(quint32((18 + corpo_.size()) / 2)); // size in words
        w16(quint16(ocupados_.size()));         // slots of the object table
        w32(maior_);                            // largest record in words
        w16(0);
        return h + corpo_;
    }

  private:
    static QList<quint16> cor(QColor c) {
        return {quint16(c.red() | (c.green() << 8)), quint16(c.blue())};
    }
    static QList<quint16> palavras(QByteArray b) {
        if (b.size() % 2)
            b += '\0';
        QList<quint16> p;
        for (int i = 0; i < b.size(); i += 2)
            p << quint16(uchar(b[i]) | (uchar(b[i + 1]) << 8));
        return p;
    }
    void selecionaCaneta() {
        const quint16 estilo = semCaneta_ ? 5 : tracejado_ ? 1 : 0; // PS_NULL, PS_DASH, PS_SOLID
        seleciona(&caneta0_, 0x02FA,
                  QList<quint16>{estilo, quint16(larguraCaneta_), 0} + cor(caneta_));
    }
    void selecionaPincel() {
        // BS_SOLID or BS_NULL, the colour, no hatch.
        seleciona(&pincel0_, 0x02FC,
                  QList<quint16>{quint16(pincel_ ? 0 : 1)} + cor(pincel_.value_or(Qt::black)) +
                      QList<quint16>{0});
    }
    void selecionaFonte() {
        // LOGFONT: a negative height is the character height; ANSI_CHARSET, default precisions
        // and quality, variable pitch in the swiss family, the face name in 32 bytes.
        QList<quint16> p{quint16(-pixelsFonte_), 0, 0, 0, quint16(negrito_ ? 700 : 400), 0, 0, 0,
                         quint16(0x22 << 8)};
        p << palavras(QByteArray("Arial").leftJustified(32, '\0'));
        seleciona(&fonte0_, 0x02FB, p);
    }
    // Creates the object in the lowest free slot, selects it and deletes the one it replaces.
    void seleciona(int* atual, quint16 criação, const QList<quint16>& params) {
        const int livre =
            int(std::find(ocupados_.begin(), ocupados_.end(), false) - ocupados_.begin());
        if (livre == int(ocupados_.size()))
            ocupados_.push_back(true);
        ocupados_[livre] = true;
        registro(criação, params);
        registro(0x012D, {quint16(livre)}); // SelectObject
        if (*atual >= 0) {
            registro(0x01F0, {quint16(*atual)});
            ocupados_[*atual] = false;
        }
        *atual = livre;
    }
    void registro(quint16 função, const QList<quint16>& params) {
        const quint32 tamanho = 3 + params.size();
        maior_ = std::max(maior_, tamanho);
        auto w16 = [&](quint16 v) { corpo_ += char(v & 0xFF), corpo_ += char(v >> 8); };
        w16(tamanho & 0xFFFF);
        w16(tamanho >> 16);
        w16(função);
        for (quint16 p : params)
            w16(p);
    }
    int l_, a_;
    QByteArray corpo_;
    quint32 maior_ = 0;
    std::vector<bool> ocupados_;
    int caneta0_ = -1, pincel0_ = -1, fonte0_ = -1;
    QColor caneta_ = Qt::black;
    int larguraCaneta_ = 1;
    bool tracejado_ = false, semCaneta_ = false;
    std::optional<QColor> pincel_;
    std::optional<QColor> corTexto_;
    int pixelsFonte_ = 11;
    bool negrito_ = false;
};

// One command of the drawing language into the metafile; an error message when it has none.
QString Desenha(Metafile& m, const Comando& c) {
    const QStringList& p = c.args;
    auto cor = [&](int i) { return QColor(N(p, i), N(p, i + 1), N(p, i + 2)); };
    auto num = [&](int i) { return i < p.size() ? p[i].toDouble() : 0.0; };
    if (c.nome == "caneta") {
        m.caneta(cor(0), p.size() > 3 ? N(p, 3) : 1);
    } else if (c.nome == "tracejado") {
        m.tracejado(p.value(0) == "sim");
    } else if (c.nome == "pincel") {
        m.pincel(p.value(0) == "nenhum" ? std::nullopt : std::optional<QColor>(cor(0)));
    } else if (c.nome == "fundo") {
        m.fundo(cor(0));
    } else if (c.nome == "fonte") {
        m.fonte(qMax(6, N(p, 0)), p.value(1) == "negrito");
    } else if (c.nome == "linha" || c.nome == "seta") {
        const auto traço = c.nome == "linha" ? &Metafile::linha : &Metafile::seta;
        (m.*traço)(N(p, 0), N(p, 1), N(p, 2), N(p, 3));
    } else if (c.nome == "retangulo") {
        m.retângulo(N(p, 0), N(p, 1), N(p, 2), N(p, 3));
    } else if (c.nome == "elipse") {
        m.elipse(N(p, 0), N(p, 1), N(p, 2), N(p, 3));
    } else if (c.nome == "elipserot") {
        // A turned ellipse as the polygon of its outline.
        QTransform t;
        t.translate(num(0), num(1)).rotate(num(4));
        QPolygon pol;
        for (int g = 0; g < 360; g += 5)
            pol << t.map(QPointF(num(2) * qCos(qDegreesToRadians(double(g))),
                                 num(3) * qSin(qDegreesToRadians(double(g)))))
                       .toPoint();
        m.polígono(pol, true);
    } else if (c.nome == "arco") {
        m.arco(N(p, 0), N(p, 1), N(p, 2), N(p, 3), num(4), num(5));
    } else if (c.nome == "poligono" || c.nome == "polilinha") {
        QPolygon pol;
        for (int i = 0; i + 1 < p.size(); i += 2)
            pol << QPoint(N(p, i), N(p, i + 1));
        m.polígono(pol, c.nome == "poligono");
    } else if (c.nome == "texto") {
        QByteArray bytes;
        if (!Cp1252(p.mid(2).join(' '), &bytes))
            return QStringLiteral("texto fora do Windows-1252: %1").arg(p.mid(2).join(' '));
        m.texto(N(p, 0), N(p, 1), bytes);
    } else {
        return QStringLiteral("comando desconhecido: %1").arg(c.nome);
    }
    return {};
}

QByteArray Hex(const QByteArray& dados) {
    QByteArray h = dados.toHex();
    QByteArray s;
    for (int i = 0; i < h.size(); i += 128)
        s += h.mid(i, 128) + "\n";
    return s;
}

QByteArray Desenho(bool wmf, int l, int a, const QList<Comando>& cmds, QStringList* erros) {
    QByteArray dados;
    if (wmf) {
        Metafile m(l, a);
        for (const Comando& c : cmds)
            if (const QString e = Desenha(m, c); !e.isEmpty())
                erros->append(e);
        dados = m.bytes();
    } else {
        QStringList linhas;
        for (const Comando& c : cmds)
            linhas << c.nome + QLatin1Char(' ') + c.args.join(QLatin1Char(' '));
        const QImage img = desenho::Desenhar(l, a, linhas, erros);
        QBuffer b(&dados);
        b.open(QIODevice::WriteOnly);
        img.save(&b, "PNG");
    }
    // Sizes: \picw/\pich in hundredths of a millimetre for metafiles, pixels for PNG; the goal
    // size in twips (15 a pixel).
    const int pw = wmf ? l * 2646 / 100 : l, ph = wmf ? a * 2646 / 100 : a;
    return QByteArray("{\\pict") + (wmf ? "\\wmetafile8" : "\\pngblip") + "\\picw" +
           QByteArray::number(pw) + "\\pich" + QByteArray::number(ph) + "\\picwgoal" +
           QByteArray::number(l * 15) + "\\pichgoal" + QByteArray::number(a * 15) + "\n" +
           Hex(dados) + "}";
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "uso: gerar_licao FONTE.txt SAIDA.rtf\n");
        return 2;
    }
    QFile fonte(QString::fromLocal8Bit(argv[1]));
    if (!fonte.open(QIODevice::ReadOnly | QIODevice::Text)) {
        std::fprintf(stderr, "gerar_licao: não consigo ler %s\n", argv[1]);
        return 1;
    }
    const QStringList linhas = QString::fromUtf8(fonte.readAll()).split('\n');

    QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1046"
                     "{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}{\\f1\\fnil\\fcharset2 Symbol;}}\n"
                     "{\\colortbl ;\\red0\\green0\\blue0;\\red0\\green51\\blue128;"
                     "\\red128\\green0\\blue0;}\n"
                     "\\viewkind4\\uc1\\pard\\lang1046\\f0\\fs20\n";
    const QByteArray normal = "\\pard\\sa60\\qj\\lang1046\\f0\\fs20 ";
    int erros = 0;
    for (int i = 0; i < linhas.size(); ++i) {
        const QString linha = linhas[i].trimmed();
        if (linha.isEmpty() || linha.startsWith(QStringLiteral("%%")))
            continue;
        const QStringList p = linha.split(' ', Qt::SkipEmptyParts);
        const QString resto = linha.section(' ', 1);
        if (p[0] == "@pagina") {
            const QByteArray n = p.value(1).toUtf8();
            if (p.size() > 2)
                rtf +=
                    "\\pard\\qr\\sb120\\b\\f0\\fs20 Pg \\lang1033 " + n + "\\lang1046\\b0\\par\n";
            else
                rtf += "\\pard\\qr\\sb120\\b\\f0\\fs20 Pg " + n + "\\b0\\par\n";
        } else if (p[0] == "@titulo") {
            rtf += "\\pard\\sa120\\b\\cf2\\fs24 " + Rtf(resto) + "\\cf0\\b0\\fs20\\par\n";
        } else if (p[0] == "@subtitulo") {
            rtf += "\\pard\\sb60\\sa60\\b\\cf3 " + Rtf(resto) + "\\cf0\\b0\\par\n";
        } else if (p[0] == "*") {
            rtf += "\\pard{\\pntext\\f1\\'b7\\tab}{\\*\\pn\\pnlvlblt\\pnf1\\pnindent200"
                   "{\\pntxtb\\'b7}}\\fi-200\\li200\\sa40\\f0\\fs20 " +
                   Parágrafo(resto) + "\\par\n";
        } else if (p[0] == "@espaco") {
            for (int k = 0; k < p.value(1).toInt(); ++k)
                rtf += "\\pard\\par\n";
        } else if (p[0] == "@wmf" || p[0] == "@png") {
            QList<Comando> cmds;
            int j = i + 1;
            for (; j < linhas.size() && linhas[j].trimmed() != "@fim"; ++j) {
                const QStringList c = linhas[j].trimmed().split(' ', Qt::SkipEmptyParts);
                if (!c.isEmpty() && !c[0].startsWith("%%"))
                    cmds.append({c[0], c.mid(1)});
            }
            if (j == linhas.size()) {
                std::fprintf(stderr, "linha %d: desenho sem @fim\n", i + 1);
                ++erros;
            }
            QStringList problemas;
            rtf +=
                "\\pard\\qc " +
                Desenho(p[0] == "@wmf", p.value(1).toInt(), p.value(2).toInt(), cmds, &problemas) +
                "\\par\n";
            for (const QString& e : problemas)
                std::fprintf(stderr, "linha %d: %s\n", i + 1, qPrintable(e));
            erros += int(problemas.size());
            i = j;
        } else if (p[0].startsWith('@')) {
            std::fprintf(stderr, "linha %d: comando desconhecido %s\n", i + 1, qPrintable(p[0]));
            ++erros;
        } else {
            rtf += normal + Parágrafo(linha) + "\\par\n";
        }
    }
    rtf += "}\n";
    QFile saída(QString::fromLocal8Bit(argv[2]));
    if (erros || !saída.open(QIODevice::WriteOnly) || saída.write(rtf) != rtf.size()) {
        std::fprintf(stderr, "gerar_licao: %s não foi escrito\n", argv[2]);
        return 1;
    }
    return 0;
}
