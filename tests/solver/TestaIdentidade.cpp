// The program's solver must leave exactly the bits of the plain reference in
// every array of the state.

#include "Sistemas.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cstring>
#include <ostream>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace casos;

template <class T> std::string Texto(T v) {
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, r.ptr);
}

// Reports the first differing element (row, column) with both values.
template <class T>
void ComparaBits(const char* nome, const T* r, const T* p, std::size_t n, int colunas) {
    if (n == 0 || std::memcmp(r, p, n * sizeof(T)) == 0) return;
    std::size_t primeiro = n, total = 0;
    for (std::size_t k = 0; k < n; ++k)
        if (std::memcmp(r + k, p + k, sizeof(T)) != 0) {
            if (primeiro == n) primeiro = k;
            ++total;
        }
    const std::size_t larg = std::size_t(colunas) + 1;
    ADD_FAILURE() << nome << " differs first at (" << primeiro / larg << ", " << primeiro % larg
                  << "): reference " << Texto(r[primeiro]) << ", product " << Texto(p[primeiro])
                  << "; " << total << " element(s) differ";
}

template <class T> void Compara(const char* nome, const Matriz<T>& r, const Matriz<T>& p) {
    if (r.linhas() != p.linhas() || r.colunas() != p.colunas()) {
        ADD_FAILURE() << nome << " shape: reference (0.." << r.linhas() << ", 0.." << r.colunas()
                      << "), product (0.." << p.linhas() << ", 0.." << p.colunas() << ")";
        return;
    }
    ComparaBits(nome, r.dados(), p.dados(), r.tamanho(), r.colunas());
}

template <class T> void Compara(const char* nome, const Vetor<T>& r, const Vetor<T>& p) {
    if (r.limite() != p.limite()) {
        ADD_FAILURE() << nome << " size: reference 0.." << r.limite() << ", product 0.."
                      << p.limite();
        return;
    }
    ComparaBits(nome, r.dados(), p.dados(), std::size_t(r.limite() + 1), 0);
}

void ComparaEstados(const EstadoSpin& r, const EstadoSpin& p) {
    EXPECT_EQ(r.NBandas, p.NBandas);
    EXPECT_EQ(r.SubMatCount, p.SubMatCount);
    EXPECT_EQ(r.ContEst, p.ContEst);
    ComparaBits("SubMatInic", r.SubMatInic.data(), p.SubMatInic.data(), r.SubMatInic.size(), 0);
    Compara("SpinEst", r.SpinEst, p.SpinEst);
    Compara("MzEst", r.MzEst, p.MzEst);
    Compara("EnerZ", r.EnerZ, p.EnerZ);
    Compara("MatHam", r.MatHam, p.MatHam);
    Compara("MatDiag", r.MatDiag, p.MatDiag);
    Compara("MatVet", r.MatVet, p.MatVet);
    Compara("MatJac", r.MatJac, p.MatJac);
    Compara("MatTrans", r.MatTrans, p.MatTrans);
    Compara("FreqBanda", r.FreqBanda, p.FreqBanda);
    Compara("IntBanda", r.IntBanda, p.IntBanda);
    Compara("NivelA", r.NivelA, p.NivelA);
    Compara("NivelB", r.NivelB, p.NivelB);
    Compara("NProtAfet", r.NProtAfet, p.NProtAfet);
    Compara("ProtAfet", r.ProtAfet, p.ProtAfet);
    Compara("ProtBanda", r.ProtBanda, p.ProtBanda);
}

struct Caso {
    std::string nome;
    Sistema s;
};

void PrintTo(const Caso& c, std::ostream* os) {
    *os << c.nome;
}

Sistema Primeiros(const Sistema& dez, int N) {
    Sistema s{N, dez.MHz, {dez.desl.begin(), dez.desl.begin() + N}, {}};
    for (int r = 1; r < N; ++r)
        for (int c = r + 1; c <= N; ++c) s.J.push_back(18 - 2 * r - 2 * c);
    return s;
}

std::vector<Caso> Casos() {
    std::vector<Caso> v;
    // Every combination of the limit, the table and first order.
    auto varia = [&](const std::string& base, const Sistema& s) {
        for (float lim : {0.0f, 0.01f})
            for (bool tabela : {true, false})
                for (bool prim : {false, true}) {
                    Sistema x = s;
                    x.IntMin = lim;
                    x.ComTabela = tabela;
                    x.PrimOrdem = prim;
                    v.push_back({base + (lim == 0 ? "_Lim0" : "_Lim001") +
                                     (tabela ? "_Tabela" : "_SemTabela") +
                                     (prim ? "_PrimOrdem" : ""),
                                 x});
                }
    };
    varia("N1", {1, 300, {123.25}, {}});
    varia("N2", {2, 300, {180, 100}, {7.5}});
    varia("N2Invertido", {2, 60, {10, 14}, {-16}});
    varia("N2Iguais", {2, 300, {150, 150}, {7}});
    varia("N3Padrao", SistemaPadrao3());
    varia("N3Iguais", {3, 300, {200, 200, 200}, {7, 7, 7}});
    varia("N3Aleatorio", SistemaAleatorio(3, 8u));
    varia("N5Aleatorio", SistemaAleatorio(5, 21u));
    varia("N5Iguais", {5, 300, {100, 100, 250, 250, 250}, {7, 0, 0, 0, 0, 0, 0, 6, 6, 6}});
    varia("N5Padrao", Primeiros(SistemaPadrao10(), 5));

    const Sistema oito = Primeiros(SistemaPadrao10(), 8);
    v.push_back({"N8Padrao", oito});
    Sistema x = oito;
    x.ComTabela = false;
    x.PrimOrdem = true;
    v.push_back({"N8Padrao_SemTabela_PrimOrdem", x});
    x = SistemaAleatorio(8, 2024u);
    x.IntMin = 0;
    v.push_back({"N8Aleatorio_Lim0", x});
    x = {8, 300, std::vector<double>(8, 220.0), std::vector<double>(28, 0.0)};
    for (std::size_t k = 0; k < x.J.size(); k += 3) x.J[k] = 7;
    v.push_back({"N8Iguais", x});

    // Ten protons cost about a second each in the reference; the start-up
    // system itself runs once, shared, in DezProtons below.
    x = SistemaPadrao10();
    x.IntMin = 0; // 167 960 bands, beyond a 16-bit counter
    x.ComTabela = false;
    v.push_back({"N10Padrao_Lim0_SemTabela", x});
    x = SistemaAleatorio(10, 10u);
    x.PrimOrdem = true;
    v.push_back({"N10Aleatorio_PrimOrdem", x});
    return v;
}

class Identidade : public testing::TestWithParam<Caso> {};

INSTANTIATE_TEST_SUITE_P(Sistemas, Identidade, testing::ValuesIn(Casos()),
                         [](const testing::TestParamInfo<Caso>& i) { return i.param.nome; });

TEST_P(Identidade, ProdutoIgualAReferencia) {
    EstadoSpin r, p;
    Prepara(r, GetParam().s);
    Prepara(p, GetParam().s);
    ASSERT_TRUE(ref::Executa(r));
    ASSERT_TRUE(Executa(SolverProduto, p));
    ComparaEstados(r, p);
}

// Dense random matrices, some with repeated diagonal values and zeros, reach
// every branch of the rotation loop far more often than the Hamiltonians do.
TEST(Identidade, JacobiEmMatrizesAleatorias) {
    for (int n : {2, 3, 5, 9, 17, 40, 70}) {
        for (int tipo = 0; tipo < 3; ++tipo) {
            SCOPED_TRACE(testing::Message() << n << " tipo " << tipo);
            std::mt19937 g(31u * unsigned(n) + unsigned(tipo));
            EstadoSpin r;
            r.TolJac = 1e-13;
            r.MatJac.recria(n + 2, n + 2);
            for (int i = 1; i <= n; ++i)
                for (int j = i; j <= n; ++j) {
                    double x = Uniforme(g, -1, 1);
                    if (tipo == 1 && i == j) x = double(i % 3);      // equal diagonals
                    if (tipo == 2 && Uniforme(g, 0, 1) < 0.7) x = 0; // sparse, like H
                    r.MatJac(i, j) = r.MatJac(j, i) = x;
                }
            EstadoSpin p = r;
            ASSERT_TRUE(ref::Jacobi(r, n));
            ASSERT_TRUE(Jacobi(p, n));
            Compara("MatJac", r.MatJac, p.MatJac);
            Compara("VetJac", r.VetJac, p.VetJac);
        }
    }
}

// A state that held a larger system before: nothing of it may leak into the
// next run's results.
TEST(Identidade, EstadoReaproveitado) {
    EstadoSpin r, p;
    for (const Sistema& s : {SistemaAleatorio(6, 4u), SistemaPadrao3(), SistemaAleatorio(2, 5u)}) {
        SCOPED_TRACE(s.N);
        Prepara(r, s);
        Prepara(p, s);
        ASSERT_TRUE(ref::Executa(r));
        ASSERT_TRUE(Executa(SolverProduto, p));
        ComparaEstados(r, p);
    }
}

// The reference at 10 protons takes seconds: computed once.
const EstadoSpin& ReferenciaDez() {
    static const EstadoSpin e = [] {
        EstadoSpin x;
        Prepara(x, SistemaPadrao10());
        EXPECT_TRUE(ref::Executa(x));
        return x;
    }();
    return e;
}

// Sizes and invariants of the full-size state, on the reference alone.
TEST(Referencia, DezProtons) {
    const EstadoSpin& e = ReferenciaDez();
    EXPECT_EQ(e.NEst, 1024);
    EXPECT_EQ(e.NPares, 523776);
    EXPECT_EQ(e.FreqBanda.limite(), 523776);
    EXPECT_EQ(e.ProtAfet.linhas(), 523776);
    EXPECT_EQ(e.ProtAfet.colunas(), 10);
    EXPECT_EQ(e.MatHam.linhas(), 1024);
    ASSERT_GT(e.NBandas, 100);
    for (std::int32_t b = 1; b <= e.NBandas; ++b) {
        if (b > 1) {
            ASSERT_LE(e.FreqBanda(b), e.FreqBanda(b - 1)) << b;
        }
        ASSERT_GE(float(e.IntBanda(b)), 0.01f) << b;
        ASSERT_LT(e.NivelA(b), e.NivelB(b)) << b;
        ASSERT_EQ(e.MzEst(e.NivelA(b)), e.MzEst(e.NivelB(b)) + 1) << b;
        ASSERT_EQ(e.ProtBanda(b), e.NProtAfet(b) == 1 ? e.ProtAfet(b, 1) : 0) << b;
    }
    EXPECT_EQ(e.FreqBanda(0) + e.IntBanda(0) + e.MatVet(0, 0) + e.MatDiag(0, 0), 0);
    EXPECT_EQ(e.NivelA(0) + e.NivelB(0) + e.ProtBanda(0) + e.ProtAfet(0, 0), 0);
}

TEST(Identidade, DezProtons) {
    EstadoSpin p;
    Prepara(p, SistemaPadrao10());
    ASSERT_TRUE(Executa(SolverProduto, p));
    ComparaEstados(ReferenciaDez(), p);
}

} // namespace
