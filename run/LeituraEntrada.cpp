#include "run/LeituraEntrada.h"

#include "texto/TextoDecimal.h"

#include <cmath>

namespace {

std::optional<double> LeCaixa(std::string& texto, char SepDec) {
    return ConverteNumero(AjSepDecimal(texto, SepDec), SepDec);
}

int LeNProt(std::string& texto) {
    const double v = ValorInicial(texto);
    int N = v >= 1 && v < NProtMax + 1 ? int(std::trunc(v)) : 1;
    texto = FormataInteiro(N);
    return N;
}

} // namespace

std::optional<std::string> LeEntrada(TextosEntrada& t, char SepDec, EntradaSimulacao& in) {
    in.SepDec = SepDec;
    in.PPM = t.PPM;
    const auto intMin = ConverteNumeroSimples(AjSepDecimal(t.TextoIntMin, SepDec), SepDec);
    if (!intMin) return "A intensidade mínima não é um número válido.";
    in.IntMin = *intMin;

    const auto mhz = LeCaixa(t.TextoFrequencia, SepDec);
    if (!mhz) return "A freqüência do espectrômetro não é um número válido.";
    if (*mhz <= 0) return "A freqüência do espectrômetro deve ser maior que zero.";
    in.MHz = *mhz;

    const int N = in.NProt = LeNProt(t.TextoNProt);
    in.Desloc.assign(N, 0.0);
    for (int i = 1; i <= N; ++i) {
        const auto s = LeCaixa(t.TextoDesloc[i], SepDec);
        if (!s)
            return "O deslocamento químico de H" + FormataInteiro(i) + " não é um número válido.";
        in.Desloc[i - 1] = *s;
        t.TextoOutraUnidade[i] =
            t.PPM ? FormataGeral(in.MHz * *s, 2, SepDec) : FormataGeral(*s / in.MHz, 4, SepDec);
    }
    in.J.clear();
    for (int i = 1; i <= N - 1; ++i)
        for (int j = i + 1; j <= N; ++j) {
            const auto v = LeCaixa(t.TextoJ[i][j], SepDec);
            if (!v)
                return "A constante de acoplamento J(" + FormataInteiro(i) + "," +
                       FormataInteiro(j) + ") não é um número válido.";
            in.J.push_back(*v);
        }
    // The hidden threshold box keeps its text: its value is 1e-13 with
    // either separator.
    std::string tol = t.TextoTolJac;
    const auto tolJac = LeCaixa(tol, SepDec);
    if (!tolJac) return "A tolerância da diagonalização não é um número válido.";
    in.TolJac = *tolJac;
    return ValidaEntrada(in);
}
