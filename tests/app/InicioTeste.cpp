// The program's command line: `halvora aula.esm` opens the file as "Abrir
// Dados de Entrada" would, over the start-up system.
#include "app/Inicio.h"
#include "gerado/Versao.h"
#include "mainwindow/JanelaAux.h"
#include "mainwindow/JanelaSobre.h"
#include "run/Exemplos.h"

#include <QFile>
#include <QLabel>
#include <QTemporaryDir>

#include <string>

using aux::Modal;
using aux::Tela;

namespace {

QString Grava(const QTemporaryDir& pasta, const QString& nome, std::string_view bytes) {
    QFile f(pasta.filePath(nome));
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes.data(), qint64(bytes.size()));
    return f.fileName();
}

// A real saved file of four protons, where the start-up system has three.
std::string_view Aula() {
    return ProcuraExemplo("aabb-clorotolueno")->bytes;
}

TEST(LinhaComando, UmArquivoEOsNomesAMais) {
    const LinhaComando l = LeLinhaComando({"--zoom", "a.esm", "-", "b.esm", "--", "--c.esm"});
    EXPECT_EQ(l.arquivo, QStringLiteral("a.esm"));
    EXPECT_EQ(l.sobrando, QStringList({"-", "b.esm", "--c.esm"})) << "\"-\" and all after \"--\"";
    EXPECT_EQ(l.desconhecidas, QStringList({"--zoom"}));
    EXPECT_FALSE(LeLinhaComando({}).arquivo);
}

TEST(AbreNoInicio, OArquivoAbreComoPeloMenu) {
    QTemporaryDir pasta;
    const QString arquivo = Grava(pasta, "aula.esm", Aula());
    Tela pelaLinha;
    {
        const Modal nenhum;
        AbreNoInicio(pelaLinha.w, LeLinhaComando({arquivo}));
        EXPECT_EQ(nenhum.vezes(), 0);
    }
    Tela peloMenu;
    peloMenu.f.Dialogos().EscolheArquivo = [&](bool) { return arquivo; };
    peloMenu.f.Arquivo().AbreDados();

    EXPECT_EQ(pelaLinha.f.Estado().NProt, 4);
    EXPECT_EQ(pelaLinha.w.windowTitle(), "Halvora-[aula.esm]");
    EXPECT_EQ(pelaLinha.Caixas(), peloMenu.Caixas());
    EXPECT_EQ(pelaLinha.Freqs(), peloMenu.Freqs());
    EXPECT_EQ(pelaLinha.Ints(), peloMenu.Ints());
    EXPECT_EQ(pelaLinha.f.DadosSalvos(), peloMenu.f.DadosSalvos());
}

// A damaged or missing file: the reader's message, and the start-up system
// stays with its results.
TEST(AbreNoInicio, ArquivoDanificadoDeixaOSistemaInicial) {
    QTemporaryDir pasta;
    std::string danificado(Aula());
    danificado.replace(danificado.find("#N\xb0"), 4, "#N ");
    for (const QString& arquivo :
         {Grava(pasta, "danificado.esm", danificado), pasta.filePath("nao-existe.esm")}) {
        Tela t;
        const QStringList caixas = t.Caixas();
        const std::vector<double> freqs = t.Freqs();
        Modal ok(QMessageBox::Ok);
        AbreNoInicio(t.w, LeLinhaComando({arquivo}));
        ASSERT_EQ(ok.vezes(), 1) << arquivo.toStdString();
        EXPECT_EQ(ok.titulos[0], "Erro!");
        EXPECT_EQ(ok.textos[0], "Deu Crepe!");
        EXPECT_EQ(t.Caixas(), caixas);
        EXPECT_EQ(t.Freqs(), freqs);
        EXPECT_EQ(t.w.windowTitle(), "Halvora");
    }
}

TEST(AbreNoInicio, UmArquivoDeCadaVez) {
    QTemporaryDir pasta;
    const QString a = Grava(pasta, "a.esm", Aula());
    for (const QStringList& outros : {QStringList{"b.esm"}, QStringList{"b.esm", "c.esm"}}) {
        Tela t;
        Modal ok(QMessageBox::Ok);
        AbreNoInicio(t.w, LeLinhaComando(QStringList{a} + outros));
        EXPECT_EQ(t.f.Estado().NProt, 4) << "the first file opens";
        ASSERT_EQ(ok.vezes(), 1);
        EXPECT_EQ(ok.titulos[0], "Abrir Dados de Entrada");
        EXPECT_TRUE(ok.textos[0].contains(outros.join(", ") +
                                          (outros.size() == 1 ? " não foi aberto" : " não foram")))
            << ok.textos[0].toStdString();
    }
}

TEST(Versao, NaCaixaSobre) {
    Tela t;
    t.w.MostraSobre();
    auto* sobre = t.w.findChild<JanelaSobre*>();
    ASSERT_TRUE(sobre);
    QStringList textos;
    for (const QLabel* l : sobre->findChildren<QLabel*>()) textos << l->text();
    EXPECT_TRUE(textos.contains(QStringLiteral("Versão ") + VersaoHalvora))
        << textos.join('|').toStdString();
    sobre->close();
}

} // namespace
