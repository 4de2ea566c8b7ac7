// halvora-calc as a script sees it: what it hands over from the core (the
// table, the pictures, the data file, the export) and what it adds itself,
// its options, status codes and one-line refusals. The formats themselves
// are tested where they are made.
#include "PastaDoProcesso.h"
#include "cli/Calc.h"
#include "display/Experimental.h"
#include "formatos/ArquivoDados.h"
#include "formatos/JcampDx.h"
#include "run/Simulacao.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
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

// The arguments split at blanks.
std::vector<std::string> Argumentos(const std::string& linha) {
    std::istringstream in(linha);
    return {std::istream_iterator<std::string>(in), {}};
}

Saida Calc(const std::string& linha) {
    std::ostringstream out, err;
    const int st = ExecutaCalc(Argumentos(linha), out, err);
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

std::string LeArquivo(const std::string& caminho) {
    std::ifstream f(caminho, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
}

bool Contem(const std::string& s, const std::string& parte) {
    return s.find(parte) != std::string::npos;
}

const std::string Pasta = testes::PastaDoProcesso() + "/";
const std::string Affn = std::string(HALVORA_ESPECTROS) + "/affn.dx";

TEST(HalvoraCalc, TabelaOpcoesEExemplos) {
    const Saida s = Calc("");
    ASSERT_EQ(s.status, 0) << s.err;
    EXPECT_EQ(s.err, "");
    const auto l = Linhas(s.out);
    ASSERT_EQ(l.size(), 14u);
    EXPECT_EQ(l[1], "1\t5 – 8\t228.964\t0.285\tbba\tbbb\tH3");
    EXPECT_EQ(l[13], "13\t1 – 2\t180.82\t0.278\taaa\tbaa\tH1");
    EXPECT_EQ(Linhas(Calc("--sep=,").out).at(1), "1\t5 – 8\t228,964\t0,285\tbba\tbbb\tH3");

    const Saida a = Calc("--n=3 --j=-12,3.5,0 --shifts=100,-200,300");
    ASSERT_EQ(a.status, 0) << a.err;
    EXPECT_EQ(a.out, Calc("--n 3 --j -12,3.5,0 --shifts 100,-200,300").out);
    EXPECT_EQ(Linhas(Calc("--shifts=2 --ppm --mhz 400").out).at(1), "1\t1 – 2\t800\t1\ta\tb\tH1");
    const auto prim = Linhas(Calc("--first-order").out);
    EXPECT_EQ(prim.size(), 13u); // the 12 single flips of three protons
    for (std::size_t k = 1; k < prim.size(); ++k) EXPECT_FALSE(Contem(prim[k], ",")) << prim[k];
    EXPECT_TRUE(Contem(Calc("--times --n=2").err, "JACOBI\t"));

    // The built-in examples, for teachers who script their handouts: named
    // with a title, run as their file would be, explicit options still winning.
    const Saida lista = Calc("--exemplos");
    ASSERT_EQ(lista.status, 0);
    EXPECT_GE(std::count(lista.out.begin(), lista.out.end(), '\n'), 16);
    EXPECT_TRUE(Contem(lista.out, "ab-1\tSistema AB"));
    const std::string ab = std::string(HALVORA_EXEMPLOS) + "/ab-1.esm";
    EXPECT_EQ(Calc("--exemplo=ab-1").out, Calc(ab).out);
    EXPECT_EQ(Calc("--exemplo=ab-1 --mhz=60").out, Calc(ab + " --mhz=60").out);
}

// Every refusal: status 2, nothing on standard output, one line on standard
// error that starts by saying what was wrong.
TEST(HalvoraCalc, RecusasDaoStatus2EUmaLinha) {
    const std::string ajuste = "--n=4 --mhz=400.13 --shifts=1538,1538,1477,1477 "
                               "--j=-11.5,5.5,5,5,5.5,-11.5 --experimental=" +
                               Affn + " --fit ";
    const std::pair<std::string, std::string> recusas[] = {
        {"--bogus", "Opção desconhecida: --bogus"},
        // Caught before the start-up values of 11 protons are looked up.
        {"--n=11", "O número de prótons deve estar entre 1 e 10 (--n=11)."},
        {"--n=0", "O número de prótons deve estar entre 1 e 10 (--n=0)."},
        {"--n=x", "--n: \"x\" não é um número inteiro."},
        {"--n=3 --shifts=1,2", "--shifts: são 2 deslocamentos para 3 prótons."},
        {"--n=3 --j=1,2", "--j:"},
        {"--mhz=0", "A freqüência do espectrômetro deve ser maior que zero."},
        {"--mhz=abc", "--mhz: \"abc\" não é um número."},
        {"--mhz=1e7", "A freqüência do espectrômetro deve ser de no máximo 100000 MHz"},
        {"--mhz", "Falta o valor da opção --mhz."},
        {"--intmin=1,5", "--intmin: \"1,5\" não é um número."},
        {"--sep=;", "--sep: \";\" não é \".\" ou \",\"."},
        {"--width=0", "--width: \"0\" não é um número entre 0.000001 e 1000000000."},
        {"--bw", "--bw, --compact e --size só valem com --svg, --png ou --pdf."},
        {"--svg=", "--svg: \"\" não é um nome de arquivo."},
        {"--save=", "--save:"},
        {"--svg=x.svg --size=772x400", "--size: \"772x400\" não é um tamanho LxA"},
        {"--svg=x.svg --size=800x364", "--size:"},
        {"--svg=x.svg --size=800x4097", "--size:"},
        {"/nao-existe/aula.esm", "/nao-existe/aula.esm: não foi possível abrir o arquivo"},
        {"--exemplo=nenhum", "--exemplo: \"nenhum\" não é o nome de um exemplo"},
        {"--exemplo=ab-1 " + std::string(HALVORA_EXEMPLOS) + "/a2.esm", ""},
        {"--experimental=" + std::string(HALVORA_ESPECTROS) + "/LICENSE", ""},
        // A system the solver refuses: shifts far beyond 1 Hz of spectrometer.
        {"--mhz=0.000001 --shifts=2000000,0,5", "Os deslocamentos químicos ou as constantes"},
        {"--mhz=4.9e-324", "A freqüência do espectrômetro deve ser de pelo menos"},
        {"--shifts=1e308,1e308,1e308", ""},
        {"--j=2e9,0,0", ""},
        {"--n=4 --mhz=400.13 --fit", ""},
        {ajuste + "--fit-fixed=H9", ""},
        {ajuste + "--fit-ranges=9:10", ""},
        {ajuste + "--fit-ranges=1:x", "--fit-ranges:"}};
    for (const auto& [linha, inicio] : recusas) {
        const Saida s = Calc(linha);
        EXPECT_EQ(s.status, 2) << linha;
        EXPECT_EQ(s.out, "") << linha;
        EXPECT_EQ(s.err.find('\n'), s.err.size() - 1) << linha << ": " << s.err;
        EXPECT_EQ(s.err.rfind("halvora-calc: " + inicio, 0), 0u) << linha << ": " << s.err;
    }
}

// A destination that takes nothing, as a full disk or a closed pipe.
struct DestinoCheio : std::streambuf {
    int_type overflow(int_type) override { return traits_type::eof(); }
};

TEST(HalvoraCalc, SaidaQueNaoPodeSerEscritaDaStatus2) {
    // The files are written only after the whole table got through.
    const std::string arq = Pasta + "halvora_calc_saida_cheia.esm";
    std::remove(arq.c_str());
    for (const std::string& linha :
         std::vector<std::string>{"", "--help", "--n=6 --sep=,", "--save=" + arq}) {
        DestinoCheio cheio;
        std::ostream out(&cheio);
        std::ostringstream err;
        EXPECT_EQ(ExecutaCalc(Argumentos(linha), out, err), 2) << linha;
        EXPECT_EQ(err.str(), "halvora-calc: não foi possível escrever na saída padrão.\n") << linha;
    }
    EXPECT_FALSE(std::ifstream(arq)) << "saved although the table was lost";
}

// The options reach the picture: the run's values in the annotations,
// --size, --compact and --bw.
TEST(HalvoraCalc, FigurasComAsOpcoes) {
    const std::string svg = Pasta + "halvora_calc.svg", png = Pasta + "halvora_calc.png",
                      pdf = Pasta + "halvora_calc.pdf";
    const Saida s = Calc("--svg=" + svg + " --sep=, --mhz=400.5 --intmin=0.001 --size=1865x800");
    ASSERT_EQ(s.status, 0) << s.err;
    const std::string t = LeArquivo(svg);
    for (const char* parte :
         {">Curva Combinada: 50% Lorentziana + 50% Gaussiana<",
          ">Freqüência: 400,5 MHz    Largura a meia altura: 1 Hz<", ">Intensidade mínima: 0,001<",
          // 1865 pixels at 96 dpi; 800 plus the annotation's 500 twips.
          "width=\"493.448mm\" height=\"220.398mm\""})
        EXPECT_TRUE(Contem(t, parte)) << parte;

    // The compact plot is 773 x 398 screen pixels; the formats themselves are
    // the display tests'.
    ASSERT_EQ(Calc("--png=" + png + " --pdf=" + pdf + " --svg=" + svg + " --compact").status, 0);
    EXPECT_TRUE(Contem(LeArquivo(svg), "width=\"204.523mm\" height=\"105.304mm\""));
    EXPECT_EQ(LeArquivo(png).compare(0, 8, "\x89PNG\r\n\x1a\n"), 0);
    EXPECT_EQ(LeArquivo(pdf).rfind("%PDF-", 0), 0u);
    const std::string cores = LeArquivo(svg);
    ASSERT_EQ(Calc("--svg=" + svg + " --compact --bw").status, 0);
    EXPECT_NE(LeArquivo(svg), cores);
}

// The file with the line under `chave` replaced by `valor`.
std::string ComValor(std::string bytes, const std::string& chave, const std::string& valor) {
    const std::size_t ini = bytes.find(chave + "\r\n");
    EXPECT_NE(ini, std::string::npos) << chave;
    if (ini == std::string::npos) return bytes;
    const std::size_t de = ini + chave.size() + 2;
    return bytes.replace(de, bytes.find("\r\n", de) - de, valor);
}

// "Salvar Dados de Entrada" right after start-up holds the wide plot's view;
// a file read and saved again is the same file and the same table; a
// system given in ppm is saved in Hz and marked ppm; an option given with a
// file overrides its value; a refused file is not overwritten.
TEST(HalvoraCalc, SalvaELeArquivoDeDados) {
    const std::string arq = Pasta + "halvora_calc.esm", copia = Pasta + "halvora_calc_copia.esm";
    ASSERT_EQ(Calc("--save=" + arq).status, 0);
    const std::string inicial = LeArquivo(arq);
    EXPECT_TRUE(Contem(inicial, "#NiInic\r\n 228.963845610619 \r\n#LimLeft\r\n 1805.625 \r\n"
                                "#TwPerHz\r\n 225.029253361819 \r\n"));
    EXPECT_EQ(Calc(arq + " --save=" + copia).out, Calc("").out);
    EXPECT_EQ(LeArquivo(copia), inicial);
    ASSERT_EQ(Calc("--sep=, --save " + copia).status, 0);
    EXPECT_TRUE(Contem(LeArquivo(copia), "\r\n 228,963845610619 \r\n"));

    const std::string sistema = "--n=4 --j=7,1.5,0,-2,3,0.25 --mhz=60 --title=Aula --width=2.5 ";
    const Saida ppm =
        Calc(sistema + "--shifts=1.2,1.25,2.5,2.6 --ppm --intmin=0.002 --save=" + arq);
    ASSERT_EQ(ppm.status, 0) << ppm.err;
    EXPECT_TRUE(Contem(LeArquivo(arq), "#PPM\r\nTrue\r\n"));
    EXPECT_EQ(Calc(arq + " --ppm --save=" + copia).out, ppm.out);
    EXPECT_EQ(LeArquivo(copia), LeArquivo(arq));
    EXPECT_EQ(Calc(arq + " --intmin=0.05").out,
              Calc(sistema + "--shifts=72,75,150,156 --intmin=0.05").out);

    const std::string truncado = inicial.substr(0, 300);
    std::ofstream(arq, std::ios::binary | std::ios::trunc) << truncado;
    const Saida r = Calc(arq + " --save=" + arq);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err.rfind("halvora-calc: " + arq + ": linha 26: o arquivo termina aqui", 0), 0u);
    EXPECT_EQ(LeArquivo(arq), truncado);

    // What opening a file keeps for the plot, unlike the start-up values:
    // the slider's mix (the caption names it) and the display options, a
    // fixed window included, all saved back byte for byte.
    std::string fixa = ComValor(inicial, "#Slider4.Value", " 100 ");
    for (const auto& [chave, valor] : {std::pair{"#ComTabela", "False"},
                                       {"#Option1.Value", "False"},
                                       {"#JanelaFixa", "True"},
                                       {"#NiInic", " 210.5 "},
                                       {"#LimLeft", " 1700 "},
                                       {"#TwPerHz", " 300.25 "}})
        fixa = ComValor(fixa, chave, valor);
    const std::string svg = Pasta + "halvora_mistura.svg";
    for (const auto& [bytes, mistura] :
         {std::pair{ComValor(inicial, "#Slider4.Value", " 30 "), "30% Lorentziana + 70% Gaussiana"},
          {fixa, "100% Lorentziana + 0% Gaussiana"}}) {
        SCOPED_TRACE(mistura);
        std::ofstream(arq, std::ios::binary | std::ios::trunc) << bytes;
        const Saida s = Calc(arq + " --save=" + copia + " --svg=" + svg);
        ASSERT_EQ(s.status, 0) << s.err;
        EXPECT_EQ(LeArquivo(copia), bytes);
        EXPECT_TRUE(Contem(LeArquivo(svg), std::string(">Curva Combinada: ") + mistura + "<"));
    }
}

// Whatever runs can be saved and read back: the run and the file share their
// limits, so no value gets a table and then a refused save.
TEST(HalvoraCalc, OQueExecutaPodeSerSalvoELido) {
    const std::string arq = Pasta + "halvora_calc_limites.esm";
    for (const char* linha :
         {"--mhz=4.9e-324", "--mhz=0.000001", "--mhz=0.0000009", "--mhz=100000", "--mhz=100001",
          "--shifts=1e308,1e308,1e308", "--shifts=1e9,1e9,-1e9", "--shifts=1.1e9,0,0",
          "--shifts=1e5,1e5,1e5 --ppm --mhz=10000", "--j=1e9,0,0", "--j=2e9,0,0",
          "--width=0.000001", "--width=1e-300", "--width=1e10", "--intmin=1e-30"}) {
        std::remove(arq.c_str());
        const Saida s = Calc(std::string(linha) + " --save=" + arq);
        if (s.status != 0) {
            EXPECT_EQ(s.out, "") << linha << ": refused only after the table";
            continue;
        }
        const LeituraArquivo lido = LeArquivoDados(arq, '.');
        EXPECT_TRUE(lido.dados) << linha << ": " << lido.Mensagem();
    }
}

// A measured spectrum: described on standard error for a script to check;
// the simulated one exported as JCAMP-DX, the given system whole.
TEST(HalvoraCalc, EspectroExperimentalEExportacao) {
    const Saida s = Calc("--experimental=" + Affn);
    ASSERT_EQ(s.status, 0) << s.err;
    EXPECT_EQ(s.err, "halvora-calc: espectro experimental: 16384 pontos, 12.31284 a -1.66465 "
                     "ppm, 400.132130 MHz, máximo em 2.54404 ppm\n");
    const std::string picos = Pasta + "halvora_calc_picos.jdx";
    std::ofstream(picos) << "##TITLE= Banco\n##JCAMP-DX= 5.01\n##DATA TYPE= NMR SPECTRUM\n"
                            "##.OBSERVE FREQUENCY= 400.13\n##.OBSERVE NUCLEUS= ^1H\n"
                            "##XUNITS= PPM\n##PEAK TABLE= (XY..XY)\n7.26, 100\n1.25, 1000\n"
                            "##END=\n";
    EXPECT_EQ(Calc("--experimental=" + picos).err,
              "halvora-calc: espectro experimental: 2 picos, 7.26000 a 1.25000 ppm, 400.13 "
              "MHz, máximo em 1.25000 ppm\n");

    const std::string arq = Pasta + "halvora_calc_exporta.jdx";
    ASSERT_EQ(Calc("--n=2 --shifts=300,200 --j=10 --mhz=100 --jcamp=" + arq).status, 0);
    const LeituraJcamp lido = LeArquivoJcamp(arq);
    ASSERT_TRUE(lido.espectro) << lido.Mensagem();
    const EspectroExperimental& x = *lido.espectro;
    EXPECT_EQ(x.MHz, 100);
    EXPECT_EQ(x.Ppm.size(), PontosMinimosExportacao) << "the whole spectrum, not the plot's view";
}

// The spectrum a data file names is laid under the picture, shifted, unless
// --experimental gives another; --save names it from the new file's folder;
// one that cannot be read is a warning and the run goes on.
TEST(HalvoraCalc, EspectroQueOArquivoIndica) {
    namespace fs = std::filesystem;
    const fs::path aula = fs::path(Pasta) / "halvora_calc_aula";
    fs::remove_all(aula);
    fs::create_directories(aula / "sub");
    fs::copy_file(Affn, aula / "affn.dx");
    const EntradaSimulacao in = EntradaInicial(3);
    DadosArquivo d{.NProt = 3, .TwPerHz = 225, .Desloc = in.Desloc, .J = in.J};
    d.ArquivoExperimental = "affn.dx";
    d.ReferenciaPpm = 0.02;
    const std::string esm = (aula / "a.esm").string(), svg = (aula / "a.svg").string();
    ASSERT_FALSE(GravaArquivoDados(esm, d, '.'));

    const std::string b = (aula / "b.esm").string(), c = (aula / "sub" / "c.esm").string();
    const Saida s = Calc(esm + " --svg=" + svg + " --save=" + b);
    ASSERT_EQ(s.status, 0) << s.err;
    EXPECT_TRUE(Contem(s.err, "espectro experimental: 16384 pontos")) << s.err;
    EXPECT_TRUE(Contem(LeArquivo(svg),
                       ">Espectro experimental: affn.dx (400.132130 MHz), deslocado +0.02 ppm<"));
    const auto nomeado = [](const std::string& arq) {
        const LeituraArquivo lido = LeArquivoDados(arq, '.');
        EXPECT_TRUE(lido.dados) << lido.Mensagem();
        return lido.dados ? std::pair{lido.dados->ArquivoExperimental, lido.dados->ReferenciaPpm}
                          : std::pair{std::string(), 0.0};
    };
    EXPECT_EQ(nomeado(b), (std::pair{std::string("affn.dx"), 0.02}));
    ASSERT_EQ(Calc(esm + " --save=" + c).status, 0);
    EXPECT_EQ(nomeado(c), (std::pair{(aula / "affn.dx").string(), 0.02}));
    ASSERT_EQ(Calc(esm + " --experimental=" + Affn + " --save=" + c).status, 0);
    EXPECT_EQ(nomeado(c), (std::pair{fs::path(Affn).lexically_normal().string(), 0.0}));

    fs::remove(aula / "affn.dx");
    const Saida sem = Calc(esm + " --svg=" + svg);
    EXPECT_EQ(sem.status, 0);
    EXPECT_FALSE(sem.out.empty());
    EXPECT_EQ(sem.err, "halvora-calc: aviso: o espectro experimental " +
                           (aula / "affn.dx").string() +
                           ", que o arquivo de dados indica, não pôde ser lido: não foi possível "
                           "abrir o arquivo (o arquivo ou a pasta não existe); segue sem ele\n");
    EXPECT_FALSE(Contem(LeArquivo(svg), "Espectro experimental"));
}

// --fit: the table is the fitted system's, each parameter and the summary
// on standard error, the save holds the fitted values; a refused fit (see
// RecusasDaoStatus2EUmaLinha) saves nothing.
TEST(HalvoraCalc, AjusteAoEspectroExperimental) {
    const std::string sistema =
        "--n=4 --mhz=400.13 --shifts=1538,1538,1477,1477 --j=-11.5,5.5,5,5,5.5,-11.5 ";
    const std::string arq = Pasta + "halvora_ajuste.esm";
    const Saida a =
        Calc(sistema + "--experimental=" + Affn + " --fit --fit-fixed=J(1,2),J(3,4) --save=" + arq);
    ASSERT_EQ(a.status, 0) << a.err;
    EXPECT_TRUE(Contem(a.err, "halvora-calc: ajuste: H1,H2 = 1547.3")) << a.err;
    EXPECT_TRUE(Contem(a.err, " ± 0.01")) << "each fitted value with its standard error";
    EXPECT_TRUE(Contem(a.err, "halvora-calc: ajuste: J(1,2) = -11.500 Hz (mantido)\n"));
    EXPECT_TRUE(Contem(a.err, " iterações, resíduo RMS "));
    EXPECT_TRUE(Contem(LeArquivo(arq), "\r\n 1547.3"));
    // The file keeps shifts to five decimals: the same bands, to the table's digits.
    EXPECT_EQ(Linhas(Calc(arq).out).size(), Linhas(a.out).size());
    // Shifts typed in ppm: the fitted system's table has the same lines.
    const Saida ppm = Calc("--ppm --n=4 --mhz=400.13 --shifts=3.84375,3.84375,3.6913,3.6913 "
                           "--j=-11.5,5.5,5,5,5.5,-11.5 --experimental=" +
                           Affn + " --fit --fit-fixed=J(1,2),J(3,4)");
    ASSERT_EQ(ppm.status, 0) << ppm.err;
    const auto freq = [](const std::string& linha) {
        return linha.substr(0, linha.find('\t', linha.find('\t', linha.find('\t') + 1) + 1));
    };
    EXPECT_EQ(freq(Linhas(ppm.out)[1]), freq(Linhas(a.out)[1]));
    std::remove(arq.c_str());
    EXPECT_EQ(Calc(sistema + "--fit --save=" + arq).status, 2);
    EXPECT_FALSE(std::ifstream(arq));
}

} // namespace
