// The intensity walkthrough over real runs: entering and leaving, the
// highlighted eigenvectors, the products, the table lookup and the rules of
// the level boxes.
#include "Auxiliar.h"
#include "inspector/SetasValor.h"
#include "texto/TextoDecimal.h"

#include <QLineEdit>
#include <QTest>
#include <QToolButton>

#include <cmath>
#include <set>

namespace {

const QColor Azul(0, 0, 192);

struct Passeio : Janela {
    explicit Passeio(const EntradaSimulacao& in) : Janela(in) {
        f->resize(1000, 700);
        f->show();
    }
    void Entra() {
        ASSERT_TRUE(botao("botaoPasseio").text().startsWith('C'));
        botao("botaoPasseio").click();
        ASSERT_EQ(botao("botaoPasseio").text(), "Retorno Matrizes");
    }
    QLineEdit& caixa(int q) const {
        return *f->findChild<QLineEdit*>(q == 1 ? "caixaNivelA" : "caixaNivelB");
    }
    void Digita(int q, const QString& t) {
        caixa(q).setText(t);
        QTest::keyClick(&caixa(q), Qt::Key_Return);
    }
    // Any two distinct levels, through the boxes, never colliding on the way.
    void Escolhe(int a, int b) {
        int c = 1;
        while (c == a || c == b || c == Niveis().second) ++c;
        Digita(1, QString::number(c));
        Digita(2, QString::number(b));
        Digita(1, QString::number(a));
        ASSERT_EQ(Niveis(), std::make_pair(a, b));
    }
    void Gira(int q, bool cima) {
        auto* g = f->findChild<SetasValor*>(q == 1 ? "setasNivelA" : "setasNivelB");
        (cima ? g->botaoCima() : g->botaoBaixo())->click();
    }
    std::pair<int, int> Niveis() const {
        return {caixa(1).text().toInt(), caixa(2).text().toInt()};
    }
    // The columns of V painted as chosen levels.
    std::set<int> Realcadas() const {
        const FlexGrid& V = grade("gradeAutovetores");
        std::set<int> s;
        for (int c = 1; c < V.cols(); ++c)
            if (V.cellBackColor(1, c) == Azul) s.insert(c);
        return s;
    }
    double Mais(const char* nome) const {
        return ConverteNumero(rotulo(nome).text().toStdString(), entrada.SepDec).value_or(NAN);
    }
    // The band of levels a and b, 0 when the run dropped or skipped it.
    int Banda(int a, int b) const {
        for (int k = 1; k <= e.NBandas; ++k)
            if (e.NivelA(k) == std::min(a, b) && e.NivelB(k) == std::max(a, b)) return k;
        return 0;
    }
};

// In: the four matrices give way to V and the product of the two chosen
// columns, in the formula with its two and five decimals. Out: the
// matrices again, V with its own colours back, and in again.
TEST(PasseioIntensidade, EntraCalculaESai) {
    Passeio p(Entrada(3));
    const FlexGrid& V = p.grade("gradeAutovetores");
    const FlexGrid& T = p.grade("gradeTransicoes");
    const auto cores = [&V] {
        std::vector<QRgb> v;
        for (int r = 1; r <= 8; ++r)
            for (int c = 1; c <= 8; ++c)
                v.insert(v.end(), {V.cellBackColor(r, c).rgb(), V.cellForeColor(r, c).rgb()});
        return v;
    };
    const auto antes = cores();
    const int largura = T.width();
    p.Entra();
    EXPECT_FALSE(p.grade("gradeHamiltoniana").isVisible() ||
                 p.grade("gradeAutovalores").isVisible() ||
                 p.rotulo("rotuloHamiltoniana").isVisible());
    EXPECT_TRUE(V.isVisible() && p.grade("gradeProduto").isVisible());
    EXPECT_EQ(p.Realcadas(), (std::set<int>{1, 2}));
    EXPECT_EQ(V.cellForeColor(4, 2), QColor(Qt::white));
    for (int r = 1; r <= 8; ++r) {
        EXPECT_EQ(p.grade("gradeVetorA").textMatrix(1, r), V.textMatrix(r, 1));
        EXPECT_EQ(p.grade("gradeVetorB").textMatrix(r, 1), V.textMatrix(r, 2));
    }
    EXPECT_NEAR(p.Mais("rotuloResultado"), p.Mais("rotuloResultadoPreciso"), 0.05);
    const QString prefixo = QStringLiteral("Intensidade da transição 1 – 2 = (");
    for (auto [formula, valor] : {std::pair{"rotuloIntensidade", "rotuloResultado"},
                                  std::pair{"rotuloIntensidadePrecisa", "rotuloResultadoPreciso"}})
        EXPECT_TRUE(
            p.rotulo(formula).text().startsWith(prefixo + p.rotulo(valor).text() + ") ^ 2 = "))
            << formula;

    p.botao("botaoPasseio").click();
    EXPECT_EQ(p.botao("botaoPasseio").text(), "Cálculo de Instensidade (Máximo 5 prótons)");
    EXPECT_TRUE(p.grade("gradeHamiltoniana").isVisible());
    EXPECT_FALSE(p.grade("gradeVetorA").isVisible() || p.caixa(1).isVisible());
    EXPECT_EQ(T.width(), largura);
    EXPECT_EQ(cores(), antes);
    p.Entra();
    EXPECT_EQ(p.Realcadas(), (std::set<int>{1, 2}));
}

TEST(PasseioIntensidade, ParesSemTransicaoETabela) {
    // A high minimum intensity drops some allowed pairs from the table.
    EntradaSimulacao in = Entrada(3, '.');
    in.IntMin = 0.9f;
    Passeio p(in);
    p.Entra();

    // Levels 2 and 3 (both m = 1/2): no transition.
    const QString tabela = QStringLiteral("Valor na tabela do espectro: ");
    p.Escolhe(2, 3);
    EXPECT_EQ(p.rotulo("rotuloResultadoPreciso").text(), "0");
    EXPECT_EQ(p.rotulo("rotuloValorTabela").text(), tabela + "Não tem");
    // An allowed pair the run dropped, and one it kept, found in either order.
    int caidos = 0, mantidos = 0;
    for (int a = 1; a <= 8; ++a)
        for (int b = 1; b <= 8; ++b) {
            if (a == b || std::fabs(std::fabs(p.e.MzEst(a) - p.e.MzEst(b)) - 1) > 0.01) continue;
            p.Escolhe(a, b);
            const int k = p.Banda(a, b);
            const double x = p.Mais("rotuloResultadoPreciso");
            (k ? mantidos : caidos)++;
            EXPECT_TRUE(
                p.rotulo("rotuloIntensidade").text().contains(QString("%1 – %2 =").arg(a).arg(b)));
            EXPECT_TRUE(!k || std::fabs(std::fabs(x) - std::sqrt(p.e.IntBanda(k))) < 5e-6);
            EXPECT_EQ(p.rotulo("rotuloValorTabela").text(),
                      tabela + (k ? p.textoTabela(k, 3) : QStringLiteral("Não tem")));
        }
    EXPECT_TRUE(caidos > 0 && mantidos > 0);
}

TEST(PasseioIntensidade, NiveisNuncaCoincidem) {
    Passeio p(Entrada(3)); // 8 levels
    const FlexGrid& V = p.grade("gradeAutovetores");
    std::vector<QColor> fundo(9);
    for (int c = 1; c <= 8; ++c) fundo[c] = V.cellBackColor(2, c);
    p.Entra();
    auto confere = [&](int a, int b, const char* passo) {
        EXPECT_EQ(p.Niveis(), std::make_pair(a, b)) << passo;
        EXPECT_EQ(p.Realcadas(), (std::set<int>{a, b})) << passo;
        for (int c = 1; c <= 8; ++c)
            EXPECT_TRUE(c == a || c == b ||
                        (V.cellBackColor(2, c) == fundo[c] && V.cellForeColor(2, c) == Qt::black))
                << passo << " column " << c;
    };
    // q: the level's box; a text is typed in it, "+" and "-" are its arrows.
    const struct {
        int q;
        const char* acao;
        int a, b;
        const char* passo;
    } passos[] = {{1, "2", 1, 2, "A typed as B"},
                  {1, "5", 5, 2, "A moves"},
                  {2, " 5 ", 5, 1, "B typed as A"},
                  {1, "1", 2, 1, "A typed as B = 1"},
                  {1, "99", 8, 1, "clamped high"},
                  {2, "4", 8, 4, ""},
                  {2, "-3", 8, 1, "clamped low"},
                  {1, "3", 3, 1, ""},
                  {2, "2", 3, 2, ""},
                  {1, "-", 1, 2, "A down jumps over B"},
                  {2, "-", 1, 2, "B down onto A at 1 steps back up"},
                  {2, "8", 1, 8, ""},
                  {1, "7", 7, 8, ""},
                  {1, "+", 7, 8, "A up onto B at the top steps back down"}};
    for (const auto& k : passos) {
        const QString acao = QString::fromLatin1(k.acao);
        if (acao == "+" || acao == "-")
            p.Gira(k.q, acao == "+");
        else
            p.Digita(k.q, acao);
        confere(k.a, k.b, k.passo);
    }
}

TEST(PasseioIntensidade, ExecucaoNoMeioDoPasseio) {
    Passeio p(Entrada(3));
    p.Entra();
    // A run while the window waits behind the main one; the first thing the
    // user touches here is an arrow, before the activation comes.
    p.NovaExecucao(Entrada(2));
    p.Gira(1, true);
    EXPECT_EQ(p.grade("gradeHamiltoniana").rows(), 5);
    EXPECT_TRUE(p.grade("gradeHamiltoniana").isVisible() && !p.caixa(1).isVisible());
    EXPECT_TRUE(p.Realcadas().empty());

    // "Retorno Matrizes" after a run: the new matrices, not the walkthrough again.
    p.Entra();
    p.NovaExecucao(Entrada(3));
    p.botao("botaoPasseio").click();
    EXPECT_EQ(p.grade("gradeHamiltoniana").rows(), 9);
    EXPECT_TRUE(p.grade("gradeHamiltoniana").isVisible() &&
                p.botao("botaoPasseio").text().startsWith('C'));
    // The entry button after a run enters with the new levels.
    p.NovaExecucao(Entrada(2));
    p.Entra();
    EXPECT_EQ(p.grade("gradeVetorA").cols(), 5);
    EXPECT_EQ(p.Realcadas(), (std::set<int>{1, 2}));
}

} // namespace
