#pragma once
// Numbers as the user reads and types them. The decimal separator SepDec is
// handed in by the caller; nothing here reads the C or C++ locale, because
// once a GUI toolkit starts the C locale follows the user's.

#include <optional>
#include <string>
#include <string_view>

// Puts SepDec in place of the first "," or "." of s, in place; returns s.
std::string& AjSepDecimal(std::string& s, char SepDec);

// x rounded to 2 decimals (halves to even) with a sign and always two
// decimals: "+7,00", "-1,50", "0,00".
std::string FormatValSinal(const double& x, char SepDec);

// x rounded to `casas` decimals, halves to even on the exact binary value,
// in the general format: no trailing zeros, no separator for whole values,
// never "-0".
std::string FormataGeral(double x, int casas, char SepDec);

// x rounded to `casas` decimals like FormataGeral, with every decimal
// written: "400,110".
std::string FormataFixo(double x, int casas, char SepDec);

// x in the general form with up to `digitos` significant digits, like
// %.15G: no trailing zeros, exponent as in 1E-05 and 1E+15 when the value
// is below 1E-04 or has more integer digits than `digitos`; never "-0".
std::string FormataNumeroG(double x, int digitos, char SepDec);

// An integer as plain text.
std::string FormataInteiro(long long v);

// Strict conversion of a box's text (after AjSepDecimal): optional blanks,
// optional sign, digits with at most one SepDec among or around them, an
// optional exponent, optional blanks. Anything else, or a value that is not
// finite, gives nothing.
std::optional<double> ConverteNumero(std::string_view s, char SepDec);
std::optional<float> ConverteNumeroSimples(std::string_view s, char SepDec);

// The longest leading number with "." as the only decimal point
// ("3,5" -> 3, "3.5" -> 3.5, "" -> 0, "abc" -> 0).
double ValorInicial(std::string_view s);

// Rounds halves to even (the rounding of integer conversions).
long long ArredondaParInteiro(double x);
