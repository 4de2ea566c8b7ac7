#include "Referencia.h"

#include <cmath>
#include <cstddef>
#include <utility>

namespace ref {

void GeraBase(EstadoSpin& e, int nivel) {
    const int P = nivel;
    for (int k = 1; k <= 2; ++k) {
        // ContEst moves on inside the recursion: always index the current state.
        e.SpinEst(e.ContEst, P) = static_cast<float>(std::pow(-1.0, k - 1) * (1.0 / 2.0));
        e.EnerZProt(P) = e.SpinEst(e.ContEst, P) * e.FreqProt(P);
        e.EnerZ(e.ContEst) = e.EnerZProt(P) + e.EnerZ(e.ContEst);
        if (P < e.NProt) {
            GeraBase(e, P + 1);
        } else {
            FechaEstado(e);
            if (e.ContEst > e.NEst) return;
            const int S = e.ContEst;
            e.EnerZ(S) = e.EnerZ(S - 1);
            for (int q = P; q >= 1; --q) e.SpinEst(S, q) = e.SpinEst(S - 1, q);
        }
        if (e.ContEst > e.NEst) return;
        e.EnerZ(e.ContEst) = e.EnerZ(e.ContEst) - e.EnerZProt(P);
    }
}

void FechaEstado(EstadoSpin& e) {
    const int S = e.ContEst;
    e.MatHam(S, S) = -e.EnerZ(S);
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
            e.MatHam(S, S) = mm * e.ValJ(a, b) + e.MatHam(S, S);
        }
}

void MontaSubMat(EstadoSpin& e) {
    const int N = e.NProt, M = e.NEst;

    for (int i = 1; i <= M - 1; ++i)
        for (int j = i + 1; j <= M; ++j)
            if (e.MatHam(j, j) < e.MatHam(i, i)) {
                std::swap(e.MatHam(i, i), e.MatHam(j, j));
                std::swap(e.MzEst(i), e.MzEst(j));
                for (int q = 1; q <= N; ++q) std::swap(e.SpinEst(i, q), e.SpinEst(j, q));
            }

    if (M > 4) {
        e.SubMatCount = 1;
        e.SubMatInic[1] = 2;
    } else {
        e.SubMatCount = 0;
    }

    // Unbounded as described: only for systems whose basis stays grouped by
    // total spin, which record N - 1 of the 200 entries.
    for (int i = 2; i <= M - 1; ++i) {
        for (int j = i + 1; j <= M - 1; ++j) {
            if (e.MzEst(j) != e.MzEst(i)) {
                if (j != e.SubMatInic[e.SubMatCount]) {
                    e.SubMatCount = e.SubMatCount + 1;
                    e.SubMatInic[e.SubMatCount] = j;
                }
                break;
            }
            int cont = 0, d1 = 0, d2 = 0;
            bool demais = false;
            for (int q = 1; q <= N; ++q) {
                const float dif = std::fabs(e.SpinEst(i, q) - e.SpinEst(j, q));
                if (dif == 1.0f) {
                    cont = cont + 1;
                    if (cont > 2) {
                        demais = true;
                        break;
                    }
                    if (cont == 1)
                        d1 = q;
                    else
                        d2 = q;
                }
            }
            if (demais) continue;
            if (cont == 2) {
                e.MatHam(i, j) = e.ValJ(d1, d2) * 0.5;
                e.MatHam(j, i) = e.MatHam(i, j);
            }
        }
    }
}

bool Jacobi(EstadoSpin& e, int n) {
    Matriz<double>& A = e.MatJac;
    Matriz<double>& V = e.VetJac;

    V.recria(n, n);
    double M0 = 0;
    for (int i = 1; i <= n; ++i) {
        V(i, i) = 1;
        for (int j = 1; j <= n; ++j) M0 = M0 + std::fabs(A(i, j));
    }
    if (n == 1) return true;
    if (M0 <= 0) return true;
    M0 = M0 / std::pow(static_cast<double>(n), 2.0);
    if (e.PrimOrdem) return true;

    for (int varredura = 1;; ++varredura) {
        double soma = 0, maior = 0;
        for (int q = 2; q <= n; ++q) {
            for (int p = 1; p <= q - 1; ++p) {
                const double x = std::fabs(A(p, q));
                if (x > maior) maior = x;
                soma = soma + x;
                if (0.1 * maior > x) continue;

                const double d = A(p, p) - A(q, q);
                double teta;
                if (d == 0)
                    teta = (3.14159265358979 / 2) / 2;
                else
                    teta = std::atan(2 * A(p, q) / d) / 2;
                const double s = std::sin(teta);
                const double c = std::cos(teta);

                for (int k = 1; k <= n; ++k) {
                    double t = A(k, p);
                    A(k, p) = s * A(k, q) + c * t;
                    A(k, q) = c * A(k, q) - s * t;
                    t = V(k, p);
                    V(k, p) = s * V(k, q) + c * t;
                    V(k, q) = c * V(k, q) - s * t;
                }
                A(p, p) = s * A(q, p) + c * A(p, p);
                A(q, q) = -s * A(p, q) + c * A(q, q);
                A(p, q) = 0;
                for (int k = 1; k <= n; ++k) {
                    A(p, k) = A(k, p);
                    A(q, k) = A(k, q);
                }
            }
        }
        if (std::fabs(soma / M0) <= e.TolJac) return true;
        if (varredura >= MaxVarreduras) return false;
    }
}

bool DiagSubMat(EstadoSpin& e) {
    if (e.SubMatCount == 0) return true;
    const int M = e.NEst;
    e.MatDiag(1, 1) = e.MatHam(1, 1);
    e.MatVet(1, 1) = 1;
    e.MatDiag(M, M) = e.MatHam(M, M);
    e.MatVet(M, M) = 1;

    for (int k = 1; k <= e.SubMatCount; ++k) {
        const int s = e.SubMatInic[k];
        const int f = k == e.SubMatCount ? M - 1 : e.SubMatInic[k + 1] - 1;
        const int n = f - s + 1;
        for (int r = 1; r <= n; ++r)
            for (int c = 1; c <= n; ++c) e.MatJac(r, c) = e.MatHam(s + r - 1, s + c - 1);
        if (!Jacobi(e, n)) return false;
        for (int i = s; i <= f; ++i) {
            e.MatDiag(i, i) = e.MatJac(i - s + 1, i - s + 1);
            for (int j = s; j <= f; ++j) e.MatVet(i, j) = e.VetJac(i - s + 1, j - s + 1);
        }
    }
    return true;
}

bool DiagMatrizInteira(EstadoSpin& e) {
    const int M = e.NEst;
    for (int i = 1; i <= M; ++i)
        for (int j = 1; j <= M; ++j) e.MatJac(i, j) = e.MatHam(i, j);
    if (!Jacobi(e, e.NEst)) return false;
    for (int i = 1; i <= M; ++i)
        for (int j = 1; j <= M; ++j) {
            e.MatDiag(i, j) = e.MatJac(i, j);
            e.MatVet(i, j) = e.VetJac(i, j);
        }
    return true;
}

void MontaMatTrans(EstadoSpin& e) {
    const int M = e.NEst;
    for (int i = 1; i <= M - 1; ++i)
        for (int j = i + 1; j <= M; ++j) {
            float d = 0;
            for (int q = 1; q <= e.NProt; ++q) d = std::fabs(e.SpinEst(i, q) - e.SpinEst(j, q)) + d;
            if (std::nearbyint(d) == 1) {
                e.MatTrans(i, j) = 1;
                e.MatTrans(j, i) = 1;
            }
        }
}

void AplicaTrans(EstadoSpin& e, int i) {
    const int M = e.NEst;
    int lo = 0, hi = 0;
    for (int k = 1; k <= M; ++k)
        if (e.MatVet(k, i) != 0) {
            lo = k;
            break;
        }
    for (int k = M; k >= 1; --k)
        if (e.MatVet(k, i) != 0) {
            hi = k;
            break;
        }
    e.VetTrans.recria(M);
    for (int m = 1; m <= M; ++m)
        for (int k = lo; k <= hi; ++k)
            e.VetTrans(m) = e.MatTrans(m, k) * e.MatVet(k, i) + e.VetTrans(m);
}

double IntensTrans(const EstadoSpin& e, int j) {
    double s = 0;
    for (int m = 1; m <= e.NEst; ++m) s = e.MatVet(m, j) * e.VetTrans(m) + s;
    return std::pow(s, 2.0);
}

void CalcFreqInt(EstadoSpin& e, bool ComTabela) {
    const int M = e.NEst;
    std::int32_t nb = 0;
    for (int i = 1; i <= M - 1; ++i) {
        AplicaTrans(e, i);
        for (int j = M; j >= i + 1; --j) {
            const float dm = std::fabs(e.MzEst(i) - e.MzEst(j));
            if (std::nearbyint(dm) != 1) continue;
            nb = nb + 1;
            e.IntBanda(nb) = IntensTrans(e, j);
            if (static_cast<float>(e.IntBanda(nb)) < e.IntMin) {
                nb = nb - 1;
                continue;
            }
            e.FreqBanda(nb) = std::fabs(e.MatDiag(i, i) - e.MatDiag(j, j));
            if (ComTabela) {
                e.NivelA(nb) = static_cast<std::int16_t>(i);
                e.NivelB(nb) = static_cast<std::int16_t>(j);
                e.NProtAfet(nb) = 0;
                for (int q = 1; q <= e.NProt; ++q) {
                    const float dif = std::fabs(e.SpinEst(i, q) - e.SpinEst(j, q));
                    if (dif > 0) {
                        e.NProtAfet(nb) = static_cast<std::int16_t>(e.NProtAfet(nb) + 1);
                        e.ProtAfet(nb, e.NProtAfet(nb)) = static_cast<std::int16_t>(q);
                        e.ProtBanda(nb) = static_cast<std::int16_t>(q);
                    }
                }
                if (e.NProtAfet(nb) > 1) e.ProtBanda(nb) = 0;
            }
        }
    }
    e.NBandas = nb;
}

void OrdenaBandas(EstadoSpin& e) {
    for (std::int32_t i = 1; i <= e.NBandas - 1; ++i) {
        std::int32_t m = i;
        for (std::int32_t k = i + 1; k <= e.NBandas; ++k)
            if (e.FreqBanda(k) > e.FreqBanda(m)) m = k;
        if (m != i) {
            std::swap(e.FreqBanda(i), e.FreqBanda(m));
            std::swap(e.IntBanda(i), e.IntBanda(m));
            std::swap(e.NivelA(i), e.NivelA(m));
            std::swap(e.NivelB(i), e.NivelB(m));
            std::swap(e.ProtBanda(i), e.ProtBanda(m));
            std::swap(e.NProtAfet(i), e.NProtAfet(m));
            for (int k = 1; k <= e.NProt; ++k) std::swap(e.ProtAfet(i, k), e.ProtAfet(m, k));
        }
    }
}

void Prepara(EstadoSpin& e, int N, double MHz, const std::vector<double>& deslHz,
             const std::vector<double>& J, float IntMin, bool PrimOrdem) {
    e.IntMin = IntMin;
    e.FreqEspHz = MHz * 1000000;
    e.NProt = N;
    e.PrimOrdem = PrimOrdem;

    e.FreqProt.recria(N);
    for (int i = 1; i <= N; ++i) e.FreqProt(i) = e.FreqEspHz + deslHz.at(std::size_t(i - 1));

    e.NEst = static_cast<int>(std::lround(std::pow(2.0, N)));
    e.NPares = 0;
    for (int i = 1; i <= e.NEst - 1; ++i)
        for (int j = i + 1; j <= e.NEst; ++j) e.NPares = e.NPares + 1;

    if (N > 1) {
        e.ValJ.recria(N, N);
        e.NJ = 0;
        for (int i = 1; i <= N - 1; ++i)
            for (int j = i + 1; j <= N; ++j) {
                e.ValJ(i, j) = J.at(std::size_t(e.NJ));
                e.ValJ(j, i) = e.ValJ(i, j);
                e.NJ = e.NJ + 1;
            }
    }
    e.TolJac = 1e-13;

    e.CriaMatrizes();
    e.ContEst = 1;
}

bool Executa(EstadoSpin& e, bool ComTabela) {
    GeraBase(e, 1);
    MontaSubMat(e);
    const bool ok = e.NProt < 3 ? DiagMatrizInteira(e) : DiagSubMat(e);
    if (!ok) return false;
    MontaMatTrans(e);
    CalcFreqInt(e, ComTabela);
    for (std::int32_t b = 1; b <= e.NBandas; ++b) e.FreqBanda(b) = e.FreqBanda(b) - e.FreqEspHz;
    if (ComTabela) OrdenaBandas(e);
    return true;
}

} // namespace ref
