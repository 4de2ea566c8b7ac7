#pragma once
// The data table of the chosen JCAMP-DX block: its Y values through the
// ASDF decoder, each line's X against the header's grid, and the (XY..XY)
// pairs of a peak table.

#include "espectro/EspectroExperimental.h"
#include "formatos/JcampBlocos.h"
#include "formatos/Leitura.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace jcamp {

// What the table must agree with.
struct Grade {
    std::size_t N;
    double primeiroX, delta; // Delta: from point to point, from ##FIRSTX and ##LASTX
    double fatorX, fatorY;
    std::string unidade; // "Hz" or "ppm", for the messages
    char SepDec;         // of the numbers in the messages
    bool umAMenos;       // a table one point short of N is whole
};

// Where the lines' X put their first points. Most writers give each line the
// X of its point on the grid, give or take rounding and a spacing rounded
// in the writing, which drifts the lines by up to half a point; a lost or
// extra point moves the lines after it by a whole one. Some instead number
// the lines with the point's 0-based index.
class EixoDasLinhas {
  public:
    explicit EixoDasLinhas(const Grade& g) : g_(g) {}
    // A message when the line whose X is xBruto (before ##XFACTOR=, written
    // to meiaX) does not open with point k.
    std::optional<std::string> Confere(double xBruto, double meiaX, std::size_t k);

    double desloc = 0;       // the first line's X less ##FIRSTX
    double meiaPrimeira = 0; // the rounding of that X as written
    bool indices = false;    // the lines' X are point indices

  private:
    std::optional<std::string> DaGrade(double x, double meia, std::size_t k) const;
    std::optional<std::string> DoIndice(double xBruto, std::size_t k) const;
    const Grade& g_;
    int linhas_ = 0;
    bool primeiraNoZero_ = false;
};

// Decodes the Y values of the table into y (times YFACTOR), checking each
// line's X through eixo.
std::optional<Falha> Decodifica(std::string_view bytes, const Tabela& t, const Grade& g,
                                std::vector<double>& y, EixoDasLinhas& eixo);

// The x, y pairs of a (XY..XY) table, x in the block's unit, one peak each:
// pairs apart by blanks or ";", x and y by a comma or blanks.
std::optional<Falha> LePicos(std::string_view bytes, const Bloco& b, EspectroExperimental& e);

} // namespace jcamp
