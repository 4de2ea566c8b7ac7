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
