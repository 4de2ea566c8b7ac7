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

class JanelaEspectroTeste : public ::testing::TestWithParam<char> {};
INSTANTIATE_TEST_SUITE_P(Locais, JanelaEspectroTeste, ::testing::Values(',', '.'),
                         [](const auto& i) { return i.param == ',' ? "Virgula" : "Ponto"; });

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
    const PainelEntrada& p = f.Entrada();
    EXPECT_EQ(t.w.windowTitle(), "Halvora");
    EXPECT_TRUE(p.caixaDesloc(NProtInicial + 1)->isHidden());
    EXPECT_EQ(p.rotuloOutraUnidade(1)->text(), "0,6478") << "the run's four decimals";
    EXPECT_TRUE(f.DadosSalvos());
    EXPECT_FALSE(f.Execucao().Executando());

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

TEST_P(JanelaEspectroTeste, EnterNasCaixasDeTexto) {
    const Local L(GetParam());
    Tela t;
    JanelaEspectro& f = t.f;
    PainelEntrada& p = f.Entrada();

    // The other separator becomes the user's.
    Digita(p.caixaDesloc(1), GetParam() == ',' ? "7.25" : "7,25");
    Enter(p.caixaDesloc(1));
    EXPECT_EQ(p.caixaDesloc(1)->text(), L("7,25"));
    EXPECT_EQ(p.rotuloOutraUnidade(1)->text(), L("0,0242"));
    EXPECT_NEAR(f.Estado().FreqProt(1) - f.Estado().FreqEspHz, 7.25, 1e-6);

    // The number of protons: what the box keeps while typing, then N after
    // Enter. A box left empty is no count: the previous one stays.
    struct Caso {
        const char *digitado, *mantido;
        int N;
    } casos[] = {{"3,5", "3,5", 3}, {"11", "", 3}, {"2.5", "2.5", 2}};
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.digitado);
        Digita(p.caixaNProt(), c.digitado);
        EXPECT_EQ(p.caixaNProt()->text(), c.mantido);
        Enter(p.caixaNProt());
        EXPECT_EQ(f.Estado().NProt, c.N);
        EXPECT_EQ(p.caixaNProt()->text(), QString::number(c.N));
        EXPECT_FALSE(p.caixaDesloc(c.N)->isHidden());
        EXPECT_TRUE(p.caixaDesloc(c.N + 1)->isHidden());
    }
    EXPECT_FALSE(f.DadosSalvos());
    // The ends of the range stay in the box while typed.
    for (const char* n : {"1", "10"}) {
        Digita(p.caixaNProt(), n);
        EXPECT_EQ(p.caixaNProt()->text().toStdString(), n);
    }
}

// The proton box is emptied on each visit and never turns the visit into a
// count; Enter moves the keyboard through the system in typing order.
TEST(JanelaEspectro, EnterLevaOFocoAdiante) {
    const Local L(',');
    Tela t;
    t.Mostra();
    JanelaEspectro& f = t.f;
    QLineEdit* n = f.Entrada().caixaNProt();
    const GradeAcoplamentos& g = f.Entrada().Acoplamentos();
    const auto foco = [] { return QApplication::focusWidget(); };

    // Tabbed through: emptied on the way in, given back on the way out.
    f.Entrada().caixaDesloc(3)->setFocus(Qt::OtherFocusReason);
    n->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(n->text(), "");
    f.Entrada().caixaIntMin()->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(n->text(), "3");
    f.botaoExecutar()->click();
    EXPECT_TRUE(f.DadosSalvos()) << "a visit is no edit";
    // A run, or Enter, while the box is still empty reads the count it held.
    n->setFocus(Qt::MouseFocusReason);
    ASSERT_TRUE(n->text().isEmpty());
    f.Execucao().Executa();
    EXPECT_EQ(f.Estado().NProt, 3);
    Enter(n);
    EXPECT_EQ(n->text(), "3");

    n->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(n, "6");
    Enter(n);
    ASSERT_EQ(f.Estado().NProt, 6);
    EXPECT_EQ(foco(), f.Entrada().caixaDesloc(1));
    EXPECT_EQ(f.Entrada().caixaDesloc(1)->selectedText(), f.Entrada().caixaDesloc(1)->text());
    const std::pair<QWidget*, QWidget*> passos[] = {
        {f.Entrada().caixaDesloc(1), f.Entrada().caixaDesloc(2)},
        {f.Entrada().caixaDesloc(6), g.caixaJ(1, 2)},
        {g.caixaJ(1, 6), g.caixaJ(2, 3)},
        {g.caixaJ(5, 6), f.botaoExecutar()}};
    for (auto [de, para] : passos) {
        Enter(de);
        EXPECT_EQ(foco(), para) << para->metaObject()->className();
    }

    // An empty box ignores Enter: no run, the focus stays.
    QSignalSpy execucoes(f.areaGrafico(), &AreaGrafico::Restaurado);
    g.caixaJ(2, 3)->setFocus();
    g.caixaJ(2, 3)->clear();
    Enter(g.caixaJ(2, 3));
    EXPECT_EQ(execucoes.count(), 0);
    EXPECT_EQ(foco(), g.caixaJ(2, 3));
}

// Hz to ppm and back gives back what was typed, before and after a run in
// ppm: each box takes the other unit's label and its place; a ppm value
// typed is taken as typed.
TEST(JanelaEspectro, HzPpmIdaEVoltaDevolveOQueFoiDigitado) {
    const Local L(',');
    Tela t;
    JanelaEspectro& f = t.f;
    PainelEntrada& p = f.Entrada();
    const auto desloc = [&f](int i) { return f.Estado().FreqProt(i) - f.Estado().FreqEspHz; };
    const auto le = [&p] {
        std::vector<std::tuple<QString, QString, QPoint, QPoint>> v;
        for (int i = 1; i <= NProtMax; ++i)
            v.emplace_back(p.caixaDesloc(i)->text(), p.rotuloOutraUnidade(i)->text(),
                           p.caixaDesloc(i)->pos(), p.rotuloOutraUnidade(i)->pos());
        return v;
    };
    const auto antes = le();
    p.botaoHzPpm()->click();
    ASSERT_TRUE(p.PPM());
    EXPECT_EQ(p.rotuloCabecalho()->text(), "Deslocamentos Químicos (ppm)");
    const auto ppm = le();
    for (std::size_t k = 0; k < antes.size(); ++k) {
        EXPECT_EQ(std::get<0>(ppm[k]), std::get<1>(antes[k])) << k;
        EXPECT_EQ(std::get<2>(ppm[k]), std::get<3>(antes[k])) << k;
    }
    f.botaoExecutar()->click();
    EXPECT_NEAR(desloc(1), 194.35, 1e-6);
    p.botaoHzPpm()->click();
    EXPECT_TRUE(le() == antes) << "after a run";
    p.botaoHzPpm()->click();
    p.caixaDesloc(1)->setText(QStringLiteral("0,5"));
    f.botaoExecutar()->click();
    EXPECT_NEAR(desloc(1), 150, 1e-6);
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
        EXPECT_EQ(mhz->text(), "400");
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
    EXPECT_EQ(sim.vezes(), 0);
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
    EXPECT_EQ(f.botaoTabela()->text(), "Abrir tabela");
    EXPECT_TRUE(f.tabelaResultados()->isHidden());
    EXPECT_FALSE(f.Acoes().copiarTabela->isEnabled());
    clicaNaBanda();
    EXPECT_EQ(escolhida.count(), 0);
    f.botaoExecutar()->click();
    EXPECT_EQ(LinhasTempos(f, 5), QStringList({"", "", ""})) << "no table row";

    f.botaoTabela()->click();
    EXPECT_EQ(f.botaoTabela()->text(), "Fechar tabela");
    EXPECT_EQ(f.tabelaResultados()->rows(), f.Estado().NBandas + 1);
    clicaNaBanda();
    EXPECT_EQ(escolhida.count(), 1);
    f.Acoes().copiarTabela->trigger();
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(),
              TextoCopiaTabela(f.Estado(), ',', LetrasSpin::Gregas));

    Escreve(f.Entrada().caixaIntMin(), "1000");
    EXPECT_EQ(f.Estado().NBandas, 0);
    EXPECT_EQ(t.Painel(BarraEstado::PainelBandas), "0");
    EXPECT_EQ(f.tabelaResultados()->rows(), 1);
}

TEST(JanelaEspectro, RealceDaLinhaZoomERestaurar) {
    const Local L(',');
    Tela t;
    t.Mostra();
    JanelaEspectro& f = t.f;
    TabelaResultadosWidget& tab = *f.tabelaResultados();
    const EstadoGrafico& g = f.EstadoDoGrafico();
    const int r = 3;
    const QColor fundo = tab.cellBackColor(r, 3);
    tab.setTopRow(r);
    QTest::mouseClick(tab.viewport(), Qt::LeftButton, {},
                      tab.visualRect(tab.model()->index(r - 1, 2)).center());
    EXPECT_EQ(tab.LinhaRealcada(), r);
    EXPECT_TRUE(g.BandaMarcada);
    EXPECT_EQ(g.FreqMarcada, f.Estado().FreqBanda(r));

    // The zoom buttons of the panel and beside the plot; the mark stays.
    QPushButton *maisH = f.Entrada().botaoAmpliarH(), *menosH = f.Entrada().botaoReduzirH();
    for (QPushButton* b : {maisH, f.botaoAmpliarV()}) b->click();
    EXPECT_GT(g.ZoomHoriz, 1);
    EXPECT_GT(g.ZoomVert, 1);
    EXPECT_EQ(tab.LinhaRealcada(), r);
    f.Entrada().botaoRestaurar()->click();
    EXPECT_EQ(tab.cellBackColor(r, 3), fundo);
    EXPECT_FALSE(g.BandaMarcada);
    EXPECT_DOUBLE_EQ(g.ZoomVert, 1);

    // A fixed window takes the horizontal zoom away.
    f.areaGrafico()->AlternaFixarJanela();
    EXPECT_FALSE(maisH->isEnabled());
    EXPECT_FALSE(menosH->isEnabled());
    f.areaGrafico()->AlternaFixarJanela();
    EXPECT_TRUE(maisH->isEnabled());
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
        EXPECT_FALSE(t.f.TelaPequena());
        aux::ConfereLeiaute(t.f);
        EXPECT_FALSE(t.w.barraEstado()->isHidden());
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
    EXPECT_EQ(aviso.titulos, QStringList{"Resolução da Tela"});
    EXPECT_TRUE(f.TelaPequena());
    EXPECT_EQ(f.EstadoDoGrafico().env.EnvPontos, f.areaGrafico()->SW() / 15);
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
    EXPECT_EQ(aviso.vezes(), 1);
}

// A refused run says why in "Dados de entrada" and leaves the boxes as
// typed and the bands, table and status bar of the last good run; a shift
// or coupling Enter was pressed in keeps the keyboard, its text selected;
// a pasted line break is no refusal.
TEST(JanelaEspectro, CaixaSemNumeroGuardaAsBandas) {
    const Local L(',');
    Tela t;
    t.Mostra();
    JanelaEspectro& f = t.f;
    PainelEntrada& p = f.Entrada();
    const auto freqs = t.Freqs();
    const int linhas = f.tabelaResultados()->rows();
    const auto recusa = [&](std::vector<std::pair<QLineEdit*, const char*>> caixas,
                            const char* mensagem, bool retemFoco = false) {
        SCOPED_TRACE(mensagem);
        QStringList antes;
        for (auto [caixa, texto] : caixas) {
            antes << caixa->text();
            caixa->setText(texto);
        }
        QLineEdit* caixa = caixas[0].first;
        caixa->setFocus(Qt::OtherFocusReason);
        {
            Modal ok(QMessageBox::Ok);
            Enter(caixa);
            EXPECT_EQ(ok.titulos, QStringList{"Dados de entrada"});
            EXPECT_TRUE(ok.textos.value(0).contains(QString::fromUtf8(mensagem)));
        }
        EXPECT_EQ(caixa->text(), caixas[0].second);
        if (retemFoco) {
            EXPECT_EQ(t.w.focusWidget(), caixa);
            EXPECT_EQ(caixa->selectedText(), caixas[0].second);
        }
        EXPECT_EQ(t.Freqs(), freqs);
        EXPECT_EQ(f.tabelaResultados()->rows(), linhas);
        EXPECT_EQ(t.Painel(BarraEstado::PainelBandas), QString::number(freqs.size()));
        for (int k = 0; k < int(caixas.size()); ++k) caixas[k].first->setText(antes[k]);
    };
    recusa({{p.caixaDesloc(2), "abc"}}, "O deslocamento químico de H2 não é um número válido.",
           true);
    recusa({{p.Acoplamentos().caixaJ(1, 3), "1,2,3"}},
           "A constante de acoplamento J(1,3) não é um número válido.", true);
    recusa({{p.caixaFrequencia(), "0"}}, "A freqüência do espectrômetro deve ser maior que zero.");
    recusa({{p.caixaFrequencia(), "x"}}, "A freqüência do espectrômetro não é um número válido.");
    // Too large a shift for the instrument: refused by the run itself.
    recusa({{p.caixaDesloc(1), "5000000"}, {p.caixaFrequencia(), "1"}}, "grandes demais");

    // The repairing boxes: a word is reported, negatives repaired.
    p.caixaIntMin()->setText("muito");
    {
        Modal ok(QMessageBox::Ok);
        Enter(p.caixaIntMin());
        EXPECT_TRUE(ok.textos.value(0).contains("Intensidade mínima"));
    }
    EXPECT_EQ(t.Freqs(), freqs);
    Escreve(p.caixaIntMin(), "-3");
    EXPECT_EQ(p.caixaIntMin()->text(), "0,01");

    // A number copied with its line break runs like the number the box shows.
    p.caixaDesloc(1)->setFocus(Qt::OtherFocusReason);
    p.caixaDesloc(1)->selectAll();
    QApplication::clipboard()->setText(QStringLiteral(" 150,5\r\n"));
    p.caixaDesloc(1)->paste();
    EXPECT_EQ(p.caixaDesloc(1)->text(), "150,5");
    {
        const Modal nenhum(QMessageBox::Ok);
        Enter(p.caixaDesloc(1));
        EXPECT_EQ(nenhum.vezes(), 0);
    }
    EXPECT_EQ(f.Estado().FreqProt(1) - f.Estado().FreqEspHz, 150.5);

    // Seven protons refused by the run: the panel goes back to the three
    // protons of the results, the typed shift stays.
    const QString rotuloH1 = p.rotuloOutraUnidade(1)->text();
    const QString tempo = LinhasTempos(f, 1)[0];
    p.caixaNProt()->setText(QStringLiteral("7"));
    p.caixaFrequencia()->setText(QStringLiteral("0,0001"));
    p.caixaDesloc(1)->setText(QStringLiteral("-300"));
    const Modal ok(QMessageBox::Ok);
    f.botaoExecutar()->click();
    ASSERT_EQ(ok.titulos, QStringList{"Dados de entrada"});
    ASSERT_TRUE(f.Execucao().UltimaRecusada());
    EXPECT_EQ(f.Estado().NProt, 3);
    EXPECT_EQ(p.caixaNProt()->text(), "3");
    EXPECT_TRUE(p.caixaDesloc(4)->isHidden());
    EXPECT_TRUE(p.Acoplamentos().caixaJ(3, 4)->isHidden());
    EXPECT_EQ(p.rotuloOutraUnidade(1)->text(), rotuloH1);
    EXPECT_EQ(LinhasTempos(f, 1)[0], tempo);
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
    EXPECT_EQ(t.Painel(BarraEstado::PainelBandas), QString::number(f.Estado().NBandas));
    for (int vez = 0; vez < 2; ++vez) {
        EXPECT_EQ(f.botaoTabela()->text(), "Abrir tabela");
        EXPECT_FALSE(f.Execucao().ComTabela());
        EXPECT_TRUE(f.tabelaResultados()->isHidden());
        f.Execucao().Executa();
    }
    EXPECT_EQ(LinhasTempos(f, 4)[0], "Gráfico");
}

// A long title ends in "…" before the readout and is whole in the tooltip;
// the title question is wide enough for its caption.
TEST(JanelaEspectro, TituloLongoEBotoesQueSeguemOEstado) {
    const Local L(',');
    Tela t;
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
    emit t.f.areaGrafico()->TituloClicado();
    EXPECT_GE(largura, 2 * QFontMetrics(QApplication::font()).horizontalAdvance(legenda));
    const QLabel* rotulo = t.f.areaGrafico()->rotuloTitulo();
    EXPECT_TRUE(rotulo->text().startsWith(QStringLiteral("Título: Acrilato")));
    EXPECT_TRUE(rotulo->text().endsWith(QStringLiteral("…"))) << rotulo->text().toStdString();
    EXPECT_LE(rotulo->fontMetrics().horizontalAdvance(rotulo->text()),
              rotulo->contentsRect().width());
    EXPECT_TRUE(rotulo->toolTip().contains(longo));

    // What a button does follows the state it shows, not its caption: a
    // translated caption must not turn "Fechar tabela" or "Fixar Janela" around.
    JanelaEspectro& f = t.f;
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
