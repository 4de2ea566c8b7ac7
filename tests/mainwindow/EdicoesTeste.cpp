// What the user changes must be offered for saving on exit; the frames,
// the tab order and the number boxes as the user meets them.
#include "JanelaAux.h"

#include "widgets/SeparadorDecimal.h"
#include "widgets/TextoInteiro.h"

#include <QFontMetricsF>

#include <functional>

using namespace aux;

namespace {

// Typed, as only typing is an edit, and Enter.
void Tecla(QLineEdit* caixa, const QString& texto) {
    Digita(caixa, texto);
    Enter(caixa);
}

TEST(Edicoes, TodoValorQueOArquivoGuardaPedeSalvar) {
    const Local L(',');
    using Edicao = std::function<void(JanelaEspectro&)>;
    const std::pair<const char*, Edicao> edicoes[] = {
        {"J(1,2)", [](JanelaEspectro& f) { Tecla(f.Entrada().Acoplamentos().caixaJ(1, 2), "3"); }},
        {"frequência",
         [](JanelaEspectro& f) {
             const Modal naoMuda(QMessageBox::No);
             Tecla(f.Entrada().caixaFrequencia(), "400");
         }},
        {"intensidade mínima", [](JanelaEspectro& f) { Tecla(f.Entrada().caixaIntMin(), "0,02"); }},
        {"largura", [](JanelaEspectro& f) { Tecla(f.Entrada().caixaLargura(), "2"); }},
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
        SCOPED_TRACE(nome);
        Tela t;
        ASSERT_TRUE(t.f.DadosSalvos());
        edita(t.f);
        EXPECT_FALSE(t.f.DadosSalvos());
    }
}

// Tab goes through the system in the order it is typed.
TEST(Quadros, TabNaOrdemEmQueSeDigita) {
    const Local L(',');
    Tela t;
    t.Mostra();
    const PainelEntrada& p = t.f.Entrada();
    const GradeAcoplamentos& g = p.Acoplamentos();
    p.caixaDesloc(1)->setFocus(Qt::OtherFocusReason);
    for (QWidget* w : {p.caixaDesloc(2), p.caixaDesloc(3), g.caixaJ(1, 2), g.caixaJ(1, 3),
                       g.caixaJ(2, 3), p.caixaNProt(), p.caixaFrequencia()}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), w) << w->objectName().toStdString();
    }
}

// A locale whose decimal separator is neither '.' nor ',' writes and reads '.'.
TEST(Separador, SoPontoOuVirgula) {
    const QLocale local(QStringLiteral("ar_EG")), antes;
    ASSERT_NE(local.decimalPoint(), QStringLiteral("."));
    QLocale::setDefault(local);
    Tela t;
    QLocale::setDefault(antes);
    EXPECT_EQ(t.f.SepDec(), '.');
}

// "Comparar curvas" shows one proton; unticking it gives back the system and
// the mix it replaced; with a box that holds no number it is refused as a
// run is.
TEST(Edicoes, CompararCurvasDevolveOSistema) {
    const Local L(',');
    Tela t;
    JanelaEspectro& f = t.f;
    QSlider* mistura = f.OpcoesDaJanela().controleMistura();
    mistura->setValue(30);
    const auto freqs = t.Freqs();
    f.Acoes().compararCurvas->trigger();
    ASSERT_EQ(f.Estado().NProt, 1);
    EXPECT_EQ(mistura->value(), 50);
    f.Acoes().compararCurvas->trigger();
    EXPECT_EQ(t.Freqs(), freqs);
    EXPECT_EQ(mistura->value(), 30);
    f.Entrada().caixaDesloc(1)->clear();
    const Modal ok(QMessageBox::Ok);
    f.Acoes().compararCurvas->trigger();
    EXPECT_EQ(ok.titulos, QStringList{"Dados de entrada"});
    EXPECT_FALSE(f.Acoes().compararCurvas->isChecked());
}

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
    }
}

} // namespace
