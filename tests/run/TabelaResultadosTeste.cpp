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

TEST(TabelaResultados, CopiaSemBandasEhSoOCabecalho) {
    EstadoSpin e = Estado(3, 0);
    EXPECT_EQ(TextoCopiaTabela(e), LinhaCabecalho);
}

TEST(TabelaResultados, UmaBandaSemFimDeLinha) {
    EstadoSpin e = Estado(2, 1);
    Banda(e, 1, 1, 2, -12.5, 1, {2});
    EXPECT_EQ(TextoCopiaTabela(e), LinhaCabecalho + "1\t1 – 2\t-12,5\t1\taa\tab\tH2");
    e.SepDec = '.';
    EXPECT_EQ(TextoCopiaTabela(e), LinhaCabecalho + "1\t1 – 2\t-12.5\t1\taa\tab\tH2");
}

TEST(TabelaResultados, CelulasDasBandas) {
    EstadoSpin e = Estado(3, 3);
    Banda(e, 1, 2, 5, 450.1235, 0.0625, {1, 3}); // aab -> baa
    Banda(e, 2, 1, 3, -0.0004, 2.675, {2});
    Banda(e, 3, 6, 8, 1234567.8916, 1e-4, {1, 2, 3});
    EXPECT_EQ(TextoCelulaBanda(e, 1, 0), "1");
    EXPECT_EQ(TextoCelulaBanda(e, 1, 1), "2 – 5");
    EXPECT_EQ(TextoCelulaBanda(e, 1, 2), "450,123") << "3 decimals, exact binary value";
    EXPECT_EQ(TextoCelulaBanda(e, 1, 3), "0,062") << "half to even";
    EXPECT_EQ(TextoCelulaBanda(e, 1, 4), "aab");
    EXPECT_EQ(TextoCelulaBanda(e, 1, 5), "baa");
    EXPECT_EQ(TextoCelulaBanda(e, 1, 6), "H1,H3");
    EXPECT_EQ(TextoCelulaBanda(e, 2, 2), "0") << "never -0";
    EXPECT_EQ(TextoCelulaBanda(e, 2, 3), "2,675");
    EXPECT_EQ(TextoCelulaBanda(e, 3, 2), "1234567,892") << "no digit grouping";
    EXPECT_EQ(TextoCelulaBanda(e, 3, 3), "0");
    EXPECT_EQ(TextoCelulaBanda(e, 3, 6), "H1,H2,H3");

    // A spin of exactly 0 reads as beta.
    e.SpinEst(1, 2) = 0;
    EXPECT_EQ(TextoCelulaBanda(e, 2, 4), "aba");

    // The copy carries exactly the grid's cells, lines joined by CR LF.
    const auto linhas = Divide(TextoCopiaTabela(e), "\r\n");
    ASSERT_EQ(linhas.size(), 4u);
    for (int b = 1; b <= 3; ++b) {
        const auto celulas = Divide(linhas[std::size_t(b)], "\t");
        ASSERT_EQ(celulas.size(), 7u) << "band " << b;
        for (int c = 0; c < ColunasTabela; ++c)
            EXPECT_EQ(celulas[std::size_t(c)], TextoCelulaBanda(e, b, c)) << b << ", " << c;
    }
}

TEST(TabelaResultados, DezProtonsSemLimiteDeIntensidade) {
    // The largest table: every allowed transition of 10 protons.
    constexpr int n = 10, nBandas = 167960;
    EstadoSpin e = Estado(n, nBandas);
    for (int b = 1; b <= nBandas; ++b)
        Banda(e, b, 1 + b % 1024, 1024 - b % 1000, -2000.0 + b * 0.0237, 1.0 / b,
              {1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    const std::string s = TextoCopiaTabela(e);
    const auto linhas = Divide(s, "\r\n");
    ASSERT_EQ(linhas.size(), std::size_t(nBandas) + 1);
    EXPECT_EQ(linhas.back(), "167960\t"
                             "25 – 64\t1980,652\t0\taaaaabbaaa\taaaabbbbbb\t"
                             "H1,H2,H3,H4,H5,H6,H7,H8,H9,H10");
}

TEST(TabelaResultados, CabecalhosDaGrade) {
    EXPECT_STREQ(CabecalhoTabela[2], "Freqüência (Hz)");
    EXPECT_STREQ(CabecalhoCopiaTabela[2], "Freqüência(Hz)");
    for (int c = 0; c < ColunasTabela; ++c)
        if (c != 2) {
            EXPECT_STREQ(CabecalhoTabela[c], CabecalhoCopiaTabela[c]);
        }
}

TEST(TabelaTempos, TextoSegundos) {
    EXPECT_EQ(TextoSegundos(0.004, ','), "0") << "under 5 ms";
    EXPECT_EQ(TextoSegundos(1.5, ','), "1,5");
    EXPECT_EQ(TextoSegundos(1.5, '.'), "1.5");
    EXPECT_EQ(TextoSegundos(2, ','), "2");
    EXPECT_EQ(TextoSegundos(0.125, ','), "0,12");
    EXPECT_EQ(TextoSegundos(63.456, ','), "63,46");
    EXPECT_STREQ(NomeEtapaFreq, "Cálculo de freqüências");
    EXPECT_STREQ(NomeEtapaMatTrans, "Matriz de transição");
}

} // namespace
