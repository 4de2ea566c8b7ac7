#pragma once
// Items 0..n-1 shared between this thread and the one helper thread of the
// process: each takes the next item from one counter when it is free, so the
// two finish together when the biggest items come first. The helper is
// started once and kept, so many runs in a row create no threads. With
// `vale` false, no second core, a system that refuses the thread, or the
// helper busy with another caller's items, this thread does them all. An
// exception from an item (memory running out, say) reaches the caller from
// either thread, once both have stopped taking items.

#include <atomic>
#include <cstddef>
#include <exception>

namespace dois_nucleos {

// The helper's share of one call: started by Tenta, waited for when the
// object ends, so nothing the share refers to goes away under it.
class Parte {
  public:
    Parte() = default;
    Parte(const Parte&) = delete;
    Parte& operator=(const Parte&) = delete;
    ~Parte() { Espera(); }

    // Hands `f(contexto)` to the helper; false when it cannot take it now.
    bool Tenta(void (*f)(void*), void* contexto);
    void Espera();

  private:
    bool ativa_ = false;
};

// Threads the helper has been started on since the program began: one at
// most, whatever the number of calls.
int ThreadsCriadas();

} // namespace dois_nucleos

template <typename F> void EmDoisNucleos(std::size_t n, bool vale, F&& item) {
    std::atomic<std::size_t> proximo{0};
    auto trabalha = [&] {
        try {
            for (std::size_t i; (i = proximo.fetch_add(1)) < n;) item(i);
        } catch (...) {
            proximo = n; // the other thread stops at its next item
            throw;
        }
    };
    struct Ajuda {
        decltype(trabalha)* parte;
        std::exception_ptr falha;
    } ajuda{&trabalha, nullptr};
    {
        dois_nucleos::Parte parte;
        if (vale && n > 1)
            parte.Tenta(
                [](void* c) {
                    auto* a = static_cast<Ajuda*>(c);
                    try {
                        (*a->parte)();
                    } catch (...) {
                        a->falha = std::current_exception();
                    }
                },
                &ajuda);
        trabalha(); // when this throws, `parte` still waits for the helper
    }
    if (ajuda.falha) std::rethrow_exception(ajuda.falha);
}
