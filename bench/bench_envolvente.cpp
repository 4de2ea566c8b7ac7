// The envelope at 10 protons: the sums over every band, the remix of the
// slider, at 0.01 (15 540 bands) and 0 (167 960 bands) minimum intensity,
// a zoom step, which samples the new view, and the line shape on a measured
// spectrum's grid of 65 536 points, as a fit evaluates it again and again.
#include "display/EnvolventeCalc.h"
#include "display/Geometria.h"
#include "espectro/FormaDeLinha.h"
#include "run/Simulacao.h"
#include "run/ValoresIniciais.h"

#include <benchmark/benchmark.h>

#include <algorithm>

namespace {

const EstadoSpin& DezProtons(bool todas) {
    static EstadoSpin estados[2];
    EstadoSpin& e = estados[todas];
    if (e.NProt == 0) {
        EntradaSimulacao in = EntradaInicial(10);
        in.IntMin = todas ? 0.0f : 0.01f;
        EstadoSpin trabalho;
        ObservadorSimulacao nada;
        Simula(in, e, trabalho, nada);
    }
    return e;
}

void Recalculo(benchmark::State& st) {
    const EstadoSpin& e = DezProtons(st.range(0) == 0);
    EstadoGrafico g;
    OpcoesGrafico o;
    CalculaJanela(g, e, LarguraLarga);
    for (auto _ : st) {
        g.env.EnvValida = false;
        g.RecalcEscala = true;
        benchmark::DoNotOptimize(PreparaEnvolvente(g, e, o, AlturaLarga));
    }
    st.counters["bandas"] = e.NBandas;
}

void Remistura(benchmark::State& st) {
    const EstadoSpin& e = DezProtons(false);
    EstadoGrafico g;
    OpcoesGrafico o;
    CalculaJanela(g, e, LarguraLarga);
    PreparaEnvolvente(g, e, o, AlturaLarga);
    for (auto _ : st) {
        o.Mistura = (o.Mistura + 7) % 101;
        g.env.MisturaMudou = true;
        benchmark::DoNotOptimize(PreparaEnvolvente(g, e, o, AlturaLarga));
    }
}

// A zoom step: the view moves, so the envelope is sampled again for it;
// the vertical scale stays.
void Zoom(benchmark::State& st) {
    const EstadoSpin& e = DezProtons(false);
    EstadoGrafico g;
    OpcoesGrafico o;
    CalculaJanela(g, e, LarguraLarga);
    PreparaEnvolvente(g, e, o, AlturaLarga);
    bool ampliar = true;
    for (auto _ : st) {
        ZoomHorizontal(g, ampliar);
        ampliar = !ampliar;
        CalculaJanela(g, e, LarguraLarga);
        benchmark::DoNotOptimize(PreparaEnvolvente(g, e, o, AlturaLarga));
    }
    st.counters["amostras"] = g.env.Amostras();
}

// Every band of the ten-proton run on 65 536 points from 20 Hz above the
// highest band to 20 Hz below the lowest, high to low as a spectrum runs,
// the buffers kept from one evaluation to the next. With range(0) 1 the
// same points come in rising order, where the Gaussian visits every point.
void LinhaEmGrade(benchmark::State& st) {
    const EstadoSpin& e = DezProtons(false);
    const Linhas l = LinhasDe(e);
    const auto [baixo, alto] = std::minmax_element(l.Hz.begin(), l.Hz.end());
    const std::size_t n = 65536;
    const double passo = (*baixo - *alto - 40) / double(n - 1);
    LinhaNaGrade grade;
    if (st.range(0) == 0)
        grade.Uniforme(*alto + 20, passo, n);
    else
        grade.Uniforme(*baixo - 20, -passo, n);
    for (auto _ : st) {
        grade.Calcula(l, {0.5, 0.5});
        benchmark::DoNotOptimize(grade.Valor.data());
    }
    st.counters["bandas"] = double(l.Hz.size());
}

} // namespace

BENCHMARK(LinhaEmGrade)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(Zoom)->Unit(benchmark::kMillisecond);
BENCHMARK(Recalculo)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);
BENCHMARK(Remistura)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
