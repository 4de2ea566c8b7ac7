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
}

} // namespace
