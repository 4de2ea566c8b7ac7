#pragma once
// The limits a value obeys wherever it enters: a box of the window, an
// option of halvora-calc, a data file. A run that starts can always be saved
// and read back, and a file that reads can always run.

// Spectrometer frequency, MHz. Far above any real instrument the shifts
// sink below the resolution of the absolute energies and the lines move;
// far below, the boxes would need more decimals than they show.
inline constexpr double MHzMinimo = 0.000001;
inline constexpr double MHzMaximo = 100000;

// Shifts, couplings and the line width, Hz, in absolute value: the results
// table writes every integer digit of a frequency.
inline constexpr double HzMaximo = 1e9;

// Line width at half height, Hz.
inline constexpr double LarguraMinima = 0.000001;

// The shift added to a measured spectrum's ppm, in absolute value.
inline constexpr double ReferenciaPpmMaxima = 1000;
