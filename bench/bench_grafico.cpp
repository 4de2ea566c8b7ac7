// Redraw time of the wide plot: the screen drawing with the envelope sums
// cached (every pan, zoom or option change), the same with the sums
// recomputed (a run), with a measured spectrum laid under, and the picture
// copy.
#include "display/EstadoGrafico.h"
#include "display/Figura.h"
#include "display/Geometria.h"
#include "display/Grafico.h"
#include "run/Simulacao.h"
#include "run/ValoresIniciais.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdlib>
#include <memory>

namespace {

const EstadoSpin& Calculado(int N) {
    static EstadoSpin estados[NProtMax + 1];
    EstadoSpin& e = estados[N];
    if (e.NProt == 0) {
        const EntradaSimulacao in = EntradaInicial(N);
        EstadoSpin trabalho;
        ObservadorSimulacao nada;
        Simula(in, e, trabalho, nada);
    }
    return e;
}

void Desenha(QImage& im, EstadoGrafico& g, const EstadoSpin& e, const OpcoesGrafico& o) {
    im.fill(QColor(240, 224, 192));
    QPainter p(&im);
    Grafico(Superficie{p, true, LarguraLarga, AlturaLarga}, g, e, o);
}

void Redesenho(benchmark::State& st) {
    const EstadoSpin& e = Calculado(int(st.range(0)));
    EstadoGrafico g;
    OpcoesGrafico o;
    Restaura(g);
    QImage im(Px(LarguraLarga), Px(AlturaLarga), QImage::Format_RGB32);
    Desenha(im, g, e, o);
    for (auto _ : st) Desenha(im, g, e, o);
    st.counters["bandas"] = e.NBandas;
}

void RedesenhoComSomas(benchmark::State& st) {
    const EstadoSpin& e = Calculado(int(st.range(0)));
    EstadoGrafico g;
    OpcoesGrafico o;
    QImage im(Px(LarguraLarga), Px(AlturaLarga), QImage::Format_RGB32);
    for (auto _ : st) {
        g.RecalcEscala = true;
        g.env.EnvValida = false;
        Desenha(im, g, e, o);
    }
}

// A measured trace of 65 536 points laid under the ten-proton run: every
// redraw places it in the plot's columns.
std::shared_ptr<const EspectroExperimental> TracoMedido(const EstadoSpin& e) {
    auto x = std::make_shared<EspectroExperimental>();
    x->MHz = e.FreqEspHz / 1e6;
    const int n = 65536;
    for (int k = 0; k < n; ++k) {
        const double ppm = 10 - 10.0 * k / (n - 1), d = (ppm - 2) * 50;
        x->Ppm.push_back(ppm);
        x->Intensidade.push_back(1 / (1 + d * d) + 0.001 * std::sin(k * 0.7));
    }
    return x;
}

void RedesenhoComExperimental(benchmark::State& st) {
    const EstadoSpin& e = Calculado(int(st.range(0)));
    EstadoGrafico g;
    OpcoesGrafico o;
    g.Experimental = {TracoMedido(e), "medido.jdx"};
    Restaura(g);
    QImage im(Px(LarguraLarga), Px(AlturaLarga), QImage::Format_RGB32);
    Desenha(im, g, e, o);
    for (auto _ : st) Desenha(im, g, e, o);
}

void CopiaSvg(benchmark::State& st) {
    const EstadoSpin& e = Calculado(int(st.range(0)));
    EstadoGrafico g;
    OpcoesGrafico o;
    for (auto _ : st)
        benchmark::DoNotOptimize(DesenhoSvg(g, e, o, {LarguraLarga, AlturaLarga}, false));
}

} // namespace

BENCHMARK(Redesenho)->Arg(3)->Arg(8)->Arg(10)->Unit(benchmark::kMillisecond);
BENCHMARK(RedesenhoComSomas)->Arg(10)->Unit(benchmark::kMillisecond);
BENCHMARK(RedesenhoComExperimental)->Arg(10)->Unit(benchmark::kMillisecond);
BENCHMARK(CopiaSvg)->Arg(10)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
