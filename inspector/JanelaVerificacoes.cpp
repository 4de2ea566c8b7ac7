#include "inspector/JanelaVerificacoes.h"

#include "display/Geometria.h"
#include "inspector/Controle.h"
#include "inspector/DetChio.h"
#include "inspector/GradeMatriz.h"
#include "run/ArquivoDados.h"
#include "run/TextoDecimal.h"
#include "widgets/FlexGrid.h"

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
    setWindowTitle(QStringLiteral("Verificações"));
    setObjectName(QStringLiteral("JanelaVerificacoes"));
    setModal(true);
    int nRotulo = 0;
    auto rotulo = [&](const QString& t, bool negrito = false) {
        auto* l = Controle<QLabel>(this, QStringLiteral("Label%1").arg(++nRotulo));
        l->setText(t);
        if (negrito) {
            QFont f = l->font();
            f.setBold(true);
            l->setFont(f);
        }
        return l;
    };

    auto* valores = new QGridLayout;
    const QString titulos[4][2] = {
        {QStringLiteral("Determinante da matriz H"), QStringLiteral("(Pelo método de Chió)")},
        {QStringLiteral("Produto dos autovalores"),
         QStringLiteral("A(1,1)*A(2,2)*A(3,3)*......*A(n,n)")},
        {QStringLiteral("Traço da matriz H"), QStringLiteral("(Soma dos elementos da diagonal)")},
        {QStringLiteral("Traço da matriz A"), QStringLiteral("(Soma dos autovalores)")}};
    QLineEdit** caixas[4] = {&Text1_, &Text2_, &Text3_, &Text4_};
    const char* nomes[4] = {"Text1", "Text2", "Text3", "Text4"};
    for (int i = 0; i < 4; ++i) {
        valores->addWidget(rotulo(titulos[i][0], true), 0, i);
        valores->addWidget(rotulo(titulos[i][1]), 1, i);
        *caixas[i] = Controle<QLineEdit>(this, QString::fromLatin1(nomes[i]));
        (*caixas[i])->setReadOnly(true);
        valores->addWidget(*caixas[i], 2, i);
    }
    valores->addWidget(rotulo(QStringLiteral("Precisão 10^-5")), 3, 2);
    valores->addWidget(rotulo(QStringLiteral("Precisão 10^-5")), 3, 3);

    auto* produtos = new QGridLayout;
    produtos->addWidget(rotulo(QStringLiteral("Produto das matrizes HV"), true), 0, 0);
    produtos->addWidget(rotulo(QStringLiteral("Produto das matrizes VA"), true), 0, 1);
    MSFlexGrid1_ = Controle<FlexGrid>(this, QStringLiteral("MSFlexGrid1"));
    MSFlexGrid2_ = Controle<FlexGrid>(this, QStringLiteral("MSFlexGrid2"));
    produtos->addWidget(MSFlexGrid1_, 1, 0);
    produtos->addWidget(MSFlexGrid2_, 1, 1);

    MSFlexGrid3_ = Controle<FlexGrid>(this, QStringLiteral("MSFlexGrid3"));
    MSFlexGrid3_->setFixedHeight(2 * Px(240) + style()->pixelMetric(QStyle::PM_ScrollBarExtent) +
                                 4);

    Command1_ = Controle<QPushButton>(this, QStringLiteral("Command1"));
    Command1_->setText(QStringLiteral("Fechar Verificações"));
    Command1_->setAutoDefault(false);
    connect(Command1_, &QPushButton::clicked, this, &QDialog::accept);
    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(Command1_);

    auto* tudo = new QVBoxLayout(this);
    tudo->addLayout(valores);
    tudo->addSpacing(8);
    tudo->addLayout(produtos, 1);
    tudo->addWidget(rotulo(
        QStringLiteral("Soma dos quadrados dos coeficientes (cada coluna da matriz V)"), true));
    tudo->addWidget(MSFlexGrid3_);
    tudo->addLayout(botoes);
    resize(Px(15000), Px(9600));
}

void JanelaVerificacoes::Preenche(const EstadoSpin& e) {
    const char sep = e.SepDec;
    const int n =
        std::max(0, std::min({e.NEst, e.MatHam.linhas(), e.MatDiag.linhas(), e.MatVet.linhas()}));

    Text1_->setText(Completo(DetChio(e.MatHam, n), sep));
    double p = 1, trH = 0, trA = 0;
    for (int i = 1; i <= n; ++i) {
        p = p * e.MatDiag(i, i);
        trH = trH + e.MatHam(i, i);
        trA = trA + e.MatDiag(i, i);
    }
    Text2_->setText(Completo(p, sep));
    Text3_->setText(QString::fromStdString(FormataGeral(trH, 5, sep)));
    Text4_->setText(QString::fromStdString(FormataGeral(trA, 5, sep)));

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
    for (auto [g, v] : {std::pair{MSFlexGrid1_, &HV}, std::pair{MSFlexGrid2_, &VA}}) {
        const std::vector<double>& x = *v;
        PreencheMatriz(
            *g, n, LarguraCabecalho, LarguraDados,
            [&](int r, int c) {
                return FormataNumeroG(x[std::size_t(r) * m + std::size_t(c)], 15, sep);
            },
            [&](int r, int c) { return x[std::size_t(r) * m + std::size_t(c)] == 0; });
    }

    FlexGrid& g = *MSFlexGrid3_;
    g.bulkUpdate([&] {
        g.clear();
        g.setRows(2);
        g.setCols(n + 1);
        g.setColWidth(0, LarguraRotulos);
        g.setTextMatrix(0, 0, QStringLiteral("Coluna da matriz V:"));
        g.setTextMatrix(1, 0, QStringLiteral("Soma dos quadrados:"));
        for (int c = 1; c <= n; ++c) {
            double s = 0;
            for (int r = 1; r <= n; ++r) s = s + e.MatVet(r, c) * e.MatVet(r, c);
            const std::string t = FormataNumeroG(s, 15, sep);
            g.setTextMatrix(0, c, FormataInteiro(c));
            g.setTextMatrix(1, c, t);
            g.setColWidth(c, t.size() >= 2 ? LarguraDados : LarguraCabecalho);
            g.setColAlignment(c, Qt::AlignCenter);
        }
    });
}
