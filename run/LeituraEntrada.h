#pragma once
// Reading the input boxes for a run: the decimal texts are normalised in
// place, the number of protons is brought into range, and every other box
// must hold a number.

#include "run/Simulacao.h"

#include <array>
#include <optional>
#include <string>

struct TextosEntrada {
    std::string Text1;                           // number of protons
    std::string Text110;                         // spectrometer frequency, MHz
    std::string Text12;                          // minimum intensity
    std::string Text111;                         // Jacobi threshold (hidden, fixed)
    std::array<std::string, NProtMax + 1> Text2; // shifts, 1..10
    std::array<std::array<std::string, NProtMax + 1>, NProtMax + 1> TextJ; // J(r, c), r < c
    std::array<std::string, NProtMax + 1> Label6; // the shift in the other unit, written here
    bool PPM = false;
};

// Fills `in` from the boxes (normalising them as the run does) and the
// companion labels of shifts 1..N. On a box that holds no number, returns a
// message naming it; `in` is then incomplete and must not run.
std::optional<std::string> LeEntrada(TextosEntrada& t, char SepDec, EntradaSimulacao& in);
