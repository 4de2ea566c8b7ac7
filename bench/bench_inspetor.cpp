// The matrix inspector: opening it after a run (four (NEst+1)^2 grids), and
// the intensity walkthrough at five protons.
#include "inspector/JanelaMatrizes.h"
#include "run/Simulacao.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <map>
#include <memory>

namespace {

const EstadoSpin& Calculado(int N) {
    static std::map<int, std::unique_ptr<EstadoSpin>> cache;
    auto& e = cache[N];
    if (!e) {
        e = std::make_unique<EstadoSpin>();
        EstadoSpin trabalho;
        ObservadorSimulacao nada;
        if (Simula(EntradaInicial(N), *e, trabalho, nada)) std::abort();
    }
    return *e;
}

// The results table open but empty, decimal commas: the walkthrough looks its
// cell up all the same.
ConsultasInspetor TabelaVazia() {
    return {[](int, int) { return QString(); }, [] { return ','; }, [] { return true; }};
}

// A new window shown and painted once, as the menu item opens it.
void AbreMatrizes(benchmark::State& st) {
    const EstadoSpin& e = Calculado(int(st.range(0)));
    for (auto _ : st) {
        auto f = std::make_unique<JanelaMatrizes>(e, TabelaVazia());
        f->show();
        f->repaint();
        st.PauseTiming();
        f.reset();
        QApplication::processEvents();
        st.ResumeTiming();
    }
}

// The window already open across a run: the rebuild on activation alone.
void ReconstroiNaAtivacao(benchmark::State& st) {
    const EstadoSpin& e = Calculado(int(st.range(0)));
    JanelaMatrizes f(e, TabelaVazia());
    f.show();
    for (auto _ : st) {
        f.ResultadosNovos();
        QEvent ativa(QEvent::WindowActivate);
        QApplication::sendEvent(&f, &ativa);
        f.repaint();
    }
}

void EntraNoPasseio(benchmark::State& st) {
    const EstadoSpin& e = Calculado(5);
    JanelaMatrizes f(e, TabelaVazia());
    f.show();
    auto* c5 = f.findChild<QPushButton*>(QStringLiteral("botaoPasseio"));
    for (auto _ : st) {
        c5->click();
        f.repaint();
        st.PauseTiming();
        c5->click(); // back to the matrices
        st.ResumeTiming();
    }
}

void MudaNivel(benchmark::State& st) {
    const EstadoSpin& e = Calculado(5);
    JanelaMatrizes f(e, TabelaVazia());
    f.show();
    f.findChild<QPushButton*>(QStringLiteral("botaoPasseio"))->click();
    auto* t1 = f.findChild<QLineEdit*>(QStringLiteral("caixaNivelA"));
    int nivel = 3;
    for (auto _ : st) {
        t1->setText(QString::number(nivel));
        QTest::keyClick(t1, Qt::Key_Return);
        f.repaint();
        nivel = nivel == 3 ? 4 : 3;
    }
}

} // namespace

BENCHMARK(AbreMatrizes)->Arg(5)->Arg(8)->Arg(10)->Unit(benchmark::kMillisecond);
BENCHMARK(ReconstroiNaAtivacao)->Arg(8)->Arg(10)->Unit(benchmark::kMillisecond);
BENCHMARK(EntraNoPasseio)->Unit(benchmark::kMillisecond);
BENCHMARK(MudaNivel)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
