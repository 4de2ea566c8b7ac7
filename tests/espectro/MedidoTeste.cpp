// What a measured spectrum says of itself: baseline, noise, tallest points.
#include "espectro/Medido.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// A baseline at 2 with noise of ±1 (the points 1, 2, 3 in turn), a line of
// `altura` at 1 ppm and a dip to -9 at 0.5 ppm, from 2 ppm down to 0.
EspectroExperimental Traco(double altura = 40) {
    EspectroExperimental x;
    for (int k = 0; k <= 200; ++k) {
        x.Ppm.push_back(2 - k * 0.01);
        x.Intensidade.push_back(1 + k % 3);
    }
    x.Intensidade[100] = altura;
    x.Intensidade[150] = -9;
    return x;
}

TEST(Medido, RuidoEMaiores) {
    for (double altura : {40.0, 4e6}) {
        const Ruido r = RuidoDe(Traco(altura));
        EXPECT_EQ(r.base, 2);
        EXPECT_EQ(r.desvio, 1.4826);
    }
    EspectroExperimental picos = Traco();
    picos.Picos = true;
    EXPECT_EQ(RuidoDe(picos).base, 0);
    EXPECT_EQ(RuidoDe(picos).desvio, 0);
    EXPECT_EQ(RuidoDe(EspectroExperimental{}).desvio, 0);

    // The tallest point in a range and over the whole trace.
    const EspectroExperimental x = Traco();
    EXPECT_EQ(MaiorEntre(x, 0.5, 1.5), 40);
    EXPECT_EQ(MaiorEntre(x, 1.5, 0.5), 40);
    EXPECT_EQ(MaiorEntre(x, 0.4, 0.6), 3);
    EXPECT_EQ(MaiorEntre(x, 0.495, 0.505), -9); // only the dip
    EXPECT_EQ(MaiorEntre(x, 5, 6), -HUGE_VAL);
    const NiveisMedidos n = NiveisDe(x);
    EXPECT_EQ(n.maiorModulo, 40);
    EXPECT_EQ(n.ruido.base, 2);
    EXPECT_EQ(NiveisDe(Traco(-90)).maiorModulo, 90);
    EXPECT_EQ(NiveisDe(EspectroExperimental{}).maiorModulo, 0);
}

} // namespace
