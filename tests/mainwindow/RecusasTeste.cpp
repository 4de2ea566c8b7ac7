// A box that holds no number, a comparison that cannot run, and a file
// opened while a run is in progress.
#include "JanelaAux.h"

#include "display/AreaGrafico.h"
#include "mainwindow/PainelTempos.h"
#include "widgets/FlexGrid.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QTemporaryDir>

using aux::Digita;
using aux::Enter;
using aux::Local;
using aux::Modal;
using aux::Tela;

namespace {

TEST(Recusas, DeslocamentoInvalidoRetemOFoco) {
    const Local L(',');
    Tela t;
    t.Mostra();
    QLineEdit* h1 = t.f.Entrada().caixaDesloc(1);
    h1->setFocus(Qt::OtherFocusReason);
    h1->setText(QStringLiteral("abc"));
    const Modal ok(QMessageBox::Ok);
    Enter(h1);
    EXPECT_EQ(ok.titulos, QStringList{"Dados de entrada"});
    EXPECT_EQ(t.w.focusWidget(), h1);
    EXPECT_EQ(h1->selectedText(), "abc");

    // The same in the coupling grid.
    QLineEdit* j = t.f.Entrada().Acoplamentos().caixaJ(1, 2);
    h1->setText(QStringLiteral("194,35"));
    j->setFocus(Qt::OtherFocusReason);
    j->setText(QStringLiteral("x"));
    Enter(j);
    EXPECT_EQ(t.w.focusWidget(), j);
    EXPECT_EQ(j->selectedText(), "x");
}

// A number copied with its line break runs like the number the box shows.
TEST(Recusas, ColarComQuebraDeLinhaNaoEstragaONumero) {
    const Local L(',');
    Tela t;
    t.Mostra();
    QLineEdit* h1 = t.f.Entrada().caixaDesloc(1);
    h1->setFocus(Qt::OtherFocusReason);
    h1->selectAll();
    QApplication::clipboard()->setText(QStringLiteral(" 150,5\r\n"));
    h1->paste();
    EXPECT_EQ(h1->text(), "150,5");
    const Modal nenhum(QMessageBox::Ok);
    Enter(h1);
    EXPECT_EQ(nenhum.vezes(), 0);
    EXPECT_EQ(t.f.Estado().FreqProt(1) - t.f.Estado().FreqEspHz, 150.5);
}

TEST(Recusas, CompararCurvasRecusadaComoUmaExecucao) {
    const Local L(',');
    Tela t;
    JanelaEspectro& f = t.f;
    f.Entrada().caixaDesloc(1)->clear();
    const Modal ok(QMessageBox::Ok);
    f.Acoes().compararCurvas->trigger();
    EXPECT_EQ(ok.titulos, QStringList{"Dados de entrada"});
    EXPECT_FALSE(f.Opcoes().CompararCurvas);
    EXPECT_FALSE(f.Acoes().compararCurvas->isChecked());
    EXPECT_FALSE(f.areaGrafico()->rotuloTitulo()->isHidden());
    EXPECT_EQ(f.Estado().NProt, 3) << "the previous results stay";
}

// What opening `arquivo` leaves on the plot.
struct Quadro {
    int NProt, NBandas;
    double EscalaVert, NiInic, TwPerHz;
    bool operator==(const Quadro&) const = default;
};
Quadro QuadroDe(const JanelaEspectro& f) {
    const EstadoGrafico& g = f.EstadoDoGrafico();
    return {f.Estado().NProt, f.Estado().NBandas, g.EscalaVert, g.NiInic, g.TwPerHz};
}

TEST(Recusas, ArquivoAbertoDuranteUmaExecucaoComoEmRepouso) {
    const Local L(',');
    QTemporaryDir pasta;
    const QString arquivo = pasta.filePath(QStringLiteral("dois.esm"));
    {
        // Two protons with the plot's window fixed.
        Tela t;
        t.f.Entrada().caixaNProt()->setText(QStringLiteral("2"));
        Enter(t.f.Entrada().caixaNProt());
        t.f.areaGrafico()->ZoomH(true);
        t.f.areaGrafico()->AlternaFixarJanela();
        t.f.Dialogos().EscolheArquivo = [&](bool) { return arquivo; };
        t.f.Arquivo().SalvaDados();
        ASSERT_TRUE(t.f.DadosSalvos());
    }
    const auto abre = [&](JanelaEspectro& f) {
        f.Dialogos().EscolheArquivo = [&](bool) { return arquivo; };
        f.Arquivo().DefinePodeSubstituir([] { return true; }); // "Não" to "Salvar dados?"
        f.Acoes().abrirDados->trigger();
    };
    Tela repouso;
    abre(repouso.f);

    // Eight protons: the run yields to the event loop, where the file is opened.
    Tela durante;
    durante.f.Entrada().caixaNProt()->setText(QStringLiteral("8"));
    QTimer::singleShot(0, [&] {
        EXPECT_TRUE(durante.f.Execucao().Executando());
        abre(durante.f);
    });
    durante.f.Execucao().Executa();
    EXPECT_EQ(QuadroDe(durante.f), QuadroDe(repouso.f));
    EXPECT_EQ(durante.f.Estado().NProt, 2);
}

TEST(Recusas, SistemaRecusadoDevolveOPainelDosResultados) {
    const Local L(',');
    Tela t;
    JanelaEspectro& f = t.f;
    PainelEntrada& p = f.Entrada();
    const QString rotuloH1 = p.rotuloOutraUnidade(1)->text();
    const QString tempo = f.painelTempos()->tabelaTempos()->textMatrix(1, 0);
    ASSERT_FALSE(tempo.isEmpty());

    // Seven protons, a frequency so low that the shifts overwhelm it.
    p.caixaNProt()->setText(QStringLiteral("7"));
    p.caixaFrequencia()->setText(QStringLiteral("0,0001"));
    p.caixaDesloc(1)->setText(QStringLiteral("-300"));
    const Modal ok(QMessageBox::Ok);
    f.botaoExecutar()->click();
    ASSERT_EQ(ok.titulos, QStringList{"Dados de entrada"});
    ASSERT_TRUE(f.Execucao().UltimaRecusada());

    EXPECT_EQ(f.Estado().NProt, 3);
    EXPECT_EQ(p.NProt(), 3);
    EXPECT_EQ(p.caixaNProt()->text(), "3");
    EXPECT_FALSE(p.caixaDesloc(3)->isHidden());
    EXPECT_TRUE(p.caixaDesloc(4)->isHidden());
    EXPECT_TRUE(p.botaoCorProton(4)->isHidden());
    EXPECT_TRUE(p.Acoplamentos().caixaJ(3, 4)->isHidden());
    EXPECT_EQ(p.rotuloOutraUnidade(1)->text(), rotuloH1);
    EXPECT_EQ(f.painelTempos()->tabelaTempos()->textMatrix(1, 0), tempo);
    // What the user typed stays where a box still shows it.
    EXPECT_EQ(p.caixaDesloc(1)->text(), "-300");
}

} // namespace
