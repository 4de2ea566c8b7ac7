#include "formatos/JcampDx.h"

#include "formatos/Asdf.h"
#include "run/Limites.h"
#include "texto/Cp1252.h"
#include "texto/TextoDecimal.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>

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

constexpr std::size_t Colunas = 80;
constexpr double MagnitudeMaxima = 1e300;

// The labelled lines of the file.
class Escritor {
  public:
    void Rotulo(std::string_view nome, std::string_view valor) {
        s += "##";
        s += nome;
        s += '=';
        if (!valor.empty()) {
            s += ' ';
            s += valor;
        }
        s += Fim;
    }
    // The labels every block opens with.
    void Abre(const std::string& titulo, std::string_view tipo, std::string_view classe,
              std::string_view id, std::string_view referencia) {
        Rotulo("TITLE", titulo);
        Rotulo("JCAMP-DX", "5.01");
        Rotulo("DATA TYPE", tipo);
        Rotulo("DATA CLASS", classe);
        Rotulo("BLOCK_ID", id);
        Rotulo("CROSS REFERENCE", referencia);
        Rotulo("ORIGIN", Origem);
        Rotulo("OWNER", "");
    }
    static constexpr std::string_view Fim = "\r\n", Origem = "Halvora (espectro simulado)";
    std::string s;
};

// The envelope in integers: the largest magnitude near 1E+09 gives it ten
// significant digits, and every DIF still fits in 32 bits. textoFatorY
// receives the factor as written.
std::vector<long long> Inteiros(const std::vector<double>& envolvente, std::string& textoFatorY) {
    double maior = 0;
    for (double y : envolvente)
        if (std::isfinite(y)) maior = std::max(maior, std::fabs(y));
    textoFatorY = "1";
    if (maior > 0) {
        textoFatorY = ComDigitos(maior / 1e9, 7);
        if (!(ConverteNumero(textoFatorY, '.').value_or(0) >= std::numeric_limits<double>::min()))
            textoFatorY = Exato(std::numeric_limits<double>::min());
    }
    const double fatorY = ConverteNumero(textoFatorY, '.').value_or(1);
    std::vector<long long> Y(envolvente.size());
    for (std::size_t k = 0; k < Y.size(); ++k) {
        const double q = std::isfinite(envolvente[k]) ? envolvente[k] / fatorY : 0;
        Y[k] = std::llround(std::clamp(q, -4e9, 4e9));
    }
    return Y;
}

// X written to a ten-thousandth of the spacing: the checks readers make
// are to 1 % of it.
int DigitosX(const ExportacaoJcamp& e, double delta) {
    double maiorX = std::max(std::fabs(e.PrimeiroHz), std::fabs(e.UltimoHz));
    if (delta != 0 && std::isfinite(delta) && maiorX > 0 && std::isfinite(maiorX))
        return std::clamp(int(std::floor(std::log10(maiorX))) -
                              int(std::floor(std::log10(std::fabs(delta) * 1e-4))) + 1,
                          1, 17);
    return 15;
}

// The envelope's block: the header, then the DIFDUP table.
void BlocoEspectro(const ExportacaoJcamp& e, const std::string& titulo, Escritor& w) {
    const std::size_t n = e.Envolvente.size();
    const double delta = n > 1 ? (e.UltimoHz - e.PrimeiroHz) / double(n - 1) : 0;
    std::string textoFatorY;
    const std::vector<long long> Y = Inteiros(e.Envolvente, textoFatorY);
    const double fatorY = ConverteNumero(textoFatorY, '.').value_or(1);
    w.Abre(titulo, "NMR SPECTRUM", "XYDATA", "1", "PEAK TABLE: BLOCK_ID= 2");
    w.Rotulo(".OBSERVE FREQUENCY", Exato(e.MHz));
    w.Rotulo(".OBSERVE NUCLEUS", "^1H");
    // Point 1 at its own shift: the shifts are x / MHz, 0 Hz is 0 ppm.
    w.Rotulo(".SHIFT REFERENCE",
             "(INTERNAL, TMS, 1, " + ComDigitos(n ? e.PrimeiroHz / e.MHz : 0, 12) + ")");
    w.Rotulo("XUNITS", "HZ");
    w.Rotulo("YUNITS", "ARBITRARY UNITS");
    w.Rotulo("XFACTOR", "1");
    w.Rotulo("YFACTOR", textoFatorY);
    w.Rotulo("FIRSTX", Exato(e.PrimeiroHz));
    w.Rotulo("LASTX", Exato(e.UltimoHz));
    w.Rotulo("DELTAX", Exato(delta));
    w.Rotulo("FIRSTY", ComDigitos(n ? double(Y[0]) * fatorY : 0, 10));
    w.Rotulo("NPOINTS", FormataInteiro((long long)n));
    w.Rotulo("XYDATA", "(X++(Y..Y))");
    const int digitosX = DigitosX(e, delta);
    const auto textoX = [&](std::size_t k) {
        return ComDigitos(k + 1 == n ? e.UltimoHz : e.PrimeiroHz + double(k) * delta, digitosX);
    };
    jcamp::EscreveDifDup(w.s, Y, textoX, Colunas, Escritor::Fim);
    w.Rotulo("END", "");
}

// The bands' block: a peak table in Hz.
void BlocoBandas(const ExportacaoJcamp& e, Escritor& w) {
    w.Abre(TituloAscii(e.Titulo, Colunas - 9 - 9) + " - bandas", "NMR PEAK TABLE", "PEAK TABLE",
           "2", "NMR SPECTRUM: BLOCK_ID= 1");
    w.Rotulo(".OBSERVE FREQUENCY", Exato(e.MHz));
    w.Rotulo(".OBSERVE NUCLEUS", "^1H");
    w.Rotulo("XUNITS", "HZ");
    w.Rotulo("YUNITS", "ARBITRARY UNITS");
    w.Rotulo("XFACTOR", "1");
    w.Rotulo("YFACTOR", "1");
    w.Rotulo("NPOINTS", FormataInteiro((long long)e.Bandas.size()));
    w.Rotulo("PEAK TABLE", "(XY..XY)");
    for (const BandaJcamp& b : e.Bandas) {
        w.s += Exato(b.Hz);
        w.s += ", ";
        w.s += Exato(b.Intensidade);
        w.s += Escritor::Fim;
    }
    w.Rotulo("END", "");
}

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
    // A compound file: JCAMP-DX 5 keeps more than one block in a LINK block,
    // and readers that take only the first data block still find the
    // spectrum, which comes first.
    const std::string titulo = TituloAscii(e.Titulo, Colunas - 9);
    Escritor w;
    w.Rotulo("TITLE", titulo);
    w.Rotulo("JCAMP-DX", "5.01");
    w.Rotulo("DATA TYPE", "LINK");
    w.Rotulo("BLOCKS", "2");
    w.Rotulo("ORIGIN", Escritor::Origem);
    w.Rotulo("OWNER", "");
    BlocoEspectro(e, titulo, w);
    BlocoBandas(e, w);
    w.Rotulo("END", "");
    return std::move(w.s);
}
