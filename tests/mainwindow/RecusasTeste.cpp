// A file opened while a run is in progress.
#include "JanelaAux.h"

using namespace aux;

namespace {

// Two protons with the plot's window fixed, opened at rest and during a run
// of eight (which yields to the event loop, where the file is opened): the
// same plot.
TEST(Recusas, ArquivoAbertoDuranteUmaExecucaoComoEmRepouso) {
    const Local L(',');
    QTemporaryDir pasta;
    Tela t;
    JanelaEspectro& f = t.f;
    f.Dialogos().EscolheArquivo = [&](bool) { return pasta.filePath(QStringLiteral("dois.esm")); };
    f.Arquivo().DefinePodeSubstituir([] { return true; }); // "Não" to "Salvar dados?"
    Escreve(f.Entrada().caixaNProt(), QStringLiteral("2"));
    f.areaGrafico()->ZoomH(true);
    f.areaGrafico()->AlternaFixarJanela();
    ASSERT_TRUE(f.Arquivo().SalvaDados());
    const auto quadro = [&f] {
        const EstadoGrafico& g = f.EstadoDoGrafico();
        return std::tuple{f.Estado().NProt, f.Estado().NBandas, g.EscalaVert, g.NiInic, g.TwPerHz};
    };
    f.Acoes().abrirDados->trigger();
    const auto repouso = quadro();

    f.areaGrafico()->AlternaFixarJanela();
    f.Entrada().caixaNProt()->setText(QStringLiteral("8"));
    QTimer::singleShot(0, [&] {
        EXPECT_TRUE(f.Execucao().Executando());
        f.Acoes().abrirDados->trigger();
    });
    f.Execucao().Executa();
    EXPECT_EQ(quadro(), repouso);
}

} // namespace
