#include "inspector/JanelaMatrizes.h"

#include "inspector/Controle.h"
#include "inspector/GradeMatriz.h"
#include "inspector/JanelaVerificacoes.h"
#include "inspector/PasseioIntensidade.h"
#include "run/TextoDecimal.h"
#include "widgets/Ampulheta.h"
#include "widgets/FlexGrid.h"
#include "widgets/Px.h"

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

// The button reads one way until the grids are first built and the other,
// misspelt, after every rebuild: users know both.
const QString TextoBotaoPasseio = QStringLiteral("Cálculo de Instensidade (Máximo 5 prótons)");
const QString TextoBotaoPasseioInicial =
    QStringLiteral("Cálculo de Intensidade (Máximo 5 prótons)");

// Window design at 96 dpi, twips.
constexpr int LarguraJanela = 15000, AlturaJanela = 10350;
constexpr int XRotuloTransicoes = 10800, XRotuloTransicoesPasseio = 6000;
constexpr int XGradeTransicoesPasseio = 6000, LarguraGradeTransicoesPasseio = 3000,
              AlturaGradeTransicoesPasseio = 2500;
constexpr int Margem = 8, YTitulo = 4, AlturaTitulo = 18, AlturaBotao = 28;

int Arredonda(double x) {
    return int(std::lround(x));
}

} // namespace

JanelaMatrizes::JanelaMatrizes(const EstadoSpin& e, ConsultasInspetor consultas, QWidget* parent)
    : QWidget(parent), e_(e), consultas_(std::move(consultas)) {
    setWindowFlag(Qt::Window);
    setWindowTitle(QStringLiteral("Matrizes"));
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

    rotuloHamiltoniana_ =
        NovoTitulo("rotuloHamiltoniana", QStringLiteral("Matriz H (Matriz hamiltoniana)"));
    rotuloAutovalores_ = NovoTitulo("rotuloAutovalores", QStringLiteral("Matriz A (Auto-valores)"));
    rotuloAutovetores_ = NovoTitulo("rotuloAutovetores", QStringLiteral("Matriz V (Auto-vetores)"));
    rotuloTransicoes_ = NovoTitulo("rotuloTransicoes", QStringLiteral("Matriz de Transição"));

    botaoEspectro_ = Controle<QPushButton>(this, QStringLiteral("botaoEspectro"));
    botaoEspectro_->setText(QStringLiteral("Espectro Simulado"));
    botaoPasseio_ = Controle<QPushButton>(this, QStringLiteral("botaoPasseio"));
    botaoPasseio_->setText(TextoBotaoPasseioInicial);
    botaoVerificacoes_ = Controle<QPushButton>(this, QStringLiteral("botaoVerificacoes"));
    botaoVerificacoes_->setText(QStringLiteral("Verificações"));
    connect(botaoEspectro_, &QPushButton::clicked, this, &JanelaMatrizes::EspectroSimulado);
    connect(botaoPasseio_, &QPushButton::clicked, this, &JanelaMatrizes::AlternaPasseio);
    connect(botaoVerificacoes_, &QPushButton::clicked, this, &JanelaMatrizes::AbreVerificacoes);

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
    botaoPasseio_->setText(TextoBotaoPasseio);
    noPasseio_ = false;
    passeio_->hide();
    for (QWidget* w :
         std::initializer_list<QWidget*>{gradeHamiltoniana_, gradeAutovalores_, gradeAutovetores_,
                                         gradeTransicoes_, rotuloHamiltoniana_, rotuloAutovalores_})
        w->show();
    Posiciona();
    PreencheGrades();
    impressos_.clear();
    update();
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

void JanelaMatrizes::Posiciona() {
    const int W = width(), H = height();
    const int lEsq = Arredonda(0.55 * W), lDir = Arredonda(0.40 * W), h = Arredonda(0.40 * H);
    const int xEsq = Margem;
    const int xDir = xEsq + lEsq + (W - xEsq - lEsq - lDir) / 2;
    const int y1 = YTitulo + AlturaTitulo;
    const int yTit2 = y1 + h + 4, y2 = yTit2 + AlturaTitulo;
    const int yBotoes = y2 + h + 8;

    gradeHamiltoniana_->setGeometry(xEsq, y1, lEsq, h);
    gradeAutovalores_->setGeometry(xEsq, y2, lEsq, h);
    gradeAutovetores_->setGeometry(xDir, y2, lDir, h);
    rotuloHamiltoniana_->setGeometry(xEsq, YTitulo, lEsq, AlturaTitulo);
    rotuloAutovalores_->setGeometry(xEsq, yTit2, lEsq, AlturaTitulo);
    rotuloAutovetores_->setGeometry(xDir, yTit2, lDir, AlturaTitulo);
    if (noPasseio_) {
        gradeTransicoes_->setGeometry(Px(XGradeTransicoesPasseio), y1,
                                      Px(LarguraGradeTransicoesPasseio),
                                      Px(AlturaGradeTransicoesPasseio));
        rotuloTransicoes_->setGeometry(Px(XRotuloTransicoesPasseio), YTitulo,
                                       Px(LarguraGradeTransicoesPasseio), AlturaTitulo);
        passeio_->setGeometry(rect());
        passeio_->Posiciona(yTit2);
    } else {
        gradeTransicoes_->setGeometry(xDir, y1, lDir, h);
        rotuloTransicoes_->setGeometry(Px(XRotuloTransicoes), YTitulo,
                                       std::max(W - Px(XRotuloTransicoes), 40), AlturaTitulo);
    }
    int x = xEsq;
    for (QPushButton* b : {botaoEspectro_, botaoPasseio_, botaoVerificacoes_}) {
        const int l = b->sizeHint().width() + 16;
        b->setGeometry(x, yBotoes, l, AlturaBotao);
        x += l + 8;
    }
    if (impressos_.empty()) posImpressao_ = QPoint(std::max(x + 8, xDir), yBotoes);
}

void JanelaMatrizes::AlternaPasseio() {
    // A click can reach the window before its activation does: the last run
    // is shown first.
    const bool entra = botaoPasseio_->text().startsWith(QLatin1Char('C'));
    const bool atual = GradesAtuais();
    if (!entra) {
        if (atual) Reconstroi(); // back to the four matrices
        setFocus();
        return;
    }
    if (e_.NProt < 1 || e_.NProt >= 6 || gradeAutovetores_->rows() != e_.NEst + 1) return;
    botaoPasseio_->setText(QStringLiteral("Retorno Matrizes"));
    setFocus();
    noPasseio_ = true;
    for (QWidget* w : std::initializer_list<QWidget*>{gradeHamiltoniana_, gradeAutovalores_,
                                                      rotuloHamiltoniana_, rotuloAutovalores_})
        w->hide();
    Posiciona();
    passeio_->show();
    passeio_->Entra();
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
