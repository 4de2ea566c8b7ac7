#pragma once
// The plot and the controls of the main window as the calculator imagines
// them: right after start-up with its inputs, or right after opening a file.

#include "cli/ArgumentosCalc.h"
#include "display/EstadoGrafico.h"
#include "estado/EstadoSpin.h"

#include <string>

// A value as the input boxes show it: `digitos` significant digits in the
// general format.
std::string TextoDaCaixa(double v, int digitos, char sep);

// The plot's inner size in twips: --size when given, else the layout's.
struct TamanhoGrafico {
    int SW, SH;
};
TamanhoGrafico TamanhoDaTela(const OpcoesCalc& o, bool compacto);

void PreparaTela(const OpcoesCalc& o, const EstadoSpin& e, bool compacto, EstadoGrafico& g,
                 OpcoesGrafico& og);
