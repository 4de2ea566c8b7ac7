#include "formatos/Exemplos.h"
#include "formatos/SessaoArquivo.h"
#include "run/ExecucaoAux.h"
#include "texto/TextoDecimal.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>

namespace {

namespace fs = std::filesystem;

const fs::path Pasta = HALVORA_EXEMPLOS;

std::string LeBytes(const fs::path& caminho) {
    std::ifstream f(caminho, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
}

DadosArquivo Dados(std::string_view nome) {
    const Exemplo* e = ProcuraExemplo(nome);
    if (!e) {
        ADD_FAILURE() << "não há o exemplo " << nome;
        return {};
    }
    LeituraArquivo l = LeDadosArquivo(e->bytes, ',');
    EXPECT_TRUE(l.dados && l.erro.empty()) << nome << ": " << l.Mensagem();
    return l.dados.value_or(DadosArquivo{});
}

struct Linha {
    double freq, intensidade;
};

// The lines a spectrum shows at the file's width: bands closer than it are
// one line, at their intensity-weighted position; from high to low
// frequency.
std::vector<Linha> Linhas(const DadosArquivo& d) {
    const EstadoSpin e = testes::Calcula(EntradaDoArquivo(d, '.'));
    std::vector<Linha> bandas;
    for (int b = 1; b <= e.NBandas; ++b) bandas.push_back({e.FreqBanda(b), e.IntBanda(b)});
    std::sort(bandas.begin(), bandas.end(),
              [](const Linha& a, const Linha& b) { return a.freq > b.freq; });
    std::vector<Linha> v;
    double ultima = 0;
    for (const Linha& b : bandas) {
        if (v.empty() || ultima - b.freq > d.Largura) {
            v.push_back(b);
        } else {
            Linha& l = v.back();
            l.freq =
                (l.freq * l.intensidade + b.freq * b.intensidade) / (l.intensidade + b.intensidade);
            l.intensidade += b.intensidade;
        }
        ultima = b.freq;
    }
    return v;
}

// The data file shipped in exemplos/, the embedded copy and the index agree
// byte for byte, so a file regenerated without a rebuild, or one added
// without its index line, fails here. Each group once, together; each name
// once, in the characters a file name and a command line take, and found as
// itself.
TEST(Exemplos, EmbutidosIguaisAPastaNomesEProcura) {
    std::string indice;
    std::string_view grupo;
    std::set<std::string_view> grupos;
    std::set<std::string> nomes;
    for (const Exemplo& e : Exemplos()) {
        EXPECT_EQ(LeBytes(Pasta / (std::string(e.nome) + ".esm")), e.bytes) << e.nome;
        indice +=
            std::string(e.grupo) + "\t" + std::string(e.nome) + "\t" + std::string(e.rotulo) + "\n";
        if (e.grupo != grupo) {
            EXPECT_TRUE(grupos.insert(grupo = e.grupo).second) << e.grupo;
        }
        EXPECT_TRUE(nomes.insert(std::string(e.nome)).second) << "repetido: " << e.nome;
        EXPECT_EQ(e.nome.find_first_not_of("abcdefghijklmnopqrstuvwxyz0123456789-."),
                  std::string_view::npos);
        EXPECT_FALSE(e.rotulo.empty()) << e.nome;
        EXPECT_EQ(ProcuraExemplo(e.nome), &e);
    }
    EXPECT_EQ(LeBytes(Pasta / "exemplos.txt"), indice);
    std::set<std::string> arquivos;
    for (const auto& a : fs::directory_iterator(Pasta))
        if (a.path().extension() == ".esm") arquivos.insert(a.path().stem().string());
    EXPECT_EQ(arquivos, nomes);
    EXPECT_EQ(grupos.size(), 5u);
    for (const char* nenhum : {"", "ab-10.esm", "AB-10"})
        EXPECT_EQ(ProcuraExemplo(nenhum), nullptr);
}

// Every example reads without a message, runs, and has its field in the title.
TEST(Exemplos, CadaUmLeExecutaETemOCampoNoTitulo) {
    bool dez = false;
    for (const Exemplo& e : Exemplos()) {
        SCOPED_TRACE(std::string(e.nome));
        const DadosArquivo d = Dados(e.nome);
        std::string campo = "(";
        campo += FormataNumeroG(d.MHz, 15, ',');
        campo += " MHz)";
        EXPECT_NE(d.Titulo.find(campo), std::string::npos) << d.Titulo;
        const EstadoSpin s = testes::Calcula(EntradaDoArquivo(d, '.'));
        EXPECT_GT(s.NBandas, 0);
        dez = dez || d.NProt == 10;
    }
    EXPECT_TRUE(dez) << "falta um exemplo de 10 prótons";
}

// The pairs and the series that compare one molecule: the same shifts in
// ppm and the same couplings, only the field (or the model) changes.
TEST(Exemplos, MesmoSistemaEmOutroCampo) {
    const std::vector<std::vector<const char*>> series = {
        {"amx-400", "abx-60"}, {"acrilato-60", "acrilato-300", "acrilato-600"}};
    for (const auto& serie : series) {
        const DadosArquivo a = Dados(serie[0]);
        for (std::size_t k = 1; k < serie.size(); ++k) {
            SCOPED_TRACE(serie[k]);
            const DadosArquivo b = Dados(serie[k]);
            EXPECT_NE(a.MHz, b.MHz);
            EXPECT_EQ(a.J, b.J);
            ASSERT_EQ(a.NProt, b.NProt);
            for (int i = 0; i < a.NProt; ++i)
                EXPECT_NEAR(a.Desloc[i] / a.MHz, b.Desloc[i] / b.MHz, 1e-6) << "H" << i + 1;
        }
    }
}

// 2-chloroethanol: the A2B2 model has the mean of the two vicinal couplings
// of the AA'BB' system, and the AA'BB' spectrum has lines A2B2 cannot have.
TEST(Exemplos, CloroetanolA2B2ContraAABB) {
    const DadosArquivo a2b2 = Dados("a2b2-2-cloroetanol"), aabb = Dados("aabb-2-cloroetanol");
    ASSERT_EQ(a2b2.NProt, 4);
    ASSERT_EQ(aabb.NProt, 4);
    EXPECT_EQ(a2b2.Desloc, aabb.Desloc);
    EXPECT_EQ(a2b2.MHz, aabb.MHz);
    // J(1,2) J(1,3) J(1,4) J(2,3) J(2,4) J(3,4): vicinal at 1, 2, 3, 4.
    const std::vector<double>& v = a2b2.J;
    EXPECT_TRUE(v[1] == v[2] && v[2] == v[3] && v[3] == v[4]);
    const std::vector<double>& w = aabb.J;
    EXPECT_EQ(w[1], w[4]); // J = J(1,3) = J(2,4)
    EXPECT_EQ(w[2], w[3]); // J' = J(1,4) = J(2,3)
    EXPECT_NE(w[1], w[2]);
    EXPECT_NEAR((w[1] + w[2]) / 2, v[1], 1e-12);
    EXPECT_GT(Linhas(aabb).size(), Linhas(a2b2).size());
}

} // namespace
