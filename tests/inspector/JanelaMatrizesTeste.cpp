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
#include <string_view>
#include <vector>

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
}

// What a user sees at the size the window opens with and a larger one, for
// 1, 3 and 8 protons: grids, titles and buttons inside the window, none over
// another; H over A on the left, T over V on the right, 55 : 40 of the
// width; every cell of a small system whole (energies of hundreds of MHz in
// Hz were cut once). The walkthrough moves the transition grid only.
TEST(JanelaMatrizes, DisposicaoLegivelEmCadaTamanho) {
    const char* const nomes[] = {"gradeHamiltoniana", "gradeAutovalores",   "gradeAutovetores",
                                 "gradeTransicoes",   "rotuloHamiltoniana", "rotuloAutovalores",
                                 "rotuloAutovetores", "rotuloTransicoes",   "botaoEspectro",
                                 "botaoPasseio",      "botaoVerificacoes"};
    for (int N : {1, 3, 8}) {
        Janela j(Entrada(N));
        j.f->show();
        for (const QSize tamanho : {j.f->size(), QSize(1600, 1000)}) {
            SCOPED_TRACE(testing::Message() << N << " protons, " << tamanho.width());
            j.f->resize(tamanho);
            std::vector<QWidget*> partes;
            for (const char* nome : nomes)
                if (auto* w = j.f->findChild<QWidget*>(QString::fromLatin1(nome));
                    w && w->isVisible())
                    partes.push_back(w);
            ASSERT_GE(partes.size(), 9u);
            // A title is as wide as its text, which must fit its label.
            const auto ocupa = [](const QWidget* w) {
                const auto* l = qobject_cast<const QLabel*>(w);
                if (!l) return w->geometry();
                const int texto = l->fontMetrics().horizontalAdvance(l->text());
                EXPECT_LE(texto, l->width()) << l->text().toStdString();
                return QRect(l->pos(), QSize(texto, l->height()));
            };
            for (std::size_t a = 0; a < partes.size(); ++a) {
                const std::string nome = partes[a]->objectName().toStdString();
                EXPECT_TRUE(j.f->rect().contains(partes[a]->geometry())) << nome;
                for (std::size_t b = a + 1; b < partes.size(); ++b)
                    EXPECT_FALSE(ocupa(partes[a]).intersects(ocupa(partes[b])))
                        << nome << " " << partes[b]->objectName().toStdString();
            }
            const QRect H = j.grade("gradeHamiltoniana").geometry(),
                        A = j.grade("gradeAutovalores").geometry(),
                        V = j.grade("gradeAutovetores").geometry(),
                        T = j.grade("gradeTransicoes").geometry();
            EXPECT_EQ(H.x(), A.x());
            EXPECT_EQ(T.x(), V.x());
            EXPECT_LT(H.bottom(), A.y());
            EXPECT_LT(T.bottom(), V.y());
            EXPECT_NEAR(double(H.width()) / T.width(), 55.0 / 40, 0.01);
            if (N > 3) continue;
            for (const char* nome : nomes) {
                if (std::string_view(nome).substr(0, 5) != "grade") continue;
                const FlexGrid& g = j.grade(nome);
                for (int r = 0; r < g.rows(); ++r)
                    for (int c = 0; c < g.cols(); ++c)
                        EXPECT_EQ(testes::FaltaNaCelula(g, r, c), 0)
                            << nome << " " << r << "," << c << ": "
                            << g.textMatrix(r, c).toStdString();
            }
        }
        const QRect V = j.grade("gradeAutovetores").geometry();
        const QRect botao = j.botao("botaoEspectro").geometry();
        j.botao("botaoPasseio").click();
        EXPECT_EQ(j.grade("gradeAutovetores").geometry(), V);
        EXPECT_EQ(j.botao("botaoEspectro").geometry().topLeft(), botao.topLeft());
    }
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
