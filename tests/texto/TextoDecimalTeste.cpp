#include "texto/TextoDecimal.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <utility>

namespace {

// Writes the comma form of a point text, so that each table serves both separators.
std::string ComSep(std::string s, char sep) {
    for (char& c : s)
        if (c == '.') c = sep;
    return s;
}

class ComSeparador : public ::testing::TestWithParam<char> {};
INSTANTIATE_TEST_SUITE_P(Separadores, ComSeparador, ::testing::Values(',', '.'));

TEST_P(ComSeparador, AjSepDecimalTrocaSoOPrimeiroSeparador) {
    const char sep = GetParam();
    for (const char* entrada : {"7.25", "7,25", "-3", "", "1.000.5", "1,000.5"}) {
        std::string s = entrada, esperado = s;
        // only the first separator becomes sep; the later one stays as typed
        if (const auto p = esperado.find_first_of(".,"); p != std::string::npos) esperado[p] = sep;
        const std::string& r = AjSepDecimal(s, sep);
        EXPECT_EQ(r, esperado) << entrada;
        EXPECT_EQ(&r, &s) << "changes the caller's text in place";
    }
}

TEST_P(ComSeparador, FormatValSinalSempreComDuasCasas) {
    const char sep = GetParam();
    const std::pair<double, const char*> casos[] = {
        {7, "+7.00"},     {-1.5, "-1.50"},  {0, "0.00"},      {7.256, "+7.26"},
        {0.125, "+0.12"}, {0.001, "+0.00"}, {-0.001, "0.00"}, {1234567.891, "+1234567.89"}};
    for (const auto& [x, esperado] : casos)
        EXPECT_EQ(FormatValSinal(x, sep), ComSep(esperado, sep)) << x;
}

TEST_P(ComSeparador, FormataGeralArredondaOValorBinarioExato) {
    const char sep = GetParam();
    struct Caso {
        double x;
        int casas;
        const char* esperado;
    } casos[] = {{0.125, 2, "0.12"}, // exact half: to even
                 {0.375, 2, "0.38"}, // exact half: to even, upwards
                 {2.675, 2, "2.67"}, // binary value lies below the half
                 {1.0005, 3, "1"},   // below the half as well; then no trailing zeros
                 {-2.5, 0, "-2"},    {1e6, 3, "1000000"},
                 {-0.0004, 3, "0"},  {-0.0006, 3, "-0.001"}};
    for (auto& c : casos)
        EXPECT_EQ(FormataGeral(c.x, c.casas, sep), ComSep(c.esperado, sep))
            << c.x << " at " << c.casas;
    // The largest double still fits.
    EXPECT_EQ(FormataGeral(std::numeric_limits<double>::max(), 3, sep).size(), 309u);
}

TEST_P(ComSeparador, ConverteNumeroAceitaSoONumeroInteiro) {
    const char sep = GetParam();
    const char outro = sep == ',' ? '.' : ',';
    const std::pair<const char*, double> aceitos[] = {
        {"5", 5},         {"5.", 5},    {".5", 0.5},   {"-0.25", -0.25},  {"+3", 3},
        {"  7.5\t", 7.5}, {"\t-2", -2}, {"1e3", 1000}, {"1.5E-2", 0.015}, {"2e+2", 200},
        {"-.5e1", -5},    {"007", 7},   {"1e-400", 0}, {"0.000", 0},      {"1e-320", 1e-320}};
    for (const auto& [texto, valor] : aceitos) {
        const std::string t = ComSep(texto, sep);
        const auto v = ConverteNumero(t, sep);
        ASSERT_TRUE(v.has_value()) << '"' << t << '"';
        EXPECT_EQ(*v, valor) << '"' << t << '"';
    }
    const auto negZero = ConverteNumero("-1e-400", sep);
    ASSERT_TRUE(negZero.has_value());
    EXPECT_TRUE(*negZero == 0 && std::signbit(*negZero)) << "underflow keeps the sign";

    const char* recusados[] = {"",    "   ",   "\t",   ".",     "-",     "+",      "-.",
                               "e5",  "1e",    "1e+",  "1.2.3", "1 2",   "abc",    "5a",
                               "inf", "-inf",  "nan",  "0x10",  "1e400", "-1e400", "--1",
                               "+-1", "1e5.5", "1.5e", "٣",     "1_000"};
    for (const char* r : recusados) {
        const std::string t = ComSep(r, sep);
        EXPECT_FALSE(ConverteNumero(t, sep).has_value()) << '"' << t << '"';
        EXPECT_FALSE(ConverteNumeroSimples(t, sep).has_value()) << '"' << t << '"';
    }
    // The other separator is not a decimal point here, nor a grouping mark.
    EXPECT_FALSE(ConverteNumero(std::string("7") + outro + "25", sep).has_value());
    EXPECT_FALSE(ConverteNumero(std::string("1") + outro + "000" + sep + "5", sep).has_value());
}

TEST_P(ComSeparador, ConverteNumeroSimplesArredondaUmaVezParaFloat) {
    const char sep = GetParam();
    const std::string t = ComSep("0.01", sep);
    EXPECT_EQ(ConverteNumeroSimples(t, sep), 0.01f);
    // A text between two floats whose double is a hair off the midpoint:
    // rounding through double would land on the other float.
    EXPECT_EQ(ConverteNumeroSimples("1.00000005960464477550", '.'), 1.0000001f);
    EXPECT_FALSE(ConverteNumeroSimples("1e39", sep).has_value()) << "beyond float";
    EXPECT_TRUE(ConverteNumero("1e39", sep).has_value());
    const auto zero = ConverteNumeroSimples("-1e-50", sep);
    ASSERT_TRUE(zero.has_value());
    EXPECT_TRUE(*zero == 0 && std::signbit(*zero));
}

TEST(TextoDecimal, ValorInicialLeONumeroDoInicio) {
    const std::pair<const char*, double> casos[] = {
        {"3,5", 3},  {"3.5", 3.5}, {"", 0},       {"abc", 0},     {" 7", 7},    {"-2", -2},
        {"1e1", 10}, {"1e", 1},    {"2e+", 2},    {"4E-1x", 0.4}, {"+6", 6},    {".5", 0.5},
        {"3.", 3},   {"-", 0},     {"12abc", 12}, {"1.2.3", 1.2}, {"1e-400", 0}};
    for (const auto& [texto, valor] : casos)
        EXPECT_EQ(ValorInicial(texto), valor) << '"' << texto << '"';
    EXPECT_EQ(ValorInicial("1e400"), std::numeric_limits<double>::infinity());
}

TEST(TextoDecimal, ArredondaParInteiro) {
    const std::pair<double, long long> casos[] = {{2.5, 2},  {3.5, 4},    {-2.5, -2},
                                                  {-0.5, 0}, {1.5001, 2}, {-1.6, -2}};
    for (const auto& [x, n] : casos) EXPECT_EQ(ArredondaParInteiro(x), n) << x;
    constexpr auto maximo = std::numeric_limits<long long>::max();
    constexpr auto minimo = std::numeric_limits<long long>::min();
    EXPECT_EQ(ArredondaParInteiro(1e30), maximo);
    EXPECT_EQ(ArredondaParInteiro(-std::numeric_limits<double>::infinity()), minimo);
    EXPECT_EQ(ArredondaParInteiro(std::nan("")), 0);
}

} // namespace

TEST(TextoDecimal, FormaGeralDosNumeros) {
    const auto G = [](double x, int digitos) { return FormataNumeroG(x, digitos, '.'); };
    EXPECT_EQ(G(0.01f, 7), "0.01"); // the single, not its double neighbour 0.00999999977648258
    EXPECT_EQ(G(1.0 / 3, 15), "0.333333333333333");
    EXPECT_EQ(G(0.00001, 15), "1E-05");
    EXPECT_EQ(G(0.000099999999999999999, 15), "0.0001"); // rounding moves the exponent back
    EXPECT_EQ(G(123456789012340, 15), "123456789012340");
    EXPECT_EQ(G(999999999999999.9, 15), "1E+15");
    EXPECT_EQ(G(1234567890123456, 15), "1.23456789012346E+15");
    EXPECT_EQ(G(-0.0, 15), "0");
    EXPECT_EQ(G(0.125, 2), "0.12"); // an exact half goes to even, as %G does
}
