// The fit in the window: the menu item, the dialog, the fit off the window's
// thread, the outcome applied and undone, the stop and the refusals, on the
// measured 2-chloroethanol.
#include "JanelaAux.h"

#include "mainwindow/AjusteEspectro.h"
#include "mainwindow/DialogoAjuste.h"
#include "mainwindow/JcampEspectro.h"
#include "mainwindow/TabelaResultadosWidget.h"
#include "run/ExecucaoAux.h"

#include <QListWidget>
#include <QProgressDialog>
#include <QTableWidget>

using namespace aux;

namespace {

// A window with the 2-chloroethanol laid under: the AA'BB' at 400.13 MHz,
// shown in ppm, a few Hz and a Hz or two from the measured one; its boxes
// and results before any fit.
struct AjusteCloroetanol : ::testing::Test {
    const Local L{','};
    Tela t;
    JanelaEspectro& f = t.f;
    QStringList antes;
    std::vector<double> freqsAntes;
    void SetUp() override {
        f.Entrada().AplicaEntrada({.NProt = 4,
                                   .MHz = 400.13,
                                   .Desloc = {1540, 1540, 1473, 1473},
                                   .J = {-11.5, 6, 5.5, 5.5, 6, -11.5}},
                                  1);
        f.Execucao().Executa();
        // In ppm by the switch: rounded boxes that stand for the whole values.
        f.Entrada().AlternaHzPpm();
        f.Dialogos().EscolheArquivo = [](bool) { return Affn; };
        const Modal qualquer(QMessageBox::Yes);
        f.Acoes().espectroExperimental->trigger();
        ASSERT_TRUE(f.Jcamp().TemExperimental());
        antes = t.Caixas();
        freqsAntes = t.Freqs();
    }
};

// Starts the fit from the dialog and answers its end: the result's button,
// or "Cancelar" at once. A refusal's message box is recorded.
struct Ajuste {
    enum class Fim { Aplicar, Descartar, Cancelar };
    explicit Ajuste(JanelaEspectro& janela) : f(janela) {}
    JanelaEspectro& f;
    QStringList mensagens;
    bool execucaoDuranteAjuste = false;

    void Roda(Fim fim) {
        const guarda::Respondedor registro;
        QTimer vigia;
        QObject::connect(&vigia, &QTimer::timeout, [&] {
            AjusteEspectro& a = f.Ajuste();
            execucaoDuranteAjuste |= a.Ajustando() && !f.Execucao().Executando();
            if (auto* m = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                mensagens << m->text();
                m->accept();
            } else if (a.Resultado() && a.Resultado()->isVisible()) {
                (fim == Fim::Aplicar ? a.Resultado()->botaoAplicar()
                                     : a.Resultado()->botaoDescartar())
                    ->click();
            }
        });
        vigia.start(5);
        ASSERT_TRUE(f.Ajuste().Dialogo());
        f.Ajuste().Dialogo()->botaoIniciar()->click();
        ASSERT_TRUE(f.Ajuste().Ajustando());
        // The fit of four protons is over in a few milliseconds: the stop
        // goes in before the event loop hears of its end.
        if (fim == Fim::Cancelar) {
            ASSERT_TRUE(f.Ajuste().Progresso());
            f.Ajuste().Progresso()->findChild<QPushButton*>()->click();
        }
        ASSERT_TRUE(QTest::qWaitFor(
            [&] {
                return !f.Ajuste().Ajustando() && !f.Ajuste().Resultado() &&
                       !f.Execucao().Executando();
            },
            60000));
    }
};

// From the rough start to the measured lines, moved by their reference as
// they are shown; the boxes take the fitted values in ppm and the table is
// the run of those boxes; "Desfazer ajuste" brings the rough start back.
TEST_F(AjusteCloroetanol, AplicaEDesfaz) {
    {
        const Modal resposta(L("0,01"));
        f.Acoes().referenciaExperimental->trigger();
    }
    t.AbreMenu("Janela");
    f.Acoes().ajustar->trigger();
    DialogoAjuste* d = f.Ajuste().Dialogo();
    ASSERT_TRUE(d && d->isVisible());
    EXPECT_EQ(d->Problema().Largura, 1) << "the box's whole width, not half of it";

    Ajuste a{f};
    a.Roda(Ajuste::Fim::Aplicar);
    EXPECT_FALSE(a.execucaoDuranteAjuste) << "runs wait for the fit";

    EXPECT_NEAR(QLocale().toDouble(f.Entrada().caixaDesloc(1)->text()) * 400.13,
                1547.35 + 0.01 * 400.13, 0.1);
    // The table is that of the boxes typed in by hand.
    const auto freqsAjustadas = t.Freqs();
    f.Execucao().Executa();
    EXPECT_EQ(t.Freqs(), freqsAjustadas);
    EXPECT_TRUE(f.EstadoDoGrafico().Experimental.ajuste.ComResiduo())
        << "the same system run again keeps its residual";

    t.AbreMenu("Editar");
    ASSERT_TRUE(f.Acoes().desfazerAjuste->isEnabled());
    f.Acoes().desfazerAjuste->trigger();
    EXPECT_EQ(t.Caixas(), antes) << "the rounded boxes as they were";
    EXPECT_EQ(t.Freqs(), freqsAntes);
    EXPECT_FALSE(f.EstadoDoGrafico().Experimental.ajuste.ComResiduo());
    t.AbreMenu("Editar");
    EXPECT_FALSE(f.Acoes().desfazerAjuste->isEnabled());
}

// "Cancelar" and "Descartar" leave the boxes and the results as they were,
// and so does a refusal, which says why.
TEST_F(AjusteCloroetanol, CancelarDescartarERecusaNaoMudamNada) {
    const auto igual = [&] {
        EXPECT_EQ(t.Caixas(), antes);
        EXPECT_EQ(t.Freqs(), freqsAntes);
        EXPECT_FALSE(f.EstadoDoGrafico().Experimental.ajuste.ComResiduo());
    };
    t.AbreMenu("Janela");
    f.Acoes().ajustar->trigger();
    {
        Ajuste a{f};
        a.Roda(Ajuste::Fim::Cancelar);
        EXPECT_TRUE(a.mensagens.isEmpty()) << "a stop is no refusal";
        igual();
    }
    {
        Ajuste a{f};
        a.Roda(Ajuste::Fim::Descartar); // back in the dialog
        igual();
    }

    // Nothing left to fit: a refusal.
    f.Acoes().ajustar->trigger();
    DialogoAjuste* d = f.Ajuste().Dialogo();
    ASSERT_TRUE(d);
    for (int i = 0; i < d->tabelaParametros()->rowCount(); ++i)
        d->tabelaParametros()->item(i, 2)->setCheckState(Qt::Unchecked);
    Ajuste a{f};
    a.Roda(Ajuste::Fim::Aplicar);
    EXPECT_EQ(a.mensagens.size(), 1);
    igual();
}

// With no region there is nothing to start; a drag on the plot adds a region
// while the dialog is open, and zooms again once it is closed; untying a
// group gives each member its own parameter.
TEST_F(AjusteCloroetanol, RegiaoArrastadaEGrupoSeparado) {
    t.AbreMenu("Janela");
    f.Acoes().ajustar->trigger();
    DialogoAjuste* d = f.Ajuste().Dialogo();
    ASSERT_TRUE(d);
    while (d->listaRegioes()->count() > 0) {
        d->listaRegioes()->setCurrentRow(0);
        d->botaoRemoverRegiao()->click();
    }
    EXPECT_FALSE(d->botaoIniciar()->isEnabled()) << "no region, nothing to start";
    AreaGrafico* g = f.areaGrafico();
    const QPoint a = g->AreaInterna().topLeft() + QPoint(100, 100);
    const QPoint b = a + QPoint(60, 0);
    const double zoom = f.EstadoDoGrafico().ZoomHoriz;
    const auto arrasta = [g](QPoint de, QPoint ate) {
        QTest::mousePress(g, Qt::LeftButton, {}, de);
        QTest::mouseMove(g, ate);
        QTest::mouseRelease(g, Qt::LeftButton, {}, ate);
    };
    const auto& regioes = f.EstadoDoGrafico().Experimental.ajuste.Regioes;
    arrasta(a, b);
    ASSERT_EQ(regioes.size(), 1u);
    EXPECT_EQ(f.EstadoDoGrafico().ZoomHoriz, zoom);
    // One further right (lower ppm) stands apart; one across both joins them.
    const QPoint adiante(200, 0);
    arrasta(a + adiante, b + adiante);
    EXPECT_EQ(regioes.size(), 2u);
    arrasta(a + QPoint(30, 0), b + adiante);
    EXPECT_EQ(regioes.size(), 1u);

    d->tabelaParametros()->selectRow(0);
    d->botaoSeparar()->click();
    EXPECT_EQ(d->Problema().parametros[1].Protons, std::vector<int>{2});

    d->close();
    arrasta(a, b);
    EXPECT_GT(f.EstadoDoGrafico().ZoomHoriz, zoom);
    EXPECT_TRUE(f.EstadoDoGrafico().Experimental.ajuste.Regioes.empty());
}

} // namespace
