#include "run/TabelaResultados.h"
#include "run/TabelaTempos.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const std::string LinhaCabecalho = "Banda n°\tNíveis\tFreqüência(Hz)\tIntensidade relativa\t"
                                   "Spins nível A\tSpins nível B\tPrótons afetados\r\n";

// A state with room for nBandas bands over the product basis of n protons,
// state k listing proton 1 as its most significant bit (alpha = 0).
EstadoSpin Estado(int n, int nBandas) {
    EstadoSpin e;
    e.NProt = n;
    e.NEst = 1 << n;
    e.NBandas = nBandas;
    e.SpinEst.recria(e.NEst, n);
    for (int k = 1; k <= e.NEst; ++k)
        for (int i = 1; i <= n; ++i) e.SpinEst(k, i) = ((k - 1) >> (n - i)) & 1 ? -0.5f : 0.5f;
    e.FreqBanda.recria(nBandas);
    e.IntBanda.recria(nBandas);
    e.NivelA.recria(nBandas);
    e.NivelB.recria(nBandas);
    e.NProtAfet.recria(nBandas);
    e.ProtAfet.recria(nBandas, n);
    return e;
}

void Banda(EstadoSpin& e, int b, int a, int bb, double f, double in, std::vector<int> prot) {
    e.NivelA(b) = std::int16_t(a);
    e.NivelB(b) = std::int16_t(bb);
    e.FreqBanda(b) = f;
    e.IntBanda(b) = in;
    e.NProtAfet(b) = std::int16_t(prot.size());
    for (std::size_t k = 0; k < prot.size(); ++k) e.ProtAfet(b, int(k) + 1) = std::int16_t(prot[k]);
}

std::vector<std::string> Divide(const std::string& s, const std::string& sep) {
    std::vector<std::string> partes;
    std::size_t ini = 0, p;
    while ((p = s.find(sep, ini)) != std::string::npos) {
        partes.push_back(s.substr(ini, p - ini));
        ini = p + sep.size();
    }
    partes.push_back(s.substr(ini));
    return partes;
}

TEST(TabelaResultados, CopiaComNenhumaEUmaBanda) {
    EXPECT_EQ(TextoCopiaTabela(Estado(3, 0), ','), LinhaCabecalho);
    EstadoSpin e = Estado(2, 1);
    Banda(e, 1, 1, 2, -12.5, 1, {2});
    EXPECT_EQ(TextoCopiaTabela(e, ','), LinhaCabecalho + "1\t1 – 2\t-12,5\t1\taa\tab\tH2");
    EXPECT_EQ(TextoCopiaTabela(e, '.'), LinhaCabecalho + "1\t1 – 2\t-12.5\t1\taa\tab\tH2");
}

TEST(TabelaResultados, CelulasDasBandas) {
    EstadoSpin e = Estado(3, 3);
    Banda(e, 1, 2, 5, 450.1235, 0.0625, {1, 3}); // aab -> baa
    Banda(e, 2, 1, 3, -0.0004, 2.675, {2});
    Banda(e, 3, 6, 8, 1234567.8916, 1e-4, {1, 2, 3});
    // Three decimals of the exact binary value, half to even, never -0, no
    // digit grouping.
    const struct {
        int b, c;
        char sep;
        const char* texto;
    } celulas[] = {{1, 0, ',', "1"},           {1, 1, ',', "2 – 5"}, {1, 2, ',', "450,123"},
                   {1, 3, ',', "0,062"},       {1, 4, ',', "aab"},   {1, 5, ',', "baa"},
                   {1, 6, ',', "H1,H3"},       {2, 2, ',', "0"},     {2, 3, ',', "2,675"},
                   {3, 2, ',', "1234567,892"}, {3, 3, ',', "0"},     {3, 6, ',', "H1,H2,H3"},
                   {1, 2, '.', "450.123"}};
    for (const auto& k : celulas)
        EXPECT_EQ(TextoCelulaBanda(e, k.b, k.c, k.sep), k.texto) << k.b << ", " << k.c;

    // A spin of exactly 0 reads as beta.
    e.SpinEst(1, 2) = 0;
    EXPECT_EQ(TextoCelulaBanda(e, 2, 4, ','), "aba");

    // The copy carries exactly the grid's cells, lines joined by CR LF.
    const auto linhas = Divide(TextoCopiaTabela(e, ','), "\r\n");
    ASSERT_EQ(linhas.size(), 4u);
    for (int b = 1; b <= 3; ++b) {
        const auto celulas = Divide(linhas[std::size_t(b)], "\t");
        ASSERT_EQ(celulas.size(), 7u) << "band " << b;
        for (int c = 0; c < ColunasTabela; ++c)
            EXPECT_EQ(celulas[std::size_t(c)], TextoCelulaBanda(e, b, c, ',')) << b << ", " << c;
    }
}

TEST(TabelaResultados, CopiaEmPedacosIgualAoTextoInteiro) {
    // More bands than one piece of the streamed copy holds.
    constexpr int nBandas = 4100;
    EstadoSpin e = Estado(3, nBandas);
    for (int b = 1; b <= nBandas; ++b) Banda(e, b, 1, 2, b * 0.5, 1, {1});
    std::string pedacos;
    int entregas = 0;
    EscreveCopiaTabela(e, ',', [&](std::string_view p) {
        pedacos += p;
        ++entregas;
    });
    EXPECT_GT(entregas, 1);
    EXPECT_EQ(pedacos, TextoCopiaTabela(e, ','));
    const auto linhas = Divide(pedacos, "\r\n");
    ASSERT_EQ(linhas.size(), std::size_t(nBandas) + 1);
    EXPECT_EQ(linhas.back(), "4100\t1 – 2\t2050\t1\taaa\taab\tH1");
}

TEST(TabelaTempos, TextoSegundos) {
    EXPECT_EQ(TextoSegundos(0.004, ','), "0") << "under 5 ms";
    EXPECT_EQ(TextoSegundos(1.5, ','), "1,5");
    EXPECT_EQ(TextoSegundos(0.125, '.'), "0.12");
}

} // namespace
