#include "estado/Matriz.h"

#include <gtest/gtest.h>

#include <cstdint>

#if defined(HALVORA_ASAN)
#include <sanitizer/asan_interface.h>
#endif

namespace {

// Above 1 MB: the buffer comes from mmap, below it from the allocator.
constexpr int LadoGrande = 400;

template <typename T> T Le(const T* p) {
    return *static_cast<const volatile T*>(p);
}

// Every index below lands inside a buffer kept from a larger shape, where
// nothing but the check can tell it from a live element.
TEST(Matriz, IndiceForaDaFormaAfirma) {
#if defined(NDEBUG)
    GTEST_SKIP() << "index checks are compiled out with NDEBUG";
#else
    Matriz<double> m(LadoGrande, LadoGrande);
    m.recria(3, 5);
    EXPECT_DEATH(m(4, 0) = 1, "Assertion");
    EXPECT_DEATH(m(1, 6) = 1, "Assertion"); // would be (2, 0)
    const Matriz<double>& c = m;
    EXPECT_DEATH(Le(&c(-1, 2)), "Assertion");
    EXPECT_DEATH(Le(c.linha(4)), "Assertion");

    Vetor<std::int16_t> v;
    v.recria(100);
    v.recria(7);
    EXPECT_DEATH(v(8) = 1, "Assertion");
#endif
}

// A raw pointer one element past the live end, in a buffer kept from a larger
// shape, from the allocator or from mmap, reshaped or assigned to.
TEST(Matriz, LeituraAlemDoVivoReaproveitadoDenuncia) {
#if !defined(HALVORA_ASAN)
    GTEST_SKIP() << "needs AddressSanitizer";
#else
    Matriz<double> grande(LadoGrande, LadoGrande);
    grande.recria(2, 3);
    EXPECT_DEATH(Le(grande.dados() + grande.tamanho()), "use-after-poison");

    Vetor<std::int16_t> pequeno; // 10 live bytes: the poison starts mid-granule
    pequeno.recria(300);
    pequeno.recria(4);
    EXPECT_DEATH(Le(pequeno.dados() + 5), "use-after-poison");

    const Matriz<double> fonte(1, 1);
    Matriz<double> copia(LadoGrande, 1);
    copia = fonte;
    EXPECT_DEATH(Le(copia.dados() + 4), "use-after-poison");
#endif
}

} // namespace
