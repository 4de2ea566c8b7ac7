#pragma once
// Shared by the solver tests: the two implementations behind one table of
// stages, and the spin systems the tests run.

#include "Referencia.h"
#include "solver/Base.h"
#include "solver/FreqInt.h"
#include "solver/Jacobi.h"
#include "solver/MatTrans.h"
#include "solver/OrdenaBandas.h"

#include <cstdint>
#include <ostream>
#include <random>
#include <vector>

namespace casos {

struct Solver {
    const char* nome;
    void (*GeraBase)(EstadoSpin&, int);
    void (*MontaSubMat)(EstadoSpin&);
    bool (*Jacobi)(EstadoSpin&, int);
    bool (*DiagMatrizInteira)(EstadoSpin&);
    bool (*DiagSubMat)(EstadoSpin&);
    void (*MontaMatTrans)(EstadoSpin&);
    void (*AplicaTrans)(EstadoSpin&, int);
    double (*IntensTrans)(const EstadoSpin&, int);
    void (*CalcFreqInt)(EstadoSpin&);
    void (*OrdenaBandas)(EstadoSpin&);
};

inline void PrintTo(const Solver& s, std::ostream* os) {
    *os << s.nome;
}

inline constexpr Solver SolverReferencia{
    "Referencia",           ref::GeraBase,    ref::MontaSubMat,   ref::Jacobi,
    ref::DiagMatrizInteira, ref::DiagSubMat,  ref::MontaMatTrans, ref::AplicaTrans,
    ref::IntensTrans,       ref::CalcFreqInt, ref::OrdenaBandas};

inline constexpr Solver SolverProduto{
    "Produto",       ::GeraBase,    ::MontaSubMat, ::Jacobi,      ::DiagMatrizInteira, ::DiagSubMat,
    ::MontaMatTrans, ::AplicaTrans, ::IntensTrans, ::CalcFreqInt, ::OrdenaBandas};

struct Sistema {
    int N = 1;
    double MHz = 300;
    std::vector<double> desl; // Hz
    std::vector<double> J;    // J(1,2), J(1,3)..J(1,N), J(2,3)..
    float IntMin = 0.01f;
    bool PrimOrdem = false;
    bool ComTabela = true;
};

inline void Prepara(EstadoSpin& e, const Sistema& s) {
    ref::Prepara(e, s.N, s.MHz, s.desl, s.J, s.IntMin, s.PrimOrdem, s.ComTabela);
}

// Basis and blocks only.
inline void MontaBase(const Solver& sv, EstadoSpin& e) {
    sv.GeraBase(e, 1);
    sv.MontaSubMat(e);
}

inline bool Diagonaliza(const Solver& sv, EstadoSpin& e) {
    return e.NProt < 3 ? sv.DiagMatrizInteira(e) : sv.DiagSubMat(e);
}

// The solver part of the run, as the run calls it.
inline bool Executa(const Solver& sv, EstadoSpin& e) {
    MontaBase(sv, e);
    if (!Diagonaliza(sv, e)) return false;
    sv.MontaMatTrans(e);
    sv.CalcFreqInt(e);
    for (std::int32_t b = 1; b <= e.NBandas; ++b) e.FreqBanda(b) = e.FreqBanda(b) - e.FreqEspHz;
    if (e.ComTabela) sv.OrdenaBandas(e);
    return true;
}

inline int NumJ(int N) {
    return N * (N - 1) / 2;
}

inline Sistema SistemaPadrao3() {
    return {3, 300, {194.35, 208.41, 218.08}, {12, 10, 8}};
}

inline Sistema SistemaPadrao10() {
    Sistema s{10,
              300,
              {194.35, 208.41, 218.08, 220.32, 229.17, 247.95, 253.79, 255.93, 277.03, 295.88},
              {}};
    for (int r = 1; r <= 9; ++r)
        for (int c = r + 1; c <= 10; ++c) s.J.push_back(18 - 2 * r - 2 * c);
    return s;
}

// Uniform in [a, b) from the raw generator, so the systems do not depend on
// the library's distributions.
inline double Uniforme(std::mt19937& g, double a, double b) {
    return a + (b - a) * (static_cast<double>(g()) / 4294967296.0);
}

// Shifts within 0..400 Hz and couplings within -20..20 Hz at 300 MHz.
inline Sistema SistemaAleatorio(int N, unsigned semente) {
    std::mt19937 g(semente);
    Sistema s{N, 300, {}, {}};
    for (int i = 0; i < N; ++i) s.desl.push_back(Uniforme(g, 0, 400));
    for (int k = 0; k < NumJ(N); ++k) s.J.push_back(Uniforme(g, -20, 20));
    return s;
}

} // namespace casos
