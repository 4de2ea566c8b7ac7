#pragma once
// Zero-filled buffers for the state's arrays. The largest arrays (about 60 MB
// at 10 protons) are only partly touched by a run, so they come straight from
// the system: pages it has already zeroed, on huge pages where it allows, and
// cleared for the next run by handing the pages back rather than by writing
// zeros over all of them.

#include <cstddef>

void* ReservaZerada(std::size_t bytes); // nullptr when there is no memory
void LiberaZerada(void* p, std::size_t bytes);
void ZeraReservada(void* p, std::size_t bytes);

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define HALVORA_ASAN 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define HALVORA_ASAN 1
#endif

// Under AddressSanitizer only the first `vivos` of the `bytes` of a buffer may
// be read or written until it is zeroed or freed; otherwise nothing.
#if defined(HALVORA_ASAN)
void MarcaVivos(void* p, std::size_t vivos, std::size_t bytes);
#else
inline void MarcaVivos(void*, std::size_t, std::size_t) {}
#endif
