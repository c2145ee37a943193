#pragma once
// Helpers of the RTF tests: a sink that records what the reader hands over, a tiny Windows
// metafile built by hand, and pictures as RTF hex.

#include "leitorrtf.h"

#include <QBuffer>
#include <QImage>
#include <QString>

#include <cstdint>
#include <string>
#include <vector>

namespace teste {

inline std::string utf8(std::u16string_view s) {
    return QString(reinterpret_cast<const QChar*>(s.data()), qsizetype(s.size())).toStdString();
}

struct Evento {
    enum Tipo { Texto, Parágrafo, Imagem, Nível, Célula, Linha } tipo;
    std::string texto;
    std::string família;
    vb::rtf::Estilo estilo; // família is not kept here (its view would dangle)
    vb::rtf::FormatoParágrafo parágrafo;
    vb::rtf::Imagem imagem;
    int nível = 0;
    vb::rtf::Linha linha = {};
};

class Gravador : public vb::rtf::Saída {
  public:
    std::vector<Evento> eventos;
    std::vector<std::pair<int, std::string>> decodificados; // code page and bytes, in order

    std::u16string decodifica(int página, std::string_view bytes) override {
        decodificados.emplace_back(página, bytes);
        return Saída::decodifica(página, bytes);
    }

    void texto(std::u16string_view t, const vb::rtf::Estilo& e) override {
        eventos.push_back({Evento::Texto, utf8(t), utf8(e.família), limpa(e), {}, {}});
    }
    void parágrafo(const vb::rtf::FormatoParágrafo& f, const vb::rtf::Estilo& e) override {
        eventos.push_back({Evento::Parágrafo, {}, utf8(e.família), limpa(e), f, {}});
    }
    void imagem(const vb::rtf::Imagem& i, const vb::rtf::Estilo& e) override {
        eventos.push_back({Evento::Imagem, {}, utf8(e.família), limpa(e), {}, i});
    }

    void nívelTabela(int n) override { eventos.push_back({Evento::Nível, {}, {}, {}, {}, {}, n}); }
    void célula(const vb::rtf::FormatoParágrafo& f, const vb::rtf::Estilo& e) override {
        eventos.push_back({Evento::Célula, {}, utf8(e.família), limpa(e), f, {}});
    }
    void linha(const vb::rtf::Linha& l) override {
        eventos.push_back({Evento::Linha, {}, {}, {}, {}, {}, 0, l});
    }

    // The text read: paragraphs end with "|", pictures show as "[img]"; table levels as "<n>",
    // cell ends as "^" and row ends as "#".
    std::string plano() const {
        std::string s;
        for (const Evento& e : eventos) {
            switch (e.tipo) {
            case Evento::Texto:
                s += e.texto;
                break;
            case Evento::Parágrafo:
                s += "|";
                break;
            case Evento::Imagem:
                s += "[img]";
                break;
            case Evento::Nível:
                s += "<" + std::to_string(e.nível) + ">";
                break;
            case Evento::Célula:
                s += "^";
                break;
            case Evento::Linha:
                s += "#";
                break;
            }
        }
        return s;
    }
    std::vector<const Evento*> de(Evento::Tipo tipo) const {
        std::vector<const Evento*> v;
        for (const Evento& e : eventos)
            if (e.tipo == tipo)
                v.push_back(&e);
        return v;
    }

  private:
    static vb::rtf::Estilo limpa(vb::rtf::Estilo e) {
        e.família = {};
        return e;
    }
};

inline Gravador lê(std::string_view rtf) {
    Gravador g;
    vb::rtf::ler(rtf, g);
    return g;
}

inline std::string hex(const std::vector<std::uint8_t>& dados, std::size_t porLinha = 64) {
    static const char* dígitos = "0123456789abcdef";
    std::string s;
    for (std::size_t i = 0; i < dados.size(); ++i) {
        if (i && i % porLinha == 0)
            s += "\r\n";
        s += dígitos[dados[i] >> 4];
        s += dígitos[dados[i] & 15];
    }
    return s;
}

// A metafile without the placeable header, as RTF stores it: window 0,0 - 2000 x 1000, a red
// rectangle over the left half of the top half, a green ellipse in the right half.
inline std::vector<std::uint8_t> metarquivoDeTeste() {
    std::vector<std::uint8_t> r;
    auto w16 = [](std::vector<std::uint8_t>& v, unsigned x) {
        v.push_back(std::uint8_t(x & 0xFF));
        v.push_back(std::uint8_t((x >> 8) & 0xFF));
    };
    auto registro = [&](unsigned função, std::vector<unsigned> p) {
        unsigned n = 3 + unsigned(p.size());
        w16(r, n & 0xFFFF);
        w16(r, n >> 16);
        w16(r, função);
        for (unsigned x : p)
            w16(r, x);
    };
    registro(0x020B, {0, 0});            // SetWindowOrg
    registro(0x020C, {1000, 2000});      // SetWindowExt (y, x)
    registro(0x02FC, {0, 0x00FF, 0, 0}); // CreateBrushIndirect: solid, red
    registro(0x012D, {0});               // SelectObject
    registro(0x041B, {500, 1000, 0, 0}); // Rectangle (bottom, right, top, left)
    registro(0x02FC, {0, 0xFF00, 0, 0}); // green
    registro(0x012D, {1});
    registro(0x0418, {1000, 2000, 0, 1000}); // Ellipse
    registro(0, {});
    std::vector<std::uint8_t> m;
    unsigned palavras = unsigned(18 + r.size()) / 2;
    for (unsigned x : {1u, 9u, 0x300u, palavras & 0xFFFF, palavras >> 16, 2u, 7u, 0u, 0u})
        w16(m, x);
    m.insert(m.end(), r.begin(), r.end());
    return m;
}

inline std::vector<std::uint8_t> bytesDaImagem(const QImage& img, const char* formato) {
    QByteArray a;
    QBuffer b(&a);
    b.open(QIODevice::WriteOnly);
    img.save(&b, formato);
    return std::vector<std::uint8_t>(a.begin(), a.end());
}

inline QImage imagemDeTeste(int largura, int altura) {
    QImage img(largura, altura, QImage::Format_RGB32);
    img.fill(QColor(0, 0, 255));
    for (int y = 0; y < altura / 2; ++y)
        for (int x = 0; x < largura; ++x)
            img.setPixelColor(x, y, QColor(255, 255, 0));
    return img;
}

} // namespace teste
