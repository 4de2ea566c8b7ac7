#pragma once
// The run: from the input values to a complete spin-system state, with the
// solver stages in their fixed order and a time for each.

#include "estado/EstadoSpin.h"
#include "run/Erro.h"
#include "run/Limites.h"
#include "solver/Autovalores.h"
#include "solver/Blocos.h"

#include <optional>
#include <stop_token>
#include <string>
#include <string_view>
#include <vector>

struct EntradaSimulacao {
    int NProt = 3;
    double MHz = 300;           // spectrometer frequency
    bool PPM = false;           // Desloc holds ppm instead of Hz
    std::vector<double> Desloc; // shifts of protons 1..N (index 0 = proton 1)
    std::vector<double> J;      // J(1,2), J(1,3), ..., J(1,N), J(2,3), ..., J(N-1,N)
    float IntMin = 0.01f;
    double TolJac = 1e-13;
    bool PrimOrdem = false;
    bool ComTabela = true;
    char SepDec = ',';
};

// What the run reports while it works. Stage rows are numbered as in the
// timing table; the run gives the caller's event loop a turn through
// cedeEventos() between stages.
class ObservadorSimulacao {
  public:
    virtual ~ObservadorSimulacao() = default;
    virtual void inicioEtapa(int /*linha*/, std::string_view /*nome*/) {}
    virtual void fimEtapa(int /*linha*/, double /*segundos*/, double /*total*/) {}
    virtual void cedeEventos() {}
    // The work of the rows "Preenchimento da Tabela" and "Gráfico".
    virtual void preencheTabela(const EstadoSpin&) {}
    virtual void desenhaGrafico(const EstadoSpin&) {}
};

// The start-up shifts and couplings for NProt protons, at 300 MHz.
EntradaSimulacao EntradaInicial(int NProt);

// A Portuguese message naming what is wrong, or nothing when the values can run.
std::optional<std::string> ValidaEntrada(const EntradaSimulacao& in);

// Index of J(i, j), i < j, in EntradaSimulacao::J.
int IndiceJ(int NProt, int i, int j);

// Computes into `trabalho` and swaps it into `estado` once the bands are
// complete, so a reader that runs while the run yields sees the previous
// results whole. On failure (values that cannot run, a calculation that
// fails, memory that runs out) `estado` keeps the previous results and the
// reason is returned.
std::optional<Erro> Simula(const EntradaSimulacao& in, EstadoSpin& estado, EstadoSpin& trabalho,
                           ObservadorSimulacao& obs);

// What one caller keeps from run to run of SimulaBandas: a fit runs many
// systems in a row on each of its threads, each with its own.
struct TrabalhoSimulacao {
    EstadoSpin estado;        // the results
    BlocosAutovetores blocos; // the eigenvectors, when the M x M arrays are not filled
};

// The bands of `in` into t.estado: FreqBanda in Hz from the reference and
// IntBanda in the order they are generated (not sorted), NBandas, and with
// in.ComTabela the levels and protons of each band. No observer, no event
// loop, nothing shared: any thread may run it with its own `t`. With
// ComMatrizes the inspector's M x M arrays are filled as the window's run
// fills them, by the program's Jacobi whatever `solver` is; without them the
// eigenvectors stay block by block in t.blocos (3 or more protons), from
// `solver`. A stop requested on `parar` ends the run with
// TipoErro::Interrompido; after any refusal t.estado holds no bands.
std::optional<Erro> SimulaBandas(const EntradaSimulacao& in, const Autovalores& solver,
                                 TrabalhoSimulacao& t, std::stop_token parar = {},
                                 bool ComMatrizes = false);
