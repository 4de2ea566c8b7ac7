#pragma once
// What the build generates from exemplos/ (cmake/EmbuteExemplos.cmake), in
// the order of the index. Only formatos/Exemplos.cpp reads it.

#include "formatos/Exemplos.h"

#include <cstddef>

extern const Exemplo ExemplosEmbutidos[];
extern const std::size_t NExemplosEmbutidos;
