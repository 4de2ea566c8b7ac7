#pragma once
// Cyclic Jacobi diagonalisation with a threshold.

#include "estado/EstadoSpin.h"

inline constexpr int MaxVarredurasJacobi = 100;

// Diagonalises the symmetric n x n matrix A (0-based, row stride `passo`) in
// place and leaves the eigenvectors, transposed, in VT: row c of VT is the
// eigenvector of A(c, c). VT is overwritten. Returns false when the sweeps did
// not converge within MaxVarredurasJacobi.
bool JacobiBloco(double* A, double* VT, int n, int passo, double TolJac, bool PrimOrdem);

// Row stride for a work matrix of order n handed to JacobiBloco.
int PassoJacobi(int n);

// Jacobi(n) on MatJac(1..n, 1..n); creates VetJac(0..n, 0..n).
bool Jacobi(EstadoSpin& e, int n);

// Whole-matrix route (1 or 2 protons): MatHam -> MatJac -> Jacobi -> MatDiag, MatVet.
bool DiagMatrizInteira(EstadoSpin& e);

// Block route (3 or more protons), the blocks spread over the processor's cores.
bool DiagSubMat(EstadoSpin& e);
