#pragma once
// Hot loops are compiled for several instruction sets and the best one the
// processor has is picked when the program loads. Only the vector width
// changes: with contraction off every element gets the same multiply and add,
// so the results are the same bits on every x86-64.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
#define HALVORA_VETORIZA __attribute__((target_clones("avx512f", "avx2", "default")))
#else
#define HALVORA_VETORIZA
#endif
