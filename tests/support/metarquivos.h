#pragma once
// Small writers of Windows metafiles (WMF and EMF) for the tests, the benchmark and the fuzzers'
// seeds, and a varied set of drawings made with them.

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace teste {

using Bytes = std::vector<std::uint8_t>;

inline void põe16(Bytes& v, unsigned x) {
    v.push_back(std::uint8_t(x & 0xFF));
    v.push_back(std::uint8_t((x >> 8) & 0xFF));
}
inline void põe32(Bytes& v, std::uint32_t x) {
    põe16(v, x & 0xFFFF);
    põe16(v, x >> 16);
}

// Records of 16-bit words; bytes() puts the header (and the placeable header when asked) in
// front and the end record after them.
struct Wmf {
    Bytes registros;
    unsigned maior = 3;
    // One record: the function and its parameter words; palavras < 0: the true size.
    Wmf& r(unsigned função, const std::vector<unsigned>& p, long long palavras = -1) {
        const auto n = std::uint32_t(palavras >= 0 ? palavras : 3 + (long long)p.size());
        maior = std::max<unsigned>(maior, n);
        põe32(registros, n);
        põe16(registros, função);
        for (unsigned x : p)
            põe16(registros, x);
        return *this;
    }
    // A record with bytes after its words (a bitmap, a string), padded to a word.
    Wmf& rb(unsigned função, const std::vector<unsigned>& p, const Bytes& b) {
        std::vector<unsigned> w = p;
        for (std::size_t i = 0; i < b.size(); i += 2)
            w.push_back(b[i] | (i + 1 < b.size() ? b[i + 1] << 8 : 0));
        return r(função, w);
    }
    // TEXTOUT: the count, the bytes and the point (y, x).
    Wmf& textOut(unsigned x, unsigned y, const std::string& s) {
        std::vector<unsigned> w = {unsigned(s.size())};
        for (std::size_t i = 0; i < s.size(); i += 2)
            w.push_back(std::uint8_t(s[i]) | (i + 1 < s.size() ? std::uint8_t(s[i + 1]) << 8 : 0));
        w.push_back(y);
        w.push_back(x);
        return r(0x0521, w);
    }
    Bytes bytes(unsigned objetos = 16, bool fim = true, const int* posicionável = nullptr) const {
        Bytes m;
        if (posicionável) {
            põe32(m, 0x9AC6CDD7u);
            põe16(m, 0);
            for (int i = 0; i < 4; ++i)
                põe16(m, unsigned(posicionável[i]) & 0xFFFF);
            põe16(m, 1440);
            põe32(m, 0);
            unsigned soma = 0;
            for (std::size_t i = 0; i < 20; i += 2)
                soma ^= m[i] | (m[i + 1] << 8);
            põe16(m, soma);
        }
        const unsigned palavras = unsigned(18 + registros.size() + (fim ? 6 : 0)) / 2;
        for (unsigned x : {1u, 9u, 0x300u, palavras & 0xFFFF, palavras >> 16, objetos,
                           maior & 0xFFFF, maior >> 16, 0u})
            põe16(m, x);
        m.insert(m.end(), registros.begin(), registros.end());
        if (fim) {
            põe32(m, 3);
            põe16(m, 0);
        }
        return m;
    }
};

// Records of 32-bit fields, after a header of the given frame (in pixels of a 96-dpi device).
struct Emf {
    Bytes registros;
    std::uint32_t quantos = 0;
    Emf& r(std::uint32_t tipo, const std::vector<std::uint32_t>& p, const Bytes& extra = {}) {
        const auto n = std::uint32_t(8 + 4 * p.size() + (extra.size() + 3) / 4 * 4);
        põe32(registros, tipo);
        põe32(registros, n);
        for (std::uint32_t x : p)
            põe32(registros, x);
        registros.insert(registros.end(), extra.begin(), extra.end());
        while (registros.size() % 4)
            registros.push_back(0);
        ++quantos;
        return *this;
    }
    Bytes bytes(int largura, int altura, unsigned objetos = 16) const {
        Bytes m;
        // 96 dpi: 1 pixel = 0.2646 mm; the device 1000 x 1000 pixels = 265 x 265 mm.
        const std::vector<std::uint32_t> h = {1,
                                              88,
                                              0,
                                              0,
                                              std::uint32_t(largura - 1),
                                              std::uint32_t(altura - 1),
                                              0,
                                              0,
                                              std::uint32_t(largura * 2646 / 100),
                                              std::uint32_t(altura * 2646 / 100),
                                              0x464D4520u,
                                              0x10000u,
                                              0,
                                              quantos + 2,
                                              objetos,
                                              0,
                                              0,
                                              0,
                                              1000,
                                              1000,
                                              265,
                                              265};
        for (std::uint32_t x : h)
            põe32(m, x);
        m.insert(m.end(), registros.begin(), registros.end());
        for (std::uint32_t x : {14u, 20u, 0u, 16u, 20u})
            põe32(m, x);
        const auto total = std::uint32_t(m.size());
        for (int i = 0; i < 4; ++i)
            m[48 + std::size_t(i)] = std::uint8_t(total >> (8 * i));
        return m;
    }
};

// A bottom-up device-independent bitmap of bits 1, 4, 8 or 24 with "0 colours used" (2^bits
// implied), its pixels given as palette indices (or 0xRRGGBB for 24 bits).
inline Bytes dib(int largura, int altura, int bits, const std::vector<std::uint32_t>& paleta,
                 const std::vector<std::uint32_t>& pixels) {
    Bytes d;
    for (std::uint32_t x : {40u, std::uint32_t(largura), std::uint32_t(altura)})
        põe32(d, x);
    põe16(d, 1);
    põe16(d, unsigned(bits));
    for (int i = 0; i < 6; ++i)
        põe32(d, 0);
    if (bits <= 8)
        for (std::size_t i = 0; i < (std::size_t(1) << bits); ++i)
            põe32(d, i < paleta.size() ? paleta[i] : 0);
    const std::size_t linha = (std::size_t(largura) * std::size_t(bits) + 31) / 32 * 4;
    for (int y = altura - 1; y >= 0; --y) {
        Bytes l(linha, 0);
        for (int x = 0; x < largura; ++x) {
            const std::uint32_t v = pixels[std::size_t(y * largura + x)];
            if (bits == 24) {
                l[std::size_t(3 * x)] = std::uint8_t(v);
                l[std::size_t(3 * x + 1)] = std::uint8_t(v >> 8);
                l[std::size_t(3 * x + 2)] = std::uint8_t(v >> 16);
            } else if (bits == 8) {
                l[std::size_t(x)] = std::uint8_t(v);
            } else if (bits == 4) {
                l[std::size_t(x / 2)] |= std::uint8_t(x % 2 ? v : v << 4);
            } else {
                l[std::size_t(x / 8)] |= std::uint8_t((v & 1) << (7 - x % 8));
            }
        }
        d.insert(d.end(), l.begin(), l.end());
    }
    return d;
}

// A font record's words: height, weight, italic, character set and face.
inline std::vector<unsigned> fonteWmf(int altura, const std::string& face, int peso = 400,
                                      int conjunto = 0, int escapamento = 0) {
    std::vector<unsigned> p = {unsigned(altura) & 0xFFFF,
                               0,
                               unsigned(escapamento) & 0xFFFF,
                               0,
                               unsigned(peso),
                               0,
                               unsigned(conjunto) << 8,
                               0,
                               0};
    std::string f = face;
    f.resize(32, '\0');
    for (std::size_t i = 0; i < 32; i += 2)
        p.push_back(std::uint8_t(f[i]) | (std::uint8_t(f[i + 1]) << 8));
    return p;
}

// A varied set of drawings: lines, shapes, text in Windows-1252 with accents, bitmaps and clips;
// WMF (as RTF stores it, window 0..4000 x 0..3000) or EMF (400 x 300 pixels).
inline std::vector<Bytes> metarquivosVariados(bool emf, int quantos) {
    std::vector<Bytes> v;
    for (int k = 0; k < quantos; ++k) {
        const unsigned s = unsigned(k * 7919 + 13);
        auto n = [&](unsigned i, unsigned m) { return (s * (i + 3) * 2654435761u >> 7) % m; };
        std::vector<std::uint32_t> pixels(16 * 16);
        for (std::size_t i = 0; i < pixels.size(); ++i)
            pixels[i] = std::uint32_t((i + k) % 16);
        const Bytes bitmap =
            dib(16, 16, 4, {0x000000, 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00, 0x00FFFF}, pixels);
        const std::string texto = "Cota\xE7\xE3o \xC2ngulo de 30\xB0 " + std::to_string(k);
        if (!emf) {
            Wmf w;
            w.r(0x020B, {0, 0}).r(0x020C, {3000, 4000});
            w.r(0x02FA, {unsigned(n(1, 5)), unsigned(n(2, 40)), 0, unsigned(n(3, 0xFFFF)), 0});
            w.r(0x02FC, {unsigned(n(4, 3)), unsigned(n(5, 0xFFFF)), unsigned(n(6, 0xFF)),
                         unsigned(n(7, 6))});
            w.r(0x02FB, fonteWmf(-int(80 + n(8, 200)), k % 2 ? "Arial" : "Times New Roman",
                                 k % 3 ? 400 : 700, 0, int(n(9, 4)) * 450));
            w.r(0x012D, {0}).r(0x012D, {1}).r(0x012D, {2});
            for (unsigned i = 0; i < 12; ++i) {
                const unsigned x = n(10 + i, 3600), y = n(30 + i, 2600);
                switch (n(50 + i, 8)) {
                case 0:
                    w.r(0x041B, {y + 300, x + 400, y, x});
                    break;
                case 1:
                    w.r(0x0418, {y + 300, x + 400, y, x});
                    break;
                case 2:
                    w.r(0x0214, {y, x}).r(0x0213, {n(70 + i, 3000), n(90 + i, 4000)});
                    break;
                case 3:
                    w.r(0x0324, {3, x, y, x + 300, y, x + 150, y + 260});
                    break;
                case 4:
                    w.r(0x081A, {y, x + 400, y + 300, x, y + 300, x + 400, y, x});
                    break;
                case 5:
                    w.textOut(x, y, texto);
                    break;
                case 6:
                    w.rb(0x0B41, {0x0020, 0xCC, 16, 16, 0, 0, 300, 400, y, x}, bitmap);
                    break;
                default:
                    w.r(0x061C, {120, 160, y + 300, x + 400, y, x});
                    break;
                }
            }
            v.push_back(w.bytes());
        } else {
            Emf e;
            e.r(38, {1, unsigned(n(1, 5)), unsigned(n(2, 4)), 0, unsigned(n(3, 0xFFFFFF))});
            e.r(39, {2, unsigned(n(4, 3)), unsigned(n(5, 0xFFFFFF)), unsigned(n(6, 6))});
            e.r(37, {1}).r(37, {2});
            for (unsigned i = 0; i < 12; ++i) {
                const std::uint32_t x = n(10 + i, 360), y = n(30 + i, 260);
                switch (n(50 + i, 6)) {
                case 0:
                    e.r(43, {x, y, x + 40, y + 30});
                    break;
                case 1:
                    e.r(42, {x, y, x + 40, y + 30});
                    break;
                case 2:
                    e.r(27, {x, y}).r(54, {n(70 + i, 400), n(90 + i, 300)});
                    break;
                case 3:
                    e.r(59, {}).r(27, {x, y}).r(54, {x + 30, y}).r(54, {x + 15, y + 26});
                    e.r(60, {}).r(63, {0, 0, 0, 0});
                    break;
                case 4: {
                    Bytes t;
                    for (char c : std::string("A\xE7\xE3o"))
                        põe16(t, std::uint8_t(c));
                    e.r(84, {0, 0, 0, 0, 1, 0, 0, x, y, 4, 60, 0x100, 0}, t);
                    break;
                }
                default:
                    e.r(81,
                        {0, 0, 0, 0, x, y, 0, 0, 16, 16, 80, 40 + 64, 80 + 40 + 64,
                         std::uint32_t(bitmap.size() - 40 - 64), 0, 0xCC0020, 40, 30},
                        bitmap);
                    break;
                }
            }
            v.push_back(e.bytes(400, 300));
        }
    }
    return v;
}

} // namespace teste
