// A file opened while a run is in progress, and a system the run refuses.
#include "JanelaAux.h"

#include "mainwindow/PainelTempos.h"
#include "widgets/FlexGrid.h"

using namespace aux;

namespace {

// Two protons with the plot's window fixed, opened at rest and during a run
// of eight (which yields to the event loop, where the file is opened): the
// same plot.
TEST(Recusas, ArquivoAbertoDuranteUmaExecucaoComoEmRepouso) {
    const Local L(',');
    QTemporaryDir pasta;
    const QString arquivo = pasta.filePath(QStringLiteral("dois.esm"));
    const auto abre = [&](JanelaEspectro& f) {
        f.Dialogos().EscolheArquivo = [&](bool) { return arquivo; };
        f.Arquivo().DefinePodeSubstituir([] { return true; }); // "Não" to "Salvar dados?"
        f.Acoes().abrirDados->trigger();
    };
    Tela repouso;
    Escreve(repouso.f.Entrada().caixaNProt(), QStringLiteral("2"));
    repouso.f.areaGrafico()->ZoomH(true);
    repouso.f.areaGrafico()->AlternaFixarJanela();
    repouso.f.Dialogos().EscolheArquivo = [&](bool) { return arquivo; };
    ASSERT_TRUE(repouso.f.Arquivo().SalvaDados());
    abre(repouso.f);

    Tela durante;
    durante.f.Entrada().caixaNProt()->setText(QStringLiteral("8"));
    QTimer::singleShot(0, [&] {
        EXPECT_TRUE(durante.f.Execucao().Executando());
        abre(durante.f);
    });
    durante.f.Execucao().Executa();
    const auto quadro = [](const JanelaEspectro& f) {
        const EstadoGrafico& g = f.EstadoDoGrafico();
        return std::tuple{f.Estado().NProt, f.Estado().NBandas, g.EscalaVert, g.NiInic, g.TwPerHz};
    };
    EXPECT_EQ(quadro(durante.f), quadro(repouso.f));
    EXPECT_EQ(durante.f.Estado().NProt, 2);
}

// Seven protons at a frequency so low that the shifts overwhelm it: the
// panel goes back to the three protons of the results, the typed shift stays.
TEST(Recusas, SistemaRecusadoDevolveOPainelDosResultados) {
    const Local L(',');
    Tela t;
    JanelaEspectro& f = t.f;
    PainelEntrada& p = f.Entrada();
    const QString rotuloH1 = p.rotuloOutraUnidade(1)->text();
    const QString tempo = f.painelTempos()->tabelaTempos()->textMatrix(1, 0);
    p.caixaNProt()->setText(QStringLiteral("7"));
    p.caixaFrequencia()->setText(QStringLiteral("0,0001"));
    p.caixaDesloc(1)->setText(QStringLiteral("-300"));
    const Modal ok(QMessageBox::Ok);
    f.botaoExecutar()->click();
    ASSERT_EQ(ok.titulos, QStringList{"Dados de entrada"});
    ASSERT_TRUE(f.Execucao().UltimaRecusada());
    EXPECT_EQ(f.Estado().NProt, 3);
    EXPECT_EQ(p.caixaNProt()->text(), "3");
    EXPECT_TRUE(p.caixaDesloc(4)->isHidden());
    EXPECT_TRUE(p.Acoplamentos().caixaJ(3, 4)->isHidden());
    EXPECT_EQ(p.rotuloOutraUnidade(1)->text(), rotuloH1);
    EXPECT_EQ(f.painelTempos()->tabelaTempos()->textMatrix(1, 0), tempo);
    EXPECT_EQ(p.caixaDesloc(1)->text(), "-300");
}

} // namespace
