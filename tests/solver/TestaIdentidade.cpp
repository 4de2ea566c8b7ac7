// The program's solver must leave exactly the bits of the plain reference in
// every array of the state.

#include "Sistemas.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cstring>
#include <string>
#include <utility>

namespace {

using namespace casos;

// Shortest round-trip text, so two values that differ in the last bit print
// differently.
template <class T> std::string Texto(T v) {
    char buf[64];
    return std::string(buf, std::to_chars(buf, buf + sizeof buf, v).ptr);
}

template <class T>
void Bits(const char* nome, const T* r, const T* p, std::size_t n, std::size_t larg) {
    if (std::memcmp(r, p, n * sizeof(T)) == 0) return;
    std::size_t k = 0;
    while (std::memcmp(r + k, p + k, sizeof(T)) == 0) ++k;
    ADD_FAILURE() << nome << " differs first at (" << k / larg << ", " << k % larg
                  << "): reference " << Texto(r[k]) << ", product " << Texto(p[k]);
}

template <class T> void Bits(const char* nome, const Matriz<T>& r, const Matriz<T>& p) {
    ASSERT_TRUE(r.linhas() == p.linhas() && r.colunas() == p.colunas()) << nome << " shape";
    Bits(nome, r.dados(), p.dados(), r.tamanho(), std::size_t(r.colunas()) + 1);
}

template <class T> void Bits(const char* nome, const Vetor<T>& r, const Vetor<T>& p) {
    ASSERT_EQ(r.limite(), p.limite()) << nome << " size";
    Bits(nome, r.dados(), p.dados(), std::size_t(r.limite()) + 1, 1);
}

// The reference from its own inputs, the product through the program's run.
// Largest first: each run reuses the states of the one before, so nothing of
// a larger system may leak into a smaller one's results.
TEST(Identidade, ProdutoIgualAReferencia) {
    const Sistema iguais3{3, 300, {200, 200, 200}, {7, 7, 7}};
    const Sistema iguais5{5, 300, {100, 100, 250, 250, 250}, {7, 0, 0, 0, 0, 0, 0, 6, 6, 6}};
    const std::vector<std::pair<const char*, Sistema>> casos{
        {"N10Padrao", SistemaPadrao10()},
        {"N7Aleatorio_Lim0_SemTabela", Com(SistemaAleatorio(7, 2024u), 0, false, false)},
        {"N5Aleatorio", SistemaAleatorio(5, 21u)},
        {"N5Aleatorio_PrimOrdem", Com(SistemaAleatorio(5, 21u), 0.01f, true, true)},
        {"N5Iguais", iguais5},
        {"N5Iguais_Lim0_PrimOrdem", Com(iguais5, 0, true, true)},
        {"N3Padrao", Padrao3},
        {"N3Padrao_Beira_SemTabela", Com(Padrao3, LimiteNaBeira, false, false)},
        {"N3Padrao_Lim0_PrimOrdem_SemTabela", Com(Padrao3, 0, true, false)},
        {"N3Iguais", iguais3},
        {"N3Iguais_PrimOrdem", Com(iguais3, 0.01f, true, true)},
        {"N2", {2, 300, {180, 100}, {7.5}}},
        {"N2Invertido_Lim0_SemTabela", {2, 60, {10, 14}, {-16}, 0, false, false}},
        {"N2Iguais", {2, 300, {150, 150}, {7}}},
        {"N1", {1, 300, {123.25}, {}}}};
    EstadoSpin r, p, trabalho;
    for (const auto& [nome, s] : casos) {
        SCOPED_TRACE(nome);
        Prepara(r, s);
        ASSERT_TRUE(ref::Executa(r, s.ComTabela));
        ASSERT_TRUE(testes::Executa(Entrada(s), p, trabalho));
        EXPECT_EQ(r.NBandas, p.NBandas);
        EXPECT_EQ(r.ContEst, p.ContEst);
        // The block starts are never re-created: past the count they hold
        // whatever an earlier run in that state left.
        ASSERT_EQ(r.SubMatCount, p.SubMatCount);
        ASSERT_LT(std::size_t(r.SubMatCount), r.SubMatInic.size());
        Bits("SubMatInic", r.SubMatInic.data(), p.SubMatInic.data(), r.SubMatCount + 1u, 1);
#define BITS(campo) Bits(#campo, r.campo, p.campo)
        BITS(SpinEst), BITS(MzEst), BITS(EnerZ), BITS(MatHam), BITS(MatDiag), BITS(MatVet);
        BITS(MatJac), BITS(MatTrans), BITS(FreqBanda), BITS(IntBanda), BITS(NivelA), BITS(NivelB);
        BITS(NProtAfet), BITS(ProtAfet), BITS(ProtBanda);
#undef BITS
    }
}

} // namespace
