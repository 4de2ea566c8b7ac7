// The "Matrizes" window over real runs: grids, colours, rebuild on
// activation, copy and the symmetry check.
#include "Auxiliar.h"
#include "texto/TextoDecimal.h"
#include "widgets/TextoCabe.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QSignalSpy>
#include <QTest>

#include <cmath>

namespace {

void Ativa(QWidget& w) {
    QEvent ev(QEvent::WindowActivate);
    QApplication::sendEvent(&w, &ev);
}

QPoint CentroCelula(const FlexGrid& g, int r, int c) {
    return g.visualRect(g.model()->index(r - 1, c - 1)).center();
}

double Numero(const QString& s, char sep) {
    const auto v = ConverteNumero(s.toStdString(), sep);
    EXPECT_TRUE(v) << s.toStdString();
    return v.value_or(NAN);
}

TEST(JanelaMatrizes, UmProtonGradesECopia) {
    for (char sep : {',', '.'}) {
        Janela j(Entrada(1, sep));
        EXPECT_EQ(j.botao("botaoPasseio").text(), "Cálculo de Intensidade (Máximo 5 prótons)");
        j.f->show();
        EXPECT_EQ(j.f->windowTitle(), "Matrizes");
        EXPECT_EQ(j.botao("botaoPasseio").text(), "Cálculo de Instensidade (Máximo 5 prótons)");
        EXPECT_TRUE(j.botao("botaoPasseio").isEnabled());
        EXPECT_TRUE(j.botao("botaoVerificacoes").isEnabled());
        EXPECT_EQ(j.rotulo("rotuloTransicoes").text(), "Matriz de Transição");

        // The widths given, or what the widest text needs.
        const struct {
            const char* nome;
            int largura;
        } grades[] = {{"gradeHamiltoniana", 80}, // 1200 twips
                      {"gradeAutovalores", 80},
                      {"gradeAutovetores", 40}, // 600
                      {"gradeTransicoes", 20}}; // 300
        for (const auto& [nome, largura] : grades) {
            FlexGrid& g = j.grade(nome);
            ASSERT_EQ(g.rows(), 3);
            ASSERT_EQ(g.cols(), 3);
            EXPECT_EQ(g.verticalHeader()->width(), 20);
            EXPECT_GE(g.columnWidth(1), largura);
            for (int i = 1; i <= 2; ++i) {
                EXPECT_EQ(g.textMatrix(0, i) + g.textMatrix(i, 0), QString::number(i * 11));
                EXPECT_EQ(g.cellAlignment(i, 0) | g.cellAlignment(0, i) | g.cellAlignment(i, 3 - i),
                          Qt::AlignCenter);
            }
            // Double click anywhere on the grid: only the data cells, tab and CR LF.
            QTest::mouseDClick(g.viewport(), Qt::LeftButton, {}, CentroCelula(g, 2, 2));
            EXPECT_EQ(QApplication::clipboard()->text(),
                      g.textMatrix(1, 1) + "\t" + g.textMatrix(1, 2) + "\r\n" + g.textMatrix(2, 1) +
                          "\t" + g.textMatrix(2, 2));
        }

        // H = diag(-nu/2, +nu/2) in Hz, two decimals with the user's separator.
        FlexGrid& h = j.grade("gradeHamiltoniana");
        const double nu = j.e.FreqProt(1);
        EXPECT_NEAR(Numero(h.textMatrix(1, 1), sep), -nu / 2, 0.005);
        EXPECT_NEAR(Numero(h.textMatrix(2, 2), sep), nu / 2, 0.005);
        EXPECT_TRUE(h.textMatrix(1, 1).contains(QChar(sep)));
        EXPECT_EQ(h.textMatrix(1, 2), "0");
        EXPECT_EQ(h.cellBackColor(1, 2), Amarelo);
        EXPECT_EQ(h.cellBackColor(2, 2), Ciano);
        EXPECT_EQ(j.grade("gradeTransicoes").textMatrix(1, 2), "1");
        EXPECT_EQ(j.grade("gradeTransicoes").cellBackColor(1, 2), Branco);
        EXPECT_EQ(j.grade("gradeAutovetores").textMatrix(2, 2), "1");
    }
}

TEST(JanelaMatrizes, TresProtonsBlocosECores) {
    Janela j(Entrada(3));
    j.f->resize(1000, 700);
    j.f->show();
    FlexGrid& H = j.grade("gradeHamiltoniana");
    FlexGrid& A = j.grade("gradeAutovalores");
    FlexGrid& V = j.grade("gradeAutovetores");
    FlexGrid& T = j.grade("gradeTransicoes");
    ASSERT_EQ(H.rows(), 9);
    // Basis states 2..4 (one beta) and 5..7 (two beta) couple among themselves.
    auto bloco = [](int k) { return k == 1 ? 0 : k <= 4 ? 1 : k <= 7 ? 2 : 3; };
    for (int r = 1; r <= 8; ++r) {
        int uns = 0;
        for (int c = 1; c <= 8; ++c) {
            const bool diag = r == c;
            const bool acoplado = !diag && bloco(r) == bloco(c) && (bloco(r) == 1 || bloco(r) == 2);
            EXPECT_EQ(H.cellBackColor(r, c), diag ? Ciano : acoplado ? Branco : Amarelo) << r << c;
            EXPECT_EQ(H.textMatrix(r, c) == "0", !diag && !acoplado) << r << c;
            EXPECT_EQ(A.cellBackColor(r, c), diag ? Ciano : Amarelo) << r << c;
            EXPECT_EQ(T.cellBackColor(r, c), diag ? Ciano : Branco) << r << c;
            if (!diag && bloco(r) != bloco(c)) {
                EXPECT_EQ(V.cellBackColor(r, c), Amarelo);
            }
            EXPECT_EQ(V.cellForeColor(r, c), QColor(Qt::black));
            uns += T.textMatrix(r, c) == "1";
            EXPECT_EQ(T.textMatrix(r, c), T.textMatrix(c, r));
        }
        EXPECT_EQ(uns, 3) << "each state has one neighbour per proton that flips";
    }

    // Two columns of two: H over A on the left (55 %), the transition matrix
    // over V on the right (40 %), centred in what is left.
    const int W = j.f->width(), Ht = j.f->height();
    EXPECT_NEAR(H.width(), 0.55 * W, 1);
    EXPECT_NEAR(T.width(), 0.40 * W, 1);
    for (FlexGrid* g : {&H, &A, &V, &T}) EXPECT_NEAR(g->height(), 0.40 * Ht, 1);
    EXPECT_EQ(H.x(), A.x());
    EXPECT_EQ(T.x(), V.x());
    EXPECT_LT(H.y(), A.y());
    EXPECT_LT(T.y(), V.y());
    EXPECT_NEAR(T.x() - H.geometry().right(), W - T.geometry().right(), 2);
    EXPECT_EQ(j.rotulo("rotuloTransicoes").x(), 720); // 10800 twips
}

// Energies of hundreds of MHz in Hz: the negative ones took more than the
// 1200 twips of H and A and were cut.
TEST(JanelaMatrizes, EnergiasInteirasNasGrades) {
    Janela j(Entrada(3));
    j.f->show();
    for (const char* nome :
         {"gradeHamiltoniana", "gradeAutovalores", "gradeAutovetores", "gradeTransicoes"}) {
        const FlexGrid& g = j.grade(nome);
        ASSERT_EQ(g.rows(), 9);
        for (int r = 0; r <= 8; ++r)
            for (int c = 0; c <= 8; ++c)
                EXPECT_EQ(testes::FaltaNaCelula(g, r, c), 0)
                    << nome << " " << r << "," << c << ": " << g.textMatrix(r, c).toStdString();
    }
    EXPECT_TRUE(j.grade("gradeHamiltoniana").textMatrix(1, 1).startsWith('-'));
}

// Where the four grids, their titles and the buttons are, to the pixel.
struct Disposicao {
    QRect H, A, V, T, tituloA, tituloV, botao;
    explicit Disposicao(const Janela& j)
        : H(j.grade("gradeHamiltoniana").geometry()), A(j.grade("gradeAutovalores").geometry()),
          V(j.grade("gradeAutovetores").geometry()), T(j.grade("gradeTransicoes").geometry()),
          tituloA(j.rotulo("rotuloAutovalores").geometry()),
          tituloV(j.rotulo("rotuloAutovetores").geometry()),
          botao(j.botao("botaoEspectro").geometry()) {}
};

TEST(JanelaMatrizes, DisposicaoProjetadaEProporcional) {
    Janela j(Entrada(3));
    j.f->show();
    // At the size it opens with: 15000 x 10350 twips, the grids 55 % and
    // 40 % of the width and 40 % of the height.
    ASSERT_EQ(j.f->size(), QSize(1000, 690));
    Disposicao d(j);
    EXPECT_EQ(d.H, QRect(8, 22, 550, 276));
    EXPECT_EQ(d.T, QRect(579, 22, 400, 276));
    EXPECT_EQ(d.A, QRect(8, 320, 550, 276));
    EXPECT_EQ(d.V, QRect(579, 320, 400, 276));
    EXPECT_EQ(d.tituloV, QRect(579, 302, 400, 18));
    EXPECT_EQ(d.botao.topLeft(), QPoint(8, 604));
    EXPECT_EQ(d.botao.height(), 28);

    // Larger: titles, gaps and buttons keep their size, the grids share the rest.
    j.f->resize(1600, 1000);
    d = Disposicao(j);
    EXPECT_NEAR(double(d.H.width()) / d.T.width(), 55.0 / 40, 0.01);
    EXPECT_NEAR(d.T.x() - d.H.right(), 1600 - d.T.right(), 2);
    for (const QRect& g : {d.T, d.A, d.V}) EXPECT_NEAR(g.height(), d.H.height(), 1);
    EXPECT_NEAR(1000 - d.botao.bottom() - 1, d.H.height() * 58.0 / 276, 2) << "the room below";
    EXPECT_EQ(d.tituloA.height(), 18);
    EXPECT_EQ(d.tituloA.bottom() + 1, d.A.y());
    EXPECT_EQ(d.H.bottom() + 5, d.tituloA.y());
    EXPECT_EQ(d.A.bottom() + 9, d.botao.y());

    // The walkthrough moves the transition grid only.
    j.botao("botaoPasseio").click();
    const Disposicao passeio(j);
    EXPECT_EQ(passeio.V, d.V);
    EXPECT_EQ(passeio.tituloV, d.tituloV);
    EXPECT_EQ(passeio.botao.topLeft(), d.botao.topLeft());
}

TEST(JanelaMatrizes, ZerosPeloArredondamento) {
    Janela j(Entrada(3));
    EstadoSpin& e = j.e;
    // Off the diagonal, where no pale cyan hides the value colour.
    e.MatHam(2, 1) = 0.004;   // "0" but not zero: white
    e.MatHam(3, 1) = -4e-7;   // the same
    e.MatDiag(2, 1) = 0.004;  // non-zero at 6 decimals: white
    e.MatDiag(3, 1) = 4e-7;   // zero at 6 decimals: yellow
    e.MatVet(1, 5) = 0.004;   // V is shown as stored: row = basis state
    e.MatVet(1, 6) = -4.9e-7; // "-0" is never shown
    e.MatVet(1, 7) = 5.01e-7; // rounds to 1e-6: white
    j.f->show();
    const struct {
        const char* grade;
        int c;
        QColor cor;
    } casos[] = {{"gradeHamiltoniana", 2, Branco}, {"gradeHamiltoniana", 3, Branco},
                 {"gradeAutovalores", 2, Branco},  {"gradeAutovalores", 3, Amarelo},
                 {"gradeAutovetores", 5, Branco},  {"gradeAutovetores", 6, Amarelo},
                 {"gradeAutovetores", 7, Branco}};
    for (const auto& k : casos) {
        const FlexGrid& g = j.grade(k.grade);
        EXPECT_EQ(g.cellBackColor(1, k.c), k.cor) << k.grade << " column " << k.c;
        EXPECT_TRUE(k.c == 7 || g.textMatrix(1, k.c) == "0") << k.grade << " column " << k.c;
    }
    EXPECT_EQ(j.grade("gradeAutovetores").cellBackColor(5, 1), Amarelo); // its transpose stays 0
}

TEST(JanelaMatrizes, ReconstroiNaAtivacaoAposUmaExecucao) {
    Janela j(Entrada(3));
    j.f->show();
    FlexGrid& H = j.grade("gradeHamiltoniana");
    H.setTextMatrix(1, 1, QStringLiteral("marca"));
    Ativa(*j.f);
    j.f->hide();
    j.f->show();
    EXPECT_EQ(H.textMatrix(1, 1), "marca") << "no run, no rebuild";

    j.NovaExecucao(Entrada(2));
    EXPECT_EQ(H.rows(), 9) << "a run alone changes nothing on screen";
    Ativa(*j.f);
    EXPECT_EQ(H.rows(), 5);
    H.setTextMatrix(1, 1, QStringLiteral("marca"));
    Ativa(*j.f);
    EXPECT_EQ(H.textMatrix(1, 1), "marca");

    // Six protons and more: no walkthrough and no verification.
    j.NovaExecucao(Entrada(6));
    Ativa(*j.f);
    EXPECT_EQ(H.rows(), 65);
    EXPECT_FALSE(j.botao("botaoPasseio").isEnabled());
    EXPECT_FALSE(j.botao("botaoVerificacoes").isEnabled());
    j.NovaExecucao(Entrada(5));
    Ativa(*j.f);
    EXPECT_TRUE(j.botao("botaoPasseio").isEnabled());
    EXPECT_TRUE(j.botao("botaoVerificacoes").isEnabled());
    EXPECT_NE(H.textMatrix(1, 1), "marca");

    // A window opened later shows the last run at once.
    JanelaMatrizes outra(j.e, Consultas(j.e, j.entrada));
    outra.show();
    EXPECT_EQ(outra.findChild<FlexGrid*>("gradeAutovetores")->rows(), 33);
}

TEST(JanelaMatrizes, SoResultadosNovosDesatualizamAsGrades) {
    Janela j(Entrada(3));
    j.f->show();
    FlexGrid& H = j.grade("gradeHamiltoniana");
    // A run the window is not told of: activating it keeps the old matrices.
    testes::Executa(Entrada(2), j.e, j.trabalho);
    Ativa(*j.f);
    EXPECT_EQ(H.rows(), 9);
    // Told: still nothing until it is activated, then the new ones, once.
    j.f->ResultadosNovos();
    EXPECT_EQ(H.rows(), 9);
    Ativa(*j.f);
    EXPECT_EQ(H.rows(), 5);
    H.setTextMatrix(1, 1, QStringLiteral("marca"));
    Ativa(*j.f);
    EXPECT_EQ(H.textMatrix(1, 1), "marca");
    // Told without a run ("Fixar Janela" released): rebuilt all the same.
    j.f->ResultadosNovos();
    j.f->hide();
    j.f->show();
    EXPECT_NE(H.textMatrix(1, 1), "marca");
}

TEST(JanelaMatrizes, SimetriaComShiftEBotaoDireito) {
    Janela j(Entrada(3));
    j.f->show();
    FlexGrid& T = j.grade("gradeTransicoes");
    const QPoint p = CentroCelula(T, 2, 3);
    QTest::mousePress(T.viewport(), Qt::RightButton, {}, p);
    QTest::mousePress(T.viewport(), Qt::LeftButton, Qt::ShiftModifier, p);
    QTest::mousePress(T.viewport(), Qt::RightButton, Qt::ShiftModifier | Qt::ControlModifier, p);
    QTest::mousePress(j.grade("gradeHamiltoniana").viewport(), Qt::RightButton, Qt::ShiftModifier,
                      CentroCelula(j.grade("gradeHamiltoniana"), 2, 3));
    EXPECT_TRUE(j.f->TextoImpresso().isEmpty());
    QTest::mousePress(T.viewport(), Qt::RightButton, Qt::ShiftModifier, p);
    EXPECT_EQ(j.f->TextoImpresso(), QStringList{"0"});

    // A broken matrix shows its asymmetry: two cells off by one each way.
    j.e.MatTrans(1, 2) = 0;
    j.e.MatTrans(8, 1) = 1;
    QTest::mousePress(T.verticalHeader()->viewport(), Qt::RightButton, Qt::ShiftModifier,
                      QPoint(5, 5));
    EXPECT_EQ(j.f->TextoImpresso(), (QStringList{"0", "4"}));

    QSignalSpy espectro(j.f.get(), &JanelaMatrizes::EspectroSimulado);
    j.botao("botaoEspectro").click();
    EXPECT_EQ(j.botao("botaoEspectro").text(), "Espectro Simulado");
    EXPECT_EQ(espectro.count(), 1);
}

TEST(JanelaMatrizes, OitoProtonsCopiaInteira) {
    Janela j(Entrada(8));
    j.f->show();
    FlexGrid& V = j.grade("gradeAutovetores");
    ASSERT_EQ(V.rows(), 257);
    QTest::mouseDClick(V.viewport(), Qt::LeftButton, {}, CentroCelula(V, 1, 1));
    const QString copia = QApplication::clipboard()->text();
    const QStringList linhas = copia.split(QStringLiteral("\r\n"));
    ASSERT_EQ(linhas.size(), 256);
    EXPECT_EQ(linhas[255].split('\t'), V.rowTexts(256).mid(1));
    EXPECT_EQ(copia.count('\t'), 256 * 255);
    EXPECT_EQ(linhas[0].split('\t')[0], "1");
}

} // namespace
