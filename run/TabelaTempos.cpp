#include "run/TabelaTempos.h"

#include "texto/TextoDecimal.h"

const char* const NomeEtapaJacobi = "JACOBI";
const char* const NomeEtapaSubmatrizes = "Submatrizes";
const char* const NomeEtapaMatTrans = "Matriz de transição";
const char* const NomeEtapaFreq = "Cálculo de freqüências";
const char* const NomeEtapaOrdenacao = "Ordenação de Bandas";
const char* const NomeEtapaTabela = "Preenchimento da Tabela";
const char* const NomeEtapaGrafico = "Gráfico";
const char* const CabecalhoTempoEtapa = "Tempo (segundos)";
const char* const CabecalhoTempoTotal = "Total (segundos)";

std::string TextoSegundos(double segundos, char SepDec) {
    return FormataGeral(segundos, 2, SepDec);
}
