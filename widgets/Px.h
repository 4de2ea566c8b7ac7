#pragma once
// Controls and drawings are laid out in twips (15 to a pixel at 96 dpi).
// No toolkit here: the calculator lays out its picture with it too.

#include <climits>
#include <cmath>

// Twips to pixels, rounded to the nearest integer, halves to even.
inline int Px(double twips) {
    const double p = std::nearbyint(twips / 15);
    // Far outside any surface: clamp rather than overflow the conversion.
    if (!(p > INT_MIN / 2)) return INT_MIN / 2;
    if (!(p < INT_MAX / 2)) return INT_MAX / 2;
    return int(p);
}
