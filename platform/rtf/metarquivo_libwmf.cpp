#include "metarquivo_libwmf.h"

#include <libwmf/api.h>
#include <libwmf/gd.h>

#include <algorithm>
#include <cstring>

namespace vb::rtf {

namespace {

constexpr std::uint16_t SETMAPMODE = 0x0103;
constexpr std::uint16_t SETWINDOWORG = 0x020B;
constexpr std::uint16_t SETWINDOWEXT = 0x020C;
constexpr std::uint16_t SETVIEWPORTORG = 0x020D;
constexpr std::uint16_t SETVIEWPORTEXT = 0x020E;
constexpr int MM_ISOTROPIC = 7;
constexpr int MM_ANISOTROPIC = 8;
constexpr std::uint32_t chavePosicionável = 0x9AC6CDD7u;
constexpr std::size_t tamanhoCabeçalho = 18;    // the metafile's own header, in bytes
constexpr std::size_t tamanhoPosicionável = 22; // the placeable header
constexpr int viewportPadrão = 1024;            // libwmf's viewport extent when none is set

std::uint16_t lê16(const std::uint8_t* p) {
    return std::uint16_t(p[0] | (p[1] << 8));
}
std::uint32_t lê32(const std::uint8_t* p) {
    return lê16(p) | (std::uint32_t(lê16(p + 2)) << 16);
}
void escreve16(std::vector<std::uint8_t>& v, unsigned x) {
    v.push_back(std::uint8_t(x & 0xFF));
    v.push_back(std::uint8_t((x >> 8) & 0xFF));
}
void escreve32(std::vector<std::uint8_t>& v, std::uint32_t x) {
    escreve16(v, x & 0xFFFF);
    escreve16(v, x >> 16);
}
void grava32(std::uint8_t* p, std::uint32_t x) {
    for (int i = 0; i < 4; ++i)
        p[i] = std::uint8_t((x >> (8 * i)) & 0xFF);
}

struct Par {
    int x = 0, y = 0;
    bool achado = false;
};

// The first window and viewport records, and whether the metafile sets its own mapping mode.
struct Geometria {
    Par janelaOrigem, janelaExtensão, vistaOrigem, vistaExtensão;
    int modoPróprio = 0;
};

Geometria lêGeometria(const std::uint8_t* dados, std::size_t tamanho) {
    Geometria g;
    std::size_t pos = std::size_t(lê16(dados + 2)) * 2; // header size in words
    while (pos + 6 <= tamanho) {
        std::uint32_t palavras = lê32(dados + pos);
        std::uint16_t função = lê16(dados + pos + 4);
        if (palavras < 3 || palavras > (tamanho - pos) / 2 || função == 0)
            break;
        if (função == SETMAPMODE && palavras >= 4 && g.modoPróprio == 0)
            g.modoPróprio = lê16(dados + pos + 6);
        Par* alvo = nullptr;
        switch (função) {
        case SETWINDOWORG:
            alvo = &g.janelaOrigem;
            break;
        case SETWINDOWEXT:
            alvo = &g.janelaExtensão;
            break;
        case SETVIEWPORTORG:
            alvo = &g.vistaOrigem;
            break;
        case SETVIEWPORTEXT:
            alvo = &g.vistaExtensão;
            break;
        default:
            break;
        }
        if (alvo && !alvo->achado && palavras >= 5) {
            alvo->y = std::int16_t(lê16(dados + pos + 6));
            alvo->x = std::int16_t(lê16(dados + pos + 8));
            alvo->achado = true;
        }
        pos += std::size_t(palavras) * 2;
    }
    return g;
}

// Records that carry a device-independent bitmap: the offset of the bitmap in the record (after
// the size and function words), and the size in words of the record's form without one (the
// two block transfers that may only paint a raster operation), or 0.
struct RegistroDeBitmap {
    std::uint16_t função;
    std::size_t início;
    std::uint32_t semBitmap;
};
constexpr RegistroDeBitmap registrosDeBitmap[] = {
    {0x0940, 6 + 16, 12}, // DIBBITBLT
    {0x0B41, 6 + 20, 14}, // DIBSTRETCHBLT
    {0x0F43, 6 + 22, 0},  // STRETCHDIB
    {0x0D33, 6 + 18, 0},  // SETDIBTODEV
    {0x0142, 6 + 4, 0},   // DIBCREATEPATTERNBRUSH
};

// The largest bitmap that a picture of a lesson text may carry.
constexpr std::int64_t ladoMáximo = 16384;
constexpr std::int64_t pixelsMáximos = 4096 * 4096;

// A bitmap is drawn only when its header is whole, its size within reason and, unless it is
// run-length encoded, all its pixels are there: libwmf takes the header at its word and
// allocates and decodes the image it describes, so a damaged header costs gigabytes and
// seconds for a picture of a few hundred bytes.
bool bitmapAceitável(const std::uint8_t* p, std::size_t n) {
    if (n < 12)
        return false;
    const std::uint32_t cabeçalho = lê32(p);
    std::int64_t largura = 0, altura = 0;
    unsigned planos = 0, bits = 0;
    std::uint32_t compressão = 0, usadas = 0;
    std::size_t entradaPaleta = 4;
    if (cabeçalho == 12) {
        largura = lê16(p + 4);
        altura = std::int16_t(lê16(p + 6));
        planos = lê16(p + 8);
        bits = lê16(p + 10);
        entradaPaleta = 3;
    } else if (cabeçalho >= 40 && cabeçalho <= 124 && n >= cabeçalho) {
        largura = std::int32_t(lê32(p + 4));
        altura = std::int32_t(lê32(p + 8));
        planos = lê16(p + 12);
        bits = lê16(p + 14);
        compressão = lê32(p + 16);
        usadas = lê32(p + 32);
    } else {
        return false;
    }
    largura = largura < 0 ? -largura : largura;
    altura = altura < 0 ? -altura : altura;
    if (planos != 1 || largura == 0 || altura == 0 || largura > ladoMáximo || altura > ladoMáximo ||
        largura * altura > pixelsMáximos)
        return false;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
        return false;
    if ((compressão == 1 && bits == 8) || (compressão == 2 && bits == 4))
        return true; // runs are decoded within the size the header gives
    if (compressão != 0 && compressão != 3)
        return false;
    std::int64_t paleta = usadas > 0 ? std::int64_t(usadas) : bits <= 8 ? (1 << bits) : 0;
    paleta *= std::int64_t(entradaPaleta);
    if (compressão == 3 && cabeçalho == 40)
        paleta += 12; // the three channel masks
    const std::int64_t linha = (largura * bits + 31) / 32 * 4;
    return std::int64_t(cabeçalho) + paleta + linha * altura <= std::int64_t(n);
}

// The metafile's records as libwmf may be given them (the caller has checked that the header is
// whole): up to the first record that runs past the
// end (or has no room for its own size and function), without the bitmap records whose bitmap
// is missing or refused by bitmapAceitável, and closed by an end record; the header's sizes
// follow.
std::vector<std::uint8_t> registrosSeguros(const std::uint8_t* dados, std::size_t tamanho) {
    // The header as libwmf reads it, whatever size the damaged one claims for itself.
    std::vector<std::uint8_t> v(dados, dados + tamanhoCabeçalho);
    v.reserve(tamanho + 6);
    v[2] = tamanhoCabeçalho / 2;
    v[3] = 0;
    std::uint32_t maior = 3;
    std::size_t pos = std::min<std::size_t>(std::size_t(lê16(dados + 2)) * 2, tamanho);
    bool fechado = false;
    while (!fechado && pos + 6 <= tamanho) {
        const std::uint32_t palavras = lê32(dados + pos);
        const std::uint16_t função = lê16(dados + pos + 4);
        if (palavras < 3 || palavras > (tamanho - pos) / 2)
            break;
        const std::size_t bytes = std::size_t(palavras) * 2;
        bool aceito = true;
        for (const RegistroDeBitmap& r : registrosDeBitmap)
            if (função == r.função && palavras != r.semBitmap)
                aceito =
                    bytes > r.início && bitmapAceitável(dados + pos + r.início, bytes - r.início);
        if (aceito) {
            v.insert(v.end(), dados + pos, dados + pos + bytes);
            maior = std::max(maior, palavras);
        }
        fechado = função == 0;
        pos += bytes;
    }
    if (!fechado) {
        escreve32(v, 3);
        escreve16(v, 0);
    }
    grava32(v.data() + 6, std::uint32_t(v.size() / 2));
    grava32(v.data() + 12, maior);
    return v;
}

std::int16_t curto(long long v) {
    return std::int16_t(std::clamp(v, -32768LL, 32767LL));
}

// libwmf wants the placeable header in front of the records, and the mapping mode the reader of
// the RTF would have set before playing them as a record of the metafile.
std::vector<std::uint8_t> preparaArquivo(const std::uint8_t* dados, std::size_t tamanho,
                                         const Geometria& g, int modoMapa, int picw, int pich) {
    int x = 0, y = 0, l = picw, a = pich;
    if (g.janelaExtensão.achado && g.janelaExtensão.x != 0 && g.janelaExtensão.y != 0) {
        x = g.janelaOrigem.x;
        y = g.janelaOrigem.y;
        l = g.janelaExtensão.x;
        a = g.janelaExtensão.y;
    }
    std::vector<std::uint8_t> v;
    v.reserve(tamanho + tamanhoPosicionável + 8);
    escreve32(v, chavePosicionável);
    escreve16(v, 0);
    escreve16(v, std::uint16_t(curto(std::min<long long>(x, x + l))));
    escreve16(v, std::uint16_t(curto(std::min<long long>(y, y + a))));
    escreve16(v, std::uint16_t(curto(std::max<long long>(x, x + l))));
    escreve16(v, std::uint16_t(curto(std::max<long long>(y, y + a))));
    escreve16(v, 1440);
    escreve32(v, 0);
    unsigned soma = 0;
    for (std::size_t i = 0; i < 20; i += 2)
        soma ^= lê16(v.data() + i);
    escreve16(v, soma);

    std::size_t cabeçalho = std::min<std::size_t>(std::size_t(lê16(dados + 2)) * 2, tamanho);
    v.insert(v.end(), dados, dados + cabeçalho);
    if (g.modoPróprio == 0 && modoMapa > 0) {
        std::uint8_t* h = v.data() + tamanhoPosicionável;
        grava32(h + 6, lê32(h + 6) + 4);                           // file size in words
        grava32(h + 12, std::max<std::uint32_t>(lê32(h + 12), 4)); // largest record
        escreve32(v, 4);
        escreve16(v, SETMAPMODE);
        escreve16(v, unsigned(modoMapa) & 0xFFFF);
    }
    v.insert(v.end(), dados + cabeçalho, dados + tamanho);
    return v;
}

int recebePng(void* contexto, char* bytes, int n) {
    auto* saída = static_cast<std::vector<std::uint8_t>*>(contexto);
    if (n > 0)
        saída->insert(saída->end(), bytes, bytes + n);
    return n;
}

} // namespace

std::vector<std::uint8_t> metarquivoParaPng(const std::uint8_t* dados, std::size_t tamanho,
                                            int modoMapa, int largura, int altura, int picw,
                                            int pich) {
    std::vector<std::uint8_t> png;
    if (!dados || largura <= 0 || altura <= 0 || largura > 8192 || altura > 8192)
        return png;
    // Some writers keep the placeable header: it is then used as it stands.
    bool posicionável = tamanho >= tamanhoPosicionável && lê32(dados) == chavePosicionável;
    const std::uint8_t* registros = posicionável ? dados + tamanhoPosicionável : dados;
    std::size_t resto = posicionável ? tamanho - tamanhoPosicionável : tamanho;
    if (resto < tamanhoCabeçalho || lê16(registros + 2) < 9)
        return png;
    const std::vector<std::uint8_t> seguros = registrosSeguros(registros, resto);
    Geometria g = lêGeometria(seguros.data(), seguros.size());
    std::vector<std::uint8_t> arquivo;
    if (posicionável) {
        arquivo.assign(dados, dados + tamanhoPosicionável);
        arquivo.insert(arquivo.end(), seguros.begin(), seguros.end());
    } else {
        arquivo = preparaArquivo(seguros.data(), seguros.size(), g, modoMapa, picw, pich);
    }
    int modo = g.modoPróprio ? g.modoPróprio : (posicionável ? 0 : modoMapa);

    wmfAPI_Options opções;
    std::memset(&opções, 0, sizeof opções);
    opções.function = wmf_gd_function;
    unsigned long bandeiras =
        WMF_OPT_FUNCTION | WMF_OPT_IGNORE_NONFATAL | WMF_OPT_NO_ERROR | WMF_OPT_NO_DEBUG;
    wmfAPI* api = nullptr;
    if (wmf_api_create(&api, bandeiras, &opções) != wmf_E_None) {
        if (api)
            wmf_api_destroy(api);
        return png;
    }
    wmf_gd_t* gd = WMF_GD_GetData(api);
    if (!(gd->flags & WMF_GD_SUPPORTS_PNG)) {
        wmf_api_destroy(api);
        return png;
    }
    gd->type = wmf_gd_png;
    gd->flags |= WMF_GD_OUTPUT_MEMORY | WMF_GD_OWN_BUFFER;
    gd->sink.context = &png;
    gd->sink.function = recebePng;

    wmfD_Rect caixa;
    bool certo = wmf_mem_open(api, arquivo.data(), long(arquivo.size())) == wmf_E_None &&
                 wmf_scan(api, 0, &caixa) == wmf_E_None;
    if (certo && (modo == MM_ANISOTROPIC || modo == MM_ISOTROPIC) && g.janelaExtensão.achado &&
        g.janelaExtensão.x != 0 && g.janelaExtensão.y != 0) {
        // In these modes libwmf maps the window onto the viewport (1024 x 1024 unless the
        // metafile sets one): that rectangle is the picture, whatever the records draw in it.
        float vx = g.vistaExtensão.achado ? float(g.vistaExtensão.x) : float(viewportPadrão);
        float vy = g.vistaExtensão.achado ? float(g.vistaExtensão.y) : float(viewportPadrão);
        float ox = float(g.vistaOrigem.x), oy = float(g.vistaOrigem.y);
        caixa.TL.x = -ox;
        caixa.TL.y = -oy;
        caixa.BR.x = vx - ox;
        caixa.BR.y = vy - oy;
    }
    if (certo && caixa.BR.x != caixa.TL.x && caixa.BR.y != caixa.TL.y) {
        gd->bbox = caixa;
        gd->width = unsigned(largura);
        gd->height = unsigned(altura);
        certo = wmf_play(api, 0, &caixa) == wmf_E_None;
    } else {
        certo = false;
    }
    wmf_mem_close(api);
    wmf_api_destroy(api);
    if (!certo)
        png.clear();
    return png;
}

} // namespace vb::rtf
