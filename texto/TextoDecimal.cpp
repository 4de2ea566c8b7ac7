#include "texto/TextoDecimal.h"

#include "texto/Caracteres.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace {

// Writes x in the general format into buf and returns its length. The fixed
// text of a double needs at most 309 integer digits, a sign and a point.
std::size_t EscreveGeral(char* buf, std::size_t cap, double x, int casas, char SepDec) {
    const auto r = std::to_chars(buf, buf + cap, x, std::chars_format::fixed, casas);
    if (r.ec != std::errc()) return 0;
    std::size_t n = std::size_t(r.ptr - buf);
    std::size_t ponto = n;
    for (std::size_t i = 0; i < n; ++i) {
        if (buf[i] == '.') {
            ponto = i;
            break;
        }
    }
    if (ponto < n) {
        while (n > ponto + 1 && buf[n - 1] == '0') --n;
        if (n == ponto + 1)
            n = ponto;
        else
            buf[ponto] = SepDec;
    }
    // A value that rounds to zero keeps the sign of x in to_chars' text.
    if (n == 2 && buf[0] == '-' && buf[1] == '0') {
        buf[0] = '0';
        n = 1;
    }
    return n;
}

// The pieces of a number text: sign, digits before and after the separator,
// exponent with its sign.
struct Partes {
    bool negativo = false;
    std::string_view inteira, fracao, expoente;
};

// Reads the number that starts s after blanks, with sep as the decimal
// separator; an "e" not followed by digits is left unread. fim receives the
// index after the number.
std::optional<Partes> LeNumero(std::string_view s, char sep, std::size_t& fim) {
    const std::size_t n = s.size();
    std::size_t i = 0;
    while (i < n && EhBranco(s[i])) ++i;
    Partes p;
    if (i < n && (s[i] == '+' || s[i] == '-')) p.negativo = s[i++] == '-';
    std::size_t ini = i;
    while (i < n && EhDigito(s[i])) ++i;
    p.inteira = s.substr(ini, i - ini);
    if (i < n && s[i] == sep) {
        ini = ++i;
        while (i < n && EhDigito(s[i])) ++i;
        p.fracao = s.substr(ini, i - ini);
    }
    if (p.inteira.empty() && p.fracao.empty()) return std::nullopt;
    if (i < n && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < n && (s[j] == '+' || s[j] == '-')) ++j;
        const std::size_t dig = j;
        while (j < n && EhDigito(s[j])) ++j;
        if (j > dig) {
            p.expoente = s.substr(i + 1, j - i - 1);
            i = j;
        }
    }
    fim = i;
    return p;
}

// Decimal exponent E of the leading significant digit, as in 0.d... x 10^E;
// only its sign matters, to tell an overflow from an underflow.
long long ExpoenteDecimal(const Partes& p) {
    long long exp = 0;
    for (char c : p.expoente)
        if (EhDigito(c) && exp < 1'000'000'000) exp = exp * 10 + (c - '0');
    if (!p.expoente.empty() && p.expoente[0] == '-') exp = -exp;
    std::size_t k = 0;
    while (k < p.inteira.size() && p.inteira[k] == '0') ++k;
    if (k < p.inteira.size()) return exp + static_cast<long long>(p.inteira.size() - k);
    k = 0;
    while (k < p.fracao.size() && p.fracao[k] == '0') ++k;
    return exp - static_cast<long long>(k);
}

// The value of p rounded once to T; an underflow gives a zero of p's sign,
// an overflow nothing.
template <typename T> std::optional<T> Valor(const Partes& p) {
    // from_chars reads neither a leading "+" nor a comma: rebuild the text in
    // the one form it surely reads.
    std::string t;
    t.reserve(p.inteira.size() + p.fracao.size() + p.expoente.size() + 6);
    if (p.negativo) t += '-';
    t += p.inteira.empty() ? std::string_view("0") : p.inteira;
    t += '.';
    t += p.fracao.empty() ? std::string_view("0") : p.fracao;
    if (!p.expoente.empty()) {
        t += 'e';
        t += p.expoente;
    }
    T v{};
    const auto r = std::from_chars(t.data(), t.data() + t.size(), v, std::chars_format::general);
    if (r.ec == std::errc::result_out_of_range) {
        if (ExpoenteDecimal(p) > 0) return std::nullopt;
        return p.negativo ? -T(0) : T(0);
    }
    if (r.ec != std::errc() || r.ptr != t.data() + t.size() || !std::isfinite(v))
        return std::nullopt;
    return v;
}

template <typename T> std::optional<T> Converte(std::string_view s, char SepDec) {
    std::size_t fim = 0;
    const auto p = LeNumero(s, SepDec, fim);
    if (!p) return std::nullopt;
    while (fim < s.size() && EhBranco(s[fim])) ++fim;
    if (fim != s.size()) return std::nullopt;
    return Valor<T>(*p);
}

} // namespace

std::string& AjSepDecimal(std::string& s, char SepDec) {
    for (char& c : s) {
        if (c == ',' || c == '.') {
            c = SepDec;
            break;
        }
    }
    return s;
}

std::string FormataGeral(double x, int casas, char SepDec) {
    if (casas < 0) casas = 0;
    constexpr std::size_t base = 330;
    if (casas <= 64) {
        char buf[base + 64];
        return std::string(buf, EscreveGeral(buf, sizeof buf, x, casas, SepDec));
    }
    std::string s(base + std::size_t(casas), '\0');
    s.resize(EscreveGeral(s.data(), s.size(), x, casas, SepDec));
    return s;
}

std::string FormataFixo(double x, int casas, char SepDec) {
    std::string t = FormataGeral(x, casas, SepDec);
    if (casas <= 0) return t;
    std::size_t p = t.find(SepDec);
    if (p == std::string::npos) {
        p = t.size();
        t += SepDec;
    }
    t.append(std::size_t(casas) - (t.size() - p - 1), '0');
    return t;
}

std::string FormatValSinal(const double& x, char SepDec) {
    std::string t = FormataFixo(x, 2, SepDec);
    if (x > 0) t.insert(t.begin(), '+');
    return t;
}

std::string FormataInteiro(long long v) {
    char buf[24];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, r.ptr);
}

std::string FormataNumeroG(double x, int digitos, char SepDec) {
    if (x == 0) return "0";
    digitos = std::max(digitos, 1);
    char buf[400];
    auto r = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::scientific, digitos - 1);
    std::string_view t(buf, std::size_t(r.ptr - buf));
    const std::size_t e = t.find('e');
    if (r.ec != std::errc() || e == std::string_view::npos) return std::string(t);
    int X = 0;
    std::from_chars(t.data() + e + (t[e + 1] == '+' ? 2 : 1), t.data() + t.size(), X);
    std::string s;
    if (X >= -4 && X < digitos) {
        r = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::fixed, digitos - 1 - X);
        s.assign(buf, r.ptr);
    } else {
        s.assign(t.substr(0, e));
    }
    if (s.find('.') != std::string::npos) {
        while (s.back() == '0') s.pop_back();
        if (s.back() == '.') s.pop_back();
    }
    if (X < -4 || X >= digitos) {
        s += X < 0 ? "E-" : "E+";
        const std::string exp = FormataInteiro(X < 0 ? -X : X);
        if (exp.size() < 2) s += '0';
        s += exp;
    }
    for (char& c : s)
        if (c == '.') c = SepDec;
    return s;
}

std::optional<double> ConverteNumero(std::string_view s, char SepDec) {
    return Converte<double>(s, SepDec);
}

std::optional<float> ConverteNumeroSimples(std::string_view s, char SepDec) {
    return Converte<float>(s, SepDec);
}

double ValorInicial(std::string_view s) {
    std::size_t fim = 0;
    const auto p = LeNumero(s, '.', fim);
    if (!p) return 0;
    if (const auto v = Valor<double>(*p)) return *v;
    return p->negativo ? -std::numeric_limits<double>::infinity()
                       : std::numeric_limits<double>::infinity();
}

long long ArredondaParInteiro(double x) {
    if (std::isnan(x)) return 0;
    double f = std::floor(x);
    const double resto = x - f; // exact: x and floor(x) share their exponent range
    if (resto > 0.5 || (resto == 0.5 && std::fmod(f, 2.0) != 0)) f += 1;
    constexpr double limite = 9223372036854775808.0; // 2^63
    if (f >= limite) return std::numeric_limits<long long>::max();
    if (f < -limite) return std::numeric_limits<long long>::min();
    return static_cast<long long>(f);
}
