#include "estado/Memoria.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

#if defined(__linux__)
#include <sys/mman.h>
#endif

#if defined(HALVORA_ASAN)
#include <sanitizer/asan_interface.h>
#endif

namespace {
constexpr std::size_t LimiteGrande = std::size_t(1) << 20;
constexpr std::size_t PaginaGrande = std::size_t(2) << 20;

// The shadow of mapped pages outlives munmap: a mapping that later lands at
// the same address, a thread's stack say, must not inherit our poison.
void Desenvenena([[maybe_unused]] void* p, [[maybe_unused]] std::size_t bytes) {
#if defined(HALVORA_ASAN)
    if (p) ASAN_UNPOISON_MEMORY_REGION(p, bytes);
#endif
}
} // namespace

#if defined(HALVORA_ASAN)
void MarcaVivos(void* p, std::size_t vivos, std::size_t bytes) {
    if (p && vivos < bytes) ASAN_POISON_MEMORY_REGION(static_cast<char*>(p) + vivos, bytes - vivos);
}
#endif

#if defined(__linux__)

void* ReservaZerada(std::size_t bytes) {
    if (bytes < LimiteGrande) return std::calloc(1, bytes);
    // Huge pages only cover aligned stretches: take a little more and trim
    // it to a 2 MB boundary, or the ends fall back to thousands of small pages.
    const std::size_t reserva = bytes + PaginaGrande;
    void* bruto =
        mmap(nullptr, reserva, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (bruto == MAP_FAILED) return nullptr;
    const auto ini = reinterpret_cast<std::uintptr_t>(bruto);
    const std::uintptr_t alinhado = (ini + PaginaGrande - 1) & ~(PaginaGrande - 1);
    if (alinhado > ini) munmap(bruto, alinhado - ini);
    const std::uintptr_t fim = ini + reserva, fimUtil = alinhado + bytes;
    const std::uintptr_t fimPagina = (fimUtil + 4095) & ~std::uintptr_t(4095);
    if (fim > fimPagina) munmap(reinterpret_cast<void*>(fimPagina), fim - fimPagina);
    void* p = reinterpret_cast<void*>(alinhado);
    madvise(p, bytes, MADV_HUGEPAGE);
    return p;
}

void LiberaZerada(void* p, std::size_t bytes) {
    if (!p) return;
    Desenvenena(p, bytes);
    if (bytes < LimiteGrande)
        std::free(p);
    else
        munmap(p, bytes);
}

void ZeraReservada(void* p, std::size_t bytes) {
    Desenvenena(p, bytes);
    if (bytes >= LimiteGrande && madvise(p, bytes, MADV_DONTNEED) == 0) return;
    std::memset(p, 0, bytes);
}

#else

void* ReservaZerada(std::size_t bytes) {
    return std::calloc(1, bytes);
}
void LiberaZerada(void* p, std::size_t bytes) {
    Desenvenena(p, bytes);
    std::free(p);
}
void ZeraReservada(void* p, std::size_t bytes) {
    Desenvenena(p, bytes);
    std::memset(p, 0, bytes);
}

#endif
