#include "run/Simulacao.h"

#include "run/TabelaTempos.h"
#include "run/ValoresIniciais.h"
#include "solver/Base.h"
#include "solver/Blocos.h"
#include "solver/FreqInt.h"
#include "solver/Jacobi.h"
#include "solver/MatTrans.h"
#include "solver/OrdenaBandas.h"
#include "texto/TextoDecimal.h"

#include <chrono>
#include <cmath>
#include <new>

namespace {

const char* const MsgGrandeDemais =
    "Os valores de entrada são grandes demais para o cálculo. Reduza a freqüência, os "
    "deslocamentos químicos ou as constantes de acoplamento.";
const char* const MsgMzMisturado =
    "Os deslocamentos químicos ou as constantes de acoplamento são grandes demais para a "
    "freqüência do espectrômetro: os estados de spin não podem ser agrupados pelo spin total. "
    "Aumente a freqüência ou reduza esses valores.";
const char* const MsgMemoria =
    "Não há memória suficiente para este cálculo. Feche outros programas ou reduza o número de "
    "prótons.";

const char* const MsgJacobi =
    "A diagonalização (Jacobi) não convergiu. Verifique os valores de entrada.";
const char* const MsgInterrompido = "O cálculo foi interrompido.";

using Relogio = std::chrono::steady_clock;

double Segundos(Relogio::time_point desde) {
    return std::chrono::duration<double>(Relogio::now() - desde).count();
}

class Etapas {
  public:
    explicit Etapas(ObservadorSimulacao& obs) : obs_(obs), inicio_(Relogio::now()) {}
    void Inicio(int linha, std::string_view nome) {
        linha_ = linha;
        etapa_ = Relogio::now();
        obs_.inicioEtapa(linha, nome);
        obs_.cedeEventos();
    }
    void Fim(bool cede) {
        obs_.fimEtapa(linha_, Segundos(etapa_), Segundos(inicio_));
        if (cede) obs_.cedeEventos();
    }

  private:
    ObservadorSimulacao& obs_;
    Relogio::time_point inicio_, etapa_;
    int linha_ = 0;
};

bool DiagonalFinita(const EstadoSpin& e) {
    for (int s = 1; s <= e.NEst; ++s)
        if (!std::isfinite(e.DiagHam(s))) return false;
    return true;
}

// Steps that read the inputs into the state; false when a magnitude
// overflows on the way.
bool LeValores(const EntradaSimulacao& in, const EstadoSpin* anterior, EstadoSpin& e) {
    const int N = in.NProt;
    e.NProt = N;
    e.IntMin = in.IntMin;
    e.FreqEspHz = in.MHz * 1000000;
    e.FreqProt.recria(N);
    for (int i = 1; i <= N; ++i) {
        const double s = in.PPM ? in.MHz * in.Desloc[i - 1] : in.Desloc[i - 1];
        e.FreqProt(i) = e.FreqEspHz + s;
        if (!std::isfinite(e.FreqProt(i))) return false;
    }
    e.NEst = int(std::lround(std::pow(2.0, N)));
    e.NPares = 0;
    for (int i = 1; i <= e.NEst - 1; ++i) e.NPares += e.NEst - i;
    if (N > 1) {
        e.ValJ.recria(N, N);
        e.NJ = 0;
        for (int i = 1; i <= N - 1; ++i)
            for (int j = i + 1; j <= N; ++j) {
                e.ValJ(i, j) = in.J[IndiceJ(N, i, j)];
                e.ValJ(j, i) = e.ValJ(i, j);
                ++e.NJ;
            }
    } else if (anterior) {
        e.ValJ = anterior->ValJ;
    }
    e.TolJac = in.TolJac;
    e.PrimOrdem = in.PrimOrdem;
    return true;
}

} // namespace

EntradaSimulacao EntradaInicial(int NProt) {
    EntradaSimulacao in;
    in.NProt = NProt;
    // Out of range there is no start-up system; ValidaEntrada refuses it.
    if (NProt < 1 || NProt > NProtMax) return in;
    in.Desloc.assign(DeslocInicial, DeslocInicial + NProt);
    for (int r = 1; r < NProt; ++r)
        for (int c = r + 1; c <= NProt; ++c) in.J.push_back(JInicial(r, c));
    return in;
}

int IndiceJ(int NProt, int i, int j) {
    // Rows 1..i-1 hold NProt-1, NProt-2, ... couplings.
    return (i - 1) * NProt - (i - 1) * i / 2 + (j - i - 1);
}

std::optional<std::string> ValidaEntrada(const EntradaSimulacao& in) {
    if (in.NProt < 1 || in.NProt > NProtMax) return "O número de prótons deve estar entre 1 e 10.";
    if (!std::isfinite(in.MHz)) return "A freqüência do espectrômetro não é um número válido.";
    if (in.MHz <= 0) return "A freqüência do espectrômetro deve ser maior que zero.";
    if (in.MHz < MHzMinimo)
        return "A freqüência do espectrômetro deve ser de pelo menos 0,000001 MHz.";
    if (in.MHz > MHzMaximo)
        return "A freqüência do espectrômetro deve ser de no máximo 100000 MHz: acima disso o "
               "cálculo perde precisão.";
    if (int(in.Desloc.size()) != in.NProt)
        return "O número de deslocamentos químicos não corresponde ao número de prótons.";
    for (std::size_t i = 0; i < in.Desloc.size(); ++i) {
        const std::string de = "O deslocamento químico de H" + FormataInteiro(long(i) + 1);
        if (!std::isfinite(in.Desloc[i])) return de + " não é um número válido.";
        if (!(std::fabs(in.Desloc[i] * (in.PPM ? in.MHz : 1)) <= HzMaximo))
            return de + " deve ser de no máximo 1000000000 Hz em valor absoluto.";
    }
    if (int(in.J.size()) != in.NProt * (in.NProt - 1) / 2)
        return "O número de constantes de acoplamento não corresponde ao número de prótons.";
    for (double j : in.J) {
        if (!std::isfinite(j)) return "Uma constante de acoplamento não é um número válido.";
        if (!(std::fabs(j) <= HzMaximo))
            return "As constantes de acoplamento devem ser de no máximo 1000000000 Hz em valor "
                   "absoluto.";
    }
    if (!std::isfinite(in.IntMin)) return "A intensidade mínima não é um número válido.";
    if (!(in.TolJac > 0) || !std::isfinite(in.TolJac))
        return "A tolerância da diagonalização deve ser um número positivo.";
    return std::nullopt;
}

namespace {

Erro DeEntrada(const char* texto) {
    return Erro{TipoErro::Entrada, texto};
}

// The stages of one run over its own work state, the same for the window's
// run and for SimulaBandas. `blocos` null: the M x M arrays are filled (the
// inspector's), by Jacobi.
class Corrida {
  public:
    Corrida(const EntradaSimulacao& in, EstadoSpin& e, BlocosAutovetores* blocos,
            std::stop_token parar)
        : in_(in), e_(e), blocos_(in.NProt >= 3 ? blocos : nullptr), parar_(std::move(parar)) {}

    // Values, arrays, the sorted basis and its blocks.
    std::optional<Erro> Base(const EstadoSpin* anterior) {
        if (!LeValores(in_, anterior, e_)) return DeEntrada(MsgGrandeDemais);
        e_.CriaMatrizes(!blocos_);
        e_.ContEst = 1;
        GeraBase(e_, 1);
        if (!DiagonalFinita(e_)) return DeEntrada(MsgGrandeDemais);
        if (blocos_)
            OrdenaBase(e_);
        else
            MontaSubMat(e_);
        if (!MzNaoCresce(e_)) return DeEntrada(MsgMzMisturado);
        return Parou();
    }

    std::optional<Erro> Diagonaliza(const Autovalores& solver) {
        bool ok;
        if (blocos_)
            ok = DiagonalizaBlocos(e_, *blocos_, solver, parar_);
        else
            ok = e_.NProt < 3 ? DiagMatrizInteira(e_) : DiagSubMat(e_);
        if (auto p = Parou()) return p;
        if (!ok) return Erro{TipoErro::Calculo, MsgJacobi};
        return std::nullopt;
    }

    // MatTrans, which only the inspector and the dense route read.
    void Transicoes() {
        if (!blocos_) MontaMatTrans(e_);
    }

    // The bands, their frequencies made offsets from the spectrometer's.
    std::optional<Erro> Bandas() {
        if (blocos_) {
            if (!CalcFreqIntBlocos(e_, *blocos_, in_.ComTabela, parar_)) return Parou();
        } else {
            CalcFreqInt(e_, in_.ComTabela);
        }
        for (int b = 1; b <= e_.NBandas; ++b) e_.FreqBanda(b) = e_.FreqBanda(b) - e_.FreqEspHz;
        return Parou();
    }

  private:
    std::optional<Erro> Parou() const {
        if (parar_.stop_requested()) return Erro{TipoErro::Interrompido, MsgInterrompido};
        return std::nullopt;
    }

    const EntradaSimulacao& in_;
    EstadoSpin& e_;
    BlocosAutovetores* blocos_;
    std::stop_token parar_;
};

// The window's run, whose values were checked: the stages timed and
// yielding, the swap, the table and the plot.
std::optional<Erro> SimulaValidada(const EntradaSimulacao& in, EstadoSpin& estado,
                                   EstadoSpin& trabalho, ObservadorSimulacao& obs) {
    Etapas etapas(obs);
    Corrida corrida(in, trabalho, nullptr, {});
    if (auto erro = corrida.Base(&estado)) return erro;
    obs.cedeEventos();

    etapas.Inicio(1, in.NProt < 3 ? NomeEtapaJacobi : NomeEtapaSubmatrizes);
    if (auto erro = corrida.Diagonaliza(AutovaloresJacobi())) return erro;
    etapas.Fim(true);

    etapas.Inicio(2, NomeEtapaMatTrans);
    corrida.Transicoes();
    etapas.Fim(false);

    etapas.Inicio(3, NomeEtapaFreq);
    if (auto erro = corrida.Bandas()) return erro;
    etapas.Fim(true);
    estado.troca(trabalho);

    int linhaGrafico = 4;
    if (in.ComTabela) {
        etapas.Inicio(4, NomeEtapaOrdenacao);
        OrdenaBandas(estado);
        etapas.Fim(false);
        etapas.Inicio(5, NomeEtapaTabela);
        obs.preencheTabela(estado);
        etapas.Fim(true);
        linhaGrafico = 6;
    }
    etapas.Inicio(linhaGrafico, NomeEtapaGrafico);
    obs.desenhaGrafico(estado);
    etapas.Fim(true);
    return std::nullopt;
}

std::optional<Erro> SimulaBandasValidada(const EntradaSimulacao& in, const Autovalores& solver,
                                         TrabalhoSimulacao& t, std::stop_token parar,
                                         bool ComMatrizes) {
    Corrida corrida(in, t.estado, ComMatrizes ? nullptr : &t.blocos, std::move(parar));
    if (auto erro = corrida.Base(nullptr)) return erro;
    if (auto erro = corrida.Diagonaliza(solver)) return erro;
    corrida.Transicoes();
    return corrida.Bandas();
}

// Memory that runs out is a refusal like any other.
template <class F> std::optional<Erro> SemFaltaDeMemoria(F&& etapas) {
    try {
        return etapas();
    } catch (const std::bad_alloc&) {
        return Erro{TipoErro::Memoria, MsgMemoria};
    }
}

} // namespace

std::optional<Erro> SimulaBandas(const EntradaSimulacao& in, const Autovalores& solver,
                                 TrabalhoSimulacao& t, std::stop_token parar, bool ComMatrizes) {
    std::optional<Erro> erro;
    if (auto texto = ValidaEntrada(in))
        erro = Erro{TipoErro::Entrada, *texto};
    else
        erro = SemFaltaDeMemoria(
            [&] { return SimulaBandasValidada(in, solver, t, std::move(parar), ComMatrizes); });
    if (erro) t.estado.NBandas = 0;
    return erro;
}

std::optional<Erro> Simula(const EntradaSimulacao& in, EstadoSpin& estado, EstadoSpin& trabalho,
                           ObservadorSimulacao& obs) {
    if (auto erro = ValidaEntrada(in)) return Erro{TipoErro::Entrada, *erro};
    return SemFaltaDeMemoria([&] { return SimulaValidada(in, estado, trabalho, obs); });
}
