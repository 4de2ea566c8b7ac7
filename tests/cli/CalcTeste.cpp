#include "cli/Calc.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Saida {
    int status;
    std::string out, err;
};

Saida Calc(std::vector<std::string> args) {
    std::ostringstream out, err;
    const int st = ExecutaCalc(args, out, err);
    return {st, out.str(), err.str()};
}

std::vector<std::string> Linhas(const std::string& s) {
    std::vector<std::string> v;
    std::size_t ini = 0;
    for (std::size_t p; (p = s.find("\r\n", ini)) != std::string::npos; ini = p + 2)
        v.push_back(s.substr(ini, p - ini));
    v.push_back(s.substr(ini));
    return v;
}

TEST(HalvoraCalc, TabelaDoSistemaInicial) {
    const Saida s = Calc({});
    ASSERT_EQ(s.status, 0) << s.err;
    EXPECT_EQ(s.err, "");
    const auto l = Linhas(s.out);
    ASSERT_EQ(l.size(), 14u);
    EXPECT_EQ(l[0], "Banda n°\tNíveis\tFreqüência(Hz)\tIntensidade relativa\tSpins nível A\t"
                    "Spins nível B\tPrótons afetados");
    EXPECT_EQ(l[1], "1\t5 – 8\t228.964\t0.285\tbba\tbbb\tH3");
    EXPECT_EQ(l[8], "8\t3 – 6\t202.497\t0.02\taba\tbab\tH1,H2,H3");
    EXPECT_EQ(l[13], "13\t1 – 2\t180.82\t0.278\taaa\tbaa\tH1");

    const Saida virgula = Calc({"--sep=,"});
    EXPECT_EQ(Linhas(virgula.out)[1], "1\t5 – 8\t228,964\t0,285\tbba\tbbb\tH3");
}

TEST(HalvoraCalc, FormasDasOpcoes) {
    // Both spellings, negative values, ppm and the first-order mode.
    const Saida a = Calc({"--n=3", "--j=-12,3.5,0", "--shifts=100,200,300"});
    const Saida b = Calc({"--n", "3", "--j", "-12,3.5,0", "--shifts", "100,200,300"});
    ASSERT_EQ(a.status, 0) << a.err;
    EXPECT_EQ(a.out, b.out);

    const Saida ppm = Calc({"--shifts=2", "--ppm", "--mhz", "400"});
    ASSERT_EQ(ppm.status, 0) << ppm.err;
    EXPECT_EQ(Linhas(ppm.out)[1], "1\t1 – 2\t800\t1\ta\tb\tH1");

    const Saida prim = Calc({"--first-order"});
    const auto l = Linhas(prim.out);
    EXPECT_EQ(l.size(), 13u); // the 12 single flips of three protons
    for (std::size_t k = 1; k < l.size(); ++k) EXPECT_EQ(l[k].find(','), std::string::npos);
}

TEST(HalvoraCalc, ArgumentoRuimDaStatus2SemSaida) {
    const std::vector<std::vector<std::string>> ruins = {
        {"--bogus"},
        {"--n=11"},
        {"--n=0"},
        {"--n=x"},
        {"--n=3", "--shifts=1,2"},
        {"--n=3", "--j=1,2"},
        {"--mhz=0"},
        {"--mhz=-300"},
        {"--mhz=abc"},
        {"--shifts=1,2,x"},
        {"--sep=;"},
        {"--intmin=1,5"},
        {"extra"},
        {"--mhz"},
        {"--mhz=1e999"},
        {"--mhz=1e7"},
        // A system the solver refuses: shifts far beyond 1 Hz of spectrometer.
        {"--mhz=0.000001", "--shifts=2000000,0,5"}};
    for (const auto& args : ruins) {
        const Saida s = Calc(args);
        EXPECT_EQ(s.status, 2) << args[0];
        EXPECT_EQ(s.out, "") << args[0];
        ASSERT_FALSE(s.err.empty()) << args[0];
        EXPECT_EQ(s.err.find('\n'), s.err.size() - 1) << s.err;
    }
}

std::string LeArquivo(const std::string& caminho) {
    std::ifstream f(caminho, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
}

TEST(HalvoraCalc, FiguraSvg) {
    const std::string pasta = ::testing::TempDir();
    const std::string arq = pasta + "halvora_calc_teste.svg";
    std::remove(arq.c_str());
    const Saida s = Calc({"--svg=" + arq, "--sep=,", "--mhz=400.5", "--intmin=0.001"});
    ASSERT_EQ(s.status, 0) << s.err;
    EXPECT_EQ(Linhas(s.out)[0].rfind("Banda n°", 0), 0u); // the table as always
    const std::string svg = LeArquivo(arq);
    EXPECT_EQ(svg.rfind("<?xml", 0), 0u);
    for (const char* t :
         {"viewBox=\"0 0 963 463\"", ">Espectro Simulado<", ">Halvora (Corvel)<",
          ">Curva Combinada: 50% Lorentziana + 50% Gaussiana<",
          ">Freqüência: 400,5 MHz    Largura a meia altura: 1 Hz<", ">Intensidade mínima: 0,001<",
          ">Título: Default<", ">+12,00<", "#ff0000", "#0000ff"})
        EXPECT_NE(svg.find(t), std::string::npos) << t;

    const Saida bp = Calc({"--svg", arq, "--bw", "--compact", "--n=2"});
    ASSERT_EQ(bp.status, 0) << bp.err;
    const std::string svgBp = LeArquivo(arq);
    EXPECT_NE(svgBp.find("viewBox=\"0 0 773 398\""), std::string::npos);
    EXPECT_NE(svgBp.find(">Intensidade mínima: 0.01<"), std::string::npos);
    for (const char* cor : {"#ff0000", "#008000", "#0000ff"})
        EXPECT_EQ(svgBp.find(cor), std::string::npos) << cor;
    std::remove(arq.c_str());

    // A picture that cannot be written: the table is out, one line, status 2.
    const Saida falha = Calc({"--svg=" + pasta + "nao-existe/x.svg"});
    EXPECT_EQ(falha.status, 2);
    EXPECT_NE(falha.err.find("nao-existe/x.svg"), std::string::npos);
    EXPECT_EQ(falha.err.find('\n'), falha.err.size() - 1);

    for (const auto& ruim :
         std::vector<std::vector<std::string>>{{"--bw"}, {"--compact"}, {"--svg="}}) {
        const Saida r = Calc(ruim);
        EXPECT_EQ(r.status, 2) << ruim[0];
        EXPECT_EQ(r.out, "");
    }
}

TEST(HalvoraCalc, TemposEAjuda) {
    const Saida t = Calc({"--times", "--n=2"});
    ASSERT_EQ(t.status, 0);
    EXPECT_NE(t.err.find("JACOBI\t"), std::string::npos);
    EXPECT_NE(t.err.find("Gráfico\t"), std::string::npos);
    const Saida h = Calc({"-h"});
    EXPECT_EQ(h.status, 0);
    EXPECT_NE(h.out.find("--shifts"), std::string::npos);
    EXPECT_NE(h.out.find("--svg"), std::string::npos);
}

} // namespace
