// The verification window: what it shows must hold for any correct
// diagonalisation, and must expose one that is not.
#include "Auxiliar.h"
#include "GuardaModal.h"
#include "inspector/JanelaVerificacoes.h"
#include "texto/TextoDecimal.h"
#include "widgets/TextoCabe.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QTimer>

#include <cmath>
#include <functional>
#include <utility>

namespace {

// While it lives, each modal dialog that opens is handed to `responde` from
// the dialog's own event loop, and rejected should it still be open after.
// Holding a Respondedor tells the watcher in main_qt.cpp these dialogs are
// expected.
class RespondeModal {
  public:
    explicit RespondeModal(std::function<void(QDialog&)> responde)
        : responde_(std::move(responde)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] { Olha(); });
        timer_.start(0);
    }

  private:
    void Olha() {
        auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!d || !d->isVisible()) return;
        responde_(*d);
        if (d->isVisible()) d->reject();
    }

    guarda::Respondedor registro_;
    std::function<void(QDialog&)> responde_;
    QTimer timer_;
};

struct Verificacoes {
    JanelaVerificacoes f;
    explicit Verificacoes(const EstadoSpin& e, char sep = ',') { f.Preenche(e, sep); }
    QString caixa(const char* nome) const {
        return f.findChild<QLineEdit*>(QString::fromLatin1(nome))->text();
    }
    QString determinante() const { return caixa("caixaDeterminante"); }
    QString produtoAutovalores() const { return caixa("caixaProdutoAutovalores"); }
    QString tracoH() const { return caixa("caixaTracoH"); }
    QString tracoA() const { return caixa("caixaTracoA"); }
    const FlexGrid& grade(const char* nome) const {
        return *f.findChild<FlexGrid*>(QString::fromLatin1(nome));
    }
    const FlexGrid& produtoHV() const { return grade("gradeProdutoHV"); }
    const FlexGrid& produtoVA() const { return grade("gradeProdutoVA"); }
    const FlexGrid& somaQuadrados() const { return grade("gradeSomaQuadrados"); }
};

double Numero(const QString& s, char sep) {
    return ConverteNumero(s.toStdString(), sep).value_or(NAN);
}

TEST(JanelaVerificacoes, UmProton) {
    const EstadoSpin e = testes::Calcula(Entrada(1));
    Verificacoes v(e);
    EXPECT_EQ(v.f.windowTitle(), "Verificações");
    // H is diagonal: the 2x2 formula is the product of the eigenvalues.
    EXPECT_EQ(v.determinante(), v.produtoAutovalores());
    EXPECT_NEAR(Numero(v.determinante(), ','), -std::pow(e.FreqProt(1) / 2, 2), 1e-9 * 2.25e16);
    EXPECT_EQ(v.tracoH(), "0");
    EXPECT_EQ(v.tracoA(), "0");
    const FlexGrid& s = v.somaQuadrados();
    EXPECT_EQ(s.textMatrix(0, 0), "Coluna da matriz V:");
    EXPECT_EQ(s.textMatrix(1, 0), "Soma dos quadrados:");
    EXPECT_EQ(s.textMatrix(1, 2), "1");
    EXPECT_EQ(s.colWidth(0), 1800);
    EXPECT_EQ(s.colWidth(2), 300) << "one character";
}

// "Soma dos quadrados:" took more than the 1800 twips of its column.
TEST(JanelaVerificacoes, RotulosEValoresInteiros) {
    const EstadoSpin e = testes::Calcula(Entrada(4));
    Verificacoes v(e);
    const int n = e.NEst;
    for (const char* nome : {"gradeProdutoHV", "gradeProdutoVA", "gradeSomaQuadrados"}) {
        const FlexGrid& g = v.grade(nome);
        for (int r = 0; r < g.rows(); ++r)
            for (int c = 0; c <= n; ++c)
                EXPECT_EQ(testes::FaltaNaCelula(g, r, c), 0)
                    << nome << " " << r << "," << c << ": " << g.textMatrix(r, c).toStdString();
    }
    EXPECT_EQ(v.somaQuadrados().textMatrix(1, 0), "Soma dos quadrados:");
}

TEST(JanelaVerificacoes, ProdutosESomasDeQuadrados) {
    for (char sep : {',', '.'}) {
        const EstadoSpin e = testes::Calcula(Entrada(4));
        Verificacoes v(e, sep);
        const int n = e.NEst;
        double maior = 0;
        for (int i = 1; i <= n; ++i) maior = std::max(maior, std::fabs(e.MatHam(i, i)));
        const FlexGrid &HV = v.produtoHV(), &VA = v.produtoVA(), &S = v.somaQuadrados();
        ASSERT_EQ(HV.rows(), n + 1);
        EXPECT_EQ(HV.columnWidth(0), 127); // 1900 twips
        for (int r = 1; r <= n; ++r)
            for (int c = 1; c <= n; ++c) {
                const double hv = Numero(HV.textMatrix(r, c), sep);
                const double va = Numero(VA.textMatrix(r, c), sep);
                // The Jacobi threshold on the rotations, and the 15 digits of the text.
                EXPECT_NEAR(hv, va, e.TolJac * n + 1e-14 * maior) << r << "," << c;
                for (const FlexGrid* g : {&HV, &VA}) {
                    const QColor cor = g->cellBackColor(r, c);
                    EXPECT_EQ(cor, r == c ? Ciano : g->textMatrix(r, c) == "0" ? Amarelo : Branco);
                }
            }
        EXPECT_EQ(VA.cellBackColor(1, 2), Amarelo); // different blocks: exactly 0
        for (int c = 1; c <= n; ++c) {
            EXPECT_EQ(S.textMatrix(0, c), QString::number(c));
            EXPECT_NEAR(Numero(S.textMatrix(1, c), sep), 1, 1e-13) << c;
            EXPECT_EQ(S.colWidth(c), S.textMatrix(1, c).size() >= 2 ? 1900 : 300);
        }
        EXPECT_NEAR(Numero(v.determinante(), sep), Numero(v.produtoAutovalores(), sep),
                    1e-12 * std::fabs(Numero(v.produtoAutovalores(), sep)));
        EXPECT_EQ(v.tracoH(), v.tracoA()) << "both traces to 5 decimals";
        EXPECT_TRUE(HV.textMatrix(1, 1).contains(QChar(sep)));
        EXPECT_FALSE(v.determinante().contains(QChar(sep == ',' ? '.' : ',')));
    }
}

TEST(JanelaVerificacoes, PrimeiraOrdemMostraOQueVANaoTem) {
    EntradaSimulacao in = Entrada(3);
    in.PrimOrdem = true;
    const EstadoSpin e = testes::Calcula(in);
    Verificacoes v(e);
    // V is the identity; HV is H itself, with the J/2 terms VA lacks.
    const FlexGrid &HV = v.produtoHV(), &VA = v.produtoVA();
    EXPECT_NEAR(Numero(HV.textMatrix(2, 3), ','), e.MatHam(2, 3), 1e-12);
    EXPECT_NE(e.MatHam(2, 3), 0);
    EXPECT_EQ(HV.cellBackColor(2, 3), Branco);
    EXPECT_EQ(VA.textMatrix(2, 3), "0");
    EXPECT_EQ(VA.cellBackColor(2, 3), Amarelo);
    for (int c = 1; c <= 8; ++c) EXPECT_EQ(v.somaQuadrados().textMatrix(1, c), "1");
}

TEST(JanelaVerificacoes, AbertaPeloBotaoEFechada) {
    Janela j(Entrada(2));
    j.f->show();
    QString titulo, det;
    bool fechou = false;
    const RespondeModal resposta([&](QDialog& d) {
        titulo = d.windowTitle();
        det = d.findChild<QLineEdit*>(QStringLiteral("caixaDeterminante"))->text();
        auto* fechar = d.findChild<QPushButton*>(QStringLiteral("botaoFechar"));
        ASSERT_TRUE(fechar);
        EXPECT_EQ(fechar->text(), "Fechar Verificações");
        fechar->click();
        fechou = !d.isVisible();
    });
    j.botao("botaoVerificacoes").click(); // returns when the window is closed
    EXPECT_TRUE(fechou);
    EXPECT_EQ(titulo, "Verificações");
    EXPECT_FALSE(det.isEmpty());
    EXPECT_EQ(j.f->findChildren<JanelaVerificacoes*>().size(), 0);
}

} // namespace
