#include "solver/OrdenaBandas.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <functional>
#include <numeric>
#include <utility>
#include <vector>

namespace {

// The selection sort with exchanges, replayed: step i takes the first (lowest
// position) maximum of positions i.. and exchanges it with position i.
// Equal frequencies form a group. While a group is the maximum, its members
// never move (the element at i is either a member, taken where it is, or
// smaller, and moves into the hole the member left), so a group's members are
// taken in the order of their positions. Each group keeps the positions of its
// members in a min-heap; the element at i, the lowest position of all, is at
// the top of its own group's heap, and its move to the hole is one sift.
// Singletons, almost every band, cost O(1) a step; the whole replay is
// O(n log g) after the sort that forms the groups.
class ReplaySelecao {
  public:
    // The frequencies of bands 1..n.
    ReplaySelecao(const Vetor<double>& freq, int n) : grupo_(n) { FormaGrupos(freq, n); }

    // Element i: the band (0-based) that ends at position i.
    std::vector<int> Origem() {
        const int n = int(grupo_.size());
        std::vector<int> origem(n);
        std::iota(origem.begin(), origem.end(), 0);
        int g = 0;
        for (int i = 0; i < n - 1; ++i) {
            while (tamanho_[g] == 0) ++g;
            const int m = RetiraMenor(g);
            if (m == i) continue;
            TrocaMenor(grupo_[origem[i]], m);
            std::swap(origem[i], origem[m]);
        }
        return origem;
    }

  private:
    // Descending frequency as ascending unsigned keys; -0 counts as +0
    // because they compare equal. The frequencies are finite.
    static std::uint64_t Chave(double v) {
        if (v == 0) v = 0;
        const auto b = std::bit_cast<std::uint64_t>(v);
        return (b >> 63) ? b : ~(b | (std::uint64_t(1) << 63));
    }

    struct Item {
        std::uint64_t chave;
        int pos;
    };

    // Least significant digit first, a byte at a time; a byte that every key
    // shares is skipped.
    static void OrdenaItens(std::vector<Item>& v) {
        std::vector<Item> tmp(v.size());
        for (int desloc = 0; desloc < 64; desloc += 8) {
            std::size_t inicio[257] = {};
            for (const Item& x : v) ++inicio[((x.chave >> desloc) & 255) + 1];
            if (std::find(inicio + 1, inicio + 257, v.size()) != inicio + 257) continue;
            for (int d = 1; d < 257; ++d) inicio[d] += inicio[d - 1];
            for (const Item& x : v) tmp[inicio[(x.chave >> desloc) & 255]++] = x;
            v.swap(tmp);
        }
    }

    void FormaGrupos(const Vetor<double>& freq, int n) {
        std::vector<Item> itens(n);
        for (int i = 0; i < n; ++i) itens[i] = {Chave(freq(i + 1)), i};
        OrdenaItens(itens);
        posicoes_.resize(n);
        for (int k = 0; k < n; ++k) {
            if (k == 0 || itens[k].chave != itens[k - 1].chave) {
                inicio_.push_back(k);
                tamanho_.push_back(0);
            }
            posicoes_[k] = itens[k].pos;
            grupo_[itens[k].pos] = int(inicio_.size()) - 1;
            ++tamanho_.back();
        }
        for (std::size_t g = 0; g < inicio_.size(); ++g)
            std::make_heap(Heap(int(g)), Heap(int(g)) + tamanho_[g], std::greater<>());
    }

    int* Heap(int g) { return posicoes_.data() + inicio_[g]; }

    int RetiraMenor(int g) {
        int* h = Heap(g);
        std::pop_heap(h, h + tamanho_[g], std::greater<>());
        return h[--tamanho_[g]];
    }

    // The lowest position of group g becomes `nova`, which is higher.
    void TrocaMenor(int g, int nova) {
        int* h = Heap(g);
        std::pop_heap(h, h + tamanho_[g], std::greater<>());
        h[tamanho_[g] - 1] = nova;
        std::push_heap(h, h + tamanho_[g], std::greater<>());
    }

    std::vector<int> grupo_;    // of each band
    std::vector<int> posicoes_; // the groups' heaps, one after the other
    std::vector<int> inicio_, tamanho_;
};

// The copies come from the ordinary heap, which hands the same memory to each
// in turn: fresh pages for every array cost more than the copying.
template <typename T> void Permuta(Vetor<T>& v, const std::vector<int>& origem) {
    const int n = int(origem.size());
    std::vector<T> tmp(n);
    for (int i = 0; i < n; ++i) tmp[i] = v(origem[i] + 1);
    for (int i = 0; i < n; ++i) v(i + 1) = tmp[i];
}

} // namespace

void OrdenaBandas(EstadoSpin& e) {
    const int n = e.NBandas;
    if (n < 2) return;
    const std::vector<int> origem = ReplaySelecao(e.FreqBanda, n).Origem();
    Permuta(e.FreqBanda, origem);
    Permuta(e.IntBanda, origem);
    Permuta(e.NivelA, origem);
    Permuta(e.NivelB, origem);
    Permuta(e.ProtBanda, origem);
    Permuta(e.NProtAfet, origem);
    const std::size_t largura = std::size_t(e.NProt) + 1;
    std::vector<std::int16_t> prot(std::size_t(n) * largura);
    for (int i = 0; i < n; ++i)
        std::copy_n(e.ProtAfet.linha(origem[i] + 1), largura, &prot[i * largura]);
    for (int i = 0; i < n; ++i) std::copy_n(&prot[i * largura], largura, e.ProtAfet.linha(i + 1));
}
