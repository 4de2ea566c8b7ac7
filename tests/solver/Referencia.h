#pragma once
// Plain, slow transcription of the solver stages: the same loops, the same
// order of floating-point operations and the same precisions as the program's
// own description of them. It is the yardstick the fast solver is compared
// against bit by bit, so it stays obvious rather than quick.

#include "estado/EstadoSpin.h"

#include <vector>

namespace ref {

inline constexpr int MaxVarreduras = 100;

void GeraBase(EstadoSpin& e, int nivel);
void FechaEstado(EstadoSpin& e);
void SomaJDiag(EstadoSpin& e);
void MontaSubMat(EstadoSpin& e);

// Jacobi(n) on MatJac(1..n, 1..n), creating VetJac(0..n, 0..n); false when
// MaxVarreduras sweeps did not reach the tolerance.
bool Jacobi(EstadoSpin& e, int n);
bool DiagSubMat(EstadoSpin& e);
// Route for 1 or 2 protons: MatHam -> MatJac -> Jacobi -> MatDiag, MatVet.
bool DiagMatrizInteira(EstadoSpin& e);

void MontaMatTrans(EstadoSpin& e);
void AplicaTrans(EstadoSpin& e, int i);
double IntensTrans(const EstadoSpin& e, int j);
void CalcFreqInt(EstadoSpin& e, bool ComTabela);
void OrdenaBandas(EstadoSpin& e);

// Fills the inputs as the run does and creates every array. deslHz: shift of
// each proton in Hz; J: the upper triangle J(1,2), J(1,3)..J(1,N), J(2,3)..
void Prepara(EstadoSpin& e, int N, double MHz, const std::vector<double>& deslHz,
             const std::vector<double>& J, float IntMin, bool PrimOrdem);

// The solver part of the run, band frequencies left as offsets in Hz; the
// table's columns are filled and the bands ordered only when ComTabela.
bool Executa(EstadoSpin& e, bool ComTabela);

} // namespace ref
