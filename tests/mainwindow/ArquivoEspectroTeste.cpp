// The data file and the examples through the window's menus, and the exit
// prompt that saves; the file's lines themselves are the core's tests.
#include "JanelaAux.h"

#include "formatos/ArquivoDados.h"
#include "formatos/Exemplos.h"

using namespace aux;

namespace {

class ArquivoEspectro : public ::testing::TestWithParam<char> {};
INSTANTIATE_TEST_SUITE_P(Locais, ArquivoEspectro, ::testing::Values(',', '.'),
                         [](const auto& i) { return i.param == ',' ? "Virgula" : "Ponto"; });

// Saved in ppm, then opened over something else: read in Hz, the file's
// name in the title, nothing unsaved, and the frequency box editable without
// the ppm warning (the values are JanelaGravaOArquivoQueAbriu's).
TEST(ArquivoEspectro, SalvaEAbreReproduzBandasEJanela) {
    const Local L(',');
    QTemporaryDir pasta;
    Tela t;
    JanelaEspectro& f = t.f;
    f.Dialogos().EscolheArquivo = [&](bool) { return pasta.filePath("teste.esm"); };
    Escreve(f.Entrada().caixaNProt(), "4");
    const auto freqs = t.Freqs();
    f.Entrada().botaoHzPpm()->click();
    f.Acoes().salvarDados->trigger();
    EXPECT_TRUE(f.DadosSalvos());

    Escreve(f.Entrada().caixaNProt(), "2");
    t.w.setWindowTitle("Halvora");
    f.Arquivo().DefinePodeSubstituir([] { return true; }); // "Não" to "Salvar dados?"
    f.Acoes().abrirDados->trigger();
    EXPECT_EQ(t.Freqs(), freqs);
    EXPECT_FALSE(f.Entrada().PPM());
    EXPECT_EQ(t.w.windowTitle(), "Halvora-[teste.esm]");
    EXPECT_TRUE(f.DadosSalvos());
    QTest::keyClick(f.Entrada().caixaFrequencia(), Qt::Key_0);
    Enter(f.Entrada().caixaFrequencia()); // no question: any dialog fails the test
}

// The window opens a file of the core's writer and saves it back: the same
// bytes, with every display option away from its default, a fixed window and
// a measured spectrum beside it.
TEST_P(ArquivoEspectro, JanelaGravaOArquivoQueAbriu) {
    const char sep = GetParam();
    const Local L(sep);
    QTemporaryDir pasta;
    ASSERT_TRUE(QDir(pasta.path()).mkpath("espectros"));
    ASSERT_TRUE(QFile::copy(Affn, pasta.filePath("espectros/affn.dx")));
    const DadosArquivo d{.Titulo = "Aula: éter",
                         .NProt = 4,
                         .MHz = 400.13,
                         .IntMin = 0.002f,
                         .Largura = 2.5,
                         .Mistura = 30,
                         .ComTabela = false,
                         .ComEnvolvente = false,
                         .Colorido = false,
                         .JanelaFixa = true,
                         .NiInic = 3100.5,
                         .LimLeft = 1700,
                         .TwPerHz = 7.25,
                         .Desloc = {1480.5, 1520.25, 2900, 2950.125},
                         .J = {7, 1.5, 0, -2, 3, 0.25},
                         .ArquivoExperimental = "espectros/affn.dx",
                         .ReferenciaPpm = -0.125};
    const QString original = pasta.filePath("aula.esm"), janela = pasta.filePath("janela.esm");
    ASSERT_FALSE(GravaArquivoDados(original.toStdString(), d, sep));
    Tela t;
    t.f.Dialogos().EscolheArquivo = [&](bool) { return janela; };
    t.f.Arquivo().AbreArquivo(original); // no question: any dialog fails the test
    ASSERT_TRUE(t.f.Arquivo().SalvaDados());
    EXPECT_EQ(Le(janela), Le(original));
}

// A damaged file leaves the input alone (a pipe is refused the same way, by
// the reader); a read-only one is not replaced unasked.
TEST(ArquivoEspectro, EstragadoESomenteLeitura) {
    const Local L(',');
    QTemporaryDir pasta;
    const QString bom = pasta.filePath("bom.esm"), leitura = pasta.filePath("leitura.esm");
    Tela t;
    JanelaEspectro& f = t.f;
    QString escolhido = bom;
    f.Dialogos().EscolheArquivo = [&](bool) { return escolhido; };
    f.Arquivo().DefinePodeSubstituir([] { return true; }); // "Não" to "Salvar dados?"
    f.Acoes().salvarDados->trigger();
    QByteArray estragado = Le(bom);
    estragado.replace("\r\n 3 \r\n", "\r\n 11 \r\n"); // the proton count out of range
    GravaBytes(bom, estragado);
    Escreve(f.Entrada().caixaDesloc(1), "200");
    const QStringList caixas = t.Caixas();
    {
        Modal erro(QMessageBox::Ok);
        f.Acoes().abrirDados->trigger();
        EXPECT_EQ(erro.titulos, QStringList{"Erro!"});
    }
    EXPECT_EQ(t.Caixas(), caixas);
    EXPECT_EQ(t.w.windowTitle(), "Halvora-[bom.esm]");

    escolhido = leitura;
    GravaBytes(leitura, "antigo");
    QFile::setPermissions(leitura, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    for (auto resposta : {QMessageBox::No, QMessageBox::Yes}) {
        const Modal modal(resposta);
        f.Acoes().salvarDados->trigger();
        EXPECT_EQ(modal.textos, QStringList{"O arquivo " + leitura +
                                            " é somente leitura. Substituir assim mesmo?"});
        EXPECT_EQ(Le(leitura) == "antigo", resposta == QMessageBox::No);
        EXPECT_EQ(f.DadosSalvos(), resposta == QMessageBox::Yes);
    }
}

// Unsaved edits are not replaced by an example or a file, nor left by the
// exit, without the question: Cancel keeps them, "Sim" saves first (and a
// cancelled save dialog keeps the window), "Não" drops them.
TEST(ArquivoEspectro, AbrirESairPerguntamSeSalva) {
    const Local L(',');
    QTemporaryDir pasta;
    QString arquivo;
    Tela t;
    JanelaEspectro& f = t.f;
    int dialogos = 0;
    f.Dialogos().EscolheArquivo = [&](bool) { return ++dialogos, arquivo; };
    t.Mostra();
    QTest::keyClicks(f.Entrada().caixaDesloc(1), "5");
    const QString editado = f.Entrada().caixaDesloc(1)->text();
    const Exemplo& exemplo = Exemplos().front();
    {
        const Modal cancela(QMessageBox::Cancel);
        f.Arquivo().AbreDados();
        EXPECT_EQ(cancela.titulos, QStringList{"Salvar dados?"});
        EXPECT_EQ(dialogos, 0);
        EXPECT_EQ(f.Entrada().caixaDesloc(1)->text(), editado);
    }
    {
        const Modal sim(QMessageBox::Yes);
        EXPECT_FALSE(t.w.close());
        EXPECT_EQ(sim.textos, QStringList{"Deseja salvar os dados de entrada?"});
        EXPECT_TRUE(t.w.isVisible());
        EXPECT_EQ(dialogos, 1);
        arquivo = pasta.filePath("saida.esm");
        EXPECT_TRUE(t.w.close());
        EXPECT_TRUE(QFile::exists(arquivo));
        EXPECT_FALSE(t.w.isVisible());
    }
    t.Mostra();
    QTest::keyClicks(f.Entrada().caixaDesloc(2), "1");
    const Modal nao(QMessageBox::No);
    f.Arquivo().AbreExemplo(exemplo);
    EXPECT_TRUE(f.DadosSalvos());
    // Nothing unsaved now: the next one opens without a question.
    f.Arquivo().AbreExemplo(exemplo);
    EXPECT_EQ(nao.vezes(), 1);
    EXPECT_EQ(dialogos, 2) << "\"Não\" saves nothing";
}

// "Arquivo" > "Exemplos": every built-in system opens and runs like a file,
// one submenu per group; a save asks where, never over the example.
TEST(ArquivoEspectro, ExemplosAgrupadosAbremERodam) {
    const Local L(',');
    Tela t;
    JanelaEspectro& f = t.f;
    QMenu* exemplos = menus::Submenu(t.AbreMenu("Arquivo")->actions(), "Exemplos");
    ASSERT_TRUE(exemplos);
    for (const Exemplo& ex : Exemplos()) {
        SCOPED_TRACE(ex.nome);
        const QMenu* grupo = menus::Submenu(exemplos->actions(),
                                            QString::fromUtf8(ex.grupo.data(), ex.grupo.size()));
        ASSERT_TRUE(grupo);
        QAction* item =
            menus::Item(grupo->actions(), QString::fromUtf8(ex.rotulo.data(), ex.rotulo.size()));
        ASSERT_TRUE(item);
        item->trigger();
        EXPECT_EQ(t.w.windowTitle(),
                  "Halvora-[" + QString::fromUtf8(ex.nome.data(), ex.nome.size()) + "]");
    }
    int dialogos = 0;
    f.Dialogos().EscolheArquivo = [&](bool) { return ++dialogos, QString(); };
    f.Acoes().salvarDados->trigger();
    EXPECT_EQ(dialogos, 1);
}

} // namespace
