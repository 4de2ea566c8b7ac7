#pragma once
// "Janela" > "Matrizes" opens the matrix inspector over the frame's state (a
// child window of the frame, so it closes with it). Every new result of the
// main window marks the inspector's grids out of date; its "Espectro
// Simulado" brings the frame back to the front.

class Moldura;

void LigaInspetor(Moldura& moldura);
