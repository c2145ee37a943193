#include "imagens.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QtEndian>
#include <gtest/gtest.h>

TEST(Imagens, PngDeTextosComprimidosLidoNumInstante) {
    QImage imagem(16, 16, QImage::Format_RGB32);
    imagem.fill(Qt::red);
    imagem.setText(QStringLiteral("t"), QString(7900000, u'a')); // a zTXt chunk of 8 KB
    QByteArray png;
    QBuffer b(&png);
    ASSERT_TRUE(b.open(QIODevice::WriteOnly) && imagem.save(&b, "PNG"));
    const qsizetype z = png.indexOf("zTXt") - 4, n = qFromBigEndian<quint32>(png.data() + z) + 12;
    png.insert(z, png.mid(z, n).repeated(100));
    QElapsedTimer relógio;
    relógio.start();
    EXPECT_EQ(vb::DecodificarImagem(png).pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_LT(relógio.elapsed(), 300);
}
