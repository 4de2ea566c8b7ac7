// The main window inside its frame, driven through its boxes, buttons and
// menus, offscreen.
#include "JanelaAux.h"
#include "Menus.h"

#include "display/AreaGrafico.h"
#include "display/Geometria.h"
#include "mainwindow/PainelTempos.h"
#include "mainwindow/TabelaResultadosWidget.h"
#include "run/ExecucaoAux.h"
#include "run/ValoresIniciais.h"
#include "texto/TextoDecimal.h"
#include "widgets/FlexGrid.h"
#include "widgets/Px.h"

#include <QAction>
#include <QClipboard>
#include <QGroupBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>
#include <QTimer>

using aux::Digita;
using aux::Enter;
using aux::Local;
using aux::Modal;
using aux::Tela;

namespace {

class JanelaEspectroTeste : public ::testing::TestWithParam<char> {};
INSTANTIATE_TEST_SUITE_P(Locais, JanelaEspectroTeste, ::testing::Values(',', '.'),
                         [](const auto& i) { return i.param == ',' ? "Virgula" : "Ponto"; });

QStringList LinhasTempos(const JanelaEspectro& f, int r) {
    QStringList s;
    for (int c = 0; c < 3; ++c) s << f.painelTempos()->tabelaTempos()->textMatrix(r, c);
    return s;
}

// The window opens on the start-up system (run/ValoresIniciais.h), its boxes
// in the user's separator, already run: the same bands a run of it gives.
TEST_P(JanelaEspectroTeste, PartidaEPrimeiraExecucao) {
    const Local L(GetParam());
    Tela t;
    const JanelaEspectro& f = t.f;
    const PainelEntrada& p = f.Entrada();
    const EntradaSimulacao in = EntradaInicial(NProtInicial);
    const auto caixa = [&L](double v) {
        return QString::fromStdString(FormataNumeroG(v, 15, L.sep()));
    };

    EXPECT_EQ(t.w.windowTitle(), "Halvora");
    EXPECT_EQ(p.caixaNProt()->text(), QString::number(NProtInicial));
    for (int i = 1; i <= NProtMax; ++i) {
        EXPECT_EQ(p.caixaDesloc(i)->text(), caixa(DeslocInicial[i - 1])) << i;
        EXPECT_EQ(p.caixaDesloc(i)->isHidden(), i > NProtInicial) << i;
        for (int c = i + 1; c <= NProtMax; ++c)
            EXPECT_EQ(p.Acoplamentos().caixaJ(i, c)->text(), caixa(JInicial(i, c))) << i << c;
    }
    EXPECT_EQ(p.caixaFrequencia()->text(), caixa(MHzInicial));
    EXPECT_EQ(float(ConverteNumero(p.caixaIntMin()->text().toStdString(), L.sep()).value_or(0)),
              IntMinInicial);
    EXPECT_EQ(p.rotuloOutraUnidade(1)->text(), L("0,6478")) << "the run's four decimals";
    EXPECT_EQ(f.areaGrafico()->rotuloTitulo()->text(), "Título: Default");
    EXPECT_FALSE(p.PPM());
    EXPECT_TRUE(f.DadosSalvos());
    EXPECT_FALSE(f.Execucao().Executando());

    const EstadoSpin esperado = testes::Calcula(in);
    EXPECT_EQ(t.Freqs(), std::vector<double>(esperado.FreqBanda.dados() + 1,
                                             esperado.FreqBanda.dados() + 1 + esperado.NBandas));
    EXPECT_EQ(f.tabelaResultados()->rows(), esperado.NBandas + 1);
    EXPECT_EQ(t.Painel(BarraEstado::PainelBandas), QString::number(esperado.NBandas));

    const char* etapas[] = {
        "Submatrizes",         "Matriz de transição",     "Cálculo de freqüências",
        "Ordenação de Bandas", "Preenchimento da Tabela", "Gráfico"};
    const QRegularExpression segundos(QStringLiteral("^\\d+(\\%1\\d{1,2})?$").arg(L.sep()));
    for (int r = 1; r <= 6; ++r) {
        const QStringList linha = LinhasTempos(f, r);
        EXPECT_EQ(linha[0], QString::fromUtf8(etapas[r - 1])) << r;
        EXPECT_TRUE(segundos.match(linha[1]).hasMatch()) << r << linha[1].toStdString();
        EXPECT_TRUE(segundos.match(linha[2]).hasMatch()) << r << linha[2].toStdString();
    }
}

// The wait notice of a run of more than 6 protons says how long it takes,
// and the heaviest run there is, 10 protons all coupled and every line kept,
// keeps to it: well under a second here, a few seconds on a slow computer.
TEST(JanelaEspectro, AvisoDeEsperaDizQuantoLeva) {
    const Local L(',');
    Tela t;
    PainelEntrada& p = t.f.Entrada();
    p.caixaNProt()->setText("10");
    Enter(p.caixaNProt());
    ASSERT_EQ(t.f.Estado().NProt, 10);
    for (int i = 1; i <= 10; ++i) p.caixaDesloc(i)->setText(QString::number(100 + 37 * i));
    int k = 0;
    for (int r = 1; r < 10; ++r)
        for (int c = r + 1; c <= 10; ++c)
            p.Acoplamentos().caixaJ(r, c)->setText(QString::number(3 + k++ % 9));
    p.caixaIntMin()->setText("0");
    t.f.Execucao().Executa();
    ASSERT_EQ(t.f.Estado().NBandas, 167960);
    EXPECT_FALSE(t.f.painelTempos()->rotuloAguarde()->isHidden());
    EXPECT_EQ(t.f.painelTempos()->rotuloAguarde()->text(),
              "Isto leva menos de um segundo (alguns segundos num computador lento).");
    const auto total = ConverteNumero(LinhasTempos(t.f, 6)[2].toStdString(), ',');
    ASSERT_TRUE(total);
    EXPECT_LT(*total, 10);
}

// The mix reads the same over the slider as in the plot's corner, from the
// start and as the slider moves.
TEST(JanelaEspectro, MisturaDizOMesmoNosDoisLugares) {
    Tela t;
    const auto sobreOControle = [&t] {
        return t.f.OpcoesDaJanela().rotuloMistura()->text().toStdString();
    };
    const auto noGrafico = [&t] {
        return t.f.areaGrafico()->rotuloMisturaGrafico()->text().toStdString();
    };
    EXPECT_EQ(sobreOControle(), "50% Lorentziana + 50% Gaussiana");
    EXPECT_EQ(noGrafico(), sobreOControle());
    t.f.OpcoesDaJanela().controleMistura()->setValue(30);
    EXPECT_EQ(sobreOControle(), "30% Lorentziana + 70% Gaussiana");
    EXPECT_EQ(noGrafico(), sobreOControle());
}

// The envelope and the mix through the controls a user touches: the menu
// twins follow the radio buttons, a slider dragged and let go is an edit
// that redraws, and no busy pointer is left behind.
TEST(JanelaEspectro, EnvolventeEMisturaPelosControles) {
    const Local L(',');
    Tela t;
    JanelaEspectro& f = t.f;
    OpcoesEspectro& o = f.OpcoesDaJanela();
    QSlider* mistura = o.controleMistura();
    mistura->setSliderDown(true);
    mistura->setValue(20);
    EXPECT_TRUE(f.DadosSalvos()) << "not while it is dragged";
    mistura->setSliderDown(false);
    EXPECT_FALSE(f.DadosSalvos());
    EXPECT_EQ(f.areaGrafico()->rotuloMisturaGrafico()->text(), "20% Lorentziana + 80% Gaussiana");
    for (bool ligada : {false, true}) {
        (ligada ? o.opcaoComEnvolvente() : o.opcaoSemEnvolvente())->click();
        EXPECT_EQ(f.Acoes().comEnvolvente->isChecked(), ligada);
        EXPECT_EQ(f.Acoes().semEnvolvente->isChecked(), !ligada);
        EXPECT_EQ(f.EstadoDoGrafico().env.EnvolventeLigada, ligada);
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_P(JanelaEspectroTeste, EnterNasCaixasDeTexto) {
    const Local L(GetParam());
    Tela t;
    JanelaEspectro& f = t.f;

    // The other separator becomes the user's.
    const QString outro = GetParam() == ',' ? "7.25" : "7,25";
    Digita(f.Entrada().caixaDesloc(1), outro);
    Enter(f.Entrada().caixaDesloc(1));
    EXPECT_EQ(f.Entrada().caixaDesloc(1)->text(), L("7,25"));
    EXPECT_EQ(f.Entrada().rotuloOutraUnidade(1)->text(), L("0,0242"));
    EXPECT_NEAR(f.Estado().FreqProt(1) - f.Estado().FreqEspHz, 7.25, 1e-6);

    // The number of protons: what the box keeps while typing, then N after
    // Enter. A box left empty is no count: the previous one stays.
    struct Caso {
        const char* digitado;
        const char* mantido;
        int N;
    } casos[] = {{"3,5", "3,5", 3}, {"0", "", 3},      {"11", "", 3},
                 {"abc", "", 3},    {"1.5", "1.5", 2}, {"2.5", "2.5", 2}};
    for (const Caso& c : casos) {
        Digita(f.Entrada().caixaNProt(), c.digitado);
        EXPECT_EQ(f.Entrada().caixaNProt()->text(), c.mantido) << c.digitado;
        Enter(f.Entrada().caixaNProt());
        EXPECT_EQ(f.Estado().NProt, c.N) << c.digitado;
        EXPECT_EQ(f.Entrada().caixaNProt()->text(), QString::number(c.N)) << c.digitado;
        EXPECT_EQ(f.Entrada().caixaDesloc(c.N)->isHidden(), false) << c.digitado;
        EXPECT_EQ(f.Entrada().caixaDesloc(c.N + 1)->isHidden(), true) << c.digitado;
    }
    EXPECT_FALSE(f.DadosSalvos());
}

TEST(JanelaEspectro, EnterLevaOFocoAdiante) {
    const Local L(',');
    Tela t;
    t.Mostra();
    JanelaEspectro& f = t.f;
    const auto foco = [] { return QApplication::focusWidget(); };

    // Coming into the box empties it.
    f.botaoExecutar()->setFocus();
    f.Entrada().caixaNProt()->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(f.Entrada().caixaNProt()->text(), "");
    QTest::keyClicks(f.Entrada().caixaNProt(), "6");
    // A trip to another window is no new visit; a click that activates the
    // window straight into the box is.
    const auto focoDaJanela = [&f](QEvent::Type tipo) {
        QFocusEvent ev(tipo, Qt::ActiveWindowFocusReason);
        QApplication::sendEvent(f.Entrada().caixaNProt(), &ev);
    };
    focoDaJanela(QEvent::FocusOut);
    focoDaJanela(QEvent::FocusIn);
    EXPECT_EQ(f.Entrada().caixaNProt()->text(), "6");
    focoDaJanela(QEvent::FocusIn);
    EXPECT_EQ(f.Entrada().caixaNProt()->text(), "");
    QTest::keyClicks(f.Entrada().caixaNProt(), "6");
    Enter(f.Entrada().caixaNProt());
    ASSERT_EQ(f.Estado().NProt, 6);
    EXPECT_EQ(foco(), f.Entrada().caixaDesloc(1));
    EXPECT_EQ(f.Entrada().caixaDesloc(1)->selectedText(), f.Entrada().caixaDesloc(1)->text());

    for (int i = 1; i < 6; ++i) {
        Enter(f.Entrada().caixaDesloc(i));
        EXPECT_EQ(foco(), f.Entrada().caixaDesloc(i + 1)) << i;
    }
    Enter(f.Entrada().caixaDesloc(6));
    EXPECT_EQ(foco(), f.Entrada().Acoplamentos().caixaJ(1, 2));
    EXPECT_EQ(f.Entrada().Acoplamentos().caixaJ(1, 2)->selectedText(), "12");
    Enter(f.Entrada().Acoplamentos().caixaJ(1, 2));
    EXPECT_EQ(foco(), f.Entrada().Acoplamentos().caixaJ(1, 3));
    Enter(f.Entrada().Acoplamentos().caixaJ(1, 6));
    EXPECT_EQ(foco(), f.Entrada().Acoplamentos().caixaJ(2, 3));
    Enter(f.Entrada().Acoplamentos().caixaJ(4, 6));
    EXPECT_EQ(foco(), f.Entrada().Acoplamentos().caixaJ(5, 6));
    Enter(f.Entrada().Acoplamentos().caixaJ(5, 6));
    EXPECT_EQ(foco(), f.botaoExecutar());

    // An empty box ignores Enter: no run, the focus stays.
    QSignalSpy execucoes(f.areaGrafico(), &AreaGrafico::Restaurado);
    f.Entrada().Acoplamentos().caixaJ(2, 3)->setFocus();
    f.Entrada().Acoplamentos().caixaJ(2, 3)->clear();
    Enter(f.Entrada().Acoplamentos().caixaJ(2, 3));
    EXPECT_EQ(execucoes.count(), 0);
    EXPECT_EQ(foco(), f.Entrada().Acoplamentos().caixaJ(2, 3));
}

TEST(JanelaEspectro, HzPpmIdaEVoltaRestauraTudo) {
    const Local L(',');
    Tela t;
    JanelaEspectro& f = t.f;
    struct Par {
        QString caixa, rotulo;
        QPoint pc, pr;
        bool operator==(const Par&) const = default;
    };
    const auto le = [&f] {
        std::vector<Par> v;
        for (int i = 1; i <= NProtMax; ++i)
            v.push_back(
                {f.Entrada().caixaDesloc(i)->text(), f.Entrada().rotuloOutraUnidade(i)->text(),
                 f.Entrada().caixaDesloc(i)->pos(), f.Entrada().rotuloOutraUnidade(i)->pos()});
        return v;
    };
    const auto antes = le();

    f.Entrada().botaoHzPpm()->click();
    EXPECT_TRUE(f.Entrada().PPM());
    EXPECT_EQ(f.Entrada().rotuloCabecalho()->text(), "Deslocamentos Químicos (ppm)");
    const auto ppm = le();
    for (std::size_t k = 0; k < antes.size(); ++k) {
        EXPECT_EQ(ppm[k].caixa, antes[k].rotulo) << k;
        EXPECT_EQ(ppm[k].pc, antes[k].pr) << k;
    }
    EXPECT_EQ(f.Entrada().caixaDesloc(1)->text(), "0,6478");

    f.Entrada().botaoHzPpm()->click();
    EXPECT_FALSE(f.Entrada().PPM());
    EXPECT_EQ(f.Entrada().rotuloCabecalho()->text(), "Deslocamentos Químicos (Hz)");
    EXPECT_TRUE(le() == antes);
}

TEST(JanelaEspectro, AvisoAoEditarAFrequenciaEmHz) {
    const Local L(',');
    Tela t;
    t.Mostra();
    JanelaEspectro& f = t.f;
    f.Entrada().caixaFrequencia()->setFocus();
    QTest::keyClick(f.Entrada().caixaFrequencia(), Qt::Key_End);
    {
        // Nothing is asked while typing: the keys stay in the box.
        Modal nao(QMessageBox::No);
        QTest::keyClicks(f.Entrada().caixaFrequencia(), "00");
        EXPECT_EQ(nao.vezes(), 0);
        EXPECT_EQ(f.Entrada().caixaFrequencia()->text(), "30000");
        f.Entrada().caixaFrequencia()->setText("400");
        QTest::keyClick(f.Entrada().caixaFrequencia(), Qt::Key_Backspace);
        QTest::keyClicks(f.Entrada().caixaFrequencia(), "0");
        EXPECT_EQ(nao.vezes(), 0);
        Enter(f.Entrada().caixaFrequencia());
        ASSERT_EQ(nao.vezes(), 1);
        EXPECT_EQ(nao.titulos[0], "Mudar para ppm?");
        EXPECT_TRUE(nao.textos[0].startsWith(
            "Você está alterando o valor da freqüência do instrumento\r\nmas a entrada"));
        EXPECT_TRUE(nao.textos[0].endsWith(
            "'ppm'.\r\n\r\nDeseja que o programa mude automaticamente para 'ppm'?"));
        EXPECT_FALSE(f.Entrada().PPM());
        EXPECT_EQ(f.Entrada().caixaFrequencia()->text(), "400");

        // Asked once per typed change.
        f.Entrada().caixaFrequencia()->setText("300");
        Enter(f.Entrada().caixaFrequencia());
        EXPECT_EQ(nao.vezes(), 1);
        EXPECT_FALSE(f.Entrada().PPM());
    }
    {
        // Leaving the box confirms the typed frequency too.
        Modal sim(QMessageBox::Yes);
        t.w.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&t.w));
        f.Entrada().caixaFrequencia()->setFocus();
        QTest::keyClick(f.Entrada().caixaFrequencia(), Qt::Key_Backspace);
        EXPECT_EQ(sim.vezes(), 0);
        f.Entrada().caixaIntMin()->setFocus();
        ASSERT_EQ(sim.vezes(), 1);
        EXPECT_TRUE(f.Entrada().PPM());
        // The window's own focus: the offscreen platform does not give the
        // window back its activation when the box closes.
        EXPECT_EQ(t.w.focusWidget(), f.Entrada().caixaFrequencia());
        EXPECT_EQ(f.Entrada().caixaDesloc(1)->text(), "0,6478");

        // In ppm the same shifts follow the instrument, whole: the box shows
        // 0,6478 but stands for 194,35 Hz at 300 MHz.
        f.Entrada().caixaFrequencia()->setText("600");
        Enter(f.Entrada().caixaFrequencia());
        EXPECT_EQ(sim.vezes(), 1);
        EXPECT_NEAR(f.Estado().FreqProt(1) - f.Estado().FreqEspHz, 600 * 194.35 / 300, 1e-6);
        EXPECT_EQ(f.Entrada().rotuloOutraUnidade(1)->text(), "388,7");
    }
}

TEST(JanelaEspectro, TabelaFechadaECopiaDoTexto) {
    const Local L(',');
    Tela t;
    JanelaEspectro& f = t.f;

    // A click on the plot chooses a band only while the table is open.
    AreaGrafico& area = *f.areaGrafico();
    QSignalSpy escolhida(&area, &AreaGrafico::BandaEscolhida);
    const auto clicaNaBanda = [&] {
        const EstadoGrafico& g = f.EstadoDoGrafico();
        const QPoint p(Px(XFreq(g, f.Estado().FreqBanda(1))) + 2, Px(g.LinhaBase) - 40);
        QTest::mouseClick(&area, Qt::LeftButton, {}, area.AreaInterna().topLeft() + p);
    };

    f.botaoTabela()->click();
    EXPECT_EQ(f.botaoTabela()->text(), "Abrir tabela");
    EXPECT_TRUE(f.tabelaResultados()->isHidden());
    EXPECT_FALSE(f.Acoes().copiarTabela->isEnabled());
    clicaNaBanda();
    EXPECT_EQ(escolhida.count(), 0);
    f.botaoExecutar()->click();
    EXPECT_EQ(LinhasTempos(f, 3)[0], "Cálculo de freqüências");
    EXPECT_EQ(LinhasTempos(f, 4)[0], "Gráfico");
    EXPECT_FALSE(LinhasTempos(f, 4)[2].isEmpty());
    EXPECT_EQ(LinhasTempos(f, 5), QStringList({"", "", ""}));
    EXPECT_EQ(LinhasTempos(f, 6), QStringList({"", "", ""}));

    // Reopened after a run without it: a run fills it again.
    f.botaoTabela()->click();
    EXPECT_EQ(f.botaoTabela()->text(), "Fechar tabela");
    EXPECT_FALSE(f.tabelaResultados()->isHidden());
    EXPECT_EQ(f.tabelaResultados()->rows(), f.Estado().NBandas + 1);
    EXPECT_EQ(LinhasTempos(f, 6)[0], "Gráfico");
    clicaNaBanda();
    EXPECT_EQ(escolhida.count(), 1);

    const QString cabecalho = "Banda n°\tNíveis\tFreqüência(Hz)\tIntensidade relativa\t"
                              "Spins nível A\tSpins nível B\tPrótons afetados\r\n";
    QClipboard* cb = QApplication::clipboard();
    f.Entrada().caixaIntMin()->setText("1000");
    Enter(f.Entrada().caixaIntMin());
    EXPECT_EQ(f.Estado().NBandas, 0);
    EXPECT_EQ(t.Painel(BarraEstado::PainelBandas), "0");
    EXPECT_EQ(f.tabelaResultados()->rows(), 1);
    f.Acoes().copiarTabela->trigger();
    EXPECT_EQ(cb->text(), cabecalho);

    // One proton: one line at its shift carrying the whole intensity, no line end.
    f.Entrada().caixaIntMin()->setText("0,01");
    Enter(f.Entrada().caixaIntMin());
    f.Entrada().caixaNProt()->setText("1");
    Enter(f.Entrada().caixaNProt());
    ASSERT_EQ(f.Estado().NBandas, 1);
    f.Acoes().copiarTabela->trigger();
    const QString texto = cb->text();
    ASSERT_TRUE(texto.startsWith(cabecalho));
    EXPECT_TRUE(QRegularExpression("^1\t[12] – [12]\t194,35\t1\t[αβ]\t[αβ]\tH1$")
                    .match(texto.mid(cabecalho.size()))
                    .hasMatch())
        << texto.toStdString();
}

TEST(JanelaEspectro, RealceDaLinhaZoomERestaurar) {
    const Local L(',');
    Tela t;
    t.Mostra();
    JanelaEspectro& f = t.f;
    TabelaResultadosWidget& tab = *f.tabelaResultados();
    const EstadoGrafico& g = f.EstadoDoGrafico();
    const int r = 3;
    const QColor fundo = tab.cellBackColor(r, 1), texto = tab.cellForeColor(r, 1);
    const auto azul = [&] {
        for (int c = 1; c <= 6; ++c)
            if (tab.cellBackColor(r, c) != QColor(0, 0, 255) ||
                tab.cellForeColor(r, c) != QColor(255, 255, 255))
                return false;
        return true;
    };

    tab.setTopRow(r);
    QTest::mouseClick(tab.viewport(), Qt::LeftButton, {},
                      tab.visualRect(tab.model()->index(r - 1, 2)).center());
    EXPECT_EQ(tab.LinhaRealcada(), r);
    EXPECT_TRUE(azul());
    EXPECT_TRUE(g.BandaMarcada);
    EXPECT_EQ(g.IndiceMarcado, r);
    EXPECT_EQ(g.FreqMarcada, f.Estado().FreqBanda(r));

    // Horizontally twice in and twice out; vertically three in, two out.
    for (QPushButton* b : {f.Entrada().botaoAmpliarH(), f.Entrada().botaoAmpliarH()}) b->click();
    for (QPushButton* b : {f.botaoAmpliarV(), f.botaoAmpliarV(), f.botaoAmpliarV()}) b->click();
    EXPECT_DOUBLE_EQ(g.ZoomHoriz, 2.25);
    EXPECT_DOUBLE_EQ(g.ZoomVert, 3.375);
    for (QPushButton* b : {f.Entrada().botaoReduzirH(), f.Entrada().botaoReduzirH(),
                           f.botaoReduzirV(), f.botaoReduzirV()})
        b->click();
    EXPECT_DOUBLE_EQ(g.ZoomHoriz, 1);
    EXPECT_DOUBLE_EQ(g.ZoomVert, 1.5);
    EXPECT_EQ(tab.LinhaRealcada(), r);

    QPushButton* restaurar = nullptr;
    for (QPushButton* b : f.findChildren<QPushButton*>())
        if (b->text() == "Restaurar") restaurar = b;
    ASSERT_TRUE(restaurar);
    restaurar->click();
    EXPECT_EQ(tab.LinhaRealcada(), 0);
    EXPECT_FALSE(azul());
    EXPECT_EQ(tab.cellBackColor(r, 3), fundo);
    EXPECT_EQ(tab.cellForeColor(r, 3), texto);
    EXPECT_FALSE(g.BandaMarcada);
    EXPECT_DOUBLE_EQ(g.ZoomVert, 1);

    // A fixed window takes the horizontal zoom away.
    f.areaGrafico()->AlternaFixarJanela();
    EXPECT_TRUE(g.JanelaFixa);
    EXPECT_FALSE(f.Entrada().botaoAmpliarH()->isEnabled());
    EXPECT_FALSE(f.Entrada().botaoReduzirH()->isEnabled());
    f.areaGrafico()->AlternaFixarJanela();
    EXPECT_TRUE(f.Entrada().botaoAmpliarH()->isEnabled());
}

// "Janela" as it opens: "Matrizes" is enabled then or not.
bool MatrizesDisponivel(Tela& t) {
    emit menus::Submenu(t.w.menuBar()->actions(), "Janela")->aboutToShow();
    return t.f.Acoes().matrizes->isEnabled();
}

// Every layout a user meets, wide and compact, with 3, 7 and 2 protons, seen
// whole (aux::ConfereLeiaute); the compact one drops the status bar and two
// frames, and gives the coupling grid of 7 protons room from the plot's top.
TEST(JanelaEspectro, LeiautesCompactoELargo) {
    const Local L(',');
    {
        Tela t(1280);
        t.Mostra();
        t.Redimensiona(1280, 720);
        JanelaEspectro& f = t.f;
        EXPECT_FALSE(f.TelaPequena());
        aux::ConfereLeiaute(f);
        EXPECT_FALSE(t.w.barraEstado()->isHidden());
        EXPECT_FALSE(f.OpcoesDaJanela().quadroCores()->isHidden());
        EXPECT_FALSE(f.OpcoesDaJanela().quadroEnvolvente()->isHidden());
        EXPECT_TRUE(MatrizesDisponivel(t));
        for (int N : {9, 8}) {
            f.Entrada().caixaNProt()->setText(QString::number(N));
            Enter(f.Entrada().caixaNProt());
            EXPECT_EQ(MatrizesDisponivel(t), N == 8) << N;
        }
    }
    Modal aviso(QMessageBox::Ok);
    Tela t(800);
    t.Mostra();
    t.Redimensiona(800, 600);
    JanelaEspectro& f = t.f;
    ASSERT_EQ(aviso.vezes(), 1);
    EXPECT_EQ(aviso.titulos[0], "Resolução da Tela");
    EXPECT_TRUE(aviso.textos[0].startsWith(
        "Este programa é mais apropriado para funcionar em uma resolução\r\nde 1024 x 768"));
    EXPECT_TRUE(f.TelaPequena());
    EXPECT_EQ(f.EstadoDoGrafico().env.EnvPontos, f.areaGrafico()->SW() / 15);
    aux::ConfereLeiaute(f);
    EXPECT_TRUE(t.w.barraEstado()->isHidden());
    EXPECT_TRUE(f.OpcoesDaJanela().quadroCores()->isHidden());
    EXPECT_TRUE(f.OpcoesDaJanela().quadroEnvolvente()->isHidden());
    EXPECT_FALSE(MatrizesDisponivel(t));
    const QRect grafico = f.areaGrafico()->geometry();

    // Seven protons: the wait panel comes up, and goes; a smaller system
    // gives the room back.
    f.Execucao().DefineEsperaPainelTempos(std::chrono::milliseconds(1));
    f.Entrada().caixaNProt()->setText("7");
    Enter(f.Entrada().caixaNProt());
    ASSERT_EQ(f.Estado().NProt, 7);
    EXPECT_GT(f.areaGrafico()->y(), grafico.y());
    EXPECT_EQ(f.areaGrafico()->geometry().bottom(), grafico.bottom());
    aux::ConfereLeiaute(f);
    EXPECT_FALSE(f.painelTempos()->isHidden());
    EXPECT_FALSE(f.painelTempos()->rotuloCalculando()->isHidden());
    EXPECT_TRUE(f.painelTempos()->botaoFechar()->isHidden());
    EXPECT_TRUE(QTest::qWaitFor([&] { return f.painelTempos()->isHidden(); }, 3000));
    EXPECT_FALSE(MatrizesDisponivel(t));
    f.Entrada().caixaNProt()->setText("2");
    Enter(f.Entrada().caixaNProt());
    EXPECT_EQ(f.areaGrafico()->geometry(), grafico);
    EXPECT_EQ(LinhasTempos(f, 1)[0], "JACOBI");
    EXPECT_EQ(aviso.vezes(), 1);
}

TEST(JanelaEspectro, CaixaSemNumeroGuardaAsBandas) {
    const Local L(',');
    Tela t;
    JanelaEspectro& f = t.f;
    const auto freqs = t.Freqs();
    const int linhas = f.tabelaResultados()->rows();
    QSignalSpy execucoes(f.areaGrafico(), &AreaGrafico::Restaurado);

    struct Caso {
        QLineEdit* caixa;
        const char* texto;
        const char* mensagem;
    } casos[] = {
        {f.Entrada().caixaDesloc(2), "abc", "O deslocamento químico de H2 não é um número válido."},
        {f.Entrada().Acoplamentos().caixaJ(1, 3), "1,2,3",
         "A constante de acoplamento J(1,3) não é um número válido."},
        {f.Entrada().caixaFrequencia(), "x",
         "A freqüência do espectrômetro não é um número válido."},
        {f.Entrada().caixaFrequencia(), "0",
         "A freqüência do espectrômetro deve ser maior que zero."},
    };
    for (const Caso& c : casos) {
        const QString antes = c.caixa->text();
        c.caixa->setText(c.texto);
        {
            Modal ok(QMessageBox::Ok);
            f.botaoExecutar()->click();
            ASSERT_EQ(ok.vezes(), 1) << c.texto;
            EXPECT_EQ(ok.titulos[0], "Dados de entrada");
            EXPECT_EQ(ok.textos[0], QString::fromUtf8(c.mensagem));
        }
        EXPECT_EQ(c.caixa->text(), c.texto);
        EXPECT_EQ(t.Freqs(), freqs) << c.texto;
        EXPECT_EQ(f.tabelaResultados()->rows(), linhas);
        EXPECT_EQ(t.Painel(BarraEstado::PainelBandas), QString::number(freqs.size()));
        c.caixa->setText(antes);
    }

    // Too large a shift for the instrument: refused by the run, the
    // previous spectrum comes back.
    f.Entrada().caixaFrequencia()->setText("1");
    f.Entrada().caixaDesloc(1)->setText("5000000");
    {
        Modal ok(QMessageBox::Ok);
        f.botaoExecutar()->click();
        ASSERT_EQ(ok.vezes(), 1);
        EXPECT_TRUE(ok.textos[0].contains("grandes demais")) << ok.textos[0].toStdString();
    }
    EXPECT_EQ(t.Freqs(), freqs);
    EXPECT_EQ(f.tabelaResultados()->rows(), linhas);
    f.Entrada().caixaFrequencia()->setText("300");
    f.Entrada().caixaDesloc(1)->setText("194,35");

    // The repairing boxes: a word is reported, zero and negatives repaired.
    execucoes.clear();
    f.Entrada().caixaIntMin()->setText("muito");
    {
        Modal ok(QMessageBox::Ok);
        Enter(f.Entrada().caixaIntMin());
        ASSERT_EQ(ok.vezes(), 1);
        EXPECT_TRUE(ok.textos[0].contains("Intensidade mínima"));
    }
    EXPECT_EQ(f.Entrada().caixaIntMin()->text(), "muito");
    EXPECT_EQ(execucoes.count(), 0);
    f.Entrada().caixaIntMin()->setText("-3");
    Enter(f.Entrada().caixaIntMin());
    EXPECT_EQ(f.Entrada().caixaIntMin()->text(), "0,01");
    f.Entrada().caixaLargura()->setText("0");
    Enter(f.Entrada().caixaLargura());
    EXPECT_EQ(f.Entrada().caixaLargura()->text(), "1");
    EXPECT_EQ(t.Freqs(), freqs);
}

TEST(JanelaEspectro, PedidoDuranteUmaExecucaoVemDepoisUmaVez) {
    const Local L(',');
    Tela t;
    JanelaEspectro& f = t.f;
    QSignalSpy execucoes(f.areaGrafico(), &AreaGrafico::Restaurado);
    bool executando = false;
    int duranteAPrimeira = -1;
    // Fires at the run's first yield: two requests, one of them by Enter.
    QTimer::singleShot(0, &f, [&] {
        executando = f.Execucao().Executando();
        f.Execucao().Executa();
        Enter(f.Entrada().caixaDesloc(2));
        duranteAPrimeira = int(execucoes.count());
    });
    f.Entrada().caixaNProt()->setText("7");
    f.Execucao().Executa();
    EXPECT_TRUE(executando);
    EXPECT_EQ(duranteAPrimeira, 0);
    EXPECT_EQ(execucoes.count(), 2);
    EXPECT_FALSE(f.Execucao().Executando());
    EXPECT_EQ(f.Estado().NProt, 7);
    EXPECT_EQ(f.tabelaResultados()->rows(), f.Estado().NBandas + 1);
    EXPECT_EQ(t.Painel(BarraEstado::PainelBandas), QString::number(f.Estado().NBandas));
}

TEST(JanelaEspectro, FecharATabelaDuranteUmaExecucao) {
    const Local L(',');
    Tela t;
    JanelaEspectro& f = t.f;
    QTimer::singleShot(0, &f, [&] {
        ASSERT_TRUE(f.Execucao().Executando());
        f.botaoTabela()->click();
    });
    f.Entrada().caixaNProt()->setText("7");
    f.Execucao().Executa();
    ASSERT_EQ(f.botaoTabela()->text(), "Abrir tabela");
    // The button, the flag and the table must agree, now and after the next run.
    EXPECT_FALSE(f.Execucao().ComTabela());
    EXPECT_TRUE(f.tabelaResultados()->isHidden());
    f.Execucao().Executa();
    EXPECT_FALSE(f.Execucao().ComTabela());
    EXPECT_TRUE(f.tabelaResultados()->isHidden());
    EXPECT_EQ(LinhasTempos(f, 4)[0], "Gráfico");
}

} // namespace

namespace {

// A long title ends in "…" before the readout and is whole in the tooltip;
// the title question is wide enough for its caption.
TEST(JanelaEspectro, TituloLongoNaoCorreSobALeitura) {
    const Local L(',');
    aux::Tela t;
    JanelaEspectro& f = t.f;
    const QString longo =
        QStringLiteral("Acrilato de metila, grupo vinila (60 MHz), espectro de segunda ordem");
    int largura = 0;
    QString legenda;
    QTimer::singleShot(0, [&] {
        auto* d = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        ASSERT_TRUE(d);
        largura = d->width();
        legenda = d->windowTitle();
        d->setTextValue(longo);
        d->accept();
    });
    emit f.areaGrafico()->TituloClicado();
    EXPECT_GE(largura, 2 * QFontMetrics(QApplication::font()).horizontalAdvance(legenda));
    const QLabel* rotulo = f.areaGrafico()->rotuloTitulo();
    EXPECT_TRUE(rotulo->text().endsWith(QStringLiteral("…"))) << rotulo->text().toStdString();
    EXPECT_LE(rotulo->fontMetrics().horizontalAdvance(rotulo->text()),
              rotulo->contentsRect().width());
    EXPECT_TRUE(rotulo->toolTip().contains(longo));
}

} // namespace

namespace {

// What a button does follows the state it shows, not its caption: a
// translated caption must not turn "Fechar tabela" or "Fixar Janela" around.
TEST(JanelaEspectro, BotoesSeguemOEstadoNaoALegenda) {
    const Local L(',');
    aux::Tela t;
    JanelaEspectro& f = t.f;
    f.botaoTabela()->setText(QStringLiteral("Close table"));
    f.botaoTabela()->click();
    EXPECT_TRUE(f.tabelaResultados()->isHidden());
    f.botaoTabela()->click();
    EXPECT_FALSE(f.tabelaResultados()->isHidden());

    QPushButton* fixar = f.areaGrafico()->botaoFixarJanela();
    fixar->setText(QStringLiteral("Fix window"));
    fixar->click();
    EXPECT_TRUE(f.EstadoDoGrafico().JanelaFixa);
    fixar->setText(QStringLiteral("Fix window"));
    fixar->click();
    EXPECT_FALSE(f.EstadoDoGrafico().JanelaFixa);
}

} // namespace
