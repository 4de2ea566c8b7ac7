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

// "Salvar Dados de Entrada" right after start-up, byte for byte.
const char* const ArquivoInicialVirgula =
    "#T\xEDtulo\r\nDefault\r\n#N\xB0 de pr\xF3tons\r\n 3 \r\n"
    "#Freq\xFC\xEAncia do espectr\xF4metro (MHz)\r\n 300 \r\n#Intensidade m\xEDnima\r\n 0,01 \r\n"
    "#Largura a meia altura\r\n 1 \r\n#Slider4.Value\r\n 50 \r\n"
    "#PPM\r\nFalse\r\n#ComTabela\r\nTrue\r\n#Option5.Value\r\nTrue\r\n#Option1.Value\r\nTrue\r\n"
    "#JanelaFixa\r\nFalse\r\n#NiInic\r\n 228,963845610619 \r\n#LimLeft\r\n 1805,625 \r\n"
    "#TwPerHz\r\n 225,029253361819 \r\n#Deslocamentos qu\xEDmicos (Hz)\r\n"
    "#H1\r\n 194,35 \r\n#H2\r\n 208,41 \r\n#H3\r\n 218,08 \r\n#Valores de J\r\n"
    "#J(1,2)\r\n 12 \r\n#J(1,3)\r\n 10 \r\n#J(2,3)\r\n 8 \r\n";

const char* const ArquivoInicialPonto =
    "#T\xEDtulo\r\nDefault\r\n#N\xB0 de pr\xF3tons\r\n 3 \r\n"
    "#Freq\xFC\xEAncia do espectr\xF4metro (MHz)\r\n 300 \r\n#Intensidade m\xEDnima\r\n 0.01 \r\n"
    "#Largura a meia altura\r\n 1 \r\n#Slider4.Value\r\n 50 \r\n"
    "#PPM\r\nFalse\r\n#ComTabela\r\nTrue\r\n#Option5.Value\r\nTrue\r\n#Option1.Value\r\nTrue\r\n"
    "#JanelaFixa\r\nFalse\r\n#NiInic\r\n 228.963845610619 \r\n#LimLeft\r\n 1805.625 \r\n"
    "#TwPerHz\r\n 225.029253361819 \r\n#Deslocamentos qu\xEDmicos (Hz)\r\n"
    "#H1\r\n 194.35 \r\n#H2\r\n 208.41 \r\n#H3\r\n 218.08 \r\n#Valores de J\r\n"
    "#J(1,2)\r\n 12 \r\n#J(1,3)\r\n 10 \r\n#J(2,3)\r\n 8 \r\n";

TEST(HalvoraCalc, SalvaDadosDeEntrada) {
    const std::string pasta = ::testing::TempDir();
    const std::string arq = pasta + "halvora_calc_inicial.esm";
    const std::string copia = pasta + "halvora_calc_copia.esm";
    const Saida inicial = Calc({});

    const Saida virgula = Calc({"--save=" + arq, "--sep=,"});
    ASSERT_EQ(virgula.status, 0) << virgula.err;
    EXPECT_EQ(LeArquivo(arq), ArquivoInicialVirgula);
    const Saida ponto = Calc({"--save", arq});
    ASSERT_EQ(ponto.status, 0) << ponto.err;
    EXPECT_EQ(ponto.out, inicial.out);
    EXPECT_EQ(LeArquivo(arq), ArquivoInicialPonto);

    // Read back: the same table, and saved again the same bytes.
    const Saida lido = Calc({arq, "--save=" + copia});
    ASSERT_EQ(lido.status, 0) << lido.err;
    EXPECT_EQ(lido.out, inicial.out);
    EXPECT_EQ(LeArquivo(copia), ArquivoInicialPonto);

    // The window is drawn at zoom 1 whatever the picture's layout.
    ASSERT_EQ(Calc({"--save=" + copia, "--svg=" + pasta + "halvora_calc.svg", "--compact"}).status,
              0);
    EXPECT_EQ(LeArquivo(copia), ArquivoInicialPonto);
    std::remove(arq.c_str());
    std::remove(copia.c_str());
    std::remove((pasta + "halvora_calc.svg").c_str());
}

TEST(HalvoraCalc, ArquivoDeDadosEOpcoesQueValemSobreEle) {
    const std::string pasta = ::testing::TempDir();
    const std::string arq = pasta + "halvora_calc_aula.esm";
    const std::vector<std::string> sistema = {"--n=4", "--j=7,1.5,0,-2,3,0.25", "--mhz=500",
                                              "--intmin=0.002"};
    auto com = [&](std::vector<std::string> mais) {
        mais.insert(mais.begin(), sistema.begin(), sistema.end());
        return Calc(mais);
    };
    // Shifts in ppm, saved in Hz with the entry marked ppm.
    const Saida ppm = com({"--shifts=1.2,1.25,2.5,7.001", "--ppm", "--width=2.5",
                           "--title=Aula 3: éter", "--sep=,", "--save=" + arq});
    ASSERT_EQ(ppm.status, 0) << ppm.err;
    const auto l = Linhas(LeArquivo(arq));
    ASSERT_EQ(l.size(), 51u); // 50 lines and the empty rest after the last CR LF
    EXPECT_EQ(l[1], "Aula 3: \xE9ter");
    EXPECT_EQ(l[9], " 2,5 ");
    EXPECT_EQ(l[13], "True");
    EXPECT_EQ(l[30], " 600 ");
    EXPECT_EQ(l[36], " 3500,5 ");

    const std::string hz = "--shifts=600,625,1250,3500.5";
    const Saida lido = Calc({arq, "--sep=,"});
    ASSERT_EQ(lido.status, 0) << lido.err;
    EXPECT_EQ(lido.out, ppm.out);
    EXPECT_EQ(lido.out, com({hz, "--sep=,"}).out);

    // Explicit options override the file.
    EXPECT_EQ(Calc({arq, "--mhz=600"}).out, com({hz, "--mhz=600"}).out);
    EXPECT_EQ(Calc({arq, "--intmin=0.1", "--j=1,2,3,4,5,6"}).out,
              com({hz, "--intmin=0.1", "--j=1,2,3,4,5,6"}).out);
    EXPECT_EQ(Calc({"--shifts=0.1,0.2", "--ppm", arq}).out,
              Calc({"--shifts=0.1,0.2", "--ppm", "--j=7", "--mhz=500", "--intmin=0.002"}).out);
    // More protons than the file: its values where it has them, the start-up
    // ones after.
    EXPECT_EQ(Calc({arq, "--n=5"}).out,
              Calc({"--n=5", "--shifts=600,625,1250,3500.5,229.17", "--j=7,1.5,0,6,-2,3,4,0.25,2,0",
                    "--mhz=500", "--intmin=0.002"})
                  .out);

    // The picture takes the file's title, width, mix and options.
    const std::string svg = pasta + "halvora_calc_aula.svg";
    ASSERT_EQ(Calc({arq, "--svg=" + svg}).status, 0);
    const std::string figura = LeArquivo(svg);
    for (const char* t : {">Título: Aula 3: éter<", "Largura a meia altura: 2.5 Hz<",
                          ">Freqüência: 500 MHz", ">Intensidade mínima: 0.002<"})
        EXPECT_NE(figura.find(t), std::string::npos) << t;
    std::remove(svg.c_str());
    std::remove(arq.c_str());
}

TEST(HalvoraCalc, ArquivoComJanelaFixaEOpcoes) {
    const std::string pasta = ::testing::TempDir();
    const std::string arq = pasta + "halvora_calc_fixa.esm";
    const std::string copia = pasta + "halvora_calc_fixa2.esm";
    std::string s = ArquivoInicialPonto;
    const auto troca = [&s](const std::string& de, const std::string& para) {
        s.replace(s.find(de), de.size(), para);
    };
    troca("#Slider4.Value\r\n 50 ", "#Slider4.Value\r\n 20 ");
    troca("#ComTabela\r\nTrue", "#ComTabela\r\nFalse");
    troca("#Option5.Value\r\nTrue", "#Option5.Value\r\nFalse");
    troca("#Option1.Value\r\nTrue", "#Option1.Value\r\nFalse");
    troca("#JanelaFixa\r\nFalse", "#JanelaFixa\r\nTrue");
    troca("#NiInic\r\n 228.963845610619 ", "#NiInic\r\n 300 ");
    { std::ofstream(arq, std::ios::binary) << s; }
    // Saved again as the window would after opening it: the file's options
    // and window, whatever the new run's bands.
    const Saida r = Calc({arq, "--save=" + copia, "--shifts=10,20,30", "--svg=" + copia + ".svg"});
    ASSERT_EQ(r.status, 0) << r.err;
    std::string esperado = s;
    esperado.replace(esperado.find(" 194.35 "), 8, " 10 ");
    esperado.replace(esperado.find(" 208.41 "), 8, " 20 ");
    esperado.replace(esperado.find(" 218.08 "), 8, " 30 ");
    EXPECT_EQ(LeArquivo(copia), esperado);
    const std::string figura = LeArquivo(copia + ".svg");
    EXPECT_NE(figura.find(">Título: Default<"), std::string::npos);
    EXPECT_EQ(figura.find("Curva Combinada"), std::string::npos) << "\"Sem envolvente\"";
    EXPECT_EQ(figura.find("#ff0000"), std::string::npos) << "\"Sem cores\"";
    std::remove(arq.c_str());
    std::remove(copia.c_str());
    std::remove((copia + ".svg").c_str());
}

TEST(HalvoraCalc, ArquivoRecusadoDaStatus2) {
    const std::string pasta = ::testing::TempDir();
    const std::string arq = pasta + "halvora_calc_ruim.esm";
    const std::string bom = ArquivoInicialVirgula;
    struct Caso {
        std::string bytes, trecho;
    } casos[] = {
        {"", "o arquivo está vazio"},
        {bom.substr(0, 300), "linha 26: o arquivo termina aqui"},
        {std::string(bom).replace(bom.find("pr\xF3tons"), 8, "protons"),
         "linha 3: esperado \"#N° de prótons\""},
        {std::string(bom).replace(bom.find("True"), 4, "Talvez"),
         "linha 16: o valor de #ComTabela deve ser True ou False"},
    };
    for (const Caso& c : casos) {
        { std::ofstream(arq, std::ios::binary | std::ios::trunc) << c.bytes; }
        const Saida r = Calc({arq, "--save=" + arq});
        EXPECT_EQ(r.status, 2) << c.trecho;
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err.rfind("halvora-calc: " + arq + ": ", 0), 0u) << r.err;
        EXPECT_NE(r.err.find(c.trecho), std::string::npos) << r.err;
        EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << r.err;
        EXPECT_EQ(LeArquivo(arq), c.bytes) << "a refused file is not overwritten";
    }
    for (const auto& args : std::vector<std::vector<std::string>>{
             {pasta + "nao-existe.esm"}, {arq, arq}, {"--save="}, {"--width=0"}}) {
        const Saida r = Calc(args);
        EXPECT_EQ(r.status, 2) << args[0];
        EXPECT_EQ(r.out, "");
    }
    // A file that cannot be written: the table is out, status 2.
    const Saida falha = Calc({"--save=" + pasta + "nao-existe/x.esm"});
    EXPECT_EQ(falha.status, 2);
    EXPECT_NE(falha.err.find("nao-existe/x.esm"), std::string::npos);
    std::remove(arq.c_str());
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
    EXPECT_NE(h.out.find("--save"), std::string::npos);
}

} // namespace
