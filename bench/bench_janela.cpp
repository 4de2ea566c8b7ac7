// The main window as the user meets it: start-up to the first drawn
// spectrum, and Enter to the redrawn spectrum for the largest systems.
#include "display/Picture1.h"
#include "mainwindow/Form1.h"
#include "mainwindow/MDIForm1.h"

#include <QApplication>
#include <QLineEdit>

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

void Inicio(benchmark::State& st) {
    for (auto _ : st) {
        MDIForm1 w(1280);
        w.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(w.form1()->Estado().NBandas);
    }
}
BENCHMARK(Inicio)->Unit(benchmark::kMillisecond)->Iterations(5);

// Enter in the number-of-protons box: the run, the table, the plot.
void Enter(benchmark::State& st) {
    MDIForm1 w(1280);
    w.show();
    Form1& f = *w.form1();
    f.Text12()->setText(st.range(0) ? QStringLiteral("0,01") : QStringLiteral("0"));
    if (QLocale().decimalPoint() == QLatin1Char('.'))
        f.Text12()->setText(f.Text12()->text().replace(',', '.'));
    for (auto _ : st) {
        f.Text1()->setText(QStringLiteral("10"));
        emit f.Text1()->returnPressed();
        QApplication::processEvents();
    }
    st.counters["bandas"] = f.Estado().NBandas;
}
BENCHMARK(Enter)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
