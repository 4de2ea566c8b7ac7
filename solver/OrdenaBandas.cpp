#include "solver/OrdenaBandas.h"

#include <vector>

namespace {

// Replays the selection sort: each step takes the first maximum of the
// positions not yet fixed and exchanges it with the current position. A tree
// over the positions answers "first maximum" in O(1) and is updated in
// O(log n) per exchange, so the same permutation, ties included, comes out
// in O(n log n).
class ArvoreMaximo {
  public:
    explicit ArvoreMaximo(const std::vector<double>& f) : f_(f) {
        folhas_ = 1;
        while (folhas_ < int(f.size())) folhas_ *= 2;
        no_.assign(2 * folhas_, -1);
        for (int i = 0; i < int(f.size()); ++i) no_[folhas_ + i] = i;
        for (int k = folhas_ - 1; k >= 1; --k) no_[k] = Melhor(no_[2 * k], no_[2 * k + 1]);
    }
    int Primeiro() const { return no_[1]; }
    void Atualiza(int pos, bool presente) {
        int k = folhas_ + pos;
        no_[k] = presente ? pos : -1;
        for (k /= 2; k >= 1; k /= 2) no_[k] = Melhor(no_[2 * k], no_[2 * k + 1]);
    }

  private:
    // The left one wins unless the right one is strictly larger.
    int Melhor(int a, int b) const {
        if (a < 0) return b;
        if (b < 0) return a;
        return f_[b] > f_[a] ? b : a;
    }
    const std::vector<double>& f_;
    int folhas_;
    std::vector<int> no_;
};

template <typename T> void Permuta(Vetor<T>& v, const std::vector<int>& origem) {
    std::vector<T> tmp(origem.size());
    for (std::size_t i = 0; i < origem.size(); ++i) tmp[i] = v(origem[i] + 1);
    for (std::size_t i = 0; i < origem.size(); ++i) v(int(i) + 1) = tmp[i];
}

} // namespace

void OrdenaBandas(EstadoSpin& e) {
    const int n = e.NBandas;
    if (n < 2) return;
    std::vector<double> f(n);
    std::vector<int> origem(n);
    for (int i = 0; i < n; ++i) {
        f[i] = e.FreqBanda(i + 1);
        origem[i] = i;
    }
    ArvoreMaximo arvore(f);
    for (int i = 0; i < n - 1; ++i) {
        const int m = arvore.Primeiro();
        if (m != i) {
            std::swap(f[i], f[m]);
            std::swap(origem[i], origem[m]);
            arvore.Atualiza(m, true);
        }
        arvore.Atualiza(i, false);
    }
    Permuta(e.FreqBanda, origem);
    Permuta(e.IntBanda, origem);
    Permuta(e.NivelA, origem);
    Permuta(e.NivelB, origem);
    Permuta(e.ProtBanda, origem);
    Permuta(e.NProtAfet, origem);
    const int N = e.NProt;
    std::vector<std::int16_t> prot(std::size_t(n) * (N + 1));
    for (int i = 0; i < n; ++i)
        for (int k = 0; k <= N; ++k)
            prot[std::size_t(i) * (N + 1) + k] = e.ProtAfet(origem[i] + 1, k);
    for (int i = 0; i < n; ++i)
        for (int k = 0; k <= N; ++k) e.ProtAfet(i + 1, k) = prot[std::size_t(i) * (N + 1) + k];
}
