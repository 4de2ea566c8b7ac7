#include "inspector/PasseioIntensidade.h"

#include "inspector/Controle.h"
#include "inspector/SetasValor.h"
#include "texto/TextoDecimal.h"
#include "widgets/FlexGrid.h"
#include "widgets/Px.h"

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

PasseioIntensidade::PasseioIntensidade(const EstadoSpin& e, FlexGrid& gradeAutovetores,
                                       FlexGrid& gradeTransicoes, ConsultasInspetor consultas,
                                       std::function<bool()> valido, QWidget* parent)
    : QWidget(parent), e_(e), gradeAutovetores_(gradeAutovetores),
      gradeTransicoes_(gradeTransicoes), consultas_(std::move(consultas)),
      valido_(std::move(valido)) {
    gradeVetorA_ = Controle<FlexGrid>(this, QStringLiteral("gradeVetorA"));
    gradeProduto_ = Controle<FlexGrid>(this, QStringLiteral("gradeProduto"));
    gradeVetorB_ = Controle<FlexGrid>(this, QStringLiteral("gradeVetorB"));
    caixaNivelA_ = Controle<QLineEdit>(this, QStringLiteral("caixaNivelA"));
    caixaNivelB_ = Controle<QLineEdit>(this, QStringLiteral("caixaNivelB"));
    setasNivelA_ = Controle<SetasValor>(this, QStringLiteral("setasNivelA"));
    setasNivelB_ = Controle<SetasValor>(this, QStringLiteral("setasNivelB"));
    // Created in this order, the signs first, as they stack.
    rotuloVezesTransicoes_ = NovoSinal("rotuloVezesTransicoes", "×");
    rotuloVezesVetorB_ = NovoSinal("rotuloVezesVetorB", "×");
    rotuloIgualProduto_ = NovoSinal("rotuloIgualProduto", "=");
    rotuloIgualResultado_ = NovoSinal("rotuloIgualResultado", "=");
    rotuloResultado_ = NovoRotulo("rotuloResultado", QT_TR_NOOP("Resultado"));
    rotuloNivelA_ = NovoRotulo("rotuloNivelA", QT_TR_NOOP("Nível A ="));
    rotuloNivelB_ = NovoRotulo("rotuloNivelB", QT_TR_NOOP("Nível B ="));
    rotuloIntensidade_ = NovoRotulo("rotuloIntensidade", "");
    rotuloIntensidadePrecisa_ = NovoRotulo("rotuloIntensidadePrecisa", "");
    rotuloResultadoPreciso_ = NovoRotulo("rotuloResultadoPreciso", "");
    rotuloMaisPrecisoIntensidade_ =
        NovoRotulo("rotuloMaisPrecisoIntensidade", QT_TR_NOOP("(Mais preciso)"));
    rotuloMaisPrecisoResultado_ =
        NovoRotulo("rotuloMaisPrecisoResultado", QT_TR_NOOP("(Mais preciso)"));
    rotuloValorTabela_ = NovoRotulo("rotuloValorTabela", "");
    MostraControles(false);
    Liga();
}

QLabel* PasseioIntensidade::NovoRotulo(const char* nome, const char* texto) {
    QLabel* l = Controle<QLabel>(this, QString::fromLatin1(nome));
    l->setText(tr(texto));
    return l;
}

// The arithmetic signs between the grids: larger, bold and centred.
QLabel* PasseioIntensidade::NovoSinal(const char* nome, const char* texto) {
    QLabel* l = NovoRotulo(nome, texto);
    QFont sinal = font();
    sinal.setPointSizeF(sinal.pointSizeF() * 1.5);
    sinal.setBold(true);
    l->setFont(sinal);
    l->setAlignment(Qt::AlignCenter);
    return l;
}

void PasseioIntensidade::Liga() {
    connect(caixaNivelA_, &QLineEdit::returnPressed, this, [this] { ConfirmaNivel(1); });
    connect(caixaNivelB_, &QLineEdit::returnPressed, this, [this] { ConfirmaNivel(2); });
    connect(setasNivelA_, &SetasValor::Subiu, this, [this] { MoveNivel(1, true); });
    connect(setasNivelA_, &SetasValor::Desceu, this, [this] { MoveNivel(1, false); });
    connect(setasNivelB_, &SetasValor::Subiu, this, [this] { MoveNivel(2, true); });
    connect(setasNivelB_, &SetasValor::Desceu, this, [this] { MoveNivel(2, false); });
}

// The controls that entering shows; the labels of the results stay as they are.
void PasseioIntensidade::MostraControles(bool visivel) {
    for (QWidget* w : std::initializer_list<QWidget*>{
             gradeVetorA_, gradeProduto_, gradeVetorB_, caixaNivelA_, caixaNivelB_,
             rotuloVezesTransicoes_, rotuloVezesVetorB_, rotuloIgualProduto_, rotuloIgualResultado_,
             rotuloResultado_, rotuloNivelA_, rotuloNivelB_})
        w->setVisible(visivel);
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
    const bool rola = (gradeVetorA_->cols() - 1) * Px(LarguraCelula) + moldura >
                      std::min(larguraVetor, larguraVetor6);
    const int hVetor = 2 * alturaLinha + (rola ? barra : 0) + moldura;
    const int yVetor = gy + gh / 2 - hVetor / 2;

    rotuloNivelA_->setGeometry(Px(120), gy + 4, 70, 20);
    caixaNivelA_->setGeometry(Px(120) + 72, gy + 2, 44, 24);
    setasNivelA_->setGeometry(Px(120) + 118, gy + 2, 18, 24);
    rotuloNivelB_->setGeometry(Px(120), gy + 34, 70, 20);
    caixaNivelB_->setGeometry(Px(120) + 72, gy + 32, 44, 24);
    setasNivelB_->setGeometry(Px(120) + 118, gy + 32, 18, 24);

    gradeVetorA_->setGeometry(Px(120), yVetor, larguraVetor, hVetor);
    rotuloVezesTransicoes_->setGeometry(gx - fx, yVetor, fx, hVetor);
    rotuloIgualProduto_->setGeometry(direita, yVetor, fx - 4, hVetor);
    gradeProduto_->setGeometry(direita + fx - 4, yVetor, larguraVetor6, hVetor);

    const int y7 = yVetor + hVetor + 8;
    const int larguraColuna = Px(300) + Px(LarguraCelula) + barra + moldura;
    rotuloVezesVetorB_->setGeometry(direita, y7, fx - 4, hVetor);
    gradeVetorB_->setGeometry(direita + fx - 4, y7, larguraColuna, std::max(yLimite - 6 - y7, 60));
    const int xRes = direita + fx + larguraColuna + 2;
    rotuloIgualResultado_->setGeometry(xRes, y7, fx - 4, hVetor);
    rotuloResultado_->setGeometry(xRes + fx, y7 + 8, std::max(W - xRes - fx - 8, 60), 20);
    rotuloResultadoPreciso_->setGeometry(xRes + fx, y7 + 32, 90, 20);

    const int yForm = gy + gh + 14;
    const int largura = direita - Px(120);
    rotuloIntensidade_->setGeometry(Px(120), yForm, largura, 20);
    rotuloIntensidadePrecisa_->setGeometry(Px(120), yForm + 26, largura, 20);
    rotuloValorTabela_->setGeometry(Px(120), yForm + 52, largura, 20);
    AlinhaMaisPreciso();
}

// "(Mais preciso)" right after the text it qualifies.
void PasseioIntensidade::AlinhaMaisPreciso() {
    for (auto [a, m] : {std::pair{rotuloIntensidadePrecisa_, rotuloMaisPrecisoIntensidade_},
                        std::pair{rotuloResultadoPreciso_, rotuloMaisPrecisoResultado_}}) {
        const int largura = std::max(a->fontMetrics().horizontalAdvance(a->text()), 40);
        m->setGeometry(a->x() + largura + 8, a->y(), m->sizeHint().width(), a->height());
    }
}

void PasseioIntensidade::PreparaVetores(int n) {
    // The vector grids show the basis-state numbers where the transition grid does.
    std::vector<std::string> cab(std::size_t(n) + 1);
    for (int c = 1; c <= n; ++c) cab[std::size_t(c)] = FormataInteiro(c);
    for (FlexGrid* g : {gradeVetorA_, gradeProduto_}) {
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
    gradeVetorB_->bulkUpdate([&] {
        gradeVetorB_->clear();
        gradeVetorB_->setCols(2);
        gradeVetorB_->setRows(n + 1);
        gradeVetorB_->setRowHeight(0, 0);
        gradeVetorB_->setColWidth(0, 300);
        gradeVetorB_->setColWidth(1, LarguraCelula);
        for (int c = 0; c <= 1; ++c) gradeVetorB_->setColAlignment(c, Qt::AlignCenter);
        for (int r = 1; r <= n; ++r) gradeVetorB_->setTextMatrix(r, 0, FormataInteiro(r));
    });
}

void PasseioIntensidade::Entra() {
    const int n = e_.NEst;
    CorSalva_.recria(2, n);
    setasNivelA_->setRange(1, n);
    setasNivelB_->setRange(1, n);
    setasNivelA_->setValue(1);
    setasNivelB_->setValue(2);
    PreparaVetores(n);
    MostraControles(true);
    rotuloResultado_->setText(tr("Resultado"));
    caixaNivelA_->setText(QStringLiteral("1"));
    caixaNivelB_->setText(QStringLiteral("2"));
    RealcaColuna(1, 1);
    RealcaColuna(2, 2);
    NivelAtualA_ = 1;
    NivelAtualB_ = 2;
    Posiciona(yLimite_);
    MultMatrizes();
}

void PasseioIntensidade::RealcaColuna(int nivel, int QualNivel) {
    for (int r = 1; r <= e_.NEst; ++r) {
        const QString t = gradeAutovetores_.textMatrix(r, nivel);
        if (QualNivel == 1)
            gradeVetorA_->setTextMatrix(1, r, t);
        else
            gradeVetorB_->setTextMatrix(r, 1, t);
        CorSalva_(QualNivel == 1 ? 1 : 2, r) = gradeAutovetores_.cellBackColor(r, nivel).rgb();
        gradeAutovetores_.setCellBackColor(r, nivel, AzulRealce);
        gradeAutovetores_.setCellForeColor(r, nivel, TextoRealce);
    }
}

void PasseioIntensidade::RestauraColuna(int nivel, int QualNivel) {
    for (int r = 1; r <= e_.NEst; ++r) {
        gradeAutovetores_.setCellBackColor(r, nivel,
                                           QColor::fromRgb(CorSalva_(QualNivel == 1 ? 1 : 2, r)));
        gradeAutovetores_.setCellForeColor(r, nivel, Qt::black);
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
    const char sep = consultas_.separadorDecimal();
    const int A = NivelAtualA_, B = NivelAtualB_;
    if (n < 2 || A < 1 || A > n || B < 1 || B > n || gradeTransicoes_.rows() != n + 1) return;

    // From the numbers as shown: the eigenvector cells carry their 2-decimal rounding.
    std::vector<double> T(std::size_t(n + 1) * std::size_t(n + 1));
    for (int r = 1; r <= n; ++r) {
        const QStringList l = gradeTransicoes_.rowTexts(r);
        for (int c = 1; c <= n && c < l.size(); ++c)
            T[std::size_t(r) * std::size_t(n + 1) + std::size_t(c)] = Valor(l[c], sep);
    }
    auto transicao = [&](int r, int c) {
        return T[std::size_t(r) * std::size_t(n + 1) + std::size_t(c)];
    };
    const QStringList vA = gradeVetorA_->rowTexts(1);
    std::vector<std::string> linhaProduto(std::size_t(n) + 1);
    for (int c = 1; c <= n; ++c) {
        double s = 0;
        for (int r = 1; r <= n; ++r) s = s + transicao(r, c) * Valor(vA.value(r), sep);
        linhaProduto[std::size_t(c)] = Texto(s, sep);
    }
    gradeProduto_->setRowTexts(1, linhaProduto);
    double t = 0;
    for (int r = 1; r <= n; ++r)
        t = t + Valor(gradeProduto_->textMatrix(1, r), sep) *
                    Valor(gradeVetorB_->textMatrix(r, 1), sep);

    const QString par = tr("Intensidade da transição %1 – %2 = (").arg(A).arg(B);
    const QString textoT = QString::fromStdString(Texto(t, sep));
    rotuloResultado_->setText(textoT);
    rotuloIntensidade_->setText(par + textoT + QStringLiteral(") ^ 2 = ") +
                                QString::fromStdString(Texto(t * t, sep)));

    // At full precision.
    std::vector<double> u(std::size_t(n) + 1);
    for (int c = 1; c <= n; ++c) {
        double s = 0;
        for (int r = 1; r <= n; ++r) s = s + transicao(r, c) * e_.MatVet(r, A);
        u[std::size_t(c)] = s;
    }
    double x = 0;
    for (int r = 1; r <= n; ++r) x = x + e_.MatVet(r, B) * u[std::size_t(r)];
    const QString textoX = QString::fromStdString(FormataGeral(x, 5, sep));
    rotuloResultadoPreciso_->setText(textoX);
    rotuloIntensidadePrecisa_->setText(par + textoX + QStringLiteral(") ^ 2 = ") +
                                       QString::fromStdString(FormataGeral(x * x, 5, sep)));
    AlinhaMaisPreciso();

    if (!consultas_.tabelaAberta()) {
        rotuloValorTabela_->hide();
        return;
    }
    const int lo = std::min(A, B), hi = std::max(A, B);
    QString valor = tr("Não tem");
    for (std::int32_t b = 1; b <= e_.NBandas; ++b)
        if (e_.NivelA(b) == lo && e_.NivelB(b) == hi) {
            valor = consultas_.textoTabela ? consultas_.textoTabela(int(b), 3) : QString();
            break;
        }
    rotuloValorTabela_->setText(tr("Valor na tabela do espectro: ") + valor);
    rotuloValorTabela_->show();
}

// Enter in a level box. A number outside 1..NEst is taken as the nearest
// end; the other level is the one now chosen, not whatever its box holds.
void PasseioIntensidade::ConfirmaNivel(int QualNivel) {
    if (valido_ && !valido_()) return;
    QLineEdit* caixa = QualNivel == 1 ? caixaNivelA_ : caixaNivelB_;
    const int outro = QualNivel == 1 ? NivelAtualB_ : NivelAtualA_;
    const std::string t = caixa->text().trimmed().toStdString();
    int v = int(std::clamp<long long>(ArredondaParInteiro(ValorInicial(t)), 1, e_.NEst));
    if (t.empty() || v == outro) v = outro == 1 ? 2 : 1;
    caixa->setText(QString::number(v));
    (QualNivel == 1 ? setasNivelA_ : setasNivelB_)->setValue(v);
    if (QualNivel == 1)
        MudaNivel(NivelAtualA_, v, 1);
    else
        MudaNivel(NivelAtualB_, v, 2);
}

void PasseioIntensidade::MoveNivel(int QualNivel, bool cima) {
    SetasValor* sb = QualNivel == 1 ? setasNivelA_ : setasNivelB_;
    const int outro = QualNivel == 1 ? NivelAtualB_ : NivelAtualA_;
    int v = sb->value();
    if (v == outro) {
        if (cima)
            v += outro >= e_.NEst ? -1 : 1;
        else
            v += outro <= 1 ? 1 : -1;
    }
    sb->setValue(v);
    (QualNivel == 1 ? caixaNivelA_ : caixaNivelB_)->setText(QString::number(sb->value()));
    ConfirmaNivel(QualNivel);
}
