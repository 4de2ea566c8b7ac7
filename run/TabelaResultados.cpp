#include "run/TabelaResultados.h"

#include "comum/DoisNucleos.h"
#include "texto/TextoDecimal.h"

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

const char* const CabecalhoTabela[ColunasTabela] = {
    "Banda n°",      "Níveis",        "Freqüência (Hz)", "Intensidade relativa",
    "Spins nível A", "Spins nível B", "Prótons afetados"};

const int LarguraColunaTabela[ColunasTabela] = {800, 800, 1400, 1600, 1200, 1200, 1800};

const char* const CabecalhoCopiaTabela[ColunasTabela] = {
    "Banda n°",      "Níveis",        "Freqüência(Hz)",  "Intensidade relativa",
    "Spins nível A", "Spins nível B", "Prótons afetados"};

namespace {

constexpr std::string_view Travessao = " \u2013 "; // en dash between the two levels

// Writers of the cells that hold no fractional number, into a buffer the
// caller sized with TamanhoMaximo.
char* EscreveInteiro(char* p, long long v) {
    return std::to_chars(p, p + 20, v).ptr;
}

char* EscreveNiveis(char* p, const EstadoSpin& e, int b) {
    p = EscreveInteiro(p, e.NivelA(b));
    std::memcpy(p, Travessao.data(), Travessao.size());
    return EscreveInteiro(p + Travessao.size(), e.NivelB(b));
}

char* EscreveSpins(char* p, const EstadoSpin& e, int nivel,
                   LetrasSpin letras = LetrasSpin::Latinas) {
    const float* spin = e.SpinEst.linha(nivel);
    if (letras == LetrasSpin::Latinas) {
        for (int i = 1; i <= e.NProt; ++i) *p++ = spin[i] > 0 ? 'a' : 'b';
        return p;
    }
    // α U+03B1 and β U+03B2 in UTF-8.
    for (int i = 1; i <= e.NProt; ++i) {
        *p++ = '\xCE';
        *p++ = spin[i] > 0 ? '\xB1' : '\xB2';
    }
    return p;
}

char* EscreveProtons(char* p, const EstadoSpin& e, int b) {
    const std::int16_t* prot = e.ProtAfet.linha(b);
    *p++ = 'H';
    p = EscreveInteiro(p, prot[1]);
    for (int k = 2; k <= e.NProtAfet(b); ++k) {
        *p++ = ',';
        *p++ = 'H';
        p = EscreveInteiro(p, prot[k]);
    }
    return p;
}

// Room that the integer and letter cells of band b need, tabs and line end included.
std::size_t TamanhoMaximo(const EstadoSpin& e, int b) {
    const int nProt = e.NProt > 0 ? e.NProt : 0;
    const int nAfet = e.NProtAfet(b) > 1 ? e.NProtAfet(b) : 1;
    return 64 + 4 * std::size_t(nProt) + 24 * std::size_t(nAfet);
}

// Every cell of band b that is not a fractional number fits in this when N <= NProtMax.
constexpr std::size_t TamanhoLinha = 64 + 4 * NProtMax + 24 * NProtMax;

template <typename Escritor>
void AnexaEscrito(std::string& s, const EstadoSpin& e, int b, Escritor escreve) {
    char buf[TamanhoLinha];
    if (TamanhoMaximo(e, b) <= sizeof buf) {
        s.append(buf, escreve(buf));
    } else {
        std::string grande(TamanhoMaximo(e, b), '\0');
        s.append(grande.data(), escreve(grande.data()));
    }
}

} // namespace

std::string TextoCelulaBanda(const EstadoSpin& e, int b, int col, char SepDec) {
    std::string s;
    switch (col) {
    case 0:
        return FormataInteiro(b);
    case 1:
        AnexaEscrito(s, e, b, [&](char* p) { return EscreveNiveis(p, e, b); });
        break;
    case 2:
        return FormataGeral(e.FreqBanda(b), 3, SepDec);
    case 3:
        return FormataGeral(e.IntBanda(b), 3, SepDec);
    case 4:
        AnexaEscrito(s, e, b, [&](char* p) { return EscreveSpins(p, e, e.NivelA(b)); });
        break;
    case 5:
        AnexaEscrito(s, e, b, [&](char* p) { return EscreveSpins(p, e, e.NivelB(b)); });
        break;
    case 6:
        AnexaEscrito(s, e, b, [&](char* p) { return EscreveProtons(p, e, b); });
        break;
    default:
        break;
    }
    return s;
}

namespace {
// Enough for ordinary lines; a longer one (a huge frequency) only makes the
// string grow by doubling.
std::size_t TamanhoPrevisto(const EstadoSpin& e, int bandas) {
    const std::size_t porLinha = 48 + 8 * std::size_t(e.NProt > 0 ? e.NProt : 0);
    return 160 + std::size_t(bandas > 0 ? bandas : 0) * porLinha;
}
constexpr int BandasPorPedaco = 2000;
} // namespace

namespace {

// Each line is written in three pieces: the cells before the two numbers, the
// numbers (short enough for the small-string buffer, so no allocation), and
// the cells after them. The last line has no line end.
void AnexaLinha(std::string& s, const EstadoSpin& e, int b, char SepDec, LetrasSpin letras) {
    AnexaEscrito(s, e, b, [&](char* p) {
        p = EscreveInteiro(p, b);
        *p++ = '\t';
        p = EscreveNiveis(p, e, b);
        *p++ = '\t';
        return p;
    });
    s += FormataGeral(e.FreqBanda(b), 3, SepDec);
    s += '\t';
    s += FormataGeral(e.IntBanda(b), 3, SepDec);
    AnexaEscrito(s, e, b, [&](char* p) {
        *p++ = '\t';
        p = EscreveSpins(p, e, e.NivelA(b), letras);
        *p++ = '\t';
        p = EscreveSpins(p, e, e.NivelB(b), letras);
        *p++ = '\t';
        p = EscreveProtons(p, e, b);
        if (b < e.NBandas) {
            *p++ = '\r';
            *p++ = '\n';
        }
        return p;
    });
}

} // namespace

void EscreveCopiaTabela(const EstadoSpin& e, char SepDec,
                        const std::function<void(std::string_view)>& entrega, LetrasSpin letras) {
    std::string cabecalho;
    for (int c = 0; c < ColunasTabela; ++c) {
        if (c > 0) cabecalho += '\t';
        cabecalho += CabecalhoCopiaTabela[c];
    }
    cabecalho += "\r\n";
    entrega(cabecalho);
    // The lines are independent: a long table is written in pieces by two
    // cores, a round of pieces at a time, and handed over in order.
    const int nBandas = e.NBandas > 0 ? e.NBandas : 0;
    constexpr int PedacosPorRodada = 8;
    std::vector<std::string> pedacos(PedacosPorRodada);
    for (int inicio = 1; inicio <= nBandas; inicio += PedacosPorRodada * BandasPorPedaco) {
        const int fim = std::min(nBandas, inicio + PedacosPorRodada * BandasPorPedaco - 1);
        const std::size_t n = std::size_t(fim - inicio) / BandasPorPedaco + 1;
        EmDoisNucleos(n, n > 1, [&](std::size_t k) {
            const int primeira = inicio + int(k) * BandasPorPedaco;
            const int ultima = std::min(primeira + BandasPorPedaco - 1, fim);
            // Built apart and moved in: two strings side by side in the vector
            // share a cache line, which every append would pass between the cores.
            std::string s;
            s.reserve(TamanhoPrevisto(e, ultima - primeira + 1));
            for (int b = primeira; b <= ultima; ++b) AnexaLinha(s, e, b, SepDec, letras);
            pedacos[k] = std::move(s);
        });
        for (std::size_t k = 0; k < n; ++k) entrega(pedacos[k]);
    }
}

std::string TextoCopiaTabela(const EstadoSpin& e, char SepDec, LetrasSpin letras) {
    std::string texto;
    texto.reserve(TamanhoPrevisto(e, e.NBandas));
    EscreveCopiaTabela(
        e, SepDec, [&](std::string_view pedaco) { texto += pedaco; }, letras);
    return texto;
}
