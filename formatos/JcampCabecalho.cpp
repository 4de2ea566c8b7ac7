#include "formatos/JcampCabecalho.h"

#include "run/Limites.h"
#include "texto/Caracteres.h"
#include "texto/Cp1252.h"
#include "texto/TextoDecimal.h"

#include <algorithm>
#include <cmath>

namespace jcamp {

namespace {

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

// The point and ppm of ##.SHIFT REFERENCE=; point 0 when it is not given.
std::optional<Falha> PontoDeReferencia(const Valor& referencia, std::size_t pontos,
                                       std::size_t& ponto, std::optional<double>& valor) {
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
    if (!p || !valor || *p < 0 || *p > double(pontos) || *p != std::floor(*p))
        return Falha{referencia.linha, "##.SHIFT REFERENCE= deve ser (tipo, composto, ponto, ppm) "
                                       "com um ponto do espectro"};
    ponto = std::size_t(*p);
    return std::nullopt;
}

} // namespace

std::string TextoUtf8(std::string_view s) {
    bool naoAscii = false;
    std::string r = Utf8Valido(s, naoAscii) ? std::string(s) : De1252(s);
    for (char& c : r)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = ' ';
    return r;
}

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

std::optional<Falha> Fator(const Valor& v, const char* rotulo, double& f) {
    if (!v.linha) return std::nullopt;
    const auto x = ConverteNumero(v.texto, '.');
    if (!x) return Falha{v.linha, std::string("o valor de ##") + rotulo + "= não é um número"};
    if (*x == 0) return Falha{v.linha, std::string("o fator (##") + rotulo + "=) é zero"};
    f = *x;
    return std::nullopt;
}

std::optional<Falha> Referencia(const Valor& referencia, const Valor& offset,
                                std::vector<double>& ppm) {
    std::size_t ponto = 0;
    std::optional<double> valor;
    int linha = 0;
    if (referencia.linha) {
        linha = referencia.linha;
        if (auto f = PontoDeReferencia(referencia, ppm.size(), ponto, valor)) return f;
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

} // namespace jcamp
