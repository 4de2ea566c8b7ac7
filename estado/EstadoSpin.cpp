#include "estado/EstadoSpin.h"

#include <utility>

void EstadoSpin::CriaMatrizes() {
    const int N = NProt, M = NEst, T = NPares;
    SpinEst.recria(M, N);
    EnerZProt.recria(N);
    EnerZ.recria(M);
    MatHam.recria(M, M);
    NivelA.recria(T);
    NivelB.recria(T);
    FreqBanda.recria(T);
    NProtAfet.recria(T);
    ProtAfet.recria(T, N);
    ProtBanda.recria(T);
    IntBanda.recria(T);
    MzEst.recria(M);
    MatTrans.recria(M, M);
    MatJac.recria(M, M);
    MatDiag.recria(M, M);
    MatVet.recria(M, M);
    NBandas = 0;
}

void EstadoSpin::troca(EstadoSpin& o) noexcept {
    std::swap(*this, o);
}
