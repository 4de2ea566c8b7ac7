// The main window inside its frame, driven through its boxes, buttons and
// menus, offscreen.
#include "JanelaAux.h"

#include "display/Geometria.h"
#include "mainwindow/PainelTempos.h"
#include "run/ExecucaoAux.h"
#include "run/TabelaResultados.h"
#include "run/ValoresIniciais.h"
#include "widgets/FlexGrid.h"
#include "widgets/Px.h"

#include <QClipboard>

using namespace aux;

namespace {

QStringList LinhasTempos(const JanelaEspectro& f, int r) {
    QStringList s;
    for (int c = 0; c < 3; ++c) s << f.painelTempos()->tabelaTempos()->textMatrix(r, c);
    return s;
}

// The window opens on the start-up system, already run: the same bands a
// run of it gives.
TEST(JanelaEspectro, PartidaMisturaEEnvolvente) {
    const Local L(',');
    Tela t;
    JanelaEspectro& f = t.f;
    const EstadoSpin esperado = testes::Calcula(EntradaInicial(NProtInicial));
    EXPECT_EQ(t.Freqs(), std::vector<double>(esperado.FreqBanda.dados() + 1,
                                             esperado.FreqBanda.dados() + 1 + esperado.NBandas));
    EXPECT_EQ(t.Painel(BarraEstado::PainelBandas), QString::number(esperado.NBandas));

    // The mix reads the same over the slider as in the plot's corner; a
    // slider dragged and let go is an edit; the envelope's menu twins follow
    // the radio buttons, and no busy pointer is left behind.
    OpcoesEspectro& o = t.f.OpcoesDaJanela();
    QSlider* mistura = o.controleMistura();
    mistura->setSliderDown(true);
    mistura->setValue(30);
    EXPECT_TRUE(f.DadosSalvos()) << "not while it is dragged";
    mistura->setSliderDown(false);
    EXPECT_FALSE(f.DadosSalvos());
    EXPECT_EQ(o.rotuloMistura()->text(), "30% Lorentziana + 70% Gaussiana");
    EXPECT_EQ(f.areaGrafico()->rotuloMisturaGrafico()->text(), o.rotuloMistura()->text());
    for (bool ligada : {false, true}) {
        (ligada ? o.opcaoComEnvolvente() : o.opcaoSemEnvolvente())->click();
        EXPECT_EQ(f.Acoes().comEnvolvente->isChecked(), ligada);
        EXPECT_EQ(f.Acoes().semEnvolvente->isChecked(), !ligada);
        EXPECT_EQ(f.EstadoDoGrafico().env.EnvolventeLigada, ligada);
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

// The proton box is emptied on each visit and never turns the visit into a
// count; it holds what it would read while typing, and takes the count on
// Enter. The other separator in a box becomes the user's. Enter moves the
// keyboard through the system in typing order, and an empty box keeps it
// without a run.
TEST(JanelaEspectro, EnterNasCaixasLevaOFocoAdiante) {
    const Local L(',');
    Tela t;
    t.Mostra();
    JanelaEspectro& f = t.f;
    PainelEntrada& p = f.Entrada();
    QLineEdit* n = p.caixaNProt();
    const GradeAcoplamentos& g = p.Acoplamentos();
    p.caixaDesloc(3)->setFocus(Qt::OtherFocusReason);
    n->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(n->text(), "");
    p.caixaIntMin()->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(n->text(), "3");
    n->setFocus(Qt::MouseFocusReason);
    f.Execucao().Executa();
    EXPECT_EQ(f.Estado().NProt, 3) << "a run while the box is empty reads the count it held";
    EXPECT_TRUE(f.DadosSalvos()) << "a visit is no edit";
    Enter(n);
    EXPECT_EQ(n->text(), "3");

    // The other separator becomes the user's.
    Digita(p.caixaDesloc(1), "7.25");
    Enter(p.caixaDesloc(1));
    EXPECT_EQ(p.caixaDesloc(1)->text(), "7,25");
    EXPECT_EQ(p.rotuloOutraUnidade(1)->text(), "0,0242");
    EXPECT_NEAR(f.Estado().FreqProt(1) - f.Estado().FreqEspHz, 7.25, 1e-6);

    // The number of protons: what the box keeps while typing, then N after
    // Enter. A box left empty is no count: the previous one stays.
    struct Caso {
        const char *digitado, *mantido;
        int N;
    } casos[] = {{"2,5", "2,5", 2}, {"11", "", 2}};
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.digitado);
        Digita(p.caixaNProt(), c.digitado);
        EXPECT_EQ(p.caixaNProt()->text(), c.mantido);
        Enter(p.caixaNProt());
        EXPECT_EQ(f.Estado().NProt, c.N);
        EXPECT_EQ(p.caixaNProt()->text(), QString::number(c.N));
        EXPECT_TRUE(p.caixaDesloc(c.N + 1)->isHidden() && !p.caixaDesloc(c.N)->isHidden());
    }
    Digita(p.caixaNProt(), "10");
    EXPECT_EQ(p.caixaNProt()->text(), "10") << "the range's end stays while typed";

    n->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(n, "6");
    Enter(n);
    ASSERT_EQ(f.Estado().NProt, 6);
    EXPECT_EQ(p.caixaDesloc(1)->selectedText(), p.caixaDesloc(1)->text());
    const std::pair<QWidget*, QWidget*> passos[] = {{n, p.caixaDesloc(1)},
                                                    {p.caixaDesloc(6), g.caixaJ(1, 2)},
                                                    {g.caixaJ(1, 6), g.caixaJ(2, 3)},
                                                    {g.caixaJ(5, 6), f.botaoExecutar()}};
    for (auto [de, para] : passos) {
        if (de != n) Enter(de);
        EXPECT_EQ(QApplication::focusWidget(), para) << para->metaObject()->className();
    }
    QSignalSpy execucoes(f.areaGrafico(), &AreaGrafico::Restaurado);
    g.caixaJ(2, 3)->setFocus();
    g.caixaJ(2, 3)->clear();
    Enter(g.caixaJ(2, 3));
    EXPECT_EQ(execucoes.count(), 0);
    EXPECT_EQ(QApplication::focusWidget(), g.caixaJ(2, 3));
}

// Hz to ppm and back gives back what was typed, also after a run in ppm; a
// ppm value typed is taken as typed.
TEST(JanelaEspectro, HzPpmIdaEVoltaDevolveOQueFoiDigitado) {
    const Local L(',');
    Tela t;
    JanelaEspectro& f = t.f;
    PainelEntrada& p = f.Entrada();
    const auto le = [&p](auto rotulo) {
        QStringList v;
        for (int i = 1; i <= NProtMax; ++i) v << (p.*rotulo)(i)->text();
        return v;
    };
    const QStringList hz = le(&PainelEntrada::caixaDesloc);
    const QStringList ppm = le(&PainelEntrada::rotuloOutraUnidade);
    p.botaoHzPpm()->click();
    EXPECT_EQ(le(&PainelEntrada::caixaDesloc), ppm);
    f.botaoExecutar()->click();
    p.botaoHzPpm()->click();
    EXPECT_EQ(le(&PainelEntrada::caixaDesloc), hz);
    p.botaoHzPpm()->click();
    p.caixaDesloc(1)->setText(QStringLiteral("0,5"));
    f.botaoExecutar()->click();
    EXPECT_NEAR(f.Estado().FreqProt(1) - f.Estado().FreqEspHz, 150, 1e-6);
}

TEST(JanelaEspectro, AvisoAoEditarAFrequenciaEmHz) {
    const Local L(',');
    Tela t;
    t.Mostra();
    JanelaEspectro& f = t.f;
    QLineEdit* mhz = f.Entrada().caixaFrequencia();
    mhz->setFocus();
    QTest::keyClick(mhz, Qt::Key_End);
    {
        // Nothing is asked while typing: the keys stay in the box.
        Modal nao(QMessageBox::No);
        QTest::keyClicks(mhz, "00");
        EXPECT_EQ(mhz->text(), "30000");
        mhz->setText("400");
        EXPECT_EQ(nao.vezes(), 0);
        Enter(mhz);
        EXPECT_EQ(nao.titulos, QStringList{"Mudar para ppm?"});
        EXPECT_FALSE(f.Entrada().PPM());
        // Asked once per typed change.
        Escreve(mhz, "300");
        EXPECT_EQ(nao.vezes(), 1);
    }
    // Leaving the box confirms the typed frequency too.
    Modal sim(QMessageBox::Yes);
    t.w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&t.w));
    mhz->setFocus();
    QTest::keyClick(mhz, Qt::Key_Backspace);
    f.Entrada().caixaIntMin()->setFocus();
    ASSERT_EQ(sim.vezes(), 1);
    EXPECT_TRUE(f.Entrada().PPM());
    // The window's own focus: the offscreen platform does not give the
    // window back its activation when the box closes.
    EXPECT_EQ(t.w.focusWidget(), mhz);
    EXPECT_EQ(f.Entrada().caixaDesloc(1)->text(), "0,6478");
}

// Closed, the table takes no click on the plot and its rows of the times
// panel; reopened, a run fills it again; the copy is the core's text.
TEST(JanelaEspectro, TabelaFechadaECopiaDoTexto) {
    const Local L(',');
    Tela t;
    JanelaEspectro& f = t.f;
    AreaGrafico& area = *f.areaGrafico();
    QSignalSpy escolhida(&area, &AreaGrafico::BandaEscolhida);
    const auto clicaNaBanda = [&] {
        const EstadoGrafico& g = f.EstadoDoGrafico();
        const QPoint p(Px(XFreq(g, f.Estado().FreqBanda(1))) + 2, Px(g.LinhaBase) - 40);
        QTest::mouseClick(&area, Qt::LeftButton, {}, area.AreaInterna().topLeft() + p);
    };

    f.botaoTabela()->click();
    EXPECT_TRUE(f.tabelaResultados()->isHidden());
    EXPECT_FALSE(f.Acoes().copiarTabela->isEnabled());
    clicaNaBanda();
    EXPECT_EQ(escolhida.count(), 0);
    f.botaoExecutar()->click();
    EXPECT_EQ(LinhasTempos(f, 5), QStringList({"", "", ""})) << "no table row";

    f.botaoTabela()->click();
    EXPECT_EQ(f.tabelaResultados()->rows(), f.Estado().NBandas + 1);
    clicaNaBanda();
    EXPECT_EQ(escolhida.count(), 1);
    f.Acoes().copiarTabela->trigger();
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(),
              TextoCopiaTabela(f.Estado(), ',', LetrasSpin::Gregas));
}

// A row clicked marks its band on the plot, through the zooms; "Restaurar"
// takes both away; a fixed window takes the horizontal zoom away.
TEST(JanelaEspectro, RealceDaLinhaZoomERestaurar) {
    const Local L(',');
    Tela t;
    t.Mostra();
    JanelaEspectro& f = t.f;
    TabelaResultadosWidget& tab = *f.tabelaResultados();
    const EstadoGrafico& g = f.EstadoDoGrafico();
    const QColor fundo = tab.cellBackColor(3, 3);
    tab.setTopRow(3);
    QTest::mouseClick(tab.viewport(), Qt::LeftButton, {},
                      tab.visualRect(tab.model()->index(2, 2)).center());
    EXPECT_EQ(g.FreqMarcada, f.Estado().FreqBanda(3));
    QPushButton* maisH = f.Entrada().botaoAmpliarH();
    for (QPushButton* b : {maisH, f.botaoAmpliarV()}) b->click();
    EXPECT_GT(g.ZoomHoriz * g.ZoomVert, 1);
    EXPECT_TRUE(g.BandaMarcada && tab.LinhaRealcada() == 3);
    f.Entrada().botaoRestaurar()->click();
    EXPECT_EQ(tab.cellBackColor(3, 3), fundo);
    EXPECT_FALSE(g.BandaMarcada);
    f.areaGrafico()->AlternaFixarJanela();
    EXPECT_FALSE(maisH->isEnabled() || f.Entrada().botaoReduzirH()->isEnabled());
    f.areaGrafico()->AlternaFixarJanela();
    EXPECT_TRUE(maisH->isEnabled());
}

// The matrices need the wide layout and at most 8 protons. The compact layout,
// with 3, 7 and 2 protons, is seen whole (aux::ConfereLeiaute; the wide one
// is Tamanho's); it drops the status bar and two frames, and gives the
// coupling grid of 7 protons room from the plot's top.
TEST(JanelaEspectro, LeiautesCompactoELargo) {
    const Local L(',');
    {
        Tela t(1280);
        for (int N : {9, 8}) {
            Escreve(t.f.Entrada().caixaNProt(), QString::number(N));
            t.AbreMenu("Janela");
            EXPECT_EQ(t.f.Acoes().matrizes->isEnabled(), N == 8) << N;
        }
    }
    Modal aviso(QMessageBox::Ok);
    Tela t(800);
    t.Mostra();
    t.Redimensiona(800, 600);
    JanelaEspectro& f = t.f;
    aux::ConfereLeiaute(f);
    EXPECT_TRUE(t.w.barraEstado()->isHidden());
    EXPECT_TRUE(f.OpcoesDaJanela().quadroCores()->isHidden());
    EXPECT_TRUE(f.OpcoesDaJanela().quadroEnvolvente()->isHidden());
    t.AbreMenu("Janela");
    EXPECT_FALSE(f.Acoes().matrizes->isEnabled());
    const QRect grafico = f.areaGrafico()->geometry();

    // Seven protons: the wait panel comes up, and goes; a smaller system
    // gives the room back.
    f.Execucao().DefineEsperaPainelTempos(std::chrono::milliseconds(1));
    Escreve(f.Entrada().caixaNProt(), "7");
    ASSERT_EQ(f.Estado().NProt, 7);
    EXPECT_GT(f.areaGrafico()->y(), grafico.y());
    EXPECT_EQ(f.areaGrafico()->geometry().bottom(), grafico.bottom());
    aux::ConfereLeiaute(f);
    EXPECT_FALSE(f.painelTempos()->isHidden());
    EXPECT_TRUE(QTest::qWaitFor([&] { return f.painelTempos()->isHidden(); }, 3000));
    Escreve(f.Entrada().caixaNProt(), "2");
    EXPECT_EQ(f.areaGrafico()->geometry(), grafico);
    EXPECT_EQ(aviso.titulos, QStringList{"Resolução da Tela"}) << "once";
}

// A refused box says why in "Dados de entrada" and leaves the boxes as typed
// and the bands of the last good run; a shift or coupling Enter was pressed
// in keeps the keyboard, its text selected; a pasted line break is no
// refusal (the reasons are the core's tests).
TEST(JanelaEspectro, CaixaSemNumeroGuardaAsBandas) {
    const Local L(',');
    Tela t;
    t.Mostra();
    JanelaEspectro& f = t.f;
    PainelEntrada& p = f.Entrada();
    const auto freqs = t.Freqs();
    const auto recusa = [&](QLineEdit* caixa, const QString& texto, bool retemFoco) {
        SCOPED_TRACE(texto.toStdString());
        const QString antes = caixa->text();
        caixa->setText(texto);
        caixa->setFocus(Qt::OtherFocusReason);
        {
            Modal ok(QMessageBox::Ok);
            Enter(caixa);
            EXPECT_EQ(ok.titulos, QStringList{"Dados de entrada"});
        }
        EXPECT_EQ(caixa->text(), texto);
        EXPECT_TRUE(!retemFoco || (t.w.focusWidget() == caixa && caixa->selectedText() == texto));
        EXPECT_EQ(t.Freqs(), freqs);
        caixa->setText(antes);
    };
    recusa(p.caixaDesloc(2), "abc", true);
    recusa(p.Acoplamentos().caixaJ(1, 3), "1,2,3", true);
    recusa(p.caixaFrequencia(), "0", false);

    // A negative minimum intensity is repaired in its box.
    Escreve(p.caixaIntMin(), "-3");
    EXPECT_EQ(p.caixaIntMin()->text(), "0,01");

    // A number copied with its line break runs like the number the box shows.
    p.caixaDesloc(1)->setFocus(Qt::OtherFocusReason);
    p.caixaDesloc(1)->selectAll();
    QApplication::clipboard()->setText(QStringLiteral(" 150,5\r\n"));
    p.caixaDesloc(1)->paste();
    EXPECT_EQ(p.caixaDesloc(1)->text(), "150,5");
    Enter(p.caixaDesloc(1)); // no refusal: any dialog fails the test
    EXPECT_EQ(f.Estado().FreqProt(1) - f.Estado().FreqEspHz, 150.5);

    // Seven protons refused by the run: the panel, the timings and the table
    // go back to the three protons of the results, the typed shift stays.
    const QString tempo = LinhasTempos(f, 1)[0];
    p.caixaNProt()->setText(QStringLiteral("7"));
    p.caixaFrequencia()->setText(QStringLiteral("0,0001"));
    p.caixaDesloc(1)->setText(QStringLiteral("-300"));
    const Modal ok(QMessageBox::Ok);
    f.botaoExecutar()->click();
    ASSERT_TRUE(f.Execucao().UltimaRecusada());
    EXPECT_EQ(p.caixaNProt()->text(), "3");
    EXPECT_TRUE(p.caixaDesloc(4)->isHidden());
    EXPECT_EQ(LinhasTempos(f, 1)[0], tempo);
    EXPECT_EQ(f.tabelaResultados()->rows(), f.Estado().NBandas + 1);
    EXPECT_EQ(p.caixaDesloc(1)->text(), "-300");
}

// Two requests during a run of seven, one of them by Enter, come after it,
// once; the table closed during that run stays closed through the next.
TEST(JanelaEspectro, PedidosEFecharATabelaDuranteUmaExecucao) {
    const Local L(',');
    Tela t;
    JanelaEspectro& f = t.f;
    QSignalSpy execucoes(f.areaGrafico(), &AreaGrafico::Restaurado);
    bool executando = false;
    int duranteAPrimeira = -1;
    // Fires at the run's first yield.
    QTimer::singleShot(0, &f, [&] {
        executando = f.Execucao().Executando();
        f.Execucao().Executa();
        Enter(f.Entrada().caixaDesloc(2));
        f.botaoTabela()->click();
        duranteAPrimeira = int(execucoes.count());
    });
    f.Entrada().caixaNProt()->setText("7");
    f.Execucao().Executa();
    EXPECT_TRUE(executando);
    EXPECT_EQ(duranteAPrimeira, 0);
    EXPECT_EQ(execucoes.count(), 2);
    EXPECT_FALSE(f.Execucao().Executando());
    f.Execucao().Executa();
    EXPECT_EQ(f.botaoTabela()->text(), "Abrir tabela");
    EXPECT_TRUE(f.tabelaResultados()->isHidden() && !f.Execucao().ComTabela());
    EXPECT_EQ(LinhasTempos(f, 4)[0], "Gráfico");
}

// A long title ends in "…" and is whole in the tooltip. What a button does
// follows the state it shows, not its caption: a translated caption must not
// turn "Fechar tabela" or "Fixar Janela" around.
TEST(JanelaEspectro, TituloLongoEBotoesQueSeguemOEstado) {
    const Local L(',');
    Tela t;
    JanelaEspectro& f = t.f;
    const QString longo =
        QStringLiteral("Acrilato de metila, grupo vinila (60 MHz), espectro de segunda ordem");
    {
        const Modal titulo(longo);
        emit f.areaGrafico()->TituloClicado();
    }
    const QLabel* rotulo = f.areaGrafico()->rotuloTitulo();
    EXPECT_TRUE(rotulo->text().startsWith(QStringLiteral("Título: Acrilato")));
    EXPECT_TRUE(rotulo->text().endsWith(QStringLiteral("…"))) << rotulo->text().toStdString();
    EXPECT_TRUE(rotulo->toolTip().contains(longo));

    QPushButton* fixar = f.areaGrafico()->botaoFixarJanela();
    for (bool fechada : {true, false}) {
        f.botaoTabela()->setText(QStringLiteral("Close table"));
        f.botaoTabela()->click();
        EXPECT_EQ(f.tabelaResultados()->isHidden(), fechada);
        fixar->setText(QStringLiteral("Fix window"));
        fixar->click();
        EXPECT_EQ(f.EstadoDoGrafico().JanelaFixa, fechada);
    }
}

} // namespace
