#include "cli/FiguraCalc.h"

// The light calculator never loads the toolkit; main.cpp hands the pictures
// over to halvora-calc-grafico, so this is reached only when that program is
// missing.
std::optional<Erro> GravaFiguraCalc(const OpcoesCalc& o, const EstadoSpin&) {
    const std::string arquivo = o.svg ? *o.svg : o.png ? *o.png : o.pdf.value_or("");
    return Erro{TipoErro::Arquivo, "não foi possível gravar a figura em " + arquivo +
                                       ": este programa foi construído sem desenho."};
}
