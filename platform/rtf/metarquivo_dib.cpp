// Device-independent bitmaps of metafile records: every read is bounded by the record.

#include "metarquivo_contexto.h"

#include <uwmf.h>

#include <bit>

namespace vb::rtf::mf {

namespace {

// One channel of a 16- or 32-bit pixel through its mask, scaled to 0..255.
int canal(std::uint32_t pixel, std::uint32_t máscara) {
    if (máscara == 0)
        return 0;
    const int deslocamento = std::countr_zero(máscara);
    const std::uint32_t máximo = máscara >> deslocamento;
    return int(((pixel & máscara) >> deslocamento) * 255 / máximo);
}

// Run-length encoded pixels (4 or 8 bits), bottom row first; pixels no run reaches keep the
// first colour.
bool decodificaRle(const std::uint8_t* p, std::size_t n, int bits, QImage& img,
                   const std::vector<QRgb>& cores) {
    const int w = img.width(), h = img.height();
    img.fill(cores[0]);
    int x = 0, y = 0;
    auto põe = [&](unsigned índice) {
        if (x < w && y < h)
            img.setPixel(x, h - 1 - y, cores[índice % cores.size()]);
        ++x;
    };
    std::size_t i = 0;
    while (i + 1 < n) {
        const unsigned conta = p[i], valor = p[i + 1];
        i += 2;
        if (conta > 0) {
            if (x >= w)
                continue;
            for (unsigned k = 0; k < conta && x < w; ++k)
                põe(bits == 8 ? valor : (k % 2 == 0 ? valor >> 4 : valor & 0xF));
        } else if (valor == 0) {
            x = 0;
            if (++y >= h)
                return true;
        } else if (valor == 1) {
            return true;
        } else if (valor == 2) {
            if (i + 1 >= n)
                return false;
            x += p[i];
            y += p[i + 1];
            i += 2;
            if (y >= h)
                return true;
        } else {
            const std::size_t bytes = bits == 8 ? valor : (valor + 1) / 2;
            if (i + bytes > n)
                return false;
            for (unsigned k = 0; k < valor && x < w; ++k)
                põe(bits == 8 ? p[i + k] : (k % 2 == 0 ? p[i + k / 2] >> 4 : p[i + k / 2] & 0xF));
            i += (bytes + 1) & ~std::size_t(1);
        }
    }
    return true;
}

} // namespace

QImage decodificaDib(const std::uint8_t* p, std::size_t n, const std::uint8_t* bits,
                     std::size_t nBits, bool paletaLógica, const std::vector<QRgb>& paleta,
                     bool alfa, int linhas, int* alturaDoBitmap) {
    if (!p || n < 12)
        return {};
    const std::uint32_t cabeçalho = lê32(p);
    std::int64_t largura = 0, altura = 0;
    std::uint32_t planos = 1, profundidade = 0, compressão = 0, usadas = 0;
    std::size_t entrada = 4;
    if (cabeçalho == 12) {
        largura = lê16(p + 4);
        altura = std::int16_t(lê16(p + 6));
        planos = lê16(p + 8);
        profundidade = lê16(p + 10);
        entrada = 3;
    } else if (cabeçalho >= 40 && cabeçalho <= 124 && n >= cabeçalho) {
        std::uint32_t tamanho, imagem, importantes;
        std::int32_t w, h, rx, ry;
        U_BITMAPINFOHEADER_get(reinterpret_cast<const char*>(p), &tamanho, &w, &h, &planos,
                               &profundidade, &compressão, &imagem, &rx, &ry, &usadas,
                               &importantes);
        largura = w;
        altura = h;
    } else {
        return {};
    }
    const bool deCimaParaBaixo = altura < 0;
    altura = linhas > 0 ? linhas : altura < 0 ? -altura : altura;
    if (planos != 1 || largura <= 0 || altura == 0 || largura > 32768 || altura > 32768 ||
        largura * altura > pixelsDeBitmap)
        return {};
    const int b = int(profundidade);
    if (b != 1 && b != 4 && b != 8 && b != 16 && b != 24 && b != 32)
        return {};
    const bool rle = (compressão == 1 && b == 8) || (compressão == 2 && b == 4);
    if (!rle && compressão != 0 && !(compressão == 3 && (b == 16 || b == 32)))
        return {};

    // The colour table: as many entries as the header says, or 2^bits when it says 0.
    std::size_t pos = cabeçalho;
    std::uint32_t máscaras[3] = {0x7C00, 0x03E0, 0x001F};
    if (b == 32)
        máscaras[0] = 0xFF0000, máscaras[1] = 0xFF00, máscaras[2] = 0xFF;
    if (compressão == 3) {
        const std::size_t m = cabeçalho == 40 ? pos : 40;
        if (m + 12 > n)
            return {};
        for (int k = 0; k < 3; ++k)
            máscaras[k] = lê32(p + m + 4 * std::size_t(k));
        if (cabeçalho == 40)
            pos += 12;
    }
    const std::size_t entradas = usadas > 0 ? std::size_t(usadas)
                                 : b <= 8   ? std::size_t(1) << b
                                            : 0;
    const std::size_t tamanhoEntrada = paletaLógica ? 2 : entrada;
    if (entradas > 65536 || pos + entradas * tamanhoEntrada > n)
        return {};
    std::vector<QRgb> cores(b <= 8 ? std::size_t(1) << b : 1, qRgb(0, 0, 0));
    for (std::size_t k = 0; k < std::min(entradas, cores.size()); ++k) {
        const std::uint8_t* c = p + pos + k * tamanhoEntrada;
        if (paletaLógica) {
            const std::size_t i = lê16(c);
            cores[k] = i < paleta.size() ? paleta[i] : qRgb(0, 0, 0);
        } else {
            cores[k] = qRgb(c[2], c[1], c[0]);
        }
    }
    pos += entradas * tamanhoEntrada;
    if (!bits) {
        bits = p + pos;
        nBits = n - pos;
    }

    if (alturaDoBitmap)
        *alturaDoBitmap = int(altura);
    if (rle) {
        QImage img(int(largura), int(altura), QImage::Format_RGB32);
        return !img.isNull() && decodificaRle(bits, nBits, b, img, cores) ? img : QImage();
    }
    // A bitmap shorter than its header says keeps the lines it holds: the first ones in its
    // order (the bottom lines of a bottom-up bitmap). The image holds just those, and its
    // offset places them in the whole bitmap.
    const std::size_t linha = std::size_t((largura * b + 31) / 32 * 4);
    const int w = int(largura), h = int(std::min<std::int64_t>(altura, nBits / linha));
    if (h == 0)
        return {};
    const bool comAlfa = alfa && b == 32;
    QImage img(w, h, comAlfa ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    if (img.isNull())
        return {};
    if (!deCimaParaBaixo)
        img.setOffset(QPoint(0, int(altura) - h));
    for (int y = 0; y < h; ++y) {
        const std::uint8_t* l = bits + linha * std::size_t(deCimaParaBaixo ? y : h - 1 - y);
        auto* saída = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < w; ++x) {
            switch (b) {
            case 1:
                saída[x] = cores[(l[x / 8] >> (7 - x % 8)) & 1];
                break;
            case 4:
                saída[x] = cores[(l[x / 2] >> (x % 2 ? 0 : 4)) & 0xF];
                break;
            case 8:
                saída[x] = cores[l[x]];
                break;
            case 16: {
                const std::uint32_t v = lê16(l + 2 * x);
                saída[x] =
                    qRgb(canal(v, máscaras[0]), canal(v, máscaras[1]), canal(v, máscaras[2]));
                break;
            }
            case 24:
                saída[x] = qRgb(l[3 * x + 2], l[3 * x + 1], l[3 * x]);
                break;
            default: {
                const std::uint32_t v = lê32(l + 4 * x);
                const int a = comAlfa ? int(v >> 24) : 255;
                // Premultiplied: no colour above its alpha, whatever the file holds.
                saída[x] =
                    qRgba(std::min(canal(v, máscaras[0]), a), std::min(canal(v, máscaras[1]), a),
                          std::min(canal(v, máscaras[2]), a), a);
                break;
            }
            }
        }
    }
    return img;
}

QImage decodificaBitmap16(const std::uint8_t* p, std::size_t n) {
    if (n < 10)
        return {};
    const int largura = std::int16_t(lê16(p + 2)), alturaDita = std::int16_t(lê16(p + 4));
    const std::size_t linha = lê16(p + 6);
    const int bits = p[9];
    if (largura <= 0 || alturaDita <= 0 || std::int64_t(largura) * alturaDita > pixelsDeBitmap ||
        (bits != 1 && bits != 24 && bits != 32) ||
        linha < (std::size_t(largura) * std::size_t(bits) + 7) / 8)
        return {};
    const int altura = int(std::min<std::size_t>(std::size_t(alturaDita), (n - 10) / linha));
    if (altura == 0)
        return {};
    QImage img(largura, altura, QImage::Format_RGB32);
    for (int y = 0; y < altura; ++y) {
        const std::uint8_t* l = p + 10 + linha * std::size_t(y);
        auto* saída = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < largura; ++x)
            saída[x] = bits == 1
                           ? ((l[x / 8] >> (7 - x % 8)) & 1 ? qRgb(255, 255, 255) : qRgb(0, 0, 0))
                       : bits == 24 ? qRgb(l[3 * x + 2], l[3 * x + 1], l[3 * x])
                                    : qRgb(l[4 * x + 2], l[4 * x + 1], l[4 * x]);
    }
    return img;
}

} // namespace vb::rtf::mf
