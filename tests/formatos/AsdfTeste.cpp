#include "formatos/Asdf.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

using jcamp::DecodificadorAsdf;

// The Y values of the lines of `texto` (X first on each), or the first
// line's message.
struct Decodificado {
    std::vector<double> y;
    std::optional<std::string> erro;
    bool chequeNaUltima = false;
};
Decodificado Decodifica(const std::string& texto, std::size_t pontos = 100) {
    Decodificado d;
    DecodificadorAsdf asdf(pontos, 1, '.', d.y);
    std::istringstream linhas(texto);
    for (std::string l; std::getline(linhas, l);) {
        if (!l.empty() && l.back() == '\r') l.pop_back();
        std::size_t i = 0;
        double x = 0;
        EXPECT_EQ(jcamp::LeAffn(l, i, x), jcamp::Lido::Ok) << l;
        if ((d.erro = asdf.Linha(l, i))) return d;
        d.chequeNaUltima = asdf.Cheque();
    }
    return d;
}

std::string DifDup(const std::vector<long long>& Y, std::size_t colunas = 80) {
    std::string s;
    jcamp::EscreveDifDup(
        s, Y, [](std::size_t k) { return std::to_string(k); }, colunas, "\r\n");
    return s;
}

TEST(Asdf, DifDupVoltaAosMesmosValores) {
    // Runs of equal steps become one DIF and a DUP count; a line that ends in
    // DIF form is closed by its last point again, alone.
    EXPECT_EQ(DifDup({10, 20, 30, 40, 40, 40}), "0 A0J0U%T\r\n5 D0\r\n");
    EXPECT_EQ(DifDup({-7}), "0 g\r\n");

    std::vector<long long> Y;
    for (long long k = 0; k < 300; ++k) Y.push_back((k * k * 37) % 1001 - 500 + (k / 50) * 3);
    for (std::size_t colunas : {12, 20, 80}) {
        const std::string texto = DifDup(Y, colunas);
        std::istringstream linhas(texto);
        for (std::string l; std::getline(linhas, l);) EXPECT_LE(l.size(), colunas + 1) << l;
        const Decodificado d = Decodifica(texto, Y.size());
        ASSERT_FALSE(d.erro) << *d.erro;
        EXPECT_EQ(d.y, std::vector<double>(Y.begin(), Y.end())) << "colunas " << colunas;
        EXPECT_TRUE(d.chequeNaUltima) << "the last line is the Y-check alone";
    }
}

TEST(Asdf, DupRepeteValorOuDiferenca) {
    EXPECT_EQ(Decodifica("1 A5V").y, (std::vector<double>{15, 15, 15, 15}));
    EXPECT_EQ(Decodifica("1 A5J2V").y, (std::vector<double>{15, 27, 39, 51, 63}));
    EXPECT_EQ(Decodifica("1 a5@T").y, (std::vector<double>{-15, 0, 0}));
    EXPECT_EQ(Decodifica("1 10 20 30").y, (std::vector<double>{10, 20, 30}));
    // A count that would pass the table's size is refused before it expands.
    EXPECT_EQ(Decodifica("1 A0Z9999999999", 5).erro, "a tabela passa de ##NPOINTS= 5 pontos");
    EXPECT_EQ(Decodifica("1 A0J1U", 3).erro, "a tabela passa de ##NPOINTS= 3 pontos");
}

TEST(Asdf, ChequeDeYNoInicioDaLinha) {
    const Decodificado d = Decodifica("0 A0J0J0\n2 C0J0\n");
    EXPECT_EQ(d.y, (std::vector<double>{10, 20, 30, 40}));
    EXPECT_TRUE(d.chequeNaUltima);
    // After an absolute value there is no check: the next line's first value
    // is a point of its own.
    EXPECT_EQ(Decodifica("0 A0J0B0\n3 C0\n").y, (std::vector<double>{10, 20, 20, 30}));
    EXPECT_EQ(Decodifica("0 A0J0J0\n2 C1J0\n").erro,
              "o valor de verificação no início da linha (31) difere do último valor da linha "
              "anterior (30)");
}

TEST(Asdf, TokensMalformados) {
    EXPECT_EQ(Decodifica("0 A0?").erro, "valor desconhecido (\"?\") na tabela");
    EXPECT_EQ(Decodifica("0 V").erro, "repetição (DUP) sem valor antes dela na linha");
    EXPECT_EQ(Decodifica("0 J1").erro, "diferença (DIF) sem valor anterior");
    EXPECT_EQ(Decodifica("0 A0#").erro, "caractere inesperado \"#\" na tabela");
    EXPECT_EQ(Decodifica("0 A0\x01").erro, "caractere inesperado na tabela (byte 1)");
    EXPECT_EQ(Decodifica("0 1 +").erro, "\"+\" sem número");
    EXPECT_EQ(Decodifica("0 1E+999").erro, "valor fora da faixa");
}

} // namespace
