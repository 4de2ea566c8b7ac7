#pragma once
// ASDF, the compressed forms of JCAMP-DX tables: AFFN (plain numbers), PAC,
// SQZ (the first digit as a letter that carries the sign), DIF (differences
// from the value before) and DUP (a repeat count), read and written. A line
// that ends in DIF form is followed by one that opens with its last value
// again, the Y-check.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace jcamp {

enum class Lido { Ok, SemDigitos, ForaDaFaixa };

// An AFFN number at s[i] ([+-]digits[.digits][E(+|-)digits]); i moves past it.
// An "E" is an exponent only with its sign, since without one it is the SQZ
// digit 5. `meia` receives half a unit in the last digit written.
Lido LeAffn(std::string_view s, std::size_t& i, double& v, double* meia = nullptr);

// A number in the reader's messages.
std::string Num(double x, char SepDec);

// The message for a character no table holds.
std::string CaractereInesperado(char c);

// The Y values of a table's lines, one line at a time, into y (times
// fatorY), never more than `pontos` of them.
class DecodificadorAsdf {
  public:
    DecodificadorAsdf(std::size_t pontos, double fatorY, char SepDec, std::vector<double>& y);
    // The values of line s from s[i] on (its X read); a message when one is
    // wrong. A Y-check is compared and not kept.
    std::optional<std::string> Linha(std::string_view s, std::size_t i);
    // The last line opened with the Y-check of the line before.
    bool Cheque() const { return cheque_; }
    // "##NPOINTS= N", for the messages.
    const std::string& TotalPontos() const { return totalPontos_; }

  private:
    enum class Token { Nada, Absoluto, Diferenca };
    // Each token's reader: false, with the message in erro_, at a fault.
    bool Absoluto(std::string_view s, std::size_t& i);
    bool Diferenca(std::string_view s, std::size_t& i);
    bool Repeticao(std::string_view s, std::size_t& i);
    bool Acrescenta(double v);
    bool Recusa(std::string erro);

    std::size_t pontos_;
    double fatorY_;
    char sep_;
    std::vector<double>& y_;
    std::string totalPontos_;
    std::string erro_;
    // From line to line: the last value, and whether the line ended in DIF.
    bool temUltimo_ = false, difNoFim_ = false;
    double ultimo_ = 0;
    // Within the line.
    bool cheque_ = false, primeiroY_ = true;
    Token ultimoToken_ = Token::Nada;
    double ultimaDif_ = 0;
};

// SQZ, DIF and DUP tokens.
std::string Sqz(long long v);
std::string Dif(long long v);
std::string Dup(long long n);

// The DIFDUP text of the points after Y[i] on one line that already holds
// `l`, as long as `colunas` allows; returns the index of its last point.
std::size_t ContinuaDifDup(const std::vector<long long>& Y, std::size_t i, std::string& l,
                           std::size_t colunas);

// The DIFDUP lines of Y, each `fim`-terminated and at most `colunas` long:
// X (textoX of its first point) and that point in SQZ, then DIFs with DUP
// counts; a line ending in DIF form is followed by one that repeats its
// last point, down to a last line of the check alone.
template <class TextoX>
void EscreveDifDup(std::string& s, const std::vector<long long>& Y, TextoX textoX,
                   std::size_t colunas, std::string_view fim) {
    const std::size_t n = Y.size();
    for (std::size_t i = 0; i < n;) {
        std::string l = textoX(i) + " " + Sqz(Y[i]);
        const std::size_t j = ContinuaDifDup(Y, i, l, colunas);
        s += l;
        s += fim;
        if (j == i) {
            ++i;
            continue;
        }
        if (j + 1 == n) {
            s += textoX(j) + " " + Sqz(Y[j]);
            s += fim;
            break;
        }
        i = j;
    }
}

} // namespace jcamp
