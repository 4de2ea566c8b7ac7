#pragma once
// The system the program opens on.

inline constexpr int NProtInicial = 3;
inline constexpr double MHzInicial = 300;
inline constexpr float IntMinInicial = 0.01f;
inline constexpr const char* TextoTolJac = "0,0000000000001";

// Shifts of protons 1..10 in Hz.
inline constexpr double DeslocInicial[10] = {194.35, 208.41, 218.08, 220.32, 229.17,
                                             247.95, 253.79, 255.93, 277.03, 295.88};

// J(r, c) for 1 <= r < c <= 10, in Hz.
constexpr int JInicial(int r, int c) {
    return 18 - 2 * r - 2 * c;
}
