#include "run/Memoria.h"

#include <cstdlib>
#include <cstring>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace {
constexpr std::size_t LimiteGrande = std::size_t(1) << 20;
}

#if defined(__linux__)

void* ReservaZerada(std::size_t bytes) {
    if (bytes < LimiteGrande) return std::calloc(1, bytes);
    void* p = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (p == MAP_FAILED) return nullptr;
    madvise(p, bytes, MADV_HUGEPAGE);
    return p;
}

void LiberaZerada(void* p, std::size_t bytes) {
    if (!p) return;
    if (bytes < LimiteGrande)
        std::free(p);
    else
        munmap(p, bytes);
}

void ZeraReservada(void* p, std::size_t bytes) {
    if (bytes >= LimiteGrande && madvise(p, bytes, MADV_DONTNEED) == 0) return;
    std::memset(p, 0, bytes);
}

#else

void* ReservaZerada(std::size_t bytes) {
    return std::calloc(1, bytes);
}
void LiberaZerada(void* p, std::size_t) {
    std::free(p);
}
void ZeraReservada(void* p, std::size_t bytes) {
    std::memset(p, 0, bytes);
}

#endif
