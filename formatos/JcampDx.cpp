#include "formatos/JcampDx.h"

#include "arquivo/ArquivoSeguro.h"

#include "formatos/ArquivoDados.h"
#include "run/Limites.h"
#include "texto/Cp1252.h"
#include "texto/TextoDecimal.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <system_error>
#include <utility>

namespace {

bool EhBranco(char c) {
    return c == ' ' || c == '\t';
}
bool EhDigito(char c) {
    return c >= '0' && c <= '9';
}

std::string_view SemBrancos(std::string_view s) {
    while (!s.empty() && EhBranco(s.front())) s.remove_prefix(1);
    while (!s.empty() && EhBranco(s.back())) s.remove_suffix(1);
    return s;
}

std::string_view SemComentario(std::string_view s) {
    return s.substr(0, s.find("$$"));
}

// Labels, and the words of a few values, compare as JCAMP-DX compares labels:
// without case, blanks, hyphens, slashes or underscores. Nothing this reader
// looks for is long; a longer text comes back as "#", which matches nothing.
std::string Normaliza(std::string_view s) {
    std::string r;
    for (char c : s) {
        if (EhBranco(c) || c == '-' || c == '/' || c == '_') continue;
        if (r.size() == 40) return "#";
        r += c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c;
    }
    return r;
}

// Lines ending in CR LF, LF or CR, numbered from `numero`.
class Linhas {
  public:
    Linhas(std::string_view t, std::size_t ini, int numero)
        : t_(t), pos_(ini), numero_(numero - 1) {}
    bool Proxima(std::string_view& linha) {
        if (pos_ >= t_.size()) return false;
        inicio_ = pos_;
        std::size_t q = pos_;
        while (q < t_.size() && t_[q] != '\n' && t_[q] != '\r') ++q;
        linha = t_.substr(pos_, q - pos_);
        if (q < t_.size()) q += t_[q] == '\r' && q + 1 < t_.size() && t_[q + 1] == '\n' ? 2 : 1;
        pos_ = q;
        ++numero_;
        return true;
    }
    int Numero() const { return numero_; }
    std::size_t Inicio() const { return inicio_; }
    std::size_t Depois() const { return pos_; }

  private:
    std::string_view t_;
    std::size_t pos_, inicio_ = 0;
    int numero_;
};

std::string Num(double x, char SepDec) {
    return FormataNumeroG(x, 10, SepDec);
}

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

constexpr std::array<std::string_view, NChaves> NomesChaves = {"TITLE",
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

Chave Procura(const std::string& nome) {
    for (int c = 0; c < NChaves; ++c)
        if (NomesChaves[std::size_t(c)] == nome) return Chave(c);
    return Nenhuma;
}

// The text after "=" on the label's line, without comment or outer blanks.
struct Valor {
    std::string_view texto;
    int linha = 0; // 0: not given
};
using Valores = std::array<Valor, NChaves>;

// The data lines of ##XYDATA= or ##DATA TABLE=: from the line after the label
// up to the next label.
struct Tabela {
    Valor forma;
    std::size_t ini = 0, fim = 0;
    int primeiraLinha = 0, linhaFim = 0;
    bool xy = false; // ##XYDATA=, not an NTUPLES page
};

struct PaginaBloco {
    Valores v;
    std::optional<Tabela> tabela;
};

// LINK blocks within LINK blocks, as far as this; deeper is refused.
constexpr std::size_t ProfundidadeLink = 8;

// A 1D spectrum has one or two pages; more are kept only as far as this.
constexpr std::size_t PaginasGuardadas = 64;

struct Bloco {
    std::vector<PaginaBloco> paginas = std::vector<PaginaBloco>(1); // [0]: the block's own labels
    int pagina = 0;                                                 // -1 past the kept pages
    std::optional<Tabela> picos; // the first ##PEAK TABLE= or ##XYPOINTS=
    const Valores& v() const { return paginas[0].v; }
    // A label of page p, or the block's when the page does not give it.
    Valor De(std::size_t p, Chave c) const {
        return paginas[p].v[c].linha ? paginas[p].v[c] : paginas[0].v[c];
    }
};

// ---- What a block holds -------------------------------------------------------

std::vector<std::string_view> Lista(std::string_view s) {
    std::vector<std::string_view> r;
    for (;;) {
        const std::size_t v = s.find(',');
        r.push_back(SemBrancos(s.substr(0, v)));
        if (v == std::string_view::npos) return r;
        s.remove_prefix(v + 1);
    }
}

// "(X++(Y..Y))" or "(X++(R..R)), XYDATA": the abscissa and ordinate symbols.
struct Forma {
    std::string x, y;
};
std::optional<Forma> LeForma(std::string_view s) {
    std::string t;
    for (char c : s) {
        if (EhBranco(c)) continue;
        if (c == ',' && !t.empty() && t.back() == ')') break;
        t += c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c;
    }
    const std::size_t mais = t.find("++(");
    const std::size_t pontos = t.find("..");
    if (t.size() < 10 || t[0] != '(' || mais == std::string::npos || pontos == std::string::npos ||
        pontos < mais || t.substr(t.size() - 2) != "))")
        return std::nullopt;
    Forma f{t.substr(1, mais - 1), t.substr(mais + 3, pontos - mais - 3)};
    if (f.x.empty() || f.y.empty() || t.substr(pontos + 2, t.size() - pontos - 4) != f.y)
        return std::nullopt;
    return f;
}

// F1, F2, ...: the frequency axes of a 2D spectrum.
bool EixoDeFrequencia(std::string_view s) {
    return s.size() >= 2 && s[0] == 'F' && EhDigito(s[1]);
}

// The items of a list label that satisfy `cumpre`, compared as labels.
template <class Predicado> int Quantos(std::string_view lista, Predicado cumpre) {
    int n = 0;
    for (std::string_view t : Lista(lista))
        if (cumpre(Normaliza(t))) ++n;
    return n;
}

// "nD NMR SPECTRUM", "2D NMR FID" and the like.
bool TipoMultidimensional(const std::string& tipo) {
    return tipo.size() > 2 && (tipo[0] == 'N' || EhDigito(tipo[0])) && tipo[1] == 'D' &&
           tipo.find("NMR") == 2;
}

enum class Classe { Espectro, Espectro2D, Fid, Picos, SemTabela, Outra, Link, Estrutura };
struct Avaliacao {
    Avaliacao(Classe c, int l = 0, std::string t = {}) : classe(c), linha(l), texto(std::move(t)) {}
    Classe classe;
    int linha;
    std::string texto; // for Outra: the data type as written
};

Avaliacao Avalia(const Bloco& b) {
    const Valores& v = b.v();
    const std::string tipo = Normaliza(v[TipoDados].texto);
    if (tipo == "LINK") return {Classe::Link};
    if (tipo.empty() && v[VersaoCs].linha) return {Classe::Estrutura}; // a molecule, no data
    if (TipoMultidimensional(tipo)) return {Classe::Espectro2D, v[TipoDados].linha};
    if (TipoMultidimensional(Normaliza(v[NTuplas].texto)))
        return {Classe::Espectro2D, v[NTuplas].linha};
    // ##NUM DIM= alone says nothing: some programs write 2 for a 1D spectrum
    // with its real and imaginary parts.
    const auto independente = [](std::string_view t) { return t == "INDEPENDENT"; };
    if (Quantos(v[TiposVar].texto, independente) > 1)
        return {Classe::Espectro2D, v[TiposVar].linha};
    if (Quantos(v[Simbolos].texto, EixoDeFrequencia) > 1)
        return {Classe::Espectro2D, v[Simbolos].linha};
    bool temTabela = false;
    for (const PaginaBloco& p : b.paginas) {
        if (!p.tabela) continue;
        temTabela = true;
        if (const auto f = LeForma(p.tabela->forma.texto); f && EixoDeFrequencia(f->x))
            return {Classe::Espectro2D, p.tabela->forma.linha};
    }
    if (tipo.find("FID") != std::string::npos) return {Classe::Fid, v[TipoDados].linha};
    const bool soPicos = !temTabela && b.picos;
    if (!tipo.empty() && tipo != "NMRSPECTRUM" && !(soPicos && tipo == "NMRPEAKTABLE"))
        return {Classe::Outra, v[TipoDados].linha, std::string(v[TipoDados].texto)};
    if (soPicos) return {Classe::Picos};
    if (!temTabela) return {Classe::SemTabela, v[Titulo].linha};
    return {Classe::Espectro};
}

// ---- Numbers of the data lines --------------------------------------------------

enum class Lido { Ok, SemDigitos, ForaDaFaixa };

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

// An AFFN number at s[i] ([+-]digits[.digits][E(+|-)digits]); i moves past it.
// An "E" is an exponent only with its sign, since without one it is the SQZ
// digit 5. `meia` receives half a unit in the last digit written.
Lido LeAffn(std::string_view s, std::size_t& i, double& v, double* meia = nullptr) {
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
    int expoente = 0;
    if (j + 2 < n && (s[j] == 'E' || s[j] == 'e') && (s[j + 1] == '+' || s[j + 1] == '-') &&
        EhDigito(s[j + 2])) {
        const bool menos = s[j + 1] == '-';
        for (j += 2; j < n && EhDigito(s[j]); ++j)
            if (expoente < 100000) expoente = expoente * 10 + (s[j] - '0');
        if (menos) expoente = -expoente;
    }
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

struct Falha {
    int linha;
    std::string erro;
};

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
    std::optional<std::string> Confere(double xBruto, double meiaX, std::size_t k) {
        const double x = xBruto * g_.fatorX;
        const double meia = meiaX * std::fabs(g_.fatorX);
        if (++linhas_ == 1) {
            desloc = x - g_.primeiroX;
            meiaPrimeira = meia;
            primeiraNoZero_ = xBruto == 0;
            return std::nullopt;
        }
        if (indices) return DoIndice(xBruto, k);
        auto erro = DaGrade(x, meia, k);
        if (erro && linhas_ == 2 && primeiraNoZero_ && !DoIndice(xBruto, k)) {
            indices = true;
            return std::nullopt;
        }
        return erro;
    }

    double desloc = 0;       // the first line's X less ##FIRSTX
    double meiaPrimeira = 0; // the rounding of that X as written
    bool indices = false;    // the lines' X are point indices

  private:
    std::optional<std::string> DaGrade(double x, double meia, std::size_t k) const {
        const double esperado = g_.primeiroX + desloc + double(k) * g_.delta;
        const double tol = 0.5 * std::fabs(g_.delta) + meia + meiaPrimeira +
                           1e-12 * (std::fabs(x) + std::fabs(esperado));
        if (std::fabs(x - esperado) <= tol) return std::nullopt;
        return "a abscissa da linha (" + Num(x, g_.SepDec) + " " + g_.unidade +
               ") não segue a sequência de ##FIRSTX= a ##LASTX= (esperado " +
               Num(esperado, g_.SepDec) + " " + g_.unidade + ")";
    }
    std::optional<std::string> DoIndice(double xBruto, std::size_t k) const {
        if (std::fabs(xBruto - double(k)) <= 0.5) return std::nullopt;
        return "a abscissa da linha (" + Num(xBruto, g_.SepDec) +
               ") não é o índice do seu primeiro ponto (esperado " + FormataInteiro((long long)k) +
               ")";
    }
    const Grade& g_;
    int linhas_ = 0;
    bool primeiraNoZero_ = false;
};

// Decodes the Y values of the table into y (times YFACTOR), checking each
// line's X through eixo.
std::optional<Falha> Decodifica(std::string_view bytes, const Tabela& t, const Grade& g,
                                std::vector<double>& y, EixoDasLinhas& eixo) {
    y.clear();
    // A header value must not size an allocation: the table's own bytes do.
    y.reserve(std::min(g.N, t.fim - t.ini));
    Linhas ls(bytes.substr(0, t.fim), t.ini, t.primeiraLinha);
    std::string_view linha;
    bool difNoFim = false; // the previous line ended in DIF form: this one opens with its Y-check
    bool temUltimo = false;
    double ultimo = 0;
    const std::string totalPontos = "##NPOINTS= " + FormataInteiro((long long)g.N);
    while (ls.Proxima(linha)) {
        const int n = ls.Numero();
        const std::string_view s = SemBrancos(SemComentario(linha));
        if (s.empty()) continue;
        const auto falha = [n](std::string erro) { return Falha{n, std::move(erro)}; };
        std::size_t i = 0;
        double x = 0, meiaX = 0;
        const Lido lx = LeAffn(s, i, x, &meiaX);
        if (lx == Lido::ForaDaFaixa) return falha("a abscissa X está fora da faixa");
        if (lx == Lido::SemDigitos) return falha("falta a abscissa X no início da linha");

        const std::size_t antes = y.size();
        bool cheque = false, primeiroY = true;
        enum { Nada, Absoluto, Diferenca } ultimoToken = Nada;
        double ultimaDif = 0;
        const auto acrescenta = [&](double v) -> std::optional<Falha> {
            if (y.size() >= g.N) return falha("a tabela passa de " + totalPontos + " pontos");
            const double yv = v * g.fatorY;
            if (!std::isfinite(v) || !std::isfinite(yv)) return falha("valor fora da faixa");
            y.push_back(yv);
            return std::nullopt;
        };
        while (i < s.size()) {
            const char c = s[i];
            double v = 0;
            Lido l = Lido::Ok;
            if (EhBranco(c) || c == ',') {
                ++i;
                continue;
            }
            if (EhDigito(c) || c == '+' || c == '-' || c == '.' || c == '@' ||
                (c >= 'A' && c <= 'I') || (c >= 'a' && c <= 'i')) {
                // An absolute value: AFFN, PAC or SQZ.
                if (EhDigito(c) || c == '+' || c == '-' || c == '.') {
                    l = LeAffn(s, i, v);
                } else {
                    const bool negativo = c >= 'a';
                    l = LeDigitosAsdf(s, i, c == '@' ? 0 : negativo ? c - 'a' + 1 : c - 'A' + 1, v);
                    if (negativo) v = -v;
                }
                if (l == Lido::SemDigitos) return falha(std::string("\"") + c + "\" sem número");
                if (l == Lido::ForaDaFaixa) return falha("valor fora da faixa");
                if (primeiroY && difNoFim) {
                    const double tol = 1e-9 * std::max({1.0, std::fabs(v), std::fabs(ultimo)});
                    if (!(std::fabs(v - ultimo) <= tol))
                        return falha("o valor de verificação no início da linha (" +
                                     Num(v, g.SepDec) +
                                     ") difere do último valor da linha anterior (" +
                                     Num(ultimo, g.SepDec) + ")");
                    cheque = true;
                } else if (auto f = acrescenta(v)) {
                    return f;
                }
                ultimo = v;
                temUltimo = true;
                ultimoToken = Absoluto;
            } else if (c == '%' || (c >= 'J' && c <= 'R') || (c >= 'j' && c <= 'r')) {
                const bool negativo = c >= 'j';
                l = LeDigitosAsdf(s, i, c == '%' ? 0 : negativo ? c - 'j' + 1 : c - 'J' + 1, v);
                if (l != Lido::Ok) return falha("valor fora da faixa");
                if (negativo) v = -v;
                if (!temUltimo) return falha("diferença (DIF) sem valor anterior");
                ultimo += v;
                if (auto f = acrescenta(ultimo)) return f;
                ultimaDif = v;
                ultimoToken = Diferenca;
            } else if ((c >= 'S' && c <= 'Z') || c == 's') {
                l = LeDigitosAsdf(s, i, c == 's' ? 9 : c - 'S' + 1, v);
                if (ultimoToken == Nada)
                    return falha("repetição (DUP) sem valor antes dela na linha");
                if (l != Lido::Ok || v - 1 > double(g.N - y.size()))
                    return falha("a tabela passa de " + totalPontos + " pontos");
                for (long long k = 1; k < (long long)v; ++k) {
                    if (ultimoToken == Diferenca) ultimo += ultimaDif;
                    if (auto f = acrescenta(ultimo)) return f;
                }
            } else if (c == '?') {
                return falha("valor desconhecido (\"?\") na tabela");
            } else {
                const unsigned char u = static_cast<unsigned char>(c);
                return falha(u >= 0x20 && u < 0x7F
                                 ? std::string("caractere inesperado \"") + c + "\" na tabela"
                                 : "caractere inesperado na tabela (byte " + FormataInteiro(u) +
                                       ")");
            }
            primeiroY = false;
        }
        difNoFim = ultimoToken == Diferenca;

        // The line's X is that of its first point, the Y-check's point included.
        if (!std::isfinite(x * g.fatorX)) return falha("a abscissa X está fora da faixa");
        if (auto erro = eixo.Confere(x, meiaX, cheque ? antes - 1 : antes)) return falha(*erro);
    }
    if (y.size() < g.N && !(g.umAMenos && y.size() + 1 == g.N))
        return Falha{t.linhaFim, "a tabela termina com " + FormataInteiro((long long)y.size()) +
                                     " pontos; " + totalPontos};
    return std::nullopt;
}

// Decimals of a number as written, "400.13" 2, "4.0013E2" 2.
int CasasDoTexto(std::string_view s) {
    const std::size_t ponto = s.find('.');
    int casas = 0;
    if (ponto != std::string_view::npos)
        for (std::size_t i = ponto + 1; i < s.size() && EhDigito(s[i]); ++i) ++casas;
    const std::size_t e = s.find_first_of("Ee");
    if (e != std::string_view::npos)
        if (const auto x = ConverteNumero(s.substr(e + 1), '.'))
            casas -= int(std::clamp(*x, -1000.0, 1000.0));
    return std::clamp(casas, 0, 6);
}

// Valid UTF-8 stays as it is, anything else is Windows-1252; control
// characters become blanks.
std::string TextoUtf8(std::string_view s) {
    bool naoAscii = false;
    std::string r = Utf8Valido(s, naoAscii) ? std::string(s) : De1252(s);
    for (char& c : r)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = ' ';
    return r;
}

// ##XUNITS= (hz receives whether it is Hz) and ##.OBSERVE FREQUENCY=, which
// x in Hz cannot do without.
std::optional<Falha> LeUnidadeEFrequencia(const Valor& vUnid, const Valor& vMHz, int linhaTabela,
                                          bool& hz, EspectroExperimental& e) {
    const std::string unidade = Normaliza(vUnid.texto);
    if (!vUnid.linha) return Falha{linhaTabela, "falta ##XUNITS="};
    if (unidade != "HZ" && unidade != "PPM")
        return Falha{vUnid.linha,
                     "as abscissas devem estar em HZ ou PPM, não em " + TextoUtf8(vUnid.texto)};
    hz = unidade == "HZ";
    if (vMHz.linha) {
        const auto mhz = ConverteNumero(vMHz.texto, '.');
        if (!mhz || !(*mhz > 0) || *mhz > MHzMaximo)
            return Falha{vMHz.linha, "##.OBSERVE FREQUENCY= deve ser um número maior que zero e "
                                     "no máximo 100000 (MHz)"};
        e.MHz = *mhz;
        e.TextoMHz = vMHz.texto;
        e.CasasMHz = CasasDoTexto(vMHz.texto);
    } else if (hz) {
        return Falha{linhaTabela, "falta ##.OBSERVE FREQUENCY=: sem a freqüência do "
                                  "espectrômetro as posições em Hz não se põem em ppm"};
    }
    return std::nullopt;
}

// The title and nucleus, and a warning when the nucleus is not 1H.
void Identifica(const Valor& titulo, const Valor& vNucleo, EspectroExperimental& e,
                std::vector<std::string>& avisos) {
    e.Titulo = TextoUtf8(titulo.texto);
    e.Nucleo = TextoUtf8(vNucleo.texto);
    std::string nucleo;
    for (char c : Normaliza(e.Nucleo))
        if (c != '^') nucleo += c;
    if (nucleo.empty())
        avisos.push_back("o arquivo não diz o núcleo observado (##.OBSERVE NUCLEUS=); "
                         "supõe-se 1H");
    else if (nucleo != "1H" && nucleo != "H1")
        avisos.push_back("o núcleo observado é " + e.Nucleo +
                         ", não 1H: o espectro foi lido, mas a simulação é de prótons");
}

// A factor label: 1 when absent, never 0.
std::optional<Falha> Fator(const Valor& v, const char* rotulo, double& f) {
    if (!v.linha) return std::nullopt;
    const auto x = ConverteNumero(v.texto, '.');
    if (!x) return Falha{v.linha, std::string("o valor de ##") + rotulo + "= não é um número"};
    if (*x == 0) return Falha{v.linha, std::string("o fator (##") + rotulo + "=) é zero"};
    f = *x;
    return std::nullopt;
}

// The x, y pairs of a (XY..XY) table, x in the block's unit, one peak each:
// pairs apart by blanks or ";", x and y by a comma or blanks.
std::optional<Falha> LePicos(std::string_view bytes, const Bloco& b, EspectroExperimental& e) {
    const Tabela& tab = *b.picos;
    const Valores& v = b.v();
    if (Normaliza(tab.forma.texto) != "(XY..XY)")
        return Falha{tab.forma.linha, "tabela de picos em forma não aceita: só (XY..XY)"};
    double fatorX = 1, fatorY = 1;
    if (auto f = Fator(v[FatorX], "XFACTOR", fatorX)) return f;
    if (auto f = Fator(v[FatorY], "YFACTOR", fatorY)) return f;
    bool hz = false;
    if (auto f = LeUnidadeEFrequencia(v[UnidadesX], v[Frequencia], tab.forma.linha, hz, e))
        return f;

    Linhas ls(bytes.substr(0, tab.fim), tab.ini, tab.primeiraLinha);
    std::string_view linha;
    while (ls.Proxima(linha)) {
        const std::string_view s = SemBrancos(SemComentario(linha));
        const auto falha = [&ls](std::string erro) { return Falha{ls.Numero(), std::move(erro)}; };
        bool x = true;
        for (std::size_t i = 0; i < s.size();) {
            if (EhBranco(s[i]) || s[i] == ',' || s[i] == ';') {
                ++i;
                continue;
            }
            double valor = 0;
            const Lido l = LeAffn(s, i, valor);
            if (l == Lido::ForaDaFaixa) return falha("valor fora da faixa");
            if (l == Lido::SemDigitos) {
                const unsigned char u = static_cast<unsigned char>(s[i]);
                return falha(u >= 0x20 && u < 0x7F
                                 ? std::string("caractere inesperado \"") + s[i] + "\" na tabela"
                                 : "caractere inesperado na tabela (byte " + FormataInteiro(u) +
                                       ")");
            }
            if (x && e.Ppm.size() == PontosMaximosJcamp)
                return falha("a tabela passa do limite de " +
                             FormataInteiro((long long)PontosMaximosJcamp) + " picos");
            const double p = valor * (x ? fatorX : fatorY) / (x && hz ? e.MHz : 1);
            if (!std::isfinite(p)) return falha("valor fora da faixa");
            (x ? e.Ppm : e.Intensidade).push_back(p);
            x = !x;
        }
        if (!x) return falha("a linha termina num X sem o seu Y");
    }
    if (e.Ppm.empty()) return Falha{tab.linhaFim, "a tabela de picos não traz nenhum pico"};
    if (v[NPontos].linha)
        if (const auto n = ConverteNumero(v[NPontos].texto, '.'); !n || *n != double(e.Ppm.size()))
            return Falha{tab.linhaFim, "a tabela traz " + FormataInteiro((long long)e.Ppm.size()) +
                                           " picos; ##NPOINTS= " + std::string(v[NPontos].texto)};
    e.Picos = true;
    return std::nullopt;
}

} // namespace

LeituraJcamp LeArquivoJcamp(const std::string& caminho, char SepDec) {
    std::string bytes;
    if (auto erro = LeArquivo(caminho, TamanhoMaximoJcamp, "64 MB", bytes)) {
        LeituraJcamp r;
        r.erro = erro->texto;
        return r;
    }
    return LeJcampDx(bytes, SepDec);
}

std::string LeituraJcamp::Mensagem() const {
    return linha > 0 ? "linha " + FormataInteiro(linha) + ": " + erro : erro;
}
namespace {

// Hz from an origin of the instrument's choosing become ppm from the
// reference: ##.SHIFT REFERENCE= (kind, compound, point, ppm) gives the ppm
// of one point; without it, or with point 0 (none), Bruker's ##$OFFSET=
// gives the ppm of the first, and without that the Hz are from the reference.
std::optional<Falha> Referencia(const Valor& referencia, const Valor& offset,
                                std::vector<double>& ppm) {
    std::size_t ponto = 0;
    std::optional<double> valor;
    int linha = 0;
    if (referencia.linha) {
        linha = referencia.linha;
        std::string_view t = referencia.texto;
        if (!t.empty() && t.front() == '(') t.remove_prefix(1);
        if (!t.empty() && t.back() == ')') t.remove_suffix(1);
        std::vector<std::string_view> campos;
        for (std::size_t virgula; (virgula = t.find(',')) != std::string_view::npos;
             t.remove_prefix(virgula + 1))
            campos.push_back(t.substr(0, virgula));
        campos.push_back(t);
        const auto p = campos.size() == 4 ? ConverteNumero(campos[2], '.') : std::nullopt;
        valor = campos.size() == 4 ? ConverteNumero(campos[3], '.') : std::nullopt;
        if (!p || !valor || *p < 0 || *p > double(ppm.size()) || *p != std::floor(*p))
            return Falha{linha, "##.SHIFT REFERENCE= deve ser (tipo, composto, ponto, ppm) "
                                "com um ponto do espectro"};
        ponto = std::size_t(*p);
    }
    if (ponto == 0) {
        if (!offset.linha) return std::nullopt;
        linha = offset.linha;
        valor = ConverteNumero(offset.texto, '.');
        if (!valor) return Falha{linha, "##$OFFSET= não é um número"};
        ponto = 1;
    }
    const double desloc = *valor - ppm[ponto - 1];
    for (double& x : ppm) {
        x += desloc;
        if (!std::isfinite(x)) return Falha{linha, "as posições em ppm saem da faixa dos números"};
    }
    return std::nullopt;
}

} // namespace

LeituraJcamp LeJcampDx(std::string_view bytes, char SepDec) {
    LeituraJcamp r;
    const auto falha = [&r](int linha, std::string erro) {
        r.linha = linha;
        r.erro = std::move(erro);
        r.avisos.clear();
        return r;
    };
    if (bytes.size() > TamanhoMaximoJcamp)
        return falha(0, "o arquivo é grande demais (mais de 64 MB)");
    if (bytes.empty()) return falha(0, "o arquivo está vazio");
    if (const std::size_t nulo = bytes.find('\0'); nulo != std::string_view::npos) {
        Linhas ls(bytes.substr(0, nulo + 1), 0, 1);
        std::string_view l;
        int linha = 0;
        while (ls.Proxima(l)) linha = ls.Numero();
        return falha(linha, "byte nulo: não é um arquivo de texto");
    }
    const std::size_t bom = bytes.substr(0, 3) == "\xEF\xBB\xBF" ? 3 : 0;

    // ---- The blocks: the first 1D NMR spectrum is kept, every block checked
    // for its end.
    std::vector<Bloco> pilha;
    std::optional<Bloco> escolhido, picos;
    std::optional<Avaliacao> dd, fid, semTabela, outra;
    bool algumBloco = false;
    Tabela* aberta = nullptr; // in pilha.back(), closed by the next label
    Linhas ls(bytes, bom, 1);
    std::string_view linha;
    int ultimaLinha = 0;
    while (ls.Proxima(linha)) {
        const int n = ultimaLinha = ls.Numero();
        std::string_view t = linha;
        while (!t.empty() && EhBranco(t.front())) t.remove_prefix(1);
        const std::size_t igual = t.find('=');
        if (t.substr(0, 2) != "##" || igual == std::string_view::npos) {
            if (!algumBloco && !SemBrancos(SemComentario(t)).empty())
                return falha(n, "não é um arquivo JCAMP-DX: o texto deveria começar por ##TITLE=");
            continue; // a data line, a value continued, or text between blocks
        }
        if (aberta) {
            aberta->fim = ls.Inicio();
            aberta->linhaFim = n;
            aberta = nullptr;
        }
        const Chave chave = Procura(Normaliza(t.substr(2, igual - 2)));
        const Valor valor{SemBrancos(SemComentario(t.substr(igual + 1))), n};
        if (chave == Titulo) {
            if (!pilha.empty()) {
                if (Normaliza(pilha.back().v()[TipoDados].texto) != "LINK")
                    return falha(n, "##TITLE= antes do ##END= do bloco da linha " +
                                        FormataInteiro(pilha.back().v()[Titulo].linha));
                if (pilha.size() > ProfundidadeLink)
                    return falha(pilha.back().v()[Titulo].linha,
                                 "blocos LINK aninhados em mais de " +
                                     FormataInteiro((long long)ProfundidadeLink) + " níveis");
            }
            pilha.emplace_back();
            pilha.back().paginas[0].v[Titulo] = valor;
            algumBloco = true;
            continue;
        }
        if (pilha.empty()) {
            if (!algumBloco)
                return falha(n,
                             "não é um arquivo JCAMP-DX: o primeiro rótulo deveria ser ##TITLE=");
            continue;
        }
        Bloco& b = pilha.back();
        if (chave == Fim) {
            Avaliacao a = Avalia(b);
            if (a.classe == Classe::Espectro && !escolhido) escolhido = std::move(b);
            if (a.classe == Classe::Picos && !picos) picos = std::move(b);
            const auto guarda = [&a](std::optional<Avaliacao>& o) {
                if (!o) o = std::move(a);
            };
            if (a.classe == Classe::Espectro2D) guarda(dd);
            if (a.classe == Classe::Fid) guarda(fid);
            if (a.classe == Classe::SemTabela) guarda(semTabela);
            if (a.classe == Classe::Outra) guarda(outra);
            pilha.pop_back();
            continue;
        }
        if (chave == Pagina) {
            if (b.pagina >= 0 && b.paginas.size() < PaginasGuardadas) {
                b.paginas.emplace_back();
                b.pagina = int(b.paginas.size()) - 1;
            } else {
                b.pagina = -1;
            }
        }
        if (chave == Nenhuma || b.pagina < 0) continue;
        PaginaBloco& p = b.paginas[std::size_t(b.pagina)];
        if (!p.v[chave].linha) p.v[chave] = valor;
        if ((chave == XyDados || chave == TabelaDados) && !p.tabela) {
            p.tabela = Tabela{valor, ls.Depois(), bytes.size(), n + 1, n + 1, chave == XyDados};
            aberta = &*p.tabela;
        }
        if ((chave == TabelaPicos || chave == PontosXy) && !b.picos) {
            b.picos = Tabela{valor, ls.Depois(), bytes.size(), n + 1, n + 1, false};
            aberta = &*b.picos;
        }
    }
    if (!pilha.empty()) {
        if (aberta)
            return falha(ultimaLinha,
                         "o arquivo termina no meio da tabela de dados, sem ##END= (truncado?)");
        return falha(ultimaLinha, "o arquivo termina sem o ##END= do bloco da linha " +
                                      FormataInteiro(pilha.back().v()[Titulo].linha) +
                                      " (truncado?)");
    }
    if (!algumBloco) return falha(0, "não é um arquivo JCAMP-DX: não há ##TITLE=");
    if (!escolhido && picos) {
        EspectroExperimental e;
        if (auto f = LePicos(bytes, *picos, e)) return falha(f->linha, std::move(f->erro));
        Identifica(picos->v()[Titulo], picos->v()[Nucleo], e, r.avisos);
        r.espectro = std::move(e);
        return r;
    }
    if (!escolhido) {
        if (dd) return falha(dd->linha, "espectros 2D não são aceitos, só espectros 1D");
        if (fid)
            return falha(fid->linha, "o arquivo traz o FID (o sinal no tempo), não o espectro");
        if (semTabela)
            return falha(semTabela->linha, "o espectro não traz nenhuma tabela (##XYDATA=, "
                                           "##DATA TABLE=, ##XYPOINTS= ou ##PEAK TABLE=)");
        if (outra)
            return falha(outra->linha,
                         "não é um espectro de RMN (##DATA TYPE= " + TextoUtf8(outra->texto) + ")");
        return falha(0, "o arquivo não traz nenhum espectro");
    }

    // ---- The table of the chosen block and what it must agree with.
    const Bloco& b = *escolhido;
    const Valores& v = b.v();
    const bool ntuplas = !(b.paginas[0].tabela && b.paginas[0].tabela->xy);
    std::optional<std::size_t> escolhida;
    std::optional<Forma> forma;
    std::size_t ix = 0, iy = 0;
    const std::vector<std::string_view> simbolos = Lista(v[Simbolos].texto);
    const std::vector<std::string_view> nomes = Lista(v[NomesVar].texto);
    const auto indice = [&simbolos](const std::string& s) {
        for (std::size_t k = 0; k < simbolos.size(); ++k)
            if (Normaliza(simbolos[k]) == s) return k;
        return simbolos.size();
    };
    if (!ntuplas) {
        escolhida = 0;
        forma = LeForma(b.paginas[0].tabela->forma.texto);
        if (!forma || forma->x != "X")
            return falha(b.paginas[0].tabela->forma.linha,
                         "tabela em forma não aceita: só (X++(Y..Y))");
    } else {
        // The real part: the first page whose ordinate is not the imaginary one.
        if (!v[Simbolos].linha)
            return falha(v[Titulo].linha, "as tabelas NTUPLES precisam de ##SYMBOL=");
        for (std::size_t k = 0; k < b.paginas.size() && !escolhida; ++k) {
            if (!b.paginas[k].tabela) continue;
            const auto f = LeForma(b.paginas[k].tabela->forma.texto);
            if (!f)
                return falha(b.paginas[k].tabela->forma.linha,
                             "tabela em forma não aceita: só (X++(Y..Y))");
            const std::size_t j = indice(f->y);
            const std::string nome = j < nomes.size() ? Normaliza(nomes[j]) : "";
            if (nome.find("IMAG") != std::string::npos || (nome.empty() && f->y == "I")) continue;
            escolhida = k;
            forma = f;
        }
        if (!escolhida)
            return falha(v[NTuplas].linha ? v[NTuplas].linha : v[Titulo].linha,
                         "as páginas NTUPLES não trazem a parte real do espectro");
        ix = indice(forma->x);
        iy = indice(forma->y);
        if (ix == simbolos.size() || iy == simbolos.size())
            return falha(b.paginas[*escolhida].tabela->forma.linha,
                         "a tabela usa um símbolo que ##SYMBOL= não lista");
    }
    const std::size_t pg = *escolhida;
    const Tabela& tab = *b.paginas[pg].tabela;

    // A header value: in NTUPLES the abscissa's or ordinate's item of the
    // list label, otherwise (or when the list lacks it) the plain label.
    struct Item {
        Valor v;
        std::string_view rotulo;
    };
    const auto item = [&](Chave plana, Chave lista, bool ordenada) -> Item {
        if (ntuplas) {
            const Valor l = b.De(pg, lista);
            const std::vector<std::string_view> itens = Lista(l.texto);
            const std::size_t k = ordenada ? iy : ix;
            if (l.linha && k < itens.size() && !itens[k].empty())
                return {{itens[k], l.linha}, lista == DimVar ? "VAR_DIM" : NomesChaves[lista]};
        }
        return {b.De(pg, plana), NomesChaves[plana]};
    };
    std::optional<Falha> erro;
    const auto numero = [&](const Item& it,
                            std::optional<double> padrao = std::nullopt) -> std::optional<double> {
        const std::string rotulo = "##" + std::string(it.rotulo) + "=";
        if (!it.v.linha) {
            if (!padrao) erro = Falha{tab.forma.linha, "falta " + rotulo};
            return padrao;
        }
        const auto x = ConverteNumero(it.v.texto, '.');
        if (!x) erro = Falha{it.v.linha, "o valor de " + rotulo + " não é um número"};
        return x;
    };
    const Item iN = ntuplas && !b.De(pg, NPontos).linha ? item(NPontos, DimVar, false)
                                                        : Item{b.De(pg, NPontos), "NPOINTS"};
    const Item iPrimeiro = item(PrimeiroX, Primeiros, false);
    const Item iUltimo = item(UltimoX, Ultimos, false);
    const Item iFatorX = item(FatorX, Fatores, false);
    const Item iFatorY = item(FatorY, Fatores, true);
    const auto N = numero(iN);
    if (!N) return falha(erro->linha, erro->erro);
    if (!(*N >= 1) || *N != std::floor(*N))
        return falha(iN.v.linha, "##NPOINTS= deve ser um número inteiro maior que zero");
    if (*N > double(PontosMaximosJcamp))
        return falha(iN.v.linha, "##NPOINTS= passa do limite de " +
                                     FormataInteiro((long long)PontosMaximosJcamp) + " pontos");
    const auto primeiroX = numero(iPrimeiro);
    if (!primeiroX) return falha(erro->linha, erro->erro);
    std::optional<double> ultimoX;
    if (iUltimo.v.linha || !b.De(pg, DeltaX).linha)
        ultimoX = numero(iUltimo);
    else if (const auto d = numero({b.De(pg, DeltaX), "DELTAX"}))
        ultimoX = *primeiroX + (*N - 1) * *d;
    if (!ultimoX) return falha(erro->linha, erro->erro);
    const auto fatorX = numero(iFatorX, 1.0);
    const auto fatorY = numero(iFatorY, 1.0);
    if (!fatorX || !fatorY) return falha(erro->linha, erro->erro);
    if (*fatorX == 0) return falha(iFatorX.v.linha, "o fator de X (##XFACTOR=) é zero");
    if (*fatorY == 0) return falha(iFatorY.v.linha, "o fator de Y (##YFACTOR=) é zero");

    bool hz = false;
    EspectroExperimental e;
    if (auto f = LeUnidadeEFrequencia(item(UnidadesX, Unidades, false).v, b.De(pg, Frequencia),
                                      tab.forma.linha, hz, e))
        return falha(f->linha, std::move(f->erro));

    const std::size_t pontos = std::size_t(*N);
    const double delta = pontos > 1 ? (*ultimoX - *primeiroX) / double(pontos - 1) : 0;
    if (!std::isfinite(delta))
        return falha(iUltimo.v.linha, "##FIRSTX= e ##LASTX= fora da faixa dos números");
    // A count written as a real number comes from a writer that may leave
    // out the last point.
    const bool nReal = pontos > 1 && iN.v.texto.find_first_of(".Ee") != std::string_view::npos;
    const Grade g{pontos, *primeiroX, delta, *fatorX, *fatorY, hz ? "Hz" : "ppm", SepDec, nReal};
    EixoDasLinhas eixo(g);
    if (auto f = Decodifica(bytes, tab, g, e.Intensidade, eixo))
        return falha(f->linha, std::move(f->erro));

    e.Ppm.resize(e.Intensidade.size());
    for (std::size_t k = 0; k < e.Ppm.size(); ++k) {
        const double x = k + 1 == pontos ? *ultimoX : *primeiroX + double(k) * delta;
        e.Ppm[k] = hz ? x / e.MHz : x;
        if (!std::isfinite(e.Ppm[k]))
            return falha(tab.forma.linha, "as posições em ppm saem da faixa dos números");
    }
    if (hz)
        if (auto f = Referencia(b.De(pg, ReferenciaDesloc), b.De(pg, DeslocBruker), e.Ppm))
            return falha(f->linha, std::move(f->erro));
    Identifica(v[Titulo], b.De(pg, Nucleo), e, r.avisos);
    // Some instruments number the lines' X from another origin than
    // ##FIRSTX; the lines still follow one another, and the header places
    // the points.
    const auto meiaTexto = [](std::string_view s) {
        double x = 0, meia = 0;
        std::size_t i = 0;
        LeAffn(s, i, x, &meia);
        return meia;
    };
    const double tolDesloc = 0.01 * std::fabs(delta) + eixo.meiaPrimeira +
                             meiaTexto(iPrimeiro.v.texto) + 1e-12 * std::fabs(*primeiroX);
    if (!eixo.indices && !(std::fabs(eixo.desloc) <= tolDesloc))
        r.avisos.push_back("o eixo das linhas de dados está deslocado " + Num(eixo.desloc, SepDec) +
                           " " + g.unidade +
                           " do que o cabeçalho declara; as posições seguem o cabeçalho");
    if (e.Ppm.size() < pontos)
        r.avisos.push_back("a tabela tem " + FormataInteiro((long long)e.Ppm.size()) +
                           " pontos, um a menos que ##NPOINTS=; os pontos seguem de "
                           "##FIRSTX= com o espaçamento de ##FIRSTX= a ##LASTX=, e o último fica "
                           "em " +
                           Num(e.Ppm.back(), SepDec) + " ppm");
    r.espectro = std::move(e);
    return r;
}

// ---- The writer -----------------------------------------------------------------

namespace {

// The shortest text that reads back as the same double, with "E".
std::string Exato(double x) {
    char buf[32];
    const auto r = std::to_chars(buf, buf + sizeof buf, x);
    std::string s(buf, r.ptr);
    for (char& c : s)
        if (c == 'e') c = 'E';
    return s;
}

// x with `digitos` significant digits, general form.
std::string ComDigitos(double x, int digitos) {
    char buf[48];
    const auto r = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::general, digitos);
    std::string s(buf, r.ptr);
    for (char& c : s)
        if (c == 'e') c = 'E';
    return s;
}

const char* const LetrasLatinas = // U+00C0..U+017F; '*' for the ones spelt with two letters
    "AAAAAA*CEEEEIIIIDNOOOOOxOUUUUY**aaaaaa*ceeeeiiiidnooooo/ouuuuy*y"
    "AaAaAaCcCcCcCcDdDdEeEeEeEeEeGgGgGgGgHhHhIiIiIiIiIi**JjKkkLlLlLlL"
    "lLlNnNnNn*NnOoOoOo**RrRrRrSsSsSsSsTtTtTtUuUuUuUuUuUuWwYyYZzZzZzs";

// The names other NMR programs' readers know, whatever their language.
const char* const NomesGregos[] = {
    "alpha", "beta",   "gamma",   "delta", "epsilon", "zeta",    "eta",  "theta", "iota",
    "kappa", "lambda", "mu",      "nu",    "xi",      "omicron", "pi",   "rho",   "sigma",
    "sigma", "tau",    "upsilon", "phi",   "chi",     "psi",     "omega"};

bool Grega(char32_t c) {
    return (c >= 0x391 && c <= 0x3A9) || (c >= 0x3B1 && c <= 0x3C9);
}

// What the letters above do not cover; the rest becomes "?".
struct Grafia {
    char32_t c;
    const char* ascii;
};
constexpr Grafia OutrasGrafias[] = {
    {0xA0, " "},    {0xAA, "a"},     {0xAB, "<<"},    {0xA9, "(c)"}, {0xAD, "-"},    {0xAE, "(R)"},
    {0xB0, "o"},    {0xB1, "+/-"},   {0xB2, "2"},     {0xB3, "3"},   {0xB4, "'"},    {0xB5, "u"},
    {0xB7, "."},    {0xB9, "1"},     {0xBA, "o"},     {0xBB, ">>"},  {0xC6, "AE"},   {0xDE, "Th"},
    {0xDF, "ss"},   {0xE6, "ae"},    {0xFE, "th"},    {0x132, "IJ"}, {0x133, "ij"},  {0x149, "'n"},
    {0x152, "OE"},  {0x153, "oe"},   {0x2010, "-"},   {0x2011, "-"}, {0x2012, "-"},  {0x2013, "-"},
    {0x2014, "-"},  {0x2018, "'"},   {0x2019, "'"},   {0x201A, "'"}, {0x201C, "\""}, {0x201D, "\""},
    {0x201E, "\""}, {0x2022, "*"},   {0x2026, "..."}, {0x2032, "'"}, {0x2033, "\""}, {0x2190, "<-"},
    {0x2192, "->"}, {0x21C4, "<=>"}, {0x21CC, "<=>"}, {0x2212, "-"}};

// The ASCII spelling of one character.
std::string Ascii(char32_t c) {
    if (c < 0x20 || c == 0x7F || (c >= 0x80 && c < 0xA0)) return " ";
    if (c < 0x80) return std::string(1, char(c));
    if (c >= 0xC0 && c < 0x180 && LetrasLatinas[c - 0xC0] != '*')
        return std::string(1, LetrasLatinas[c - 0xC0]);
    if (c >= 0x391 && c <= 0x3A9 && c != 0x3A2) {
        std::string n = NomesGregos[c - 0x391];
        n[0] = char(n[0] - 'a' + 'A');
        return n;
    }
    if (c >= 0x3B1 && c <= 0x3C9) return NomesGregos[c - 0x3B1];
    for (const Grafia& g : OutrasGrafias)
        if (g.c == c) return g.ascii;
    return "?";
}

// The title as one ASCII line of at most `maximo` characters. "$$" would
// open a comment, so a blank goes between the two.
std::string TituloAscii(std::string_view utf8, std::size_t maximo) {
    std::string r;
    const auto alfanumerico = [](char a) { return std::isalnum(static_cast<unsigned char>(a)); };
    bool gregaAntes = false;
    for (std::size_t i = 0; i < utf8.size();) {
        const char32_t c = ProximoCaractere(utf8, i);
        const std::string ascii = Ascii(c);
        // A spelt-out Greek letter is a word of its own: "Δν" is "Delta nu",
        // not "Deltanu".
        const bool grega = Grega(c);
        if ((grega && !r.empty() && alfanumerico(r.back())) ||
            (gregaAntes && !ascii.empty() && alfanumerico(ascii[0])))
            r += ' ';
        gregaAntes = grega;
        for (char a : ascii) {
            if (a == '$' && !r.empty() && r.back() == '$') r += ' ';
            if (a == ' ' && (r.empty() || r.back() == ' ')) continue;
            r += a;
        }
    }
    while (!r.empty() && r.back() == ' ') r.pop_back();
    if (r.size() > maximo) {
        r.resize(maximo - 3);
        while (!r.empty() && (r.back() == ' ' || r.back() == '$')) r.pop_back();
        r += "...";
    }
    return r.empty() ? "Espectro simulado" : r;
}

// ASDF digits: the first one as a letter of the form, the rest as they are.
void AcrescentaAsdf(std::string& s, long long v, char zero, char positivo, char negativo) {
    char buf[24] = {};
    const auto r = std::to_chars(buf, buf + sizeof buf, v < 0 ? -v : v);
    const int d = buf[0] - '0';
    s += v == 0 ? zero : v > 0 ? char(positivo + d - 1) : char(negativo + d - 1);
    s.append(buf + 1, r.ptr);
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

// The length of v's ASDF token: its first digit is the letter.
std::size_t Algarismos(long long v) {
    std::size_t n = 1;
    for (unsigned long long u = v < 0 ? 0ULL - (unsigned long long)v : v; u >= 10; u /= 10) ++n;
    return n;
}

constexpr std::size_t Colunas = 80;
constexpr double MagnitudeMaxima = 1e300;

} // namespace

std::optional<std::string> ValidaExportacao(const ExportacaoJcamp& e) {
    const auto fora = [](double x) { return !(std::fabs(x) <= MagnitudeMaxima); };
    if (!(e.MHz > 0) || e.MHz > MHzMaximo)
        return "A freqüência do espectrômetro deve ser maior que zero e no máximo 100000 MHz.";
    if (e.Envolvente.size() < 2) return "A envolvente precisa de pelo menos dois pontos.";
    if (e.Envolvente.size() > PontosMaximosJcamp) return "A envolvente tem pontos demais.";
    if (fora(e.PrimeiroHz) || fora(e.UltimoHz) || e.PrimeiroHz == e.UltimoHz ||
        fora(e.UltimoHz - e.PrimeiroHz))
        return "Os extremos da envolvente devem ser números finitos e diferentes.";
    for (double y : e.Envolvente)
        if (fora(y)) return "A envolvente tem um valor que não é um número finito.";
    for (const BandaJcamp& b : e.Bandas)
        if (fora(b.Hz) || fora(b.Intensidade))
            return "Uma banda tem um valor que não é um número finito.";
    return std::nullopt;
}

std::string BytesJcampDx(const ExportacaoJcamp& e) {
    const std::string fim = "\r\n";
    std::string s;
    const auto rotulo = [&](std::string_view nome, std::string_view valor) {
        s += "##";
        s += nome;
        s += '=';
        if (!valor.empty()) {
            s += ' ';
            s += valor;
        }
        s += fim;
    };
    const std::string titulo = TituloAscii(e.Titulo, Colunas - 9);
    const std::string mhz = Exato(e.MHz);
    const std::size_t n = e.Envolvente.size();
    const double delta = n > 1 ? (e.UltimoHz - e.PrimeiroHz) / double(n - 1) : 0;

    // The envelope in integers: the largest magnitude near 1E+09 gives it ten
    // significant digits, and every DIF still fits in 32 bits.
    double maior = 0;
    for (double y : e.Envolvente)
        if (std::isfinite(y)) maior = std::max(maior, std::fabs(y));
    std::string textoFatorY = "1";
    if (maior > 0) {
        textoFatorY = ComDigitos(maior / 1e9, 7);
        if (!(ConverteNumero(textoFatorY, '.').value_or(0) >= std::numeric_limits<double>::min()))
            textoFatorY = Exato(std::numeric_limits<double>::min());
    }
    const double fatorY = ConverteNumero(textoFatorY, '.').value_or(1);
    std::vector<long long> Y(n);
    for (std::size_t k = 0; k < n; ++k) {
        const double q = std::isfinite(e.Envolvente[k]) ? e.Envolvente[k] / fatorY : 0;
        Y[k] = std::llround(std::clamp(q, -4e9, 4e9));
    }
    // X written to a ten-thousandth of the spacing: the checks readers make
    // are to 1 % of it.
    double maiorX = std::max(std::fabs(e.PrimeiroHz), std::fabs(e.UltimoHz));
    int digitosX = 15;
    if (delta != 0 && std::isfinite(delta) && maiorX > 0 && std::isfinite(maiorX))
        digitosX = std::clamp(int(std::floor(std::log10(maiorX))) -
                                  int(std::floor(std::log10(std::fabs(delta) * 1e-4))) + 1,
                              1, 17);
    const auto textoX = [&](std::size_t k) {
        return ComDigitos(k + 1 == n ? e.UltimoHz : e.PrimeiroHz + double(k) * delta, digitosX);
    };

    // A compound file: JCAMP-DX 5 keeps more than one block in a LINK block,
    // and readers that take only the first data block still find the
    // spectrum, which comes first.
    rotulo("TITLE", titulo);
    rotulo("JCAMP-DX", "5.01");
    rotulo("DATA TYPE", "LINK");
    rotulo("BLOCKS", "2");
    rotulo("ORIGIN", "Halvora (espectro simulado)");
    rotulo("OWNER", "");

    rotulo("TITLE", titulo);
    rotulo("JCAMP-DX", "5.01");
    rotulo("DATA TYPE", "NMR SPECTRUM");
    rotulo("DATA CLASS", "XYDATA");
    rotulo("BLOCK_ID", "1");
    rotulo("CROSS REFERENCE", "PEAK TABLE: BLOCK_ID= 2");
    rotulo("ORIGIN", "Halvora (espectro simulado)");
    rotulo("OWNER", "");
    rotulo(".OBSERVE FREQUENCY", mhz);
    rotulo(".OBSERVE NUCLEUS", "^1H");
    // Point 1 at its own shift: the shifts are x / MHz, 0 Hz is 0 ppm.
    rotulo(".SHIFT REFERENCE",
           "(INTERNAL, TMS, 1, " + ComDigitos(n ? e.PrimeiroHz / e.MHz : 0, 12) + ")");
    rotulo("XUNITS", "HZ");
    rotulo("YUNITS", "ARBITRARY UNITS");
    rotulo("XFACTOR", "1");
    rotulo("YFACTOR", textoFatorY);
    rotulo("FIRSTX", Exato(e.PrimeiroHz));
    rotulo("LASTX", Exato(e.UltimoHz));
    rotulo("DELTAX", Exato(delta));
    rotulo("FIRSTY", ComDigitos(n ? double(Y[0]) * fatorY : 0, 10));
    rotulo("NPOINTS", FormataInteiro((long long)n));
    rotulo("XYDATA", "(X++(Y..Y))");
    // DIFDUP: each line opens with X and the absolute value of its first
    // point; a line ending in DIF form is followed by one that repeats its
    // last point as the Y-check, down to a last line of the check alone.
    for (std::size_t i = 0; i < n;) {
        std::string l = textoX(i) + " " + Sqz(Y[i]);
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
        while (j + 1 < n) {
            const long long d = Y[j + 1] - Y[j];
            if (vezes > 0 && d == dif) {
                if (l.size() + Algarismos(dif) + Algarismos(vezes + 1) > Colunas) break;
                ++vezes;
            } else {
                if (l.size() + pendente() + Algarismos(d) > Colunas) break;
                escreve();
                dif = d;
                vezes = 1;
            }
            ++j;
        }
        escreve();
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
    rotulo("END", "");

    std::string tituloBandas = TituloAscii(e.Titulo, Colunas - 9 - 9) + " - bandas";
    rotulo("TITLE", tituloBandas);
    rotulo("JCAMP-DX", "5.01");
    rotulo("DATA TYPE", "NMR PEAK TABLE");
    rotulo("DATA CLASS", "PEAK TABLE");
    rotulo("BLOCK_ID", "2");
    rotulo("CROSS REFERENCE", "NMR SPECTRUM: BLOCK_ID= 1");
    rotulo("ORIGIN", "Halvora (espectro simulado)");
    rotulo("OWNER", "");
    rotulo(".OBSERVE FREQUENCY", mhz);
    rotulo(".OBSERVE NUCLEUS", "^1H");
    rotulo("XUNITS", "HZ");
    rotulo("YUNITS", "ARBITRARY UNITS");
    rotulo("XFACTOR", "1");
    rotulo("YFACTOR", "1");
    rotulo("NPOINTS", FormataInteiro((long long)e.Bandas.size()));
    rotulo("PEAK TABLE", "(XY..XY)");
    for (const BandaJcamp& b : e.Bandas) {
        s += Exato(b.Hz);
        s += ", ";
        s += Exato(b.Intensidade);
        s += fim;
    }
    rotulo("END", "");
    rotulo("END", "");
    return s;
}
