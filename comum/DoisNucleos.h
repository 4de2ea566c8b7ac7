#pragma once
// Items 0..n-1 shared between this thread and one helper: each takes the next
// item from one counter when it is free, so the two finish together when the
// biggest items come first. With `vale` false, no second core, or a system
// that refuses the thread, this thread does them all. An exception from an
// item (memory running out, say) reaches the caller from either thread, once
// both have stopped taking items.

#include <atomic>
#include <cstddef>
#include <exception>
#include <system_error>
#include <thread>

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
    std::exception_ptr falhaDoAjudante;
    {
        // Joined when this block ends, or when this thread's part throws.
        std::jthread ajudante;
        if (vale && n > 1 && std::thread::hardware_concurrency() > 1) {
            try {
                ajudante = std::jthread([&] {
                    try {
                        trabalha();
                    } catch (...) {
                        falhaDoAjudante = std::current_exception();
                    }
                });
            } catch (const std::system_error&) {
            }
        }
        trabalha();
    }
    if (falhaDoAjudante) std::rethrow_exception(falhaDoAjudante);
}
