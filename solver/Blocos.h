#pragma once
// The eigenvectors block by block: a run that does not fill the inspector's
// M x M arrays keeps each block of equal total spin on its own, n x n, so a
// 10-proton system needs 1.4 MB of vectors instead of the 8 MB of MatVet,
// and nothing of MatHam, MatJac, MatDiag or MatTrans.

#include "estado/EstadoSpin.h"
#include "solver/Autovalores.h"

#include <cstddef>
#include <stop_token>
#include <vector>

// Where the intensities read the eigenvectors and the level energies, dense
// (MatVet, MatDiag) or block by block.
class FonteAutovetores {
  public:
    virtual ~FonteAutovetores() = default;
    // The components of basis state `estado` on levels `nivel`, `nivel` + 1,
    // ... of its own block (1-based, `nivel` in that block).
    virtual const double* Linha(int estado, int nivel) const = 0;
    virtual double Energia(int nivel) const = 0;
};

class BlocosAutovetores final : public FonteAutovetores {
  public:
    struct Bloco {
        int ini = 0, n = 0;     // basis states ini .. ini + n - 1, one total spin
        std::size_t inicio = 0; // its n x n vectors in vetores_, row: basis state
    };

    // The blocks of the sorted basis of `e`: every run of equal MzEst.
    void Divide(const EstadoSpin& e);
    const std::vector<Bloco>& Blocos() const { return blocos_; }
    double* Vetores(const Bloco& b) { return vetores_.data() + b.inicio; }
    double* Energias(const Bloco& b) { return energia_.data() + b.ini; }

    const double* Linha(int estado, int nivel) const override {
        const Bloco& b = blocos_[std::size_t(blocoDe_[std::size_t(estado)])];
        return vetores_.data() + b.inicio + std::size_t(estado - b.ini) * b.n + (nivel - b.ini);
    }
    double Energia(int nivel) const override { return energia_[std::size_t(nivel)]; }

  private:
    std::vector<Bloco> blocos_;
    std::vector<int> blocoDe_;    // (0..M): the block of each basis state
    std::vector<double> energia_; // (0..M): the energy of each level
    std::vector<double> vetores_;
};

// Every block of the sorted basis of `e` (OrdenaBase) diagonalised by
// `solver`, the blocks shared between two cores, the Hamiltonian's elements
// those MontaSubMat writes. False when the solver failed on a block or
// `parar` was requested (then what `b` holds is not to be read).
bool DiagonalizaBlocos(const EstadoSpin& e, BlocosAutovetores& b, const Autovalores& solver,
                       std::stop_token parar = {});
