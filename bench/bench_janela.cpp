// The main window as the user meets it: start-up to the first drawn
// spectrum, and Enter to the redrawn spectrum for the largest systems.
#include "display/AreaGrafico.h"
#include "mainwindow/ExecucaoEspectro.h"
#include "mainwindow/JanelaEspectro.h"
#include "mainwindow/Moldura.h"
#include "mainwindow/OpcoesEspectro.h"
#include "mainwindow/PainelEntrada.h"

#include <QApplication>
#include <QLineEdit>

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

void Inicio(benchmark::State& st) {
    for (auto _ : st) {
        EstadosPrograma estados;
        Moldura w(estados, 1280);
        w.Inicia();
        w.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(w.janela()->Estado().NBandas);
    }
}
BENCHMARK(Inicio)->Unit(benchmark::kMillisecond)->Iterations(5);

// Enter in the number-of-protons box: the run, the table, the plot.
void Enter(benchmark::State& st) {
    EstadosPrograma estados;
    Moldura w(estados, 1280);
    w.Inicia();
    w.show();
    JanelaEspectro& f = *w.janela();
    f.Entrada().caixaIntMin()->setText(st.range(0) ? QStringLiteral("0,01") : QStringLiteral("0"));
    if (QLocale().decimalPoint() == QLatin1Char('.'))
        f.Entrada().caixaIntMin()->setText(f.Entrada().caixaIntMin()->text().replace(',', '.'));
    for (auto _ : st) {
        f.Entrada().caixaNProt()->setText(QStringLiteral("10"));
        emit f.Entrada().caixaNProt()->returnPressed();
        QApplication::processEvents();
    }
    st.counters["bandas"] = f.Estado().NBandas;
}
BENCHMARK(Enter)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->Iterations(3);

// Dragging the window's corner at 10 protons (15 540 bands): each step a new
// plot size, its envelope and the full redraw.
void Redimensiona(benchmark::State& st) {
    EstadosPrograma estados;
    Moldura w(estados, 2560);
    w.Inicia();
    w.show();
    JanelaEspectro& f = *w.janela();
    f.Entrada().caixaNProt()->setText(QStringLiteral("10"));
    emit f.Entrada().caixaNProt()->returnPressed();
    QApplication::processEvents();
    int passo = 0;
    for (auto _ : st) {
        const int largura = 1800 + 40 * (passo++ % 8);
        f.areaGrafico()->AmpliaPara(15 * largura, 15 * 700);
    }
    st.counters["bandas"] = f.Estado().NBandas;
}
BENCHMARK(Redimensiona)->Unit(benchmark::kMillisecond)->Iterations(20);

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
