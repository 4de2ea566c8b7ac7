#pragma once
// Runs for the tests, made the one way the program makes them: through
// Simula, so a test never follows a stage order of its own that could drift
// from the program's.

#include "formatos/ArquivoDados.h"
#include "run/Simulacao.h"

#include <gtest/gtest.h>

namespace testes {

// The run into `estado`, nobody watching; `trabalho` is left with what the run
// swapped out, so runs chained on the same pair reuse memory as the program's
// do. A refused run fails the test and returns false.
inline bool Executa(const EntradaSimulacao& in, EstadoSpin& estado, EstadoSpin& trabalho) {
    ObservadorSimulacao nada;
    const auto erro = Simula(in, estado, trabalho, nada);
    EXPECT_FALSE(erro) << erro->texto;
    return !erro;
}

// The results of one run on fresh states.
inline EstadoSpin Calcula(const EntradaSimulacao& in) {
    EstadoSpin estado, trabalho;
    Executa(in, estado, trabalho);
    return estado;
}

// A data file's system as the calculator runs it.
inline EntradaSimulacao EntradaDoArquivo(const DadosArquivo& d, char SepDec) {
    EntradaSimulacao in;
    in.NProt = d.NProt;
    in.MHz = d.MHz;
    in.IntMin = d.IntMin;
    in.Desloc = d.Desloc;
    in.J = d.J;
    in.SepDec = SepDec;
    return in;
}

} // namespace testes
