#pragma once
// The fit's model: the measured points of the regions, and the simulated
// line shape at them for given shifts, couplings and width, both broadened
// alike by a Gaussian when a stage asks for it.

#include "ajuste/Ajuste.h"
#include "espectro/FormaDeLinha.h"

#include <cstddef>
#include <stop_token>
#include <vector>

// The measured points the fit reads: every region widened on each side by
// what the broadest stage's kernel reaches, so that broadening inside a
// region sees the points beyond its edges.
struct PontosAjuste {
    struct Trecho {
        std::size_t ini = 0, n = 0; // points ini .. ini + n - 1 of the vectors below
        double passoHz = 0;         // between neighbours, in Hz
    };
    std::vector<double> Hz, y, PpmArquivo; // Hz from the reference, as the plot places them
    std::vector<char> conta;               // inside a region: part of the residual
    std::vector<Trecho> trechos;
    std::size_t nConta = 0;
    double maior = 0; // the tallest measured point in the regions
};

inline constexpr double AlcanceKernelHz = 16; // 3 sigma of a 12 Hz wide Gaussian

PontosAjuste PontosDasRegioes(const EspectroExperimental& x, double MHz, double ReferenciaPpm,
                              const std::vector<RegiaoPpm>& regioes);

// A Gaussian of `largura` Hz at half height over each stretch, the kernel
// cut where a stretch ends and renormalised there; nothing when 0.
void Alarga(const PontosAjuste& p, double largura, std::vector<double>& v);

// The free parameters as a vector, and the system and width they stand for.
class Parametrizacao {
  public:
    Parametrizacao(const EntradaSimulacao& inicio, const std::vector<ParametroAjuste>& params);
    std::vector<double> Iniciais() const;
    // The system with x in place, shifts in Hz.
    void Aplica(const double* x, EntradaSimulacao& in, double& largura) const;
    const std::vector<int>& Livres() const { return livres_; } // indices into the parameters

  private:
    EntradaSimulacao base_;
    double largura_ = 1;
    const std::vector<ParametroAjuste>& params_;
    std::vector<int> livres_;
};

// The simulated shape (unit scale, no baseline) at the points of `p`,
// broadened by `alargamento`; false when the run refused or was stopped.
bool Forma(const EntradaSimulacao& in, double largura, int mistura, const PontosAjuste& p,
           double alargamento, std::stop_token parar, std::vector<double>& forma);
