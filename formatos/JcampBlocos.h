#pragma once
// The blocks of a JCAMP-DX file: each one's labels, pages and tables, what
// kind of data it holds, and the scan that finds them all.

#include "formatos/JcampRotulos.h"
#include "formatos/Leitura.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace jcamp {

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

enum class Classe { Espectro, Espectro2D, Fid, Picos, SemTabela, Outra, Link, Estrutura };
struct Avaliacao {
    Avaliacao(Classe c, int l = 0, std::string t = {}) : classe(c), linha(l), texto(std::move(t)) {}
    Classe classe;
    int linha;
    std::string texto; // for Outra: the data type as written
};

// What kind of data a closed block holds.
Avaliacao Avalia(const Bloco& b);

// The file's blocks as the reader needs them: the first 1D spectrum, the
// first peak table, and the first block of each kind it refuses, for the
// message when there is nothing else.
struct Blocos {
    std::optional<Bloco> escolhido, picos;
    std::optional<Avaliacao> dd, fid, semTabela, outra;
};

// Every block of the text from `inicio` on, each checked for its end; the
// fault when the text is not JCAMP-DX or a block is left open.
std::optional<Falha> VarreBlocos(std::string_view bytes, std::size_t inicio, Blocos& r);

} // namespace jcamp
