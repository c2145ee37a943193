// Draws the About box's picture (216 x 153) at build time and writes it as a C++ source that
// holds the PNG bytes, so the menu program carries it inside.
//
//   desenhar_sobre SAIDA.cpp

#include <QBuffer>
#include <QFile>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>
#include <cstdio>

namespace {

QImage ImagemSobre() {
    QImage p(216, 153, QImage::Format_RGB32);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fundo(0, 0, 0, 153);
    fundo.setColorAt(0, QColor(0, 51, 128));
    fundo.setColorAt(1, QColor(0, 102, 170));
    g.fillRect(p.rect(), fundo);
    // An open book under the name of the course package.
    g.setPen(QPen(QColor(255, 255, 225), 2));
    g.setBrush(QColor(255, 255, 225));
    g.drawPolygon(
        QPolygonF{{QPointF(40, 100), QPointF(106, 110), QPointF(106, 140), QPointF(40, 130)}});
    g.drawPolygon(
        QPolygonF{{QPointF(110, 110), QPointF(176, 100), QPointF(176, 130), QPointF(110, 140)}});
    g.setPen(QPen(QColor(0, 51, 128), 1));
    for (int i = 0; i < 3; ++i) {
        g.drawLine(QPointF(50, 110 + 7 * i), QPointF(98, 117 + 7 * i));
        g.drawLine(QPointF(118, 117 + 7 * i), QPointF(166, 110 + 7 * i));
    }
    QFont f(QStringLiteral("Sans Serif"));
    f.setBold(true);
    f.setPixelSize(30);
    g.setFont(f);
    g.setPen(QColor(255, 255, 0));
    g.drawText(QRect(0, 18, 216, 40), Qt::AlignCenter, QStringLiteral("Aulavix"));
    f.setPixelSize(12);
    f.setBold(false);
    g.setFont(f);
    g.setPen(Qt::white);
    g.drawText(QRect(0, 60, 216, 20), Qt::AlignCenter, QStringLiteral("Cursos de Informática"));
    return p;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "uso: desenhar_sobre SAIDA.cpp\n");
        return 2;
    }
    QByteArray png;
    QBuffer b(&png);
    b.open(QIODevice::WriteOnly);
    ImagemSobre().save(&b, "PNG");
    QByteArray fonte = "// Written by desenhar_sobre: the About box's picture as PNG bytes.\n"
                       "#include <cstddef>\n"
                       "namespace menu {\n"
                       "extern const unsigned char imagemSobre[] = {";
    for (int i = 0; i < png.size(); ++i)
        fonte += (i % 16 ? " " : "\n    ") + QByteArray::number(uchar(png[i])) + ",";
    fonte += "\n};\nextern const std::size_t tamanhoImagemSobre = sizeof imagemSobre;\n}\n";
    QFile saída(QString::fromLocal8Bit(argv[1]));
    if (!saída.open(QIODevice::WriteOnly) || saída.write(fonte) != fonte.size())
        return 1;
    return 0;
}
