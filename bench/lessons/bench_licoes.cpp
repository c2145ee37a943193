// Loading each lesson program's text into the rich-text box, as entry does.

#include "caixartf.h"
#include "licoes.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

void Carga(benchmark::State& estado, jogador::DadosLição (*dados)()) {
    const QByteArray texto = dados().texto;
    vb::CaixaRTF caixa;
    caixa.resize(249, 392);
    caixa.show();
    for (auto _ : estado) {
        caixa.carregar(texto);
        benchmark::DoNotOptimize(caixa.Find(QStringLiteral("Pg 2"), 0));
    }
    estado.counters["KiB"] = texto.size() / 1024.0;
}

BENCHMARK_CAPTURE(Carga, QVAC2DII01, licoes::QVAC2DII01)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Carga, QVAC2D01, licoes::QVAC2D01)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Carga, QVACAD3D01, licoes::QVACAD3D01)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
