// What the user changes must be offered for saving on exit, and what the
// proton box is emptied for must not become a new count.
#include "JanelaAux.h"

#include "display/AreaGrafico.h"
#include "widgets/SeparadorDecimal.h"
#include "widgets/TextoInteiro.h"

#include <QApplication>
#include <QFile>
#include <QFontMetricsF>
#include <QTemporaryDir>

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

#include <functional>
#include <utility>
#include <vector>

using aux::Digita;
using aux::Enter;
using aux::Local;
using aux::Modal;
using aux::Tela;

namespace {

TEST(Edicoes, TodoValorQueOArquivoGuardaPedeSalvar) {
    const Local L(',');
    using Edicao = std::function<void(JanelaEspectro&)>;
    const std::vector<std::pair<const char*, Edicao>> edicoes = {
        {"J(1,2)",
         [](JanelaEspectro& f) {
             QLineEdit* j = f.Entrada().Acoplamentos().caixaJ(1, 2);
             Digita(j, "3");
             Enter(j);
         }},
        {"frequência",
         [](JanelaEspectro& f) {
             const Modal naoMuda(QMessageBox::No);
             Digita(f.Entrada().caixaFrequencia(), "400");
             Enter(f.Entrada().caixaFrequencia());
         }},
        {"intensidade mínima",
         [](JanelaEspectro& f) {
             Digita(f.Entrada().caixaIntMin(), "0,02");
             Enter(f.Entrada().caixaIntMin());
         }},
        {"largura",
         [](JanelaEspectro& f) {
             Digita(f.Entrada().caixaLargura(), "2");
             Enter(f.Entrada().caixaLargura());
         }},
        {"título",
         [](JanelaEspectro& f) {
             const Modal titulo(QStringLiteral("Aula"));
             f.Menus().EditaTitulo();
         }},
        {"mistura", [](JanelaEspectro& f) { f.OpcoesDaJanela().controleMistura()->setValue(30); }},
        {"Hz/ppm", [](JanelaEspectro& f) { f.Entrada().botaoHzPpm()->click(); }},
        {"tabela", [](JanelaEspectro& f) { f.botaoTabela()->click(); }},
        {"envolvente", [](JanelaEspectro& f) { f.OpcoesDaJanela().opcaoSemEnvolvente()->click(); }},
        {"cores", [](JanelaEspectro& f) { f.OpcoesDaJanela().opcaoSemCores()->click(); }},
        {"janela fixa", [](JanelaEspectro& f) { f.areaGrafico()->AlternaFixarJanela(); }},
    };
    for (const auto& [nome, edita] : edicoes) {
        Tela t;
        ASSERT_TRUE(t.f.DadosSalvos()) << nome;
        edita(t.f);
        EXPECT_FALSE(t.f.DadosSalvos()) << nome;
        // The exit asks; Cancel keeps the program open.
        const Modal cancela(QMessageBox::Cancel);
        EXPECT_FALSE(t.w.close()) << nome;
        EXPECT_EQ(cancela.titulos, QStringList{"Salvar dados?"}) << nome;
    }
}

TEST(Edicoes, CaixaDeProtonsVisitadaNaoViraUmProton) {
    const Local L(',');
    Tela t;
    t.Mostra();
    JanelaEspectro& f = t.f;
    QLineEdit* n = f.Entrada().caixaNProt();

    // Tab through the box: it is emptied on the way in, and given back on
    // the way out.
    f.Entrada().caixaDesloc(3)->setFocus(Qt::OtherFocusReason);
    n->setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(n->text().isEmpty());
    f.Entrada().caixaIntMin()->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(n->text(), "3");
    f.botaoExecutar()->click();
    EXPECT_EQ(f.Estado().NProt, 3);
    EXPECT_TRUE(f.DadosSalvos()) << "a visit is no edit";

    // A run that starts while the box is still empty reads the count it held.
    n->setFocus(Qt::MouseFocusReason);
    ASSERT_TRUE(n->text().isEmpty());
    f.Execucao().Executa();
    EXPECT_EQ(f.Estado().NProt, 3);
    EXPECT_FALSE(f.Entrada().caixaDesloc(3)->isHidden());

    // Enter on the empty box keeps the count too.
    Enter(n);
    EXPECT_EQ(n->text(), "3");
    EXPECT_EQ(f.Estado().NProt, 3);
}

TEST(Quadros, OpcoesAbaixoDoTituloDoQuadro) {
    const Local L(',');
    Tela t;
    const OpcoesEspectro& o = t.f.OpcoesDaJanela();
    for (QRadioButton* r :
         {o.opcaoColorido(), o.opcaoSemCores(), o.opcaoComEnvolvente(), o.opcaoSemEnvolvente()}) {
        auto* quadro = qobject_cast<QGroupBox*>(r->parentWidget());
        ASSERT_NE(quadro, nullptr);
        EXPECT_GE(r->geometry().top(), quadro->contentsRect().top()) << r->text().toStdString();
        EXPECT_LE(r->geometry().bottom(), quadro->contentsRect().bottom())
            << r->text().toStdString();
    }
    EXPECT_LE(o.botaoTodasBandas()->geometry().bottom(), o.quadroCores()->contentsRect().bottom());
}

TEST(Quadros, TabPercorreOSistemaNaOrdemEmQueSeDigita) {
    const Local L(',');
    Tela t;
    t.Mostra();
    const PainelEntrada& p = t.f.Entrada();
    const GradeAcoplamentos& g = p.Acoplamentos();
    p.caixaDesloc(1)->setFocus(Qt::OtherFocusReason);
    const std::vector<QWidget*> esperado = {p.caixaDesloc(2),   p.caixaDesloc(3), g.caixaJ(1, 2),
                                            g.caixaJ(1, 3),     g.caixaJ(2, 3),   p.caixaNProt(),
                                            p.caixaFrequencia()};
    for (QWidget* w : esperado) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), w) << w->objectName().toStdString();
    }
}

// Locales whose decimal separator is neither '.' nor ',' write and read '.'.
TEST(Separador, SoPontoOuVirgula) {
    EXPECT_EQ(SeparadorDecimal(QLocale(QLocale::Portuguese, QLocale::Brazil)), ',');
    EXPECT_EQ(SeparadorDecimal(QLocale::c()), '.');
    for (const char* nome : {"ar_EG", "fa_IR"}) {
        const QLocale local(QString::fromLatin1(nome));
        ASSERT_NE(local.decimalPoint(), QStringLiteral(".")) << nome;
        EXPECT_EQ(SeparadorDecimal(local), '.') << nome;

        const QLocale antes;
        QLocale::setDefault(local);
        QTemporaryDir pasta;
        const QString arquivo = pasta.filePath(QStringLiteral("a.esm"));
        {
            Tela t;
            EXPECT_EQ(t.f.SepDec(), '.') << nome;
            t.f.Dialogos().EscolheArquivo = [&](bool) { return arquivo; };
            t.f.Arquivo().SalvaDados();
        }
        QFile f(arquivo);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << nome;
        EXPECT_FALSE(f.readAll().contains('\0')) << nome;
        {
            Tela t;
            const Modal nenhum;
            t.f.Dialogos().EscolheArquivo = [&](bool) { return arquivo; };
            t.f.Arquivo().AbreDados();
            EXPECT_EQ(nenhum.vezes(), 0) << nome;
            EXPECT_EQ(t.f.Estado().NProt, 3) << nome;
        }
        QLocale::setDefault(antes);
    }
}

TEST(Edicoes, HzPpmIdaEVoltaDevolveOQueFoiDigitado) {
    const Local L(',');
    Tela t;
    JanelaEspectro& f = t.f;
    PainelEntrada& p = f.Entrada();
    const std::vector<QString> digitados = {"194,35", "208,41", "218,08"};
    for (bool executa : {false, true}) {
        p.botaoHzPpm()->click();
        ASSERT_TRUE(p.PPM());
        EXPECT_EQ(p.caixaDesloc(1)->text(), "0,6478") << "shown rounded";
        if (executa) {
            f.botaoExecutar()->click();
            EXPECT_NEAR(f.Estado().FreqProt(1) - f.Estado().FreqEspHz, 194.35, 1e-6);
            EXPECT_NEAR(f.Estado().FreqProt(3) - f.Estado().FreqEspHz, 218.08, 1e-6);
        }
        p.botaoHzPpm()->click();
        for (int i = 1; i <= 3; ++i)
            EXPECT_EQ(p.caixaDesloc(i)->text(), digitados[std::size_t(i - 1)])
                << i << (executa ? " after a run" : "");
    }
    // A ppm value the user types is taken as typed.
    p.botaoHzPpm()->click();
    p.caixaDesloc(1)->setText(QStringLiteral("0,5"));
    f.botaoExecutar()->click();
    EXPECT_NEAR(f.Estado().FreqProt(1) - f.Estado().FreqEspHz, 150, 1e-6);
}

} // namespace

namespace {

// "Comparar curvas" shows one proton; unticking it gives back the system,
// the mix and the envelope option it replaced.
TEST(Edicoes, CompararCurvasDevolveOSistema) {
    const Local L(',');
    Tela t;
    JanelaEspectro& f = t.f;
    auto* mistura = f.findChild<QSlider*>();
    ASSERT_TRUE(mistura);
    mistura->setValue(30);
    const auto freqs = t.Freqs();
    const int N = f.Estado().NProt;
    ASSERT_GT(N, 1);
    f.Acoes().compararCurvas->trigger();
    ASSERT_EQ(f.Estado().NProt, 1);
    EXPECT_EQ(mistura->value(), 50);
    f.Acoes().compararCurvas->trigger();
    EXPECT_FALSE(f.Opcoes().CompararCurvas);
    EXPECT_EQ(f.Estado().NProt, N);
    EXPECT_EQ(t.Freqs(), freqs);
    EXPECT_EQ(mistura->value(), 30);
    EXPECT_EQ(f.Entrada().caixaNProt()->text(), QString::number(N));
}

} // namespace

namespace {

// Every number box of the panel shows the whole of a number a user types
// or a file gives, not its last digits.
TEST(Quadros, CaixasMostramONumeroInteiro) {
    const Local L(',');
    Tela t;
    PainelEntrada& p = t.f.Entrada();
    const std::pair<QLineEdit*, const char*> casos[] = {
        {p.caixaDesloc(1), "2589,92"},       {p.caixaDesloc(10), "-2589,92"},
        {p.caixaFrequencia(), "400,132130"}, {p.caixaIntMin(), "0,0001"},
        {p.caixaLargura(), "0,25"},          {p.Acoplamentos().caixaJ(1, 2), "-14,36"}};
    for (auto [caixa, texto] : casos) {
        caixa->setText(QString::fromUtf8(texto));
        EXPECT_LE(QFontMetricsF(caixa->font()).horizontalAdvance(caixa->text()), LarguraUtil(caixa))
            << texto;
        EXPECT_GE(caixa->font().pointSizeF(), 0.6 * QApplication::font().pointSizeF()) << texto;
    }
}

} // namespace
