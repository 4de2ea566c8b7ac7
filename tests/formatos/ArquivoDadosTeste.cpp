#include "PastaDoProcesso.h"
#include "formatos/ArquivoDados.h"
#include "run/ExecucaoAux.h"
#include "texto/Cp1252.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sys/resource.h>

namespace {

namespace fs = std::filesystem;

std::vector<std::string> Linhas(const std::string& s) {
    std::vector<std::string> v;
    std::size_t ini = 0;
    for (std::size_t p; (p = s.find("\r\n", ini)) != std::string::npos; ini = p + 2)
        v.push_back(s.substr(ini, p - ini));
    EXPECT_EQ(ini, s.size()) << "every line ends with CR LF";
    return v;
}

// The start-up system for N protons as the file holds it.
DadosArquivo Dados(int N) {
    const EntradaSimulacao in = EntradaInicial(N);
    return {.NProt = N, .TwPerHz = 225.029253361819, .Desloc = in.Desloc, .J = in.J};
}

std::string LeBytes(const std::string& caminho) {
    std::ifstream f(caminho, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
}

// Every key and every kind of value, byte for byte, written back as read;
// the comma changes only the number lines.
TEST(ArquivoDados, BytesExatosELinhas) {
    const std::string ponto =
        "#T\xEDtulo\r\n\xC9ter et\xEDlico (trans)\r\n#N\xB0 de pr\xF3tons\r\n 2 \r\n"
        "#Freq\xFC\xEAncia do espectr\xF4metro (MHz)\r\n 400.13 \r\n"
        "#Intensidade m\xEDnima\r\n 0.001 \r\n#Largura a meia altura\r\n 0.5 \r\n"
        "#Slider4.Value\r\n 30 \r\n#PPM\r\nTrue\r\n#ComTabela\r\nFalse\r\n"
        "#Option5.Value\r\nFalse\r\n#Option1.Value\r\nTrue\r\n#JanelaFixa\r\nTrue\r\n"
        "#NiInic\r\n 1234567.89123457 \r\n#LimLeft\r\n-1.234E-05 \r\n#TwPerHz\r\n 1E+15 \r\n"
        "#Deslocamentos qu\xEDmicos (Hz)\r\n#H1\r\n-12.5 \r\n#H2\r\n 0.3 \r\n"
        "#Valores de J\r\n#J(1,2)\r\n 7.25 \r\n";
    const DadosArquivo d = LeDadosArquivo(ponto, '.').dados.value();
    EXPECT_EQ(BytesArquivo(d, '.'), ponto);
    std::vector<std::string> virgula = Linhas(ponto);
    for (std::string& l : virgula)
        if (l[0] == ' ' || l[0] == '-') std::replace(l.begin(), l.end(), '.', ',');
    EXPECT_EQ(Linhas(BytesArquivo(d, ',')), virgula);

    EXPECT_EQ(LinhasArquivo(3), 42);
    const auto um = Linhas(BytesArquivo(Dados(1), ','));
    ASSERT_EQ(um.size(), std::size_t(LinhasArquivo(1)));
    EXPECT_EQ(um.back(), "#Valores de J");
}

TEST(ArquivoDados, TituloEConjuntoDeCaracteres) {
    // Lines 2 and 3 of the file with this title, which must read back as
    // written; the key on line 3 shows the character set.
    const auto linhas = [](std::string titulo) {
        DadosArquivo d = Dados(1);
        d.Titulo = std::move(titulo);
        const std::string bytes = BytesArquivo(d, ',');
        const LeituraArquivo r = LeDadosArquivo(bytes, ',');
        EXPECT_TRUE(r.dados && BytesArquivo(*r.dados, ',') == bytes) << r.Mensagem();
        const auto l = Linhas(bytes);
        return l.at(1) + "|" + l.at(2);
    };
    const std::string cp = "|#N\xB0 de pr\xF3tons", u8 = "|#N\xC2\xB0 de pr\xC3\xB3tons";
    EXPECT_EQ(linhas("a\r\nb\nc\vd\u2028e"), "a b c d e" + cp);
    EXPECT_EQ(linhas("Preço: 5 € – ‘ok’"), "Pre\xE7o: 5 \x80 \x96 \x91ok\x92" + cp);
    EXPECT_EQ(linhas("\xC2\x81"), "\x81" + cp); // a byte the code page leaves undefined
    EXPECT_EQ(linhas("Próton ☃"), "Próton ☃" + u8);
    EXPECT_EQ(linhas("ruim \xFF"), "ruim \uFFFD" + u8);
}

// CR LF or LF, Windows-1252 or UTF-8 with or without a mark, numbers under
// the other separator.
TEST(ArquivoDados, AceitaLFUtf8EOutroSeparador) {
    const auto semCR = [](std::string s) { return std::erase(s, '\r'), s; };
    DadosArquivo d = Dados(3);
    d.Titulo = "Título";
    const std::string cp = BytesArquivo(d, '.'), u8 = De1252(cp);
    for (const std::string& bytes : {cp, semCR(cp), u8, "\xEF\xBB\xBF" + u8, semCR(u8)}) {
        const LeituraArquivo r = LeDadosArquivo(bytes, ',');
        ASSERT_TRUE(r.dados) << r.Mensagem();
        EXPECT_EQ(BytesArquivo(*r.dados, '.'), cp);
    }
}

// A measured spectrum adds its keys after the couplings, the reference only
// when it shifts; without a name nothing is added, whatever the reference.
TEST(ArquivoDados, EspectroExperimentalNoFim) {
    DadosArquivo d = Dados(3);
    d.ReferenciaPpm = 0.05;
    const std::string sem = BytesArquivo(Dados(3), ',');
    EXPECT_EQ(BytesArquivo(d, ','), sem);

    d.ArquivoExperimental = "espectros/etanol (CDCl3).jdx";
    const std::string com = BytesArquivo(d, ',');
    EXPECT_EQ(com, sem + "#Espectro experimental\r\nespectros/etanol (CDCl3).jdx\r\n"
                         "#Refer\xEAncia do espectro (ppm)\r\n 0,05 \r\n");
    const LeituraArquivo r = LeDadosArquivo(com, '.');
    ASSERT_TRUE(r.dados) << r.Mensagem();
    EXPECT_EQ(BytesArquivo(*r.dados, ','), com);
    d.ReferenciaPpm = 0;
    const std::string semReferencia = BytesArquivo(d, ',');
    EXPECT_EQ(semReferencia, sem + "#Espectro experimental\r\nespectros/etanol (CDCl3).jdx\r\n");
    EXPECT_EQ(LeDadosArquivo(semReferencia, ',').dados->ArquivoExperimental, d.ArquivoExperimental);

    // A name Windows-1252 cannot hold makes the file UTF-8, as a title does,
    // and it comes back whole, through a file too.
    d.ArquivoExperimental = "/home/bő/スペクトル.jdx";
    d.ReferenciaPpm = -0.0125;
    const std::string arq = testes::PastaDoProcesso() + "/halvora_experimental.esm";
    ASSERT_FALSE(GravaArquivoDados(arq, d, ','));
    const std::string u8 = LeBytes(arq);
    EXPECT_EQ(Linhas(u8).at(0), "#Título");
    const LeituraArquivo lido = LeArquivoDados(arq, ',');
    ASSERT_TRUE(lido.dados) << lido.Mensagem();
    EXPECT_EQ(lido.dados->ArquivoExperimental, d.ArquivoExperimental);
    EXPECT_EQ(lido.dados->ReferenciaPpm, -0.0125);

    // A line break would make the name two lines: refused, nothing written.
    for (const char* nome : {"a\nb.jdx", "a.jdx\r"}) {
        d.ArquivoExperimental = nome;
        EXPECT_EQ(ValidaDados(d), "O nome do espectro experimental não pode ter quebras de linha.");
        const auto erro = GravaArquivoDados(arq + "2", d, ',');
        ASSERT_TRUE(erro);
        EXPECT_EQ(erro->tipo, TipoErro::Entrada);
        EXPECT_FALSE(fs::exists(arq + "2"));
    }
    d.ArquivoExperimental = "x.jdx";
    d.ReferenciaPpm = 1000.5;
    EXPECT_EQ(ValidaDados(d),
              "O valor de #Referência do espectro (ppm) deve estar entre -1000 e 1000.");
}

// Beside the data file or below it, the spectrum is named from the data
// file's folder; anywhere else by its whole path. Names read back resolve
// from that folder.
TEST(ArquivoDados, NomeDoEspectroPelaPastaDoArquivo) {
    EXPECT_EQ(NomeDoEspectro("/aula/rmn/etanol.jdx", "/aula/rmn/etanol.esm"), "etanol.jdx");
    EXPECT_EQ(NomeDoEspectro("/aula/rmn/med/../med/e.jdx", "/aula/rmn/x.esm"), "med/e.jdx");
    EXPECT_EQ(NomeDoEspectro("/aula/outros/e.jdx", "/aula/rmn/x.esm"), "/aula/outros/e.jdx");
    EXPECT_EQ(CaminhoDoEspectro("../e.jdx", "/aula/rmn/x.esm"), "/aula/e.jdx");
    EXPECT_EQ(CaminhoDoEspectro("/outro/e.jdx", "/aula/rmn/x.esm"), "/outro/e.jdx");
    const std::string aqui = fs::current_path().string();
    EXPECT_EQ(NomeDoEspectro("e.jdx", "x.esm"), "e.jdx");
    EXPECT_EQ(CaminhoDoEspectro("e.jdx", "x.esm"), aqui + "/e.jdx");
}

TEST(ArquivoDados, RecusaEspectroExperimentalDanificado) {
    const std::string bom = BytesArquivo(Dados(3), ','), chave = "#Espectro experimental\r\n",
                      nome = chave + "x.jdx\r\n",
                      ref = nome + "#Refer\xEAncia do espectro (ppm)\r\n";
    const std::pair<std::string, std::string> casos[] = {
        {"#Espectro\r\nx.jdx\r\n", "43: linha a mais; para 3 prótons o arquivo tem 42 linhas"},
        {chave, "43: falta o nome do espectro experimental"},
        {chave + "\r\n", "44: o nome do espectro experimental está vazio"},
        {chave + "a\rb\r\n", "44: o nome do espectro experimental tem uma quebra de linha"},
        {nome + "#extra\r\n 1 \r\n", "45: linha a mais depois do espectro experimental"},
        {ref, "45: falta o valor de #Referência do espectro (ppm)"},
        {ref + " zero \r\n", "46: o valor de #Referência do espectro (ppm) não é um número"},
        {ref + " -2000 \r\n",
         "46: o valor de #Referência do espectro (ppm) deve estar entre -1000 e 1000"},
        {ref + " 1 \r\n#mais\r\n", "47: linha a mais depois da referência do espectro"},
        {chave + "x.jdx", "44: falta o fim de linha; o arquivo parece truncado"}};
    for (const auto& [cauda, mensagem] : casos) {
        const LeituraArquivo r = LeDadosArquivo(bom + cauda, ',');
        EXPECT_FALSE(r.dados) << cauda;
        EXPECT_EQ(r.Mensagem(), "linha " + mensagem);
    }
}

TEST(ArquivoDados, RecusaArquivosDanificados) {
    const std::string bom = BytesArquivo(Dados(3), ',');
    // Refused under either separator, at this line.
    const auto recusa = [](const std::string& bytes, int linha) {
        for (const char sep : {',', '.'}) {
            const LeituraArquivo r = LeDadosArquivo(bytes, sep);
            EXPECT_FALSE(r.dados || r.erro.empty()) << bytes.substr(0, 200);
            EXPECT_EQ(r.linha, linha) << r.Mensagem();
        }
    };
    // Line k replaced.
    const auto troca = [&](int k, const std::string& nova) {
        std::size_t ini = 0;
        for (int i = 1; i < k; ++i) ini = bom.find("\r\n", ini) + 2;
        const std::string s = bom.substr(0, ini) + nova + bom.substr(bom.find("\r\n", ini));
        recusa(s, k);
        return s;
    };
    recusa("", 0);
    recusa(std::string(TamanhoMaximoArquivo + 1, 'x'), 0);
    recusa(bom + "#extra\r\n", 43);
    troca(2, std::string("De\0fault", 8));
    for (const char* n : {" 0 ", " 11 ", "1E300", "três"}) troca(4, n);
    troca(6, " trezentos ");
    troca(8, " 1E+39 ");
    troca(12, " 101 ");
    troca(14, "Talvez");
    troca(24, " inf ");
    troca(31, " 1.194,35 ");
    troca(37, "J(1,2)");
    // Truncated anywhere: the fault is on the last line there is.
    for (auto n = bom.begin() + 1; n != bom.end(); ++n)
        recusa(std::string(bom.begin(), n),
               int(std::count(bom.begin(), n, '\n')) + (n[-1] != '\n'));
    const LeituraArquivo sem = LeDadosArquivo(troca(3, "#N\xB0 de protons"), ',');
    EXPECT_EQ(sem.Mensagem(), "linha 3: esperado \"#N° de prótons\"");
    EXPECT_EQ(sem.Titulo, "Default") << "the title is there for the window to show";
    EXPECT_FALSE(LeArquivoDados("/dev/zero", ',').dados) << "endless, read only up to the limit";
}

TEST(ArquivoDados, GravarNuncaDestroiOArquivoAnterior) {
    const std::string pasta = testes::PastaDoProcesso() + "/halvora_esm_grava";
    fs::remove_all(pasta);
    fs::create_directories(pasta);
    const std::string arq = pasta + "/aula.esm";
    const std::string antigo = BytesArquivo(Dados(1), ',');
    std::ofstream(arq, std::ios::binary) << antigo;
    EXPECT_TRUE(GravaArquivoDados(arq, DadosArquivo(), ',')) << "no shifts: refused";

    // A write that fails half-way (the file size limit) leaves the old file.
    struct rlimit antes {};
    getrlimit(RLIMIT_FSIZE, &antes);
    const struct rlimit pequeno { 100, antes.rlim_max };
    const auto sinal = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &pequeno);
    const auto falha = GravaArquivoDados(arq, Dados(10), ',');
    setrlimit(RLIMIT_FSIZE, &antes);
    std::signal(SIGXFSZ, sinal);
    EXPECT_TRUE(falha);
    EXPECT_EQ(LeBytes(arq), antigo);
    EXPECT_EQ(std::distance(fs::directory_iterator(pasta), {}), 1) << "a temporary file left";
}

} // namespace
