// The verification window: what it shows must hold for any correct
// diagonalisation, and must expose one that is not.
#include "Auxiliar.h"
#include "inspector/JanelaVerificacoes.h"
#include "texto/TextoDecimal.h"
#include "widgets/TextoCabe.h"

#include <QLineEdit>

#include <cmath>

namespace {

struct Verificacoes {
    JanelaVerificacoes f;
    char sep;
    explicit Verificacoes(const EstadoSpin& e, char s = ',') : sep(s) { f.Preenche(e, s); }
    QString caixa(const char* nome) const {
        return f.findChild<QLineEdit*>(QString::fromLatin1(nome))->text();
    }
    const FlexGrid& grade(const char* nome) const {
        return *f.findChild<FlexGrid*>(QString::fromLatin1(nome));
    }
    double numero(const QString& s) const {
        return ConverteNumero(s.toStdString(), sep).value_or(NAN);
    }
};

// Every label and value shows whole ("Soma dos quadrados:" once took more
// than its column); HV = VA within Jacobi's threshold, every column of V of
// unit length, and the traces and determinants agree.
TEST(JanelaVerificacoes, ProdutosESomasDeQuadrados) {
    for (const auto& [N, sep] : {std::pair{1, '.'}, std::pair{4, ','}}) {
        const EstadoSpin e = testes::Calcula(Entrada(N));
        Verificacoes v(e, sep);
        const int n = e.NEst;
        double maior = 0;
        for (int i = 1; i <= n; ++i) maior = std::max(maior, std::fabs(e.MatHam(i, i)));
        const FlexGrid &HV = v.grade("gradeProdutoHV"), &VA = v.grade("gradeProdutoVA"),
                       &S = v.grade("gradeSomaQuadrados");
        ASSERT_EQ(HV.rows(), n + 1);
        for (const FlexGrid* g : {&HV, &VA, &S})
            for (int r = 0; r < g->rows(); ++r)
                for (int c = 0; c <= n; ++c)
                    EXPECT_EQ(testes::FaltaNaCelula(*g, r, c), 0)
                        << r << "," << c << ": " << g->textMatrix(r, c).toStdString();
        for (int r = 1; r <= n; ++r)
            for (int c = 1; c <= n; ++c) {
                // The Jacobi threshold on the rotations, and the 15 digits of the text.
                EXPECT_NEAR(v.numero(HV.textMatrix(r, c)), v.numero(VA.textMatrix(r, c)),
                            e.TolJac * n + 1e-14 * maior)
                    << r << "," << c;
                for (const FlexGrid* g : {&HV, &VA})
                    EXPECT_EQ(g->cellBackColor(r, c), r == c                       ? Ciano
                                                      : g->textMatrix(r, c) == "0" ? Amarelo
                                                                                   : Branco);
            }
        EXPECT_EQ(VA.cellBackColor(1, 2), Amarelo); // different blocks: exactly 0
        for (int c = 1; c <= n; ++c) EXPECT_NEAR(v.numero(S.textMatrix(1, c)), 1, 1e-13) << c;
        const double produto = v.numero(v.caixa("caixaProdutoAutovalores"));
        EXPECT_NEAR(v.numero(v.caixa("caixaDeterminante")), produto, 1e-12 * std::fabs(produto));
        EXPECT_EQ(v.caixa("caixaTracoH"), v.caixa("caixaTracoA")) << "both to 5 decimals";
        EXPECT_TRUE(HV.textMatrix(1, 1).contains(QChar(sep)));
    }
}

} // namespace
