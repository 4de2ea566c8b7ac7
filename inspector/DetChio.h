#pragma once
// Determinant by Chió's condensation with a pivot search: the verification
// window checks the diagonalisation with it against the product of the
// eigenvalues, so it must not share any arithmetic with the solver.

#include "estado/Matriz.h"

#include <vector>

// Determinant of M(1..n, 1..n).
double DetChio(const Matriz<double>& M, int n);

// Determinant of the n x n block a, row-major from index 0; a is the work array.
double DetChio(std::vector<double> a, int n);
