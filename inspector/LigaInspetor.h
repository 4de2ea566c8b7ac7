#pragma once
// "Janela" > "Matrizes" opens the matrix inspector over the frame's state (a
// child window of the frame, so it closes with it); the inspector's
// "Espectro Simulado" brings the frame back to the front.

class Moldura;

void LigaInspetor(Moldura& moldura);
