// A measured spectrum under the simulation, and the export, through the
// window's menus.
#include "JanelaAux.h"
#include "Menus.h"

#include "display/AreaGrafico.h"
#include "display/Experimental.h"
#include "formatos/Exemplos.h"
#include "formatos/JcampDx.h"
#include "mainwindow/JcampEspectro.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTemporaryDir>

using aux::Local;
using aux::Modal;
using aux::Tela;

namespace {

const QString Affn = QStringLiteral(HALVORA_ESPECTROS "/affn.dx");

// The items of "Janela" that need a measured spectrum, enabled as the user
// finds them on opening the menu.
void ConfereMenuJanela(Tela& t, bool comExperimental) {
    QMenu* janela = menus::Submenu(t.w.menuBar()->actions(), QStringLiteral("Janela"));
    ASSERT_TRUE(janela);
    emit janela->aboutToShow();
    const AcoesEspectro& a = t.f.Acoes();
    for (const QAction* item : {a.removerExperimental, a.referenciaExperimental, a.ajustar})
        EXPECT_EQ(item->isEnabled(), comExperimental) << menus::Legenda(item).toStdString();
}

TEST(Jcamp, SobreposicaoPerguntaAFrequenciaESaiQuandoPedido) {
    const Local L(',');
    Tela t;
    JanelaEspectro& f = t.f;
    QString escolhido = Affn;
    f.Dialogos().EscolheArquivo = [&](bool salvar) {
        EXPECT_FALSE(salvar);
        return escolhido;
    };
    const auto freqs = t.Freqs();
    const auto deslocamento = [&f](int i) { return f.Estado().FreqProt(i) - f.Estado().FreqEspHz; };
    std::vector<double> antes;
    for (int i = 1; i <= f.Estado().NProt; ++i) antes.push_back(deslocamento(i));
    ConfereMenuJanela(t, false);
    {
        // 300 MHz in the panel, 400.13 in the file: one question; "Não" keeps 300.
        Modal nao(QMessageBox::No);
        f.Acoes().espectroExperimental->trigger();
        ASSERT_EQ(nao.vezes(), 1);
        EXPECT_EQ(nao.textos[0],
                  "O espectro experimental foi medido a 400,132130 MHz. Usar essa freqüência?\n\n"
                  "Os deslocamentos químicos mantêm seus valores em ppm (a entrada passa para "
                  "ppm).");
    }
    EXPECT_TRUE(f.Jcamp().TemExperimental());
    ConfereMenuJanela(t, true);
    EXPECT_EQ(f.EstadoDoGrafico().Experimental.arquivo, "affn.dx");
    EXPECT_EQ(f.Entrada().caixaFrequencia()->text(), "300");
    EXPECT_EQ(t.Freqs(), freqs);
    EXPECT_FALSE(f.DadosSalvos()) << "the data file would name the overlay";
    {
        Modal sim(QMessageBox::Yes);
        f.Acoes().espectroExperimental->trigger();
        ASSERT_EQ(sim.vezes(), 1);
    }
    EXPECT_EQ(f.Entrada().caixaFrequencia()->text(), "400,132130");
    EXPECT_DOUBLE_EQ(f.Estado().FreqEspHz, 400.13213e6);
    // The shifts keep their ppm, so the lines stay where the measured ones are.
    EXPECT_TRUE(f.Entrada().PPM());
    for (int i = 1; i <= f.Estado().NProt; ++i)
        EXPECT_NEAR(deslocamento(i) / 400.13213, antes[std::size_t(i - 1)] / 300, 1e-9) << i;
    EXPECT_FALSE(f.DadosSalvos()) << "the frequency is";
    {
        const Modal nenhuma;
        f.Acoes().espectroExperimental->trigger();
        EXPECT_EQ(nenhuma.vezes(), 0) << "the frequencies agree now";
    }

    // A damaged file: the message, the overlay that was there stays.
    QTemporaryDir pasta;
    escolhido = pasta.filePath("ruim.jdx");
    QFile ruim(escolhido);
    ASSERT_TRUE(ruim.open(QIODevice::WriteOnly));
    ruim.write("##TITLE= x\n##JCAMP-DX= 5.01\n##DATA TYPE= NMR SPECTRUM\n##END=\n");
    ruim.close();
    {
        Modal erro(QMessageBox::Ok);
        f.Acoes().espectroExperimental->trigger();
        ASSERT_EQ(erro.vezes(), 1);
        EXPECT_EQ(erro.titulos[0], "Deu Crepe!");
        // By its name, with the reader's reason, and what to choose instead.
        const std::string motivo = LeArquivoJcamp(escolhido.toStdString()).Mensagem();
        EXPECT_EQ(erro.textos[0].toStdString(),
                  "O arquivo \"ruim.jdx\" não pôde ser usado como espectro experimental: " +
                      motivo + ".");
        EXPECT_EQ(erro.informativos[0], "Escolha um espectro de RMN de 1H em JCAMP-DX (arquivo "
                                        ".jdx ou .dx) com eixo em Hz ou ppm.");
    }
    EXPECT_EQ(f.EstadoDoGrafico().Experimental.arquivo, "affn.dx");

    f.Acoes().removerExperimental->trigger();
    EXPECT_FALSE(f.Jcamp().TemExperimental());
    ConfereMenuJanela(t, false);
}

// Opening another system under a measured spectrum asks whether to keep
// it: "Não" removes it, "Sim" keeps it and asks about the frequency again.
TEST(Jcamp, OutroSistemaPerguntaSeMantemOEspectro) {
    const Local L(',');
    Tela t;
    JanelaEspectro& f = t.f;
    QTemporaryDir pasta;
    const QString dados = pasta.filePath("sistema.esm");
    f.Dialogos().EscolheArquivo = [&](bool salvar) { return salvar ? dados : Affn; };
    const Exemplo* exemplo = ProcuraExemplo("acrilato-60");
    ASSERT_TRUE(exemplo);
    for (auto resposta : {QMessageBox::No, QMessageBox::Yes}) {
        {
            Modal nao(QMessageBox::No);
            f.Acoes().espectroExperimental->trigger();
        }
        // Saved, so that no question about saving comes first.
        ASSERT_TRUE(f.Arquivo().SalvaDados());
        Modal modal(resposta);
        f.Arquivo().AbreExemplo(*exemplo);
        ASSERT_GE(modal.vezes(), 1);
        EXPECT_EQ(modal.textos[0],
                  "O espectro experimental affn.dx continua sob o novo sistema. Mantê-lo?");
        EXPECT_EQ(f.Jcamp().TemExperimental(), resposta == QMessageBox::Yes);
        EXPECT_EQ(modal.vezes(), resposta == QMessageBox::Yes ? 2 : 1);
    }
    EXPECT_EQ(f.Entrada().caixaFrequencia()->text(), "400,132130");
}

// A file read with warnings: they go to the status bar, one sentence each,
// their numbers written as the user writes them.
TEST(Jcamp, AvisosNaBarraEmFrasesComOSeparadorDoUsuario) {
    const Local L(',');
    QFile jeol(QStringLiteral(HALVORA_ESPECTROS "/jeol.dx"));
    ASSERT_TRUE(jeol.open(QIODevice::ReadOnly));
    QByteArray bytes = jeol.readAll();
    const qsizetype nucleo = bytes.indexOf("##.OBSERVE NUCLEUS=");
    ASSERT_GE(nucleo, 0);
    bytes.remove(nucleo, bytes.indexOf('\n', nucleo) + 1 - nucleo);
    QTemporaryDir pasta;
    const QString arquivo = pasta.filePath("sem-nucleo.dx");
    QFile copia(arquivo);
    ASSERT_TRUE(copia.open(QIODevice::WriteOnly));
    copia.write(bytes);
    copia.close();

    Tela t;
    t.f.Dialogos().EscolheArquivo = [&](bool) { return arquivo; };
    {
        const Modal nao(QMessageBox::No); // the file's frequency
        t.f.Acoes().espectroExperimental->trigger();
    }
    ASSERT_TRUE(t.f.Jcamp().TemExperimental());
    const QString aviso = t.w.barraEstado()->currentMessage();
    EXPECT_TRUE(aviso.startsWith("Espectro experimental: o arquivo não diz o núcleo observado"))
        << aviso.toStdString();
    EXPECT_TRUE(aviso.contains("supõe-se 1H. O eixo das linhas de dados está deslocado 1953,61"))
        << aviso.toStdString();
    EXPECT_TRUE(aviso.endsWith("as posições seguem o cabeçalho.")) << aviso.toStdString();
}

// The ppm added to the measured spectrum: asked with the current value,
// refused with a message when it is no number or too large.
TEST(Jcamp, ReferenciaDoEspectroExperimental) {
    const Local L(',');
    Tela t;
    JanelaEspectro& f = t.f;
    const double& referencia = f.EstadoDoGrafico().Experimental.ReferenciaPpm;
    ConfereMenuJanela(t, false);
    f.Dialogos().EscolheArquivo = [](bool salvar) { return salvar ? QString() : Affn; };
    {
        Modal nao(QMessageBox::No);
        f.Acoes().espectroExperimental->trigger();
    }
    ConfereMenuJanela(t, true);
    {
        Modal resposta(QStringLiteral("0,25"));
        f.Acoes().referenciaExperimental->trigger();
        ASSERT_EQ(resposta.vezes(), 1);
        EXPECT_EQ(resposta.titulos[0], "Referência do espectro experimental");
        EXPECT_EQ(resposta.textos[0], "Deslocamento (ppm) a somar ao espectro experimental:");
    }
    EXPECT_EQ(referencia, 0.25);
    EXPECT_FALSE(f.DadosSalvos()) << "the data file holds the shift";
    for (const auto& [texto, mensagem] :
         {std::pair{"abc", "O deslocamento não é um número."},
          std::pair{"", "O deslocamento não é um número."},
          std::pair{"-1000,5", "O deslocamento deve estar entre -1000 e 1000 ppm."}}) {
        // The answer, then the message, closed.
        Modal resposta(QString::fromUtf8(texto));
        f.Acoes().referenciaExperimental->trigger();
        ASSERT_EQ(resposta.vezes(), 2) << texto;
        EXPECT_EQ(resposta.textos[1], QString::fromUtf8(mensagem)) << texto;
        EXPECT_EQ(referencia, 0.25) << texto;
    }
    {
        // A cancel keeps the value.
        Modal cancela;
        f.Acoes().referenciaExperimental->trigger();
    }
    EXPECT_EQ(referencia, 0.25);
    // A new measured spectrum starts unshifted.
    {
        Modal nao(QMessageBox::No);
        f.Acoes().espectroExperimental->trigger();
    }
    EXPECT_EQ(referencia, 0);
    f.Acoes().removerExperimental->trigger();
    ConfereMenuJanela(t, false);
}

// The data file's lines from `chave` on, in the file's own bytes.
QByteArray Cauda(const QString& arquivo, const QByteArray& chave) {
    QFile f(arquivo);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    const auto k = bytes.indexOf(chave);
    return k < 0 ? QByteArray() : bytes.mid(k);
}

// A measured spectrum, shifted, is named in the data file: beside it, by
// its name from the file's folder; elsewhere, by its whole path. Opening
// the file lays it under again, shifted, without a question.
TEST(Jcamp, ArquivoDeDadosNomeiaOEspectro) {
    const Local L(',');
    QTemporaryDir pasta;
    ASSERT_TRUE(QDir(pasta.path()).mkpath("espectros/sub"));
    const QString jdx = pasta.filePath("espectros/sub/affn.dx"), dados = pasta.filePath("a.esm");
    ASSERT_TRUE(QFile::copy(Affn, jdx));
    Tela t;
    JanelaEspectro& f = t.f;
    QString salvarEm = dados;
    f.Dialogos().EscolheArquivo = [&](bool salvar) { return salvar ? salvarEm : jdx; };
    const Sobreposicao& x = f.EstadoDoGrafico().Experimental;
    {
        Modal nao(QMessageBox::No);
        f.Acoes().espectroExperimental->trigger();
    }
    {
        Modal resposta(QStringLiteral("-0,125"));
        f.Acoes().referenciaExperimental->trigger();
    }
    ASSERT_TRUE(f.Arquivo().SalvaDados());
    EXPECT_EQ(Cauda(dados, "#Espectro"), "#Espectro experimental\r\nespectros/sub/affn.dx\r\n"
                                         "#Refer\xEAncia do espectro (ppm)\r\n-0,125 \r\n");
    salvarEm = pasta.filePath("outra/b.esm");
    ASSERT_TRUE(QDir(pasta.path()).mkpath("outra"));
    ASSERT_TRUE(f.Arquivo().SalvaDados());
    EXPECT_TRUE(Cauda(salvarEm, "#Espectro")
                    .startsWith("#Espectro experimental\r\n" + jdx.toUtf8() + "\r\n"));

    for (const QString& arquivo : {dados, salvarEm}) {
        f.Acoes().removerExperimental->trigger();
        for (int vez = 0; vez < 2; ++vez) {
            // The second time under its own spectrum: no question either.
            const Modal nenhuma;
            f.Arquivo().AbreArquivo(arquivo);
            EXPECT_EQ(nenhuma.vezes(), 0) << nenhuma.textos.join(" | ").toStdString();
            EXPECT_EQ(x.arquivo, "affn.dx");
            EXPECT_EQ(x.caminho, jdx.toStdString());
            EXPECT_EQ(x.ReferenciaPpm, -0.125);
            EXPECT_TRUE(f.DadosSalvos());
        }
    }
    EXPECT_EQ(f.Entrada().caixaFrequencia()->text(), "300") << "the file's, not the spectrum's";

    // Gone: the message names it and says why; the system opens, and the
    // spectrum still under it is asked about as under any other file.
    ASSERT_TRUE(QFile::remove(jdx));
    {
        Modal nao(QMessageBox::No);
        f.Arquivo().AbreArquivo(dados);
        ASSERT_EQ(nao.vezes(), 2);
        EXPECT_EQ(nao.textos[0], "O espectro experimental " + jdx +
                                     ", que o arquivo de dados indica, não pôde ser lido: não foi "
                                     "possível abrir o arquivo (o arquivo ou a pasta não existe).");
        EXPECT_EQ(nao.textos[1],
                  "O espectro experimental affn.dx continua sob o novo sistema. Mantê-lo?");
    }
    EXPECT_FALSE(f.Jcamp().TemExperimental());
    EXPECT_TRUE(f.DadosSalvos());
}

// Names Windows-1252 cannot hold make the file UTF-8 and come back whole; a
// name with a line break is refused, and no file is written.
TEST(Jcamp, NomesDoEspectroNoArquivoDeDados) {
    const Local L(',');
    QTemporaryDir pasta;
    Tela t;
    JanelaEspectro& f = t.f;
    QString jdx;
    const QString dados = pasta.filePath("c.esm");
    f.Dialogos().EscolheArquivo = [&](bool salvar) { return salvar ? dados : jdx; };
    const auto sob = [&](const QString& nome) {
        jdx = pasta.filePath(nome);
        EXPECT_TRUE(QFile::copy(Affn, jdx));
        Modal nao(QMessageBox::No);
        f.Acoes().espectroExperimental->trigger();
    };
    sob(QStringLiteral("ő スペクトル.dx"));
    ASSERT_TRUE(f.Arquivo().SalvaDados());
    EXPECT_TRUE(Cauda(dados, "#Espectro").contains(QStringLiteral("ő スペクトル.dx").toUtf8()));
    EXPECT_TRUE(Cauda(dados, "#T").startsWith("#T\xC3\xADtulo")) << "the whole file in UTF-8";
    f.Acoes().removerExperimental->trigger();
    {
        const Modal nenhuma;
        f.Arquivo().AbreArquivo(dados);
    }
    EXPECT_EQ(f.EstadoDoGrafico().Experimental.arquivo, "ő スペクトル.dx");

    ASSERT_TRUE(QFile::remove(dados));
    sob(QStringLiteral("linha\nquebrada.dx"));
    {
        Modal ok(QMessageBox::Ok);
        EXPECT_FALSE(f.Arquivo().SalvaDados());
        ASSERT_EQ(ok.vezes(), 1);
        EXPECT_EQ(ok.textos[0], "O nome do espectro experimental não pode ter quebras de linha.");
    }
    EXPECT_FALSE(QFile::exists(dados));
}

// The window hands the exporter the spectrum it shows, with its width and
// mix: the file holds the bytes BytesJcampDx makes of it (the format and its
// bands are the core's tests).
TEST(Jcamp, ExportaOEspectroInteiro) {
    const Local L(',');
    QTemporaryDir pasta;
    const QString arquivo = pasta.filePath("simulado.jdx");
    Tela t;
    JanelaEspectro& f = t.f;
    f.Dialogos().EscolheArquivo = [&](bool salvar) {
        EXPECT_TRUE(salvar);
        return arquivo;
    };
    f.Entrada().caixaLargura()->setText("2,5");
    f.OpcoesDaJanela().controleMistura()->setValue(20);
    f.Acoes().exportarJcamp->trigger();
    QFile lido(arquivo);
    ASSERT_TRUE(lido.open(QIODevice::ReadOnly));
    const ExportacaoJcamp x = ExportacaoDoEspectro(f.EstadoDoGrafico(), f.Estado(), f.Opcoes());
    EXPECT_EQ(lido.readAll().toStdString(), BytesJcampDx(x));
    EXPECT_EQ(x.Titulo, "Default");
}

} // namespace
