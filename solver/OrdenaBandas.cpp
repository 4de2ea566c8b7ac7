#include "solver/OrdenaBandas.h"

#include <limits>
#include <utility>

namespace {

// Replays the selection sort: each step takes the first maximum of the
// positions not yet fixed and exchanges it with the current position. A tree
// over the positions answers "first maximum" at its root and is updated in
// O(log n) per exchange, so the same permutation, ties included, comes out
// in O(n log n).
class ArvoreMaximo {
  public:
    ArvoreMaximo(const Vetor<double>& f, int n) {
        while (folhas_ < n) folhas_ *= 2;
        no_.recria(2 * folhas_);
        for (int k = 0; k < 2 * folhas_; ++k) no_(k) = Vazio;
        for (int i = 0; i < n; ++i) no_(folhas_ + i) = {f(i), i};
        for (int k = folhas_ - 1; k >= 1; --k) no_(k) = Melhor(no_(2 * k), no_(2 * k + 1));
    }
    int Primeiro() const { return no_(1).pos; }
    void Coloca(int pos, double valor) { Sobe(folhas_ + pos, {valor, pos}); }
    void Retira(int pos) { Sobe(folhas_ + pos, Vazio); }

  private:
    // Each node keeps the value with its position, so a comparison never
    // leaves the tree's own memory.
    struct No {
        double valor;
        int pos;
    };
    static constexpr No Vazio = {-std::numeric_limits<double>::infinity(), -1};

    // The left one wins unless the right one is strictly larger.
    static No Melhor(const No& a, const No& b) { return b.valor > a.valor ? b : a; }
    void Sobe(int k, No folha) {
        no_(k) = folha;
        for (k /= 2; k >= 1; k /= 2) no_(k) = Melhor(no_(2 * k), no_(2 * k + 1));
    }

    int folhas_ = 1;
    Vetor<No> no_;
};

// The work arrays are large at 10 protons; Vetor keeps them on huge pages.
template <typename T> void Permuta(Vetor<T>& v, const Vetor<int>& origem, int n) {
    Vetor<T> tmp;
    tmp.recria(n);
    for (int i = 0; i < n; ++i) tmp(i) = v(origem(i) + 1);
    for (int i = 0; i < n; ++i) v(i + 1) = tmp(i);
}

void ReplayaSelecao(Vetor<double>& f, int n, Vetor<int>& origem) {
    ArvoreMaximo arvore(f, n);
    for (int i = 0; i < n - 1; ++i) {
        const int m = arvore.Primeiro();
        if (m != i) {
            std::swap(f(i), f(m));
            std::swap(origem(i), origem(m));
            arvore.Coloca(m, f(m));
        }
        arvore.Retira(i);
    }
}

} // namespace

void OrdenaBandas(EstadoSpin& e) {
    const int n = e.NBandas;
    if (n < 2) return;
    Vetor<double> f;
    Vetor<int> origem;
    f.recria(n);
    origem.recria(n);
    for (int i = 0; i < n; ++i) {
        f(i) = e.FreqBanda(i + 1);
        origem(i) = i;
    }
    ReplayaSelecao(f, n, origem);
    Permuta(e.FreqBanda, origem, n);
    Permuta(e.IntBanda, origem, n);
    Permuta(e.NivelA, origem, n);
    Permuta(e.NivelB, origem, n);
    Permuta(e.ProtBanda, origem, n);
    Permuta(e.NProtAfet, origem, n);
    Matriz<std::int16_t> prot(n, e.NProt);
    for (int i = 0; i < n; ++i)
        for (int k = 0; k <= e.NProt; ++k) prot(i, k) = e.ProtAfet(origem(i) + 1, k);
    for (int i = 0; i < n; ++i)
        for (int k = 0; k <= e.NProt; ++k) e.ProtAfet(i + 1, k) = prot(i, k);
}
