#pragma once
// The text of the results table: one row per band, as the grid shows it and
// as "Copiar tabela de resultados" puts it on the clipboard.

#include "estado/EstadoSpin.h"

#include <functional>
#include <string>
#include <string_view>

inline constexpr int ColunasTabela = 7;
extern const char* const CabecalhoTabela[ColunasTabela];      // row 0 of the grid
extern const int LarguraColunaTabela[ColunasTabela];          // twips
extern const char* const CabecalhoCopiaTabela[ColunasTabela]; // copy's header line

// Text of cell (b, col) for band b = 1..NBandas and col = 0..6; frequency and
// intensity with the decimal separator SepDec.
std::string TextoCelulaBanda(const EstadoSpin& e, int b, int col, char SepDec);

// How the two spin columns write a spin: "a" and "b" as the cells hold them
// (halvora-calc), or "α" and "β" as the grid shows them (the clipboard).
enum class LetrasSpin { Latinas, Gregas };

// The whole table as text: header line, then one line per band, tab
// separated, CR LF between lines, no line end after the last band.
std::string TextoCopiaTabela(const EstadoSpin& e, char SepDec,
                             LetrasSpin letras = LetrasSpin::Latinas);
// The same text handed over in pieces, for a 10-proton table written
// straight to a file or a pipe.
void EscreveCopiaTabela(const EstadoSpin& e, char SepDec,
                        const std::function<void(std::string_view)>& entrega,
                        LetrasSpin letras = LetrasSpin::Latinas);
