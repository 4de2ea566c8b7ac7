// A measured spectrum under the simulation, and the export, through the
// window's menus.
#include "JanelaAux.h"

#include "display/Experimental.h"
#include "formatos/Exemplos.h"
#include "formatos/JcampDx.h"
#include "mainwindow/JcampEspectro.h"

using namespace aux;

namespace {

// The items of "Janela" that need a measured spectrum, enabled as the user
// finds them on opening the menu.
void ConfereMenuJanela(Tela& t, bool comExperimental) {
    ASSERT_TRUE(t.AbreMenu(QStringLiteral("Janela")));
    const AcoesEspectro& a = t.f.Acoes();
    for (const QAction* item : {a.removerExperimental, a.referenciaExperimental, a.ajustar})
        EXPECT_EQ(item->isEnabled(), comExperimental) << menus::Legenda(item).toStdString();
}

// A measured spectrum at another frequency asks whether to take it; a damaged
// one is refused with the reader's reason; the export writes what the window
// shows.
TEST(Jcamp, SobreposicaoPerguntaAFrequenciaESaiQuandoPedido) {
    const Local L(',');
    Tela t;
    JanelaEspectro& f = t.f;
    QString escolhido = Affn;
    f.Dialogos().EscolheArquivo = [&](bool) { return escolhido; };
    const auto freqs = t.Freqs();
    {
        // 300 MHz in the panel, 400.13 in the file: one question; "Não" keeps 300.
        const Modal nao(QMessageBox::No);
        f.Acoes().espectroExperimental->trigger();
        ASSERT_EQ(nao.vezes(), 1);
        EXPECT_TRUE(nao.textos[0].startsWith(
            "O espectro experimental foi medido a 400,132130 MHz. Usar essa freqüência?"));
    }
    ConfereMenuJanela(t, true);
    EXPECT_EQ(f.Entrada().caixaFrequencia()->text(), "300");
    EXPECT_EQ(t.Freqs(), freqs);
    EXPECT_FALSE(f.DadosSalvos()) << "the data file would name the overlay";
    {
        const Modal sim(QMessageBox::Yes);
        f.Acoes().espectroExperimental->trigger();
    }
    EXPECT_DOUBLE_EQ(f.Estado().FreqEspHz, 400.13213e6);
    EXPECT_TRUE(f.Entrada().PPM()) << "the shifts keep their ppm, under the measured lines";

    // A damaged file: named, with the reader's reason; the overlay stays.
    QTemporaryDir pasta;
    escolhido = GravaBytes(pasta.filePath("ruim.jdx"),
                           "##TITLE= x\n##JCAMP-DX= 5.01\n##DATA TYPE= NMR SPECTRUM\n##END=\n");
    {
        const Modal erro(QMessageBox::Ok);
        f.Acoes().espectroExperimental->trigger();
        EXPECT_TRUE(erro.textos.value(0).startsWith("O arquivo \"ruim.jdx\" não pôde ser usado"));
        EXPECT_TRUE(erro.textos.value(0).contains(
            QString::fromStdString(LeArquivoJcamp(escolhido.toStdString()).Mensagem())));
    }
    EXPECT_EQ(f.EstadoDoGrafico().Experimental.arquivo, "affn.dx");
    f.Acoes().removerExperimental->trigger();
    EXPECT_FALSE(f.Jcamp().TemExperimental());
    ConfereMenuJanela(t, false);

    // The exporter gets the spectrum the window shows (its bytes are the core's).
    escolhido = pasta.filePath("simulado.jdx");
    f.Acoes().exportarJcamp->trigger();
    const ExportacaoJcamp x = ExportacaoDoEspectro(f.EstadoDoGrafico(), f.Estado(), f.Opcoes());
    EXPECT_EQ(Le(escolhido).toStdString(), BytesJcampDx(x));
}

// Opening another system under a measured spectrum asks whether to keep
// it: "Não" removes it, "Sim" keeps it and asks about the frequency again.
TEST(Jcamp, OutroSistemaPerguntaSeMantemOEspectro) {
    const Local L(',');
    Tela t;
    JanelaEspectro& f = t.f;
    QTemporaryDir pasta;
    f.Dialogos().EscolheArquivo = [&](bool) { return pasta.filePath("sistema.esm"); };
    const Exemplo* exemplo = ProcuraExemplo("acrilato-60");
    ASSERT_TRUE(exemplo);
    for (auto resposta : {QMessageBox::No, QMessageBox::Yes}) {
        t.SobrepoeExperimental();
        ASSERT_TRUE(f.Arquivo().SalvaDados()); // no question about saving first
        const Modal modal(resposta);
        f.Arquivo().AbreExemplo(*exemplo);
        EXPECT_EQ(modal.textos.value(0),
                  "O espectro experimental affn.dx continua sob o novo sistema. Mantê-lo?");
        EXPECT_EQ(f.Jcamp().TemExperimental(), resposta == QMessageBox::Yes);
        EXPECT_EQ(modal.vezes(), resposta == QMessageBox::Yes ? 2 : 1);
    }
    EXPECT_EQ(f.Entrada().caixaFrequencia()->text(), "400,132130");
}

// A file read with warnings: they go to the status bar, their numbers
// written as the user writes them. A name with a line break is refused with a
// message (its text and the file's encodings are the core's tests), and no
// data file is written.
TEST(Jcamp, AvisosNaBarraENomeComQuebraDeLinha) {
    const Local L(',');
    QByteArray bytes = Le(QStringLiteral(HALVORA_ESPECTROS "/jeol.dx"));
    const qsizetype nucleo = bytes.indexOf("##.OBSERVE NUCLEUS=");
    ASSERT_GE(nucleo, 0);
    bytes.remove(nucleo, bytes.indexOf('\n', nucleo) + 1 - nucleo);
    QTemporaryDir pasta;
    Tela t;
    t.SobrepoeExperimental(GravaBytes(pasta.filePath("sem-nucleo.dx"), bytes));
    ASSERT_TRUE(t.f.Jcamp().TemExperimental());
    const QString aviso = t.w.barraEstado()->currentMessage();
    EXPECT_TRUE(aviso.startsWith("Espectro experimental: ") && aviso.contains("deslocado 1953,61"))
        << aviso.toStdString();

    const QString dados = pasta.filePath("c.esm");
    t.SobrepoeExperimental(GravaBytes(pasta.filePath("linha\nquebrada.dx"), bytes));
    t.f.Dialogos().EscolheArquivo = [&](bool) { return dados; };
    const Modal ok(QMessageBox::Ok);
    EXPECT_FALSE(t.f.Arquivo().SalvaDados());
    EXPECT_EQ(ok.vezes(), 1);
    EXPECT_FALSE(QFile::exists(dados));
}

// The ppm added to the measured spectrum: refused with a message when it is
// no number or too large, left without one on cancel, and it asks for saving
// (its bytes and reading it back are JanelaGravaOArquivoQueAbriu's); a
// spectrum the data file names that is gone is named with the reason; a new
// spectrum starts unshifted.
TEST(Jcamp, ArquivoDeDadosNomeiaOEspectro) {
    const Local L(',');
    QTemporaryDir pasta;
    ASSERT_TRUE(QDir(pasta.path()).mkpath("espectros"));
    const QString jdx = pasta.filePath("espectros/affn.dx"), dados = pasta.filePath("a.esm");
    ASSERT_TRUE(QFile::copy(Affn, jdx));
    Tela t;
    JanelaEspectro& f = t.f;
    const Sobreposicao& x = f.EstadoDoGrafico().Experimental;
    t.SobrepoeExperimental(jdx);
    for (const auto& [texto, mensagem] :
         {std::pair{"-0,125", ""}, std::pair{"abc", "O deslocamento não é um número."},
          std::pair{"-1000,5", "O deslocamento deve estar entre -1000 e 1000 ppm."}}) {
        const Modal resposta(QString::fromUtf8(texto));
        f.Acoes().referenciaExperimental->trigger();
        EXPECT_EQ(resposta.textos.value(1), QString::fromUtf8(mensagem)) << texto;
        EXPECT_EQ(x.ReferenciaPpm, -0.125) << texto;
    }
    {
        const Modal cancela;
        f.Acoes().referenciaExperimental->trigger();
        EXPECT_EQ(cancela.vezes(), 1) << "a cancel is no refusal";
    }
    EXPECT_FALSE(f.DadosSalvos()) << "the data file holds the shift";
    f.Dialogos().EscolheArquivo = [&](bool) { return dados; };
    ASSERT_TRUE(f.Arquivo().SalvaDados());
    ASSERT_TRUE(QFile::remove(jdx));
    {
        const Modal nao(QMessageBox::No);
        f.Arquivo().AbreArquivo(dados);
        ASSERT_EQ(nao.vezes(), 2);
        EXPECT_TRUE(nao.textos[0].startsWith("O espectro experimental " + jdx +
                                             ", que o arquivo de dados indica, não pôde ser lido"));
    }
    EXPECT_FALSE(f.Jcamp().TemExperimental());
    t.SobrepoeExperimental();
    EXPECT_EQ(x.ReferenciaPpm, 0);
}

} // namespace
