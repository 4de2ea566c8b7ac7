#include "ajuste/Modelo.h"

#include <algorithm>
#include <cmath>

namespace {

bool Dentro(const std::vector<RegiaoPpm>& regioes, double ppm) {
    for (const RegiaoPpm& r : regioes)
        if (ppm >= r.Min && ppm <= r.Max) return true;
    return false;
}

bool Perto(const std::vector<RegiaoPpm>& regioes, double ppm, double margem) {
    for (const RegiaoPpm& r : regioes)
        if (ppm >= r.Min - margem && ppm <= r.Max + margem) return true;
    return false;
}

} // namespace

PontosAjuste PontosDasRegioes(const EspectroExperimental& x, double MHz, double ReferenciaPpm,
                              const std::vector<RegiaoPpm>& regioes) {
    PontosAjuste p;
    const double margem = AlcanceKernelHz / MHz;
    bool dentroAntes = false;
    for (std::size_t k = 0; k < x.Ppm.size(); ++k) {
        const double ppm = x.Ppm[k] + ReferenciaPpm;
        const bool perto = Perto(regioes, ppm, margem);
        if (!perto) {
            dentroAntes = false;
            continue;
        }
        if (!dentroAntes) p.trechos.push_back({p.Hz.size(), 0, 0});
        dentroAntes = true;
        auto& t = p.trechos.back();
        ++t.n;
        p.Hz.push_back(ppm * MHz);
        p.y.push_back(x.Intensidade[k]);
        p.PpmArquivo.push_back(x.Ppm[k]);
        const bool conta = Dentro(regioes, ppm);
        p.conta.push_back(conta);
        if (conta) {
            ++p.nConta;
            p.maior = p.nConta == 1 ? x.Intensidade[k] : std::max(p.maior, x.Intensidade[k]);
        }
    }
    for (auto& t : p.trechos)
        if (t.n > 1) t.passoHz = std::fabs(p.Hz[t.ini + 1] - p.Hz[t.ini]);
    return p;
}

void Alarga(const PontosAjuste& p, double largura, std::vector<double>& v) {
    if (largura <= 0) return;
    const double sigma = largura / (2 * std::sqrt(2 * std::log(2.0)));
    std::vector<double> saida(v.size()), kernel;
    for (const auto& t : p.trechos) {
        if (t.n < 2 || !(t.passoHz > 0)) continue;
        const int K = std::max(1, int(std::ceil(3 * sigma / t.passoHz)));
        kernel.resize(std::size_t(2 * K + 1));
        for (int j = -K; j <= K; ++j) {
            const double d = j * t.passoHz / sigma;
            kernel[std::size_t(j + K)] = std::exp(-0.5 * d * d);
        }
        for (std::size_t i = 0; i < t.n; ++i) {
            double s = 0, w = 0;
            const int a = std::max(-K, -int(i)), b = std::min(K, int(t.n - 1 - i));
            for (int j = a; j <= b; ++j) {
                s += kernel[std::size_t(j + K)] * v[t.ini + i + std::size_t(j)];
                w += kernel[std::size_t(j + K)];
            }
            saida[t.ini + i] = s / w;
        }
        std::copy(saida.begin() + long(t.ini), saida.begin() + long(t.ini + t.n),
                  v.begin() + long(t.ini));
    }
}

Parametrizacao::Parametrizacao(const EntradaSimulacao& inicio,
                               const std::vector<ParametroAjuste>& params)
    : base_(inicio), params_(params) {
    if (base_.PPM)
        for (double& d : base_.Desloc) d *= base_.MHz;
    base_.PPM = false;
    base_.ComTabela = false;
    // A line cut at the minimum intensity would come and go as a parameter
    // moves, and the model would jump by that much: the Jacobian's
    // differences would be noise. The run keeps every line that could
    // matter; DeixaAsFracas drops the rest smoothly.
    base_.IntMin = 1e-12f;
    for (int k = 0; k < int(params.size()); ++k) {
        const auto tipo = params[std::size_t(k)].tipo;
        if (tipo == ParametroAjuste::Tipo::Largura) largura_ = params[std::size_t(k)].Valor;
        const bool linear =
            tipo == ParametroAjuste::Tipo::Escala || tipo == ParametroAjuste::Tipo::Base;
        if (params[std::size_t(k)].Ajustar && !linear) livres_.push_back(k);
    }
    // Held parameters take their values once.
    for (const ParametroAjuste& q : params) {
        if (q.Ajustar) continue;
        if (q.tipo == ParametroAjuste::Tipo::Deslocamento)
            for (int pr : q.Protons) base_.Desloc[std::size_t(pr - 1)] = q.Valor;
        if (q.tipo == ParametroAjuste::Tipo::Acoplamento)
            for (auto [i, j] : q.Pares) base_.J[std::size_t(IndiceJ(base_.NProt, i, j))] = q.Valor;
    }
}

std::vector<double> Parametrizacao::Iniciais() const {
    std::vector<double> x;
    for (int k : livres_) x.push_back(params_[std::size_t(k)].Valor);
    return x;
}

void Parametrizacao::Aplica(const double* x, EntradaSimulacao& in, double& largura) const {
    in = base_;
    largura = largura_;
    for (std::size_t m = 0; m < livres_.size(); ++m) {
        const ParametroAjuste& q = params_[std::size_t(livres_[m])];
        switch (q.tipo) {
        case ParametroAjuste::Tipo::Deslocamento:
            for (int pr : q.Protons) in.Desloc[std::size_t(pr - 1)] = x[m];
            break;
        case ParametroAjuste::Tipo::Acoplamento:
            for (auto [i, j] : q.Pares) in.J[std::size_t(IndiceJ(in.NProt, i, j))] = x[m];
            break;
        case ParametroAjuste::Tipo::Largura:
            largura = std::fabs(x[m]);
            break;
        default:
            break;
        }
    }
}

namespace {

// The protons joined by couplings that are not zero, each set apart: the
// spectrum of independent sets is the sum of theirs, each line once for
// every state of the other protons (2^(N - k) copies of the same intensity),
// so an uncoupled OH halves a 10-proton run and more.
std::vector<std::vector<int>> Conjuntos(const EntradaSimulacao& in) {
    std::vector<int> de(std::size_t(in.NProt) + 1, 0);
    std::vector<std::vector<int>> v;
    for (int i = 1; i <= in.NProt; ++i) {
        if (de[std::size_t(i)]) continue;
        v.push_back({i});
        de[std::size_t(i)] = int(v.size());
        for (std::size_t k = 0; k < v.back().size(); ++k)
            for (int j = 1; j <= in.NProt; ++j) {
                const int a = v.back()[k];
                if (j == a || de[std::size_t(j)]) continue;
                if (in.J[std::size_t(IndiceJ(in.NProt, std::min(a, j), std::max(a, j)))] == 0)
                    continue;
                de[std::size_t(j)] = int(v.size());
                v.back().push_back(j);
            }
    }
    return v;
}

EntradaSimulacao Parte(const EntradaSimulacao& in, std::vector<int> protons) {
    std::sort(protons.begin(), protons.end());
    EntradaSimulacao p = in;
    p.NProt = int(protons.size());
    p.Desloc.clear();
    p.J.clear();
    for (std::size_t a = 0; a < protons.size(); ++a) {
        p.Desloc.push_back(in.Desloc[std::size_t(protons[a] - 1)]);
        for (std::size_t b = a + 1; b < protons.size(); ++b)
            p.J.push_back(in.J[std::size_t(IndiceJ(in.NProt, protons[a], protons[b]))]);
    }
    return p;
}

// Every line of every independent set, with its copies counted.
bool Bandas(const EntradaSimulacao& in, std::stop_token parar,
            std::vector<std::pair<double, double>>& v) {
    thread_local std::vector<TrabalhoSimulacao> trabalhos;
    const auto conjuntos = Conjuntos(in);
    if (trabalhos.size() < conjuntos.size()) trabalhos.resize(conjuntos.size());
    v.clear();
    for (std::size_t c = 0; c < conjuntos.size(); ++c) {
        TrabalhoSimulacao& t = trabalhos[c];
        if (SimulaBandas(Parte(in, conjuntos[c]), AutovaloresLapack(), t, parar)) return false;
        const double copias = std::ldexp(1.0, in.NProt - int(conjuntos[c].size()));
        for (int b = 1; b <= t.estado.NBandas; ++b)
            v.emplace_back(t.estado.FreqBanda(b), copias * t.estado.IntBanda(b));
    }
    return true;
}

// Groups of equivalent protons give many lines at one frequency: summed
// into one (lines closer than 1e-4 Hz, a ten-thousandth of a narrow line's
// width), the line shape costs a fraction of the time and changes by less
// than the last digits of a spectrum.
void Junta(std::vector<std::pair<double, double>>& v, std::vector<double>& hz,
           std::vector<double>& in) {
    std::sort(v.begin(), v.end());
    hz.clear();
    in.clear();
    for (const auto& [f, i] : v) {
        if (!hz.empty() && f - hz.back() < 1e-4) {
            // At the lines' centroid, so that the model moves smoothly as
            // two lines close in on each other.
            const double soma = in.back() + i;
            if (soma > 0) hz.back() = (hz.back() * in.back() + f * i) / soma;
            in.back() = soma;
            continue;
        }
        hz.push_back(f);
        in.push_back(i);
    }
}

// Most lines of a large system are far too weak to see, yet each costs as
// much to draw as a strong one. Those below a ten-millionth of the total
// intensity (which the parameters do not change) are left out, and those
// just above it fade in smoothly, so that no line appears or vanishes with
// a jump as a parameter moves.
void DeixaAsFracas(std::vector<double>& hz, std::vector<double>& in) {
    double total = 0;
    for (double i : in) total += i;
    const double limiar = 1e-7 * total;
    std::size_t n = 0;
    for (std::size_t k = 0; k < in.size(); ++k) {
        if (!(in[k] > limiar)) continue;
        const double u = std::min(1.0, in[k] / limiar - 1);
        hz[n] = hz[k];
        in[n++] = in[k] * u * u * (3 - 2 * u);
    }
    hz.resize(n);
    in.resize(n);
}

} // namespace

bool Forma(const EntradaSimulacao& in, double largura, int mistura, const PontosAjuste& p,
           double alargamento, std::stop_token parar, std::vector<double>& forma) {
    // Each thread of a fit keeps its own runs and grid from evaluation to evaluation.
    thread_local LinhaNaGrade grade;
    thread_local std::vector<std::pair<double, double>> bandas;
    thread_local std::vector<double> hz, intensidade;
    if (!Bandas(in, parar, bandas)) return false;
    grade.Dimensiona(p.Hz.size());
    std::copy(p.Hz.begin(), p.Hz.end(), grade.Hz.begin());
    Junta(bandas, hz, intensidade);
    DeixaAsFracas(hz, intensidade);
    grade.Calcula({hz, intensidade}, {std::max(largura, 1e-6) / 2, FracGaussDe(mistura)});
    forma.assign(grade.Valor.begin(), grade.Valor.end());
    Alarga(p, alargamento, forma);
    return true;
}
