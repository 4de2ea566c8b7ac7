#include "cli/FiguraCalc.h"

// The light calculator never loads the toolkit; main.cpp hands --svg over to
// halvora-calc-grafico, so this is reached only when that program is missing.
std::optional<Erro> GravaFiguraCalc(const OpcoesCalc& o, const EstadoSpin&) {
    return Erro{TipoErro::Arquivo, "não foi possível gravar a figura em " + o.svg.value_or("") +
                                       ": este programa foi construído sem desenho."};
}
