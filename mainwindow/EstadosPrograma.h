#pragma once
// Everything the windows show and refer to. Whoever creates the frame owns
// it and declares it before the frame, so it outlives every widget that
// holds a reference to it, however Qt orders their destruction.

#include "display/EstadoGrafico.h"
#include "estado/EstadoSpin.h"

struct EstadosPrograma {
    EstadoSpin estado;   // the results every reader sees
    EstadoSpin trabalho; // where a run builds the next ones
    EstadoGrafico grafico;
    OpcoesGrafico opcoes;
};
