#include "solver/Base.h"

#include <bit>
#include <utility>
#include <vector>

void GeraBase(EstadoSpin& e, int nivel) {
    const int P = nivel;
    for (int k = 1; k <= 2; ++k) {
        const int S = e.ContEst;
        e.SpinEst(S, P) = k == 1 ? 0.5f : -0.5f;
        e.EnerZProt(P) = double(e.SpinEst(S, P)) * e.FreqProt(P);
        e.EnerZ(S) = e.EnerZProt(P) + e.EnerZ(S);
        if (P < e.NProt) {
            GeraBase(e, P + 1);
        } else {
            FechaEstado(e);
            const int prox = e.ContEst;
            if (prox > e.NEst) return;
            // The next state starts as a copy of the finished one; only the
            // terms of the levels that flip are replaced on the way back up.
            e.EnerZ(prox) = e.EnerZ(prox - 1);
            for (int q = P; q >= 1; --q) e.SpinEst(prox, q) = e.SpinEst(prox - 1, q);
        }
        if (e.ContEst > e.NEst) return;
        e.EnerZ(e.ContEst) = e.EnerZ(e.ContEst) - e.EnerZProt(P);
    }
}

void FechaEstado(EstadoSpin& e) {
    const int S = e.ContEst;
    e.DiagHam(S) = -e.EnerZ(S);
    e.MzEst(S) = 0;
    for (int q = 1; q <= e.NProt; ++q) e.MzEst(S) = e.SpinEst(S, q) + e.MzEst(S);
    SomaJDiag(e);
    e.ContEst = S + 1;
}

void SomaJDiag(EstadoSpin& e) {
    const int S = e.ContEst;
    for (int a = 1; a <= e.NProt - 1; ++a)
        for (int b = a + 1; b <= e.NProt; ++b) {
            const float mm = e.SpinEst(S, a) * e.SpinEst(S, b);
            e.DiagHam(S) = double(mm) * e.ValJ(a, b) + e.DiagHam(S);
        }
}

namespace {

// The exchange sort on a contiguous copy of the diagonal; the sequence of
// exchanges, and so the final order, is the one the diagonal itself gives.
void OrdenaEstados(EstadoSpin& e) {
    const int M = e.NEst, N = e.NProt;
    std::vector<double> chave(M + 1);
    std::vector<int> origem(M + 1);
    for (int i = 1; i <= M; ++i) {
        chave[i] = e.DiagHam(i);
        origem[i] = i;
    }
    for (int i = 1; i <= M - 1; ++i) {
        double ci = chave[i];
        for (int j = i + 1; j <= M; ++j)
            if (chave[j] < ci) {
                std::swap(chave[j], ci);
                std::swap(origem[j], origem[i]);
            }
        chave[i] = ci;
    }
    const Matriz<float> spin = e.SpinEst;
    const Vetor<float> mz = e.MzEst;
    for (int i = 1; i <= M; ++i) {
        e.DiagHam(i) = chave[i];
        e.MzEst(i) = mz(origem[i]);
        for (int q = 1; q <= N; ++q) e.SpinEst(i, q) = spin(origem[i], q);
    }
}

} // namespace

std::vector<unsigned> SpinsAcima(const EstadoSpin& e) {
    std::vector<unsigned> acima(e.NEst + 1, 0);
    for (int i = 1; i <= e.NEst; ++i)
        for (int q = 1; q <= e.NProt; ++q)
            if (e.SpinEst(i, q) > 0) acima[i] |= 1u << (q - 1);
    return acima;
}

bool DoisViram(unsigned acimaI, unsigned acimaJ, int& d1, int& d2) {
    // Bit tricks: no popcount instruction on the base target.
    const unsigned viradas = acimaI ^ acimaJ;
    const unsigned segunda = viradas & (viradas - 1);
    if (segunda == 0 || (segunda & (segunda - 1)) != 0) return false;
    d1 = std::countr_zero(viradas) + 1;
    d2 = std::countr_zero(segunda) + 1;
    return true;
}

void OrdenaBase(EstadoSpin& e) {
    const int M = e.NEst;
    OrdenaEstados(e);
    if (M > 4) {
        e.SubMatCount = 1;
        e.SubMatInic[1] = 2;
    } else {
        e.SubMatCount = 0;
    }
    // Without the bound a basis scrambled by absurd inputs could record more
    // blocks than the table holds; such a run is refused afterwards anyway.
    const int maxSub = int(e.SubMatInic.size()) - 1;
    for (int j = 3; j <= M - 1; ++j)
        if (e.MzEst(j) != e.MzEst(j - 1) && j != e.SubMatInic[e.SubMatCount] &&
            e.SubMatCount < maxSub)
            e.SubMatInic[++e.SubMatCount] = j;
}

void MontaSubMat(EstadoSpin& e) {
    const int M = e.NEst;
    OrdenaBase(e);
    for (int i = 1; i <= M; ++i) e.MatHam(i, i) = e.DiagHam(i);
    const std::vector<unsigned> spinsAcima = SpinsAcima(e);
    for (int i = 2; i <= M - 1; ++i)
        for (int j = i + 1; j <= M - 1 && e.MzEst(j) == e.MzEst(i); ++j) {
            int d1, d2;
            if (DoisViram(spinsAcima[i], spinsAcima[j], d1, d2)) {
                e.MatHam(i, j) = e.ValJ(d1, d2) * 0.5;
                e.MatHam(j, i) = e.MatHam(i, j);
            }
        }
}

bool MzNaoCresce(const EstadoSpin& e) {
    for (int s = 2; s <= e.NEst; ++s)
        if (!(e.MzEst(s) <= e.MzEst(s - 1))) return false;
    return true;
}
