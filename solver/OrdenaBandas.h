#pragma once
#include "estado/EstadoSpin.h"

// Bands by decreasing frequency, in exactly the order a selection sort with
// exchanges leaves them (ties included), every field moving with its band.
void OrdenaBandas(EstadoSpin& e);
