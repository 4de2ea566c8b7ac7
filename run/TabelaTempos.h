#pragma once
// The timing report's rows: stage names and the seconds they show.

#include <string>

extern const char* const NomeEtapaJacobi;      // 1 or 2 protons
extern const char* const NomeEtapaSubmatrizes; // 3 or more
extern const char* const NomeEtapaMatTrans;
extern const char* const NomeEtapaFreq;
extern const char* const NomeEtapaOrdenacao;
extern const char* const NomeEtapaTabela;
extern const char* const NomeEtapaGrafico;
extern const char* const CabecalhoTempoEtapa; // "Tempo (segundos)"
extern const char* const CabecalhoTempoTotal; // "Total (segundos)"

// Seconds rounded to 2 decimals, halves to even, in the general format.
std::string TextoSegundos(double segundos, char SepDec);
