// The rich-text box: reading a 100-page lesson and changing pages.

#include "caixartf.h"
#include "documentortf.h"
#include "leitorrtf.h"

#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QTextDocument>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

std::string hex(const std::vector<std::uint8_t>& dados) {
    static const char* dígitos = "0123456789abcdef";
    std::string s;
    for (std::size_t i = 0; i < dados.size(); ++i) {
        if (i && i % 64 == 0)
            s += "\r\n";
        s += dígitos[dados[i] >> 4];
        s += dígitos[dados[i] & 15];
    }
    return s;
}

std::string png() {
    QImage img(400, 300, QImage::Format_RGB32);
    QPainter p(&img);
    p.fillRect(img.rect(), Qt::white);
    for (int i = 0; i < 20; ++i)
        p.drawLine(0, i * 15, 400, 300 - i * 15);
    p.end();
    QByteArray a;
    QBuffer b(&a);
    b.open(QIODevice::WriteOnly);
    img.save(&b, "PNG");
    return hex(std::vector<std::uint8_t>(a.begin(), a.end()));
}

// A metafile of a drawing: window 4000 x 3000, a grid of filled rectangles and ellipses.
std::string wmf() {
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
    registro(0x020B, {0, 0});
    registro(0x020C, {3000, 4000});
    registro(0x02FC, {0, 0x80C0, 0x0040, 0});
    registro(0x012D, {0});
    for (unsigned y = 0; y < 3000; y += 500)
        for (unsigned x = 0; x < 4000; x += 500) {
            registro(0x041B, {y + 400, x + 400, y, x});
            registro(0x0418, {y + 450, x + 450, y + 50, x + 50});
        }
    registro(0, {});
    std::vector<std::uint8_t> m;
    unsigned palavras = unsigned(18 + r.size()) / 2;
    for (unsigned x : {1u, 9u, 0x300u, palavras & 0xFFFF, palavras >> 16, 1u, 7u, 0u, 0u})
        w16(m, x);
    m.insert(m.end(), r.begin(), r.end());
    return hex(m);
}

// 100 markers (99 pages and the end marker), headings, paragraphs, a PNG every 5 pages and a
// metafile every 7, and the figure index after the last marker.
const QByteArray& lição() {
    static const QByteArray texto = [] {
        std::string figuraPng = png(), figuraWmf = wmf();
        std::string s = R"({\rtf1\ansi\ansicpg1252\deff0\deflang1046{\fonttbl{\f0\fswiss Arial;})"
                        R"({\f1\froman Times New Roman;}}{\colortbl;\red0\green0\blue128;})"
                        "\n";
        for (int p = 1; p <= 100; ++p) {
            s += "\\pard\\qr\\b\\f0\\fs20 Pg " + std::string(p % 9 == 0 ? "{\\lang1033 " : "{") +
                 std::to_string(p) + "}\\par\n";
            s += "\\pard\\sb120\\sa120\\plain\\b\\fs28\\cf1 Li\\'e7\\'e3o " + std::to_string(p) +
                 ": desenho de precis\\'e3o\\par\\plain\n";
            for (int k = 0; k < 8; ++k)
                s += "\\pard\\qj\\fi360 Para desenhar a figura, escolha o comando {\\b Linha} e "
                     "digite as coordenadas {\\i absolutas} ou relativas; confirme cada ponto com "
                     "Enter e observe a linha de comando, que pede o pr\\'f3ximo ponto.\\par\n";
            if (p % 5 == 0)
                s += "\\pard\\qc{\\*\\shppict{\\pict\\pngblip\\picw400\\pich300\\picwgoal6000"
                     "\\pichgoal4500 " +
                     figuraPng + "}}\\par\n";
            if (p % 7 == 0)
                s += "\\pard\\qc{\\pict\\wmetafile8\\picw10583\\pich7938\\picwgoal6000"
                     "\\pichgoal4500 " +
                     figuraWmf + "}\\par\n";
        }
        s += "\\pard \\'cdndice das figuras: p\\'e1gina 2, figura 207.\\par}";
        return QByteArray::fromStdString(s);
    }();
    return texto;
}

class Nada : public vb::rtf::Saída {
  public:
    void texto(std::u16string_view t, const vb::rtf::Estilo&) override {
        benchmark::DoNotOptimize(t.data());
    }
    void parágrafo(const vb::rtf::FormatoParágrafo&, const vb::rtf::Estilo&) override {}
    void imagem(const vb::rtf::Imagem& i, const vb::rtf::Estilo&) override {
        benchmark::DoNotOptimize(i.dados.data());
    }
};

void bytes(benchmark::State& estado) {
    estado.SetBytesProcessed(std::int64_t(estado.iterations()) * lição().size());
}

// The reader alone (tokenizer and interpreter).
void BM_Leitor(benchmark::State& estado) {
    std::string_view rtf(lição().constData(), std::size_t(lição().size()));
    for (auto _ : estado) {
        Nada n;
        vb::rtf::ler(rtf, n);
    }
    bytes(estado);
}
BENCHMARK(BM_Leitor)->Unit(benchmark::kMillisecond);

// The reader into a QTextDocument, pictures decoded and drawn.
void BM_Documento(benchmark::State& estado) {
    std::string_view rtf(lição().constData(), std::size_t(lição().size()));
    for (auto _ : estado) {
        QTextDocument doc;
        vb::rtf::carregaDocumento(&doc, rtf);
        benchmark::DoNotOptimize(doc.characterCount());
    }
    bytes(estado);
}
BENCHMARK(BM_Documento)->Unit(benchmark::kMillisecond);

// Shapes that grew with the square of their size: a 2000-row table, and one paragraph of 4000
// runs (each a format change) inside a table cell.
void BM_TabelaLonga(benchmark::State& estado) {
    std::string tabela = "{\\rtf1\\trowd\\trleft-108\\cellx1500\\cellx3000\\cellx4500";
    for (int i = 0; i < 2000; ++i)
        tabela += "\\pard\\intbl " + std::to_string(i) + "\\cell b\\cell c\\cell\\row\n";
    tabela += "\\pard\\intbl ";
    for (int i = 0; i < 4000; ++i)
        tabela += "{\\b x}y";
    tabela += "\\cell\\row}";
    for (auto _ : estado) {
        QTextDocument doc;
        vb::rtf::carregaDocumento(&doc, tabela);
        benchmark::DoNotOptimize(doc.characterCount());
    }
}
BENCHMARK(BM_TabelaLonga)->Unit(benchmark::kMillisecond);

// One picture of each kind, decoded or drawn at 400 x 300 pixels.
void desenha(benchmark::State& estado, vb::rtf::TipoImagem tipo, const std::string& dados) {
    vb::rtf::Imagem i;
    i.tipo = tipo;
    i.modoMapa = 8;
    i.picwgoal = 6000;
    i.pichgoal = 4500;
    for (std::size_t k = 0; k + 1 < dados.size(); k += 2) {
        if (dados[k] == '\r')
            k += 2;
        i.dados.push_back(std::uint8_t(std::stoi(dados.substr(k, 2), nullptr, 16)));
    }
    for (auto _ : estado)
        benchmark::DoNotOptimize(vb::rtf::desenhaImagem(i).constBits());
}
void BM_ImagemPng(benchmark::State& estado) {
    desenha(estado, vb::rtf::TipoImagem::Png, png());
}
void BM_ImagemWmf(benchmark::State& estado) {
    desenha(estado, vb::rtf::TipoImagem::Wmf, wmf());
}
BENCHMARK(BM_ImagemPng)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImagemWmf)->Unit(benchmark::kMillisecond);

// Loading the shown text box, and the first page (which lays the whole text out).
void BM_CarregarCaixa(benchmark::State& estado) {
    vb::CaixaRTF caixa;
    caixa.resize(620, 420);
    caixa.show();
    for (auto _ : estado) {
        caixa.carregar(lição());
        benchmark::DoNotOptimize(caixa.Find("Pg 2", 0));
        benchmark::DoNotOptimize(caixa.Find("Pg 1", 0));
    }
    bytes(estado);
}
BENCHMARK(BM_CarregarCaixa)->Unit(benchmark::kMillisecond);

// One page change as the selector makes it: the next page's marker, then the page's own.
void BM_TrocaDePágina(benchmark::State& estado) {
    vb::CaixaRTF caixa;
    caixa.resize(620, 420);
    caixa.show();
    caixa.carregar(lição());
    caixa.Find("Pg 1", 0);
    int p = 1;
    for (auto _ : estado) {
        benchmark::DoNotOptimize(caixa.Find(QStringLiteral("Pg %1").arg(p + 1), 0));
        benchmark::DoNotOptimize(caixa.Find(QStringLiteral("Pg %1").arg(p), 0));
        p = p % 99 + 1;
    }
}
BENCHMARK(BM_TrocaDePágina)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    std::printf("lesson: %lld bytes of RTF\n", static_cast<long long>(lição().size()));
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
