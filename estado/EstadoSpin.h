#pragma once
// The spin-system state: the inputs of the last run, the solver's matrices and
// the bands it produced. One instance holds the results every reader sees; a
// run builds into a second instance and swaps it in when it is complete.
//
// Units: Hz throughout. FreqProt holds absolute Larmor frequencies (the
// spectrometer's plus the shift); FreqBanda holds absolute Hz inside the
// solver and Hz from the reference once the run is done. docs/FISICA.md
// gives the Hamiltonian, the basis and the intensity formula these hold.

#include "estado/Matriz.h"

#include <array>
#include <cstdint>

inline constexpr int NProtMax = 10;

struct EstadoSpin {
    // Inputs, as the run read them.
    int NProt = 0;
    int NEst = 0;
    std::int32_t NPares = 0;
    int NJ = 0;
    double FreqEspHz = 0;
    float IntMin = 0;
    double TolJac = 0;
    Vetor<double> FreqProt; // (0..N), absolute Hz
    Matriz<double> ValJ;    // (0..N, 0..N), only re-created when N > 1

    // Basis and Hamiltonian.
    Vetor<double> EnerZProt; // (0..N)
    Matriz<float> SpinEst;   // (0..M, 0..N): +0.5 alpha, -0.5 beta
    Vetor<float> MzEst;      // (0..M): total z spin of each basis state
    Vetor<double> EnerZ;     // (0..M)
    int ContEst = 0;         // the next basis state GeraBase fills, 1..M
    Vetor<double> DiagHam;   // (0..M): the Hamiltonian's diagonal, as the basis is built and sorted
    Matriz<double> MatHam;   // (0..M, 0..M)
    int SubMatCount = 0;
    std::array<int, 201> SubMatInic{}; // 1..200, never re-created

    // Diagonalisation.
    Matriz<double> MatJac;  // (0..M, 0..M)
    Matriz<double> VetJac;  // (0..n, 0..n) of the last Jacobi call
    Matriz<double> MatDiag; // (0..M, 0..M): energy of level k at (k, k)
    Matriz<double> MatVet;  // (0..M, 0..M): column k is the eigenvector of level k
    bool PrimOrdem = false;

    // Transitions and bands. Band arrays have capacity NPares + 1.
    Matriz<std::int16_t> MatTrans; // (0..M, 0..M)
    Vetor<double> VetTrans; // (0..M): MatTrans times eigenvector i, the intensity sums' left factor
    Vetor<double> FreqBanda;
    Vetor<double> IntBanda;
    Vetor<std::int16_t> NivelA;
    Vetor<std::int16_t> NivelB;
    Vetor<std::int16_t> NProtAfet;
    Matriz<std::int16_t> ProtAfet; // (0..T, 0..N)
    Vetor<std::int16_t> ProtBanda;
    // 32-bit: at 9 or 10 protons and a low minimum intensity far more than
    // 32 767 bands are kept.
    std::int32_t NBandas = 0;

    // Every array created, zero-filled, for the current NProt,
    // NEst and NPares, in the program's order. Without `densas` the M x M
    // arrays (MatHam, MatTrans, MatJac, MatDiag, MatVet), which only the
    // inspector reads, are left empty: a run then keeps its eigenvectors
    // block by block (solver/Blocos.h).
    void CriaMatrizes(bool densas = true);
    void troca(EstadoSpin& o) noexcept;
};
