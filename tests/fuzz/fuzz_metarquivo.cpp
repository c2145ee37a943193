// libFuzzer target: the metafile player on arbitrary bytes. The first byte chooses WMF or EMF
// (its low bit) and the mapping mode; the next two the picture's size; the rest is the metafile.

#include "metarquivo.h"

#include <QGuiApplication>
#include <QImage>

#include <cstdint>
#include <cstdlib>

// The font library keeps the fonts it loads for the life of the process: not a leak of ours.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig\nleak:libfreetype\n";
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    if (tamanho < 3)
        return 0;
    const auto tipo = dados[0] & 1 ? vb::rtf::TipoMetarquivo::Emf : vb::rtf::TipoMetarquivo::Wmf;
    const int modo = 1 + (dados[0] >> 1) % 8;
    const int largura = 1 + dados[1], altura = 1 + dados[2];
    const QImage img = vb::rtf::desenharMetarquivo(dados + 3, tamanho - 3, tipo, modo, largura,
                                                   altura, 2000, 1000);
    // A picture is drawn at the size asked for, or not at all.
    if (!img.isNull() && img.size() != QSize(largura, altura))
        std::abort();
    return 0;
}
