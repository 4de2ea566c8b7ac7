#include "estado/EstadoSpin.h"

#include <utility>

void EstadoSpin::CriaMatrizes(bool densas) {
    const int N = NProt, M = NEst, T = NPares;
    SpinEst.recria(M, N);
    EnerZProt.recria(N);
    EnerZ.recria(M);
    DiagHam.recria(M);
    const int D = densas ? M : 0;
    MatHam.recria(D, D);
    NivelA.recria(T);
    NivelB.recria(T);
    FreqBanda.recria(T);
    NProtAfet.recria(T);
    ProtAfet.recria(T, N);
    ProtBanda.recria(T);
    IntBanda.recria(T);
    MzEst.recria(M);
    MatTrans.recria(D, D);
    MatJac.recria(D, D);
    MatDiag.recria(D, D);
    MatVet.recria(D, D);
    NBandas = 0;
}

void EstadoSpin::troca(EstadoSpin& o) noexcept {
    std::swap(*this, o);
}
