#pragma once
// What the fit's dialogs do to a fit's parameters and regions, and how they
// write its values, with no Qt: the groups untied, the regions added and
// removed, the values in the user's unit.

#include "ajuste/Ajuste.h"

#include <cstddef>
#include <string>
#include <vector>

// Parameter i's members, each one a parameter of its own at the group's
// value and choice; nothing changes for a parameter of one member.
void SeparaGrupo(std::vector<ParametroAjuste>& p, std::size_t i);
bool EhGrupo(const ParametroAjuste& p);

// The range joined to the regions it meets, the whole kept in order.
void AcrescentaRegiao(std::vector<RegiaoPpm>& r, RegiaoPpm nova);

// How a value is written in the boxes and the fit's tables: shifts in ppm
// (five decimals) or Hz, couplings and the width in Hz (three decimals), the
// scale and the baseline with six significant digits.
struct UnidadeAjuste {
    bool PPM = false;
    double MHz = 0;
    char SepDec = ',';
};
std::string TextoValor(const ParametroAjuste& p, double valor, const UnidadeAjuste& u);
// "ppm", "Hz" or nothing.
std::string NomeDaUnidade(const ParametroAjuste& p, const UnidadeAjuste& u);
std::string TextoDeslocamento(double hz, const UnidadeAjuste& u);
std::string TextoHz(double hz, char SepDec);
