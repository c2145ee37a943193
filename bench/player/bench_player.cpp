// One page change of the lesson window: the two marker searches, the figure's picture load, the
// hand-back of the focus and the repaint of the window. On a 100-page generated lesson with
// pictures, and on the lesson program QVAC2DII01 with its own text and figures (those of the
// installation folder). Each change is timed on its own; the median is the "mediana_ms" counter.
//
// With a display the window is painted on it (run under tests/xvfb/xvfb-run.sh); without one
// Qt's offscreen platform is used.

#include "../../tests/player/licao_gerada.h"
#include "fim.h"
#include "form1.h"
#include "licoes.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <memory>
#include <vector>

namespace {

// A 100-marker lesson, a picture embedded in every 4th page, a figure on every 3rd page (one
// in the figure window); its figure files are written into pasta.
jogador::DadosLição LiçãoGerada(const QString& pasta) {
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

// A lesson window entered as the student enters it, in its program's folder.
class Lição {
  public:
    Lição(const QString& pasta, const jogador::DadosLição& dados) : anterior_(QDir::currentPath()) {
        QDir::setCurrent(pasta);
        janela_ = std::make_unique<jogador::Form1>(dados);
        vb::Handler([this] {
            janela_->Form_Load();
            janela_->Entrar_Click();
        });
        QCoreApplication::processEvents();
    }
    ~Lição() {
        janela_.reset();
        QCoreApplication::processEvents();
        QDir::setCurrent(anterior_);
    }
    jogador::Form1& janela() { return *janela_; }

  private:
    QString anterior_;
    std::unique_ptr<jogador::Form1> janela_;
};

// Pages início, início + passo, ... in turn, to the last page and round again.
void MudarPágina(benchmark::State& state, jogador::Form1& janela, int início, int passo) {
    QScrollBar* barra = janela.Barra;
    int página = início - passo;
    std::vector<double> tempos;
    for (auto _ : state) {
        página = página + passo > barra->maximum() ? início : página + passo;
        const auto antes = std::chrono::steady_clock::now();
        barra->setValue(página);
        janela.repaint();
        tempos.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - antes)
                .count());
    }
    std::sort(tempos.begin(), tempos.end());
    if (!tempos.empty()) {
        state.counters["mediana_ms"] = tempos[tempos.size() / 2];
        state.counters["p90_ms"] = tempos[tempos.size() * 9 / 10];
    }
    state.SetItemsProcessed(state.iterations());
}

// Every page in turn: two out of three without a figure.
void BM_MudarPágina(benchmark::State& state) {
    QTemporaryDir pasta;
    Lição l(pasta.path(), LiçãoGerada(pasta.path()));
    MudarPágina(state, l.janela(), 1, 1);
}
BENCHMARK(BM_MudarPágina)->Unit(benchmark::kMillisecond);

// Only pages with a figure inside the panel or in the figure window.
void BM_MudarPáginaComFigura(benchmark::State& state) {
    QTemporaryDir pasta;
    Lição l(pasta.path(), LiçãoGerada(pasta.path()));
    MudarPágina(state, l.janela(), 3, 3);
}
BENCHMARK(BM_MudarPáginaComFigura)->Unit(benchmark::kMillisecond);

// The lesson program QVAC2DII01, every page in turn, in the installation folder.
void BM_MudarPáginaQVAC2DII01(benchmark::State& state) {
    Lição l(QStringLiteral(QV_INSTALACAO), licoes::QVAC2DII01());
    MudarPágina(state, l.janela(), 1, 1);
}
BENCHMARK(BM_MudarPáginaQVAC2DII01)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
