#pragma once
// What the core hands back when it refuses: the kind, for the caller that
// must act on it (the window asks before replacing a read-only file, tells a
// memory shortage from bad input), and the Portuguese text the user reads.

#include <string>

enum class TipoErro {
    Entrada,        // values that cannot run or cannot be stored
    Calculo,        // the diagonalisation did not converge, a basis out of order
    Memoria,        // not enough memory for the system
    Arquivo,        // a file that cannot be read or written
    SomenteLeitura, // a read-only file the user may still choose to replace
    Interrompido,   // the caller asked the run to stop
};

struct Erro {
    TipoErro tipo = TipoErro::Entrada;
    std::string texto;
};
