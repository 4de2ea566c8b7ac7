#include "run/ArquivoDados.h"
#include "run/Simulacao.h"
#include "run/TextoDecimal.h"

#include <gtest/gtest.h>

#include <cmath>
#include <csignal>
#include <cstdio>
#include <dirent.h>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

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
    DadosArquivo d;
    d.NProt = N;
    d.Desloc = in.Desloc;
    d.J = in.J;
    d.NiInic = 228.963845610619;
    d.LimLeft = 1805.625;
    d.TwPerHz = 225.029253361819;
    return d;
}

// Latin-1 to UTF-8, enough for every character of a file without a title
// beyond Latin-1.
std::string Utf8DeLatin1(std::string_view s) {
    std::string r;
    for (const char c : s) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x80) {
            r += c;
        } else {
            r += char(0xC0 | (b >> 6));
            r += char(0x80 | (b & 0x3F));
        }
    }
    return r;
}

std::string SemCR(std::string s) {
    std::erase(s, '\r');
    return s;
}

std::string LeBytes(const std::string& caminho) {
    std::ifstream f(caminho, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
}

void EscreveBytes(const std::string& caminho, const std::string& s) {
    std::ofstream(caminho, std::ios::binary | std::ios::trunc) << s;
}

// Files left in a folder, to catch temporary files that outlive a save.
int ArquivosNaPasta(const std::string& pasta) {
    int n = 0;
    if (DIR* d = opendir(pasta.c_str())) {
        while (const dirent* e = readdir(d))
            if (std::string_view(e->d_name) != "." && std::string_view(e->d_name) != "..") ++n;
        closedir(d);
    }
    return n;
}

std::string PastaVazia(const std::string& nome) {
    const std::string p = ::testing::TempDir() + nome;
    mkdir(p.c_str(), 0755);
    if (DIR* d = opendir(p.c_str())) {
        while (const dirent* e = readdir(d)) std::remove((p + "/" + e->d_name).c_str());
        closedir(d);
    }
    return p;
}

TEST(ArquivoDados, LinhasPorNumeroDeProtons) {
    for (int N = 1; N <= NProtMax; ++N) {
        const auto l = Linhas(BytesArquivo(Dados(N), ','));
        EXPECT_EQ(int(l.size()), LinhasArquivo(N)) << N;
    }
    EXPECT_EQ(LinhasArquivo(3), 42);
    EXPECT_EQ(LinhasArquivo(10), 140);
    const auto dois = Linhas(BytesArquivo(Dados(2), ','));
    ASSERT_EQ(dois.size(), 36u);
    EXPECT_EQ(dois[34], "#J(1,2)");
    EXPECT_EQ(dois[35], " 12 ");
    const auto um = Linhas(BytesArquivo(Dados(1), ','));
    ASSERT_EQ(um.size(), 32u);
    EXPECT_EQ(um.back(), "#Valores de J");
}

// Every key, every kind of value and both separators, byte for byte.
TEST(ArquivoDados, BytesExatos) {
    DadosArquivo d;
    d.Titulo = "Éter etílico\r\n(trans)";
    d.NProt = 2;
    d.MHz = 400.13;
    d.IntMin = 0.001f;
    d.Largura = 0.5;
    d.Slider4 = 30;
    d.PPM = true;
    d.ComTabela = false;
    d.Option5 = false;
    d.Option1 = true;
    d.JanelaFixa = true;
    d.NiInic = 1234567.891234567;
    d.LimLeft = -0.00001234;
    d.TwPerHz = 1e15;
    d.Desloc = {-12.5, 0.1 + 0.2};
    d.J = {7.25};
    EXPECT_EQ(BytesArquivo(d, '.'),
              "#T\xEDtulo\r\n\xC9ter et\xEDlico (trans)\r\n#N\xB0 de pr\xF3tons\r\n 2 \r\n"
              "#Freq\xFC\xEAncia do espectr\xF4metro (MHz)\r\n 400.13 \r\n"
              "#Intensidade m\xEDnima\r\n 0.001 \r\n#Largura a meia altura\r\n 0.5 \r\n"
              "#Slider4.Value\r\n 30 \r\n#PPM\r\nTrue\r\n#ComTabela\r\nFalse\r\n"
              "#Option5.Value\r\nFalse\r\n#Option1.Value\r\nTrue\r\n#JanelaFixa\r\nTrue\r\n"
              "#NiInic\r\n 1234567.89123457 \r\n#LimLeft\r\n-1.234E-05 \r\n#TwPerHz\r\n 1E+15 \r\n"
              "#Deslocamentos qu\xEDmicos (Hz)\r\n#H1\r\n-12.5 \r\n#H2\r\n 0.3 \r\n"
              "#Valores de J\r\n#J(1,2)\r\n 7.25 \r\n");
    EXPECT_EQ(BytesArquivo(d, ','),
              "#T\xEDtulo\r\n\xC9ter et\xEDlico (trans)\r\n#N\xB0 de pr\xF3tons\r\n 2 \r\n"
              "#Freq\xFC\xEAncia do espectr\xF4metro (MHz)\r\n 400,13 \r\n"
              "#Intensidade m\xEDnima\r\n 0,001 \r\n#Largura a meia altura\r\n 0,5 \r\n"
              "#Slider4.Value\r\n 30 \r\n#PPM\r\nTrue\r\n#ComTabela\r\nFalse\r\n"
              "#Option5.Value\r\nFalse\r\n#Option1.Value\r\nTrue\r\n#JanelaFixa\r\nTrue\r\n"
              "#NiInic\r\n 1234567,89123457 \r\n#LimLeft\r\n-1,234E-05 \r\n#TwPerHz\r\n 1E+15 \r\n"
              "#Deslocamentos qu\xEDmicos (Hz)\r\n#H1\r\n-12,5 \r\n#H2\r\n 0,3 \r\n"
              "#Valores de J\r\n#J(1,2)\r\n 7,25 \r\n");
}

TEST(ArquivoDados, FormaGeralDosNumeros) {
    struct Caso {
        double x;
        int digitos;
        const char* texto;
    } casos[] = {
        {0.01f, 7, "0.01"}, // the single, not its double neighbour 0.00999999977648258
        {0.01f, 15, "0.00999999977648258"},
        {1.0 / 3, 15, "0.333333333333333"},
        {1.0 / 3, 7, "0.3333333"},
        {2.0 / 3, 7, "0.6666667"},
        {0.0001, 15, "0.0001"},
        {0.00001, 15, "1E-05"},
        {0.000099999999999999999, 15, "0.0001"}, // rounding moves the exponent back
        {123456789012345, 15, "123456789012345"},
        {1e15, 15, "1E+15"},
        {999999999999999.9, 15, "1E+15"},
        {1234567890123456, 15, "1.23456789012346E+15"},
        {9999999.5, 7, "1E+07"},
        {1e100, 15, "1E+100"},
        {-1.5e-300, 15, "-1.5E-300"},
        {5e-324, 15, "4.94065645841247E-324"},
        {-2.5, 15, "-2.5"},
        {-0.0, 15, "0"},
        {0, 7, "0"},
        {300, 15, "300"},
        {300000194.35 - 300000000, 15, "194.350000023842"},
        {0.125, 2, "0.12"}, // an exact half goes to even, as %G does
        {2.675, 3, "2.67"}, // 2.67499999...
    };
    for (const Caso& c : casos) {
        EXPECT_EQ(FormataNumeroG(c.x, c.digitos, '.'), c.texto) << c.x;
        std::string virgula = c.texto;
        for (char& ch : virgula)
            if (ch == '.') ch = ',';
        EXPECT_EQ(FormataNumeroG(c.x, c.digitos, ','), virgula) << c.x;
    }
}

// Shifts rounded to 5 decimals, couplings, N and IntMin from the state; the
// frequency and the width from their boxes.
TEST(ArquivoDados, ValoresDoEstadoEDasCaixas) {
    EstadoSpin e, t;
    ObservadorSimulacao obs;
    EntradaSimulacao in = EntradaInicial(3);
    in.PPM = true;
    in.MHz = 60;
    in.Desloc = {1.2, 1.25, 7.123456789};
    in.IntMin = 0.002f;
    ASSERT_FALSE(Simula(in, e, t, obs));
    DadosArquivo d;
    CopiaDoEstado(e, d);
    EXPECT_EQ(d.NProt, 3);
    EXPECT_EQ(d.IntMin, 0.002f);
    EXPECT_EQ(d.Desloc, (std::vector<double>{72, 75, 427.40741}));
    EXPECT_EQ(d.J, (std::vector<double>{12, 10, 8}));
    ASSERT_FALSE(CopiaDasCaixas("60.5", "1,5", ',', d));
    EXPECT_EQ(d.MHz, 60.5);
    EXPECT_EQ(d.Largura, 1.5);
    EXPECT_TRUE(CopiaDasCaixas("sessenta", "1", ',', d));
    EXPECT_TRUE(CopiaDasCaixas("60", "", ',', d));
    EXPECT_EQ(d.MHz, 60.5) << "a failed conversion changes nothing";

    // Saved in ppm mode: True, and the shifts in Hz.
    d.PPM = true;
    const auto l = Linhas(BytesArquivo(d, ','));
    EXPECT_EQ(l[13], "True");
    EXPECT_EQ(l[30], " 72 ");
    EXPECT_EQ(l[34], " 427,40741 ");
}

TEST(ArquivoDados, TituloNumaLinhaEConjuntoDeCaracteres) {
    DadosArquivo d = Dados(1);
    struct Caso {
        std::string titulo, linha2;
        bool utf8;
    } casos[] = {
        {"a\r\nb\nc\rd\ve", "a b c d e", false},
        {"Preço: 5 € – ‘ok’", "Pre\xE7o: 5 \x80 \x96 \x91ok\x92", false},
        {"\xC2\x81", "\x81", false}, // a byte the code page leaves undefined survives
        {"Próton ☃", "Próton ☃", true},
        {"x\xE2\x80\xA8y", "x y", false}, // U+2028 is a line break too
        {"ruim \xFF", "ruim \xEF\xBF\xBD", true},
    };
    for (const Caso& c : casos) {
        d.Titulo = c.titulo;
        const std::string bytes = BytesArquivo(d, ',');
        const auto l = Linhas(bytes);
        ASSERT_EQ(l.size(), 32u) << c.titulo;
        EXPECT_EQ(l[1], c.linha2) << c.titulo;
        EXPECT_EQ(l[2], c.utf8 ? "#N\xC2\xB0 de pr\xC3\xB3tons" : "#N\xB0 de pr\xF3tons");
        const LeituraArquivo r = LeDadosArquivo(bytes, ',');
        ASSERT_TRUE(r.dados) << r.Mensagem();
        const std::string lido = r.dados->Titulo;
        EXPECT_EQ(BytesArquivo(*r.dados, ','), bytes) << "read back as written: " << lido;
    }
    d.Titulo = "Próton ☃";
    EXPECT_EQ(LeDadosArquivo(BytesArquivo(d, ','), ',').dados->Titulo, "Próton ☃");
    d.Titulo = "Preço: 5 €";
    EXPECT_EQ(LeDadosArquivo(BytesArquivo(d, ','), ',').dados->Titulo, "Preço: 5 €");
}

// Save, read back, run again: the same bands, bit for bit.
TEST(ArquivoDados, IdaEVoltaDaMesmasBandas) {
    const std::string pasta = PastaVazia("halvora_esm_ida");
    const std::string arq = pasta + "/teste.esm";
    EntradaSimulacao in = EntradaInicial(5);
    in.Desloc = {194.35, -208.41, 0.00001, 1234.56789, 218.08};
    in.J = {-12.5, 3, 0, 7.125, 1, 2, 0.3, 15, -1, 4};
    in.MHz = 123.456789;
    in.IntMin = 0.0005f;
    EstadoSpin e, t;
    ObservadorSimulacao obs;
    ASSERT_FALSE(Simula(in, e, t, obs));
    for (const char sep : {',', '.'}) {
        DadosArquivo d = Dados(5);
        CopiaDoEstado(e, d);
        ASSERT_FALSE(CopiaDasCaixas(FormataGeral(in.MHz, 6, sep), "2,5", sep, d));
        ASSERT_FALSE(GravaArquivoDados(arq, d, sep));
        EXPECT_EQ(ArquivosNaPasta(pasta), 1) << "no temporary file left behind";

        const LeituraArquivo r = LeArquivoDados(arq, sep == ',' ? '.' : ',');
        ASSERT_TRUE(r.dados) << r.Mensagem();
        const DadosArquivo& v = *r.dados;
        EXPECT_EQ(v.Largura, 2.5);
        EntradaSimulacao de = EntradaInicial(v.NProt);
        de.MHz = v.MHz;
        de.IntMin = v.IntMin;
        de.Desloc = v.Desloc;
        de.J = v.J;
        EstadoSpin e2, t2;
        ASSERT_FALSE(Simula(de, e2, t2, obs));
        ASSERT_EQ(e2.NBandas, e.NBandas);
        for (int b = 1; b <= e.NBandas; ++b) {
            EXPECT_EQ(e2.FreqBanda(b), e.FreqBanda(b)) << b;
            EXPECT_EQ(e2.IntBanda(b), e.IntBanda(b)) << b;
        }
    }
}

TEST(ArquivoDados, AceitaLFUtf8EOutroSeparador) {
    const std::string bom = "\xEF\xBB\xBF";
    for (const char sep : {',', '.'}) {
        const char outro = sep == ',' ? '.' : ',';
        DadosArquivo d = Dados(3);
        d.Titulo = "Título";
        d.IntMin = 0.25f;
        const std::string cp = BytesArquivo(d, outro);
        for (const std::string& bytes :
             {cp, SemCR(cp), Utf8DeLatin1(cp), bom + Utf8DeLatin1(cp), SemCR(Utf8DeLatin1(cp))}) {
            const LeituraArquivo r = LeDadosArquivo(bytes, sep);
            ASSERT_TRUE(r.dados) << r.Mensagem();
            EXPECT_EQ(r.dados->Titulo, "Título");
            EXPECT_EQ(r.dados->IntMin, 0.25f);
            EXPECT_EQ(r.dados->Desloc, d.Desloc);
            EXPECT_EQ(BytesArquivo(*r.dados, outro), cp);
        }
    }
    // Blanks around values, a "+" sign, an exponent, N written with decimals.
    std::string s = SemCR(BytesArquivo(Dados(2), ','));
    s.replace(s.find("\n 2 \n"), 5, "\n2,4\n");
    s.replace(s.find("\nTrue\n"), 6, "\n\tTrue  \n");
    s.replace(s.find(" 300 "), 5, "+3E2");
    const LeituraArquivo r = LeDadosArquivo(s, '.');
    ASSERT_TRUE(r.dados) << r.Mensagem();
    EXPECT_EQ(r.dados->NProt, 2);
    EXPECT_EQ(r.dados->MHz, 300);
}

// Replaces line k (1-based) of a CR LF file.
std::string TrocaLinha(const std::string& s, int k, const std::string& nova) {
    std::size_t ini = 0;
    for (int i = 1; i < k; ++i) ini = s.find("\r\n", ini) + 2;
    return s.substr(0, ini) + nova + s.substr(s.find("\r\n", ini));
}

TEST(ArquivoDados, RecusaArquivosDanificados) {
    const std::string bom = BytesArquivo(Dados(3), ',');
    struct Caso {
        std::string nome, bytes;
        int linha;
    };
    std::vector<Caso> casos = {
        {"vazio", "", 0},
        {"sem acento", TrocaLinha(bom, 3, "#N\xB0 de protons"), 3},
        {"terceira linha em maiúsculas", TrocaLinha(bom, 3, "#N\xB0 DE PR\xD3TONS"), 3},
        {"N = 0", TrocaLinha(bom, 4, " 0 "), 4},
        {"N = 11", TrocaLinha(bom, 4, " 11 "), 4},
        {"N = 30000", TrocaLinha(bom, 4, " 30000 "), 4},
        {"N = 10,5 (par: 10, mas faltam linhas)", TrocaLinha(bom, 4, "10,5"), 42},
        {"N = 1E300", TrocaLinha(bom, 4, "1E300"), 4},
        {"N por extenso", TrocaLinha(bom, 4, "três"), 4},
        {"palavra na freqüência", TrocaLinha(bom, 6, " trezentos "), 6},
        {"freqüência zero", TrocaLinha(bom, 6, " 0 "), 6},
        {"freqüência acima do limite", TrocaLinha(bom, 6, " 100001 "), 6},
        {"intensidade além de um single", TrocaLinha(bom, 8, " 1E+39 "), 8},
        {"largura zero", TrocaLinha(bom, 10, " 0 "), 10},
        {"controle de mistura 101", TrocaLinha(bom, 12, " 101 "), 12},
        {"Talvez", TrocaLinha(bom, 14, "Talvez"), 14},
        {"true minúsculo", TrocaLinha(bom, 16, "true"), 16},
        {"booleano vazio", TrocaLinha(bom, 22, ""), 22},
        {"infinito", TrocaLinha(bom, 24, " inf "), 24},
        {"TwPerHz negativo", TrocaLinha(bom, 28, "-1 "), 28},
        {"separador de milhar", TrocaLinha(bom, 31, " 1.194,35 "), 31},
        {"deslocamento vazio", TrocaLinha(bom, 33, ""), 33},
        {"J com duas vírgulas", TrocaLinha(bom, 38, " 12,5,1 "), 38},
        {"chave sem #", TrocaLinha(bom, 37, "J(1,2)"), 37},
        {"linha a mais", bom + "#extra\r\n", 43},
        {"linha em branco a mais", bom + "\r\n", 43},
        {"sem o último fim de linha", bom.substr(0, bom.size() - 2), 42},
        {"byte nulo", TrocaLinha(bom, 2, std::string("De\0fault", 8)), 2},
        {"UTF-16", std::string("\xFF\xFE#\0T\0", 6), 1},
        {"fins de linha CR",
         [&] {
             std::string s = SemCR(bom);
             for (char& c : s)
                 if (c == '\n') c = '\r';
             return s;
         }(),
         1},
        {"grande demais", std::string(TamanhoMaximoArquivo + 1, 'x'), 0},
    };
    // Truncated at every byte: every proper prefix lacks a line or a line end.
    for (std::size_t n = 1; n < bom.size(); ++n)
        casos.push_back({"truncado", bom.substr(0, n), -1});
    // Binary garbage, and garbage after a good start.
    std::mt19937 rng(7);
    for (int k = 0; k < 200; ++k) {
        std::string lixo(std::size_t(rng() % 2000), '\0');
        for (char& c : lixo) c = char(rng() % 255 + 1);
        casos.push_back({"lixo", lixo, -1});
        casos.push_back({"lixo depois da linha 4", bom.substr(0, 40 + rng() % 40) + lixo, -1});
    }
    for (const Caso& c : casos)
        for (const char sep : {',', '.'}) {
            const LeituraArquivo r = LeDadosArquivo(c.bytes, sep);
            EXPECT_FALSE(r.dados) << c.nome << " " << c.bytes.size();
            EXPECT_FALSE(r.erro.empty()) << c.nome;
            if (c.linha >= 0) {
                EXPECT_EQ(r.linha, c.linha) << c.nome << ": " << r.Mensagem();
            }
        }

    const LeituraArquivo sem = LeDadosArquivo(TrocaLinha(bom, 3, "#N\xB0 de protons"), ',');
    EXPECT_EQ(sem.Mensagem(), "linha 3: esperado \"#N° de prótons\"");
    EXPECT_EQ(sem.Titulo, "Default") << "the title is there for the window to show";
    EXPECT_EQ(LeDadosArquivo(TrocaLinha(bom, 14, "Talvez"), ',').Mensagem(),
              "linha 14: o valor de #PPM deve ser True ou False");
    EXPECT_EQ(LeDadosArquivo(bom.substr(0, 300), ',').Mensagem(),
              "linha 26: o arquivo termina aqui; para 3 prótons o arquivo tem 42 linhas");
}

TEST(ArquivoDados, ArquivoEmDisco) {
    const std::string pasta = PastaVazia("halvora_esm_disco");
    const std::string arq = pasta + "/grande.esm";
    EscreveBytes(arq, BytesArquivo(Dados(2), ',') + std::string(TamanhoMaximoArquivo, '#'));
    EXPECT_EQ(LeArquivoDados(arq, ',').erro, "o arquivo é grande demais (mais de 1 MB)");
    EXPECT_FALSE(LeArquivoDados(pasta + "/nao-existe.esm", ',').dados);
    EXPECT_FALSE(LeArquivoDados(pasta, ',').dados) << "a folder";
    EXPECT_FALSE(LeArquivoDados("/dev/zero", ',').dados) << "endless, read only up to the limit";
}

TEST(ArquivoDados, GravarNuncaDestroiOArquivoAnterior) {
    const std::string pasta = PastaVazia("halvora_esm_grava");
    const std::string arq = pasta + "/aula.esm";
    const std::string antigo = BytesArquivo(Dados(1), ',');
    EscreveBytes(arq, antigo);
    chmod(arq.c_str(), 0640);

    // Values the reader would refuse are not written.
    DadosArquivo ruim = Dados(3);
    ruim.Largura = 0;
    EXPECT_EQ(GravaArquivoDados(arq, ruim, ','),
              "O valor de #Largura a meia altura deve ser maior que zero.");
    ruim = Dados(3);
    ruim.J.pop_back();
    EXPECT_TRUE(GravaArquivoDados(arq, ruim, ','));
    ruim = Dados(3);
    ruim.NiInic = std::nan("");
    EXPECT_TRUE(GravaArquivoDados(arq, ruim, ','));
    EXPECT_EQ(LeBytes(arq), antigo);

    // A write that fails half-way (the file size limit) leaves the old file.
    struct rlimit antes {};
    getrlimit(RLIMIT_FSIZE, &antes);
    struct rlimit pequeno = antes;
    pequeno.rlim_cur = 100;
    const auto sinal = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &pequeno);
    const auto falha = GravaArquivoDados(arq, Dados(10), ',');
    setrlimit(RLIMIT_FSIZE, &antes);
    std::signal(SIGXFSZ, sinal);
    ASSERT_TRUE(falha);
    EXPECT_NE(falha->find(arq), std::string::npos) << *falha;
    EXPECT_EQ(LeBytes(arq), antigo);
    EXPECT_EQ(ArquivosNaPasta(pasta), 1);

    EXPECT_TRUE(GravaArquivoDados(pasta + "/nao-existe/x.esm", Dados(1), ','));

    // A good save replaces the file, keeps its permissions and, through a
    // link, writes the file the link points to.
    const std::string link = pasta + "/atalho.esm";
    ASSERT_EQ(symlink("aula.esm", link.c_str()), 0);
    ASSERT_FALSE(GravaArquivoDados(link, Dados(2), '.'));
    EXPECT_EQ(LeBytes(arq), BytesArquivo(Dados(2), '.'));
    struct stat st {};
    ASSERT_EQ(lstat(link.c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
    ASSERT_EQ(stat(arq.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_EQ(ArquivosNaPasta(pasta), 2);
}

} // namespace
