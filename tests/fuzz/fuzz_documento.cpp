// libFuzzer target: RTF bytes through the QTextDocument sink, with every picture decoded and drawn
// (PNG, JPEG, device-independent bitmaps, metafiles) and the top of the document painted.

#include "documentortf.h"

#include <QAbstractTextDocumentLayout>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextImageFormat>
#include <cstdint>
#include <cstdlib>
#include <string_view>

// Fontconfig's pattern caches, which Qt's font database keeps until the process ends, are not
// leaks of the code under test.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Damaged pictures make the image readers warn on every input.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    static int argc = 1;
    static char nome[] = "fuzz_documento";
    static char* argv[] = {nome, nullptr};
    new QGuiApplication(argc, argv); // lives until the process ends
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    QTextDocument documento;
    vb::rtf::carregaDocumento(&documento,
                              std::string_view(reinterpret_cast<const char*>(dados), tamanho));
    // Each picture is in the document as an image of the size it is shown at, or a framed box of
    // that size, within the sink's bound of pixels for one picture; the images together within
    // the bound of the document.
    qint64 pixels = 0;
    for (QTextBlock b = documento.begin(); b.isValid(); b = b.next()) {
        for (auto f = b.begin(); !f.atEnd(); ++f) {
            const QTextCharFormat formato = f.fragment().charFormat();
            const bool caixa = formato.objectType() == vb::rtf::objetoCaixa;
            if (!formato.isImageFormat() && !caixa)
                continue;
            const QSize tamanho(int(formato.doubleProperty(QTextFormat::ImageWidth)),
                                int(formato.doubleProperty(QTextFormat::ImageHeight)));
            const QImage i = caixa ? QImage() : vb::rtf::imagemMostrada(documento, formato);
            if (tamanho.isEmpty() ||
                qint64(tamanho.width()) * tamanho.height() > vb::rtf::pixelsPorImagem ||
                (!caixa && i.size() != tamanho))
                std::abort();
            pixels += caixa ? 0 : qint64(i.width()) * i.height();
        }
    }
    if (pixels > vb::rtf::pixelsPorDocumento)
        std::abort();
    // The first screen of the document, laid out and painted with its pictures.
    QImage tela(320, 240, QImage::Format_RGB32);
    tela.fill(Qt::white);
    QPainter p(&tela);
    documento.setTextWidth(tela.width());
    documento.drawContents(&p, QRectF(tela.rect()));
    return 0;
}
