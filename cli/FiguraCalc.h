#pragma once
// The spectrum picture of halvora-calc --svg, --png and --pdf.

#include "cli/ArgumentosCalc.h"
#include "estado/EstadoSpin.h"
#include "run/Erro.h"

#include <optional>

// Records the copy picture into o.svg, o.png and o.pdf, in that order; why
// not when one cannot be written. Only the calculator built with the toolkit
// can draw; the other one hands the pictures over to it before it starts
// (see main.cpp).
std::optional<Erro> GravaFiguraCalc(const OpcoesCalc& o, const EstadoSpin& e);
