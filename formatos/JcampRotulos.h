#pragma once
// The text of a JCAMP-DX file as the reader walks it: lines, labels and
// their values, compared as the format compares labels.

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace jcamp {

// s up to its "$$" comment.
std::string_view SemComentario(std::string_view s);

// Labels, and the words of a few values, compare as JCAMP-DX compares labels:
// without case, blanks, hyphens, slashes or underscores. Nothing this reader
// looks for is long; a longer text comes back as "#", which matches nothing.
std::string Normaliza(std::string_view s);

// Lines ending in CR LF, LF or CR, numbered from `numero`.
class Linhas {
  public:
    Linhas(std::string_view t, std::size_t ini, int numero)
        : t_(t), pos_(ini), numero_(numero - 1) {}
    bool Proxima(std::string_view& linha);
    int Numero() const { return numero_; }
    std::size_t Inicio() const { return inicio_; }
    std::size_t Depois() const { return pos_; }

  private:
    std::string_view t_;
    std::size_t pos_, inicio_ = 0;
    int numero_;
};

// The number of the last line of t.
int UltimaLinha(std::string_view t);

// ---- The labels this reader uses --------------------------------------------

enum Chave {
    Titulo,
    Fim,
    TipoDados,
    UnidadesX,
    PrimeiroX,
    UltimoX,
    DeltaX,
    FatorX,
    FatorY,
    NPontos,
    Frequencia,
    Nucleo,
    NTuplas,
    Simbolos,
    NomesVar,
    TiposVar,
    DimVar,
    Unidades,
    Primeiros,
    Ultimos,
    Fatores,
    Pagina,
    TabelaDados,
    XyDados,
    ReferenciaDesloc,
    DeslocBruker,
    VersaoCs,
    TabelaPicos,
    PontosXy,
    NChaves,
    Nenhuma = NChaves
};

inline constexpr std::array<std::string_view, NChaves> NomesChaves = {"TITLE",
                                                                      "END",
                                                                      "DATATYPE",
                                                                      "XUNITS",
                                                                      "FIRSTX",
                                                                      "LASTX",
                                                                      "DELTAX",
                                                                      "XFACTOR",
                                                                      "YFACTOR",
                                                                      "NPOINTS",
                                                                      ".OBSERVEFREQUENCY",
                                                                      ".OBSERVENUCLEUS",
                                                                      "NTUPLES",
                                                                      "SYMBOL",
                                                                      "VARNAME",
                                                                      "VARTYPE",
                                                                      "VARDIM",
                                                                      "UNITS",
                                                                      "FIRST",
                                                                      "LAST",
                                                                      "FACTOR",
                                                                      "PAGE",
                                                                      "DATATABLE",
                                                                      "XYDATA",
                                                                      ".SHIFTREFERENCE",
                                                                      "$OFFSET",
                                                                      "JCAMPCS",
                                                                      "PEAKTABLE",
                                                                      "XYPOINTS"};

// The label of a normalised name, or Nenhuma.
Chave Procura(const std::string& nome);

// The text after "=" on the label's line, without comment or outer blanks.
struct Valor {
    std::string_view texto;
    int linha = 0; // 0: not given
};
using Valores = std::array<Valor, NChaves>;

// The items of a list label ("X, Y, R"), without their blanks.
std::vector<std::string_view> Lista(std::string_view s);

// "(X++(Y..Y))" or "(X++(R..R)), XYDATA": the abscissa and ordinate symbols.
struct Forma {
    std::string x, y;
};
std::optional<Forma> LeForma(std::string_view s);

// F1, F2, ...: the frequency axes of a 2D spectrum.
bool EixoDeFrequencia(std::string_view s);

} // namespace jcamp
