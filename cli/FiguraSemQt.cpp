#include "cli/FiguraCalc.h"

// The light calculator never loads the toolkit; main.cpp hands --svg over to
// halvora-calc-grafico, so this is reached only when that program is missing.
bool GravaFiguraCalc(const OpcoesCalc&, const EstadoSpin&) {
    return false;
}
