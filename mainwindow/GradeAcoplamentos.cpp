#include "mainwindow/GradeAcoplamentos.h"

#include "mainwindow/CaixasEntrada.h"

#include <algorithm>

namespace {

// Tops of the coupling rows 1..9.
constexpr int TopoLinhaJ[NProtMax] = {0, 455, 720, 990, 1260, 1530, 1800, 2070, 2340, 2610};
constexpr int PassoJ = 480;

} // namespace

GradeAcoplamentos::GradeAcoplamentos(QWidget* janela, char SepDec, std::function<int()> NProt,
                                     QObject* pai)
    : QObject(pai), SepDec_(SepDec), NProt_(std::move(NProt)) {
    rotuloCabecalho_ = Rotulo(tr("Constantes de Acoplamento"), janela, 10560, 0, 3600, 240);
    rotuloCabecalho_->setFont(FonteCabecalho());
    const QFont negrito = FonteNegrita();
    faixaColunasJ_ = new QWidget(janela);
    faixaColunasJ_->setGeometry(0, Px(240), Px(735), Px(210));
    Rotulo(tr("X(H) ="), faixaColunasJ_, 0, 0, 720, 210)->setFont(negrito);
    for (int k = 0; k < NProtMax - 1; ++k) {
        const auto kk = std::size_t(k);
        rotuloColunaJ_[kk] =
            Rotulo(QString::number(k + 2), faixaColunasJ_, 720 + PassoJ * k, 0, 480, 210);
        rotuloColunaJ_[kk]->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        rotuloColunaJ_[kk]->setFont(negrito);
        const int r = k + 1;
        rotuloLinhaJ_[kk] =
            Rotulo(tr("J (%1,X) = ").arg(r), janela, 0, TopoLinhaJ[r] + 30, 735 + PassoJ * k, 255);
        rotuloLinhaJ_[kk]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        rotuloLinhaJ_[kk]->setFont(negrito);
        for (int c = r + 1; c <= NProtMax; ++c) {
            QLineEdit* t = Caixa(janela, 7560 + PassoJ * (c - 2), TopoLinhaJ[r], 495);
            caixaJ_[std::size_t(r)][std::size_t(c)] = t;
            connect(t, &QLineEdit::returnPressed, this, [this, r, c] { ConfirmaJ(r, c - r - 1); });
            connect(t, &QLineEdit::textEdited, this, &GradeAcoplamentos::Editado);
        }
    }
}

void GradeAcoplamentos::Esconde() {
    faixaColunasJ_->hide();
    rotuloCabecalho_->hide();
}

void GradeAcoplamentos::Prepara() {
    for (int r = 1; r < NProtMax; ++r) {
        rotuloLinhaJ_[std::size_t(r - 1)]->hide();
        rotuloColunaJ_[std::size_t(r - 1)]->hide();
        for (int c = r + 1; c <= NProtMax; ++c) caixaJ(r, c)->hide();
    }
    Esconde();

    const int N = NProt_();
    const int B = EsqTwips(rotuloCabecalho_);
    const int D = (8 - N) * 247;
    for (int r = 1; r <= N - 1; ++r) {
        QLabel* L = rotuloLinhaJ_[std::size_t(r - 1)];
        L->move(Px(D + B), L->y());
        L->show();
        rotuloColunaJ_[std::size_t(r - 1)]->show();
        const int larguraL = 735 + PassoJ * (r - 1);
        for (int c = r + 1; c <= N; ++c) {
            QLineEdit* t = caixaJ(r, c);
            t->move(Px(D + B + larguraL - 15 + (c - r - 1) * PassoJ), t->y());
            t->show();
        }
    }
    if (N < 2) return;
    faixaColunasJ_->setGeometry(Px(D + B), faixaColunasJ_->y(), Px((N - 1) * PassoJ + 735),
                                faixaColunasJ_->height());
    faixaColunasJ_->show();
    rotuloCabecalho_->show();
}

// Row r, box k (J(r, r+k+1)). Rows 1 to 4 walk through the grid; from row 5
// on the next step is "Executar".
void GradeAcoplamentos::ConfirmaJ(int r, int k) {
    if (!NormalizaCaixa(caixaJ(r, r + k + 1), SepDec_)) return;
    emit ExecucaoPedida();
    if (RetemSeInvalida(caixaJ(r, r + k + 1), SepDec_)) return;
    const int N = NProt_();
    if (r >= 5)
        emit PassaAoExecutar();
    else if (k < N - r - 1)
        FocoSelecionado(caixaJ(r, r + k + 2));
    else if (N > r + 1)
        FocoSelecionado(caixaJ(r + 1, r + 2));
}

int GradeAcoplamentos::Fundo() const {
    int fundo = 0;
    for (int r = 1; r < NProtMax; ++r)
        if (const QLineEdit* t = caixaJ(r, r + 1); t && !t->isHidden())
            fundo = std::max(fundo, t->geometry().bottom() + 1);
    return fundo;
}
