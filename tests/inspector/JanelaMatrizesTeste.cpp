// The "Matrizes" window over real runs: grids, colours, rebuild on
// activation, copy and the symmetry check.
#include "Auxiliar.h"
#include "texto/TextoDecimal.h"
#include "widgets/TextoCabe.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

#include <cmath>
#include <vector>

namespace {

void Ativa(QWidget& w) {
    QEvent ev(QEvent::WindowActivate);
    QApplication::sendEvent(&w, &ev);
}

QPoint CentroCelula(const FlexGrid& g, int r, int c) {
    return g.visualRect(g.model()->index(r - 1, c - 1)).center();
}

const char* const Grades[] = {"gradeHamiltoniana", "gradeAutovalores", "gradeAutovetores",
                              "gradeTransicoes"};

// The visible parts inside the window and none over another; a title is as
// wide as its text, which must fit its label.
void ConfereDisposicao(const QWidget& f) {
    std::vector<QWidget*> partes;
    for (QWidget* w : f.findChildren<QWidget*>())
        if (w->isVisible() && w->objectName().contains(QRegularExpression("^[a-z]+[A-Z]")))
            partes.push_back(w);
    ASSERT_GE(partes.size(), 9u);
    const auto ocupa = [&f](const QWidget* w) {
        const QPoint em = w->parentWidget()->mapTo(&f, w->pos());
        const auto* l = qobject_cast<const QLabel*>(w);
        if (!l) return QRect(em, w->size());
        const int texto = l->fontMetrics().horizontalAdvance(l->text());
        EXPECT_LE(texto, l->width()) << l->text().toStdString();
        return QRect(em, QSize(texto, l->height()));
    };
    for (std::size_t a = 0; a < partes.size(); ++a) {
        const std::string nome = partes[a]->objectName().toStdString();
        EXPECT_TRUE(f.rect().contains(ocupa(partes[a]))) << nome;
        for (std::size_t b = a + 1; b < partes.size(); ++b)
            EXPECT_FALSE(ocupa(partes[a]).intersects(ocupa(partes[b])))
                << nome << " " << partes[b]->objectName().toStdString();
    }
}

// At the size the window opens with and a larger one: laid out whole, and
// every cell of a small system whole (energies of hundreds of MHz in Hz
// were cut once).
void ConfereTamanhos(Janela& j, bool celulas) {
    for (const QSize tamanho : {j.f->size(), QSize(1600, 1000)}) {
        SCOPED_TRACE(tamanho.width());
        j.f->resize(tamanho);
        ConfereDisposicao(*j.f);
        for (const char* nome : Grades)
            for (int r = 0; celulas && r < j.grade(nome).rows(); ++r)
                for (int c = 0; c < j.grade(nome).cols(); ++c)
                    EXPECT_EQ(testes::FaltaNaCelula(j.grade(nome), r, c), 0) << nome << r << c;
    }
}

// The data cells, tab between columns and CR LF between rows.
QString Dados(const FlexGrid& g) {
    QStringList linhas;
    for (int r = 1; r < g.rows(); ++r) linhas << g.rowTexts(r).mid(1).join('\t');
    return linhas.join(QStringLiteral("\r\n"));
}

TEST(JanelaMatrizes, UmTresEOitoProtons) {
    for (const auto& [N, sep] : {std::pair{1, '.'}, std::pair{3, ','}, std::pair{8, ','}}) {
        SCOPED_TRACE(testing::Message() << N << " protons");
        Janela j(Entrada(N, sep));
        EXPECT_EQ(j.botao("botaoPasseio").text(),
                  JanelaMatrizes::tr("Cálculo de Intensidade (Máximo 5 prótons)"));
        j.f->show();
        EXPECT_EQ(j.botao("botaoPasseio").text(),
                  JanelaMatrizes::tr("Cálculo de Instensidade (Máximo 5 prótons)"));
        ConfereTamanhos(j, N <= 3);

        const int M = j.e.NEst;
        FlexGrid &H = j.grade("gradeHamiltoniana"), &A = j.grade("gradeAutovalores"),
                 &V = j.grade("gradeAutovetores"), &T = j.grade("gradeTransicoes");
        for (const char* nome : Grades) {
            FlexGrid& g = j.grade(nome);
            ASSERT_EQ(g.rows(), M + 1);
            ASSERT_EQ(g.cols(), M + 1);
            EXPECT_EQ(g.rowTexts(M).front(), QString::number(M)) << nome;
            // Double click anywhere on the grid copies it whole.
            QTest::mouseDClick(g.viewport(), Qt::LeftButton, {}, CentroCelula(g, 1, 1));
            EXPECT_EQ(QApplication::clipboard()->text(), Dados(g)) << nome;
        }
        for (int r = 1; r <= M && N <= 3; ++r)
            for (int c = 1; c <= M; ++c) {
                const bool diag = r == c, bloco = j.e.MzEst(r) == j.e.MzEst(c);
                // Three protons: any two states of one total spin are coupled.
                const QColor h = diag ? Ciano : bloco ? Branco : Amarelo;
                EXPECT_TRUE(N != 3 || H.cellBackColor(r, c) == h) << r << c;
                EXPECT_EQ(H.textMatrix(r, c) == "0", H.cellBackColor(r, c) == Amarelo) << r << c;
                EXPECT_EQ(A.cellBackColor(r, c), diag ? Ciano : Amarelo) << r << c;
                EXPECT_EQ(T.cellBackColor(r, c), diag ? Ciano : Branco) << r << c;
                EXPECT_TRUE(bloco || V.cellBackColor(r, c) == Amarelo) << r << c;
                EXPECT_EQ(V.cellForeColor(r, c), QColor(Qt::black));
            }
        if (N == 1) { // H = diag(-nu/2, +nu/2) in Hz, two decimals, the user's separator
            EXPECT_NEAR(ConverteNumero(H.textMatrix(1, 1).toStdString(), sep).value_or(0),
                        -j.e.FreqProt(1) / 2, 0.005);
            EXPECT_EQ(V.textMatrix(2, 2), "1");
        }
        // The walkthrough moves the transition grid only.
        const QRect v = V.geometry(), botao = j.botao("botaoEspectro").geometry();
        j.botao("botaoPasseio").click();
        EXPECT_EQ(V.geometry(), v);
        EXPECT_EQ(j.botao("botaoEspectro").geometry().topLeft(), botao.topLeft());
        if (N <= 5) ConfereDisposicao(*j.f);
    }
}

// Yellow means zero at the six decimals kept, not a cell that reads "0":
// H and V are shown as stored (V's row is the basis state), never as "-0".
TEST(JanelaMatrizes, ZerosPeloArredondamento) {
    Janela j(Entrada(3));
    j.e.MatHam(2, 1) = 0.004;
    j.e.MatDiag(2, 1) = 0.004;
    j.e.MatDiag(3, 1) = 4e-7;
    j.e.MatVet(1, 6) = -4.9e-7;
    j.e.MatVet(1, 7) = 5.01e-7;
    j.f->show();
    const FlexGrid &H = j.grade("gradeHamiltoniana"), &A = j.grade("gradeAutovalores"),
                   &V = j.grade("gradeAutovetores");
    EXPECT_EQ(H.cellBackColor(1, 2), Branco);
    EXPECT_EQ(H.textMatrix(1, 2), "0");
    EXPECT_EQ(A.cellBackColor(1, 2), Branco);
    EXPECT_EQ(A.cellBackColor(1, 3), Amarelo);
    EXPECT_EQ(V.cellBackColor(1, 6), Amarelo);
    EXPECT_EQ(V.textMatrix(1, 6), "0");
    EXPECT_EQ(V.cellBackColor(1, 7), Branco);
}

// When it rebuilds: LigaInspetor's tests.
TEST(JanelaMatrizes, SeisProtonsSemPasseioEJanelaNovaComAUltimaExecucao) {
    Janela j(Entrada(3));
    j.f->show();
    FlexGrid& H = j.grade("gradeHamiltoniana");
    // Six protons and more: no walkthrough and no verification.
    for (int N : {6, 5}) {
        j.NovaExecucao(Entrada(N));
        Ativa(*j.f);
        EXPECT_EQ(H.rows(), (1 << N) + 1);
        EXPECT_EQ(j.botao("botaoPasseio").isEnabled(), N == 5);
        EXPECT_EQ(j.botao("botaoVerificacoes").isEnabled(), N == 5);
    }
    // A window opened later shows the last run at once.
    JanelaMatrizes outra(j.e, Consultas(j.e, j.entrada));
    outra.show();
    EXPECT_EQ(outra.findChild<FlexGrid*>("gradeAutovetores")->rows(), 33);
}

TEST(JanelaMatrizes, SimetriaComShiftEBotaoDireito) {
    Janela j(Entrada(3));
    j.f->show();
    FlexGrid& T = j.grade("gradeTransicoes");
    const QPoint p = CentroCelula(T, 2, 3);
    QTest::mousePress(T.viewport(), Qt::RightButton, {}, p);
    QTest::mousePress(T.viewport(), Qt::LeftButton, Qt::ShiftModifier, p);
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
    EXPECT_EQ(espectro.count(), 1);
}

} // namespace
