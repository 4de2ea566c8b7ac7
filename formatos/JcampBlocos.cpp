#include "formatos/JcampBlocos.h"

#include "texto/Caracteres.h"
#include "texto/TextoDecimal.h"

#include <utility>

namespace jcamp {

namespace {

// LINK blocks within LINK blocks, as far as this; deeper is refused.
constexpr std::size_t ProfundidadeLink = 8;

// A 1D spectrum has one or two pages; more are kept only as far as this.
constexpr std::size_t PaginasGuardadas = 64;

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

// Two independent variables, two frequency axes, or a table on one.
std::optional<Avaliacao> Bidimensional(const Bloco& b, const std::string& tipo) {
    const Valores& v = b.v();
    if (TipoMultidimensional(tipo)) return Avaliacao{Classe::Espectro2D, v[TipoDados].linha};
    if (TipoMultidimensional(Normaliza(v[NTuplas].texto)))
        return Avaliacao{Classe::Espectro2D, v[NTuplas].linha};
    // ##NUM DIM= alone says nothing: some programs write 2 for a 1D spectrum
    // with its real and imaginary parts.
    const auto independente = [](std::string_view t) { return t == "INDEPENDENT"; };
    if (Quantos(v[TiposVar].texto, independente) > 1)
        return Avaliacao{Classe::Espectro2D, v[TiposVar].linha};
    if (Quantos(v[Simbolos].texto, EixoDeFrequencia) > 1)
        return Avaliacao{Classe::Espectro2D, v[Simbolos].linha};
    for (const PaginaBloco& p : b.paginas) {
        if (!p.tabela) continue;
        if (const auto f = LeForma(p.tabela->forma.texto); f && EixoDeFrequencia(f->x))
            return Avaliacao{Classe::Espectro2D, p.tabela->forma.linha};
    }
    return std::nullopt;
}

} // namespace

Avaliacao Avalia(const Bloco& b) {
    const Valores& v = b.v();
    const std::string tipo = Normaliza(v[TipoDados].texto);
    if (tipo == "LINK") return {Classe::Link};
    if (tipo.empty() && v[VersaoCs].linha) return {Classe::Estrutura}; // a molecule, no data
    if (auto dd = Bidimensional(b, tipo)) return std::move(*dd);
    bool temTabela = false;
    for (const PaginaBloco& p : b.paginas) temTabela = temTabela || p.tabela;
    if (tipo.find("FID") != std::string::npos) return {Classe::Fid, v[TipoDados].linha};
    const bool soPicos = !temTabela && b.picos;
    if (!tipo.empty() && tipo != "NMRSPECTRUM" && !(soPicos && tipo == "NMRPEAKTABLE"))
        return {Classe::Outra, v[TipoDados].linha, std::string(v[TipoDados].texto)};
    if (soPicos) return {Classe::Picos};
    if (!temTabela) return {Classe::SemTabela, v[Titulo].linha};
    return {Classe::Espectro};
}

namespace {

// The scan, one line at a time: the open blocks, innermost last, and the
// table the next label closes.
class Varredura {
  public:
    Varredura(std::string_view bytes, Blocos& r) : bytes_(bytes), r_(r) {}
    std::optional<Falha> Linha(const Linhas& ls, std::string_view linha);
    std::optional<Falha> Final(int ultimaLinha) const;

  private:
    std::optional<Falha> AbreBloco(const Valor& titulo);
    void FechaBloco();
    void Guarda(Chave chave, const Valor& valor, const Linhas& ls);

    std::string_view bytes_;
    Blocos& r_;
    std::vector<Bloco> pilha_;
    bool algumBloco_ = false;
    Tabela* aberta_ = nullptr; // in pilha_.back(), closed by the next label
};

std::optional<Falha> Varredura::Linha(const Linhas& ls, std::string_view linha) {
    const int n = ls.Numero();
    std::string_view t = linha;
    while (!t.empty() && EhBranco(t.front())) t.remove_prefix(1);
    const std::size_t igual = t.find('=');
    if (t.substr(0, 2) != "##" || igual == std::string_view::npos) {
        if (!algumBloco_ && !SemBrancos(SemComentario(t)).empty())
            return Falha{n, "não é um arquivo JCAMP-DX: o texto deveria começar por ##TITLE="};
        return std::nullopt; // a data line, a value continued, or text between blocks
    }
    if (aberta_) {
        aberta_->fim = ls.Inicio();
        aberta_->linhaFim = n;
        aberta_ = nullptr;
    }
    const Chave chave = Procura(Normaliza(t.substr(2, igual - 2)));
    const Valor valor{SemBrancos(SemComentario(t.substr(igual + 1))), n};
    if (chave == Titulo) return AbreBloco(valor);
    if (pilha_.empty()) {
        if (!algumBloco_)
            return Falha{n, "não é um arquivo JCAMP-DX: o primeiro rótulo deveria ser ##TITLE="};
        return std::nullopt;
    }
    if (chave == Fim)
        FechaBloco();
    else
        Guarda(chave, valor, ls);
    return std::nullopt;
}

std::optional<Falha> Varredura::AbreBloco(const Valor& titulo) {
    if (!pilha_.empty()) {
        const Valores& v = pilha_.back().v();
        if (Normaliza(v[TipoDados].texto) != "LINK")
            return Falha{titulo.linha, "##TITLE= antes do ##END= do bloco da linha " +
                                           FormataInteiro(v[Titulo].linha)};
        if (pilha_.size() > ProfundidadeLink)
            return Falha{v[Titulo].linha, "blocos LINK aninhados em mais de " +
                                              FormataInteiro((long long)ProfundidadeLink) +
                                              " níveis"};
    }
    pilha_.emplace_back();
    pilha_.back().paginas[0].v[Titulo] = titulo;
    algumBloco_ = true;
    return std::nullopt;
}

void Varredura::FechaBloco() {
    Bloco& b = pilha_.back();
    Avaliacao a = Avalia(b);
    if (a.classe == Classe::Espectro && !r_.escolhido) r_.escolhido = std::move(b);
    if (a.classe == Classe::Picos && !r_.picos) r_.picos = std::move(b);
    const auto guarda = [&a](std::optional<Avaliacao>& o) {
        if (!o) o = std::move(a);
    };
    if (a.classe == Classe::Espectro2D) guarda(r_.dd);
    if (a.classe == Classe::Fid) guarda(r_.fid);
    if (a.classe == Classe::SemTabela) guarda(r_.semTabela);
    if (a.classe == Classe::Outra) guarda(r_.outra);
    pilha_.pop_back();
}

void Varredura::Guarda(Chave chave, const Valor& valor, const Linhas& ls) {
    Bloco& b = pilha_.back();
    if (chave == Pagina) {
        if (b.pagina >= 0 && b.paginas.size() < PaginasGuardadas) {
            b.paginas.emplace_back();
            b.pagina = int(b.paginas.size()) - 1;
        } else {
            b.pagina = -1;
        }
    }
    if (chave == Nenhuma || b.pagina < 0) return;
    PaginaBloco& p = b.paginas[std::size_t(b.pagina)];
    if (!p.v[chave].linha) p.v[chave] = valor;
    const int n = valor.linha;
    if ((chave == XyDados || chave == TabelaDados) && !p.tabela) {
        p.tabela = Tabela{valor, ls.Depois(), bytes_.size(), n + 1, n + 1, chave == XyDados};
        aberta_ = &*p.tabela;
    }
    if ((chave == TabelaPicos || chave == PontosXy) && !b.picos) {
        b.picos = Tabela{valor, ls.Depois(), bytes_.size(), n + 1, n + 1, false};
        aberta_ = &*b.picos;
    }
}

std::optional<Falha> Varredura::Final(int ultimaLinha) const {
    if (!pilha_.empty()) {
        if (aberta_)
            return Falha{ultimaLinha,
                         "o arquivo termina no meio da tabela de dados, sem ##END= (truncado?)"};
        return Falha{ultimaLinha, "o arquivo termina sem o ##END= do bloco da linha " +
                                      FormataInteiro(pilha_.back().v()[Titulo].linha) +
                                      " (truncado?)"};
    }
    if (!algumBloco_) return Falha{0, "não é um arquivo JCAMP-DX: não há ##TITLE="};
    return std::nullopt;
}

} // namespace

std::optional<Falha> VarreBlocos(std::string_view bytes, std::size_t inicio, Blocos& r) {
    Varredura v(bytes, r);
    Linhas ls(bytes, inicio, 1);
    std::string_view linha;
    int ultimaLinha = 0;
    while (ls.Proxima(linha)) {
        ultimaLinha = ls.Numero();
        if (auto f = v.Linha(ls, linha)) return f;
    }
    return v.Final(ultimaLinha);
}

} // namespace jcamp
