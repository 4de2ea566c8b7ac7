// The input panel: its boxes, their layout for N protons, and what Enter and
// the panel's buttons do.

#include "widgets/Ampulheta.h"
#include "display/Picture1.h"
#include "display/PintaFundo.h"
#include "mainwindow/Form1.h"
#include "widgets/Twips.h"
#include "run/TextoDecimal.h"

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

void Form1::CriaPainelEntrada() {
    const QFont negrito = FonteNegrita();
    Picture4_ = new QWidget(this);
    ColocaTwips(Picture4_, 300, 240, 6735, 960);
    Rotulo(QStringLiteral("Hz"), Picture4_, 210, 60, 270, 255);
    Rotulo(QStringLiteral("ppm"), Picture4_, 60, 330, 420, 255);
    for (int i = 0; i <= NProtMax; ++i) {
        const int esq = 480 + 600 * (i - 1);
        const auto k = std::size_t(i);
        const QString nome = i == 0 ? QStringLiteral("BC") : QStringLiteral("H%1").arg(i);
        Label23_[k] =
            Rotulo(QString(), Picture4_, i == 0 ? 0 : esq + 60, 600, i == 10 ? 520 : 490, 285);
        Label23_[k]->setFrameStyle(QFrame::Box | QFrame::Plain);
        PintaFundo(Label23_[k], g_.CorProt[k]);
        Command4_[k] = new QPushButton(nome, Picture4_);
        ColocaTwips(Command4_[k],
                    i == 0    ? 60
                    : i == 10 ? 5985
                              : esq + 120,
                    645, i == 10 ? 405 : 375, 210);
        Command4_[k]->setFont(negrito);
        PintaBotao(Command4_[k], g_.CorProt[k]);
        connect(Command4_[k], &QPushButton::clicked, this, [this, i] { Command4_Click(i); });
        if (i == 0) continue;
        Text2_[k] = Caixa(Picture4_, esq, 30, 615);
        Label6_[k] = Rotulo(QString(), Picture4_, esq, 330, 615, 255);
        Label6_[k]->setAlignment(Qt::AlignCenter);
        Label6_[k]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        Label2_[k] = Rotulo(nome, Picture4_, esq, 645, 615, 255);
        Label2_[k]->setAlignment(Qt::AlignCenter);
        Label2_[k]->setFont(negrito);
        Label2_[k]->lower();
        connect(Text2_[k], &QLineEdit::returnPressed, this, [this, i] { Text2_KeyPress(i); });
        connect(Text2_[k], &QLineEdit::textChanged, this, [this] { DadosSalvos_ = false; });
    }

    QFont cabecalho(QStringLiteral("Benguiat Bk BT"));
    cabecalho.setFamilies({QStringLiteral("Benguiat Bk BT"), QStringLiteral("Liberation Serif")});
    cabecalho.setPointSizeF(9.75);
    cabecalho.setBold(true);
    Label5_[1] = Rotulo(QStringLiteral("Deslocamentos Químicos (Hz)"), this, 780, 0, 4500, 240);
    Label5_[0] = Rotulo(QStringLiteral("Constantes de Acoplamento"), this, 10560, 0, 3600, 240);
    for (QLabel* l : Label5_) l->setFont(cabecalho);

    Picture5_ = new QWidget(this);
    ColocaTwips(Picture5_, 300, 1200, 6735, 345);
    Rotulo(QStringLiteral("N° de prótons:"), Picture5_, 0, 45, 1170, 255);
    Text1_ = Caixa(Picture5_, 1170, 15, 420);
    Rotulo(QStringLiteral("(1 a 10)"), Picture5_, 1650, 45, 660, 255);
    Rotulo(QStringLiteral("Freqüência:"), Picture5_, 2400, 45, 1020, 255)->setFont(negrito);
    Text110_ = Caixa(Picture5_, 3420, 15, 720);
    Rotulo(QStringLiteral("MHz"), Picture5_, 4200, 45, 480, 255)->setFont(negrito);
    Command14_ = new QPushButton(QStringLiteral("Mudar Hz/ppm"), Picture5_);
    ColocaTwips(Command14_, 5040, 0, 1500, 330);

    Picture6_ = new QWidget(this);
    ColocaTwips(Picture6_, 300, 1560, 6735, 345);
    Rotulo(QStringLiteral("Intensidade mínima:"), Picture6_, 0, 45, 1560, 255);
    Text12_ = Caixa(Picture6_, 1560, 15, 600);
    Rotulo(QStringLiteral("Largura a meia altura:"), Picture6_, 2250, 45, 1650, 255);
    Text13_ = Caixa(Picture6_, 3900, 15, 480);
    Rotulo(QStringLiteral("Hz"), Picture6_, 4425, 45, 270, 255);
    Command12_ = new QPushButton(QStringLiteral("◀▶"), Picture6_);
    Command13_ = new QPushButton(QStringLiteral("▶◀"), Picture6_);
    ColocaTwips(Command12_, 4740, 0, 480, 330);
    ColocaTwips(Command13_, 5220, 0, 480, 330);
    Command12_->setToolTip(QStringLiteral("Ampliar horizontalmente"));
    Command13_->setToolTip(QStringLiteral("Reduzir horizontalmente"));
    Command2_ = new QPushButton(QStringLiteral("Restaurar"), Picture6_);
    ColocaTwips(Command2_, 5760, 0, 975, 330);
}

void Form1::CriaGradeJ() {
    const QFont negrito = FonteNegrita();
    Picture2_ = new QWidget(this);
    Picture2_->setGeometry(0, Px(240), Px(735), Px(210));
    Rotulo(QStringLiteral("X(H) ="), Picture2_, 0, 0, 720, 210)->setFont(negrito);
    for (int k = 0; k < NProtMax - 1; ++k) {
        const auto kk = std::size_t(k);
        Label3_[kk] = Rotulo(QString::number(k + 2), Picture2_, 720 + PassoJ * k, 0, 480, 210);
        Label3_[kk]->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        Label3_[kk]->setFont(negrito);
        const int r = k + 1;
        Label4_[kk] = Rotulo(QStringLiteral("J (%1,X) = ").arg(r), this, 0, TopoLinhaJ[r] + 30,
                             735 + PassoJ * k, 255);
        Label4_[kk]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        Label4_[kk]->setFont(negrito);
        for (int c = r + 1; c <= NProtMax; ++c) {
            QLineEdit* t = Caixa(this, 7560 + PassoJ * (c - 2), TopoLinhaJ[r], 495);
            TextJ_[std::size_t(r)][std::size_t(c)] = t;
            connect(t, &QLineEdit::returnPressed, this,
                    [this, r, c] { TextJ_KeyPress(r, c - r - 1); });
        }
    }
}

void Form1::PrepTextsDeslQuim() {
    const bool cores = Option1_->isChecked();
    for (int i = 1; i <= NProtMax; ++i) {
        const auto k = std::size_t(i);
        const bool ativo = i <= NProt_;
        Label2_[k]->setVisible(ativo);
        Text2_[k]->setVisible(ativo);
        Label6_[k]->setVisible(ativo);
        Command4_[k]->setVisible(ativo && cores);
        Label23_[k]->setVisible(ativo && cores);
    }
}

void Form1::PrepTextsJ() {
    for (int r = 1; r < NProtMax; ++r) {
        Label4_[std::size_t(r - 1)]->hide();
        Label3_[std::size_t(r - 1)]->hide();
        for (int c = r + 1; c <= NProtMax; ++c) TextJ(r, c)->hide();
    }
    Picture2_->hide();
    Label5_[0]->hide();

    const int N = NProt_;
    const int B = EsqTwips(Label5_[0]);
    const int D = (8 - N) * 247;
    for (int r = 1; r <= N - 1; ++r) {
        QLabel* L = Label4_[std::size_t(r - 1)];
        L->move(Px(D + B), L->y());
        L->show();
        Label3_[std::size_t(r - 1)]->show();
        const int larguraL = 735 + PassoJ * (r - 1);
        for (int c = r + 1; c <= N; ++c) {
            QLineEdit* t = TextJ(r, c);
            t->move(Px(D + B + larguraL - 15 + (c - r - 1) * PassoJ), t->y());
            t->show();
        }
    }
    if (N < 2) return;
    Picture2_->setGeometry(Px(D + B), Picture2_->y(), Px((N - 1) * PassoJ + 735),
                           Picture2_->height());
    Picture2_->show();
    Label5_[0]->show();
}

void Form1::Text1_Change() {
    DadosSalvos_ = false;
    const double v = ValorInicial(Text1_->text().toStdString());
    if (v < 1 || v > NProtMax) Text1_->clear();
}

void Form1::Text1_KeyPress() {
    const auto N = int(ArredondaParInteiro(ValorInicial(Text1_->text().toStdString())));
    NProt_ = N;
    Text1_->setText(QString::number(N));
    PrepTextsDeslQuim();
    PrepTextsJ();
    Command1_Click();
    FocoSelecionado(Text2_[1]);
}

void Form1::Text2_KeyPress(int i) {
    if (!NormalizaCaixa(Text2_[std::size_t(i)], SepDec_)) return;
    Command1_Click();
    if (i < NProt_)
        FocoSelecionado(Text2_[std::size_t(i + 1)]);
    else if (NProt_ > 1)
        FocoSelecionado(TextJ(1, 2));
}

// Row r, box k (J(r, r+k+1)). Rows 1 to 4 walk through the grid; from row 5
// on the next step is "Executar".
void Form1::TextJ_KeyPress(int r, int k) {
    if (!NormalizaCaixa(TextJ(r, r + k + 1), SepDec_)) return;
    Command1_Click();
    const int N = NProt_;
    if (r >= 5)
        Command1_->setFocus(Qt::OtherFocusReason);
    else if (k < N - r - 1)
        FocoSelecionado(TextJ(r, r + k + 2));
    else if (N > r + 1)
        FocoSelecionado(TextJ(r + 1, r + 2));
}

void Form1::Text110_KeyPress() {
    AvisoPPMDado_ = false;
    std::string s = Text110_->text().toStdString();
    if (ValorInicial(s) >= 1) Text110_->setText(QString::fromStdString(AjSepDecimal(s, SepDec_)));
    Command1_Click();
}

void Form1::Text110_Change() {
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
    Command14_Click();
    Text110_->setFocus(Qt::OtherFocusReason);
}

void Form1::Command14_Click() {
    PPM_ = !PPM_;
    Label5_[1]->setText(PPM_ ? QStringLiteral("Deslocamentos Químicos (ppm)")
                             : QStringLiteral("Deslocamentos Químicos (Hz)"));
    for (int i = 1; i <= NProtMax; ++i) {
        QLineEdit* t = Text2_[std::size_t(i)];
        QLabel* l = Label6_[std::size_t(i)];
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

void Form1::Text12_KeyPress() {
    const Ampulheta ampulheta;
    if (!Reparado(Text12_, FormataGeral(0.01, 2, SepDec_), SepDec_, this,
                  QStringLiteral("Intensidade mínima")))
        return;
    Command1_Click();
    FocoNoGrafico();
}

void Form1::Text13_KeyPress() {
    const Ampulheta ampulheta;
    if (!Reparado(Text13_, "1", SepDec_, this, QStringLiteral("Largura a meia altura"))) return;
    g_.RecalcEscala = true;
    g_.env.EnvValida = false;
    Picture1_->Grafico();
    FocoNoGrafico();
}

void Form1::Command4_Click(int i) {
    const Ampulheta ampulheta;
    FocoNoGrafico();
    g_.FiltroAtivo = true;
    g_.ProtFiltro = i;
    Command21_->setEnabled(true);
    Picture1_->Grafico();
}

void Form1::Command21_Click() {
    const Ampulheta ampulheta;
    FocoNoGrafico();
    g_.FiltroAtivo = false;
    Command21_->setEnabled(false);
    Picture1_->Grafico();
}

void Form1::FocoNoGrafico() {
    if (Picture1_->isVisible()) Picture1_->setFocus(Qt::OtherFocusReason);
}
