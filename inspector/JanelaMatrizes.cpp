#include "inspector/JanelaMatrizes.h"

#include "display/Geometria.h"
#include "inspector/Controle.h"
#include "inspector/GradeMatriz.h"
#include "inspector/JanelaVerificacoes.h"
#include "inspector/PasseioIntensidade.h"
#include "run/TextoDecimal.h"
#include "widgets/Ampulheta.h"
#include "widgets/FlexGrid.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

const QString TextoCommand5 = QStringLiteral("Cálculo de Instensidade (Máximo 5 prótons)");
const QString TextoCommand5Projeto = QStringLiteral("Cálculo de Intensidade (Máximo 5 prótons)");

// Window design at 96 dpi, twips.
constexpr int LarguraJanela = 15000, AlturaJanela = 10350;
constexpr int XLabel5 = 10800, XLabel5Passeio = 6000;
constexpr int XGrade4Passeio = 6000, LarguraGrade4Passeio = 3000, AlturaGrade4Passeio = 2500;
constexpr int Margem = 8, YTitulo = 4, AlturaTitulo = 18, AlturaBotao = 28;

int Arredonda(double x) {
    return int(std::lround(x));
}

} // namespace

JanelaMatrizes::JanelaMatrizes(EstadoSpin& e, std::function<QString(int, int)> textoTabela,
                               QWidget* parent)
    : QWidget(parent), e_(e), textoTabela_(std::move(textoTabela)) {
    setWindowFlag(Qt::Window);
    setWindowTitle(QStringLiteral("Matrizes"));
    setObjectName(QStringLiteral("JanelaMatrizes"));
    setFocusPolicy(Qt::StrongFocus);

    MSFlexGrid1_ = Controle<FlexGrid>(this, QStringLiteral("MSFlexGrid1"));
    MSFlexGrid2_ = Controle<FlexGrid>(this, QStringLiteral("MSFlexGrid2"));
    MSFlexGrid3_ = Controle<FlexGrid>(this, QStringLiteral("MSFlexGrid3"));
    MSFlexGrid4_ = Controle<FlexGrid>(this, QStringLiteral("MSFlexGrid4"));
    // Beneath the grids: the window shows it only in the walkthrough.
    passeio_ = new PasseioIntensidade(
        e_, *MSFlexGrid3_, *MSFlexGrid4_, textoTabela_, [this] { return GradesAtuais(); }, this);
    passeio_->setObjectName(QStringLiteral("PasseioIntensidade"));
    passeio_->lower();
    passeio_->hide();
    for (FlexGrid* g : {MSFlexGrid1_, MSFlexGrid2_, MSFlexGrid3_, MSFlexGrid4_})
        for (QWidget* w :
             {g->viewport(), g->horizontalHeader()->viewport(), g->verticalHeader()->viewport()})
            w->installEventFilter(this);

    Label1_ = NovoTitulo("Label1", QStringLiteral("Matriz H (Matriz hamiltoniana)"));
    Label2_ = NovoTitulo("Label2", QStringLiteral("Matriz A (Auto-valores)"));
    Label3_ = NovoTitulo("Label3", QStringLiteral("Matriz V (Auto-vetores)"));
    Label5_ = NovoTitulo("Label5", QStringLiteral("Matriz de Transição"));

    Command1_ = Controle<QPushButton>(this, QStringLiteral("Command1"));
    Command1_->setText(QStringLiteral("Espectro Simulado"));
    Command5_ = Controle<QPushButton>(this, QStringLiteral("Command5"));
    Command5_->setText(TextoCommand5Projeto);
    Command3_ = Controle<QPushButton>(this, QStringLiteral("Command3"));
    Command3_->setText(QStringLiteral("Verificações"));
    connect(Command1_, &QPushButton::clicked, this, &JanelaMatrizes::EspectroSimulado);
    connect(Command5_, &QPushButton::clicked, this, &JanelaMatrizes::Command5_Click);
    connect(Command3_, &QPushButton::clicked, this, &JanelaMatrizes::Command3_Click);

    resize(Px(LarguraJanela), Px(AlturaJanela));
    Posiciona();
}

JanelaMatrizes::~JanelaMatrizes() = default;

QLabel* JanelaMatrizes::NovoTitulo(const char* nome, const QString& texto) {
    auto* l = Controle<QLabel>(this, QString::fromLatin1(nome));
    l->setText(texto);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    return l;
}

bool JanelaMatrizes::event(QEvent* ev) {
    if (ev->type() == QEvent::WindowActivate) Form_Activate();
    return QWidget::event(ev);
}

void JanelaMatrizes::showEvent(QShowEvent* ev) {
    QWidget::showEvent(ev);
    Form_Activate();
}

void JanelaMatrizes::resizeEvent(QResizeEvent* ev) {
    QWidget::resizeEvent(ev);
    Posiciona();
}

void JanelaMatrizes::Form_Activate() {
    // A window opened after the flag was cleared still has to show something.
    if (!e_.MatrizesPend && construida_) return;
    Reconstroi();
    e_.MatrizesPend = false;
}

bool JanelaMatrizes::GradesAtuais() {
    if (!e_.MatrizesPend) return true;
    Form_Activate();
    return false;
}

void JanelaMatrizes::Reconstroi() {
    const Ampulheta ampulheta;
    const bool poucos = e_.NProt >= 1 && e_.NProt < 6;
    Command5_->setEnabled(poucos);
    Command3_->setEnabled(poucos);
    Command5_->setText(TextoCommand5);
    noPasseio_ = false;
    passeio_->hide();
    for (QWidget* w : std::initializer_list<QWidget*>{MSFlexGrid1_, MSFlexGrid2_, MSFlexGrid3_,
                                                      MSFlexGrid4_, Label1_, Label2_})
        w->show();
    Posiciona();
    PreencheGrades();
    impressos_.clear();
    construida_ = true;
    update();
}

void JanelaMatrizes::PreencheGrades() {
    const EstadoSpin& e = e_;
    const char sep = e.SepDec;
    const int n = std::max(0, std::min({e.NEst, e.MatHam.linhas(), e.MatDiag.linhas(),
                                        e.MatVet.linhas(), e.MatTrans.linhas()}));
    PreencheMatriz(
        *MSFlexGrid1_, n, 300, 1200,
        [&](int r, int c) { return FormataGeral(e.MatHam(c, r), 2, sep); },
        [&](int r, int c) { return e.MatHam(c, r) == 0; });
    PreencheMatriz(
        *MSFlexGrid2_, n, 300, 1200,
        [&](int r, int c) { return FormataGeral(e.MatDiag(c, r), 2, sep); },
        [&](int r, int c) { return ZeroSeisCasas(e.MatDiag(c, r)); });
    PreencheMatriz(
        *MSFlexGrid3_, n, 300, 600,
        [&](int r, int c) { return FormataGeral(e.MatVet(r, c), 2, sep); },
        [&](int r, int c) { return ZeroSeisCasas(e.MatVet(r, c)); });
    PreencheMatriz(
        *MSFlexGrid4_, n, 300, 300, [&](int r, int c) { return FormataInteiro(e.MatTrans(c, r)); },
        nullptr);
}

void JanelaMatrizes::Posiciona() {
    const int W = width(), H = height();
    const int lEsq = Arredonda(0.55 * W), lDir = Arredonda(0.40 * W), h = Arredonda(0.40 * H);
    const int xEsq = Margem;
    const int xDir = xEsq + lEsq + (W - xEsq - lEsq - lDir) / 2;
    const int y1 = YTitulo + AlturaTitulo;
    const int yTit2 = y1 + h + 4, y2 = yTit2 + AlturaTitulo;
    const int yBotoes = y2 + h + 8;

    MSFlexGrid1_->setGeometry(xEsq, y1, lEsq, h);
    MSFlexGrid2_->setGeometry(xEsq, y2, lEsq, h);
    MSFlexGrid3_->setGeometry(xDir, y2, lDir, h);
    Label1_->setGeometry(xEsq, YTitulo, lEsq, AlturaTitulo);
    Label2_->setGeometry(xEsq, yTit2, lEsq, AlturaTitulo);
    Label3_->setGeometry(xDir, yTit2, lDir, AlturaTitulo);
    if (noPasseio_) {
        MSFlexGrid4_->setGeometry(Px(XGrade4Passeio), y1, Px(LarguraGrade4Passeio),
                                  Px(AlturaGrade4Passeio));
        Label5_->setGeometry(Px(XLabel5Passeio), YTitulo, Px(LarguraGrade4Passeio), AlturaTitulo);
        passeio_->setGeometry(rect());
        passeio_->Posiciona(yTit2);
    } else {
        MSFlexGrid4_->setGeometry(xDir, y1, lDir, h);
        Label5_->setGeometry(Px(XLabel5), YTitulo, std::max(W - Px(XLabel5), 40), AlturaTitulo);
    }
    int x = xEsq;
    for (QPushButton* b : {Command1_, Command5_, Command3_}) {
        const int l = b->sizeHint().width() + 16;
        b->setGeometry(x, yBotoes, l, AlturaBotao);
        x += l + 8;
    }
    if (impressos_.empty()) posImpressao_ = QPoint(std::max(x + 8, xDir), yBotoes);
}

void JanelaMatrizes::Command5_Click() {
    // A click can reach the window before its activation does: the last run
    // is shown first.
    const bool entra = Command5_->text().startsWith(QLatin1Char('C'));
    const bool atual = GradesAtuais();
    if (!entra) {
        if (atual) Reconstroi(); // back to the four matrices
        setFocus();
        return;
    }
    if (e_.NProt < 1 || e_.NProt >= 6 || MSFlexGrid3_->rows() != e_.NEst + 1) return;
    Command5_->setText(QStringLiteral("Retorno Matrizes"));
    setFocus();
    noPasseio_ = true;
    for (QWidget* w : std::initializer_list<QWidget*>{MSFlexGrid1_, MSFlexGrid2_, Label1_, Label2_})
        w->hide();
    Posiciona();
    passeio_->show();
    passeio_->Entra();
}

void JanelaMatrizes::Command3_Click() {
    GradesAtuais();
    if (e_.NProt < 1 || e_.NProt >= 6) return;
    JanelaVerificacoes f(this);
    f.Preenche(e_);
    f.exec();
}

bool JanelaMatrizes::eventFilter(QObject* obj, QEvent* ev) {
    if (ev->type() != QEvent::MouseButtonDblClick && ev->type() != QEvent::MouseButtonPress)
        return QWidget::eventFilter(obj, ev);
    FlexGrid* grade = nullptr;
    for (FlexGrid* g : {MSFlexGrid1_, MSFlexGrid2_, MSFlexGrid3_, MSFlexGrid4_})
        if (obj == g->viewport() || obj == g->horizontalHeader()->viewport() ||
            obj == g->verticalHeader()->viewport())
            grade = g;
    if (!grade) return QWidget::eventFilter(obj, ev);
    const auto* me = static_cast<QMouseEvent*>(ev);
    if (ev->type() == QEvent::MouseButtonDblClick) {
        QClipboard* cb = QGuiApplication::clipboard();
        cb->clear();
        cb->setText(TextoCopiaGrade(*grade));
    } else if (grade == MSFlexGrid4_ && me->button() == Qt::RightButton &&
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
