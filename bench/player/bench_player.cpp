// One page change of the lesson window on a 100-page lesson with pictures: the two marker
// searches, the figure's picture load and the repaint of the window.

#include "../../tests/player/licao_gerada.h"
#include "fim.h"
#include "form1.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

std::unique_ptr<jogador::Form1> janela;

// A 100-marker lesson, a picture embedded in every 4th page, a figure on every 3rd page (one
// in the figure window).
jogador::DadosLição Lição(const QString& pasta) {
    licaogerada::Opções o;
    o.marcas = 100;
    o.linhas = [](int p) { return 8 + (p * 7) % 25; };
    o.imagemACada = 4;
    jogador::DadosLição d = licaogerada::Lição(o);
    d.figuras.clear();
    for (int p = 3; p < 100; p += 3) {
        const QString nome = QStringLiteral("fig%1.jpg").arg(p);
        QImage imagem(200 + p, 120, QImage::Format_RGB32);
        imagem.fill(QColor(p * 2, 100, 200 - p));
        imagem.save(pasta + QLatin1Char('/') + nome, "JPG");
        d.figuras.append(
            jogador::LinhaFigura{p, p == 51 ? QStringLiteral("2") : QStringLiteral("1"),
                                 QString::number(1000 + 30 * p).rightJustified(4, u'0'), nome});
    }
    return d;
}

// Pages início, início + passo, ... in turn, to the last page and round again.
void MudarPágina(benchmark::State& state, int início, int passo) {
    QScrollBar* barra = janela->Barra;
    int página = início - passo;
    for (auto _ : state) {
        página = página + passo > barra->maximum() ? início : página + passo;
        barra->setValue(página);
        janela->repaint();
    }
    state.SetItemsProcessed(state.iterations());
}

// Every page in turn: two out of three without a figure.
void BM_MudarPágina(benchmark::State& state) {
    MudarPágina(state, 1, 1);
}
BENCHMARK(BM_MudarPágina)->Unit(benchmark::kMillisecond);

// Only pages with a figure inside the panel or in the figure window.
void BM_MudarPáginaComFigura(benchmark::State& state) {
    MudarPágina(state, 3, 3);
}
BENCHMARK(BM_MudarPáginaComFigura)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir pasta;
    const QString anterior = QDir::currentPath();
    QDir::setCurrent(pasta.path());

    janela = std::make_unique<jogador::Form1>(Lição(pasta.path()));
    vb::Handler([] {
        janela->Form_Load();
        janela->Entrar_Click();
    });
    QCoreApplication::processEvents();

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    janela.reset();
    QDir::setCurrent(anterior);
    return 0;
}
