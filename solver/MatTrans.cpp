#include "solver/MatTrans.h"

#include <vector>

namespace {

// The spins of a basis state as a bit mask, bit q-1 set for a beta proton q.
unsigned MascaraBeta(const EstadoSpin& e, int s) {
    unsigned m = 0;
    for (int q = 1; q <= e.NProt; ++q)
        if (e.SpinEst(s, q) < 0) m |= 1u << (q - 1);
    return m;
}

} // namespace

// Two states differ in exactly one proton when their masks differ in one bit,
// so each state's N partners are found directly instead of by comparing all
// pairs.
void MontaMatTrans(EstadoSpin& e) {
    const int M = e.NEst;
    std::vector<unsigned> mascara(M + 1);
    std::vector<int> indice(std::size_t(1) << e.NProt, 0);
    for (int s = 1; s <= M; ++s) {
        mascara[s] = MascaraBeta(e, s);
        indice[mascara[s]] = s;
    }
    for (int i = 1; i <= M; ++i)
        for (int q = 0; q < e.NProt; ++q) {
            const int j = indice[mascara[i] ^ (1u << q)];
            if (j != 0) e.MatTrans(i, j) = 1;
        }
}
