// The input panel: its boxes, their layout for N protons, and what Enter and
// the panel's buttons do.

#include "display/AreaGrafico.h"
#include "display/PintaFundo.h"
#include "mainwindow/JanelaEspectro.h"
#include "run/TextoDecimal.h"
#include "widgets/Ampulheta.h"
#include "widgets/Twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>

namespace {

// Tops of the coupling rows 1..9.
constexpr int TopoLinhaJ[NProtMax] = {0, 455, 720, 990, 1260, 1530, 1800, 2070, 2340, 2610};
constexpr int PassoJ = 480;

QFont FonteNegrita() {
    QFont f(QStringLiteral("Arial"));
    f.setPointSizeF(8.25);
    f.setBold(true);
    return f;
}

QLabel* Rotulo(const QString& texto, QWidget* pai, int esq, int topo, int larg, int alt) {
    auto* l = new QLabel(texto, pai);
    ColocaTwips(l, esq, topo, larg, alt);
    return l;
}

QLineEdit* Caixa(QWidget* pai, int esq, int topo, int larg, int alt = 285) {
    auto* t = new QLineEdit(pai);
    ColocaTwips(t, esq, topo, larg, alt);
    return t;
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

// Enter in a shift or coupling box: an empty box is left alone, any other
// gets the user's decimal separator.
bool NormalizaCaixa(QLineEdit* t, char SepDec) {
    if (t->text().isEmpty()) return false;
    std::string s = t->text().toStdString();
    const QString normal = QString::fromStdString(AjSepDecimal(s, SepDec));
    if (normal != t->text()) t->setText(normal);
    return true;
}

void FocoSelecionado(QLineEdit* t) {
    t->setFocus(Qt::OtherFocusReason);
    t->selectAll();
}

} // namespace

void JanelaEspectro::CriaPainelEntrada() {
    const QFont negrito = FonteNegrita();
    painelDesloc_ = new QWidget(this);
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
        connect(botaoCorProton_[k], &QPushButton::clicked, this, [this, i] { FiltraProton(i); });
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
        connect(caixaDesloc_[k], &QLineEdit::textChanged, this, [this] { DadosSalvos_ = false; });
    }

    QFont cabecalho(QStringLiteral("Benguiat Bk BT"));
    cabecalho.setFamilies({QStringLiteral("Benguiat Bk BT"), QStringLiteral("Liberation Serif")});
    cabecalho.setPointSizeF(9.75);
    cabecalho.setBold(true);
    rotuloCabecalho_[1] =
        Rotulo(QStringLiteral("Deslocamentos Químicos (Hz)"), this, 780, 0, 4500, 240);
    rotuloCabecalho_[0] =
        Rotulo(QStringLiteral("Constantes de Acoplamento"), this, 10560, 0, 3600, 240);
    for (QLabel* l : rotuloCabecalho_) l->setFont(cabecalho);

    painelFrequencia_ = new QWidget(this);
    ColocaTwips(painelFrequencia_, 300, 1200, 6735, 345);
    Rotulo(QStringLiteral("N° de prótons:"), painelFrequencia_, 0, 45, 1170, 255);
    caixaNProt_ = Caixa(painelFrequencia_, 1170, 15, 420);
    Rotulo(QStringLiteral("(1 a 10)"), painelFrequencia_, 1650, 45, 660, 255);
    Rotulo(QStringLiteral("Freqüência:"), painelFrequencia_, 2400, 45, 1020, 255)->setFont(negrito);
    caixaFrequencia_ = Caixa(painelFrequencia_, 3420, 15, 720);
    Rotulo(QStringLiteral("MHz"), painelFrequencia_, 4200, 45, 480, 255)->setFont(negrito);
    botaoHzPpm_ = new QPushButton(QStringLiteral("Mudar Hz/ppm"), painelFrequencia_);
    ColocaTwips(botaoHzPpm_, 5040, 0, 1500, 330);

    painelLargura_ = new QWidget(this);
    ColocaTwips(painelLargura_, 300, 1560, 6735, 345);
    Rotulo(QStringLiteral("Intensidade mínima:"), painelLargura_, 0, 45, 1560, 255);
    caixaIntMin_ = Caixa(painelLargura_, 1560, 15, 600);
    Rotulo(QStringLiteral("Largura a meia altura:"), painelLargura_, 2250, 45, 1650, 255);
    caixaLargura_ = Caixa(painelLargura_, 3900, 15, 480);
    Rotulo(QStringLiteral("Hz"), painelLargura_, 4425, 45, 270, 255);
    botaoAmpliarH_ = new QPushButton(QStringLiteral("◀▶"), painelLargura_);
    botaoReduzirH_ = new QPushButton(QStringLiteral("▶◀"), painelLargura_);
    ColocaTwips(botaoAmpliarH_, 4740, 0, 480, 330);
    ColocaTwips(botaoReduzirH_, 5220, 0, 480, 330);
    botaoAmpliarH_->setToolTip(QStringLiteral("Ampliar horizontalmente"));
    botaoReduzirH_->setToolTip(QStringLiteral("Reduzir horizontalmente"));
    botaoRestaurar_ = new QPushButton(QStringLiteral("Restaurar"), painelLargura_);
    ColocaTwips(botaoRestaurar_, 5760, 0, 975, 330);
}

void JanelaEspectro::CriaGradeJ() {
    const QFont negrito = FonteNegrita();
    faixaColunasJ_ = new QWidget(this);
    faixaColunasJ_->setGeometry(0, Px(240), Px(735), Px(210));
    Rotulo(QStringLiteral("X(H) ="), faixaColunasJ_, 0, 0, 720, 210)->setFont(negrito);
    for (int k = 0; k < NProtMax - 1; ++k) {
        const auto kk = std::size_t(k);
        rotuloColunaJ_[kk] =
            Rotulo(QString::number(k + 2), faixaColunasJ_, 720 + PassoJ * k, 0, 480, 210);
        rotuloColunaJ_[kk]->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        rotuloColunaJ_[kk]->setFont(negrito);
        const int r = k + 1;
        rotuloLinhaJ_[kk] = Rotulo(QStringLiteral("J (%1,X) = ").arg(r), this, 0,
                                   TopoLinhaJ[r] + 30, 735 + PassoJ * k, 255);
        rotuloLinhaJ_[kk]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        rotuloLinhaJ_[kk]->setFont(negrito);
        for (int c = r + 1; c <= NProtMax; ++c) {
            QLineEdit* t = Caixa(this, 7560 + PassoJ * (c - 2), TopoLinhaJ[r], 495);
            caixaJ_[std::size_t(r)][std::size_t(c)] = t;
            connect(t, &QLineEdit::returnPressed, this, [this, r, c] { ConfirmaJ(r, c - r - 1); });
        }
    }
}

void JanelaEspectro::PrepTextsDeslQuim() {
    const bool cores = opcaoColorido_->isChecked();
    for (int i = 1; i <= NProtMax; ++i) {
        const auto k = std::size_t(i);
        const bool ativo = i <= NProt_;
        rotuloProton_[k]->setVisible(ativo);
        caixaDesloc_[k]->setVisible(ativo);
        rotuloOutraUnidade_[k]->setVisible(ativo);
        botaoCorProton_[k]->setVisible(ativo && cores);
        amostraCor_[k]->setVisible(ativo && cores);
    }
}

void JanelaEspectro::PrepTextsJ() {
    for (int r = 1; r < NProtMax; ++r) {
        rotuloLinhaJ_[std::size_t(r - 1)]->hide();
        rotuloColunaJ_[std::size_t(r - 1)]->hide();
        for (int c = r + 1; c <= NProtMax; ++c) caixaJ(r, c)->hide();
    }
    faixaColunasJ_->hide();
    rotuloCabecalho_[0]->hide();

    const int N = NProt_;
    const int B = EsqTwips(rotuloCabecalho_[0]);
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
    rotuloCabecalho_[0]->show();
}

void JanelaEspectro::VerificaNProt() {
    DadosSalvos_ = false;
    const double v = ValorInicial(caixaNProt_->text().toStdString());
    if (v < 1 || v > NProtMax) caixaNProt_->clear();
}

void JanelaEspectro::ConfirmaNProt() {
    const auto N = int(ArredondaParInteiro(ValorInicial(caixaNProt_->text().toStdString())));
    NProt_ = N;
    caixaNProt_->setText(QString::number(N));
    PrepTextsDeslQuim();
    PrepTextsJ();
    Executa();
    FocoSelecionado(caixaDesloc_[1]);
}

void JanelaEspectro::ConfirmaDesloc(int i) {
    if (!NormalizaCaixa(caixaDesloc_[std::size_t(i)], SepDec_)) return;
    Executa();
    if (i < NProt_)
        FocoSelecionado(caixaDesloc_[std::size_t(i + 1)]);
    else if (NProt_ > 1)
        FocoSelecionado(caixaJ(1, 2));
}

// Row r, box k (J(r, r+k+1)). Rows 1 to 4 walk through the grid; from row 5
// on the next step is "Executar".
void JanelaEspectro::ConfirmaJ(int r, int k) {
    if (!NormalizaCaixa(caixaJ(r, r + k + 1), SepDec_)) return;
    Executa();
    const int N = NProt_;
    if (r >= 5)
        botaoExecutar_->setFocus(Qt::OtherFocusReason);
    else if (k < N - r - 1)
        FocoSelecionado(caixaJ(r, r + k + 2));
    else if (N > r + 1)
        FocoSelecionado(caixaJ(r + 1, r + 2));
}

void JanelaEspectro::ConfirmaFrequencia() {
    AvisoPPMDado_ = false;
    std::string s = caixaFrequencia_->text().toStdString();
    if (ValorInicial(s) >= 1)
        caixaFrequencia_->setText(QString::fromStdString(AjSepDecimal(s, SepDec_)));
    Executa();
}

void JanelaEspectro::OfereceMudarParaPpm() {
    if (PPM_ || AvisoPPMDado_) return;
    AvisoPPMDado_ = true;
    const QString texto =
        QStringLiteral("Você está alterando o valor da freqüência do instrumento\r\n"
                       "mas a entrada de deslocamentos químicos está focalizada em 'Hz'.\r\n"
                       "Se sua intenção é ver como o espectro muda ao utilizar um\r\n"
                       "instrumento de freqüência diferente, a entrada deve ser\r\n"
                       "selecionada para 'ppm'.\r\n"
                       "\r\n"
                       "Deseja que o programa mude automaticamente para 'ppm'?");
    const auto resposta = QMessageBox::question(this, QStringLiteral("Mudar para ppm?"), texto,
                                                QMessageBox::Yes | QMessageBox::No);
    if (resposta == QMessageBox::No) return;
    AlternaHzPpm();
    caixaFrequencia_->setFocus(Qt::OtherFocusReason);
}

void JanelaEspectro::AlternaHzPpm() {
    PPM_ = !PPM_;
    rotuloCabecalho_[1]->setText(PPM_ ? QStringLiteral("Deslocamentos Químicos (ppm)")
                                      : QStringLiteral("Deslocamentos Químicos (Hz)"));
    for (int i = 1; i <= NProtMax; ++i) {
        QLineEdit* t = caixaDesloc_[std::size_t(i)];
        QLabel* l = rotuloOutraUnidade_[std::size_t(i)];
        const int topo = t->y();
        t->move(t->x(), l->y());
        l->move(l->x(), topo);
        const QString texto = t->text();
        t->setText(l->text());
        l->setText(texto);
    }
    FocoNoGrafico();
}

// A positive number in a repairing box: empty and non-positive texts become
// `reserva`; a text that is no number at all is reported and left alone.
static std::optional<std::string> Reparado(QLineEdit* t, const std::string& reserva, char SepDec,
                                           QWidget* pai, const QString& nome) {
    std::string s = t->text().trimmed().isEmpty() ? reserva : t->text().toStdString();
    for (int vez = 0; vez < 2; ++vez) {
        const auto v = ConverteNumero(AjSepDecimal(s, SepDec), SepDec);
        if (!v) {
            QMessageBox::warning(
                pai, QStringLiteral("Valor inválido"),
                QStringLiteral("A caixa \"%1\" não contém um número válido.").arg(nome));
            return std::nullopt;
        }
        if (*v > 0) break;
        s = reserva;
    }
    t->setText(QString::fromStdString(s));
    return s;
}

void JanelaEspectro::ConfirmaIntMin() {
    const Ampulheta ampulheta;
    if (!Reparado(caixaIntMin_, FormataGeral(0.01, 2, SepDec_), SepDec_, this,
                  QStringLiteral("Intensidade mínima")))
        return;
    Executa();
    FocoNoGrafico();
}

void JanelaEspectro::ConfirmaLargura() {
    const Ampulheta ampulheta;
    if (!Reparado(caixaLargura_, "1", SepDec_, this, QStringLiteral("Largura a meia altura")))
        return;
    g_.RecalcEscala = true;
    g_.env.EnvValida = false;
    areaGrafico_->Grafico();
    FocoNoGrafico();
}

void JanelaEspectro::FiltraProton(int i) {
    const Ampulheta ampulheta;
    FocoNoGrafico();
    g_.FiltroAtivo = true;
    g_.ProtFiltro = i;
    botaoTodasBandas_->setEnabled(true);
    areaGrafico_->Grafico();
}

void JanelaEspectro::MostraTodasBandas() {
    const Ampulheta ampulheta;
    FocoNoGrafico();
    g_.FiltroAtivo = false;
    botaoTodasBandas_->setEnabled(false);
    areaGrafico_->Grafico();
}

void JanelaEspectro::FocoNoGrafico() {
    if (areaGrafico_->isVisible()) areaGrafico_->setFocus(Qt::OtherFocusReason);
}
