#pragma once
// What a measured spectrum says of itself, whatever grid or plot it is laid
// on: its baseline and noise, and its tallest points.

// EspectroExperimental, until the struct has a header of its own here.
#include "espectro/EspectroExperimental.h"

// The trace's baseline and noise: the median of its points and 1.4826 ×
// their median absolute deviation, which a spectrum that is mostly baseline
// gives whatever its lines are. A list of peaks has none: every one is a
// line.
struct Ruido {
    double base = 0, desvio = 0;
};
Ruido RuidoDe(const EspectroExperimental& x);

// The tallest intensity among the points from ppmDe to ppmAte (either way
// round, both included); -HUGE_VAL when none falls there.
double MaiorEntre(const EspectroExperimental& x, double ppmDe, double ppmAte);

// What the plot needs of a spectrum at every drawing, worked out once: the
// noise and the largest magnitude of any point (0 without points).
struct NiveisMedidos {
    Ruido ruido;
    double maiorModulo = 0;
};
NiveisMedidos NiveisDe(const EspectroExperimental& x);
