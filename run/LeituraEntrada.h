#pragma once
// Reading the input boxes for a run: the decimal texts are normalised in
// place, the number of protons is brought into range, and every other box
// must hold a number.

#include "run/Simulacao.h"

#include <array>
#include <optional>
#include <string>

struct TextosEntrada {
    std::string TextoNProt;
    std::string TextoFrequencia; // MHz
    std::string TextoIntMin;
    std::string TextoTolJac;                           // Jacobi threshold (no box: fixed)
    std::array<std::string, NProtMax + 1> TextoDesloc; // shifts, 1..10
    std::array<std::array<std::string, NProtMax + 1>, NProtMax + 1> TextoJ; // J(r, c), r < c
    // The shift in the other unit, written by LeEntrada.
    std::array<std::string, NProtMax + 1> TextoOutraUnidade;
    bool PPM = false;
};

// Fills `in` from the boxes (normalising them as the run does) and the
// companion labels of shifts 1..N. On a box that holds no number, returns a
// message naming it; `in` is then incomplete and must not run.
std::optional<std::string> LeEntrada(TextosEntrada& t, char SepDec, EntradaSimulacao& in);
