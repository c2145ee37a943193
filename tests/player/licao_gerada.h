#pragma once
// A lesson built for tests and benchmarks: an RTF text with page markers "Pg N" as
// right-aligned bold paragraphs, and a figure table.

#include "licao.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QString>
#include <functional>

namespace licaogerada {

struct Opções {
    int marcas = 12;                // markers 1 to marcas; pages 1 to marcas - 1
    std::function<int(int)> linhas; // lines of text on page p (default: 30)
    int marcaComIdioma = 7;         // this marker holds a language change inside
    int marcaAusente = 0;           // this marker is left out of the text
    int imagemACada = 0;            // embed a PNG picture in every n-th page (0: none)
};

inline QByteArray PngHex(int largura, int altura) {
    QImage imagem(largura, altura, QImage::Format_RGB32);
    imagem.fill(QColor(30, 120, 200));
    QByteArray png;
    QBuffer b(&png);
    b.open(QIODevice::WriteOnly);
    imagem.save(&b, "PNG");
    return png.toHex();
}

inline QByteArray Marca(int n, bool comIdioma) {
    if (comIdioma)
        return "\\pard\\qr\\b Pg \\lang1033 " + QByteArray::number(n) + "\\lang1046\\b0\\par\n";
    return "\\pard\\qr\\b Pg " + QByteArray::number(n) + "\\b0\\par\n";
}

inline QByteArray Rtf(const Opções& o = {}) {
    QByteArray r = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1046"
                   "{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}\n";
    const QByteArray png = o.imagemACada > 0 ? PngHex(120, 80) : QByteArray();
    for (int n = 1; n <= o.marcas; ++n) {
        if (n != o.marcaAusente)
            r += Marca(n, n == o.marcaComIdioma);
        if (n == o.marcas)
            break;
        const int linhas = o.linhas ? o.linhas(n) : 30;
        for (int l = 1; l <= linhas; ++l)
            r += "\\pard\\f0\\fs20 P\\'e1gina " + QByteArray::number(n) + ", linha " +
                 QByteArray::number(l) + ": instru\\'e7\\'e3o do exerc\\'edcio.\\par\n";
        if (o.imagemACada > 0 && n % o.imagemACada == 0)
            r += "\\pard{\\pict\\pngblip\\picw120\\pich80\\picwgoal1800\\pichgoal1200 " + png +
                 "}\\par\n";
    }
    // What follows the end marker is never brought to the top (an index of the figures).
    for (int l = 1; l <= 40; ++l)
        r += "\\pard\\f0\\fs20 \\'cdndice, linha " + QByteArray::number(l) + "\\par\n";
    r += "}";
    return r;
}

// A lesson of a dozen markers with a figure of each kind and one whose picture is missing.
inline jogador::DadosLição Lição(const Opções& o = {}) {
    jogador::DadosLição d;
    d.legenda = QStringLiteral("Lição  de teste");
    d.texto = Rtf(o);
    d.páginas = o.marcas;
    d.figuras = {
        {1, QStringLiteral("1"), QStringLiteral("1000"), QStringLiteral("fig1.jpg")},
        {3, QStringLiteral("1"), QStringLiteral("0800"), QStringLiteral("Fig3.JPG")},
        {5, QStringLiteral("2"), QStringLiteral("0000"), QStringLiteral("fig5.png")},
        {7, QStringLiteral("3"), QStringLiteral("0000"), QStringLiteral("fig7.jpg")},
        {9, QStringLiteral("1"), QStringLiteral("1500"), QStringLiteral("falta.jpg")},
    };
    return d;
}

// Writes the pictures that Lição names (all but the missing one) into a folder.
inline void GravarFiguras(const QString& pasta) {
    auto gravar = [&](const char* nome, int l, int a, QColor cor) {
        QImage imagem(l, a, QImage::Format_RGB32);
        imagem.fill(cor);
        imagem.save(pasta + QLatin1Char('/') + QLatin1String(nome));
    };
    gravar("fig1.jpg", 90, 60, Qt::red);
    gravar("fig3.jpg", 120, 45, Qt::green);
    gravar("fig5.png", 400, 300, Qt::blue);
    gravar("fig7.jpg", 50, 50, Qt::gray);
}

} // namespace licaogerada
