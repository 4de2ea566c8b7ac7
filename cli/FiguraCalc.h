#pragma once
// The spectrum picture of halvora-calc --svg.

#include "cli/ArgumentosCalc.h"
#include "estado/EstadoSpin.h"
#include "run/Erro.h"

#include <optional>

// Records the copy picture into o.svg; why not when it cannot. Only the
// calculator built with the toolkit can draw; the other one hands --svg over
// to it before it starts (see main.cpp).
std::optional<Erro> GravaFiguraCalc(const OpcoesCalc& o, const EstadoSpin& e);
