#pragma once
// Fitting the spin system to a measured spectrum: the shifts of groups of
// protons, the couplings between them, one line width, an intensity scale and
// a constant baseline, so that the simulated line shape (the run's exact
// spectrum with the window's width and mix) matches the measured points
// inside a few ppm regions, point by point, by least squares. A rough start
// (shifts several Hz, couplings a Hz or two away) reaches the best fit because
// data and model are first broadened together and narrowed in stages; see
// docs/AJUSTE.md.

#include "espectro/EspectroExperimental.h"
#include "run/Erro.h"
#include "run/Simulacao.h"

#include <functional>
#include <memory>
#include <optional>
#include <stop_token>
#include <string>
#include <utility>
#include <vector>

struct ParametroAjuste {
    enum class Tipo { Deslocamento, Acoplamento, Largura, Escala, Base };
    Tipo tipo = Tipo::Deslocamento;
    std::vector<int> Protons;               // Deslocamento: protons that move together, 1-based
    std::vector<std::pair<int, int>> Pares; // Acoplamento: couplings J(i, j), i < j, kept equal
    // Hz for shifts (from the reference), couplings and the width (at half
    // height); the scale multiplies the bands' intensities; the baseline is in
    // the measured spectrum's units.
    double Valor = 0;
    bool Ajustar = true; // false: held at Valor
    double Erro = 0;     // standard error after a fit; 0 when held

    // "H1", "H1,H2", "J(1,2)", "J(1,3),J(2,4)", "largura", "escala", "linha de base".
    std::string Nome() const;
    // Whether `nome` names this parameter or one of its members ("H2", "J(1,3)").
    bool Chamado(const std::string& nome) const;
};

// A ppm range, Min < Max.
struct RegiaoPpm {
    double Min = 0, Max = 0;
};

struct ProblemaAjuste {
    EntradaSimulacao inicio; // the system to start from (shifts in Hz or in ppm, as in.PPM says)
    double Largura = 1;      // Hz, at half height
    int Mistura = 50;        // the slider: the Lorentzian's percentage
    std::shared_ptr<const EspectroExperimental> medido;
    double ReferenciaPpm = 0; // added to every measured ppm, as the plot shows it
    // Empty: ParametrosPadrao and RegioesPadrao.
    std::vector<ParametroAjuste> parametros;
    std::vector<RegiaoPpm> regioes;
};

// Protons whose starting shifts are equal move together; couplings between
// the same two groups that start equal are one parameter; a coupling that
// starts at 0, or joins two protons of one group, is held; width, scale and
// baseline are free.
std::vector<ParametroAjuste> ParametrosPadrao(const EntradaSimulacao& in, double largura);

// The ppm ranges around the starting simulation's lines, widened by
// AlargamentoRegioesHz on each side (more than the errors of a rough start)
// and merged where they meet, cut to the measured spectrum's range.
inline constexpr double AlargamentoRegioesHz = 30;
std::vector<RegiaoPpm> RegioesPadrao(const ProblemaAjuste& p);

struct ProgressoAjuste {
    int etapa = 0, etapas = 0; // the broadened stages, then the final fit
    int iteracao = 0;          // over all stages
    double RmsPorcento = 0;
};

struct ResultadoAjuste {
    EntradaSimulacao sistema; // the fitted system, shifts in Hz (PPM false)
    double Largura = 0;
    std::vector<ParametroAjuste> parametros; // fitted values and their errors
    std::vector<RegiaoPpm> regioes;
    int Iteracoes = 0;
    // The RMS of measured - fitted over the points in the regions, as a
    // percentage of the tallest measured point there.
    double RmsPorcento = 0;
    double Segundos = 0;
    std::vector<std::string> Avisos; // Portuguese; the fit stands
    // Measured - fitted at each measured point in the regions: the file's
    // ppm (without ReferenciaPpm) and the difference in the file's units.
    std::vector<double> PpmResiduo, Residuo;
};

// The fit, off any window: `progresso` (when given) is called from the
// calling thread after every iteration, and a stop requested on `parar` ends
// the fit within one model evaluation. Refusals: TipoErro::Entrada (no
// measured spectrum, no measured point in the regions, nothing left to fit),
// TipoErro::Calculo (the fit did not converge, or a parameter the spectrum
// does not determine), TipoErro::Interrompido, TipoErro::Memoria. Only a
// converged fit fills `r`.
std::optional<Erro> Ajusta(const ProblemaAjuste& p, ResultadoAjuste& r, std::stop_token parar = {},
                           const std::function<void(const ProgressoAjuste&)>& progresso = {});

// The refusal of a fit stopped by its caller.
Erro AjusteInterrompido();
