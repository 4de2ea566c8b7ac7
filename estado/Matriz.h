#pragma once
// Dense 0-based array (0..R, 0..C) in one contiguous row-major buffer.
// Element 0 of every dimension exists and stays zero unless written.
// recria() keeps the buffer when it is large enough, so repeated runs
// at the same size never allocate again. An index outside the shape asserts
// in builds without NDEBUG; under AddressSanitizer the kept tail beyond the
// shape is unreadable, so a stray raw pointer is caught as well.

#include "estado/Memoria.h"

#include <cassert>
#include <cstddef>
#include <cstring>
#include <new>
#include <type_traits>
#include <utility>

template <typename T> class Matriz {
    static_assert(std::is_trivially_copyable_v<T>);

  public:
    Matriz() = default;
    Matriz(int r, int c) { recria(r, c); }
    Matriz(const Matriz& o) { *this = o; }
    Matriz(Matriz&& o) noexcept { troca(o); }
    Matriz& operator=(const Matriz& o) {
        if (this != &o) {
            recria(o.r_, o.c_);
            if (tamanho() > 0) std::memcpy(dados_, o.dados_, tamanho() * sizeof(T));
        }
        return *this;
    }
    Matriz& operator=(Matriz&& o) noexcept {
        troca(o);
        return *this;
    }
    ~Matriz() { LiberaZerada(dados_, capacidade_ * sizeof(T)); }

    // New shape (0..r, 0..c), all zero.
    void recria(int r, int c) {
        assert(r >= -1 && c >= -1);
        const std::size_t n = std::size_t(r + 1) * std::size_t(c + 1);
        if (n > capacidade_) {
            LiberaZerada(dados_, capacidade_ * sizeof(T));
            dados_ = static_cast<T*>(ReservaZerada(n * sizeof(T)));
            if (!dados_) {
                capacidade_ = 0;
                r_ = c_ = -1;
                throw std::bad_alloc();
            }
            capacidade_ = n;
        } else if (n > 0) {
            ZeraReservada(dados_, capacidade_ * sizeof(T));
        }
        r_ = r;
        c_ = c;
        MarcaVivos(dados_, n * sizeof(T), capacidade_ * sizeof(T));
    }

    T& operator()(int i, int j) {
        assert(0 <= i && i <= r_ && 0 <= j && j <= c_);
        return dados_[std::size_t(i) * std::size_t(c_ + 1) + std::size_t(j)];
    }
    const T& operator()(int i, int j) const {
        assert(0 <= i && i <= r_ && 0 <= j && j <= c_);
        return dados_[std::size_t(i) * std::size_t(c_ + 1) + std::size_t(j)];
    }
    T* linha(int i) {
        assert(0 <= i && i <= r_);
        return dados_ + std::size_t(i) * std::size_t(c_ + 1);
    }
    const T* linha(int i) const {
        assert(0 <= i && i <= r_);
        return dados_ + std::size_t(i) * std::size_t(c_ + 1);
    }

    int linhas() const { return r_; }  // highest row index
    int colunas() const { return c_; } // highest column index
    std::size_t tamanho() const { return r_ < 0 ? 0 : std::size_t(r_ + 1) * std::size_t(c_ + 1); }
    T* dados() { return dados_; }
    const T* dados() const { return dados_; }

    void troca(Matriz& o) noexcept {
        std::swap(dados_, o.dados_);
        std::swap(capacidade_, o.capacidade_);
        std::swap(r_, o.r_);
        std::swap(c_, o.c_);
    }

  private:
    T* dados_ = nullptr;
    std::size_t capacidade_ = 0;
    int r_ = -1, c_ = -1;
};

// One-dimensional array (0..n) with the same reuse rule.
template <typename T> class Vetor {
  public:
    void recria(int n) { m_.recria(n, 0); }
    T& operator()(int i) { return m_(i, 0); }
    const T& operator()(int i) const { return m_(i, 0); }
    T* dados() { return m_.dados(); }
    const T* dados() const { return m_.dados(); }
    int limite() const { return m_.linhas(); } // highest index
    void troca(Vetor& o) noexcept { m_.troca(o.m_); }

  private:
    Matriz<T> m_;
};
