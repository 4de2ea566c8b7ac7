#include "formatos/ArquivoDados.h"

#include "arquivo/ArquivoSeguro.h"
#include "run/Limites.h"
#include "run/Simulacao.h"
#include "texto/Caracteres.h"
#include "texto/Cp1252.h"
#include "texto/TextoDecimal.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <type_traits>
#include <utility>

namespace {

// The title as one line of well-formed UTF-8: every line break (and a NUL,
// which no text file holds) becomes a blank, a CR LF pair one blank, and a
// byte that is not UTF-8 becomes U+FFFD.
std::string TituloUmaLinha(std::string_view t) {
    std::string r;
    r.reserve(t.size());
    for (std::size_t i = 0; i < t.size();) {
        char32_t c = ProximoCaractere(t, i);
        if (c == '\r' && i < t.size() && t[i] == '\n') ++i;
        const bool quebra = c == 0 || c == '\n' || c == '\v' || c == '\f' || c == '\r' ||
                            c == 0x85 || c == 0x2028 || c == 0x2029;
        if (quebra) c = ' ';
        AcrescentaUtf8(r, c);
    }
    return r;
}

// ---- The layout: keys in order, with the value that follows each ----------

// Nenhum: a key with no value line after it.
enum class Campo {
    Titulo,
    NProt,
    MHz,
    IntMin,
    Largura,
    Mistura,
    PPM,
    ComTabela,
    ComEnvolvente,
    Colorido,
    JanelaFixa,
    NiInic,
    LimLeft,
    TwPerHz,
    Desloc,
    J,
    Nenhum
};

struct Item {
    std::string chave;
    Campo campo;
    int indice = 0; // into Desloc or J
};

const char* const ChaveNProt = "#N° de prótons";
const char* const ChaveExperimental = "#Espectro experimental";
const char* const ChaveReferencia = "#Referência do espectro (ppm)";

std::vector<Item> Leiaute(int N) {
    std::vector<Item> v = {{"#Título", Campo::Titulo},
                           {ChaveNProt, Campo::NProt},
                           {"#Freqüência do espectrômetro (MHz)", Campo::MHz},
                           {"#Intensidade mínima", Campo::IntMin},
                           {"#Largura a meia altura", Campo::Largura},
                           {"#Slider4.Value", Campo::Mistura},
                           {"#PPM", Campo::PPM},
                           {"#ComTabela", Campo::ComTabela},
                           {"#Option5.Value", Campo::ComEnvolvente},
                           {"#Option1.Value", Campo::Colorido},
                           {"#JanelaFixa", Campo::JanelaFixa},
                           {"#NiInic", Campo::NiInic},
                           {"#LimLeft", Campo::LimLeft},
                           {"#TwPerHz", Campo::TwPerHz},
                           {"#Deslocamentos químicos (Hz)", Campo::Nenhum}};
    for (int i = 1; i <= N; ++i) v.push_back({"#H" + FormataInteiro(i), Campo::Desloc, i - 1});
    v.push_back({"#Valores de J", Campo::Nenhum});
    int k = 0;
    for (int i = 1; i < N; ++i)
        for (int j = i + 1; j <= N; ++j)
            v.push_back({"#J(" + FormataInteiro(i) + "," + FormataInteiro(j) + ")", Campo::J, k++});
    return v;
}

bool EhBooleano(Campo c) {
    return c == Campo::PPM || c == Campo::ComTabela || c == Campo::ComEnvolvente ||
           c == Campo::Colorido || c == Campo::JanelaFixa;
}

bool& Booleano(DadosArquivo& d, Campo c) {
    switch (c) {
    case Campo::PPM:
        return d.PPM;
    case Campo::ComTabela:
        return d.ComTabela;
    case Campo::ComEnvolvente:
        return d.ComEnvolvente;
    case Campo::Colorido:
        return d.Colorido;
    default:
        return d.JanelaFixa;
    }
}
bool Booleano(const DadosArquivo& d, Campo c) {
    return Booleano(const_cast<DadosArquivo&>(d), c);
}

// Every double of the file, the shifts and couplings included (nothing for
// one the vectors lack). N, the slider and IntMin are held in other types.
const double* Real(const DadosArquivo& d, const Item& it) {
    const auto de = [&it](const std::vector<double>& v) {
        return std::size_t(it.indice) < v.size() ? &v[std::size_t(it.indice)] : nullptr;
    };
    switch (it.campo) {
    case Campo::MHz:
        return &d.MHz;
    case Campo::Largura:
        return &d.Largura;
    case Campo::NiInic:
        return &d.NiInic;
    case Campo::LimLeft:
        return &d.LimLeft;
    case Campo::TwPerHz:
        return &d.TwPerHz;
    case Campo::Desloc:
        return de(d.Desloc);
    case Campo::J:
        return de(d.J);
    default:
        return nullptr;
    }
}
double* Real(DadosArquivo& d, const Item& it) {
    return const_cast<double*>(Real(std::as_const(d), it));
}

bool EhReal(Campo c) {
    return c == Campo::MHz || c == Campo::Largura || c == Campo::NiInic || c == Campo::LimLeft ||
           c == Campo::TwPerHz || c == Campo::Desloc || c == Campo::J;
}

// Beyond this a value's 15-digit text could round past the largest double
// and fail to read back.
constexpr double MagnitudeMaxima = 1e300;

// What the value of `it` must satisfy beyond being a finite number.
std::optional<std::string> ForaDaFaixa(const Item& it, double v) {
    const std::string de = "o valor de " + it.chave;
    switch (it.campo) {
    case Campo::NProt:
        if (v < 1 || v > NProtMax) return de + " deve estar entre 1 e 10";
        break;
    case Campo::MHz:
        if (!(v >= MHzMinimo) || v > MHzMaximo) return de + " deve estar entre 0.000001 e 100000";
        break;
    case Campo::Desloc:
    case Campo::J:
        if (!(std::fabs(v) <= HzMaximo))
            return de + " deve ser de no máximo 1000000000 em valor absoluto";
        break;
    case Campo::Largura:
        if (!(v >= LarguraMinima) || v > HzMaximo)
            return de + " deve estar entre 0.000001 e 1000000000";
        break;
    case Campo::TwPerHz:
        if (!(v > 0)) return de + " deve ser maior que zero";
        break;
    case Campo::Mistura:
        if (v < 0 || v > 100) return de + " deve estar entre 0 e 100";
        break;
    default:
        break;
    }
    if (!(std::fabs(v) <= MagnitudeMaxima)) return de + " está fora da faixa";
    return std::nullopt;
}

// ---- Number text ----------------------------------------------------------

std::string TextoNumero(double x, int digitos, char SepDec) {
    std::string t = FormataNumeroG(x, digitos, SepDec);
    if (t[0] != '-') t.insert(t.begin(), ' ');
    t += ' ';
    return t;
}

template <typename T> std::optional<T> ComSeparador(std::string_view s, char sep) {
    if constexpr (std::is_same_v<T, float>)
        return ConverteNumeroSimples(s, sep);
    else
        return ConverteNumero(s, sep);
}

// The user's separator first; files written under the other one travel too.
template <typename T> std::optional<T> NumeroDoArquivo(std::string_view s, char SepDec) {
    if (auto v = ComSeparador<T>(s, SepDec)) return v;
    if (SepDec != '.')
        if (auto v = ComSeparador<T>(s, '.')) return v;
    if (SepDec != ',') return ComSeparador<T>(s, ',');
    return std::nullopt;
}

// ---- Lines ----------------------------------------------------------------

// The first `guarda` lines (without their CR LF or LF), the count of all of
// them and whether the last one ends with a line break.
struct Linhas {
    std::vector<std::string_view> v;
    int total = 0;
    bool terminada = true;
};

Linhas Divide(std::string_view t, int guarda) {
    Linhas l;
    std::size_t ini = 0;
    while (ini < t.size()) {
        std::size_t fim = t.find('\n', ini);
        const bool completa = fim != std::string_view::npos;
        if (!completa) fim = t.size();
        std::string_view linha = t.substr(ini, fim - ini);
        if (completa && !linha.empty() && linha.back() == '\r') linha.remove_suffix(1);
        if (l.total < guarda) l.v.push_back(linha);
        ++l.total;
        l.terminada = completa;
        ini = fim + 1;
    }
    return l;
}

} // namespace

int LinhasArquivo(int NProt) {
    return 30 + 2 * NProt + NProt * (NProt - 1);
}

void CopiaDoEstado(const EstadoSpin& e, DadosArquivo& d) {
    const int N = e.NProt;
    d.NProt = N;
    d.IntMin = e.IntMin;
    d.Desloc.clear();
    for (int i = 1; i <= N; ++i) {
        const double s = e.FreqProt(i) - e.FreqEspHz;
        d.Desloc.push_back(ConverteNumero(FormataGeral(s, 5, '.'), '.').value_or(s));
    }
    d.J.clear();
    for (int i = 1; i < N; ++i)
        for (int j = i + 1; j <= N; ++j) d.J.push_back(e.ValJ(i, j));
}

std::optional<std::string> CopiaDasCaixas(std::string textoFrequencia, std::string textoLargura,
                                          char SepDec, DadosArquivo& d) {
    const auto mhz = ConverteNumero(AjSepDecimal(textoFrequencia, SepDec), SepDec);
    if (!mhz) return "A freqüência do espectrômetro não é um número.";
    const auto largura = ConverteNumero(AjSepDecimal(textoLargura, SepDec), SepDec);
    if (!largura) return "A largura a meia altura não é um número.";
    d.MHz = *mhz;
    d.Largura = *largura;
    return std::nullopt;
}

namespace {

bool TemQuebra(std::string_view s) {
    return s.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

std::optional<std::string> ForaDaReferencia(double ppm) {
    const std::string de = std::string("o valor de ") + ChaveReferencia;
    if (!std::isfinite(ppm)) return de + " não é um número";
    if (!(std::fabs(ppm) <= ReferenciaPpmMaxima)) return de + " deve estar entre -1000 e 1000";
    return std::nullopt;
}

} // namespace

std::optional<std::string> ValidaDados(const DadosArquivo& d) {
    if (d.NProt < 1 || d.NProt > NProtMax) return "O número de prótons deve estar entre 1 e 10.";
    if (int(d.Desloc.size()) != d.NProt || int(d.J.size()) != d.NProt * (d.NProt - 1) / 2)
        return "O número de deslocamentos ou de constantes de acoplamento não corresponde ao "
               "número de prótons.";
    for (const Item& it : Leiaute(d.NProt)) {
        double v;
        if (const double* x = Real(d, it))
            v = *x;
        else if (it.campo == Campo::IntMin)
            v = double(d.IntMin);
        else if (it.campo == Campo::Mistura)
            v = d.Mistura;
        else
            continue;
        if (!std::isfinite(v)) return "O valor de " + it.chave + " não é um número.";
        if (auto erro = ForaDaFaixa(it, v)) {
            (*erro)[0] = 'O';
            return *erro + ".";
        }
    }
    if (TemQuebra(d.ArquivoExperimental))
        return "O nome do espectro experimental não pode ter quebras de linha.";
    if (auto erro = ForaDaReferencia(d.ReferenciaPpm)) {
        (*erro)[0] = 'O';
        return *erro + ".";
    }
    return std::nullopt;
}

std::string BytesArquivo(const DadosArquivo& d, char SepDec) {
    std::string t;
    const auto linha = [&t](std::string_view s) {
        t += s;
        t += "\r\n";
    };
    for (const Item& it : Leiaute(d.NProt)) {
        linha(it.chave);
        if (EhReal(it.campo)) {
            const double* x = Real(d, it);
            linha(TextoNumero(x ? *x : 0, 15, SepDec));
        } else if (EhBooleano(it.campo)) {
            linha(Booleano(d, it.campo) ? "True" : "False");
        } else if (it.campo == Campo::Titulo)
            linha(TituloUmaLinha(d.Titulo));
        else if (it.campo == Campo::NProt)
            linha(TextoNumero(d.NProt, 15, SepDec));
        else if (it.campo == Campo::IntMin)
            linha(TextoNumero(double(d.IntMin), 7, SepDec));
        else if (it.campo == Campo::Mistura)
            linha(TextoNumero(d.Mistura, 15, SepDec));
    }
    if (!d.ArquivoExperimental.empty()) {
        linha(ChaveExperimental);
        linha(d.ArquivoExperimental);
        if (d.ReferenciaPpm != 0) {
            linha(ChaveReferencia);
            linha(TextoNumero(d.ReferenciaPpm, 15, SepDec));
        }
    }
    if (auto cp = Para1252(t)) return *cp;
    return t;
}

std::optional<Erro> GravaArquivoDados(const std::string& caminho, const DadosArquivo& d,
                                      char SepDec, OpcoesGravacao opcoes) {
    if (auto erro = ValidaDados(d)) return Erro{TipoErro::Entrada, *erro};
    return GravaArquivo(caminho, BytesArquivo(d, SepDec), opcoes);
}

namespace {

std::filesystem::path Absoluto(const std::string& caminho) {
    std::error_code erro;
    std::filesystem::path p = std::filesystem::absolute(caminho, erro);
    return (erro ? std::filesystem::path(caminho) : p).lexically_normal();
}

} // namespace

std::string NomeDoEspectro(const std::string& espectro, const std::string& arquivoDados) {
    const std::filesystem::path alvo = Absoluto(espectro);
    const std::filesystem::path relativo =
        alvo.lexically_relative(Absoluto(arquivoDados).parent_path());
    const bool abaixo = !relativo.empty() && relativo != "." && *relativo.begin() != "..";
    return abaixo ? relativo.generic_string() : alvo.string();
}

std::string CaminhoDoEspectro(const std::string& nome, const std::string& arquivoDados) {
    if (std::filesystem::path(nome).is_absolute()) return nome;
    return (Absoluto(arquivoDados).parent_path() / nome).lexically_normal().string();
}

namespace {

// The file's text in UTF-8: a file that is valid UTF-8 with some non-ASCII
// byte (or a byte-order mark) is UTF-8, anything else Windows-1252.
std::string TextoDoArquivo(std::string_view bytes) {
    bool naoAscii = false;
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF" && Utf8Valido(bytes.substr(3), naoAscii))
        return std::string(bytes.substr(3));
    if (Utf8Valido(bytes, naoAscii) && naoAscii) return std::string(bytes);
    return De1252(bytes);
}

// Lines end in LF here, so a NUL is on the line after the last LF before it.
int LinhaDoNulo(std::string_view ateONulo) {
    return int(std::count(ateONulo.begin(), ateONulo.end(), '\n')) + 1;
}

// One value line into its field; the message when it does not fit.
std::optional<std::string> LeValor(const Item& it, std::string_view valor, char SepDec,
                                   DadosArquivo& d) {
    const std::string de = "o valor de " + it.chave;
    if (it.campo == Campo::Titulo) {
        d.Titulo = valor;
    } else if (EhBooleano(it.campo)) {
        const std::string_view p = SemBrancos(valor);
        if (p != "True" && p != "False") return de + " deve ser True ou False";
        Booleano(d, it.campo) = p == "True";
    } else if (it.campo == Campo::IntMin) {
        const auto v = NumeroDoArquivo<float>(valor, SepDec);
        if (!v) return de + " não é um número";
        d.IntMin = *v;
    } else {
        const auto v = NumeroDoArquivo<double>(valor, SepDec);
        if (!v) return de + " não é um número";
        double x = *v;
        if (it.campo == Campo::NProt || it.campo == Campo::Mistura)
            x = double(ArredondaParInteiro(x));
        if (auto erro = ForaDaFaixa(it, x)) return erro;
        if (double* destino = Real(d, it))
            *destino = x;
        else if (it.campo == Campo::Mistura)
            d.Mistura = int(x);
    }
    return std::nullopt;
}

// The measured spectrum's keys after the `E` lines of the system, when the
// file has them: the line and message of what is wrong with them.
std::optional<Falha> LeExperimental(const Linhas& l, int E, char SepDec, DadosArquivo& d) {
    if (l.total <= E) return std::nullopt;
    if (l.total == E + 1) return Falha{E + 1, "falta o nome do espectro experimental"};
    const std::string_view nome = l.v[std::size_t(E + 1)];
    if (nome.empty()) return Falha{E + 2, "o nome do espectro experimental está vazio"};
    if (TemQuebra(nome))
        return Falha{E + 2, "o nome do espectro experimental tem uma quebra de linha"};
    d.ArquivoExperimental = nome;
    if (l.total == E + 2) return std::nullopt;
    if (l.v[std::size_t(E + 2)] != ChaveReferencia)
        return Falha{E + 3, "linha a mais depois do espectro experimental"};
    if (l.total == E + 3) return Falha{E + 3, std::string("falta o valor de ") + ChaveReferencia};
    const auto ppm = NumeroDoArquivo<double>(l.v[std::size_t(E + 3)], SepDec);
    if (auto erro = ForaDaReferencia(ppm ? *ppm : NAN)) return Falha{E + 4, *erro};
    d.ReferenciaPpm = *ppm;
    if (l.total > E + 4) return Falha{E + 5, "linha a mais depois da referência do espectro"};
    return std::nullopt;
}

} // namespace

LeituraArquivo LeDadosArquivo(std::string_view bytes, char SepDec) {
    LeituraArquivo r;
    const auto falha = [&r](int linha, std::string erro) {
        r.Recusa({linha, std::move(erro)});
        return r;
    };
    if (auto f = ConfereBytes(bytes, LimiteArquivo, LinhaDoNulo))
        return falha(f->linha, std::move(f->erro));

    const std::string texto = TextoDoArquivo(bytes); // the lines below point into it
    const Linhas l = Divide(texto, LinhasArquivo(NProtMax) + 5);
    if (l.total >= 2) r.Titulo = std::string(l.v[1]);
    if (l.total < 3)
        return falha(l.total, std::string("o arquivo termina antes de \"") + ChaveNProt + "\"");
    if (l.v[2] != ChaveNProt) return falha(3, std::string("esperado \"") + ChaveNProt + "\"");
    if (l.total < 4) return falha(3, "o arquivo termina antes do número de prótons");
    const auto n = NumeroDoArquivo<double>(l.v[3], SepDec);
    if (!n) return falha(4, std::string("o valor de ") + ChaveNProt + " não é um número");
    const long long N = ArredondaParInteiro(*n);
    if (N < 1 || N > NProtMax)
        return falha(4, std::string("o valor de ") + ChaveNProt + " deve estar entre 1 e 10");

    DadosArquivo d;
    d.NProt = int(N);
    const int esperadas = LinhasArquivo(d.NProt);
    const std::string para = "para " + FormataInteiro(N) + (N == 1 ? " próton" : " prótons") +
                             " o arquivo tem " + FormataInteiro(esperadas) + " linhas";
    if (l.total < esperadas) return falha(l.total, "o arquivo termina aqui; " + para);
    if (l.total > esperadas && l.v[std::size_t(esperadas)] != ChaveExperimental)
        return falha(esperadas + 1, "linha a mais; " + para);
    if (!l.terminada) return falha(l.total, "falta o fim de linha; o arquivo parece truncado");

    d.Desloc.assign(std::size_t(N), 0);
    d.J.assign(std::size_t(N * (N - 1) / 2), 0);
    int k = 0; // index of the key line
    for (const Item& it : Leiaute(d.NProt)) {
        ++k;
        if (k > 1 && (l.v[k - 1].empty() || l.v[k - 1][0] != '#'))
            return falha(k, "esperada a chave \"" + it.chave + "\"");
        if (it.campo == Campo::Nenhum) continue;
        ++k;
        if (auto erro = LeValor(it, l.v[k - 1], SepDec, d)) return falha(k, *erro);
    }
    if (auto erro = LeExperimental(l, esperadas, SepDec, d))
        return falha(erro->linha, std::move(erro->erro));
    r.dados = std::move(d);
    return r;
}

LeituraArquivo LeArquivoDados(const std::string& caminho, char SepDec) {
    return LeDoArquivo<LeituraArquivo>(caminho, LimiteArquivo, [SepDec](std::string_view bytes) {
        return LeDadosArquivo(bytes, SepDec);
    });
}
