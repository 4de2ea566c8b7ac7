#pragma once
// Spin systems shared by the solver tests.

#include "Referencia.h"
#include "run/ExecucaoAux.h"

#include <random>
#include <vector>

namespace casos {

struct Sistema {
    int N = 1;
    double MHz = 300;
    std::vector<double> desl; // Hz
    std::vector<double> J;    // J(1,2), J(1,3)..J(1,N), J(2,3)..
    float IntMin = 0.01f;
    bool PrimOrdem = false;
    bool ComTabela = true;
};

// The inputs of the system as the reference reads them.
inline void Prepara(EstadoSpin& e, const Sistema& s) {
    ref::Prepara(e, s.N, s.MHz, s.desl, s.J, s.IntMin, s.PrimOrdem);
}

// The same system as the program's run takes it.
inline EntradaSimulacao Entrada(const Sistema& s) {
    EntradaSimulacao in;
    in.NProt = s.N;
    in.MHz = s.MHz;
    in.Desloc = s.desl;
    in.J = s.J;
    in.IntMin = s.IntMin;
    in.PrimOrdem = s.PrimOrdem;
    in.ComTabela = s.ComTabela;
    return in;
}

// The program's results for the system.
inline EstadoSpin Calcula(const Sistema& s) {
    return testes::Calcula(Entrada(s));
}

inline Sistema Com(Sistema s, float IntMin, bool PrimOrdem, bool ComTabela) {
    s.IntMin = IntMin;
    s.PrimOrdem = PrimOrdem;
    s.ComTabela = ComTabela;
    return s;
}

inline const Sistema Padrao3{3, 300, {194.35, 208.41, 218.08}, {12, 10, 8}};

inline Sistema SistemaPadrao10() {
    Sistema s{10, 300, {}, {}};
    s.desl = {194.35, 208.41, 218.08, 220.32, 229.17, 247.95, 253.79, 255.93, 277.03, 295.88};
    for (int r = 1; r <= 9; ++r)
        for (int c = r + 1; c <= 10; ++c) s.J.push_back(18 - 2 * r - 2 * c);
    return s;
}

// The default 3-proton system has a band whose intensity lies just below this
// limit in double precision and rounds up to it in single.
inline constexpr float LimiteNaBeira = 0x1.1c4816p-2f;

// Uniform in [a, b) from the raw generator, so the systems do not depend on
// the library's distributions.
inline double Uniforme(std::mt19937& g, double a, double b) {
    return a + (b - a) * (double(g()) / 4294967296.0);
}

// Shifts within 0..400 Hz and couplings within -20..20 Hz.
inline Sistema SistemaAleatorio(int N, unsigned semente) {
    std::mt19937 g(semente);
    Sistema s{N, 300, {}, {}};
    for (int i = 0; i < N; ++i) s.desl.push_back(Uniforme(g, 0, 400));
    for (int k = 0; k < N * (N - 1) / 2; ++k) s.J.push_back(Uniforme(g, -20, 20));
    return s;
}

} // namespace casos
