// Drawing metafiles: the pictures of our three lessons' texts and a generated varied set (WMF
// and EMF), each drawn at the size the lesson shows it.

#include "leitorrtf.h"
#include "metarquivo.h"
#include "metarquivos.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

struct Figura {
    vb::rtf::Imagem imagem;
    int largura, altura;
};

class Coletor : public vb::rtf::Saída {
  public:
    std::vector<Figura> figuras;
    void texto(std::u16string_view, const vb::rtf::Estilo&) override {}
    void parágrafo(const vb::rtf::FormatoParágrafo&, const vb::rtf::Estilo&) override {}
    void imagem(const vb::rtf::Imagem& i, const vb::rtf::Estilo&) override {
        if (i.tipo == vb::rtf::TipoImagem::Wmf || i.tipo == vb::rtf::TipoImagem::Emf) {
            const vb::rtf::Tamanho t = vb::rtf::tamanhoEmPixels(i);
            figuras.push_back({i, t.largura, t.altura});
        }
    }
};

// The metafiles of the lesson texts (the RTF files the lesson programs are built from).
const std::vector<Figura>& dasLições() {
    static const std::vector<Figura> v = [] {
        Coletor c;
        for (const QString& f : QDir(QV_LICOES).entryList({"*.rtf"})) {
            QFile arquivo(QDir(QV_LICOES).filePath(f));
            if (arquivo.open(QIODevice::ReadOnly)) {
                const QByteArray b = arquivo.readAll();
                vb::rtf::ler(std::string_view(b.constData(), std::size_t(b.size())), c);
            }
        }
        return c.figuras;
    }();
    return v;
}

const std::vector<Figura>& geradas(bool emf) {
    static std::vector<Figura> v[2];
    if (v[emf].empty())
        for (const teste::Bytes& b : teste::metarquivosVariados(emf, 40)) {
            vb::rtf::Imagem i;
            i.tipo = emf ? vb::rtf::TipoImagem::Emf : vb::rtf::TipoImagem::Wmf;
            i.modoMapa = 8;
            i.picw = 10583;
            i.pich = 7938;
            i.dados = b;
            v[emf].push_back({i, 400, 300});
        }
    return v[emf];
}

void nosso(benchmark::State& estado, const std::vector<Figura>& figuras) {
    std::size_t nulas = 0;
    for (auto _ : estado)
        for (const Figura& f : figuras) {
            const QImage img = vb::rtf::desenharMetarquivo(
                f.imagem.dados.data(), f.imagem.dados.size(),
                f.imagem.tipo == vb::rtf::TipoImagem::Emf ? vb::rtf::TipoMetarquivo::Emf
                                                          : vb::rtf::TipoMetarquivo::Wmf,
                f.imagem.modoMapa, f.largura, f.altura, f.imagem.picw, f.imagem.pich);
            nulas += img.isNull();
            benchmark::DoNotOptimize(img);
        }
    estado.counters["figuras"] = double(figuras.size());
    estado.counters["nulas"] = double(nulas) / double(estado.iterations());
}

void BM_LicoesNosso(benchmark::State& e) {
    nosso(e, dasLições());
}
void BM_GeradosWmfNosso(benchmark::State& e) {
    nosso(e, geradas(false));
}
void BM_GeradosEmfNosso(benchmark::State& e) {
    nosso(e, geradas(true));
}
BENCHMARK(BM_LicoesNosso)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GeradosWmfNosso)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GeradosEmfNosso)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
