// The fit of a whole system to a synthetic spectrum of it (noise and a
// baseline) from a rough start, at 8, 9 and 10 protons; with --taxas, the
// share of random rough starts that reach the answer.
#include "ajuste/Ajuste.h"
#include "espectro/FormaDeLinha.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <random>

namespace {

EntradaSimulacao Sistema(int N, double MHz, std::vector<double> desloc,
                         std::vector<std::tuple<int, int, double>> J) {
    EntradaSimulacao in = EntradaInicial(N);
    in.MHz = MHz;
    in.Desloc = std::move(desloc);
    std::fill(in.J.begin(), in.J.end(), 0.0);
    for (auto [i, j, v] : J) in.J[std::size_t(IndiceJ(N, i, j))] = v;
    return in;
}

// Five groups and four couplings, two of them strong at 400 MHz.
EntradaSimulacao Oito() {
    return Sistema(8, 400, {2600, 2570, 1700, 1700, 1560, 1560, 420, 420},
                   {{1, 2, 10.5},
                    {2, 3, 7},
                    {2, 4, 7},
                    {3, 5, 7.4},
                    {3, 6, 7.4},
                    {4, 5, 7.4},
                    {4, 6, 7.4},
                    {5, 7, 6.8},
                    {5, 8, 6.8},
                    {6, 7, 6.8},
                    {6, 8, 6.8}});
}

// 1-butanol at 300 MHz: the butyl chain (9 protons) and, for 10, the OH.
EntradaSimulacao Butanol(int N) {
    std::vector<double> d{1089, 1089, 465, 465, 414, 414, 279, 279, 279, 660};
    d.resize(std::size_t(N));
    std::vector<std::tuple<int, int, double>> J;
    for (int a : {1, 2})
        for (int b : {3, 4}) J.emplace_back(a, b, 6.6);
    for (int a : {3, 4})
        for (int b : {5, 6}) J.emplace_back(a, b, 7.4);
    for (int a : {5, 6})
        for (int b : {7, 8, 9}) J.emplace_back(a, b, 7.4);
    return Sistema(N, 300, d, J);
}

EntradaSimulacao Certo(int N) {
    return N == 8 ? Oito() : Butanol(N);
}

std::shared_ptr<EspectroExperimental> Medido(const EntradaSimulacao& in) {
    TrabalhoSimulacao t;
    SimulaBandas(in, AutovaloresLapack(), t);
    auto x = std::make_shared<EspectroExperimental>();
    x->MHz = in.MHz;
    LinhaNaGrade g;
    const double topo = 7.5 * in.MHz, passo = 0.25;
    g.Uniforme(topo, -passo, std::size_t(7 * in.MHz / passo));
    g.Calcula(LinhasDe(t.estado), {0.5, 0.5});
    std::mt19937 gen(11);
    std::normal_distribution<double> ruido(0, 0.02);
    for (std::size_t k = 0; k < g.Hz.size(); ++k) {
        x->Ppm.push_back(g.Hz[k] / in.MHz);
        x->Intensidade.push_back(100 * g.Valor[k] + 3 + ruido(gen));
    }
    return x;
}

// Each group's shift moved by up to `dHz`, each coupling by up to `dJ`.
EntradaSimulacao Grosseiro(const EntradaSimulacao& certo, double dHz, double dJ, unsigned semente) {
    std::mt19937 gen(semente);
    std::uniform_real_distribution<double> u(-1, 1);
    EntradaSimulacao in = certo;
    for (std::size_t i = 0; i < in.Desloc.size(); ++i) {
        const auto primeiro = std::find(certo.Desloc.begin(), certo.Desloc.end(), certo.Desloc[i]);
        const std::size_t g = std::size_t(primeiro - certo.Desloc.begin());
        in.Desloc[i] = g < i ? in.Desloc[g] : certo.Desloc[i] + dHz * u(gen);
    }
    std::vector<double> visto, novo;
    for (double& j : in.J) {
        if (j == 0) continue;
        const auto k = std::find(visto.begin(), visto.end(), j);
        if (k != visto.end()) {
            j = novo[std::size_t(k - visto.begin())];
            continue;
        }
        visto.push_back(j);
        j += dJ * u(gen);
        novo.push_back(j);
    }
    return in;
}

ProblemaAjuste Problema(int N, const EntradaSimulacao& inicio) {
    static std::shared_ptr<EspectroExperimental> medidos[11];
    if (!medidos[N]) medidos[N] = Medido(Certo(N));
    ProblemaAjuste p;
    p.inicio = inicio;
    p.Largura = 1.4;
    p.medido = medidos[N];
    return p;
}

bool Acertou(const ResultadoAjuste& r, const EntradaSimulacao& certo) {
    for (std::size_t i = 0; i < certo.Desloc.size(); ++i)
        if (std::fabs(r.sistema.Desloc[i] - certo.Desloc[i]) > 0.05) return false;
    for (std::size_t k = 0; k < certo.J.size(); ++k)
        if (std::fabs(std::fabs(r.sistema.J[k]) - std::fabs(certo.J[k])) > 0.05) return false;
    return true;
}

void Ajuste(benchmark::State& st) {
    const int N = int(st.range(0));
    const ProblemaAjuste p = Problema(N, Grosseiro(Certo(N), 10, 2, 5));
    ResultadoAjuste r;
    for (auto _ : st)
        if (Ajusta(p, r)) st.SkipWithError("refused");
    st.counters["iteracoes"] = r.Iteracoes;
    st.counters["acertou"] = Acertou(r, Certo(N));
    st.counters["rms"] = r.RmsPorcento;
}

void Taxas(int partidas, int so) {
    for (int N : {8, 9, 10})
        if (so == 0 || so == N)
            for (auto [dHz, dJ] : {std::pair{5.0, 1.0}, {10.0, 2.0}, {20.0, 4.0}}) {
                int certos = 0;
                double pior = 0;
                for (int k = 0; k < partidas; ++k) {
                    ResultadoAjuste r;
                    const bool ok =
                        !Ajusta(Problema(N, Grosseiro(Certo(N), dHz, dJ, 100 + unsigned(k))), r);
                    certos += ok && Acertou(r, Certo(N));
                    pior = std::max(pior, r.Segundos);
                }
                std::printf("N = %d, shifts +-%g Hz, couplings +-%g Hz: %d of %d, slowest %.2f s\n",
                            N, dHz, dJ, certos, partidas, pior);
            }
}

} // namespace

BENCHMARK(Ajuste)->DenseRange(8, 10)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

int main(int argc, char** argv) {
    if (argc > 1 && std::strncmp(argv[1], "--taxas", 7) == 0) {
        std::setvbuf(stdout, nullptr, _IONBF, 0);
        Taxas(argc > 2 ? std::atoi(argv[2]) : 20, argc > 3 ? std::atoi(argv[3]) : 0);
        return 0;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
