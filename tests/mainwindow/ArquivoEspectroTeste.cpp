// The data file through the window's menus, and the exit prompt that saves.
#include "JanelaAux.h"
#include "arquivo/PipeDestravado.h"

#include "cli/Calc.h"
#include "display/AreaGrafico.h"
#include "formatos/ArquivoDados.h"
#include "formatos/Exemplos.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <vector>

using aux::Local;
using aux::Modal;
using aux::Tela;

namespace {

class ArquivoEspectro : public ::testing::TestWithParam<char> {};
INSTANTIATE_TEST_SUITE_P(Locais, ArquivoEspectro, ::testing::Values(',', '.'),
                         [](const auto& i) { return i.param == ',' ? "Virgula" : "Ponto"; });

void Escreve(QLineEdit* t, const QString& s) {
    t->setText(s);
    QTest::keyClick(t, Qt::Key_Return);
}

QList<QByteArray> Linhas(const QString& caminho) {
    QFile f(caminho);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    QList<QByteArray> l = f.readAll().split('\n');
    if (!l.isEmpty() && l.back().isEmpty()) l.pop_back();
    return l;
}

void Grava(const QString& caminho, const QList<QByteArray>& linhas) {
    QFile f(caminho);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    for (const QByteArray& l : linhas) f.write(l + '\n');
}

TEST_P(ArquivoEspectro, SalvaEAbreReproduzBandasEJanela) {
    const Local L(GetParam());
    QTemporaryDir pasta;
    const QString arquivo = pasta.filePath("teste.esm");
    Tela t;
    JanelaEspectro& f = t.f;
    int dialogos = 0;
    f.Dialogos().EscolheArquivo = [&](bool salvar) {
        EXPECT_EQ(salvar, dialogos == 0);
        ++dialogos;
        return arquivo;
    };

    // The title travels with the file; cancelling the editor keeps it.
    {
        Modal cancela;
        f.Menus().EditaTitulo();
        ASSERT_EQ(cancela.vezes(), 1);
        EXPECT_EQ(cancela.titulos[0], "Título do espectro");
        EXPECT_EQ(f.areaGrafico()->rotuloTitulo()->text(), "Título: Default");
    }
    {
        Modal titulo(QStringLiteral("Espectro ç"));
        f.Menus().EditaTitulo();
        EXPECT_EQ(f.areaGrafico()->rotuloTitulo()->text(), "Título: Espectro ç");
    }
    Escreve(f.Entrada().caixaNProt(), "4");
    Escreve(f.Entrada().caixaDesloc(2), L("210,125"));
    Escreve(f.Entrada().Acoplamentos().caixaJ(1, 4), L("-3,5"));
    Escreve(f.Entrada().caixaLargura(), L("1,5"));
    // A zoomed axis, so the fixed window is not the default one.
    f.Entrada().botaoAmpliarH()->click();
    f.areaGrafico()->AlternaFixarJanela();
    const EstadoGrafico& g = f.EstadoDoGrafico();
    ASSERT_TRUE(g.JanelaFixa);
    const double NiInic = g.NiInic, LimLeft = g.LimLeft, TwPerHz = g.TwPerHz;
    const auto freqs = t.Freqs(), ints = t.Ints();
    const QStringList caixas = t.Caixas();
    EXPECT_FALSE(f.DadosSalvos());
    // Saved in ppm, read back in Hz.
    f.Entrada().botaoHzPpm()->click();
    ASSERT_TRUE(f.Entrada().PPM());

    f.Acoes().salvarDados->trigger();
    EXPECT_EQ(dialogos, 1);
    EXPECT_EQ(t.w.windowTitle(), "Halvora-[teste.esm]");
    EXPECT_TRUE(f.DadosSalvos());
    EXPECT_EQ(Linhas(arquivo).size(), 30 + 2 * 4 + 4 * 3);

    // Something else on screen, then the file back.
    f.areaGrafico()->AlternaFixarJanela();
    Escreve(f.Entrada().caixaNProt(), "2");
    Escreve(f.Entrada().caixaLargura(), "1");
    {
        Modal titulo(QStringLiteral("Outro"));
        f.Menus().EditaTitulo();
    }
    t.w.setWindowTitle("Halvora");
    f.Arquivo().DefinePodeSubstituir([] { return true; }); // "Não" to "Salvar dados?"
    f.Acoes().abrirDados->trigger();
    EXPECT_EQ(dialogos, 2);
    ASSERT_EQ(f.Estado().NProt, 4);
    EXPECT_FALSE(f.Entrada().PPM());
    EXPECT_EQ(t.Freqs(), freqs);
    EXPECT_EQ(t.Ints(), ints);
    EXPECT_EQ(t.Caixas(), caixas);
    EXPECT_TRUE(g.JanelaFixa);
    EXPECT_NEAR(g.NiInic, NiInic, 1e-12 * std::fabs(NiInic));
    EXPECT_NEAR(g.LimLeft, LimLeft, 1e-9);
    EXPECT_NEAR(g.TwPerHz, TwPerHz, 1e-12 * TwPerHz);
    EXPECT_FALSE(f.Entrada().botaoAmpliarH()->isEnabled());
    EXPECT_EQ(f.areaGrafico()->botaoFixarJanela()->text(), "Liberar Janela");
    EXPECT_EQ(t.w.windowTitle(), "Halvora-[teste.esm]");
    EXPECT_EQ(f.Opcoes().TituloEspectro, "Espectro ç");
    EXPECT_TRUE(f.DadosSalvos());
    // After a load the frequency box may be edited without the ppm warning.
    Modal nenhum;
    QTest::keyClick(f.Entrada().caixaFrequencia(), Qt::Key_0);
    QTest::qWait(20);
    EXPECT_EQ(nenhum.vezes(), 0);
}

// The window and halvora-calc open the same file and save it back: the same
// bytes, the file's own, with every display option away from its default, a
// fixed window and a measured spectrum beside it.
TEST_P(ArquivoEspectro, JanelaECalculadoraGravamOMesmoArquivo) {
    const char sep = GetParam();
    const Local L(sep);
    QTemporaryDir pasta;
    ASSERT_TRUE(QDir(pasta.path()).mkpath("espectros"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(HALVORA_ESPECTROS "/affn.dx"),
                            pasta.filePath("espectros/affn.dx")));
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
    const QString original = pasta.filePath("aula.esm"), janela = pasta.filePath("janela.esm"),
                  calc = pasta.filePath("calc.esm");
    ASSERT_FALSE(GravaArquivoDados(original.toStdString(), d, sep));

    Tela t;
    t.f.Dialogos().EscolheArquivo = [&](bool) { return janela; };
    {
        const Modal nenhum;
        t.f.Arquivo().AbreArquivo(original);
        EXPECT_EQ(nenhum.vezes(), 0) << nenhum.textos.join(" | ").toStdString();
    }
    ASSERT_TRUE(t.f.Arquivo().SalvaDados());

    std::ostringstream saida, erros;
    const std::vector<std::string> args{original.toStdString(), std::string("--sep=") + sep,
                                        "--save=" + calc.toStdString()};
    ASSERT_EQ(ExecutaCalc(args, saida, erros), 0) << erros.str();

    EXPECT_EQ(Linhas(janela), Linhas(calc));
    EXPECT_EQ(Linhas(janela), Linhas(original));
}

TEST(ArquivoEspectro, ArquivoEstragadoNaoMexeNaEntrada) {
    const Local L(',');
    QTemporaryDir pasta;
    const QString bom = pasta.filePath("bom.esm"), ruim = pasta.filePath("ruim.esm");
    Tela t;
    JanelaEspectro& f = t.f;
    QString escolhido = bom;
    f.Dialogos().EscolheArquivo = [&](bool) { return escolhido; };
    f.Arquivo().DefinePodeSubstituir([] { return true; }); // "Não" to "Salvar dados?"
    f.Acoes().salvarDados->trigger();
    const QList<QByteArray> linhas = Linhas(bom);
    ASSERT_EQ(linhas.size(), 42);

    // Inputs that differ from the file.
    Escreve(f.Entrada().caixaDesloc(1), "200");
    Escreve(f.Entrada().Acoplamentos().caixaJ(1, 2), "7");
    const auto freqs = t.Freqs();
    const QStringList caixas = t.Caixas();
    const QString titulo = t.w.windowTitle();
    escolhido = ruim;

    QList<QByteArray> sem_acento = linhas;
    sem_acento[2] = "#N\xb0 de protons\r";
    QList<QByteArray> n_fora = linhas;
    n_fora[3] = " 11 \r";
    QList<QByteArray> palavra = linhas;
    palavra[32] = "abc\r";
    const QList<QList<QByteArray>> estragados = {sem_acento, linhas.mid(0, 35), linhas.mid(0, 2),
                                                 n_fora, palavra};
    for (int k = 0; k < int(estragados.size()); ++k) {
        Grava(ruim, estragados[k]);
        Modal erro(QMessageBox::Ok);
        f.Acoes().abrirDados->trigger();
        ASSERT_EQ(erro.vezes(), 1) << k;
        EXPECT_EQ(erro.titulos[0], "Erro!") << k;
        EXPECT_EQ(erro.textos[0], "Deu Crepe!") << k;
        EXPECT_EQ(t.Caixas(), caixas) << k;
        EXPECT_EQ(t.Freqs(), freqs) << k;
        EXPECT_EQ(t.w.windowTitle(), titulo) << k;
        EXPECT_FALSE(f.DadosSalvos()) << k;
    }
}

// Nothing a file dialog can name freezes the window or is replaced unasked.
TEST(ArquivoEspectro, SomenteLeituraEPipe) {
    const Local L(',');
    QTemporaryDir pasta;
    const QString leitura = pasta.filePath("leitura.esm"), pipe = pasta.filePath("pipe.esm");
    Tela t;
    JanelaEspectro& f = t.f;
    QString escolhido = leitura;
    f.Dialogos().EscolheArquivo = [&](bool) { return escolhido; };
    Escreve(f.Entrada().caixaDesloc(1), "200");
    Grava(leitura, {"antigo"});
    QFile::setPermissions(leitura, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    {
        Modal nao(QMessageBox::No);
        f.Acoes().salvarDados->trigger();
        ASSERT_EQ(nao.vezes(), 1);
        EXPECT_EQ(nao.textos[0],
                  "O arquivo " + leitura + " é somente leitura. Substituir assim mesmo?");
        EXPECT_EQ(Linhas(leitura), QList<QByteArray>{"antigo"});
        EXPECT_FALSE(f.DadosSalvos());
    }
    {
        Modal sim(QMessageBox::Yes);
        f.Acoes().salvarDados->trigger();
        ASSERT_EQ(sim.vezes(), 1);
        EXPECT_EQ(Linhas(leitura).size(), 42);
        EXPECT_TRUE(f.DadosSalvos());
        EXPECT_EQ(QFile::permissions(leitura) & (QFile::WriteOwner | QFile::WriteOther),
                  QFile::Permissions());
    }

    ASSERT_EQ(::mkfifo(pipe.toLocal8Bit().constData(), 0600), 0);
    const PipeDestravado destravado(pipe.toStdString());
    escolhido = pipe;
    const auto freqs = t.Freqs();
    Modal erro(QMessageBox::Ok);
    f.Acoes().abrirDados->trigger();
    ASSERT_EQ(erro.vezes(), 1);
    EXPECT_EQ(erro.textos[0], "Deu Crepe!");
    EXPECT_EQ(t.Freqs(), freqs);
}

// Unsaved edits are not replaced by an example or a file without the
// question the exit asks; Cancel keeps them.
TEST(ArquivoEspectro, AbrirPerguntaSeSalvaAsEdicoes) {
    const Local L(',');
    Tela t;
    JanelaEspectro& f = t.f;
    int dialogos = 0;
    f.Dialogos().EscolheArquivo = [&](bool) {
        ++dialogos;
        return QString();
    };
    t.Mostra();
    QTest::keyClicks(f.Entrada().caixaDesloc(1), "5");
    const QString editado = f.Entrada().caixaDesloc(1)->text();
    const Exemplo& exemplo = Exemplos().front();
    {
        Modal cancela(QMessageBox::Cancel);
        f.Arquivo().AbreExemplo(exemplo);
        f.Arquivo().AbreDados();
        ASSERT_EQ(cancela.vezes(), 2);
        EXPECT_EQ(cancela.titulos, (QStringList{"Salvar dados?", "Salvar dados?"}));
        EXPECT_EQ(dialogos, 0);
        EXPECT_EQ(f.Entrada().caixaDesloc(1)->text(), editado);
        EXPECT_FALSE(f.DadosSalvos());
    }
    {
        Modal nao(QMessageBox::No);
        f.Arquivo().AbreExemplo(exemplo);
        EXPECT_EQ(nao.vezes(), 1);
        EXPECT_TRUE(f.DadosSalvos());
        // Nothing unsaved now: the next one opens without a question.
        f.Arquivo().AbreExemplo(exemplo);
        EXPECT_EQ(nao.vezes(), 1);
    }
}

TEST(ArquivoEspectro, SaidaPerguntaSeSalva) {
    const Local L(',');
    QTemporaryDir pasta;
    QString arquivo = pasta.filePath("saida.esm");
    Tela t;
    JanelaEspectro& f = t.f;
    int dialogos = 0;
    f.Dialogos().EscolheArquivo = [&](bool salvar) {
        ++dialogos;
        EXPECT_TRUE(salvar);
        return arquivo;
    };
    t.Mostra();
    QTest::keyClicks(f.Entrada().caixaDesloc(1), "5");
    EXPECT_FALSE(f.DadosSalvos());
    {
        Modal cancela(QMessageBox::Cancel);
        EXPECT_FALSE(t.w.close());
        ASSERT_EQ(cancela.vezes(), 1);
        EXPECT_EQ(cancela.titulos[0], "Salvar dados?");
        EXPECT_EQ(cancela.textos[0], "Deseja salvar os dados de entrada?");
        EXPECT_TRUE(t.w.isVisible());
        EXPECT_EQ(dialogos, 0);
    }
    {
        // Yes with the save dialog cancelled: nothing written, nothing closed.
        const QString destino = arquivo;
        arquivo.clear();
        Modal sim(QMessageBox::Yes);
        EXPECT_FALSE(t.w.close());
        EXPECT_EQ(sim.vezes(), 1);
        EXPECT_EQ(dialogos, 1);
        EXPECT_TRUE(t.w.isVisible());
        EXPECT_FALSE(f.DadosSalvos());
        arquivo = destino;
    }
    {
        // Yes and a saved file: the program ends.
        Modal sim(QMessageBox::Yes);
        EXPECT_TRUE(t.w.close());
        EXPECT_EQ(sim.vezes(), 1);
        EXPECT_EQ(dialogos, 2);
        EXPECT_TRUE(QFile::exists(arquivo));
        EXPECT_TRUE(f.DadosSalvos());
        EXPECT_EQ(t.w.windowTitle(), "Halvora-[saida.esm]");
        EXPECT_FALSE(t.w.isVisible());
    }
    t.Mostra();
    QTest::keyClicks(f.Entrada().caixaDesloc(2), "1");
    {
        Modal nao(QMessageBox::No);
        f.Acoes().sair->trigger();
        EXPECT_EQ(nao.vezes(), 1);
        EXPECT_FALSE(t.w.isVisible());
        EXPECT_EQ(dialogos, 2);
    }
}

} // namespace
