#pragma once
// The product basis, the diagonal of the Hamiltonian and its blocks of equal
// total spin. In Hz: H = -sum_q nu_q Iz_q + sum_{a<b} J_ab I_a.I_b, diagonal
// -sum m_q nu_q + sum J_ab m_a m_b, flip-flop elements J_ab / 2; see
// docs/FISICA.md.

#include "estado/EstadoSpin.h"

#include <vector>

// Enumerates the basis from proton `nivel` on; the run calls GeraBase(e, 1)
// with ContEst = 1.
void GeraBase(EstadoSpin& e, int nivel);
void FechaEstado(EstadoSpin& e);
void SomaJDiag(EstadoSpin& e);

// Reorders the basis by increasing diagonal energy (exchange sort) and
// records the sub-matrices.
void OrdenaBase(EstadoSpin& e);
// OrdenaBase, then MatHam: the sorted diagonal and the flip-flop elements J/2.
void MontaSubMat(EstadoSpin& e);

// True when exactly two protons differ between two basis states (their
// SpinsAcima); d1 < d2 are those protons, 1-based. Their element is
// ValJ(d1, d2) / 2.
bool DoisViram(unsigned acimaI, unsigned acimaJ, int& d1, int& d2);

// The block structure holds only while the states stay grouped by total spin
// after the sort: MzEst must never increase along the basis. Shifts or
// couplings that are too large for the spectrometer frequency break that.
bool MzNaoCresce(const EstadoSpin& e);

// Element s: bit q-1 set when proton q is up in basis state s (the basis holds
// nothing but +1/2 and -1/2).
std::vector<unsigned> SpinsAcima(const EstadoSpin& e);
