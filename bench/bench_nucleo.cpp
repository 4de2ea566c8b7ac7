// Stage by stage and whole-run timings of the core on the start-up systems
// of 8, 9 and 10 protons.
#include "run/Simulacao.h"
#include "run/TabelaResultados.h"
#include "run/ValoresIniciais.h"
#include "solver/Base.h"
#include "solver/FreqInt.h"
#include "solver/Jacobi.h"
#include "solver/MatTrans.h"
#include "solver/OrdenaBandas.h"

#include <benchmark/benchmark.h>

namespace {

EntradaSimulacao Entrada(int N, float intMin) {
    EntradaSimulacao in = EntradaInicial(N);
    in.IntMin = intMin;
    return in;
}

// A complete state of the start-up system of N protons, with the bands of
// the default minimum intensity or with every band (IntMin 0).
const EstadoSpin& Calculado(int N, bool todasAsBandas = false) {
    static EstadoSpin estados[2][NProtMax + 1];
    EstadoSpin& e = estados[todasAsBandas][N];
    if (e.NProt == 0) {
        EstadoSpin trabalho;
        ObservadorSimulacao nada;
        Simula(Entrada(N, todasAsBandas ? 0.0f : 0.01f), e, trabalho, nada);
    }
    return e;
}

void Base(benchmark::State& st) {
    EstadoSpin e = Calculado(int(st.range(0)));
    for (auto _ : st) {
        e.CriaMatrizes();
        e.ContEst = 1;
        GeraBase(e, 1);
        MontaSubMat(e);
    }
}

void Submatrizes(benchmark::State& st) {
    EstadoSpin e = Calculado(int(st.range(0)));
    for (auto _ : st) benchmark::DoNotOptimize(DiagSubMat(e));
}

void MatrizTransicao(benchmark::State& st) {
    EstadoSpin e = Calculado(int(st.range(0)));
    for (auto _ : st) MontaMatTrans(e);
}

void Frequencias(benchmark::State& st) {
    EstadoSpin e = Calculado(int(st.range(0)), st.range(1) == 0);
    for (auto _ : st) CalcFreqInt(e, true);
    st.counters["bandas"] = e.NBandas;
}

// The bands as the frequency stage leaves them, sorted anew each time.
void Ordenacao(benchmark::State& st) {
    EstadoSpin e = Calculado(int(st.range(0)), st.range(1) == 0);
    CalcFreqInt(e, true);
    const EstadoSpin original = e;
    for (auto _ : st) {
        st.PauseTiming();
        e.FreqBanda = original.FreqBanda;
        e.ProtAfet = original.ProtAfet;
        st.ResumeTiming();
        OrdenaBandas(e);
    }
}

void TextoTabela(benchmark::State& st) {
    const EstadoSpin& e = Calculado(int(st.range(0)), st.range(1) == 0);
    for (auto _ : st) benchmark::DoNotOptimize(TextoCopiaTabela(e, '.').size());
}

void ExecucaoCompleta(benchmark::State& st) {
    const EntradaSimulacao in = Entrada(int(st.range(0)), st.range(1) ? 0.01f : 0.0f);
    EstadoSpin estado, trabalho;
    ObservadorSimulacao nada;
    for (auto _ : st) Simula(in, estado, trabalho, nada);
    st.counters["bandas"] = estado.NBandas;
}

// The run a fit repeats: no table, no inspector's arrays, one work state
// kept, the solver given by the second argument (0 Jacobi, 1 LAPACK).
void SimulaBandasSolver(benchmark::State& st) {
    EntradaSimulacao in = Entrada(int(st.range(0)), 0.01f);
    in.ComTabela = false;
    const Autovalores& solver = st.range(1) ? AutovaloresLapack() : AutovaloresJacobi();
    TrabalhoSimulacao t;
    for (auto _ : st) SimulaBandas(in, solver, t);
    st.SetLabel(std::string(solver.Nome()));
    st.counters["bandas"] = t.estado.NBandas;
}

} // namespace

BENCHMARK(SimulaBandasSolver)
    ->ArgsProduct({{8, 9, 10}, {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(Base)->DenseRange(8, 10)->Unit(benchmark::kMillisecond);
BENCHMARK(Submatrizes)->DenseRange(8, 10)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(MatrizTransicao)->DenseRange(8, 10)->Unit(benchmark::kMillisecond);
// The second argument as in ExecucaoCompleta: 1 for IntMin 0.01, 0 for every band.
BENCHMARK(Frequencias)
    ->ArgsProduct({{8, 9, 10}, {1}})
    ->Args({10, 0})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(Ordenacao)->ArgsProduct({{8, 9, 10}, {1}})->Args({10, 0})->Unit(benchmark::kMillisecond);
BENCHMARK(TextoTabela)
    ->ArgsProduct({{8, 9, 10}, {1}})
    ->Args({10, 0})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(ExecucaoCompleta)
    ->ArgsProduct({{8, 9, 10}, {1}})
    ->Args({10, 0})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

BENCHMARK_MAIN();
