#pragma once
// What a JCAMP-DX block's header says about its spectrum besides the grid:
// the title, the nucleus, the unit, the frequency, the factors and the
// reference that places Hz in ppm.

#include "espectro/EspectroExperimental.h"
#include "formatos/JcampRotulos.h"
#include "formatos/Leitura.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace jcamp {

// Valid UTF-8 stays as it is, anything else is Windows-1252; control
// characters become blanks.
std::string TextoUtf8(std::string_view s);

// ##XUNITS= (hz receives whether it is Hz) and ##.OBSERVE FREQUENCY=, which
// x in Hz cannot do without.
std::optional<Falha> LeUnidadeEFrequencia(const Valor& vUnid, const Valor& vMHz, int linhaTabela,
                                          bool& hz, EspectroExperimental& e);

// The title and nucleus, and a warning when the nucleus is not 1H.
void Identifica(const Valor& titulo, const Valor& vNucleo, EspectroExperimental& e,
                std::vector<std::string>& avisos);

// A factor label: 1 when absent, never 0.
std::optional<Falha> Fator(const Valor& v, const char* rotulo, double& f);

// Hz from an origin of the instrument's choosing become ppm from the
// reference: ##.SHIFT REFERENCE= (kind, compound, point, ppm) gives the ppm
// of one point; without it, or with point 0 (none), Bruker's ##$OFFSET=
// gives the ppm of the first, and without that the Hz are from the reference.
std::optional<Falha> Referencia(const Valor& referencia, const Valor& offset,
                                std::vector<double>& ppm);

} // namespace jcamp
