#pragma once
// A measured spectrum as the program lays it under a simulated one, in ppm,
// whatever file it came from.

#include <string>
#include <vector>

struct EspectroExperimental {
    std::string Titulo; // UTF-8, one line
    // The observe frequency, MHz; 0 when the file, with x in ppm, does not
    // give it.
    double MHz = 0;
    std::string TextoMHz; // as the file writes it ("400.1321303162"), empty when absent
    int CasasMHz = 0;     // decimals that text gives, at most 6
    std::string Nucleo;   // as the file writes it ("^1H"), empty when absent
    // One entry per point, in the file's order (usually high ppm to low).
    std::vector<double> Ppm, Intensidade;
    // The points are separate peaks (a peak table), drawn as sticks, not a
    // trace.
    bool Picos = false;
};
