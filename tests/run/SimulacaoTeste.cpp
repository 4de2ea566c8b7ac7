#include "run/ExecucaoAux.h"
#include "run/LeituraEntrada.h"
#include "run/Simulacao.h"
#include "run/TabelaTempos.h"
#include "run/ValoresIniciais.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <functional>
#include <string>
#include <sys/resource.h>
#include <vector>

namespace {

// Records what the run reports ("<" stage start, ">" stage end, "." a yield)
// and, at every yield, what a reader of the live state would see.
struct Gravador : ObservadorSimulacao {
    const EstadoSpin* vivo = nullptr;
    std::string eventos;
    std::vector<int> bandasVistas, protonsVistos;
    void inicioEtapa(int linha, std::string_view nome) override {
        eventos += "<" + std::to_string(linha) + std::string(nome);
    }
    void fimEtapa(int linha, double s, double total) override {
        EXPECT_GE(s, 0);
        EXPECT_GE(total, s);
        eventos += ">" + std::to_string(linha);
    }
    void cedeEventos() override {
        eventos += ".";
        bandasVistas.push_back(vivo->NBandas);
        protonsVistos.push_back(vivo->NProt);
    }
};

// The stages in order, with the table and without; while the next run
// goes on, a reader of the live state sees the previous result whole.
TEST(Simulacao, EtapasNaOrdemEOLeitorVeOResultadoAnterior) {
    EstadoSpin estado, trabalho;
    Gravador g;
    g.vivo = &estado;
    ASSERT_FALSE(Simula(EntradaInicial(3), estado, trabalho, g));
    EXPECT_EQ(g.eventos, ".<1Submatrizes.>1.<2Matriz de transição.>2<3Cálculo de freqüências.>3."
                         "<4Ordenação de Bandas.>4<5Preenchimento da Tabela.>5.<6Gráfico.>6.");
    const int bandasDeTres = estado.NBandas;
    Gravador seis;
    seis.vivo = &estado;
    ASSERT_FALSE(Simula(EntradaInicial(6), estado, trabalho, seis));
    ASSERT_GE(seis.bandasVistas.size(), 2u);
    // Up to the end of the frequency stage the old system is whole; after it
    // the new one, with its bands already offsets from the spectrometer.
    EXPECT_EQ(seis.bandasVistas.front(), bandasDeTres);
    EXPECT_EQ(seis.protonsVistos.front(), 3);
    EXPECT_EQ(seis.protonsVistos.back(), 6);
    EXPECT_EQ(seis.bandasVistas.back(), estado.NBandas);
    for (int b = 1; b <= estado.NBandas; ++b) EXPECT_LT(std::fabs(estado.FreqBanda(b)), 1000);

    Gravador f;
    f.vivo = &estado;
    EntradaSimulacao dois = EntradaInicial(2);
    dois.ComTabela = false;
    ASSERT_FALSE(Simula(dois, estado, trabalho, f));
    EXPECT_EQ(f.eventos, ".<1JACOBI.>1.<2Matriz de transição.>2<3Cálculo de freqüências.>3."
                         "<4Gráfico.>4.");
}

TEST(Simulacao, EntradaRecusadaNaoMudaOResultado) {
    EstadoSpin estado, trabalho;
    ASSERT_TRUE(testes::Executa(EntradaInicial(4), estado, trabalho));
    const int bandas = estado.NBandas;
    const double freq = estado.FreqBanda(1);

    // Each refused with the reason the user reads ("" where any reason does).
    const std::string mhz = "A freqüência do espectrômetro deve ser maior que zero.";
    const std::pair<std::function<void(EntradaSimulacao&)>, std::string> ruins[] = {
        {[](EntradaSimulacao& in) { in.MHz = 0; }, mhz},
        {[](EntradaSimulacao& in) { in.MHz = NAN; },
         "A freqüência do espectrômetro não é um número válido."},
        {[](EntradaSimulacao& in) { in.Desloc[1] = INFINITY; },
         "O deslocamento químico de H2 não é um número válido."},
        {[](EntradaSimulacao& in) { in.J.pop_back(); }, ""},
        {[](EntradaSimulacao& in) { in.NProt = 11; },
         "O número de prótons deve estar entre 1 e 10."},
        // Shifts far beyond the spectrometer frequency: the states no longer
        // group by total spin after the sort.
        {[](EntradaSimulacao& in) {
             in.MHz = 0.000001, in.Desloc = {2000000, 0, 5};
         },
         ""},
        {[](EntradaSimulacao& in) { in.TolJac = 0; }, ""},
        // At absurd frequencies the shifts drown in the absolute energies.
        {[](EntradaSimulacao& in) { in.MHz = 1e9; }, ""}};
    ObservadorSimulacao nada;
    for (const auto& [muda, motivo] : ruins) {
        EntradaSimulacao in = EntradaInicial(3);
        muda(in);
        const auto erro = Simula(in, estado, trabalho, nada);
        ASSERT_TRUE(erro.has_value());
        EXPECT_TRUE(motivo.empty() ? !erro->texto.empty() : erro->texto == motivo) << erro->texto;
        EXPECT_TRUE(estado.NProt == 4 && estado.NBandas == bandas && estado.FreqBanda(1) == freq);
    }
}

// Memory that runs out is a refusal like bad input: the previous results stay.
TEST(Simulacao, FaltaDeMemoriaERecusaComoAsOutras) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the sanitizer reserves far more address space than any limit allows";
#else
    EstadoSpin estado, trabalho;
    ASSERT_TRUE(testes::Executa(EntradaInicial(3), estado, trabalho));
    const int bandas = estado.NBandas;
    const double freq = estado.FreqBanda(1);

    struct rlimit antes {};
    ASSERT_EQ(getrlimit(RLIMIT_AS, &antes), 0);
    std::ifstream status("/proc/self/status");
    std::string chave;
    long kB = 0;
    while (status >> chave && chave != "VmSize:") status.ignore(1 << 20, '\n');
    status >> kB;
    // Room for the small arrays of a run, not for the largest of ten protons.
    const struct rlimit apertado { rlim_t(kB + 24 * 1024) * 1024, antes.rlim_max };
    ASSERT_EQ(setrlimit(RLIMIT_AS, &apertado), 0);
    ObservadorSimulacao nada;
    const auto erro = Simula(EntradaInicial(10), estado, trabalho, nada);
    setrlimit(RLIMIT_AS, &antes);

    ASSERT_TRUE(erro);
    EXPECT_EQ(erro->tipo, TipoErro::Memoria);
    EXPECT_TRUE(estado.NProt == 3 && estado.NBandas == bandas && estado.FreqBanda(1) == freq);
    EXPECT_TRUE(testes::Executa(EntradaInicial(10), estado, trabalho))
        << "and the next run is whole";
#endif
}

TEST(Simulacao, MaisBandasDoQueUmContadorDe16Bits) {
    EntradaSimulacao in = EntradaInicial(9);
    in.IntMin = 0;
    in.ComTabela = false;
    EXPECT_EQ(testes::Calcula(in).NBandas, 43758); // every allowed transition of 9 protons
}

TEST(Simulacao, UmProtonEmHzEEmPpm) {
    EstadoSpin estado, trabalho;
    EntradaSimulacao in;
    in.NProt = 1;
    in.Desloc = {600};
    ASSERT_TRUE(testes::Executa(in, estado, trabalho));
    ASSERT_EQ(estado.NBandas, 1);
    EXPECT_EQ(estado.FreqProt(1), 300000600.0);
    EXPECT_NEAR(estado.FreqBanda(1), 600, 1e-6);
    EXPECT_EQ(estado.IntBanda(1), 1.0);

    in.PPM = true;
    in.Desloc = {2};
    ASSERT_TRUE(testes::Executa(in, estado, trabalho));
    EXPECT_EQ(estado.FreqProt(1), 300000600.0);
}

TextosEntrada Caixas(const char* n) {
    TextosEntrada t;
    t.TextoNProt = n;
    t.TextoFrequencia = "300";
    t.TextoIntMin = "0.01";
    t.TextoTolJac = TextoTolJac;
    for (int i = 1; i <= NProtMax; ++i) t.TextoDesloc[i] = "100";
    for (int r = 1; r < NProtMax; ++r)
        for (int c = r + 1; c <= NProtMax; ++c) t.TextoJ[r][c].assign(1, '7');
    return t;
}

TEST(LeituraEntrada, NumeroDeProtonsForaDaFaixaViraUm) {
    const std::vector<std::pair<const char*, int>> casos = {
        {"3,5", 3}, {"3.5", 3}, {"10", 10}, {"0", 1}, {"11", 1}, {"abc", 1}, {"", 1}, {"-2", 1}};
    for (const auto& [texto, n] : casos) {
        TextosEntrada t = Caixas(texto);
        EntradaSimulacao in;
        ASSERT_FALSE(LeEntrada(t, ',', in)) << texto;
        EXPECT_EQ(in.NProt, n) << texto;
        EXPECT_EQ(t.TextoNProt, std::to_string(n)) << texto;
    }
}

TEST(LeituraEntrada, NormalizaOsTextosENomeiaACaixaSemNumero) {
    TextosEntrada t = Caixas("2");
    t.TextoDesloc[1] = "600";
    t.TextoDesloc[2] = "7.25";
    EntradaSimulacao in;
    ASSERT_FALSE(LeEntrada(t, ',', in));
    EXPECT_EQ(t.TextoDesloc[2], "7,25");
    EXPECT_EQ(t.TextoIntMin, "0,01");
    EXPECT_EQ(t.TextoOutraUnidade[1], "2");
    EXPECT_EQ(in.IntMin, 0.01f);
    EXPECT_EQ(in.TolJac, 1e-13);

    t.PPM = true;
    t.TextoDesloc[1] = "2";
    ASSERT_FALSE(LeEntrada(t, '.', in));
    EXPECT_EQ(t.TextoOutraUnidade[1], "600");
    EXPECT_EQ(in.TolJac, 1e-13);

    // A box that holds no number is named in the refusal.
    t = Caixas("3");
    t.TextoDesloc[2] = "abc";
    EXPECT_NE(LeEntrada(t, ',', in).value_or("").find("H2"), std::string::npos);
    t = Caixas("3");
    t.TextoJ[1][3] = "";
    EXPECT_NE(LeEntrada(t, ',', in).value_or("").find("J(1,3)"), std::string::npos);
    t = Caixas("3");
    t.TextoFrequencia = "abc";
    EXPECT_EQ(LeEntrada(t, ',', in), "A freqüência do espectrômetro não é um número válido.");
}

} // namespace
