#include "formatos/JcampDx.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <functional>
#include <iterator>

namespace {

std::string Espectro(const std::string& nome) {
    std::ifstream f(std::string(HALVORA_ESPECTROS) + "/" + nome, std::ios::binary);
    EXPECT_TRUE(f) << nome;
    return std::string(std::istreambuf_iterator<char>(f), {});
}

LeituraJcamp Le(const std::string& bytes) {
    LeituraJcamp r = LeJcampDx(bytes);
    EXPECT_TRUE(r.espectro) << r.Mensagem();
    if (!r.espectro) r.espectro.emplace(); // the test goes on, failed
    return r;
}

// Refused at this line, with a message that says this.
void Recusa(const std::string& bytes, int linha, const std::string& trecho) {
    const LeituraJcamp r = LeJcampDx(bytes);
    EXPECT_FALSE(r.espectro) << bytes.substr(0, 300);
    EXPECT_EQ(r.linha, linha) << r.Mensagem();
    EXPECT_NE(r.erro.find(trecho), std::string::npos) << r.Mensagem();
}

std::string Troca(std::string s, const std::string& de, const std::string& para) {
    const auto p = s.find(de);
    EXPECT_NE(p, std::string::npos) << de;
    return s.replace(p, de.size(), para);
}

// Ten points at 100 MHz, from 900 Hz down to 0 Hz, raw values 10, 20, ...,
// 100 times YFACTOR 0.5: the header is lines 1-14, the table starts on 15.
const std::string Cabecalho =
    "##TITLE= Teste\n##JCAMP-DX= 4.24\n##DATA TYPE= NMR SPECTRUM\n##.OBSERVE FREQUENCY= 100.0\n"
    "##.OBSERVE NUCLEUS= ^1H\n##XUNITS= HZ\n##YUNITS= ARBITRARY UNITS\n##XFACTOR= 1\n"
    "##YFACTOR= 0.5\n##FIRSTX= 900\n##LASTX= 0\n##DELTAX= -100\n##NPOINTS= 10\n"
    "##XYDATA=(X++(Y..Y))\n";
const std::string Affn = Cabecalho + "900 10 20 30 40 50\n400 60 70 80 90 100\n##END=\n";

void EsperaDezPontos(const LeituraJcamp& r) {
    ASSERT_TRUE(r.espectro) << r.Mensagem();
    std::vector<double> ppm, y;
    for (int k = 0; k < 10; ++k) {
        ppm.push_back((900 - 100 * k) / 100.0);
        y.push_back(5.0 * (k + 1));
    }
    EXPECT_EQ(r.espectro->Ppm, ppm);
    EXPECT_EQ(r.espectro->Intensidade, y);
}

TEST(JcampDx, QuatroCodificacoesDoMesmoEspectro) {
    const LeituraJcamp affn = Le(Espectro("affn.dx"));
    const EspectroExperimental& e = *affn.espectro;
    EXPECT_EQ(e.Titulo, "107-07-3");
    EXPECT_EQ(e.TextoMHz, "400.1321303162");
    EXPECT_EQ(e.MHz, 400.1321303162);
    EXPECT_EQ(e.CasasMHz, 6);
    EXPECT_EQ(e.Nucleo, "^1H");
    EXPECT_TRUE(affn.avisos.empty());
    ASSERT_EQ(e.Ppm.size(), 16384u);
    ASSERT_EQ(e.Intensidade.size(), 16384u);
    // x runs from the spectrum's edge; Bruker's ##$OFFSET= puts the first
    // point at its ppm (the two CH2 of 2-chloroethanol then sit at 3.87 and
    // 3.67 ppm, as in any table of shifts).
    EXPECT_DOUBLE_EQ(e.Ppm.front(), 12.31284);
    EXPECT_NEAR(e.Ppm.back(), 12.31284 - 5592.84116331095 / 400.1321303162, 1e-12);
    EXPECT_EQ(e.Intensidade.front(), -10247);
    EXPECT_EQ(e.Intensidade.back(), 14967);
    EXPECT_EQ(*std::max_element(e.Intensidade.begin(), e.Intensidade.end()), 408687150);
    for (const char* nome : {"pac.dx", "sqz.dx", "difdup.dx"}) {
        const LeituraJcamp r = Le(Espectro(nome));
        EXPECT_EQ(r.espectro->Intensidade, e.Intensidade) << nome;
        EXPECT_EQ(r.espectro->Ppm, e.Ppm) << nome;
        EXPECT_TRUE(r.avisos.empty()) << nome;
    }
}

TEST(JcampDx, OutrosFabricantes) {
    // The lines' X run from 16383 down to 0 while ##FIRSTX is 6037.9 Hz:
    // read from the header, with a warning.
    const LeituraJcamp jeol = Le(Espectro("jeol.dx"));
    EXPECT_EQ(jeol.espectro->Titulo, "auto");
    EXPECT_EQ(jeol.espectro->Ppm.size(), 16384u);
    EXPECT_DOUBLE_EQ(jeol.espectro->Ppm.front(), 6037.9072694778 / 399.784493896);
    EXPECT_DOUBLE_EQ(jeol.espectro->Ppm.back(), -1953.6127495766 / 399.784493896);
    ASSERT_EQ(jeol.avisos.size(), 1u);
    EXPECT_NE(jeol.avisos[0].find("deslocado 1953.61"), std::string::npos) << jeol.avisos[0];

    // A negative XFACTOR; 6.0 in ##JCAMPDX; the labels without blanks.
    const LeituraJcamp m = Le(Espectro("mestrec-1h.jcamp"));
    EXPECT_TRUE(m.avisos.empty());
    EXPECT_EQ(m.espectro->Ppm.size(), 65536u);
    EXPECT_EQ(m.espectro->CasasMHz, 6);
    EXPECT_DOUBLE_EQ(m.espectro->Ppm.front(), 8997.4190986389348836 / 600.17420118999996248);
    EXPECT_NEAR(m.espectro->Intensidade.back(), -124114 * 0.012242561, 1e-9);
}

// Every ASDF form and their mixes give the same ten values; so do the line
// ends, tabs, comments and label spellings the standard allows.
TEST(JcampDx, FormasAsdfELinhas) {
    const std::vector<std::string> tabelas = {
        "900 10 20 30 40 50\n400 60 70 80 90 100\n",                  // AFFN
        "900,10,20,30,40,50\n400,60,70,80,90,1.0E+02\n",              // AFFN, commas, exponent
        "900A0J0V\n500E0J0W\n0A00\n",                                 // DIFDUP with Y-checks
        "900 10J0+30 D0J0  $$ a comment\n500E0 60 J0T\n200H0I0A00\n", // mixed
        "900A0J0V\n500E0J0W\n",                                       // no final check line
        "  900 A0 J0 V\n\n500 E0 J0 W\n0 A00\n",                      // blanks and an empty line
    };
    for (const std::string& t : tabelas) {
        SCOPED_TRACE(t);
        const std::string lf = Cabecalho + t + "##END=\n";
        EsperaDezPontos(LeJcampDx(lf));
        std::string crlf, cr, tab;
        for (char c : lf) {
            crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
            cr += c == '\n' ? '\r' : c;
            tab += c == ' ' ? '\t' : c;
        }
        EsperaDezPontos(LeJcampDx(crlf));
        EsperaDezPontos(LeJcampDx(cr));
        EsperaDezPontos(LeJcampDx(tab));
    }
    std::string grafias = Troca(Affn, "##XUNITS= HZ", "##x_units= hz");
    grafias = Troca(grafias, "##.OBSERVE FREQUENCY", "##.Observe-Frequency");
    grafias = Troca(grafias, "##NPOINTS=", "  ##N/POINTS=");
    grafias = Troca(grafias, "##FIRSTX= 900", "##FirstX=900 $$ Hz");
    EsperaDezPontos(Le("\xEF\xBB\xBF$$ before the block\n" + grafias + "\n\x1A"));
    // A header label after the table counts as well.
    EsperaDezPontos(
        Le(Troca(Troca(Affn, "##NPOINTS= 10\n", ""), "##END=", "##NPOINTS= 10\n##END=")));
}

// The check repeats the last value of the line before, X included, and
// the line it fails on is named (the decoding itself is Asdf's).
TEST(JcampDx, VerificacaoDif) {
    Recusa(Cabecalho + "900A0J0V\n500E1J0W\n0A00\n##END=\n", 16, "verificação");
    Recusa(Cabecalho + "900A0J0V\n500E0J0W\n0A01\n##END=\n", 17, "verificação");
    // A DIF line followed by one that does not repeat its last value.
    Recusa(Cabecalho + "900A0J0V\n400F0J0V\n##END=\n", 16, "verificação");
    // The check's X is that of the repeated point.
    Recusa(Cabecalho + "900A0J0V\n400E0J0W\n0A00\n##END=\n", 16, "abscissa");
}

const std::string NTuplas =
    "##TITLE= NTUPLES\n##JCAMP-DX= 5.01\n##DATA TYPE= NMR SPECTRUM\n##DATA CLASS= NTUPLES\n"
    "##.OBSERVE FREQUENCY= 200\n##.OBSERVE NUCLEUS= ^1H\n##NTUPLES= NMR SPECTRUM\n"
    "##VAR_NAME= FREQUENCY, SPECTRUM/IMAG, SPECTRUM/REAL, PAGE NUMBER\n##SYMBOL= X, I, R, N\n"
    "##VAR_TYPE= INDEPENDENT, DEPENDENT, DEPENDENT, PAGE\n##VAR_FORM= AFFN, ASDF, ASDF, AFFN\n"
    "##VAR_DIM= 4, 4, 4, 2\n##UNITS= HZ, ARBITRARY UNITS, ARBITRARY UNITS,\n"
    "##FIRST= 600, 9, 4, 1\n##LAST= 0, 9, 16, 2\n##FACTOR= 2, 1, 0.25, 1\n##PAGE= N=1\n"
    "##DATA TABLE= (X++(I..I)), XYDATA\n300 9 9 9 9\n##PAGE= N=2\n"
    "##DATA TABLE= (X++(R..R)), XYDATA\n300DMU\n0A6\n##END NTUPLES= NMR SPECTRUM\n##END=\n";

TEST(JcampDx, NTuplasDaoAParteReal) {
    const LeituraJcamp r = Le(NTuplas);
    EXPECT_EQ(r.espectro->Ppm, (std::vector<double>{3, 2, 1, 0}));
    EXPECT_EQ(r.espectro->Intensidade, (std::vector<double>{1, 2, 3, 4}));
    // A page's own ##NPOINTS= comes before the list's.
    const std::string propria =
        Troca(Troca(NTuplas, "##PAGE= N=2\n", "##PAGE= N=2\n##NPOINTS= 4\n"), "##VAR_DIM= 4, 4, 4,",
              "##VAR_DIM= 9, 9, 9,");
    EXPECT_EQ(Le(propria).espectro->Intensidade, r.espectro->Intensidade);
    const std::string semNomes = Troca(NTuplas, "##VAR_NAME=", "##VAR_NAMEX=");
    EXPECT_EQ(Le(semNomes).espectro->Intensidade, r.espectro->Intensidade)
        << "unnamed, the page of I is still the imaginary part";
    Recusa(Troca(NTuplas, "##VAR_DIM= 4, 4, 4,", "##VAR_DIM= 3, 3, 3,"), 22,
           "passa de ##NPOINTS= 3");
    Recusa(Troca(NTuplas, "SPECTRUM/REAL", "SPECTRUM/IMAG"), 7, "parte real");
    Recusa(Troca(NTuplas, "##FIRST= 600,", "##FIRST= seiscentos,"), 14, "FIRST");
    Recusa(Troca(NTuplas, "(X++(R..R))", "(XY..XY)"), 21, "forma");

    // Hz from the instrument's own origin, placed by the file's reference:
    // a point's ppm, or Bruker's ppm of the first point.
    const auto comLinha = [](const std::string& linha) {
        return Troca(NTuplas, "##NTUPLES=", linha + "\n##NTUPLES=");
    };
    const auto ppm = [&](const std::string& linha) { return Le(comLinha(linha)).espectro->Ppm; };
    EXPECT_EQ(ppm("##.SHIFT REFERENCE= (INTERNAL, TMS, 4, 1.5)"),
              (std::vector<double>{4.5, 3.5, 2.5, 1.5}));
    EXPECT_EQ(ppm("##$OFFSET= 10"), (std::vector<double>{10, 9, 8, 7}));
    EXPECT_EQ(ppm("$$ ##$OFFSET= 10"), r.espectro->Ppm) << "a comment is no reference";
    // Point 0 names no point: the offset places the spectrum, or else the
    // Hz are already from the reference.
    const std::vector<double> dmso =
        ppm("##.SHIFT REFERENCE= (INTERNAL, DMSO, 0, 16.4614)\n##$OFFSET= 16.46138");
    ASSERT_EQ(dmso.size(), 4u);
    EXPECT_EQ(dmso.front(), 16.46138);
    EXPECT_NEAR(dmso.back(), 13.46138, 1e-12);
    EXPECT_EQ(ppm("##.SHIFT REFERENCE = INTERNAL, TMS, 0, 0"), r.espectro->Ppm);
    for (const char* ponto : {"5, 1)", "-1, 0)"})
        Recusa(comLinha(std::string("##.SHIFT REFERENCE= (INTERNAL, TMS, ") + ponto), 7,
               "SHIFT REFERENCE");
}

std::string Link(const std::string& titulo, const std::string& blocos) {
    return "##TITLE= " + titulo + "\n##JCAMP-DX= 5.01\n##DATA TYPE= LINK\n" + blocos + "##END=\n";
}

const std::string Picos =
    "##TITLE= Picos\n##DATA TYPE= NMR PEAK TABLE\n##PEAK TABLE= (XY..XY)\n100, 1\n##END=\n";

// The first spectrum of the file, whether the blocks follow one another or
// LINK blocks hold them, beside FIDs, peaks, structures and assignments;
// a damaged block after it does not matter.
TEST(JcampDx, PrimeiroEspectroDoArquivo) {
    const std::string fid = "##TITLE= FID\n##DATA TYPE= NMR FID\n##.OBSERVE FREQUENCY= 100\n"
                            "##XUNITS= SECONDS\n##FIRSTX= 0\n##LASTX= 1\n##NPOINTS= 2\n"
                            "##XYDATA= (X++(Y..Y))\n0 1 2\n##END=\n";
    const std::string estrutura = "##TITLE= Estrutura\n##JCAMP-CS= 3.7\n##BLOCK_ID= 1\n"
                                  "##NPOINTS= 2\n##ATOMLIST= $$ Atom Symbol\n1 C\n2 O\n"
                                  "##BONDLIST= $$ Atom1 Atom2 Order\n1 2 S\n##END=\n";
    const std::string atribuicoes = "##TITLE= Atribuições\n##JCAMP-DX= 5.01\n"
                                    "##DATA TYPE= NMR PEAK ASSIGNMENTS\n"
                                    "##PEAK ASSIGNMENTS= (XYMA)\n(3.5, 1, 1, <1>)\n##END=\n";
    const std::string outro = Troca(Troca(Affn, "##TITLE= Teste", "##TITLE= Outro"),
                                    "##.OBSERVE FREQUENCY= 100.0", "##.OBSERVE FREQUENCY= 50");
    const std::string link = "##TITLE= Composto\n##JCAMP-DX= 5.01\n##DATA TYPE= LINK\n";
    for (const std::string& arquivo :
         {link + "##BLOCKS= 3\n" + fid + Affn + Picos + "##END=\n", fid + Picos + Affn,
          Affn + outro, Affn + "\n" + outro, link + Affn + outro + "##END=\n",
          Link("Tudo", Link("Molécula", estrutura + atribuicoes) + Link("RMN", Affn + Picos)),
          Affn + Troca(outro, "400 60", "300 60")}) {
        const LeituraJcamp r = Le(arquivo);
        EsperaDezPontos(r);
        EXPECT_EQ(r.espectro->Titulo, "Teste");
        EXPECT_EQ(r.espectro->MHz, 100);
    }
    const LeituraJcamp r = Le(outro + Affn);
    EXPECT_EQ(r.espectro->Titulo, "Outro");
    EXPECT_EQ(r.espectro->Ppm.front(), 18);

    Recusa(link + fid + "##END=\n", 5, "o FID (o sinal no tempo)");
    Recusa(Troca(Picos, "NMR PEAK", "IR PEAK"), 2,
           "não é um espectro de RMN (##DATA TYPE= IR PEAK");
    Recusa(link + Affn, 20, "sem o ##END= do bloco da linha 1");
    Recusa(Affn + "##TITLE= a\n##TITLE= b\n", 19, "##TITLE= antes do ##END= do bloco da linha 18");
    // Eight levels of LINK are followed; a ninth is refused at its start.
    std::string fundo = Affn;
    for (int k = 0; k < 8; ++k) fundo = Link("Nível", fundo);
    EsperaDezPontos(LeJcampDx(fundo));
    Recusa(Link("Nível", fundo), 25, "mais de 8 níveis");
    // A block without its end, deep inside: the line where it starts.
    const std::string semFim = Link("Tudo", Link("RMN", Troca(Affn, "##END=\n", "") + Picos));
    Recusa(semFim, 23, "##TITLE= antes do ##END= do bloco da linha 7");
    Recusa(Link("Tudo", Link("Molécula", estrutura + atribuicoes)), 19,
           "não é um espectro de RMN (##DATA TYPE= NMR PEAK ASSIGNMENTS)");
}

// Databases publish 1H spectra as their peaks alone: each pair is a stick.
TEST(JcampDx, SoPicosViramPalitos) {
    const std::string ppm = "##TITLE= Banco\n##JCAMP-DX= 5.01\n##DATA TYPE= NMR SPECTRUM\n"
                            "##.OBSERVE FREQUENCY= 400.13\n##.OBSERVE NUCLEUS= ^1H\n"
                            "##XUNITS= PPM\n##NPOINTS= 4\n##PEAK TABLE= (XY..XY)\n"
                            "7.26, 100\n3.71, 45.5; 3.69,50  $$ CH2\n1.25 1000\n##END=\n";
    const LeituraJcamp r = Le(ppm);
    EXPECT_TRUE(r.espectro->Picos);
    EXPECT_EQ(r.espectro->MHz, 400.13);
    EXPECT_EQ(r.espectro->Ppm, (std::vector<double>{7.26, 3.71, 3.69, 1.25}));
    EXPECT_EQ(r.espectro->Intensidade, (std::vector<double>{100, 45.5, 50, 1000}));

    // Hz, with the factors; the peak table's own data type.
    const std::string hz = "##TITLE= Pontos\n##DATA TYPE= NMR PEAK TABLE\n"
                           "##.OBSERVE FREQUENCY= 250\n##XUNITS= HZ\n##XFACTOR= 2\n"
                           "##YFACTOR= 0.5\n##XYPOINTS= (XY..XY)\n1000, 10\n500, 20\n##END=\n";
    const LeituraJcamp p = Le(hz);
    EXPECT_EQ(p.espectro->Ppm, (std::vector<double>{8, 4}));
    EXPECT_EQ(p.espectro->Intensidade, (std::vector<double>{5, 10}));
    EXPECT_EQ(p.avisos.size(), 1u) << "no nucleus given";

    Recusa(Troca(ppm, "1.25 1000", "1.25"), 11, "X sem o seu Y");
    Recusa(Troca(ppm, "##NPOINTS= 4", "##NPOINTS= 5"), 12, "traz 4 picos; ##NPOINTS= 5");
    Recusa(Troca(ppm, "(XY..XY)", "(XYW..XYW)"), 8, "só (XY..XY)");
    Recusa(Troca(hz, "##YFACTOR= 0.5", "##YFACTOR= 0"), 6, "zero");
    Recusa(Troca(hz, "1000, 10\n500, 20\n", ""), 8, "nenhum pico");
    Recusa(Troca(ppm, "##PEAK TABLE= (XY..XY)\n", ""), 1, "nenhuma tabela");
}

TEST(JcampDx, RecusasComALinha) {
    const auto linha = [](int k, const std::string& nova) {
        std::string s = Affn;
        std::size_t ini = 0;
        for (int i = 1; i < k; ++i) ini = s.find('\n', ini) + 1;
        return s.replace(ini, s.find('\n', ini) - ini, nova);
    };
    Recusa("", 0, "vazio");
    Recusa(std::string(TamanhoMaximoJcamp + 1, ' '), 0, "grande demais");
    Recusa(linha(3, std::string("##DATA TYPE\0", 12)), 3, "byte nulo");
    Recusa("#Título\r\nÉter\r\n", 1, "não é um arquivo JCAMP-DX");
    Recusa("\n\n", 0, "não há ##TITLE=");
    // Counts and abscissas.
    Recusa(linha(16, "400 60 70 80 90"), 17, "termina com 9 pontos");
    Recusa(linha(16, "300 60 70 80 90 100"), 16, "abscissa");
    Recusa(linha(11, "##LASTX= 450"), 16, "esperado 650 Hz");
    // Truncated.
    Recusa(Cabecalho + "900 10 20 30 40 50\n400 60 70", 16, "no meio da tabela");
    // Not numbers (the tokens themselves are the ASDF tests').
    Recusa(linha(15, "900 10 20 30 40 A" + std::string(400, '9')), 15, "fora da faixa");
    Recusa(linha(15, "A0 10 20 30 40 50"), 15, "abscissa X");
    Recusa(linha(13, "##NPOINTS= dez"), 13, "não é um número");
    Recusa(linha(13, "##NPOINTS= 9.5"), 13, "inteiro");
    Recusa(linha(9, "##YFACTOR= 0"), 9, "zero");
    // Header values that would size an allocation: refused, or held to the
    // table's own points.
    Recusa(linha(13, "##NPOINTS= 1000000000000"), 13, "limite");
    Recusa(linha(13, "##NPOINTS= 4194304"), 16, "abscissa");
    Recusa(linha(15, "900 10s999999999999"), 15, "passa de ##NPOINTS= 10");
    // What the positions need.
    Recusa(linha(4, "$$"), 14, "OBSERVE FREQUENCY");
    Recusa(linha(4, "##.OBSERVE FREQUENCY= -5"), 4, "OBSERVE FREQUENCY");
    Recusa(linha(6, "##XUNITS= SECONDS"), 6, "HZ ou PPM");
    Recusa(linha(10, "$$"), 14, "falta ##FIRSTX=");
    Recusa(linha(14, "##XYDATA= (XY..XY)"), 14, "forma");
    // 2D in each of its guises.
    Recusa(linha(3, "##DATA TYPE= nD NMR SPECTRUM"), 3, "2D");
    Recusa(Troca(NTuplas, "##VAR_TYPE= INDEPENDENT, DEPENDENT,",
                 "##VAR_TYPE= INDEPENDENT, INDEPENDENT,"),
           10, "2D");
    Recusa(Troca(NTuplas, "(X++(R..R)), XYDATA", "(F2++(Y..Y)), PROFILE"), 21, "2D");
    Recusa(Troca(NTuplas, "##SYMBOL= X, I, R, N", "##SYMBOL= F1, F2, Y, N"), 9, "2D");
}

// A table of n points, `porLinha` to a line, each line opened by the X
// xDaLinha gives its first point; the values peak at point `pico`.
std::string TabelaSintetica(std::size_t n, std::size_t porLinha, std::size_t pico,
                            const std::function<std::string(std::size_t)>& xDaLinha) {
    std::string s;
    for (std::size_t k = 0; k < n; ++k) {
        if (k % porLinha == 0) {
            if (k) s += '\n';
            s += xDaLinha(k);
        }
        s += ' ';
        s += std::to_string(k == pico ? 5000 : 10 + k % 7);
    }
    return s + "\n##END=\n";
}

std::string XComCasas(double x, int casas) {
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.*f", casas, x);
    return buf;
}

void EsperaPontos(const LeituraJcamp& r, std::size_t n, double primeiro, double ultimo, double mhz,
                  std::size_t pico) {
    ASSERT_TRUE(r.espectro) << r.Mensagem();
    const EspectroExperimental& e = *r.espectro;
    ASSERT_EQ(e.Ppm.size(), n);
    ASSERT_EQ(e.Intensidade.size(), n);
    EXPECT_NEAR(e.Ppm.front(), primeiro, 1e-12);
    EXPECT_NEAR(e.Ppm.back(), ultimo, 1e-12);
    EXPECT_EQ(e.MHz, mhz);
    const auto maior = std::max_element(e.Intensidade.begin(), e.Intensidade.end());
    EXPECT_EQ(std::size_t(maior - e.Intensidade.begin()), pico);
    EXPECT_NEAR(e.Ppm[pico], primeiro + double(pico) * (ultimo - primeiro) / double(n - 1), 1e-12);
}

// The lines' X run on a spacing a little off the header's (a rounded
// ##DELTAX=, or X rounded to few decimals) and drift up to 0.45 of a point
// from where the count puts them; a point lost or added still moves them by
// a whole one.
TEST(JcampDx, AbscissasQueDerivamDaGrade) {
    const double primeiro = 2391.297363, delta = -0.341045, mhz = 400.13;
    const double ultimo = primeiro + 40 * delta;
    const auto cabecalho = [&](const std::string& deltaX) {
        return "##TITLE= Deriva\n##DATA TYPE= NMR SPECTRUM\n##.OBSERVE FREQUENCY= 400.13\n"
               "##.OBSERVE NUCLEUS= ^1H\n##XUNITS= HZ\n##XFACTOR= 1\n##YFACTOR= 1\n"
               "##FIRSTX= " +
               XComCasas(primeiro, 6) + "\n##LASTX= " + XComCasas(ultimo, 6) +
               "\n##DELTAX= " + deltaX + "\n##NPOINTS= 41\n##XYDATA=(X++(Y..Y))\n";
    };
    const auto deriva = [&](int casas) {
        return [=](std::size_t k) {
            return XComCasas(primeiro + double(k) * delta * (1 + 0.45 / 40), casas);
        };
    };
    const std::string seis = cabecalho("-0.341045") + TabelaSintetica(41, 5, 17, deriva(6));
    EsperaPontos(Le(seis), 41, primeiro / mhz, ultimo / mhz, mhz, 17);
    // One decimal, and a ##DELTAX= in ppm: only ##FIRSTX=, ##LASTX= and
    // ##NPOINTS= place the points.
    const LeituraJcamp uma = Le(cabecalho("-0.000852") + TabelaSintetica(41, 5, 17, deriva(1)));
    EsperaPontos(uma, 41, primeiro / mhz, ultimo / mhz, mhz, 17);
    EXPECT_TRUE(uma.avisos.empty()) << uma.avisos.front();

    // The second line of the table (line 14) one point short, or long: the
    // third is a whole point off.
    const std::size_t ini = seis.find("\n" + deriva(6)(5) + " ") + 1;
    const std::string linha2 = seis.substr(ini, seis.find('\n', ini) - ini);
    Recusa(Troca(seis, linha2, linha2.substr(0, linha2.rfind(' '))), 15, "abscissa");
    Recusa(Troca(seis, linha2, linha2 + " 12"), 15, "abscissa");
}

// Lines numbered with the 0-based index of their first point, x in ppm, and
// a count written as a real number one more than the table holds.
TEST(JcampDx, AbscissasQueSaoIndices) {
    const std::string cabecalho =
        "##TITLE= Indices\n##JCAMP-DX= 5.0\n##DATA TYPE= NMR SPECTRUM\n"
        "##.OBSERVE FREQUENCY= 399.987\n##.OBSERVE NUCLEUS= ^1H\n##XUNITS= ppm\n"
        "##YUNITS= ARBITRARY UNITS\n##XFACTOR= 0.5\n##YFACTOR= 1\n##FIRSTX= 10\n"
        "##LASTX= 0\n##DELTAX= -0.5\n##NPOINTS= 21.000000000\n##XYDATA=(X++(Y..Y))\n";
    const auto indice = [](std::size_t k) { return std::to_string(k); };
    const std::string arquivo = cabecalho + TabelaSintetica(20, 5, 7, indice);
    const LeituraJcamp r = Le(arquivo);
    EsperaPontos(r, 20, 10, 0.5, 399.987, 7);
    ASSERT_EQ(r.avisos.size(), 1u);
    EXPECT_NE(r.avisos[0].find("20 pontos, um a menos que ##NPOINTS="), std::string::npos);
    EXPECT_NE(LeJcampDx(arquivo, ',').avisos[0].find("em 0,5 ppm"), std::string::npos);

    // The table must still be whole, and each line at its index.
    Recusa(Troca(arquivo, "= 21.000000000", "= 21"), 19, "termina com 20 pontos");
    Recusa(Troca(arquivo, "\n5 15 16 5000", "\n5 15 16"), 17, "índice do seu primeiro ponto");
    Recusa(Troca(arquivo, "\n10 ", "\n11 "), 17, "índice do seu primeiro ponto");
}

TEST(JcampDx, PpmNucleoEAvisos) {
    // x already in ppm: no frequency needed.
    std::string ppm = Troca(Affn, "##XUNITS= HZ", "##XUNITS= PPM");
    ppm = Troca(ppm, "##.OBSERVE FREQUENCY= 100.0\n", "");
    const LeituraJcamp r = Le(ppm);
    EXPECT_EQ(r.espectro->MHz, 0);
    EXPECT_EQ(r.espectro->Ppm.front(), 900);
    EXPECT_TRUE(r.avisos.empty());

    const LeituraJcamp c13 = Le(Troca(Affn, "^1H", "^13C"));
    ASSERT_EQ(c13.avisos.size(), 1u);
    EXPECT_NE(c13.avisos[0].find("^13C"), std::string::npos);
    EXPECT_EQ(Le(Troca(Affn, "^1H", "1H")).avisos.size(), 0u);
    EXPECT_EQ(Le(Troca(Affn, "##.OBSERVE NUCLEUS= ^1H\n", "")).avisos.size(), 1u);

    // The decimals the frequency is given with, at most 6.
    for (const auto& [texto, casas] : std::vector<std::pair<std::string, int>>{
             {"100", 0}, {"100.0", 1}, {"400.13", 2}, {"4.0013E+2", 2}, {"600.17420118999", 6}}) {
        const LeituraJcamp f = Le(Troca(Affn, "= 100.0", "= " + texto));
        EXPECT_EQ(f.espectro->TextoMHz, texto);
        EXPECT_EQ(f.espectro->CasasMHz, casas) << texto;
    }
    // A title outside ASCII: UTF-8 kept, Windows-1252 converted.
    EXPECT_EQ(Le(Troca(Affn, "Teste", "\xC9ter")).espectro->Titulo, "Éter");
    EXPECT_EQ(Le(Troca(Affn, "Teste", "Éter\t1")).espectro->Titulo, "Éter 1");
}

ExportacaoJcamp Simulado() {
    ExportacaoJcamp e;
    e.Titulo = "Éter etílico: α-β “quarteto” ☃";
    e.MHz = 400.13;
    e.PrimeiroHz = 1600.0;
    e.UltimoHz = -200.0;
    const int n = 4096;
    for (int k = 0; k < n; ++k) {
        const double x = e.PrimeiroHz + k * (e.UltimoHz - e.PrimeiroHz) / (n - 1);
        double y = 0;
        for (double c : {1200.0, 1207.1, 300.0, 292.9}) y += 1 / (1 + (x - c) * (x - c) / 0.25);
        // A flat stretch and a negative one, for DUP and signs.
        e.Envolvente.push_back(x < 0 ? -0.001 : k > 3000 && k < 3100 ? 0.5 : y);
    }
    e.Bandas = {{1207.1, 1}, {1200, 1}, {300, 0.9999999}, {292.9, 1e-7}};
    return e;
}

TEST(JcampDx, ExportacaoIdaEVolta) {
    const ExportacaoJcamp e = Simulado();
    ASSERT_FALSE(ValidaExportacao(e));
    const std::string bytes = BytesJcampDx(e);
    std::size_t ini = 0, linhas = 0;
    for (std::size_t p; (p = bytes.find("\r\n", ini)) != std::string::npos; ini = p + 2, ++linhas) {
        EXPECT_LE(p - ini, 80u) << bytes.substr(ini, p - ini);
        EXPECT_EQ(bytes.substr(ini, p - ini).find('\n'), std::string::npos);
    }
    EXPECT_EQ(ini, bytes.size()) << "every line ends with CR LF";
    EXPECT_TRUE(std::all_of(bytes.begin(), bytes.end(), [](char c) {
        return c > 0 && c < 0x7F && (c >= ' ' || c == '\r' || c == '\n');
    }));
    EXPECT_TRUE(bytes.starts_with(
        "##TITLE= Eter etilico: alpha-beta \"quarteto\" ?\r\n##JCAMP-DX= 5.01\r\n"));
    EXPECT_NE(bytes.find("##DATA TYPE= LINK\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("##.SHIFT REFERENCE= (INTERNAL, TMS, 1, 3.99870042236)\r\n"),
              std::string::npos);
    EXPECT_NE(bytes.find("##PEAK TABLE= (XY..XY)\r\n1207.1, 1\r\n1200, 1\r\n300, 0.9999999\r\n"
                         "292.9, 1E-07\r\n##END=\r\n##END=\r\n"),
              std::string::npos);

    const LeituraJcamp r = Le(bytes);
    EXPECT_TRUE(r.avisos.empty());
    EXPECT_EQ(r.espectro->MHz, e.MHz);
    EXPECT_EQ(r.espectro->Titulo, "Eter etilico: alpha-beta \"quarteto\" ?");
    ASSERT_EQ(r.espectro->Ppm.size(), e.Envolvente.size());
    double maior = 0;
    for (double y : e.Envolvente) maior = std::max(maior, std::fabs(y));
    for (std::size_t k = 0; k < e.Envolvente.size(); ++k) {
        const double x = e.PrimeiroHz + double(k) * (e.UltimoHz - e.PrimeiroHz) / 4095;
        // The shift reference is written to 12 digits.
        ASSERT_NEAR(r.espectro->Ppm[k], x / e.MHz, 1e-10) << k;
        // Ten significant digits of the largest value.
        ASSERT_NEAR(r.espectro->Intensidade[k], e.Envolvente[k], maior * 1e-9) << k;
    }
}

TEST(JcampDx, TituloDaExportacao) {
    ExportacaoJcamp e = Simulado();
    const auto titulo = [&e](std::string t) {
        e.Titulo = std::move(t);
        const std::string b = BytesJcampDx(e);
        return b.substr(9, b.find("\r\n") - 9);
    };
    EXPECT_EQ(titulo("Preço $$ 5 ± 0,1 µL\r\nÇÃÕ ß Œ"), "Preco $ $ 5 +/- 0,1 uL CAO ss OE");
    // Greek letters keep their meaning in the ASCII title: each is a word.
    EXPECT_EQ(titulo("AB: Δν/J = 0,5"), "AB: Delta nu/J = 0,5");
    EXPECT_EQ(titulo(""), "Espectro simulado");
    EXPECT_EQ(titulo("ruim \xFF"), "ruim ?");
    const std::string longo = titulo(std::string(200, 'x'));
    EXPECT_EQ(longo, std::string(68, 'x') + "...");
    // The title the reader takes is the spectrum block's, the same.
    EXPECT_EQ(Le(BytesJcampDx(e)).espectro->Titulo, longo);
    // ##TITLE= and the title fill the 80 columns exactly, never one more.
    EXPECT_EQ(titulo(std::string(71, 'y')), std::string(71, 'y'));
    EXPECT_EQ(titulo(std::string(72, 'y')), std::string(68, 'y') + "...");

    const auto exportacao = [](double mhz, double primeiro, std::vector<double> y) {
        ExportacaoJcamp x;
        x.MHz = mhz;
        x.PrimeiroHz = primeiro;
        x.Envolvente = std::move(y);
        return x;
    };
    EXPECT_FALSE(ValidaExportacao(exportacao(100, 1, {1, 2})));
    EXPECT_TRUE(ValidaExportacao(exportacao(0, 1, {1, 2})));
    EXPECT_TRUE(ValidaExportacao(exportacao(100, 0, {1, 2}))) << "equal ends";
    EXPECT_TRUE(ValidaExportacao(exportacao(100, 1, {1, NAN})));
    EXPECT_TRUE(ValidaExportacao(exportacao(100, 1, {1})));
    // Refused values still give bytes, never a crash.
    EXPECT_FALSE(BytesJcampDx(exportacao(NAN, INFINITY, {NAN})).empty());
}

} // namespace
