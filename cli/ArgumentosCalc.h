#pragma once
// The command line of halvora-calc.

#include "run/Simulacao.h"

#include <optional>
#include <string>
#include <vector>

struct OpcoesCalc {
    EntradaSimulacao entrada;
    bool tempos = false;
    bool ajuda = false;
};

extern const char* const TextoAjudaCalc;

// The options, or a one-line Portuguese message naming what is wrong.
struct LeituraArgumentos {
    OpcoesCalc opcoes;
    std::optional<std::string> erro;
};
LeituraArgumentos LeArgumentos(const std::vector<std::string>& args);
