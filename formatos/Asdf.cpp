#include "formatos/Asdf.h"

#include "texto/Caracteres.h"
#include "texto/TextoDecimal.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <system_error>
#include <utility>

namespace jcamp {

namespace {

double Potencia10(int e) {
    return std::pow(10.0, double(std::clamp(e, -400, 400)));
}

// The digits from s[j] onwards into m, j moved past them; false when there
// were too many for m to hold them exactly.
bool AcumulaDigitos(std::string_view s, std::size_t& j, std::uint64_t& m) {
    bool exato = true;
    for (; j < s.size() && EhDigito(s[j]); ++j) {
        if (m < 100'000'000'000'000'000ULL)
            m = m * 10 + std::uint64_t(s[j] - '0');
        else
            exato = false;
    }
    return exato;
}

// The exponent of an AFFN number at s[j], j moved past it; 0 without one.
int LeExpoente(std::string_view s, std::size_t& j) {
    const std::size_t n = s.size();
    int expoente = 0;
    if (j + 2 < n && (s[j] == 'E' || s[j] == 'e') && (s[j + 1] == '+' || s[j + 1] == '-') &&
        EhDigito(s[j + 2])) {
        const bool menos = s[j + 1] == '-';
        for (j += 2; j < n && EhDigito(s[j]); ++j)
            if (expoente < 100000) expoente = expoente * 10 + (s[j] - '0');
        if (menos) expoente = -expoente;
    }
    return expoente;
}

// The digits of an ASDF value whose first digit the character at s[i] gave;
// i moves past them.
Lido LeDigitosAsdf(std::string_view s, std::size_t& i, int primeiro, double& v) {
    const std::size_t n = s.size();
    std::size_t j = i + 1;
    std::uint64_t m = std::uint64_t(primeiro);
    const bool exato = AcumulaDigitos(s, j, m);
    if (exato && !(j < n && s[j] == '.')) {
        v = double(m);
        i = j;
        return Lido::Ok;
    }
    if (j < n && s[j] == '.') {
        ++j;
        while (j < n && EhDigito(s[j])) ++j;
    }
    std::string t(1, char('0' + primeiro));
    t.append(s.substr(i + 1, j - i - 1));
    const auto c = ConverteNumero(t, '.');
    if (!c) return Lido::ForaDaFaixa;
    v = *c;
    i = j;
    return Lido::Ok;
}

// ASDF digits: the first one as a letter of the form, the rest as they are.
void AcrescentaAsdf(std::string& s, long long v, char zero, char positivo, char negativo) {
    char buf[24] = {};
    const auto r = std::to_chars(buf, buf + sizeof buf, v < 0 ? -v : v);
    const int d = buf[0] - '0';
    s += v == 0 ? zero : v > 0 ? char(positivo + d - 1) : char(negativo + d - 1);
    s.append(buf + 1, r.ptr);
}

// The length of v's ASDF token: its first digit is the letter.
std::size_t Algarismos(long long v) {
    std::size_t n = 1;
    for (unsigned long long u = v < 0 ? 0ULL - (unsigned long long)v : v; u >= 10; u /= 10) ++n;
    return n;
}

bool InicioAbsoluto(char c) {
    return EhDigito(c) || c == '+' || c == '-' || c == '.' || c == '@' || (c >= 'A' && c <= 'I') ||
           (c >= 'a' && c <= 'i');
}
bool InicioDiferenca(char c) {
    return c == '%' || (c >= 'J' && c <= 'R') || (c >= 'j' && c <= 'r');
}
bool InicioRepeticao(char c) {
    return (c >= 'S' && c <= 'Z') || c == 's';
}

} // namespace

Lido LeAffn(std::string_view s, std::size_t& i, double& v, double* meia) {
    const std::size_t n = s.size();
    std::size_t j = i;
    const bool negativo = j < n && s[j] == '-';
    if (j < n && (s[j] == '+' || s[j] == '-')) ++j;
    const std::size_t ini = j;
    std::uint64_t m = 0;
    const bool exato = AcumulaDigitos(s, j, m);
    int casas = 0;
    const std::size_t fimInteira = j;
    if (j < n && s[j] == '.')
        for (++j; j < n && EhDigito(s[j]); ++j) ++casas;
    if (fimInteira == ini && casas == 0) return Lido::SemDigitos;
    const int expoente = LeExpoente(s, j);
    if (exato && j == fimInteira) {
        v = double(m);
    } else {
        const auto r = std::from_chars(s.data() + ini, s.data() + j, v);
        if (r.ec != std::errc() || !std::isfinite(v)) {
            // Out of range either way; a tiny value is zero, a huge one refused.
            const auto c = ConverteNumero(s.substr(ini, j - ini), '.');
            if (!c) return Lido::ForaDaFaixa;
            v = *c;
        }
    }
    if (negativo) v = -v;
    if (meia) *meia = 0.5 * Potencia10(expoente - casas);
    i = j;
    return Lido::Ok;
}

std::string Num(double x, char SepDec) {
    return FormataNumeroG(x, 10, SepDec);
}

std::string CaractereInesperado(char c) {
    const unsigned char u = static_cast<unsigned char>(c);
    return u >= 0x20 && u < 0x7F
               ? std::string("caractere inesperado \"") + c + "\" na tabela"
               : "caractere inesperado na tabela (byte " + FormataInteiro(u) + ")";
}

DecodificadorAsdf::DecodificadorAsdf(std::size_t pontos, double fatorY, char SepDec,
                                     std::vector<double>& y)
    : pontos_(pontos), fatorY_(fatorY), sep_(SepDec), y_(y),
      totalPontos_("##NPOINTS= " + FormataInteiro((long long)pontos)) {}

std::optional<std::string> DecodificadorAsdf::Linha(std::string_view s, std::size_t i) {
    cheque_ = false;
    primeiroY_ = true;
    ultimoToken_ = Token::Nada;
    ultimaDif_ = 0;
    while (i < s.size()) {
        const char c = s[i];
        if (EhBranco(c) || c == ',') {
            ++i;
            continue;
        }
        const bool ok = InicioAbsoluto(c)    ? Absoluto(s, i)
                        : InicioDiferenca(c) ? Diferenca(s, i)
                        : InicioRepeticao(c) ? Repeticao(s, i)
                        : c == '?'           ? Recusa("valor desconhecido (\"?\") na tabela")
                                             : Recusa(CaractereInesperado(c));
        if (!ok) return std::move(erro_);
        primeiroY_ = false;
    }
    difNoFim_ = ultimoToken_ == Token::Diferenca;
    return std::nullopt;
}

// AFFN, PAC or SQZ; the line's first value after a DIF line is the Y-check.
bool DecodificadorAsdf::Absoluto(std::string_view s, std::size_t& i) {
    const char c = s[i];
    double v = 0;
    Lido l;
    if (EhDigito(c) || c == '+' || c == '-' || c == '.') {
        l = LeAffn(s, i, v);
    } else {
        const bool negativo = c >= 'a';
        l = LeDigitosAsdf(s, i, c == '@' ? 0 : negativo ? c - 'a' + 1 : c - 'A' + 1, v);
        if (negativo) v = -v;
    }
    if (l == Lido::SemDigitos) return Recusa(std::string("\"") + c + "\" sem número");
    if (l == Lido::ForaDaFaixa) return Recusa("valor fora da faixa");
    if (primeiroY_ && difNoFim_) {
        const double tol = 1e-9 * std::max({1.0, std::fabs(v), std::fabs(ultimo_)});
        if (!(std::fabs(v - ultimo_) <= tol))
            return Recusa("o valor de verificação no início da linha (" + Num(v, sep_) +
                          ") difere do último valor da linha anterior (" + Num(ultimo_, sep_) +
                          ")");
        cheque_ = true;
    } else if (!Acrescenta(v)) {
        return false;
    }
    ultimo_ = v;
    temUltimo_ = true;
    ultimoToken_ = Token::Absoluto;
    return true;
}

bool DecodificadorAsdf::Diferenca(std::string_view s, std::size_t& i) {
    const char c = s[i];
    const bool negativo = c >= 'j';
    double v = 0;
    const Lido l = LeDigitosAsdf(s, i, c == '%' ? 0 : negativo ? c - 'j' + 1 : c - 'J' + 1, v);
    if (l != Lido::Ok) return Recusa("valor fora da faixa");
    if (negativo) v = -v;
    if (!temUltimo_) return Recusa("diferença (DIF) sem valor anterior");
    ultimo_ += v;
    if (!Acrescenta(ultimo_)) return false;
    ultimaDif_ = v;
    ultimoToken_ = Token::Diferenca;
    return true;
}

// The value before, or the DIF before, again: a count of n stands for n - 1 more.
bool DecodificadorAsdf::Repeticao(std::string_view s, std::size_t& i) {
    const char c = s[i];
    double v = 0;
    const Lido l = LeDigitosAsdf(s, i, c == 's' ? 9 : c - 'S' + 1, v);
    if (ultimoToken_ == Token::Nada) return Recusa("repetição (DUP) sem valor antes dela na linha");
    if (l != Lido::Ok || v - 1 > double(pontos_ - y_.size()))
        return Recusa("a tabela passa de " + totalPontos_ + " pontos");
    for (long long k = 1; k < (long long)v; ++k) {
        if (ultimoToken_ == Token::Diferenca) ultimo_ += ultimaDif_;
        if (!Acrescenta(ultimo_)) return false;
    }
    return true;
}

bool DecodificadorAsdf::Acrescenta(double v) {
    if (y_.size() >= pontos_) return Recusa("a tabela passa de " + totalPontos_ + " pontos");
    const double yv = v * fatorY_;
    if (!std::isfinite(v) || !std::isfinite(yv)) return Recusa("valor fora da faixa");
    y_.push_back(yv);
    return true;
}

bool DecodificadorAsdf::Recusa(std::string erro) {
    erro_ = std::move(erro);
    return false;
}

std::string Sqz(long long v) {
    std::string s;
    AcrescentaAsdf(s, v, '@', 'A', 'a');
    return s;
}
std::string Dif(long long v) {
    std::string s;
    AcrescentaAsdf(s, v, '%', 'J', 'j');
    return s;
}
std::string Dup(long long n) {
    char buf[24] = {};
    const auto r = std::to_chars(buf, buf + sizeof buf, n);
    const int d = buf[0] - '0';
    std::string s(1, d == 9 ? 's' : char('S' + d - 1));
    s.append(buf + 1, r.ptr);
    return s;
}

std::size_t ContinuaDifDup(const std::vector<long long>& Y, std::size_t i, std::string& l,
                           std::size_t colunas) {
    std::size_t j = i;
    long long dif = 0, vezes = 0; // the DIF waiting to be written, and its count
    const auto pendente = [&] {
        return vezes == 0 ? 0 : Algarismos(dif) + (vezes > 1 ? Algarismos(vezes) : 0);
    };
    const auto escreve = [&] {
        if (vezes == 0) return;
        l += Dif(dif);
        if (vezes > 1) l += Dup(vezes);
    };
    while (j + 1 < Y.size()) {
        const long long d = Y[j + 1] - Y[j];
        if (vezes > 0 && d == dif) {
            if (l.size() + Algarismos(dif) + Algarismos(vezes + 1) > colunas) break;
            ++vezes;
        } else {
            if (l.size() + pendente() + Algarismos(d) > colunas) break;
            escreve();
            dif = d;
            vezes = 1;
        }
        ++j;
    }
    escreve();
    return j;
}

} // namespace jcamp
