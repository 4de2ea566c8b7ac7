// SimulaBandas, the run a fit calls many times: the same bands as the
// window's run, from any thread, stoppable, and with the library's solver
// the same spectrum to well within what a spectrum can show.

#include "Sistemas.h"
#include "comum/DoisNucleos.h"
#include "solver/OrdenaBandas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <thread>

namespace {

using namespace casos;

template <class T> bool MesmosBits(const Vetor<T>& a, const Vetor<T>& b, int n) {
    return std::memcmp(a.dados() + 1, b.dados() + 1, std::size_t(n) * sizeof(T)) == 0;
}

void MesmasBandas(const EstadoSpin& janela, const EstadoSpin& bandas) {
    ASSERT_EQ(janela.NBandas, bandas.NBandas);
    EXPECT_TRUE(MesmosBits(janela.FreqBanda, bandas.FreqBanda, janela.NBandas));
    EXPECT_TRUE(MesmosBits(janela.IntBanda, bandas.IntBanda, janela.NBandas));
}

std::vector<Sistema> Variados() {
    const Sistema iguais5{5, 300, {100, 100, 250, 250, 250}, {7, 0, 0, 0, 0, 0, 0, 6, 6, 6}};
    return {Com(SistemaPadrao10(), 0, false, false),
            Com(SistemaAleatorio(8, 8u), 0.01f, false, false),
            SistemaAleatorio(7, 77u),
            Com(SistemaAleatorio(5, 21u), 0.01f, true, false),
            Com(iguais5, 0, false, false),
            Com(Padrao3, LimiteNaBeira, false, false),
            {2, 60, {10, 14}, {-16}, 0, false, false},
            {1, 300, {123.25}, {}, 0.01f, false, false}};
}

// Largest first on one work state: nothing of a larger system may leak into
// a smaller one's bands. With the table the bands carry their levels and
// protons, and sorted as the window sorts them they are the window's rows;
// asked for the inspector's arrays, the run leaves the window's.
TEST(Bandas, ComoAsDaJanela) {
    TrabalhoSimulacao t;
    for (const Sistema& s : Variados()) {
        SCOPED_TRACE(testing::Message() << s.N << (s.ComTabela ? " com tabela" : ""));
        const EstadoSpin janela = Calcula(s);
        ASSERT_FALSE(SimulaBandas(Entrada(s), AutovaloresJacobi(), t));
        EXPECT_EQ(t.estado.MatVet.linhas() > 0, s.N < 3) << "no M x M arrays unless asked";
        if (s.ComTabela) OrdenaBandas(t.estado);
        MesmasBandas(janela, t.estado);
        if (!s.ComTabela) continue;
        EXPECT_TRUE(MesmosBits(janela.ProtBanda, t.estado.ProtBanda, janela.NBandas));
        EXPECT_TRUE(MesmosBits(janela.NivelA, t.estado.NivelA, janela.NBandas));
        ASSERT_FALSE(SimulaBandas(Entrada(s), AutovaloresLapack(), t, {}, true));
        const auto& a = janela.MatVet;
        ASSERT_EQ(t.estado.MatVet.tamanho(), a.tamanho());
        EXPECT_EQ(std::memcmp(a.dados(), t.estado.MatVet.dados(), a.tamanho() * sizeof(double)), 0)
            << "the inspector's vectors are Jacobi's";
    }
}

// Jacobi on the block less its Larmor term, as the library's solver gets it.
class JacobiRelativo final : public Autovalores {
  public:
    std::string_view Nome() const override { return "Jacobi relativo"; }
    bool Diagonaliza(double* A, int n, int passo, double tol, bool prim, double* valores,
                     double* vetores) const override {
        const double centro = A[0];
        for (int k = 0; k < n; ++k) A[std::size_t(k) * passo + k] -= centro;
        const bool ok = AutovaloresJacobi().Diagonaliza(A, n, passo, tol, prim, valores, vetores);
        for (int k = 0; k < n; ++k) valores[k] += centro;
        return ok;
    }
};

struct Desvios {
    double hz = 0, intensidade = 0; // the largest, Hz and relative to the lines' sum
};

using Linhas = std::vector<std::pair<double, double>>;

// The lines of the system by the solver, sorted.
Linhas LinhasDe(const Sistema& s, const Autovalores& x, TrabalhoSimulacao& t) {
    EXPECT_FALSE(SimulaBandas(Entrada(s), x, t));
    Linhas v;
    for (int b = 1; b <= t.estado.NBandas; ++b)
        v.emplace_back(t.estado.FreqBanda(b), t.estado.IntBanda(b));
    std::sort(v.begin(), v.end());
    return v;
}

Desvios Compara(const Linhas& a, const Linhas& b) {
    Desvios d;
    EXPECT_EQ(a.size(), b.size());
    if (a.size() != b.size()) return {1e300, 1e300};
    double maisForte = 0;
    for (const auto& l : a) maisForte = std::max(maisForte, l.second);
    for (std::size_t i = 0, ini = 0; i < a.size(); ++i) {
        d.hz = std::max(d.hz, std::fabs(a[i].first - b[i].first));
        if (i + 1 < a.size() && a[i + 1].first - a[i].first < 0.05) continue;
        double sa = 0, sb = 0;
        for (std::size_t k = ini; k <= i; ++k) sa += a[k].second, sb += b[k].second;
        // Below 1e-12 of the strongest line a line is zero.
        const double desvio = std::fabs(sa - sb) - 1e-12 * maisForte;
        if (desvio > 0) d.intensidade = std::max(d.intensidade, desvio / std::max(sa, sb));
        ini = i + 1;
    }
    return d;
}

// Systems of every size at 60 and 400 MHz, strong coupling, groups of equal
// shifts and first order among them; one of each kind is enough.
std::vector<Sistema> Aleatorios() {
    std::vector<Sistema> v{Com(SistemaPadrao10(), 0, false, false)};
    for (int k = 0; k < 30; ++k) {
        const int N = k == 0 ? 9 : 3 + k % 6;
        Sistema s = Com(SistemaAleatorio(N, 1000u + unsigned(k)), 0, k % 5 == 0, false);
        s.MHz = k % 3 == 0 ? 60 : 400;
        if (k % 4 == 0)
            for (int i = 1; i < N; i += 2) s.desl[i] = s.desl[i - 1];
        v.push_back(s);
    }
    return v;
}

// Equal frequencies may come in another order and degenerate levels with
// other vectors, so lines are compared sorted and their intensities summed
// over lines closer than 0.05 Hz. Given the same Hamiltonian, the block less
// its Larmor term, the two solvers agree to 1e-5 of every such sum. The
// program's Jacobi works on the absolute Larmor frequencies, whose last bits
// (about 2e-7 Hz at 400 MHz) move its energies by up to 1e-6 Hz at 9 or 10
// protons; a weak line made by the mixing of two nearly degenerate levels
// follows them (the library's is the exact one: it agrees with Jacobi given
// the relative block to 4e-12).
TEST(Bandas, LapackConcordaComJacobi) {
    TrabalhoSimulacao t;
    Desvios relativo, programa;
    for (const Sistema& s : Aleatorios()) {
        const Linhas lapack = LinhasDe(s, AutovaloresLapack(), t);
        const Desvios r = Compara(LinhasDe(s, JacobiRelativo(), t), lapack);
        const Desvios p = Compara(LinhasDe(s, AutovaloresJacobi(), t), lapack);
        relativo = {std::max(relativo.hz, r.hz), std::max(relativo.intensidade, r.intensidade)};
        programa = {std::max(programa.hz, p.hz), std::max(programa.intensidade, p.intensidade)};
    }
    EXPECT_LE(relativo.hz, 2e-5);
    EXPECT_LE(relativo.intensidade, 1e-5);
    EXPECT_LE(programa.hz, 2e-5);
    EXPECT_LE(programa.intensidade, 1e-3); // 3e-4 on these systems
}

// Requests the stop while the run is inside its first block; without a
// source to stop, fails there.
class ParaOuFalha final : public Autovalores {
  public:
    explicit ParaOuFalha(std::stop_source* fonte) : fonte_(fonte) {}
    std::string_view Nome() const override { return "para"; }
    bool Diagonaliza(double* A, int n, int passo, double tol, bool prim, double* valores,
                     double* vetores) const override {
        if (!fonte_) return false;
        fonte_->request_stop();
        return AutovaloresJacobi().Diagonaliza(A, n, passo, tol, prim, valores, vetores);
    }

  private:
    std::stop_source* fonte_;
};

TEST(Bandas, ParadaOuFalhaNaoDeixaBandas) {
    const EntradaSimulacao in = Entrada(SistemaAleatorio(8, 3u));
    TrabalhoSimulacao t;
    ASSERT_FALSE(SimulaBandas(in, AutovaloresJacobi(), t));
    ASSERT_GT(t.estado.NBandas, 0);

    std::stop_source fonte;
    const auto parada = SimulaBandas(in, ParaOuFalha(&fonte), t, fonte.get_token());
    ASSERT_TRUE(parada);
    EXPECT_TRUE(parada->tipo == TipoErro::Interrompido && t.estado.NBandas == 0);
    EXPECT_EQ(parada->texto, "O cálculo foi interrompido.");

    ASSERT_FALSE(SimulaBandas(in, AutovaloresJacobi(), t));
    const auto falha = SimulaBandas(in, ParaOuFalha(nullptr), t);
    ASSERT_TRUE(falha);
    EXPECT_TRUE(falha->tipo == TipoErro::Calculo && t.estado.NBandas == 0);

    EntradaSimulacao ruim = in;
    ruim.MHz = 0;
    EXPECT_EQ(SimulaBandas(ruim, AutovaloresJacobi(), t)->tipo, TipoErro::Entrada);
}

int ThreadsDoProcesso() {
    const auto tarefas = std::filesystem::directory_iterator("/proc/self/task");
    return int(std::distance(begin(tarefas), end(tarefas)));
}

// Two callers at once, each with its own work state, get what each gets
// alone; and run after run creates no thread.
TEST(Bandas, DuasThreadsEMuitasExecucoes) {
    const std::vector<Sistema> sistemas{Com(SistemaAleatorio(8, 5u), 0.01f, false, false),
                                        Com(SistemaAleatorio(9, 6u), 0.01f, false, false)};
    std::vector<EstadoSpin> sozinhos;
    for (const Sistema& s : sistemas) sozinhos.push_back(Calcula(s));
    const int antes = ThreadsDoProcesso();
    std::vector<TrabalhoSimulacao> trabalhos(sistemas.size());
    std::vector<std::jthread> threads;
    for (std::size_t k = 0; k < sistemas.size(); ++k)
        threads.emplace_back([&, k] {
            for (int r = 0; r < 10; ++r)
                SimulaBandas(Entrada(sistemas[k]), AutovaloresLapack(), trabalhos[k]);
            SimulaBandas(Entrada(sistemas[k]), AutovaloresJacobi(), trabalhos[k]);
        });
    threads.clear();
    for (std::size_t k = 0; k < sistemas.size(); ++k)
        MesmasBandas(sozinhos[k], trabalhos[k].estado);
    EXPECT_EQ(ThreadsDoProcesso(), antes);
    EXPECT_LE(dois_nucleos::ThreadsCriadas(), 1);
}

} // namespace
