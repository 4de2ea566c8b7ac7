#include "formatos/JcampDx.h"

#include "formatos/Asdf.h"
#include "formatos/JcampBlocos.h"
#include "formatos/JcampCabecalho.h"
#include "formatos/JcampTabela.h"
#include "texto/TextoDecimal.h"

#include <cmath>
#include <utility>

using namespace jcamp;

namespace {

// The page of the chosen block whose table is read and, in NTUPLES, where
// its abscissa and ordinate stand in the list labels.
struct Escolha {
    bool ntuplas = false;
    std::size_t pg = 0, ix = 0, iy = 0;
};

// The real part: the first page whose ordinate is not the imaginary one.
std::optional<Falha> EscolhePaginaNtuplas(const Bloco& b, Escolha& c) {
    const Valores& v = b.v();
    if (!v[Simbolos].linha)
        return Falha{v[Titulo].linha, "as tabelas NTUPLES precisam de ##SYMBOL="};
    const std::vector<std::string_view> simbolos = Lista(v[Simbolos].texto);
    const std::vector<std::string_view> nomes = Lista(v[NomesVar].texto);
    const auto indice = [&simbolos](const std::string& s) {
        for (std::size_t k = 0; k < simbolos.size(); ++k)
            if (Normaliza(simbolos[k]) == s) return k;
        return simbolos.size();
    };
    std::optional<std::size_t> escolhida;
    std::optional<Forma> forma;
    for (std::size_t k = 0; k < b.paginas.size() && !escolhida; ++k) {
        if (!b.paginas[k].tabela) continue;
        const auto f = LeForma(b.paginas[k].tabela->forma.texto);
        if (!f)
            return Falha{b.paginas[k].tabela->forma.linha,
                         "tabela em forma não aceita: só (X++(Y..Y))"};
        const std::size_t j = indice(f->y);
        const std::string nome = j < nomes.size() ? Normaliza(nomes[j]) : "";
        if (nome.find("IMAG") != std::string::npos || (nome.empty() && f->y == "I")) continue;
        escolhida = k;
        forma = f;
    }
    if (!escolhida)
        return Falha{v[NTuplas].linha ? v[NTuplas].linha : v[Titulo].linha,
                     "as páginas NTUPLES não trazem a parte real do espectro"};
    c = {true, *escolhida, indice(forma->x), indice(forma->y)};
    if (c.ix == simbolos.size() || c.iy == simbolos.size())
        return Falha{b.paginas[c.pg].tabela->forma.linha,
                     "a tabela usa um símbolo que ##SYMBOL= não lista"};
    return std::nullopt;
}

std::optional<Falha> EscolhePagina(const Bloco& b, Escolha& c) {
    if (b.paginas[0].tabela && b.paginas[0].tabela->xy) {
        const auto forma = LeForma(b.paginas[0].tabela->forma.texto);
        if (!forma || forma->x != "X")
            return Falha{b.paginas[0].tabela->forma.linha,
                         "tabela em forma não aceita: só (X++(Y..Y))"};
        c = {};
        return std::nullopt;
    }
    return EscolhePaginaNtuplas(b, c);
}

// A header value: in NTUPLES the abscissa's or ordinate's item of the
// list label, otherwise (or when the list lacks it) the plain label.
struct Item {
    Valor v;
    std::string_view rotulo;
};

class Cabecalho {
  public:
    Cabecalho(const Bloco& b, const Escolha& c, int linhaForma)
        : b_(b), c_(c), linhaForma_(linhaForma) {}

    Item De(Chave plana, Chave lista, bool ordenada) const {
        if (c_.ntuplas) {
            const Valor l = b_.De(c_.pg, lista);
            const std::vector<std::string_view> itens = Lista(l.texto);
            const std::size_t k = ordenada ? c_.iy : c_.ix;
            if (l.linha && k < itens.size() && !itens[k].empty())
                return {{itens[k], l.linha}, lista == DimVar ? "VAR_DIM" : NomesChaves[lista]};
        }
        return {b_.De(c_.pg, plana), NomesChaves[plana]};
    }
    Valor De(Chave c) const { return b_.De(c_.pg, c); }
    // ##NPOINTS=, or in NTUPLES the abscissa's ##VAR_DIM= when that is missing.
    Item Contagem() const {
        return c_.ntuplas && !De(NPontos).linha ? De(NPontos, DimVar, false)
                                                : Item{De(NPontos), "NPOINTS"};
    }

    // The value of `it`; `padrao` when it is not given. Nothing, with the
    // fault in `erro`, when it is not a number or is missing without one.
    std::optional<double> Numero(const Item& it, std::optional<double> padrao = std::nullopt) {
        const std::string rotulo = "##" + std::string(it.rotulo) + "=";
        if (!it.v.linha) {
            if (!padrao) erro = Falha{linhaForma_, "falta " + rotulo};
            return padrao;
        }
        const auto x = ConverteNumero(it.v.texto, '.');
        if (!x) erro = Falha{it.v.linha, "o valor de " + rotulo + " não é um número"};
        return x;
    }
    std::optional<Falha> erro;

  private:
    const Bloco& b_;
    const Escolha& c_;
    int linhaForma_;
};

// The header's grid: the count, the ends and the factors.
struct Eixo {
    std::size_t pontos = 0;
    double primeiroX = 0, ultimoX = 0, fatorX = 1, fatorY = 1;
    std::string_view textoPrimeiro; // ##FIRSTX= as written
    int linhaUltimo = 0;
    // A count written as a real number comes from a writer that may leave
    // out the last point.
    bool nReal = false;
};

std::optional<Falha> LeContagem(Cabecalho& h, Eixo& x) {
    const Item iN = h.Contagem();
    const auto N = h.Numero(iN);
    if (!N) return h.erro;
    if (!(*N >= 1) || *N != std::floor(*N))
        return Falha{iN.v.linha, "##NPOINTS= deve ser um número inteiro maior que zero"};
    if (*N > double(PontosMaximosJcamp))
        return Falha{iN.v.linha, "##NPOINTS= passa do limite de " +
                                     FormataInteiro((long long)PontosMaximosJcamp) + " pontos"};
    x.pontos = std::size_t(*N);
    x.nReal = x.pontos > 1 && iN.v.texto.find_first_of(".Ee") != std::string_view::npos;
    return std::nullopt;
}

std::optional<Falha> LeEixo(Cabecalho& h, Eixo& x) {
    if (auto f = LeContagem(h, x)) return f;
    const Item iPrimeiro = h.De(PrimeiroX, Primeiros, false);
    const Item iUltimo = h.De(UltimoX, Ultimos, false);
    const Item iFatorX = h.De(FatorX, Fatores, false);
    const Item iFatorY = h.De(FatorY, Fatores, true);
    const auto primeiroX = h.Numero(iPrimeiro);
    if (!primeiroX) return h.erro;
    std::optional<double> ultimoX;
    if (iUltimo.v.linha || !h.De(DeltaX).linha)
        ultimoX = h.Numero(iUltimo);
    else if (const auto d = h.Numero({h.De(DeltaX), "DELTAX"}))
        ultimoX = *primeiroX + (double(x.pontos) - 1) * *d;
    if (!ultimoX) return h.erro;
    const auto fatorX = h.Numero(iFatorX, 1.0);
    const auto fatorY = h.Numero(iFatorY, 1.0);
    if (!fatorX || !fatorY) return h.erro;
    if (*fatorX == 0) return Falha{iFatorX.v.linha, "o fator de X (##XFACTOR=) é zero"};
    if (*fatorY == 0) return Falha{iFatorY.v.linha, "o fator de Y (##YFACTOR=) é zero"};
    x.primeiroX = *primeiroX;
    x.ultimoX = *ultimoX;
    x.fatorX = *fatorX;
    x.fatorY = *fatorY;
    x.textoPrimeiro = iPrimeiro.v.texto;
    x.linhaUltimo = iUltimo.v.linha;
    return std::nullopt;
}

// Point k at ##FIRSTX= + k Delta, the last one at ##LASTX=, in ppm.
std::optional<Falha> Posicoes(const Eixo& x, double delta, bool hz, int linhaForma,
                              EspectroExperimental& e) {
    e.Ppm.resize(e.Intensidade.size());
    for (std::size_t k = 0; k < e.Ppm.size(); ++k) {
        const double p = k + 1 == x.pontos ? x.ultimoX : x.primeiroX + double(k) * delta;
        e.Ppm[k] = hz ? p / e.MHz : p;
        if (!std::isfinite(e.Ppm[k]))
            return Falha{linhaForma, "as posições em ppm saem da faixa dos números"};
    }
    return std::nullopt;
}

// Some instruments number the lines' X from another origin than ##FIRSTX;
// the lines still follow one another, and the header places the points.
// A table one point short is read, and says where its last point went.
void AvisosDoEixo(const Eixo& x, const Grade& g, const EixoDasLinhas& eixo,
                  const EspectroExperimental& e, std::vector<std::string>& avisos) {
    double primeiro = 0, meiaPrimeiro = 0;
    std::size_t i = 0;
    LeAffn(x.textoPrimeiro, i, primeiro, &meiaPrimeiro);
    const double tolDesloc = 0.01 * std::fabs(g.delta) + eixo.meiaPrimeira + meiaPrimeiro +
                             1e-12 * std::fabs(x.primeiroX);
    if (!eixo.indices && !(std::fabs(eixo.desloc) <= tolDesloc))
        avisos.push_back("o eixo das linhas de dados está deslocado " + Num(eixo.desloc, g.SepDec) +
                         " " + g.unidade +
                         " do que o cabeçalho declara; as posições seguem o cabeçalho");
    if (e.Ppm.size() < x.pontos)
        avisos.push_back("a tabela tem " + FormataInteiro((long long)e.Ppm.size()) +
                         " pontos, um a menos que ##NPOINTS=; os pontos seguem de "
                         "##FIRSTX= com o espaçamento de ##FIRSTX= a ##LASTX=, e o último fica "
                         "em " +
                         Num(e.Ppm.back(), g.SepDec) + " ppm");
}

// The trace of the chosen block, checked line by line against its header.
std::optional<Falha> LeTraco(std::string_view bytes, const Bloco& b, char SepDec, LeituraJcamp& r) {
    Escolha c;
    if (auto f = EscolhePagina(b, c)) return f;
    const Tabela& tab = *b.paginas[c.pg].tabela;
    Cabecalho h(b, c, tab.forma.linha);
    Eixo x;
    if (auto f = LeEixo(h, x)) return f;
    bool hz = false;
    EspectroExperimental e;
    if (auto f = LeUnidadeEFrequencia(h.De(UnidadesX, Unidades, false).v, h.De(Frequencia),
                                      tab.forma.linha, hz, e))
        return f;
    const double delta = x.pontos > 1 ? (x.ultimoX - x.primeiroX) / double(x.pontos - 1) : 0;
    if (!std::isfinite(delta))
        return Falha{x.linhaUltimo, "##FIRSTX= e ##LASTX= fora da faixa dos números"};
    const Grade g{x.pontos, x.primeiroX,       delta,  x.fatorX,
                  x.fatorY, hz ? "Hz" : "ppm", SepDec, x.nReal};
    EixoDasLinhas eixo(g);
    if (auto f = Decodifica(bytes, tab, g, e.Intensidade, eixo)) return f;
    if (auto f = Posicoes(x, delta, hz, tab.forma.linha, e)) return f;
    if (hz)
        if (auto f = Referencia(h.De(ReferenciaDesloc), h.De(DeslocBruker), e.Ppm)) return f;
    Identifica(b.v()[Titulo], h.De(Nucleo), e, r.avisos);
    AvisosDoEixo(x, g, eixo, e, r.avisos);
    r.espectro = std::move(e);
    return std::nullopt;
}

// Why a file whose blocks hold neither a spectrum nor a peak table is refused.
Falha SemEspectro(const Blocos& bl) {
    if (bl.dd) return {bl.dd->linha, "espectros 2D não são aceitos, só espectros 1D"};
    if (bl.fid) return {bl.fid->linha, "o arquivo traz o FID (o sinal no tempo), não o espectro"};
    if (bl.semTabela)
        return {bl.semTabela->linha, "o espectro não traz nenhuma tabela (##XYDATA=, "
                                     "##DATA TABLE=, ##XYPOINTS= ou ##PEAK TABLE=)"};
    if (bl.outra)
        return {bl.outra->linha,
                "não é um espectro de RMN (##DATA TYPE= " + TextoUtf8(bl.outra->texto) + ")"};
    return {0, "o arquivo não traz nenhum espectro"};
}

std::optional<Falha> LeBlocos(std::string_view bytes, char SepDec, LeituraJcamp& r) {
    if (auto f = ConfereBytes(bytes, LimiteJcamp, UltimaLinha)) return f;
    const std::size_t bom = bytes.substr(0, 3) == "\xEF\xBB\xBF" ? 3 : 0;
    Blocos bl;
    if (auto f = VarreBlocos(bytes, bom, bl)) return f;
    if (bl.escolhido) return LeTraco(bytes, *bl.escolhido, SepDec, r);
    if (!bl.picos) return SemEspectro(bl);
    EspectroExperimental e;
    if (auto f = LePicos(bytes, *bl.picos, e)) return f;
    Identifica(bl.picos->v()[Titulo], bl.picos->v()[Nucleo], e, r.avisos);
    r.espectro = std::move(e);
    return std::nullopt;
}

} // namespace

LeituraJcamp LeJcampDx(std::string_view bytes, char SepDec) {
    LeituraJcamp r;
    if (auto f = LeBlocos(bytes, SepDec, r)) r.Recusa(std::move(*f));
    return r;
}

LeituraJcamp LeArquivoJcamp(const std::string& caminho, char SepDec) {
    return LeDoArquivo<LeituraJcamp>(caminho, LimiteJcamp, [SepDec](std::string_view bytes) {
        return LeJcampDx(bytes, SepDec);
    });
}
