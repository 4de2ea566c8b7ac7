#include "inspector/JanelaMatrizes.h"

#include "inspector/Controle.h"
#include "inspector/GradeMatriz.h"
#include "inspector/JanelaVerificacoes.h"
#include "inspector/PasseioIntensidade.h"
#include "texto/TextoDecimal.h"
#include "widgets/Ampulheta.h"
#include "widgets/FlexGrid.h"
#include "widgets/Px.h"

#include <QClipboard>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// The button reads one way until the grids are first built and the other,
// misspelt, after every rebuild: users know both.
const char* const TextoBotaoPasseio =
    QT_TRANSLATE_NOOP("JanelaMatrizes", "Cálculo de Instensidade (Máximo 5 prótons)");
const char* const TextoBotaoPasseioInicial =
    QT_TRANSLATE_NOOP("JanelaMatrizes", "Cálculo de Intensidade (Máximo 5 prótons)");

// The size the window opens with, and the places that do not follow its size, twips.
constexpr int LarguraJanela = 15000, AlturaJanela = 10350;
constexpr int XRotuloTransicoes = 10800, XRotuloTransicoesPasseio = 6000;
constexpr int XGradeTransicoesPasseio = 6000, LarguraGradeTransicoesPasseio = 3000,
              AlturaGradeTransicoesPasseio = 2500;
// What keeps its size, pixels: the margins, the title rows and the gap above
// the second, the buttons, the gaps around them and what a button adds to
// its text.
constexpr int Margem = 8, YTitulo = 4, AlturaTitulo = 18, EspacoTitulo = 4;
constexpr int AlturaBotao = 28, EspacoBotoes = 8, FolgaBotao = 16;
constexpr int AlturaFixa = YTitulo + 2 * AlturaTitulo + EspacoTitulo + EspacoBotoes + AlturaBotao;

enum Linha {
    LinhaTitulos,
    LinhaDeCima,
    LinhaTitulosDeBaixo,
    LinhaDeBaixo,
    LinhaBotoes,
    LinhaSobra
};
enum Coluna { ColunaEsquerda, IntervaloMeio, ColunaDireita, IntervaloDireita };

int Arredonda(double x) {
    return int(std::lround(x));
}

// As wide as its text needs and a little more, and as high as the button row.
class BotaoComFolga : public QPushButton {
  public:
    using QPushButton::QPushButton;
    QSize sizeHint() const override {
        return {QPushButton::sizeHint().width() + FolgaBotao, AlturaBotao};
    }
};

// At the size the window opens with the grids take 55 % and 40 % of the
// width, the right column centred in what the left one leaves, and 40 % of
// the height each; at any size the room the fixed parts leave is shared in
// those proportions.
void Proporcoes(QGridLayout& g) {
    const int W = Px(LarguraJanela), H = Px(AlturaJanela);
    const int esquerda = Arredonda(0.55 * W), direita = Arredonda(0.40 * W);
    const int intervalo = (W - Margem - esquerda - direita) / 2;
    const int linha = Arredonda(0.40 * H);
    g.setColumnStretch(ColunaEsquerda, esquerda);
    g.setColumnStretch(IntervaloMeio, intervalo);
    g.setColumnStretch(ColunaDireita, direita);
    g.setColumnStretch(IntervaloDireita, intervalo);
    g.setRowStretch(LinhaDeCima, linha);
    g.setRowStretch(LinhaDeBaixo, linha);
    g.setRowStretch(LinhaSobra, H - AlturaFixa - 2 * linha);
}

} // namespace

JanelaMatrizes::JanelaMatrizes(const EstadoSpin& e, ConsultasInspetor consultas, QWidget* parent)
    : QWidget(parent), e_(e), consultas_(std::move(consultas)) {
    setWindowFlag(Qt::Window);
    setWindowTitle(tr("Matrizes"));
    setObjectName(QStringLiteral("JanelaMatrizes"));
    setFocusPolicy(Qt::StrongFocus);

    gradeHamiltoniana_ = Controle<FlexGrid>(this, QStringLiteral("gradeHamiltoniana"));
    gradeAutovalores_ = Controle<FlexGrid>(this, QStringLiteral("gradeAutovalores"));
    gradeAutovetores_ = Controle<FlexGrid>(this, QStringLiteral("gradeAutovetores"));
    gradeTransicoes_ = Controle<FlexGrid>(this, QStringLiteral("gradeTransicoes"));
    // Beneath the grids: the window shows it only in the walkthrough.
    passeio_ = new PasseioIntensidade(
        e_, *gradeAutovetores_, *gradeTransicoes_, consultas_, [this] { return GradesAtuais(); },
        this);
    passeio_->setObjectName(QStringLiteral("PasseioIntensidade"));
    passeio_->lower();
    passeio_->hide();
    for (FlexGrid* g : {gradeHamiltoniana_, gradeAutovalores_, gradeAutovetores_, gradeTransicoes_})
        for (QWidget* w :
             {g->viewport(), g->horizontalHeader()->viewport(), g->verticalHeader()->viewport()})
            w->installEventFilter(this);

    rotuloHamiltoniana_ = NovoTitulo("rotuloHamiltoniana", tr("Matriz H (Matriz hamiltoniana)"));
    rotuloAutovalores_ = NovoTitulo("rotuloAutovalores", tr("Matriz A (Auto-valores)"));
    rotuloAutovetores_ = NovoTitulo("rotuloAutovetores", tr("Matriz V (Auto-vetores)"));
    rotuloTransicoes_ = NovoTitulo("rotuloTransicoes", tr("Matriz de Transição"));

    CriaBotoes();
    CriaDisposicao();
    resize(Px(LarguraJanela), Px(AlturaJanela));
    Posiciona();
}

JanelaMatrizes::~JanelaMatrizes() = default;

void JanelaMatrizes::CriaBotoes() {
    botaoEspectro_ = Controle<BotaoComFolga>(this, QStringLiteral("botaoEspectro"));
    botaoEspectro_->setText(tr("Espectro Simulado"));
    botaoPasseio_ = Controle<BotaoComFolga>(this, QStringLiteral("botaoPasseio"));
    botaoPasseio_->setText(tr(TextoBotaoPasseioInicial));
    botaoVerificacoes_ = Controle<BotaoComFolga>(this, QStringLiteral("botaoVerificacoes"));
    botaoVerificacoes_->setText(tr("Verificações"));
    connect(botaoEspectro_, &QPushButton::clicked, this, &JanelaMatrizes::EspectroSimulado);
    connect(botaoPasseio_, &QPushButton::clicked, this, &JanelaMatrizes::AlternaPasseio);
    connect(botaoVerificacoes_, &QPushButton::clicked, this, &JanelaMatrizes::AbreVerificacoes);
}

void JanelaMatrizes::CriaDisposicao() {
    auto* g = disposicao_ = new QGridLayout(this);
    // The window may be made as small as the user likes.
    g->setSizeConstraint(QLayout::SetNoConstraint);
    g->setContentsMargins(Margem, YTitulo, 0, 0);
    g->setSpacing(0);
    g->addWidget(rotuloHamiltoniana_, LinhaTitulos, ColunaEsquerda);
    g->addWidget(gradeHamiltoniana_, LinhaDeCima, ColunaEsquerda);
    g->addWidget(gradeTransicoes_, LinhaDeCima, ColunaDireita);
    g->addWidget(rotuloAutovalores_, LinhaTitulosDeBaixo, ColunaEsquerda, Qt::AlignBottom);
    g->addWidget(rotuloAutovetores_, LinhaTitulosDeBaixo, ColunaDireita, Qt::AlignBottom);
    g->addWidget(gradeAutovalores_, LinhaDeBaixo, ColunaEsquerda);
    g->addWidget(gradeAutovetores_, LinhaDeBaixo, ColunaDireita);
    auto* botoes = new QHBoxLayout;
    botoes->setContentsMargins(0, EspacoBotoes, 0, 0);
    botoes->setSpacing(EspacoBotoes);
    for (QPushButton* b : {botaoEspectro_, botaoPasseio_, botaoVerificacoes_}) botoes->addWidget(b);
    botoes->addStretch();
    g->addLayout(botoes, LinhaBotoes, ColunaEsquerda, 1, IntervaloDireita + 1);
    // Kept while the walkthrough hides the titles.
    g->setRowMinimumHeight(LinhaTitulos, AlturaTitulo);
    g->setRowMinimumHeight(LinhaTitulosDeBaixo, EspacoTitulo + AlturaTitulo);
    Proporcoes(*g);
}

// The layout applied now rather than at the next turn of the event loop:
// the walkthrough is placed from it at once.
void JanelaMatrizes::AplicaDisposicao() {
    disposicao_->invalidate();
    disposicao_->activate();
}

QLabel* JanelaMatrizes::NovoTitulo(const char* nome, const QString& texto) {
    auto* l = Controle<QLabel>(this, QString::fromLatin1(nome));
    l->setText(texto);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    l->setFixedHeight(AlturaTitulo);
    return l;
}

bool JanelaMatrizes::event(QEvent* ev) {
    if (ev->type() == QEvent::WindowActivate) AtualizaGrades();
    return QWidget::event(ev);
}

void JanelaMatrizes::showEvent(QShowEvent* ev) {
    QWidget::showEvent(ev);
    AtualizaGrades();
}

void JanelaMatrizes::resizeEvent(QResizeEvent* ev) {
    QWidget::resizeEvent(ev);
    Posiciona();
}

void JanelaMatrizes::ResultadosNovos() {
    gradesDesatualizadas_ = true;
}

void JanelaMatrizes::AtualizaGrades() {
    if (!gradesDesatualizadas_) return;
    Reconstroi();
    gradesDesatualizadas_ = false;
}

bool JanelaMatrizes::GradesAtuais() {
    if (!gradesDesatualizadas_) return true;
    AtualizaGrades();
    return false;
}

void JanelaMatrizes::Reconstroi() {
    const Ampulheta ampulheta;
    const bool poucos = e_.NProt >= 1 && e_.NProt < 6;
    botaoPasseio_->setEnabled(poucos);
    botaoVerificacoes_->setEnabled(poucos);
    botaoPasseio_->setText(tr(TextoBotaoPasseio));
    MostraMatrizes();
    PreencheGrades();
    impressos_.clear();
    update();
}

void JanelaMatrizes::MostraMatrizes() {
    noPasseio_ = false;
    passeio_->hide();
    for (QWidget* w :
         std::initializer_list<QWidget*>{gradeHamiltoniana_, gradeAutovalores_, gradeAutovetores_,
                                         gradeTransicoes_, rotuloHamiltoniana_, rotuloAutovalores_})
        w->show();
    if (disposicao_->indexOf(gradeTransicoes_) < 0)
        disposicao_->addWidget(gradeTransicoes_, LinhaDeCima, ColunaDireita);
    AplicaDisposicao();
    Posiciona();
}

// The walkthrough in place of the left column, the transition grid small
// beside it.
void JanelaMatrizes::MostraPasseio() {
    noPasseio_ = true;
    for (QWidget* w : std::initializer_list<QWidget*>{gradeHamiltoniana_, gradeAutovalores_,
                                                      rotuloHamiltoniana_, rotuloAutovalores_})
        w->hide();
    disposicao_->removeWidget(gradeTransicoes_);
    AplicaDisposicao();
    Posiciona();
    passeio_->show();
    passeio_->Entra();
}

void JanelaMatrizes::PreencheGrades() {
    const EstadoSpin& e = e_;
    const char sep = consultas_.separadorDecimal();
    const int n = std::max(0, std::min({e.NEst, e.MatHam.linhas(), e.MatDiag.linhas(),
                                        e.MatVet.linhas(), e.MatTrans.linhas()}));
    PreencheMatriz(
        *gradeHamiltoniana_, n, 300, 1200,
        [&](int r, int c) { return FormataGeral(e.MatHam(c, r), 2, sep); },
        [&](int r, int c) { return e.MatHam(c, r) == 0; });
    PreencheMatriz(
        *gradeAutovalores_, n, 300, 1200,
        [&](int r, int c) { return FormataGeral(e.MatDiag(c, r), 2, sep); },
        [&](int r, int c) { return ZeroSeisCasas(e.MatDiag(c, r)); });
    PreencheMatriz(
        *gradeAutovetores_, n, 300, 600,
        [&](int r, int c) { return FormataGeral(e.MatVet(r, c), 2, sep); },
        [&](int r, int c) { return ZeroSeisCasas(e.MatVet(r, c)); });
    PreencheMatriz(
        *gradeTransicoes_, n, 300, 300,
        [&](int r, int c) { return FormataInteiro(e.MatTrans(c, r)); }, nullptr);
}

// What the layout does not place: the transition matrix's title, which
// keeps its place whatever the width, and in the walkthrough the transition
// grid beside it, small, above the walkthrough's own controls.
void JanelaMatrizes::Posiciona() {
    if (!noPasseio_) {
        const int x = Px(XRotuloTransicoes);
        rotuloTransicoes_->setGeometry(x, YTitulo, std::max(width() - x, 40), AlturaTitulo);
        return;
    }
    const int largura = Px(LarguraGradeTransicoesPasseio);
    rotuloTransicoes_->setGeometry(Px(XRotuloTransicoesPasseio), YTitulo, largura, AlturaTitulo);
    gradeTransicoes_->setGeometry(Px(XGradeTransicoesPasseio), YTitulo + AlturaTitulo, largura,
                                  Px(AlturaGradeTransicoesPasseio));
    passeio_->setGeometry(rect());
    passeio_->Posiciona(gradeAutovetores_->y() - AlturaTitulo);
}

// The symmetry check prints beside the buttons, and not left of the right column.
QPoint JanelaMatrizes::InicioImpressao() const {
    const QRect ultimo = botaoVerificacoes_->geometry();
    return {std::max(ultimo.x() + ultimo.width() + 2 * EspacoBotoes, gradeAutovetores_->x()),
            ultimo.y()};
}

void JanelaMatrizes::AlternaPasseio() {
    // A click can reach the window before its activation does: the last run
    // is shown first.
    const bool entra = !noPasseio_;
    const bool atual = GradesAtuais();
    if (!entra) {
        if (atual) Reconstroi(); // back to the four matrices
        setFocus();
        return;
    }
    if (e_.NProt < 1 || e_.NProt >= 6 || gradeAutovetores_->rows() != e_.NEst + 1) return;
    botaoPasseio_->setText(tr("Retorno Matrizes"));
    setFocus();
    MostraPasseio();
}

void JanelaMatrizes::AbreVerificacoes() {
    GradesAtuais();
    if (e_.NProt < 1 || e_.NProt >= 6) return;
    JanelaVerificacoes f(this);
    f.Preenche(e_, consultas_.separadorDecimal());
    f.exec();
}

bool JanelaMatrizes::eventFilter(QObject* obj, QEvent* ev) {
    if (ev->type() != QEvent::MouseButtonDblClick && ev->type() != QEvent::MouseButtonPress)
        return QWidget::eventFilter(obj, ev);
    FlexGrid* grade = nullptr;
    for (FlexGrid* g : {gradeHamiltoniana_, gradeAutovalores_, gradeAutovetores_, gradeTransicoes_})
        if (obj == g->viewport() || obj == g->horizontalHeader()->viewport() ||
            obj == g->verticalHeader()->viewport())
            grade = g;
    if (!grade) return QWidget::eventFilter(obj, ev);
    const auto* me = static_cast<QMouseEvent*>(ev);
    if (ev->type() == QEvent::MouseButtonDblClick) {
        QClipboard* cb = QGuiApplication::clipboard();
        cb->clear();
        cb->setText(TextoCopiaGrade(*grade));
    } else if (grade == gradeTransicoes_ && me->button() == Qt::RightButton &&
               me->modifiers() == Qt::ShiftModifier) {
        VerificaSimetria();
    }
    return false;
}

void JanelaMatrizes::VerificaSimetria() {
    const int n = std::min(e_.NEst, e_.MatTrans.linhas());
    long long soma = 0;
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= n; ++j)
            if (i != j) soma += std::abs(e_.MatTrans(i, j) - e_.MatTrans(j, i));
    Imprime(QString::fromStdString(FormataInteiro(soma)));
}

void JanelaMatrizes::Imprime(const QString& s) {
    if (impressos_.empty()) posImpressao_ = InicioImpressao();
    impressos_.push_back({posImpressao_, s});
    posImpressao_.ry() += fontMetrics().lineSpacing();
    update();
}

QStringList JanelaMatrizes::TextoImpresso() const {
    QStringList l;
    for (const Impressao& i : impressos_) l.append(i.texto);
    return l;
}

void JanelaMatrizes::paintEvent(QPaintEvent*) {
    if (impressos_.empty()) return;
    QPainter p(this);
    p.setPen(palette().color(QPalette::WindowText));
    const int subida = fontMetrics().ascent();
    for (const Impressao& i : impressos_) p.drawText(i.pos + QPoint(0, subida), i.texto);
}
