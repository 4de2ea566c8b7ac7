#pragma once
// The spectrum picture of halvora-calc --svg.

#include "cli/ArgumentosCalc.h"
#include "estado/EstadoSpin.h"

// Records the copy picture into o.svg; false when it cannot. Only the
// calculator built with the toolkit can draw; the other one hands --svg over
// to it before it starts (see main.cpp).
bool GravaFiguraCalc(const OpcoesCalc& o, const EstadoSpin& e);
