#include "display/Experimental.h"

#include "display/EnvolventeCalc.h"
#include "display/Geometria.h"
#include "espectro/FormaDeLinha.h"
#include "texto/TextoDecimal.h"

#include <algorithm>
#include <cmath>

namespace {

// What the tallest measured point is drawn as high as: the envelope's
// tallest sample, or the tallest stick in view without an envelope.
double Referencia(const EstadoGrafico& g, const EstadoSpin& e, int SW) {
    double maior = 0;
    if (g.env.EnvolventeLigada && g.env.EnvValida) {
        for (double v : g.env.EnvComb) maior = std::max(maior, v);
        return maior;
    }
    for (int b = 1; b <= e.NBandas; ++b) {
        const double x = XFreq(g, e.FreqBanda(b));
        if (x >= 0 && x <= SW) maior = std::max(maior, e.IntBanda(b));
    }
    return maior;
}

// What the measured points are multiplied by. A view with a line in it:
// its tallest point reaches the simulation's tallest in view. A view of
// noise only, or of points all below zero, or with nothing simulated in it:
// the whole trace at the scale the whole simulation is drawn at, so noise
// stays noise. Peaks have no noise: every one is a line.
double FatorExperimental(const EstadoGrafico& g, const EstadoSpin& e, double maiorVisto, int SW,
                         int SH) {
    const NiveisMedidos& n = g.Experimental.niveis;
    const double ref = Referencia(g, e, SW);
    if (maiorVisto > 0 && maiorVisto - n.ruido.base > 10 * n.ruido.desvio && ref > 0)
        return ref / maiorVisto;
    const double refTotal = g.EscalaVertBase > 0 ? AlturaDosPicos(g, SH) / g.EscalaVertBase : ref;
    return refTotal / n.maiorModulo;
}

// The pixel column of each measured point in view (-1 out of view), and the
// tallest of them.
struct PontosNaVista {
    std::vector<int> coluna;
    double maiorVisto = -HUGE_VAL;
};
PontosNaVista PontosVistos(const EstadoGrafico& g, const EspectroExperimental& x, double MHz,
                           int SW) {
    const int largura = SW / 15;
    PontosNaVista v{std::vector<int>(x.Ppm.size(), -1)};
    for (std::size_t k = 0; k < x.Ppm.size(); ++k) {
        const double ppm = x.Ppm[k] + g.Experimental.ReferenciaPpm;
        const double px = std::floor(XFreq(g, ppm * MHz) / 15);
        if (!(px >= 0 && px <= largura)) continue;
        v.coluna[k] = int(px);
        v.maiorVisto = std::max(v.maiorVisto, x.Intensidade[k]);
    }
    return v;
}

bool PodeSobrepor(const EstadoGrafico& g, const EstadoSpin& e) {
    const EspectroExperimental* x = g.Experimental.espectro.get();
    return x && !x->Ppm.empty() && e.FreqEspHz > 0 && g.TwPerHz != 0;
}

} // namespace

double FatorDoExperimental(const EstadoGrafico& g, const EstadoSpin& e, int SW, int SH) {
    if (!PodeSobrepor(g, e)) return 0;
    const PontosNaVista v = PontosVistos(g, *g.Experimental.espectro, e.FreqEspHz / 1e6, SW);
    const double fator = FatorExperimental(g, e, v.maiorVisto, SW, SH);
    return fator > 0 && std::isfinite(fator) ? fator : 0;
}

std::vector<ColunaExperimental> ColunasExperimental(const EstadoGrafico& g, const EstadoSpin& e,
                                                    int SW, int SH) {
    std::vector<ColunaExperimental> colunas;
    if (!PodeSobrepor(g, e)) return colunas;
    const EspectroExperimental* x = g.Experimental.espectro.get();
    const int largura = SW / 15;
    const PontosNaVista vistos = PontosVistos(g, *x, e.FreqEspHz / 1e6, SW);
    const std::vector<int>& coluna = vistos.coluna;
    const double fator = FatorExperimental(g, e, vistos.maiorVisto, SW, SH);
    if (!(fator > 0) || !std::isfinite(fator)) return colunas;

    std::vector<ColunaExperimental> porPixel(std::size_t(largura) + 1);
    std::vector<bool> usado(porPixel.size(), false);
    const double base = YInt(g, 0) / 15; // where a peak's stick stands
    for (std::size_t k = 0; k < coluna.size(); ++k) {
        if (coluna[k] < 0) continue;
        const double y = YInt(g, x->Intensidade[k] * fator) / 15;
        ColunaExperimental& c = porPixel[std::size_t(coluna[k])];
        if (!usado[std::size_t(coluna[k])]) {
            c = {coluna[k], y, y};
            usado[std::size_t(coluna[k])] = true;
        }
        c.yMin = std::min({c.yMin, y, x->Picos ? base : y});
        c.yMax = std::max({c.yMax, y, x->Picos ? base : y});
    }
    for (std::size_t i = 0; i < porPixel.size(); ++i)
        if (usado[i]) colunas.push_back(porPixel[i]);
    return colunas;
}

namespace {

// The export's grid, from high to low Hz: the measured spectrum's, shifted
// as it is drawn, when a measured trace (not a list of peaks) lies under the
// simulation, so that another
// program compares them point by point; otherwise every band with twenty
// line widths either side, at eight points a width or more.
struct GradeExportacao {
    double primeiro = 0, ultimo = 0;
    std::size_t pontos = 0;
};
GradeExportacao GradeDaExportacao(const EstadoGrafico& g, const EstadoSpin& e, double largura) {
    const double MHz = e.FreqEspHz / 1e6;
    if (const EspectroExperimental* x = g.Experimental.espectro.get();
        x && !x->Picos && x->Ppm.size() >= 2 && MHz > 0) {
        const double ref = g.Experimental.ReferenciaPpm;
        return {(x->Ppm.front() + ref) * MHz, (x->Ppm.back() + ref) * MHz,
                std::min(x->Ppm.size(), PontosMaximosJcamp)};
    }
    double alto = -HUGE_VAL, baixo = HUGE_VAL;
    for (int k = 1; k <= e.NBandas; ++k) {
        alto = std::max(alto, e.FreqBanda(k));
        baixo = std::min(baixo, e.FreqBanda(k));
    }
    if (!(alto >= baixo)) return {};
    alto += 20 * largura;
    baixo -= 20 * largura;
    const double porLargura = std::ceil((alto - baixo) / (largura / 8)) + 1;
    const double pontos =
        std::clamp(porLargura, double(PontosMinimosExportacao), double(PontosMaximosExportacao));
    return {alto, baixo, std::size_t(pontos)};
}

} // namespace

ExportacaoJcamp ExportacaoDoEspectro(const EstadoGrafico& g, const EstadoSpin& e,
                                     const OpcoesGrafico& o) {
    ExportacaoJcamp x;
    x.Titulo = o.TituloEspectro;
    x.MHz = e.FreqEspHz / 1e6;
    const FormaDeLinha forma{MeiaLarguraDe(o, g.env.MeiaLargura), FracGaussDe(o.Mistura)};
    const GradeExportacao grade = GradeDaExportacao(g, e, 2 * forma.MeiaLargura);
    if (grade.pontos >= 2) {
        LinhaNaGrade linha;
        linha.Uniforme(grade.primeiro, (grade.ultimo - grade.primeiro) / double(grade.pontos - 1),
                       grade.pontos);
        linha.Calcula(LinhasDe(e), forma);
        x.PrimeiroHz = grade.primeiro;
        x.UltimoHz = grade.ultimo;
        x.Envolvente = std::move(linha.Valor);
    }
    for (int b = 1; b <= e.NBandas; ++b) x.Bandas.push_back({e.FreqBanda(b), e.IntBanda(b)});
    return x;
}

std::string TextoMHzExperimental(const EspectroExperimental& x, char SepDec) {
    return FormataFixo(x.MHz, x.CasasMHz, SepDec);
}

std::string TextoReferencia(double ppm, char SepDec) {
    return FormataGeral(ppm, 6, SepDec);
}

std::string LinhaExperimental(const Sobreposicao& s, char SepDec) {
    std::string t = "Espectro experimental: " + s.arquivo;
    if (s.espectro) t += " (" + TextoMHzExperimental(*s.espectro, SepDec) + " MHz)";
    if (s.ReferenciaPpm != 0)
        t += ", deslocado " + std::string(s.ReferenciaPpm > 0 ? "+" : "") +
             TextoReferencia(s.ReferenciaPpm, SepDec) + " ppm";
    return t;
}

std::vector<std::vector<PontoResiduo>> TracosDoResiduo(const EstadoGrafico& g, const EstadoSpin& e,
                                                       int SW, int SH, double zero) {
    std::vector<std::vector<PontoResiduo>> tracos;
    const AjusteNoGrafico& a = g.Experimental.ajuste;
    const double fator = FatorDoExperimental(g, e, SW, SH);
    if (!a.ComResiduo() || !(fator > 0)) return tracos;
    const EspectroExperimental& x = *g.Experimental.espectro;
    // Points further apart than two of the file's steps lie in different regions.
    const double passo =
        x.Ppm.size() >= 2 ? std::fabs(x.Ppm.back() - x.Ppm.front()) / double(x.Ppm.size() - 1) : 0;
    const double MHz = e.FreqEspHz / 1e6;
    const std::size_t n = std::min(a.PpmResiduo.size(), a.Residuo.size());
    for (std::size_t k = 0; k < n; ++k) {
        const double X = XFreq(g, (a.PpmResiduo[k] + g.Experimental.ReferenciaPpm) * MHz);
        const bool novo = k == 0 || std::fabs(a.PpmResiduo[k] - a.PpmResiduo[k - 1]) > 2 * passo;
        if (!(X >= 0 && X <= SW)) continue;
        if (novo || tracos.empty()) tracos.emplace_back();
        const double acima = YInt(g, 0) - YInt(g, a.Residuo[k] * fator);
        tracos.back().push_back({X / 15, (zero - acima) / 15});
    }
    return tracos;
}

std::string LinhaResiduo(const AjusteNoGrafico& a, char SepDec) {
    return "Resíduo do ajuste: RMS " + FormataFixo(a.RmsPorcento, 2, SepDec) + " %";
}
