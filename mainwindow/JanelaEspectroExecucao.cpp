// The run as the window performs it: the boxes are read and checked before
// anything on screen changes, the core computes while the window keeps
// repainting, and the results land in the table, the plot and the timing
// panel.

#include "display/AreaGrafico.h"
#include "mainwindow/BarraEstado.h"
#include "mainwindow/JanelaEspectro.h"
#include "mainwindow/PainelTempos.h"
#include "mainwindow/TabelaResultadosWidget.h"
#include "run/Simulacao.h"
#include "widgets/Ampulheta.h"
#include "widgets/Twips.h"

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

void JanelaEspectro::Executa() {
    if (executando_) {
        execucaoPendente_ = true;
        return;
    }
    executando_ = true;
    do {
        execucaoPendente_ = false;
        ExecutaUmaVez();
    } while (execucaoPendente_);
    executando_ = false;
}

TextosEntrada JanelaEspectro::LeCaixas() const {
    TextosEntrada t;
    t.TextoNProt = caixaNProt_->text().toStdString();
    t.TextoFrequencia = caixaFrequencia_->text().toStdString();
    t.TextoIntMin = caixaIntMin_->text().toStdString();
    t.TextoTolJac = textoTolJac_;
    for (int i = 1; i <= NProtMax; ++i) {
        t.TextoDesloc[std::size_t(i)] = caixaDesloc(i)->text().toStdString();
        for (int c = i + 1; c <= NProtMax; ++c)
            t.TextoJ[std::size_t(i)][std::size_t(c)] = caixaJ(i, c)->text().toStdString();
    }
    t.PPM = PPM_;
    return t;
}

// Only texts that differ are written: an unchanged box keeps its caret and
// does not count as an edit.
void JanelaEspectro::EscreveCaixas(const TextosEntrada& t) {
    const auto escreve = [](auto* w, const std::string& s) {
        const QString q = Q(s);
        if (w->text() != q) w->setText(q);
    };
    escreve(caixaIntMin_, t.TextoIntMin);
    escreve(caixaFrequencia_, t.TextoFrequencia);
    escreve(caixaNProt_, t.TextoNProt);
    for (int i = 1; i <= NProt_; ++i) {
        escreve(caixaDesloc(i), t.TextoDesloc[std::size_t(i)]);
        escreve(rotuloOutraUnidade(i), t.TextoOutraUnidade[std::size_t(i)]);
        for (int c = i + 1; c <= NProt_; ++c)
            escreve(caixaJ(i, c), t.TextoJ[std::size_t(i)][std::size_t(c)]);
    }
    o_.TextoFrequencia = t.TextoFrequencia;
    o_.TextoIntMin = t.TextoIntMin;
}

void JanelaEspectro::ExecutaUmaVez() {
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
        barra_->Painel(BarraEstado::PainelBandas)->setText(QString::number(e.NBandas));
    };
    ObservadorJanela obs(
        *painelTempos_,
        [this, contaBandas](const EstadoSpin& e) {
            contaBandas(e);
            if (!ComTabela_) return; // closed while the run yielded
            tabelaResultados_->FlexPreenchBandas(e);
            TabelaPreenchida_ = true;
        },
        [this, contaBandas](const EstadoSpin& e) {
            contaBandas(e);
            areaGrafico_->Restaurar();
        },
        SepDec_);
    const auto erro = Simula(in, e_, trabalho_, obs);
    // The table may have been opened or closed while the run yielded; the
    // state swapped in carries the value the run started with.
    e_.ComTabela = ComTabela_;
    if (erro) {
        // The previous results are still whole: show them again.
        if (ComTabela_) {
            tabelaResultados_->FlexPreenchBandas(e_);
            TabelaPreenchida_ = true;
        }
        areaGrafico_->Restaurar();
        QMessageBox::warning(this, QStringLiteral("Dados de entrada"), Q(*erro));
    }
    temporizadorTempos_.start(1000);
}

void JanelaEspectro::DefineComTabela(bool aberta) {
    ComTabela_ = aberta;
    e_.ComTabela = aberta;
}

// Steps of the run that belong to the window, from the flags to the wait panel.
void JanelaEspectro::AntesDaExecucao(int N) {
    g_.BandaMarcada = false;
    g_.RecalcEscala = true;
    g_.env.EnvValida = false;
    TabelaPreenchida_ = false;
    g_.Visualizando = false;
    AvisoPPMDado_ = false;
    if (o_.TelaPequena) AjustaAlturaCompacta(0);
    areaGrafico_->Limpa();
    tabelaResultados_->Esvazia();
    painelTempos_->PreparaTabela();
    if (caixaNProt_->text() != QStringLiteral("1")) {
        o_.CompararCurvas = false;
        acoes_.compararCurvas->setChecked(false);
    }
    if (N > 6) {
        painelTempos_->MostraEspera();
        if (o_.TelaPequena) AjustaAlturaCompacta(N);
        QCoreApplication::processEvents();
    }
    PrepTextsDeslQuim();
    PrepTextsJ();
}

// The compact plot gives way to the coupling grid of more than 6 protons;
// its bottom edge stays at 7455 twips.
void JanelaEspectro::AjustaAlturaCompacta(int N) {
    const int extra = N > 6 ? 285 * (N - 6) : 0;
    const int altura = N > 6 ? 5655 - extra : 5535;
    const int topo = N > 6 ? 1800 + extra : 1920;
    areaGrafico_->DefineAlturaExterna(altura);
    MoveTwips(areaGrafico_, EsqTwips(areaGrafico_), topo);
}
