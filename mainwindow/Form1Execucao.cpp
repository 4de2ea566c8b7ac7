// The run as the window performs it: the boxes are read and checked before
// anything on screen changes, the core computes while the window keeps
// repainting, and the results land in the table, the plot and the timing
// panel.

#include "widgets/Ampulheta.h"
#include "display/Picture1.h"
#include "mainwindow/Form1.h"
#include "mainwindow/PainelTempos.h"
#include "mainwindow/StatusBar1.h"
#include "mainwindow/TabelaResultadosWidget.h"
#include "widgets/Twips.h"
#include "run/Simulacao.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>

namespace {

class ObservadorJanela : public ObservadorSimulacao {
  public:
    ObservadorJanela(PainelTempos& tempos, std::function<void(const EstadoSpin&)> tabela,
                     std::function<void(const EstadoSpin&)> grafico, char SepDec)
        : tempos_(tempos), tabela_(std::move(tabela)), grafico_(std::move(grafico)),
          SepDec_(SepDec) {}
    void inicioEtapa(int linha, std::string_view nome) override {
        tempos_.InicioEtapa(linha, nome);
    }
    void fimEtapa(int linha, double segundos, double total) override {
        tempos_.FimEtapa(linha, segundos, total, SepDec_);
    }
    void cedeEventos() override { QCoreApplication::processEvents(); }
    void preencheTabela(const EstadoSpin& e) override { tabela_(e); }
    void desenhaGrafico(const EstadoSpin& e) override { grafico_(e); }

  private:
    PainelTempos& tempos_;
    std::function<void(const EstadoSpin&)> tabela_, grafico_;
    char SepDec_;
};

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace

void Form1::Command1_Click() {
    if (executando_) {
        execucaoPendente_ = true;
        return;
    }
    executando_ = true;
    do {
        execucaoPendente_ = false;
        Executa();
    } while (execucaoPendente_);
    executando_ = false;
}

TextosEntrada Form1::LeCaixas() const {
    TextosEntrada t;
    t.Text1 = Text1_->text().toStdString();
    t.Text110 = Text110_->text().toStdString();
    t.Text12 = Text12_->text().toStdString();
    t.Text111 = Text111_;
    for (int i = 1; i <= NProtMax; ++i) {
        t.Text2[std::size_t(i)] = Text2(i)->text().toStdString();
        for (int c = i + 1; c <= NProtMax; ++c)
            t.TextJ[std::size_t(i)][std::size_t(c)] = TextJ(i, c)->text().toStdString();
    }
    t.PPM = PPM_;
    return t;
}

// Only texts that differ are written: an unchanged box keeps its caret and
// does not count as an edit.
void Form1::EscreveCaixas(const TextosEntrada& t) {
    const auto escreve = [](auto* w, const std::string& s) {
        const QString q = Q(s);
        if (w->text() != q) w->setText(q);
    };
    escreve(Text12_, t.Text12);
    escreve(Text110_, t.Text110);
    escreve(Text1_, t.Text1);
    for (int i = 1; i <= NProt_; ++i) {
        escreve(Text2(i), t.Text2[std::size_t(i)]);
        escreve(Label6(i), t.Label6[std::size_t(i)]);
        for (int c = i + 1; c <= NProt_; ++c)
            escreve(TextJ(i, c), t.TextJ[std::size_t(i)][std::size_t(c)]);
    }
    o_.Text110 = t.Text110;
    o_.Text12 = t.Text12;
}

void Form1::Executa() {
    const Ampulheta ampulheta;
    TextosEntrada t = LeCaixas();
    EntradaSimulacao in;
    if (auto erro = LeEntrada(t, SepDec_, in)) {
        QMessageBox::warning(this, QStringLiteral("Dados de entrada"), Q(*erro));
        return;
    }
    in.PrimOrdem = PrimOrdem_;
    in.ComTabela = ComTabela_;

    NProt_ = in.NProt;
    EscreveCaixas(t);
    AntesDaExecucao(in.NProt);

    // The count is shown as soon as the new bands are in.
    const auto contaBandas = [this](const EstadoSpin& e) {
        barra_->Painel(StatusBar1::PainelBandas)->setText(QString::number(e.NBandas));
    };
    ObservadorJanela obs(
        *Picture3_,
        [this, contaBandas](const EstadoSpin& e) {
            contaBandas(e);
            if (!ComTabela_) return; // closed while the run yielded
            MSFlexGrid1_->FlexPreenchBandas(e);
            TabelaPreenchida_ = true;
        },
        [this, contaBandas](const EstadoSpin& e) {
            contaBandas(e);
            Picture1_->Restaurar();
        },
        SepDec_);
    const auto erro = Simula(in, e_, trabalho_, obs);
    if (!erro) emit ResultadosNovos();
    // The table may have been opened or closed while the run yielded; the
    // state swapped in carries the value the run started with.
    e_.ComTabela = ComTabela_;
    if (erro) {
        // The previous results are still whole: show them again.
        if (ComTabela_) {
            MSFlexGrid1_->FlexPreenchBandas(e_);
            TabelaPreenchida_ = true;
        }
        Picture1_->Restaurar();
        QMessageBox::warning(this, QStringLiteral("Dados de entrada"), Q(*erro));
    }
    Timer1_.start(1000);
}

void Form1::DefineComTabela(bool aberta) {
    ComTabela_ = aberta;
    e_.ComTabela = aberta;
}

// Steps of the run that belong to the window, from the flags to the wait panel.
void Form1::AntesDaExecucao(int N) {
    g_.BandaMarcada = false;
    g_.RecalcEscala = true;
    g_.env.EnvValida = false;
    TabelaPreenchida_ = false;
    g_.Visualizando = false;
    AvisoPPMDado_ = false;
    if (o_.TelaPequena) AjustaAlturaCompacta(0);
    Picture1_->Limpa();
    MSFlexGrid1_->Esvazia();
    Picture3_->PrepMsFlex2();
    if (Text1_->text() != QStringLiteral("1")) {
        o_.CompararCurvas = false;
        Menu("mnuCompararCurvas")->setChecked(false);
    }
    if (N > 6) {
        Picture3_->MostraEspera();
        if (o_.TelaPequena) AjustaAlturaCompacta(N);
        QCoreApplication::processEvents();
    }
    PrepTextsDeslQuim();
    PrepTextsJ();
}

// The compact plot gives way to the coupling grid of more than 6 protons;
// its bottom edge stays at 7455 twips.
void Form1::AjustaAlturaCompacta(int N) {
    const int extra = N > 6 ? 285 * (N - 6) : 0;
    const int altura = N > 6 ? 5655 - extra : 5535;
    const int topo = N > 6 ? 1800 + extra : 1920;
    Picture1_->DefineAlturaExterna(altura);
    MoveTwips(Picture1_, EsqTwips(Picture1_), topo);
}
