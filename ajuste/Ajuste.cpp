#include "ajuste/Ajuste.h"

#include "ajuste/Modelo.h"
#include "comum/DoisNucleos.h"

#include <Eigen/Eigenvalues>
#include <unsupported/Eigen/NonLinearOptimization>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <new>

namespace {

using Vetor = Eigen::VectorXd;
using Matriz = Eigen::MatrixXd;

const char* const MsgSemEspectro = "Não há espectro experimental para o ajuste.";
const char* const MsgPicos =
    "O espectro experimental é uma lista de picos: o ajuste precisa do espectro medido ponto a "
    "ponto.";
const char* const MsgSemPontos =
    "O espectro experimental não tem pontos nas regiões do ajuste: a simulação e o espectro "
    "medido não se sobrepõem.";
const char* const MsgNadaLivre = "Não há parâmetros livres para ajustar.";
const char* const MsgNaoConvergiu =
    "O ajuste não convergiu. Aproxime os valores iniciais do espectro medido ou fixe alguns "
    "parâmetros.";

// The broadened stages (Gaussian width, Hz) before the final fit.
constexpr double Alargamentos[] = {12, 6, 3, 1.5, 0};
constexpr int NEtapas = int(std::size(Alargamentos));

struct Linear {
    double escala = 1, base = 0;
};

// Scale and baseline by linear least squares for a given shape, unless held.
Linear ResolveLinear(const PontosAjuste& p, const std::vector<double>& y,
                     const std::vector<double>& s, const ParametroAjuste& esc,
                     const ParametroAjuste& base) {
    double n = 0, ss = 0, sy = 0, s1 = 0, y1 = 0;
    for (std::size_t k = 0; k < s.size(); ++k) {
        if (!p.conta[k]) continue;
        n += 1, ss += s[k] * s[k], sy += s[k] * y[k], s1 += s[k], y1 += y[k];
    }
    Linear l{esc.Valor, base.Valor};
    if (esc.Ajustar && base.Ajustar) {
        const double det = n * ss - s1 * s1;
        if (det != 0) l = {(n * sy - s1 * y1) / det, (ss * y1 - s1 * sy) / det};
    } else if (esc.Ajustar) {
        if (ss != 0) l.escala = (sy - l.base * s1) / ss;
    } else if (base.Ajustar) {
        l.base = (y1 - l.escala * s1) / n;
    }
    return l;
}

const ParametroAjuste& DoTipo(const std::vector<ParametroAjuste>& v, ParametroAjuste::Tipo t) {
    return *std::find_if(v.begin(), v.end(), [&](const auto& q) { return q.tipo == t; });
}

// The fit's problem at one stage, as Eigen's Levenberg-Marquardt takes it:
// the residuals at the points of the regions, and their Jacobian by forward
// differences, shared between two cores.
class Funcao {
  public:
    using Scalar = double;
    using InputType = Vetor;
    using ValueType = Vetor;
    using JacobianType = Matriz;
    enum { InputsAtCompileTime = Eigen::Dynamic, ValuesAtCompileTime = Eigen::Dynamic };

    Funcao(const ProblemaAjuste& prob, const std::vector<ParametroAjuste>& params,
           const Parametrizacao& par, const PontosAjuste& p, double alargamento,
           std::stop_token parar)
        : prob_(prob), params_(params), par_(par), p_(p), alargamento_(alargamento),
          parar_(std::move(parar)), y_(p.y) {
        Alarga(p_, alargamento_, y_);
    }

    int inputs() const { return int(par_.Livres().size()); }
    int values() const { return int(p_.nConta); }

    // The shape of the system at x: false when the run refused or was stopped.
    bool FormaEm(const double* x, std::vector<double>& s) const {
        EntradaSimulacao in;
        double largura;
        par_.Aplica(x, in, largura);
        return Forma(in, largura, prob_.Mistura, p_, alargamento_, parar_, s);
    }

    Linear LinearDe(const std::vector<double>& s) const {
        return ResolveLinear(p_, y_, s, DoTipo(params_, ParametroAjuste::Tipo::Escala),
                             DoTipo(params_, ParametroAjuste::Tipo::Base));
    }

    void Residuos(const std::vector<double>& s, Linear l, double* r) const {
        for (std::size_t k = 0, m = 0; k < s.size(); ++k)
            if (p_.conta[k]) r[m++] = y_[k] - (l.escala * s[k] + l.base);
    }

    // The residuals at x, the scale and baseline solved for (`fixo` null) or
    // held at *fixo; false when the run refused or was stopped.
    bool Avalia(const double* x, const Linear* fixo, double* r) const {
        thread_local std::vector<double> s;
        if (!FormaEm(x, s)) return false;
        Residuos(s, fixo ? *fixo : LinearDe(s), r);
        return true;
    }

    // Forward differences around x, whose residuals are r0, shared between
    // two cores.
    bool Diferencas(const Vetor& x, const Vetor& r0, const Linear* fixo, Matriz& J) const {
        std::atomic<bool> ok{true};
        EmDoisNucleos(std::size_t(inputs()), true, [&](std::size_t c) {
            Vetor xc = x, rc(values());
            xc[long(c)] += Passo;
            if (!Avalia(xc.data(), fixo, rc.data())) ok = false;
            J.col(long(c)) = (rc - r0) / Passo;
        });
        return ok;
    }

    int operator()(const Vetor& x, Vetor& r) {
        if (!Avalia(x.data(), nullptr, r.data())) return -1;
        ultimoX_ = x;
        ultimoR_ = r;
        return 0;
    }

    // Levenberg-Marquardt asks for the Jacobian where it has just evaluated
    // the residuals: those are reused.
    int df(const Vetor& x, Matriz& J) {
        if (ultimoX_.size() != x.size() || ultimoX_ != x) {
            ultimoR_.resize(values());
            if (!Avalia(x.data(), nullptr, ultimoR_.data())) return -1;
            ultimoX_ = x;
        }
        return Diferencas(x, ultimoR_, nullptr, J) ? 0 : -1;
    }

    static constexpr double Passo = 1e-4; // Hz: shifts, couplings and the width alike

  private:
    const ProblemaAjuste& prob_;
    const std::vector<ParametroAjuste>& params_;
    const Parametrizacao& par_;
    const PontosAjuste& p_;
    double alargamento_;
    std::stop_token parar_;
    std::vector<double> y_;
    Vetor ultimoX_, ultimoR_; // the latest evaluation Levenberg-Marquardt asked for
};

double Rms(const Vetor& r) {
    return r.size() ? std::sqrt(r.squaredNorm() / double(r.size())) : 0;
}

bool Convergiu(Eigen::LevenbergMarquardtSpace::Status s) {
    using namespace Eigen::LevenbergMarquardtSpace;
    return s == RelativeReductionTooSmall || s == RelativeErrorTooSmall ||
           s == RelativeErrorAndReductionTooSmall || s == CosinusTooSmall || s == FtolTooSmall ||
           s == XtolTooSmall || s == GtolTooSmall;
}

} // namespace

std::vector<RegiaoPpm> RegioesPadrao(const ProblemaAjuste& p) {
    std::vector<RegiaoPpm> v;
    TrabalhoSimulacao t;
    EntradaSimulacao in = p.inicio;
    in.ComTabela = false;
    if (!p.medido || p.medido->Ppm.empty() || SimulaBandas(in, AutovaloresLapack(), t)) return v;
    const EstadoSpin& e = t.estado;
    double maior = 0;
    for (int b = 1; b <= e.NBandas; ++b) maior = std::max(maior, e.IntBanda(b));
    std::vector<RegiaoPpm> linhas;
    const double meia = p.Largura + AlargamentoRegioesHz;
    for (int b = 1; b <= e.NBandas; ++b)
        if (e.IntBanda(b) >= 1e-3 * maior)
            linhas.push_back({(e.FreqBanda(b) - meia) / in.MHz, (e.FreqBanda(b) + meia) / in.MHz});
    std::sort(linhas.begin(), linhas.end(), [](auto a, auto b) { return a.Min < b.Min; });
    const auto [lo, hi] = std::minmax_element(p.medido->Ppm.begin(), p.medido->Ppm.end());
    const double minimo = *lo + p.ReferenciaPpm, maximo = *hi + p.ReferenciaPpm;
    for (const RegiaoPpm& l : linhas) {
        if (!v.empty() && l.Min <= v.back().Max)
            v.back().Max = std::max(v.back().Max, l.Max);
        else
            v.push_back(l);
    }
    std::vector<RegiaoPpm> cortadas;
    for (RegiaoPpm r : v) {
        r.Min = std::max(r.Min, minimo);
        r.Max = std::min(r.Max, maximo);
        if (r.Min < r.Max) cortadas.push_back(r);
    }
    return cortadas;
}

namespace {

// One stage from the current values: the broad ones hold the width, which
// the kernel hides, and stop at a looser tolerance.
class Ajustador {
  public:
    Ajustador(const ProblemaAjuste& prob, std::vector<ParametroAjuste>& params,
              const PontosAjuste& p, std::stop_token parar,
              const std::function<void(const ProgressoAjuste&)>& progresso)
        : prob_(prob), params_(params), p_(p), parar_(std::move(parar)), progresso_(progresso) {}

    std::optional<Erro> Etapa(int etapa) {
        const double b = Alargamentos[etapa];
        const std::vector<ParametroAjuste> daEtapa = ParametrosDaEtapa(etapa);
        const Parametrizacao par(prob_.inicio, daEtapa);
        Funcao f(prob_, daEtapa, par, p_, b, parar_);
        std::vector<double> inicio = par.Iniciais();
        Vetor x = Eigen::Map<Vetor>(inicio.data(), long(inicio.size()));
        auto status = Eigen::LevenbergMarquardtSpace::RelativeErrorTooSmall;
        if (x.size() > 0) {
            status = Minimiza(f, x, etapa, b > 0);
            if (parar_.stop_requested()) return AjusteInterrompido();
            if (b == 0 && !Convergiu(status)) return Erro{TipoErro::Calculo, MsgNaoConvergiu};
        }
        Guarda(f, par, x);
        return std::nullopt;
    }

    // Each parameter of one kind placed, one after the other, where the
    // residual of a broadened stage is least on a grid of `passo` over
    // +-`alcance` around its value: a global step before the local ones, so
    // that a multiplet started on the wrong side of a neighbour's line, or a
    // splitting started near another line's spacing, need not find its way
    // back through a worse fit.
    void Varre(ParametroAjuste::Tipo tipo, int etapa, double alcance, double passo) {
        const std::vector<ParametroAjuste> daEtapa = ParametrosDaEtapa(etapa);
        const Parametrizacao par(prob_.inicio, daEtapa);
        Funcao f(prob_, daEtapa, par, p_, Alargamentos[etapa], parar_);
        std::vector<double> inicio = par.Iniciais();
        Vetor x = Eigen::Map<Vetor>(inicio.data(), long(inicio.size()));
        for (std::size_t m = 0; m < par.Livres().size(); ++m) {
            if (daEtapa[std::size_t(par.Livres()[m])].tipo != tipo) continue;
            const double centro = x[long(m)];
            const int n = int(std::lround(2 * alcance / passo)) + 1;
            std::vector<double> rss(std::size_t(n), INFINITY);
            std::atomic<bool> ok{true};
            EmDoisNucleos(std::size_t(n), true, [&](std::size_t k) {
                Vetor xk = x, r(f.values());
                xk[long(m)] = centro - alcance + passo * double(k);
                // A coupling keeps the sign it started with: the sign of a
                // weak coupling is for the user to choose (or to be told).
                if (tipo == ParametroAjuste::Tipo::Acoplamento && xk[long(m)] * centro < 0) return;
                if (!f.Avalia(xk.data(), nullptr, r.data())) ok = false;
                rss[k] = r.squaredNorm();
            });
            if (!ok) return;
            const auto melhor = std::min_element(rss.begin(), rss.end()) - rss.begin();
            if (rss[std::size_t(melhor)] < INFINITY)
                x[long(m)] = centro - alcance + passo * double(melhor);
        }
        Guarda(f, par, x);
    }

    int Iteracoes() const { return iteracoes_; }

  private:
    std::vector<ParametroAjuste> ParametrosDaEtapa(int etapa) const {
        std::vector<ParametroAjuste> daEtapa = params_;
        if (Alargamentos[etapa] >= 3)
            for (auto& q : daEtapa)
                if (q.tipo == ParametroAjuste::Tipo::Largura) q.Ajustar = false;
        return daEtapa;
    }

    Eigen::LevenbergMarquardtSpace::Status Minimiza(Funcao& f, Vetor& x, int etapa, bool larga) {
        Eigen::LevenbergMarquardt<Funcao> lm(f);
        lm.parameters.maxfev = 20 * (x.size() + 1);
        lm.parameters.ftol = larga ? 1e-4 : 1e-10;
        lm.parameters.xtol = larga ? 1e-4 : 1e-10;
        auto status = lm.minimizeInit(x);
        if (status == Eigen::LevenbergMarquardtSpace::ImproperInputParameters) return status;
        do {
            status = lm.minimizeOneStep(x);
            ++iteracoes_;
            if (progresso_)
                progresso_({etapa + 1, NEtapas, iteracoes_,
                            100 * lm.fnorm / std::sqrt(double(f.values())) / p_.maior});
        } while (status == Eigen::LevenbergMarquardtSpace::Running && !parar_.stop_requested());
        return status;
    }

    void Guarda(const Funcao& f, const Parametrizacao& par, const Vetor& x) {
        for (std::size_t m = 0; m < par.Livres().size(); ++m) {
            ParametroAjuste& q = params_[std::size_t(par.Livres()[m])];
            q.Valor = q.tipo == ParametroAjuste::Tipo::Largura ? std::fabs(x[long(m)]) : x[long(m)];
        }
        std::vector<double> s;
        if (!f.FormaEm(x.data(), s)) return;
        const Linear l = f.LinearDe(s);
        for (auto& q : params_) {
            if (q.tipo == ParametroAjuste::Tipo::Escala) q.Valor = l.escala;
            if (q.tipo == ParametroAjuste::Tipo::Base) q.Valor = l.base;
        }
    }

    const ProblemaAjuste& prob_;
    std::vector<ParametroAjuste>& params_;
    const PontosAjuste& p_;
    std::stop_token parar_;
    const std::function<void(const ProgressoAjuste&)>& progresso_;
    int iteracoes_ = 0;
};

} // namespace

namespace {

// The Jacobian of the residuals in every free parameter, the scale and
// baseline included, at the final values.
Matriz JacobianaCompleta(const Funcao& f, const Parametrizacao& par,
                         const std::vector<ParametroAjuste>& params, std::vector<int>& quais,
                         Vetor& r) {
    std::vector<double> inicio = par.Iniciais(), s0;
    const Vetor x = Eigen::Map<Vetor>(inicio.data(), long(inicio.size()));
    f.FormaEm(x.data(), s0);
    const Linear l = f.LinearDe(s0);
    r.resize(f.values());
    f.Residuos(s0, l, r.data());
    quais = par.Livres();
    for (int k = 0; k < int(params.size()); ++k) {
        const auto t = params[std::size_t(k)].tipo;
        if (params[std::size_t(k)].Ajustar &&
            (t == ParametroAjuste::Tipo::Escala || t == ParametroAjuste::Tipo::Base))
            quais.push_back(k);
    }
    Matriz nl(f.values(), x.size());
    f.Diferencas(x, r, &l, nl);
    Matriz J(f.values(), long(quais.size()));
    J.leftCols(x.size()) = nl;
    // r = y - (a s + c): d r / d a = -s, d r / d c = -1.
    Vetor y(f.values()), ys(f.values());
    f.Residuos(s0, {0, 0}, y.data());
    f.Residuos(s0, {1, 0}, ys.data());
    for (std::size_t c = par.Livres().size(); c < quais.size(); ++c)
        J.col(long(c)) = params[std::size_t(quais[c])].tipo == ParametroAjuste::Tipo::Escala
                             ? Vetor(ys - y)
                             : Vetor::Constant(f.values(), -1);
    return J;
}

// Standard errors from the Jacobian and the residuals' variance; the name of
// a parameter the spectrum does not determine, when there is one.
std::optional<std::string> Erros(const Matriz& J, const Vetor& r, const std::vector<int>& quais,
                                 std::vector<ParametroAjuste>& params) {
    const long m = J.rows(), n = J.cols();
    if (m <= n) return params[std::size_t(quais[0])].Nome();
    Vetor escala = J.colwise().norm().transpose();
    for (long c = 0; c < n; ++c)
        if (!(escala[c] > 0)) return params[std::size_t(quais[std::size_t(c)])].Nome();
    const Matriz Js = J * escala.cwiseInverse().asDiagonal();
    const Eigen::SelfAdjointEigenSolver<Matriz> eig(Js.transpose() * Js);
    if (eig.eigenvalues()[0] < 1e-12 * eig.eigenvalues()[n - 1]) {
        long pior;
        eig.eigenvectors().col(0).cwiseAbs().maxCoeff(&pior);
        return params[std::size_t(quais[std::size_t(pior)])].Nome();
    }
    const double sigma2 = r.squaredNorm() / double(m - n);
    const Matriz cov = eig.eigenvectors() * eig.eigenvalues().cwiseInverse().asDiagonal() *
                       eig.eigenvectors().transpose();
    for (long c = 0; c < n; ++c)
        params[std::size_t(quais[std::size_t(c)])].Erro = std::sqrt(sigma2 * cov(c, c)) / escala[c];
    return std::nullopt;
}

// A coupling whose sign, turned over alone, leaves the residual within one
// unit of chi-square: the spectrum does not tell its sign from the others'.
void SinaisIndeterminados(const Funcao& f, const Parametrizacao& par,
                          const std::vector<ParametroAjuste>& params, double rss, double sigma2,
                          std::vector<std::string>& avisos) {
    const std::vector<double> x = par.Iniciais();
    for (std::size_t m = 0; m < par.Livres().size(); ++m) {
        const ParametroAjuste& q = params[std::size_t(par.Livres()[m])];
        if (q.tipo != ParametroAjuste::Tipo::Acoplamento || std::fabs(q.Valor) < 0.1) continue;
        std::vector<double> xs = x, s;
        xs[m] = -xs[m];
        if (!f.FormaEm(xs.data(), s)) continue;
        Vetor rs(f.values());
        f.Residuos(s, f.LinearDe(s), rs.data());
        if (rs.squaredNorm() - rss < sigma2)
            avisos.push_back("O sinal de " + q.Nome() +
                             " não é determinado pelo espectro: com o sinal trocado o resíduo é "
                             "o mesmo.");
    }
}

std::optional<Erro> Prepara(const ProblemaAjuste& p, std::vector<ParametroAjuste>& params,
                            std::vector<RegiaoPpm>& regioes, PontosAjuste& pontos) {
    const auto entrada = [](const char* t) { return Erro{TipoErro::Entrada, t}; };
    if (!p.medido || p.medido->Ppm.empty()) return entrada(MsgSemEspectro);
    if (p.medido->Picos) return entrada(MsgPicos);
    if (auto erro = ValidaEntrada(p.inicio)) return Erro{TipoErro::Entrada, *erro};
    params = p.parametros.empty() ? ParametrosPadrao(p.inicio, p.Largura) : p.parametros;
    regioes = p.regioes.empty() ? RegioesPadrao(p) : p.regioes;
    if (std::none_of(params.begin(), params.end(), [](const auto& q) { return q.Ajustar; }))
        return entrada(MsgNadaLivre);
    pontos = PontosDasRegioes(*p.medido, p.inicio.MHz, p.ReferenciaPpm, regioes);
    if (pontos.nConta < params.size() + 2) return entrada(MsgSemPontos);
    return std::nullopt;
}

std::optional<Erro> AjustaPreparado(const ProblemaAjuste& p, ResultadoAjuste& r,
                                    std::stop_token parar,
                                    const std::function<void(const ProgressoAjuste&)>& progresso) {
    const auto inicio = std::chrono::steady_clock::now();
    std::vector<ParametroAjuste> params;
    std::vector<RegiaoPpm> regioes;
    PontosAjuste pontos;
    if (auto erro = Prepara(p, params, regioes, pontos)) return erro;
    Ajustador ajustador(p, params, pontos, parar, progresso);
    for (int etapa = 0; etapa < NEtapas; ++etapa) {
        if (etapa == 0) ajustador.Varre(ParametroAjuste::Tipo::Deslocamento, 0, 16, 4);
        if (etapa == 2) ajustador.Varre(ParametroAjuste::Tipo::Acoplamento, 2, 3, 1);
        if (auto erro = ajustador.Etapa(etapa)) return erro;
    }

    const Parametrizacao par(p.inicio, params);
    const Funcao f(p, params, par, pontos, 0, parar);
    std::vector<int> quais;
    Vetor res;
    const Matriz J = JacobianaCompleta(f, par, params, quais, res);
    if (parar.stop_requested()) return AjusteInterrompido();
    if (auto nome = Erros(J, res, quais, params))
        return Erro{TipoErro::Calculo, "O espectro não determina " + *nome +
                                           ": fixe esse parâmetro ou junte-o a outro."};
    ResultadoAjuste saida;
    const double rss = res.squaredNorm();
    SinaisIndeterminados(f, par, params, rss, rss / double(J.rows() - J.cols()), saida.Avisos);
    std::vector<double> x = par.Iniciais();
    par.Aplica(x.data(), saida.sistema, saida.Largura);
    // The model's run drew every line; the fitted system keeps the user's cut.
    saida.sistema.IntMin = p.inicio.IntMin;
    saida.sistema.ComTabela = p.inicio.ComTabela;
    saida.parametros = params;
    saida.regioes = regioes;
    saida.Iteracoes = ajustador.Iteracoes();
    saida.RmsPorcento = pontos.maior != 0 ? 100 * Rms(res) / pontos.maior : 0;
    for (std::size_t k = 0, m = 0; k < pontos.Hz.size(); ++k)
        if (pontos.conta[k]) {
            saida.PpmResiduo.push_back(pontos.PpmArquivo[k]);
            saida.Residuo.push_back(res[long(m++)]);
        }
    saida.Segundos =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - inicio).count();
    // A stop asked for while the last steps ran still wins: the caller said
    // it wants no result.
    if (parar.stop_requested()) return AjusteInterrompido();
    r = std::move(saida);
    return std::nullopt;
}

} // namespace

Erro AjusteInterrompido() {
    return {TipoErro::Interrompido, "O ajuste foi interrompido."};
}

std::optional<Erro> Ajusta(const ProblemaAjuste& p, ResultadoAjuste& r, std::stop_token parar,
                           const std::function<void(const ProgressoAjuste&)>& progresso) {
    try {
        return AjustaPreparado(p, r, std::move(parar), progresso);
    } catch (const std::bad_alloc&) {
        return Erro{TipoErro::Memoria, "Não há memória suficiente para o ajuste."};
    }
}
