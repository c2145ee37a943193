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
    // Each picture an image of its shown size (or a box), within its bound and the document's.
    qint64 pixels = 0;
    for (QTextBlock b = documento.begin(); b.isValid(); b = b.next()) {
        for (auto f = b.begin(); !f.atEnd(); ++f) {
            const QTextCharFormat formato = f.fragment().charFormat();
            if (!formato.isImageFormat())
                continue;
            const QTextImageFormat imagem = formato.toImageFormat();
            const QImage i = documento.resource(QTextDocument::ImageResource, QUrl(imagem.name()))
                                 .value<QImage>();
            if (i.isNull() || qint64(i.width()) * i.height() > 4096 * 1024 ||
                i.width() != int(imagem.width()) || i.height() != int(imagem.height()))
                std::abort();
            pixels += qint64(i.width()) * i.height();
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
