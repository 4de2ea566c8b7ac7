// The input panel: its boxes, their layout for N protons, and what Enter and
// the panel's buttons do.

#include "mainwindow/PainelEntrada.h"

#include "display/PintaFundo.h"
#include "formatos/ArquivoDados.h"
#include "mainwindow/CaixasEntrada.h"
#include "mainwindow/GradeAcoplamentos.h"
#include "mainwindow/UnidadeDesloc.h"
#include "run/Limites.h"
#include "run/Simulacao.h"
#include "run/ValoresIniciais.h"
#include "texto/TextoDecimal.h"
#include "widgets/Ampulheta.h"
#include "widgets/Twips.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>

#include <algorithm>
#include <initializer_list>
#include <limits>
#include <vector>

namespace {

// A caption longer in another language than the place its row was drawn
// for takes the room it needs, and what stands right of it moves along;
// the row, which has room to spare on its right, grows. A caption that
// fits leaves the row as drawn.
void DaEspacoAosRotulos(QWidget* linha) {
    QList<QWidget*> filhos = linha->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    std::stable_sort(filhos.begin(), filhos.end(),
                     [](const QWidget* a, const QWidget* b) { return a->x() < b->x(); });
    int desvio = 0;
    for (QWidget* w : filhos) {
        w->move(w->x() + desvio, w->y());
        const auto* l = qobject_cast<QLabel*>(w);
        if (!l) continue;
        const int falta = l->fontMetrics().horizontalAdvance(l->text()) - l->contentsRect().width();
        if (falta <= 0) continue;
        w->resize(w->width() + falta, w->height());
        desvio += falta;
    }
    if (desvio > 0) linha->resize(linha->width() + desvio, linha->height());
}

// A colour button: its proton's colour, with a caption that stays readable.
void PintaBotao(QPushButton* b, Cor c) {
    PintaFundo(b, c);
    QPalette pal = b->palette();
    const bool escuro =
        c == Rgb(0, 0, 0) || c == Rgb(0, 0, 192) || c == Rgb(0, 64, 0) || c == Rgb(128, 0, 128);
    pal.setColor(QPalette::ButtonText, escuro ? Qt::white : Qt::black);
    b->setPalette(pal);
}

} // namespace

PainelEntrada::PainelEntrada(QWidget* janela, const EstadoGrafico& g, char SepDec)
    : QObject(janela), janela_(janela), g_(g), SepDec_(SepDec) {
    CriaCaixas();
    acoplamentos_ = new GradeAcoplamentos(
        janela_, SepDec_, [this] { return NProt_; }, this);
    connect(acoplamentos_, &GradeAcoplamentos::ExecucaoPedida, this,
            &PainelEntrada::ExecucaoPedida);
    connect(acoplamentos_, &GradeAcoplamentos::PassaAoExecutar, this,
            &PainelEntrada::PassaAoExecutar);
    connect(caixaNProt_, &QLineEdit::textChanged, this, &PainelEntrada::VerificaNProt);
    connect(caixaNProt_, &QLineEdit::returnPressed, this, &PainelEntrada::ConfirmaNProt);
    connect(caixaFrequencia_, &QLineEdit::returnPressed, this, &PainelEntrada::ConfirmaFrequencia);
    unidade_ = new UnidadeDesloc(UnidadeDesloc::Caixas{caixaDesloc_, rotuloOutraUnidade_,
                                                       rotuloCabecalho_, caixaFrequencia_},
                                 janela_, SepDec_, this);
    // The question waits until the frequency is confirmed: asked while typing,
    // it would take the next keys as its answer.
    connect(caixaFrequencia_, &QLineEdit::textEdited, this, [this] { frequenciaEditada_ = true; });
    connect(caixaFrequencia_, &QLineEdit::editingFinished, this,
            &PainelEntrada::OfereceMudarParaPpm);
    connect(unidade_, &UnidadeDesloc::Editado, this, &PainelEntrada::Editado);
    connect(unidade_, &UnidadeDesloc::FocoDevolvido, this, &PainelEntrada::FocoDevolvido);
    for (QLineEdit* t : {caixaFrequencia_, caixaIntMin_, caixaLargura_})
        connect(t, &QLineEdit::textEdited, this, &PainelEntrada::Editado);
    connect(acoplamentos_, &GradeAcoplamentos::Editado, this, &PainelEntrada::Editado);
    connect(caixaIntMin_, &QLineEdit::returnPressed, this, &PainelEntrada::ConfirmaIntMin);
    connect(caixaLargura_, &QLineEdit::returnPressed, this, &PainelEntrada::ConfirmaLargura);
    caixaNProt_->installEventFilter(this);
    caixaLargura_->installEventFilter(this);
    DefineOrdemTab();
}

// Tab walks the system as it is typed: the shifts, the couplings row by row,
// the other boxes, and only then the colour buttons. Hidden boxes are skipped.
void PainelEntrada::DefineOrdemTab() {
    std::vector<QWidget*> ordem;
    for (int i = 1; i <= NProtMax; ++i) ordem.push_back(caixaDesloc(i));
    for (int r = 1; r < NProtMax; ++r)
        for (int c = r + 1; c <= NProtMax; ++c) ordem.push_back(acoplamentos_->caixaJ(r, c));
    for (QWidget* w : std::initializer_list<QWidget*>{caixaNProt_, caixaFrequencia_, botaoHzPpm_,
                                                      caixaIntMin_, caixaLargura_, botaoAmpliarH_,
                                                      botaoReduzirH_, botaoRestaurar_})
        ordem.push_back(w);
    for (int i = 0; i <= NProtMax; ++i) ordem.push_back(botaoCorProton(i));
    for (std::size_t k = 1; k < ordem.size(); ++k) QWidget::setTabOrder(ordem[k - 1], ordem[k]);
}

void PainelEntrada::CriaCaixas() {
    const QFont negrito = FonteNegrita();
    painelDesloc_ = new QWidget(janela_);
    ColocaTwips(painelDesloc_, 300, 240, 6735, 960);
    Rotulo(QStringLiteral("Hz"), painelDesloc_, 210, 60, 270, 255);
    Rotulo(QStringLiteral("ppm"), painelDesloc_, 60, 330, 420, 255);
    for (int i = 0; i <= NProtMax; ++i) {
        const int esq = 480 + 600 * (i - 1);
        const auto k = std::size_t(i);
        const QString nome = i == 0 ? QStringLiteral("BC") : QStringLiteral("H%1").arg(i);
        amostraCor_[k] =
            Rotulo(QString(), painelDesloc_, i == 0 ? 0 : esq + 60, 600, i == 10 ? 520 : 490, 285);
        amostraCor_[k]->setFrameStyle(QFrame::Box | QFrame::Plain);
        PintaFundo(amostraCor_[k], g_.CorProt[k]);
        botaoCorProton_[k] = new QPushButton(nome, painelDesloc_);
        ColocaTwips(botaoCorProton_[k],
                    i == 0    ? 60
                    : i == 10 ? 5985
                              : esq + 120,
                    645, i == 10 ? 405 : 375, 210);
        botaoCorProton_[k]->setFont(negrito);
        PintaBotao(botaoCorProton_[k], g_.CorProt[k]);
        connect(botaoCorProton_[k], &QPushButton::clicked, this,
                [this, i] { emit ProtonEscolhido(i); });
        if (i == 0) continue;
        caixaDesloc_[k] = Caixa(painelDesloc_, esq, 30, 615);
        rotuloOutraUnidade_[k] = Rotulo(QString(), painelDesloc_, esq, 330, 615, 255);
        rotuloOutraUnidade_[k]->setAlignment(Qt::AlignCenter);
        rotuloOutraUnidade_[k]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        rotuloProton_[k] = Rotulo(nome, painelDesloc_, esq, 645, 615, 255);
        rotuloProton_[k]->setAlignment(Qt::AlignCenter);
        rotuloProton_[k]->setFont(negrito);
        rotuloProton_[k]->lower();
        connect(caixaDesloc_[k], &QLineEdit::returnPressed, this, [this, i] { ConfirmaDesloc(i); });
        connect(caixaDesloc_[k], &QLineEdit::textChanged, this, &PainelEntrada::Editado);
    }

    rotuloCabecalho_ = Rotulo(tr("Deslocamentos Químicos (Hz)"), janela_, 780, 0, 4500, 240);
    rotuloCabecalho_->setFont(FonteCabecalho());

    painelFrequencia_ = new QWidget(janela_);
    ColocaTwips(painelFrequencia_, 300, 1200, 6735, 345);
    Rotulo(tr("N° de prótons:"), painelFrequencia_, 0, 45, 1170, 255);
    caixaNProt_ = Caixa(painelFrequencia_, 1170, 15, 420);
    Rotulo(tr("(1 a 10)"), painelFrequencia_, 1650, 45, 660, 255);
    Rotulo(tr("Freqüência:"), painelFrequencia_, 2400, 45, 1020, 255)->setFont(negrito);
    // Room for a frequency as a file gives it: "400,132130".
    caixaFrequencia_ = Caixa(painelFrequencia_, 3420, 15, 1050);
    Rotulo(QStringLiteral("MHz"), painelFrequencia_, 4530, 45, 480, 255)->setFont(negrito);
    botaoHzPpm_ = new QPushButton(tr("Mudar Hz/ppm"), painelFrequencia_);
    ColocaTwips(botaoHzPpm_, 5040, 0, 1500, 330);

    painelLargura_ = new QWidget(janela_);
    ColocaTwips(painelLargura_, 300, 1560, 6735, 345);
    Rotulo(tr("Intensidade mínima:"), painelLargura_, 0, 45, 1560, 255);
    caixaIntMin_ = Caixa(painelLargura_, 1560, 15, 600);
    Rotulo(tr("Largura a meia altura:"), painelLargura_, 2250, 45, 1650, 255);
    caixaLargura_ = Caixa(painelLargura_, 3900, 15, 480);
    Rotulo(QStringLiteral("Hz"), painelLargura_, 4425, 45, 270, 255);
    botaoAmpliarH_ = new QPushButton(QStringLiteral("◀▶"), painelLargura_);
    botaoReduzirH_ = new QPushButton(QStringLiteral("▶◀"), painelLargura_);
    ColocaTwips(botaoAmpliarH_, 4740, 0, 480, 330);
    ColocaTwips(botaoReduzirH_, 5220, 0, 480, 330);
    botaoAmpliarH_->setToolTip(tr("Ampliar horizontalmente"));
    botaoReduzirH_->setToolTip(tr("Reduzir horizontalmente"));
    botaoRestaurar_ = new QPushButton(tr("Restaurar"), painelLargura_);
    ColocaTwips(botaoRestaurar_, 5760, 0, 975, 330);
    DaEspacoAosRotulos(painelFrequencia_);
    DaEspacoAosRotulos(painelLargura_);
}

void PainelEntrada::PrepTextsDeslQuim() {
    for (int i = 1; i <= NProtMax; ++i) {
        const auto k = std::size_t(i);
        const bool ativo = i <= NProt_;
        rotuloProton_[k]->setVisible(ativo);
        caixaDesloc_[k]->setVisible(ativo);
        rotuloOutraUnidade_[k]->setVisible(ativo);
        botaoCorProton_[k]->setVisible(ativo && cores_);
        amostraCor_[k]->setVisible(ativo && cores_);
    }
}

void PainelEntrada::VerificaNProt() {
    emit Editado();
    const double v = ValorInicial(caixaNProt_->text().toStdString());
    if (v < 1 || v > NProtMax) caixaNProt_->clear();
}

void PainelEntrada::ConfirmaNProt() {
    if (caixaNProt_->text().isEmpty()) RestauraNProt();
    const auto N = int(ArredondaParInteiro(ValorInicial(caixaNProt_->text().toStdString())));
    NProt_ = N;
    caixaNProt_->setText(QString::number(N));
    textoNProtAnterior_ = caixaNProt_->text();
    PreparaCaixas();
    emit ExecucaoPedida();
    FocoSelecionado(caixaDesloc_[1]);
}

void PainelEntrada::ConfirmaDesloc(int i) {
    if (!NormalizaCaixa(caixaDesloc_[std::size_t(i)], SepDec_)) return;
    emit ExecucaoPedida();
    if (RetemSeInvalida(caixaDesloc_[std::size_t(i)], SepDec_)) return;
    if (i < NProt_)
        FocoSelecionado(caixaDesloc_[std::size_t(i + 1)]);
    else if (NProt_ > 1)
        FocoSelecionado(acoplamentos_->caixaJ(1, 2));
}

void PainelEntrada::OfereceMudarParaPpm() {
    if (!frequenciaEditada_) return;
    frequenciaEditada_ = false;
    unidade_->OfereceMudarParaPpm();
}

void PainelEntrada::ConfirmaFrequencia() {
    // Before the run, so that a switch to ppm keeps the shifts' ppm values.
    OfereceMudarParaPpm();
    unidade_->DefineAvisoPPMDado(false);
    std::string s = caixaFrequencia_->text().toStdString();
    if (ValorInicial(s) >= 1)
        caixaFrequencia_->setText(QString::fromStdString(AjSepDecimal(s, SepDec_)));
    emit ExecucaoPedida();
}

// A number of at least `minimo` in a repairing box: empty texts and smaller
// numbers become `reserva`; a text that is no number at all is reported and
// left alone.
static std::optional<std::string> Reparado(QLineEdit* t, const std::string& reserva, double minimo,
                                           char SepDec, QWidget* pai, const QString& nome) {
    std::string s = t->text().trimmed().isEmpty() ? reserva : t->text().toStdString();
    for (int vez = 0; vez < 2; ++vez) {
        const auto v = ConverteNumero(AjSepDecimal(s, SepDec), SepDec);
        if (!v) {
            QMessageBox::warning(pai,
                                 QCoreApplication::translate("PainelEntrada", "Valor inválido"),
                                 QCoreApplication::translate(
                                     "PainelEntrada", "A caixa \"%1\" não contém um número válido.")
                                     .arg(nome));
            return std::nullopt;
        }
        if (*v >= minimo && *v <= HzMaximo) break;
        s = reserva;
    }
    t->setText(QString::fromStdString(s));
    return s;
}

void PainelEntrada::ConfirmaIntMin() {
    const Ampulheta ampulheta;
    if (!Reparado(caixaIntMin_, FormataGeral(0.01, 2, SepDec_),
                  std::numeric_limits<double>::denorm_min(), SepDec_, janela_,
                  tr("Intensidade mínima")))
        return;
    emit ExecucaoPedida();
    emit FocoDevolvido();
}

void PainelEntrada::ConfirmaLargura() {
    const Ampulheta ampulheta;
    if (!Reparado(caixaLargura_, "1", LarguraMinima, SepDec_, janela_, tr("Largura a meia altura")))
        return;
    emit LarguraConfirmada();
}

bool PainelEntrada::eventFilter(QObject* obj, QEvent* ev) {
    const bool entra = ev->type() == QEvent::FocusIn, sai = ev->type() == QEvent::FocusOut;
    if (!entra && !sai) return QObject::eventFilter(obj, ev);
    const auto razao = static_cast<QFocusEvent*>(ev)->reason();
    // Another window or a menu, not another control.
    const bool deFora = razao == Qt::ActiveWindowFocusReason || razao == Qt::PopupFocusReason;
    if (sai) {
        // Leaving for another window (or a menu) keeps the box's visit open.
        if (obj == caixaNProt_) caixaNProtVisitada_ = deFora;
        // An empty box left for another control is no new count of protons.
        if (obj == caixaNProt_ && !deFora && caixaNProt_->text().isEmpty()) RestauraNProt();
        return QObject::eventFilter(obj, ev);
    }
    if (obj == caixaNProt_) {
        if (!(deFora && caixaNProtVisitada_)) EsvaziaNProt();
        caixaNProtVisitada_ = false;
    }
    if (obj == caixaLargura_ && !deFora)
        QTimer::singleShot(0, caixaLargura_, &QLineEdit::selectAll);
    return QObject::eventFilter(obj, ev);
}

// Focus empties the box so that a digit typed replaces the count; emptying
// it is no edit of the system.
void PainelEntrada::EsvaziaNProt() {
    if (!caixaNProt_->text().isEmpty()) textoNProtAnterior_ = caixaNProt_->text();
    const QSignalBlocker bloqueio(caixaNProt_);
    caixaNProt_->clear();
}

void PainelEntrada::RestauraNProt() {
    const QSignalBlocker bloqueio(caixaNProt_);
    caixaNProt_->setText(textoNProtAnterior_);
}

void PainelEntrada::ValoresIniciais() {
    caixaNProt_->setText(QStringLiteral("3"));
    textoNProtAnterior_ = caixaNProt_->text();
    NProt_ = NProtInicial;
    for (int r = 1; r < NProtMax; ++r)
        for (int c = r + 1; c <= NProtMax; ++c)
            acoplamentos_->caixaJ(r, c)->setText(QString::number(JInicial(r, c)));
    for (int i = 1; i <= NProtMax; ++i) {
        const double d = DeslocInicial[i - 1];
        caixaDesloc(i)->setText(QString::fromStdString(FormataGeral(d, 2, SepDec_)));
        rotuloOutraUnidade(i)->setText(
            QString::fromStdString(FormataGeral(d / MHzInicial, 3, SepDec_)));
    }
    caixaFrequencia_->setText(QStringLiteral("300"));
    caixaIntMin_->setText(QString::fromStdString(FormataGeral(IntMinInicial, 2, SepDec_)));
    caixaLargura_->setText(QStringLiteral("1"));
    textoTolJac_ = TextoTolJac;
    PreparaCaixas();
    acoplamentos_->Esconde();
}

TextosEntrada PainelEntrada::Textos() const {
    TextosEntrada t;
    // A box emptied by a visit still stands for the count it held.
    const QString nprot = caixaNProt_->text();
    t.TextoNProt = (nprot.isEmpty() ? textoNProtAnterior_ : nprot).toStdString();
    t.TextoFrequencia = caixaFrequencia_->text().toStdString();
    t.TextoIntMin = caixaIntMin_->text().toStdString();
    t.TextoTolJac = textoTolJac_;
    for (int i = 1; i <= NProtMax; ++i) {
        t.TextoDesloc[std::size_t(i)] = unidade_->Texto(i);
        for (int c = i + 1; c <= NProtMax; ++c)
            t.TextoJ[std::size_t(i)][std::size_t(c)] =
                acoplamentos_->caixaJ(i, c)->text().toStdString();
    }
    t.PPM = unidade_->PPM();
    return t;
}

// Only texts that differ are written: an unchanged box keeps its caret and
// does not count as an edit.
void PainelEntrada::EscreveTextos(const TextosEntrada& t, int N) {
    NProt_ = N;
    std::string mhz = t.TextoFrequencia;
    unidade_->DefineMHzDosRotulos(ConverteNumero(AjSepDecimal(mhz, SepDec_), SepDec_));
    const auto escreve = [](auto* w, const std::string& s) {
        const QString q = QString::fromStdString(s);
        if (w->text() != q) w->setText(q);
    };
    escreve(caixaIntMin_, t.TextoIntMin);
    escreve(caixaFrequencia_, t.TextoFrequencia);
    if (!caixaNProt_->text().isEmpty()) escreve(caixaNProt_, t.TextoNProt);
    textoNProtAnterior_ = QString::fromStdString(t.TextoNProt);
    for (int i = 1; i <= N; ++i) {
        if (!unidade_->UsaExato(i)) escreve(caixaDesloc(i), t.TextoDesloc[std::size_t(i)]);
        escreve(rotuloOutraUnidade(i), t.TextoOutraUnidade[std::size_t(i)]);
        for (int c = i + 1; c <= N; ++c)
            escreve(acoplamentos_->caixaJ(i, c), t.TextoJ[std::size_t(i)][std::size_t(c)]);
    }
}

void PainelEntrada::MostraSistema(const EstadoSpin& e) {
    NProt_ = e.NProt;
    caixaNProt_->setText(QString::number(e.NProt));
    textoNProtAnterior_ = caixaNProt_->text();
    const double MHz = e.FreqEspHz / 1e6;
    unidade_->DefineMHzDosRotulos(MHz);
    for (int i = 1; i <= e.NProt; ++i) {
        const double hz = e.FreqProt(i) - e.FreqEspHz;
        rotuloOutraUnidade(i)->setText(QString::fromStdString(
            unidade_->PPM() ? FormataGeral(hz, 2, SepDec_) : FormataGeral(hz / MHz, 4, SepDec_)));
    }
    PreparaCaixas();
}

void PainelEntrada::AplicaEntrada(const EntradaSimulacao& in, double largura) {
    const auto numero = [this](double v, int digitos) {
        return QString::fromStdString(FormataNumeroG(v, digitos, SepDec_));
    };
    caixaNProt_->setText(QString::number(in.NProt));
    textoNProtAnterior_ = caixaNProt_->text();
    NProt_ = in.NProt;
    caixaFrequencia_->setText(numero(in.MHz, 15));
    caixaIntMin_->setText(numero(in.IntMin, 7));
    caixaLargura_->setText(numero(largura, 15));
    for (int i = 1; i <= in.NProt; ++i)
        caixaDesloc(i)->setText(numero(in.Desloc[std::size_t(i - 1)], 15));
    for (int i = 1; i < in.NProt; ++i)
        for (int j = i + 1; j <= in.NProt; ++j)
            acoplamentos_->caixaJ(i, j)->setText(
                numero(in.J[std::size_t(IndiceJ(in.NProt, i, j))], 15));
}

void PainelEntrada::PreparaCaixas() {
    PrepTextsDeslQuim();
    acoplamentos_->Prepara();
}

void PainelEntrada::MostraCores(bool sim) {
    cores_ = sim;
    for (int i = 1; i <= NProt_; ++i) {
        botaoCorProton_[std::size_t(i)]->setVisible(sim);
        amostraCor_[std::size_t(i)]->setVisible(sim);
    }
}

void PainelEntrada::PintaFundoDasCores() {
    PintaFundo(botaoCorProton_[0], g_.CorProt[0]);
    PintaFundo(amostraCor_[0], g_.CorProt[0]);
}
