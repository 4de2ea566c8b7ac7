#include "inspector/JanelaVerificacoes.h"

#include "inspector/Controle.h"
#include "inspector/DetChio.h"
#include "inspector/GradeMatriz.h"
#include "texto/TextoDecimal.h"
#include "widgets/FlexGrid.h"
#include "widgets/Px.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <vector>

namespace {

constexpr int LarguraDados = 1900, LarguraCabecalho = 300, LarguraRotulos = 1800;

QString Completo(double x, char SepDec) {
    return QString::fromStdString(FormataNumeroG(x, 15, SepDec));
}

} // namespace

JanelaVerificacoes::JanelaVerificacoes(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Verificações"));
    setObjectName(QStringLiteral("JanelaVerificacoes"));
    setModal(true);
    auto* tudo = new QVBoxLayout(this);
    tudo->addLayout(CriaValores());
    tudo->addSpacing(8);
    tudo->addLayout(CriaProdutos(), 1);
    tudo->addWidget(NovoRotulo(
        "rotuloSomaQuadrados",
        QT_TR_NOOP("Soma dos quadrados dos coeficientes (cada coluna da matriz V)"), true));
    gradeSomaQuadrados_ = Controle<FlexGrid>(this, QStringLiteral("gradeSomaQuadrados"));
    gradeSomaQuadrados_->setFixedHeight(2 * Px(240) +
                                        style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 4);
    tudo->addWidget(gradeSomaQuadrados_);
    tudo->addLayout(CriaBotaoFechar());
    resize(Px(15000), Px(9600));
}

QLabel* JanelaVerificacoes::NovoRotulo(const QString& nome, const char* texto, bool negrito) {
    auto* l = Controle<QLabel>(this, nome);
    l->setText(tr(texto));
    if (negrito) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }
    return l;
}

// The four values side by side, each under its title and what it means.
QGridLayout* JanelaVerificacoes::CriaValores() {
    const struct {
        QLineEdit** caixa;
        const char *nome, *titulo, *detalhe;
    } valores[] = {{&caixaDeterminante_, "Determinante", QT_TR_NOOP("Determinante da matriz H"),
                    QT_TR_NOOP("(Pelo método de Chió)")},
                   {&caixaProdutoAutovalores_, "ProdutoAutovalores",
                    QT_TR_NOOP("Produto dos autovalores"), "A(1,1)*A(2,2)*A(3,3)*......*A(n,n)"},
                   {&caixaTracoH_, "TracoH", QT_TR_NOOP("Traço da matriz H"),
                    QT_TR_NOOP("(Soma dos elementos da diagonal)")},
                   {&caixaTracoA_, "TracoA", QT_TR_NOOP("Traço da matriz A"),
                    QT_TR_NOOP("(Soma dos autovalores)")}};
    auto* grade = new QGridLayout;
    int coluna = 0;
    for (const auto& v : valores) {
        const QString nome = QString::fromLatin1(v.nome);
        grade->addWidget(NovoRotulo("rotulo" + nome, v.titulo, true), 0, coluna);
        grade->addWidget(NovoRotulo("rotulo" + nome + "Detalhe", v.detalhe), 1, coluna);
        *v.caixa = Controle<QLineEdit>(this, "caixa" + nome);
        (*v.caixa)->setReadOnly(true);
        grade->addWidget(*v.caixa, 2, coluna++);
    }
    grade->addWidget(NovoRotulo("rotuloPrecisaoTracoH", QT_TR_NOOP("Precisão 10^-5")), 3, 2);
    grade->addWidget(NovoRotulo("rotuloPrecisaoTracoA", QT_TR_NOOP("Precisão 10^-5")), 3, 3);
    return grade;
}

QGridLayout* JanelaVerificacoes::CriaProdutos() {
    auto* grade = new QGridLayout;
    grade->addWidget(NovoRotulo("rotuloProdutoHV", QT_TR_NOOP("Produto das matrizes HV"), true), 0,
                     0);
    grade->addWidget(NovoRotulo("rotuloProdutoVA", QT_TR_NOOP("Produto das matrizes VA"), true), 0,
                     1);
    gradeProdutoHV_ = Controle<FlexGrid>(this, QStringLiteral("gradeProdutoHV"));
    gradeProdutoVA_ = Controle<FlexGrid>(this, QStringLiteral("gradeProdutoVA"));
    grade->addWidget(gradeProdutoHV_, 1, 0);
    grade->addWidget(gradeProdutoVA_, 1, 1);
    return grade;
}

QHBoxLayout* JanelaVerificacoes::CriaBotaoFechar() {
    botaoFechar_ = Controle<QPushButton>(this, QStringLiteral("botaoFechar"));
    botaoFechar_->setText(tr("Fechar Verificações"));
    botaoFechar_->setAutoDefault(false);
    connect(botaoFechar_, &QPushButton::clicked, this, &QDialog::accept);
    auto* linha = new QHBoxLayout;
    linha->addStretch();
    linha->addWidget(botaoFechar_);
    return linha;
}

void JanelaVerificacoes::Preenche(const EstadoSpin& e, char sep) {
    const int n =
        std::max(0, std::min({e.NEst, e.MatHam.linhas(), e.MatDiag.linhas(), e.MatVet.linhas()}));

    caixaDeterminante_->setText(Completo(DetChio(e.MatHam, n), sep));
    double p = 1, trH = 0, trA = 0;
    for (int i = 1; i <= n; ++i) {
        p = p * e.MatDiag(i, i);
        trH = trH + e.MatHam(i, i);
        trA = trA + e.MatDiag(i, i);
    }
    caixaProdutoAutovalores_->setText(Completo(p, sep));
    caixaTracoH_->setText(QString::fromStdString(FormataGeral(trH, 5, sep)));
    caixaTracoA_->setText(QString::fromStdString(FormataGeral(trA, 5, sep)));

    const std::size_t m = std::size_t(n) + 1;
    std::vector<double> HV(m * m), VA(m * m);
    for (int r = 1; r <= n; ++r)
        for (int c = 1; c <= n; ++c) {
            double hv = 0, va = 0;
            for (int k = 1; k <= n; ++k) {
                hv = hv + e.MatHam(r, k) * e.MatVet(k, c);
                va = va + e.MatVet(r, k) * e.MatDiag(k, c);
            }
            HV[std::size_t(r) * m + std::size_t(c)] = hv;
            VA[std::size_t(r) * m + std::size_t(c)] = va;
        }
    for (auto [g, v] : {std::pair{gradeProdutoHV_, &HV}, std::pair{gradeProdutoVA_, &VA}}) {
        const std::vector<double>& x = *v;
        PreencheMatriz(
            *g, n, LarguraCabecalho, LarguraDados,
            [&](int r, int c) {
                return FormataNumeroG(x[std::size_t(r) * m + std::size_t(c)], 15, sep);
            },
            [&](int r, int c) { return x[std::size_t(r) * m + std::size_t(c)] == 0; });
    }

    FlexGrid& g = *gradeSomaQuadrados_;
    g.bulkUpdate([&] {
        g.clear();
        g.setRows(2);
        g.setCols(n + 1);
        g.setColWidth(0, LarguraRotulos);
        g.setTextMatrix(0, 0, tr("Coluna da matriz V:"));
        g.setTextMatrix(1, 0, tr("Soma dos quadrados:"));
        for (int c = 1; c <= n; ++c) {
            double s = 0;
            for (int r = 1; r <= n; ++r) s = s + e.MatVet(r, c) * e.MatVet(r, c);
            const std::string t = FormataNumeroG(s, 15, sep);
            g.setTextMatrix(0, c, FormataInteiro(c));
            g.setTextMatrix(1, c, t);
            g.setColWidth(c, t.size() >= 2 ? LarguraDados : LarguraCabecalho);
            g.setColAlignment(c, Qt::AlignCenter);
        }
        g.fitColsToText(0, n);
    });
}
