#include "espectro/Medido.h"

#include <algorithm>
#include <cmath>

Ruido RuidoDe(const EspectroExperimental& x) {
    if (x.Picos || x.Intensidade.empty()) return {};
    std::vector<double> v = x.Intensidade;
    const auto meio = v.begin() + std::ptrdiff_t(v.size() / 2);
    std::nth_element(v.begin(), meio, v.end());
    const double base = *meio;
    for (double& y : v) y = std::fabs(y - base);
    std::nth_element(v.begin(), meio, v.end());
    return {base, 1.4826 * *meio};
}

double MaiorEntre(const EspectroExperimental& x, double ppmDe, double ppmAte) {
    const auto [baixo, alto] = std::minmax(ppmDe, ppmAte);
    double maior = -HUGE_VAL;
    for (std::size_t k = 0; k < x.Ppm.size(); ++k)
        if (x.Ppm[k] >= baixo && x.Ppm[k] <= alto) maior = std::max(maior, x.Intensidade[k]);
    return maior;
}

NiveisMedidos NiveisDe(const EspectroExperimental& x) {
    double maior = 0;
    for (double y : x.Intensidade) maior = std::max(maior, std::fabs(y));
    return {RuidoDe(x), maior};
}
