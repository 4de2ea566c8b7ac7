#pragma once
#include "estado/EstadoSpin.h"

// MatTrans(i, j) = 1 when basis states i and j differ in exactly one proton.
void MontaMatTrans(EstadoSpin& e);
