#pragma once
// The eigensolvers of one symmetric block of the Hamiltonian. Jacobi is the
// program's own, the one the window and the inspector use, exact to the bit
// from run to run; the library's (LAPACK's dsyevd from OpenBLAS) is several
// times faster at 9 and 10 protons and agrees with it well within 1e-5 Hz,
// for callers that run many systems in a row (a fit).

#include <string_view>

class Autovalores {
  public:
    virtual ~Autovalores() = default;
    virtual std::string_view Nome() const = 0;
    // Diagonalises the symmetric n x n matrix A (row stride `passo`, both
    // triangles filled); A is overwritten. Eigenvalue k goes to valores[k],
    // its eigenvector to column k of `vetores` (n x n, row stride n, row r:
    // basis state r). With PrimOrdem only the diagonal counts: the values are
    // A's diagonal and the vectors the identity. False when the solver
    // failed.
    virtual bool Diagonaliza(double* A, int n, int passo, double TolJac, bool PrimOrdem,
                             double* valores, double* vetores) const = 0;
};

// The program's cyclic Jacobi (JacobiBloco).
const Autovalores& AutovaloresJacobi();
// LAPACK's divide and conquer, dsyevd, on one thread.
const Autovalores& AutovaloresLapack();
