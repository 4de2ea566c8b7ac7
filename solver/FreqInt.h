#pragma once
// Transition frequencies and intensities: the bands. For levels i, j whose
// total spin differs by one: frequency |E_i - E_j|, intensity
// (v_j . MatTrans . v_i)^2, which sum to N 2^(N-1); see docs/FISICA.md.

#include "estado/EstadoSpin.h"

#include <stop_token>

class BlocosAutovetores;

// VetTrans = MatTrans applied to the eigenvector of level i.
void AplicaTrans(EstadoSpin& e, int i);
// Intensity of the transition between the level of the latest AplicaTrans and j.
double IntensTrans(const EstadoSpin& e, int j);

// Every pair of levels whose total spin differs by one: intensity, and the
// band when it reaches IntMin. Frequencies are absolute. The levels and the
// flipped protons of each band (NivelA, NivelB, NProtAfet, ProtAfet,
// ProtBanda) are written only when ComTabela; otherwise they stay as
// CriaMatrizes left them.
void CalcFreqInt(EstadoSpin& e, bool ComTabela);

// The same bands, 3 or more protons, from eigenvectors kept block by block
// (DiagonalizaBlocos) instead of MatVet and MatDiag; with Jacobi's blocks the
// bits are those of CalcFreqInt. False, with no bands, when `parar` was
// requested.
bool CalcFreqIntBlocos(EstadoSpin& e, const BlocosAutovetores& b, bool ComTabela,
                       std::stop_token parar = {});
