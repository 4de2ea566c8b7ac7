// The wide layout's plot grows with the window: its size, the envelope
// samples and the Hz window follow; what the user set survives.
#include "JanelaAux.h"

#include "formatos/Exemplos.h"

#include <QScrollArea>
#include <QScrollBar>

using namespace aux;

namespace {

// Below the design size the plot keeps its size; above it the plot grows to
// the zoom buttons and its envelope samples follow (the bands' place in a
// plot of a given width is the display tests'). What the user set survives:
// zoom, scroll, mark and a fixed window, which keeps its range in Hz.
TEST(Tamanho, GraficoOcupaAJanelaEOQueOUsuarioFezSobrevive) {
    const Local L(',');
    Tela t(2560);
    t.Mostra();
    AreaGrafico* a = t.f.areaGrafico();
    const EstadoGrafico& g = t.f.EstadoDoGrafico();
    t.Redimensiona(900, 700);
    EXPECT_EQ(a->SW(), LarguraLarga);
    t.Redimensiona(2560, 1440);
    EXPECT_GT(a->SH(), AlturaLarga);
    EXPECT_LT(t.f.botaoAmpliarV()->x() - a->geometry().right(), 10);
    EXPECT_EQ(g.env.EnvPontos, a->SW() / 15) << "one envelope sample per pixel";
    EXPECT_EQ(t.Painel(BarraEstado::PainelPontos).toInt(), g.env.EnvPontos);

    a->ZoomH(true);
    a->ZoomV(true);
    a->MarcaBanda(4);
    const auto usuario = [&g] {
        return std::tuple{g.ZoomHoriz, g.ZoomVert, g.PosRolagem, g.BandaMarcada, g.IndiceMarcado};
    };
    const auto antes = usuario();
    t.Redimensiona(1920, 1080);
    EXPECT_EQ(usuario(), antes);
    a->AlternaFixarJanela();
    const auto faixa = [&] {
        return std::pair{g.NiInic - (0 - g.LimLeft) / g.TwPerHz,
                         g.NiInic - (a->SW() - g.LimLeft) / g.TwPerHz};
    };
    const auto hz = faixa();
    const double escala = g.EscalaVert / a->SH();
    t.Redimensiona(2560, 1440);
    EXPECT_TRUE(g.JanelaFixa);
    EXPECT_NEAR(faixa().first, hz.first, 1e-9);
    EXPECT_NEAR(faixa().second, hz.second, 1e-9);
    EXPECT_NEAR(g.EscalaVert / a->SH(), escala, 1e-12) << "heights stretch with the plot";
}

// From a laptop's window to a large monitor's, a 10-proton system shows every
// control whole, without the outer scroll bars; the table uses the height a
// large window has, and closing it gives that room to the plot.
TEST(Tamanho, TudoVisivelDoPortatilAoMonitorGrande) {
    const Local L(',');
    Tela t(1920);
    t.Mostra();
    t.f.Arquivo().DefinePodeSubstituir([] { return true; });
    const Exemplo* butila = ProcuraExemplo("butila-10");
    ASSERT_TRUE(butila);
    t.f.Arquivo().AbreExemplo(*butila);
    ASSERT_EQ(t.f.Estado().NProt, 10);
    const auto* rolagem = t.w.findChild<QScrollArea*>();
    ASSERT_TRUE(rolagem);
    int tabelaAntes = 0;
    for (auto [largura, altura] : {std::pair{1280, 700}, {2560, 1380}}) {
        SCOPED_TRACE(largura);
        t.Redimensiona(largura, altura);
        EXPECT_EQ(t.w.size(), QSize(largura, altura));
        EXPECT_FALSE(rolagem->verticalScrollBar()->isVisible());
        EXPECT_FALSE(rolagem->horizontalScrollBar()->isVisible());
        aux::ConfereLeiaute(t.f);
        const int tabela = t.f.tabelaResultados()->height();
        EXPECT_GE(tabela, tabelaAntes);
        tabelaAntes = tabela;
    }
    EXPECT_GT(tabelaAntes, 300) << "a large window's table shows many rows";

    const QRect antes = t.f.areaGrafico()->geometry();
    t.f.botaoTabela()->click();
    ASSERT_TRUE(t.f.tabelaResultados()->isHidden());
    EXPECT_LT(t.f.areaGrafico()->y(), antes.y() - 100);
    EXPECT_EQ(t.f.areaGrafico()->geometry().bottom(), antes.bottom());
    aux::ConfereLeiaute(t.f);
    t.f.botaoTabela()->click();
    EXPECT_EQ(t.f.areaGrafico()->geometry(), antes);
}

} // namespace
