// The fit against spectra whose answer is known: synthetic ones made with
// noise and a baseline, and the measured 2-chloroethanol; groups, held
// parameters, the stop and every refusal.

#include "ajuste/Ajuste.h"
#include "ajuste/Modelo.h"
#include "espectro/FormaDeLinha.h"
#include "formatos/JcampDx.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <numeric>
#include <random>

namespace {

struct Linha {
    double hz, intensidade;
};

// A measured spectrum of the lines, 0.25 Hz a point from ppmMax down to
// ppmMin, scaled, on a baseline, with Gaussian noise.
std::shared_ptr<EspectroExperimental> Medido(const std::vector<Linha>& linhas, double MHz,
                                             double largura, double ppmMin, double ppmMax,
                                             double ruido, unsigned semente) {
    auto x = std::make_shared<EspectroExperimental>();
    x->MHz = MHz;
    LinhaNaGrade g;
    const std::size_t n = std::size_t((ppmMax - ppmMin) * MHz / 0.25);
    g.Uniforme(ppmMax * MHz, -0.25, n);
    std::vector<double> hz, in;
    for (const Linha& l : linhas) hz.push_back(l.hz), in.push_back(l.intensidade);
    g.Calcula({hz, in}, {largura / 2, 0.5});
    std::mt19937 gen(semente);
    std::normal_distribution<double> normal(0, ruido);
    for (std::size_t k = 0; k < n; ++k) {
        x->Ppm.push_back(g.Hz[k] / MHz);
        x->Intensidade.push_back(1000 * g.Valor[k] + 50 + normal(gen));
    }
    return x;
}

std::vector<Linha> LinhasDe(const EntradaSimulacao& in) {
    TrabalhoSimulacao t;
    EXPECT_FALSE(SimulaBandas(in, AutovaloresLapack(), t));
    std::vector<Linha> v;
    for (int b = 1; b <= t.estado.NBandas; ++b)
        v.push_back({t.estado.FreqBanda(b), t.estado.IntBanda(b)});
    return v;
}

EntradaSimulacao Sistema(std::vector<double> desloc, std::vector<double> J, double MHz = 400) {
    EntradaSimulacao in = EntradaInicial(int(desloc.size()));
    in.MHz = MHz;
    in.Desloc = std::move(desloc);
    in.J = std::move(J);
    return in;
}

// The AB pair the quick fits start from, 3 and 3 Hz off, 0.5 Hz off in J.
ProblemaAjuste Dubleto(double ruido, unsigned semente) {
    ProblemaAjuste p;
    p.inicio = Sistema({1503, 1457}, {6.5});
    p.medido = Medido(LinhasDe(Sistema({1500, 1460}, {7})), 400, 1.0, 3.5, 4.0, ruido, semente);
    return p;
}

const ParametroAjuste& Chamado(const ResultadoAjuste& r, const std::string& nome) {
    for (const auto& q : r.parametros)
        if (q.Chamado(nome)) return q;
    ADD_FAILURE() << "no parameter " << nome;
    return r.parametros.front();
}

// The regions the fit starts from: around each line, merged where they meet,
// and never beyond the measured spectrum; a line out of it gives no region.
TEST(Ajuste, RegioesPadraoDentroDoMedido) {
    ProblemaAjuste p;
    p.inicio = Sistema({400, 1200, 3000}, {0, 0, 0});
    p.medido = Medido(LinhasDe(p.inicio), 400, 1, 0.5, 4, 0, 1);
    const std::vector<RegiaoPpm> r = RegioesPadrao(p);
    ASSERT_EQ(r.size(), 2u) << "the line at 7.5 ppm lies beyond the measured 4 ppm";
    const double meia = (p.Largura + AlargamentoRegioesHz) / 400;
    for (std::size_t k = 0; k < 2; ++k) {
        EXPECT_NEAR(r[k].Min, 1 + 2.0 * double(k) - meia, 1e-9) << k;
        EXPECT_NEAR(r[k].Max, 1 + 2.0 * double(k) + meia, 1e-9) << k;
    }
    p.inicio.Desloc = {3000, 3100, 3200};
    EXPECT_TRUE(RegioesPadrao(p).empty());
}

// An ABX (styrene's vinyl at 400 MHz) with noise and a baseline, fitted from
// shifts 8 Hz and couplings 1.5 Hz off: every value within three standard
// errors of the truth.
TEST(Ajuste, AbxSinteticoDeUmInicioGrosseiro) {
    const EntradaSimulacao certo = Sistema({2688, 2302, 2092}, {17.6, 10.9, 1.1});
    ProblemaAjuste p;
    p.inicio = Sistema({2696, 2294, 2100}, {16.1, 12.4, 1.1});
    p.Largura = 1.2;
    p.medido = Medido(LinhasDe(certo), 400, 1.0, 5, 7, 2, 1);
    ResultadoAjuste r;
    ASSERT_FALSE(Ajusta(p, r));
    const std::pair<const char*, double> certos[] = {
        {"H1", 2688},    {"H2", 2302},   {"H3", 2092},     {"J(1,2)", 17.6},     {"J(1,3)", 10.9},
        {"J(2,3)", 1.1}, {"largura", 1}, {"escala", 1000}, {"linha de base", 50}};
    for (auto [nome, valor] : certos) {
        const ParametroAjuste& q = Chamado(r, nome);
        EXPECT_GT(q.Erro, 0) << nome;
        // A sign the spectrum does not fix may come back turned over, but
        // then the fit says so.
        const bool trocado = q.Valor * valor < 0;
        EXPECT_NEAR(trocado ? -q.Valor : q.Valor, valor, 3 * q.Erro) << nome;
        if (trocado) {
            EXPECT_TRUE(std::any_of(r.Avisos.begin(), r.Avisos.end(), [&](const std::string& a) {
                return a.find(q.Nome()) != std::string::npos;
            })) << nome;
        }
    }
    EXPECT_EQ(r.sistema.Desloc[1], Chamado(r, "H2").Valor);
    EXPECT_EQ(r.sistema.IntMin, p.inicio.IntMin);
    EXPECT_LT(r.RmsPorcento, 1);
    EXPECT_EQ(r.PpmResiduo.size(), r.Residuo.size());
}

// The errors say how far a fit strays with the noise: over 30 noisy copies
// the spread of each value matches its mean standard error within 1.5.
TEST(Ajuste, ErrosPadraoComoADispersao) {
    std::vector<std::vector<double>> valores(3);
    std::vector<double> erros(3);
    for (unsigned k = 0; k < 30; ++k) {
        ResultadoAjuste r;
        ASSERT_FALSE(Ajusta(Dubleto(20, 100 + k), r));
        int i = 0;
        for (const char* nome : {"H1", "H2", "J(1,2)"}) {
            valores[i].push_back(Chamado(r, nome).Valor);
            erros[i++] += Chamado(r, nome).Erro / 30;
        }
    }
    for (int i = 0; i < 3; ++i) {
        const double media = std::accumulate(valores[i].begin(), valores[i].end(), 0.0) / 30;
        double s2 = 0;
        for (double v : valores[i]) s2 += (v - media) * (v - media) / 29;
        EXPECT_GT(std::sqrt(s2) / erros[i], 1 / 1.5) << i;
        EXPECT_LT(std::sqrt(s2) / erros[i], 1.5) << i;
    }
}

// Equal starting shifts move as one; a held value stays where it was put,
// and the rest fit around it.
TEST(Ajuste, GruposEParametrosMantidos) {
    const EntradaSimulacao certo = Sistema({1200, 1200, 1200, 900}, {0, 0, 7, 0, 7, 7});
    ProblemaAjuste p;
    p.inicio = Sistema({1204, 1204, 1204, 896}, {0, 0, 6.5, 0, 6.5, 6.5});
    p.medido = Medido(LinhasDe(certo), 400, 1.0, 2, 3.2, 1, 3);
    p.parametros = ParametrosPadrao(p.inicio, 1);
    ASSERT_EQ(p.parametros.size(), 7u) << "one shift group, one coupling group, the rest";
    EXPECT_EQ(p.parametros[0].Nome(), "H1,H2,H3");
    EXPECT_EQ(p.parametros[3].Nome(), "J(1,4),J(2,4),J(3,4)");
    EXPECT_FALSE(p.parametros[2].Ajustar) << "a coupling inside a group is held";
    p.parametros[1].Valor = 897;
    p.parametros[1].Ajustar = false;
    ResultadoAjuste r;
    ASSERT_FALSE(Ajusta(p, r));
    EXPECT_EQ(r.sistema.Desloc[3], 897);
    EXPECT_EQ(Chamado(r, "H4").Erro, 0);
    EXPECT_EQ(r.sistema.Desloc[0], r.sistema.Desloc[2]);
    EXPECT_NEAR(r.sistema.Desloc[0], 1200, 0.05);
    EXPECT_NEAR(r.sistema.J[IndiceJ(4, 1, 4)], 7, 0.1);
}

// The measured 2-chloroethanol (AA'BB' at 400 MHz) from a start 9 Hz and
// 1.5 Hz away reaches the best fit, which the picture shows line for line.
TEST(Ajuste, CloroetanolMedido) {
    const LeituraJcamp lido = LeArquivoJcamp(HALVORA_ESPECTROS "/affn.dx");
    ASSERT_TRUE(lido.espectro);
    ProblemaAjuste p;
    p.inicio = Sistema({1538, 1538, 1477, 1477}, {-11.5, 5.5, 5.0, 5.0, 5.5, -11.5}, 400.13);
    p.medido = std::make_shared<EspectroExperimental>(*lido.espectro);
    ResultadoAjuste r;
    ASSERT_FALSE(Ajusta(p, r));
    EXPECT_NEAR(Chamado(r, "H1").Valor, 1547.35, 0.05);
    EXPECT_NEAR(Chamado(r, "H3").Valor, 1468.46, 0.05);
    const double j = Chamado(r, "J(1,3)").Valor, jl = Chamado(r, "J(1,4)").Valor;
    EXPECT_NEAR(std::min(j, jl), 3.99, 0.05);
    EXPECT_NEAR(std::max(j, jl), 6.43, 0.05);
    EXPECT_LT(r.RmsPorcento, 4);
}

// Only the points inside a region count, where the reference moves them;
// those just outside are kept only for the broadened stages' kernel.
TEST(Ajuste, SoOsPontosDasRegioesContam) {
    const auto medido = Medido(LinhasDe(Sistema({1300}, {})), 400, 1, 2, 4, 0, 1);
    const PontosAjuste p = PontosDasRegioes(*medido, 400, 0.25, {{3, 3.5}});
    std::size_t errados = 0;
    for (std::size_t k = 0; k < p.Hz.size(); ++k)
        errados += bool(p.conta[k]) != (p.Hz[k] / 400 >= 3 && p.Hz[k] / 400 <= 3.5);
    EXPECT_EQ(errados, 0u);
    EXPECT_NEAR(double(p.nConta), 0.5 * 400 / 0.25, 1);
}

// The AB pair looks the same with J turned over: the fit says so. A fit
// stopped leaves no result.
TEST(Ajuste, AvisaDoSinalQueOEspectroNaoFixaEPararNaoDeixaResultado) {
    ResultadoAjuste r;
    ASSERT_FALSE(Ajusta(Dubleto(1, 2), r));
    ASSERT_EQ(r.Avisos.size(), 1u);
    EXPECT_NE(r.Avisos[0].find("O sinal de J(1,2)"), std::string::npos) << r.Avisos[0];

    std::stop_source fonte;
    r.Iteracoes = -7;
    const auto erro = Ajusta(Dubleto(1, 1), r, fonte.get_token(), [&](const ProgressoAjuste& pr) {
        EXPECT_GT(pr.iteracao, 0);
        fonte.request_stop();
    });
    ASSERT_TRUE(erro);
    EXPECT_EQ(erro->tipo, TipoErro::Interrompido);
    EXPECT_EQ(r.Iteracoes, -7);
}

TEST(Ajuste, Recusas) {
    const ProblemaAjuste base = Dubleto(1, 1);
    auto lista = std::make_shared<EspectroExperimental>(*base.medido);
    lista->Picos = true;
    const std::pair<std::function<void(ProblemaAjuste&)>, std::string> casos[] = {
        {[](ProblemaAjuste& p) { p.medido.reset(); },
         "Não há espectro experimental para o ajuste."},
        {[&](ProblemaAjuste& p) { p.medido = lista; }, "lista de picos"},
        {[](ProblemaAjuste& p) {
             p.regioes = {{8, 9}};
         },
         "não se sobrepõem"},
        {[](ProblemaAjuste& p) {
             p.parametros = ParametrosPadrao(p.inicio, 1);
             for (auto& q : p.parametros) q.Ajustar = false;
         },
         "Não há parâmetros livres para ajustar."},
        // A2: the coupling inside the pair leaves no trace in the spectrum.
        {[](ProblemaAjuste& p) {
             p.inicio = Sistema({1480, 1480}, {7});
             p.parametros = ParametrosPadrao(p.inicio, 1);
             p.parametros[1].Ajustar = true;
         },
         "não determina J(1,2)"}};
    for (const auto& [muda, motivo] : casos) {
        ProblemaAjuste p = base;
        muda(p);
        ResultadoAjuste r;
        const auto erro = Ajusta(p, r);
        ASSERT_TRUE(erro) << motivo;
        EXPECT_NE(erro->texto.find(motivo), std::string::npos) << erro->texto;
    }
}

// The model simulates protons with no coupling between them apart: the
// shape is the whole system's all the same.
TEST(Ajuste, ConjuntosIndependentesDaoAFormaDoSistemaInteiro) {
    const EntradaSimulacao in = Sistema({1500, 1460, 900, 1200}, {7, 0, 0, 0, 0, 0});
    const auto medido = Medido(LinhasDe(in), 400, 1, 2, 4, 0, 1);
    const PontosAjuste p = PontosDasRegioes(*medido, 400, 0, {{2, 4}});
    std::vector<double> forma;
    ASSERT_TRUE(Forma(in, 1, 50, p, 0, {}, forma));
    for (std::size_t k = 0; k < forma.size(); ++k)
        ASSERT_NEAR(1000 * forma[k] + 50, medido->Intensidade[k], 1e-6) << k;
}

// Levenberg-Marquardt steers by forward differences 1e-4 Hz wide, so the
// model must be smooth at that scale even where lines are weak: the
// derivative in every shift and coupling of eight protons in strongly
// coupled groups (whose degenerate lines share their intensity anyhow), at
// the panel's minimum intensity, is the same from steps 1e-3 and 1e-4 Hz
// wide, within the first step's curvature error. (Much finer steps would
// see the run's rounding: its energies are absolute, some 4e8 Hz.)
TEST(Ajuste, AFormaESuaveNosParametros) {
    EntradaSimulacao in = Sistema({1500, 1480, 1300, 1300, 1260, 1260, 900, 900}, {});
    in.J.assign(28, 0);
    // A chain of groups: each coupling joins every proton of one to every
    // proton of the next.
    const std::vector<std::vector<int>> grupos{{1}, {2}, {3, 4}, {5, 6}, {7, 8}};
    const double J[] = {10.5, 7.0, 7.4, 6.8};
    for (std::size_t g = 0; g + 1 < grupos.size(); ++g)
        for (int i : grupos[g])
            for (int j : grupos[g + 1]) in.J[std::size_t(IndiceJ(8, i, j))] = J[g];
    ASSERT_GT(in.IntMin, 0);
    const auto medido = Medido(LinhasDe(in), 400, 1, 1.5, 4, 0, 1);
    const PontosAjuste p = PontosDasRegioes(*medido, 400, 0, {{1.5, 4}});
    const std::vector<ParametroAjuste> params = ParametrosPadrao(in, 1);
    const Parametrizacao par(in, params);
    const std::vector<double> x0 = par.Iniciais();
    const auto forma = [&](std::size_t m, double h) {
        std::vector<double> x = x0, s;
        x[m] += h;
        EntradaSimulacao e;
        double largura;
        par.Aplica(x.data(), e, largura);
        EXPECT_TRUE(Forma(e, largura, 50, p, 0, {}, s));
        return s;
    };
    const std::vector<double> s0 = forma(0, 0);
    for (std::size_t m = 0; m < x0.size(); ++m) {
        const std::vector<double> a = forma(m, 1e-3), b = forma(m, 1e-4);
        double dif = 0, norma = 0;
        for (std::size_t k = 0; k < s0.size(); ++k) {
            const double da = (a[k] - s0[k]) / 1e-3, db = (b[k] - s0[k]) / 1e-4;
            dif += (da - db) * (da - db), norma += da * da;
        }
        EXPECT_LT(std::sqrt(dif / norma), 0.05) << params[std::size_t(par.Livres()[m])].Nome();
    }
}

} // namespace
