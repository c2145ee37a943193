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
// Drawing commands (coordinates in pixels of the picture):
//   caneta R G B [largura]   pincel R G B | pincel nenhum   linha X1 Y1 X2 Y2
//   retangulo X Y L A        elipse X Y L A                  texto X Y palavras...

#include "desenho.h"

#include <QBuffer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QRegularExpression>
#include <QStringEncoder>
#include <QStringList>
#include <cstdio>

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

// --- Windows metafile (without the placeable header, as RTF keeps it) ---
class Metafile {
  public:
    Metafile(int l, int a) {
        registro(0x020C, {quint16(a), quint16(l)}); // SetWindowExt(y, x)
        registro(0x020B, {0, 0});                   // SetWindowOrg
        registro(0x0103, {8});                      // SetMapMode anisotropic
        registro(0x0102, {1});                      // SetBkMode transparent
        caneta(0, 0, 0, 1);
        pincel(false, 255, 255, 255);
    }
    void caneta(int r, int g, int b, int w) {
        apagar(penAtual_);
        registro(0x02FA, {0, quint16(w), 0, quint16(r | (g << 8)), quint16(b)});
        penAtual_ = objetos_++;
        registro(0x012D, {quint16(penAtual_)});
    }
    void pincel(bool sólido, int r, int g, int b) {
        apagar(pincelAtual_);
        registro(0x02FC, {quint16(sólido ? 0 : 1), quint16(r | (g << 8)), quint16(b), 0});
        pincelAtual_ = objetos_++;
        registro(0x012D, {quint16(pincelAtual_)});
    }
    void linha(int x1, int y1, int x2, int y2) {
        registro(0x0214, {quint16(y1), quint16(x1)});
        registro(0x0213, {quint16(y2), quint16(x2)});
    }
    void retângulo(int x, int y, int l, int a) {
        registro(0x041B, {quint16(y + a), quint16(x + l), quint16(y), quint16(x)});
    }
    void elipse(int x, int y, int l, int a) {
        registro(0x0418, {quint16(y + a), quint16(x + l), quint16(y), quint16(x)});
    }
    void texto(int x, int y, const QByteArray& t) {
        QList<quint16> p{quint16(t.size())};
        QByteArray b = t;
        if (b.size() % 2)
            b += '\0';
        for (int i = 0; i < b.size(); i += 2)
            p << quint16(uchar(b[i]) | (uchar(b[i + 1]) << 8));
        p << quint16(y) << quint16(x);
        registro(0x0521, p);
    }
    QByteArray bytes() {
        apagar(penAtual_);
        apagar(pincelAtual_);
        registro(0x0000, {});
        QByteArray h;
        auto w16 = [&](quint16 v) { h += char(v & 0xFF), h += char(v >> 8); };
        auto w32 = [&](quint32 v) { w16(v & 0xFFFF), w16(v >> 16); };
        w16(1);                                 // memory metafile
        w16(9);                                 // header size in words
        w16(0x0300);                            // version
        w32(quint32((18 + corpo_.size()) / 2)); // size in words
        w16(quint16(objetos_ + 2));             // number of objects
        w32(maior_);                            // largest record in words
        w16(0);
        return h + corpo_;
    }

  private:
    void apagar(int objeto) {
        if (objeto >= 0)
            registro(0x01F0, {quint16(objeto)});
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
    QByteArray corpo_;
    quint32 maior_ = 0;
    int objetos_ = 0, penAtual_ = -1, pincelAtual_ = -1;
};

int N(const QStringList& a, int i) {
    return i < a.size() ? a[i].toInt() : 0;
}

QByteArray Hex(const QByteArray& dados) {
    QByteArray h = dados.toHex();
    QByteArray s;
    for (int i = 0; i < h.size(); i += 128)
        s += h.mid(i, 128) + "\n";
    return s;
}

QByteArray Desenho(bool wmf, int l, int a, const QList<Comando>& cmds) {
    QByteArray dados;
    if (wmf) {
        Metafile m(l, a);
        for (const Comando& c : cmds) {
            const QStringList& p = c.args;
            if (c.nome == "caneta")
                m.caneta(N(p, 0), N(p, 1), N(p, 2), p.size() > 3 ? N(p, 3) : 1);
            else if (c.nome == "pincel")
                p.value(0) == "nenhum" ? m.pincel(false, 0, 0, 0)
                                       : m.pincel(true, N(p, 0), N(p, 1), N(p, 2));
            else if (c.nome == "linha")
                m.linha(N(p, 0), N(p, 1), N(p, 2), N(p, 3));
            else if (c.nome == "retangulo")
                m.retângulo(N(p, 0), N(p, 1), N(p, 2), N(p, 3));
            else if (c.nome == "elipse")
                m.elipse(N(p, 0), N(p, 1), N(p, 2), N(p, 3));
            else if (c.nome == "texto")
                m.texto(N(p, 0), N(p, 1),
                        QStringEncoder("windows-1252").encode(p.mid(2).join(' ')));
        }
        dados = m.bytes();
    } else {
        QStringList linhas;
        for (const Comando& c : cmds)
            linhas << c.nome + QLatin1Char(' ') + c.args.join(QLatin1Char(' '));
        const QImage img = desenho::Desenhar(l, a, linhas);
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
            rtf += "\\pard\\qc " +
                   Desenho(p[0] == "@wmf", p.value(1).toInt(), p.value(2).toInt(), cmds) +
                   "\\par\n";
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
