#include "inspector/DetChio.h"

#include <cstddef>

double DetChio(const Matriz<double>& M, int n) {
    if (n <= 0) return 1;
    std::vector<double> a(std::size_t(n) * std::size_t(n));
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            a[std::size_t(i) * std::size_t(n) + std::size_t(j)] = M(i + 1, j + 1);
    return DetChio(std::move(a), n);
}

double DetChio(std::vector<double> a, int n) {
    if (n <= 0) return 1;
    if (n == 1) return a[0];
    // The work matrix keeps its row stride n while it shrinks.
    const std::size_t passo = std::size_t(n);
    auto el = [&](int i, int j) -> double& { return a[std::size_t(i) * passo + std::size_t(j)]; };
    std::vector<double> pivo(passo);
    double f = 1;
    for (int m = n; m >= 3; --m) {
        int p = 0;
        while (p < m && el(p, 0) == 0) ++p;
        if (p == m) return 0;
        // Bringing row p to the top takes p adjacent swaps.
        const double piv = el(p, 0);
        f = f * (p % 2 == 0 ? piv : -piv);
        for (int j = 0; j < m; ++j) pivo[std::size_t(j)] = el(p, j) / piv;
        // The rows below p move up by one and overwrite it: the pivot row is kept apart.
        for (int i = 0, ni = 0; i < m; ++i) {
            if (i == p) continue;
            const double lider = el(i, 0);
            for (int j = 0; j < m - 1; ++j)
                el(ni, j) = el(i, j + 1) - lider * pivo[std::size_t(j) + 1];
            ++ni;
        }
    }
    return f * (el(0, 0) * el(1, 1) - el(0, 1) * el(1, 0));
}
