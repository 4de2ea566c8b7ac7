#include "inspector/PasseioIntensidade.h"

#include "display/Geometria.h"
#include "inspector/Controle.h"
#include "inspector/SetasValor.h"
#include "run/ArquivoDados.h"
#include "run/TextoDecimal.h"
#include "widgets/FlexGrid.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>

#include <algorithm>
#include <string>
#include <vector>

namespace {

const QColor AzulRealce(0, 0, 192);
const QColor TextoRealce(255, 255, 255);
constexpr int LarguraCelula = 600; // twips

std::string Texto(double x, char SepDec) {
    return FormataNumeroG(x, 15, SepDec);
}

double Valor(const QString& s, char SepDec) {
    return ConverteNumero(s.toStdString(), SepDec).value_or(0);
}

} // namespace

PasseioIntensidade::PasseioIntensidade(EstadoSpin& e, FlexGrid& MSFlexGrid3, FlexGrid& MSFlexGrid4,
                                       std::function<QString(int, int)> textoTabela,
                                       std::function<bool()> valido, QWidget* parent)
    : QWidget(parent), e_(e), MSFlexGrid3_(MSFlexGrid3), MSFlexGrid4_(MSFlexGrid4),
      textoTabela_(std::move(textoTabela)), valido_(std::move(valido)) {
    MSFlexGrid5_ = Controle<FlexGrid>(this, QStringLiteral("MSFlexGrid5"));
    MSFlexGrid6_ = Controle<FlexGrid>(this, QStringLiteral("MSFlexGrid6"));
    MSFlexGrid7_ = Controle<FlexGrid>(this, QStringLiteral("MSFlexGrid7"));
    Text1_ = Controle<QLineEdit>(this, QStringLiteral("Text1"));
    Text2_ = Controle<QLineEdit>(this, QStringLiteral("Text2"));
    SpinButton1_ = Controle<SetasValor>(this, QStringLiteral("SpinButton1"));
    SpinButton2_ = Controle<SetasValor>(this, QStringLiteral("SpinButton2"));
    const char* textos[] = {"×",         "×", "=", "=", "Resultado",      "Nível A =",
                            "Nível B =", "",  "",  "",  "(Mais preciso)", "(Mais preciso)",
                            ""};
    QFont sinal = font();
    sinal.setPointSizeF(sinal.pointSizeF() * 1.5);
    sinal.setBold(true);
    for (int i = 6; i <= 18; ++i) {
        QLabel* l = Label_[std::size_t(i)] =
            Controle<QLabel>(this, QStringLiteral("Label%1").arg(i));
        l->setText(QString::fromUtf8(textos[i - 6]));
        if (i <= 9) {
            l->setFont(sinal);
            l->setAlignment(Qt::AlignCenter);
        }
    }
    MostraControles(false);

    connect(Text1_, &QLineEdit::returnPressed, this, [this] { Text_Enter(1); });
    connect(Text2_, &QLineEdit::returnPressed, this, [this] { Text_Enter(2); });
    connect(SpinButton1_, &SetasValor::Subiu, this, [this] { Spin(1, true); });
    connect(SpinButton1_, &SetasValor::Desceu, this, [this] { Spin(1, false); });
    connect(SpinButton2_, &SetasValor::Subiu, this, [this] { Spin(2, true); });
    connect(SpinButton2_, &SetasValor::Desceu, this, [this] { Spin(2, false); });
}

// The controls that entering shows; the labels of the results stay as they are.
void PasseioIntensidade::MostraControles(bool visivel) {
    for (QWidget* w :
         std::initializer_list<QWidget*>{MSFlexGrid5_, MSFlexGrid6_, MSFlexGrid7_, Text1_, Text2_})
        w->setVisible(visivel);
    for (int i = 6; i <= 12; ++i) Label_[std::size_t(i)]->setVisible(visivel);
}

void PasseioIntensidade::Posiciona(int yLimite) {
    const int W = width();
    const int fx = Px(600), gx = Px(6000), gw = Px(3000), gy = Px(330), gh = Px(2500);
    yLimite_ = yLimite;
    const int alturaLinha = Px(240), moldura = 2;
    const int barra = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    // Room for the horizontal scroll bar only when the row vector needs it.
    const int direita = gx + gw + 4;
    const int larguraVetor = gx - Px(120) - fx;
    const int larguraVetor6 = std::max(W - direita - fx - 4, 60);
    const bool rola = (MSFlexGrid5_->cols() - 1) * Px(LarguraCelula) + moldura >
                      std::min(larguraVetor, larguraVetor6);
    const int hVetor = 2 * alturaLinha + (rola ? barra : 0) + moldura;
    const int yVetor = gy + gh / 2 - hVetor / 2;

    Label_[11]->setGeometry(Px(120), gy + 4, 70, 20);
    Text1_->setGeometry(Px(120) + 72, gy + 2, 44, 24);
    SpinButton1_->setGeometry(Px(120) + 118, gy + 2, 18, 24);
    Label_[12]->setGeometry(Px(120), gy + 34, 70, 20);
    Text2_->setGeometry(Px(120) + 72, gy + 32, 44, 24);
    SpinButton2_->setGeometry(Px(120) + 118, gy + 32, 18, 24);

    MSFlexGrid5_->setGeometry(Px(120), yVetor, larguraVetor, hVetor);
    Label_[6]->setGeometry(gx - fx, yVetor, fx, hVetor);
    Label_[8]->setGeometry(direita, yVetor, fx - 4, hVetor);
    MSFlexGrid6_->setGeometry(direita + fx - 4, yVetor, larguraVetor6, hVetor);

    const int y7 = yVetor + hVetor + 8;
    const int larguraColuna = Px(300) + Px(LarguraCelula) + barra + moldura;
    Label_[7]->setGeometry(direita, y7, fx - 4, hVetor);
    MSFlexGrid7_->setGeometry(direita + fx - 4, y7, larguraColuna, std::max(yLimite - 6 - y7, 60));
    const int xRes = direita + fx + larguraColuna + 2;
    Label_[9]->setGeometry(xRes, y7, fx - 4, hVetor);
    Label_[10]->setGeometry(xRes + fx, y7 + 8, std::max(W - xRes - fx - 8, 60), 20);
    Label_[15]->setGeometry(xRes + fx, y7 + 32, 90, 20);

    const int yForm = gy + gh + 14;
    const int largura = direita - Px(120);
    Label_[13]->setGeometry(Px(120), yForm, largura, 20);
    Label_[14]->setGeometry(Px(120), yForm + 26, largura, 20);
    Label_[18]->setGeometry(Px(120), yForm + 52, largura, 20);
    AlinhaMaisPreciso();
}

// "(Mais preciso)" right after the text it qualifies.
void PasseioIntensidade::AlinhaMaisPreciso() {
    for (auto [alvo, marca] : {std::pair{14, 16}, std::pair{15, 17}}) {
        const QLabel* a = Label_[std::size_t(alvo)];
        const int largura = std::max(a->fontMetrics().horizontalAdvance(a->text()), 40);
        QLabel* m = Label_[std::size_t(marca)];
        m->setGeometry(a->x() + largura + 8, a->y(), m->sizeHint().width(), a->height());
    }
}

void PasseioIntensidade::PreparaVetores(int n) {
    // The vector grids show the basis-state numbers where the transition grid does.
    std::vector<std::string> cab(std::size_t(n) + 1);
    for (int c = 1; c <= n; ++c) cab[std::size_t(c)] = FormataInteiro(c);
    for (FlexGrid* g : {MSFlexGrid5_, MSFlexGrid6_}) {
        g->bulkUpdate([&] {
            g->clear();
            g->setRows(2);
            g->setCols(n + 1);
            g->setColWidth(0, 0);
            g->setColWidths(1, n, LarguraCelula);
            for (int c = 0; c <= n; ++c) g->setColAlignment(c, Qt::AlignCenter);
            g->setRowTexts(0, cab);
        });
    }
    MSFlexGrid7_->bulkUpdate([&] {
        MSFlexGrid7_->clear();
        MSFlexGrid7_->setCols(2);
        MSFlexGrid7_->setRows(n + 1);
        MSFlexGrid7_->setRowHeight(0, 0);
        MSFlexGrid7_->setColWidth(0, 300);
        MSFlexGrid7_->setColWidth(1, LarguraCelula);
        for (int c = 0; c <= 1; ++c) MSFlexGrid7_->setColAlignment(c, Qt::AlignCenter);
        for (int r = 1; r <= n; ++r) MSFlexGrid7_->setTextMatrix(r, 0, FormataInteiro(r));
    });
}

void PasseioIntensidade::Entra() {
    const int n = e_.NEst;
    CorSalva_.recria(2, n);
    SpinButton1_->setRange(1, n);
    SpinButton2_->setRange(1, n);
    SpinButton1_->setValue(1);
    SpinButton2_->setValue(2);
    PreparaVetores(n);
    MostraControles(true);
    Label_[10]->setText(QStringLiteral("Resultado"));
    Text1_->setText(QStringLiteral("1"));
    Text2_->setText(QStringLiteral("2"));
    RealcaColuna(1, 1);
    RealcaColuna(2, 2);
    NivelAtualA_ = 1;
    NivelAtualB_ = 2;
    Posiciona(yLimite_);
    MultMatrizes();
}

void PasseioIntensidade::RealcaColuna(int nivel, int QualNivel) {
    for (int r = 1; r <= e_.NEst; ++r) {
        const QString t = MSFlexGrid3_.textMatrix(r, nivel);
        if (QualNivel == 1)
            MSFlexGrid5_->setTextMatrix(1, r, t);
        else
            MSFlexGrid7_->setTextMatrix(r, 1, t);
        CorSalva_(QualNivel == 1 ? 1 : 2, r) = MSFlexGrid3_.cellBackColor(r, nivel).rgb();
        MSFlexGrid3_.setCellBackColor(r, nivel, AzulRealce);
        MSFlexGrid3_.setCellForeColor(r, nivel, TextoRealce);
    }
}

void PasseioIntensidade::RestauraColuna(int nivel, int QualNivel) {
    for (int r = 1; r <= e_.NEst; ++r) {
        MSFlexGrid3_.setCellBackColor(r, nivel,
                                      QColor::fromRgb(CorSalva_(QualNivel == 1 ? 1 : 2, r)));
        MSFlexGrid3_.setCellForeColor(r, nivel, Qt::black);
    }
}

void PasseioIntensidade::MudaNivel(int& NivelVelho, int NivelNovo, int QualNivel) {
    if (NivelNovo < 1 || NivelNovo > e_.NEst) return;
    const int velho = NivelVelho;
    RestauraColuna(velho, QualNivel);
    RealcaColuna(NivelNovo, QualNivel);
    (QualNivel == 1 ? NivelAtualA_ : NivelAtualB_) = NivelNovo;
    NivelVelho = NivelNovo;
    MultMatrizes();
}

void PasseioIntensidade::MultMatrizes() {
    const int n = e_.NEst;
    const char sep = e_.SepDec;
    const int A = NivelAtualA_, B = NivelAtualB_;
    if (n < 2 || A < 1 || A > n || B < 1 || B > n || MSFlexGrid4_.rows() != n + 1) return;

    // From the numbers as shown: the eigenvector cells carry their 2-decimal rounding.
    std::vector<double> T(std::size_t(n + 1) * std::size_t(n + 1));
    for (int r = 1; r <= n; ++r) {
        const QStringList l = MSFlexGrid4_.rowTexts(r);
        for (int c = 1; c <= n && c < l.size(); ++c)
            T[std::size_t(r) * std::size_t(n + 1) + std::size_t(c)] = Valor(l[c], sep);
    }
    auto t4 = [&](int r, int c) { return T[std::size_t(r) * std::size_t(n + 1) + std::size_t(c)]; };
    const QStringList vA = MSFlexGrid5_->rowTexts(1);
    std::vector<std::string> linha6(std::size_t(n) + 1);
    for (int c = 1; c <= n; ++c) {
        double s = 0;
        for (int r = 1; r <= n; ++r) s = s + t4(r, c) * Valor(vA.value(r), sep);
        linha6[std::size_t(c)] = Texto(s, sep);
    }
    MSFlexGrid6_->setRowTexts(1, linha6);
    double t = 0;
    for (int r = 1; r <= n; ++r)
        t = t +
            Valor(MSFlexGrid6_->textMatrix(1, r), sep) * Valor(MSFlexGrid7_->textMatrix(r, 1), sep);

    const QString par = QStringLiteral("Intensidade da transição %1 – %2 = (").arg(A).arg(B);
    const QString textoT = QString::fromStdString(Texto(t, sep));
    Label_[10]->setText(textoT);
    Label_[13]->setText(par + textoT + QStringLiteral(") ^ 2 = ") +
                        QString::fromStdString(Texto(t * t, sep)));

    // At full precision.
    std::vector<double> u(std::size_t(n) + 1);
    for (int c = 1; c <= n; ++c) {
        double s = 0;
        for (int r = 1; r <= n; ++r) s = s + t4(r, c) * e_.MatVet(r, A);
        u[std::size_t(c)] = s;
    }
    double x = 0;
    for (int r = 1; r <= n; ++r) x = x + e_.MatVet(r, B) * u[std::size_t(r)];
    const QString textoX = QString::fromStdString(FormataGeral(x, 5, sep));
    Label_[15]->setText(textoX);
    Label_[14]->setText(par + textoX + QStringLiteral(") ^ 2 = ") +
                        QString::fromStdString(FormataGeral(x * x, 5, sep)));
    AlinhaMaisPreciso();

    if (!e_.ComTabela) {
        Label_[18]->hide();
        return;
    }
    const int lo = std::min(A, B), hi = std::max(A, B);
    QString valor = QStringLiteral("Não tem");
    for (std::int32_t b = 1; b <= e_.NBandas; ++b)
        if (e_.NivelA(b) == lo && e_.NivelB(b) == hi) {
            valor = textoTabela_ ? textoTabela_(int(b), 3) : QString();
            break;
        }
    Label_[18]->setText(QStringLiteral("Valor na tabela do espectro: ") + valor);
    Label_[18]->show();
}

// Enter in a level box. A number outside 1..NEst is taken as the nearest
// end; the other level is the one now chosen, not whatever its box holds.
void PasseioIntensidade::Text_Enter(int QualNivel) {
    if (valido_ && !valido_()) return;
    QLineEdit* caixa = QualNivel == 1 ? Text1_ : Text2_;
    const int outro = QualNivel == 1 ? NivelAtualB_ : NivelAtualA_;
    const std::string t = caixa->text().trimmed().toStdString();
    int v = int(std::clamp<long long>(ArredondaParInteiro(ValorInicial(t)), 1, e_.NEst));
    if (t.empty() || v == outro) v = outro == 1 ? 2 : 1;
    caixa->setText(QString::number(v));
    (QualNivel == 1 ? SpinButton1_ : SpinButton2_)->setValue(v);
    if (QualNivel == 1)
        MudaNivel(NivelAtualA_, v, 1);
    else
        MudaNivel(NivelAtualB_, v, 2);
}

void PasseioIntensidade::Spin(int QualNivel, bool cima) {
    SetasValor* sb = QualNivel == 1 ? SpinButton1_ : SpinButton2_;
    const int outro = QualNivel == 1 ? NivelAtualB_ : NivelAtualA_;
    int v = sb->value();
    if (v == outro) {
        if (cima)
            v += outro >= e_.NEst ? -1 : 1;
        else
            v += outro <= 1 ? 1 : -1;
    }
    sb->setValue(v);
    (QualNivel == 1 ? Text1_ : Text2_)->setText(QString::number(sb->value()));
    Text_Enter(QualNivel);
}
