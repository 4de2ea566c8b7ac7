// The run as the window performs it: the boxes are read and checked before
// anything on screen changes, the core computes while the window keeps
// repainting, and the results land in the table, the plot and the timing
// panel.

#include "mainwindow/ExecucaoEspectro.h"

#include "display/AreaGrafico.h"
#include "display/EnvolventeCalc.h"
#include "display/TraducaoNucleo.h"
#include "mainwindow/BarraEstado.h"
#include "mainwindow/PainelEntrada.h"
#include "mainwindow/PainelTempos.h"
#include "mainwindow/TabelaResultadosWidget.h"
#include "run/Simulacao.h"
#include "widgets/Ampulheta.h"
#include "widgets/Twips.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>

#include <utility>

namespace {

// Bad values are the user's to mend; the other refusals are not about a box.
QString TituloDaRecusa(TipoErro tipo) {
    switch (tipo) {
    case TipoErro::Calculo:
        return QCoreApplication::translate("ExecucaoEspectro", "Cálculo");
    case TipoErro::Memoria:
        return QCoreApplication::translate("ExecucaoEspectro", "Memória insuficiente");
    default:
        return QCoreApplication::translate("ExecucaoEspectro", "Dados de entrada");
    }
}

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

} // namespace

ExecucaoEspectro::ExecucaoEspectro(const PecasExecucao& p, QWidget* janela)
    : QObject(janela), janela_(janela), e_(p.estado), trabalho_(p.trabalho), g_(p.g), o_(p.o),
      entrada_(p.entrada), areaGrafico_(p.areaGrafico), tabelaResultados_(p.tabelaResultados),
      painelTempos_(p.painelTempos), barra_(p.barra), SepDec_(p.SepDec) {
    connect(&temporizadorTempos_, &QTimer::timeout, this, [this] {
        temporizadorTempos_.stop();
        painelTempos_.hide();
    });
}

void ExecucaoEspectro::Executa() {
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
    AtendeEsperando();
}

void ExecucaoEspectro::AtendeEsperando() {
    while (!esperando_.empty()) {
        const auto acao = std::move(esperando_.front());
        esperando_.pop_front();
        acao();
    }
}

void ExecucaoEspectro::Reserva() {
    executando_ = true;
}

void ExecucaoEspectro::Libera() {
    executando_ = false;
    if (std::exchange(execucaoPendente_, false))
        Executa();
    else
        AtendeEsperando();
}

void ExecucaoEspectro::QuandoLivre(std::function<void()> acao) {
    if (!executando_) {
        acao();
        return;
    }
    esperando_.push_back(std::move(acao));
}

void ExecucaoEspectro::ExecutaUmaVez() {
    const Ampulheta ampulheta;
    TextosEntrada t = entrada_.Textos();
    EntradaSimulacao in;
    recusada_ = true;
    if (auto erro = LeEntrada(t, SepDec_, in)) {
        QMessageBox::warning(janela_, tr("Dados de entrada"), TraduzNucleo(*erro));
        return;
    }
    in.PrimOrdem = PrimOrdem_;
    in.ComTabela = ComTabela_;

    entrada_.EscreveTextos(t, in.NProt);
    AntesDaExecucao(in.NProt);

    // The count is shown as soon as the new bands are in.
    const auto contaBandas = [this](const EstadoSpin& e) {
        barra_.Painel(BarraEstado::PainelBandas)->setText(QString::number(e.NBandas));
    };
    ObservadorJanela obs(
        painelTempos_,
        [this, contaBandas](const EstadoSpin& e) {
            contaBandas(e);
            if (!ComTabela_) return; // closed while the run yielded
            tabelaResultados_.FlexPreenchBandas(e);
            TabelaPreenchida_ = true;
        },
        [this, contaBandas](const EstadoSpin& e) {
            contaBandas(e);
            // A redraw during the run's yields (a resize, say) computed the
            // envelope and the scale from the previous results: they are
            // stale from the moment the new ones are in, not before.
            InvalidaEnvolvente(g_);
            areaGrafico_.Restaurar();
        },
        SepDec_);
    const auto erro = Simula(in, e_, trabalho_, obs);
    recusada_ = bool(erro);
    if (!erro) emit ResultadosNovos();
    if (erro) {
        // The previous results are still whole: show them again, and the
        // panel and the timing table that describe them.
        entrada_.MostraSistema(e_);
        if (o_.TelaPequena) AjustaAlturaCompacta(e_.NProt);
        painelTempos_.RestauraLinhas();
        if (ComTabela_) {
            tabelaResultados_.FlexPreenchBandas(e_);
            TabelaPreenchida_ = true;
        }
        areaGrafico_.Restaurar();
        QMessageBox::warning(janela_, TituloDaRecusa(erro->tipo), TraduzNucleo(erro->texto));
    }
    temporizadorTempos_.start(esperaPainel_);
}

void ExecucaoEspectro::DefineComTabela(bool aberta) {
    ComTabela_ = aberta;
}

// Steps of the run that belong to the window, from the flags to the wait panel.
void ExecucaoEspectro::AntesDaExecucao(int N) {
    g_.BandaMarcada = false;
    InvalidaEnvolvente(g_);
    TabelaPreenchida_ = false;
    g_.Visualizando = false;
    entrada_.DefineAvisoPPMDado(false);
    if (o_.TelaPequena) AjustaAlturaCompacta(0);
    areaGrafico_.Limpa();
    tabelaResultados_.Esvazia();
    painelTempos_.GuardaLinhas();
    painelTempos_.PreparaTabela();
    if (entrada_.caixaNProt()->text() != QStringLiteral("1")) {
        o_.CompararCurvas = false;
        emit CompararCurvasDesligado();
    }
    if (N > 6) {
        painelTempos_.MostraEspera();
        if (o_.TelaPequena) AjustaAlturaCompacta(N);
        QCoreApplication::processEvents();
    }
    entrada_.PreparaCaixas();
}

// The compact plot gives way to the coupling grid of more than 6 protons;
// its bottom edge stays at 7455 twips.
void ExecucaoEspectro::AjustaAlturaCompacta(int N) {
    const int extra = N > 6 ? 285 * (N - 6) : 0;
    const int altura = N > 6 ? 5655 - extra : 5535;
    const int topo = N > 6 ? 1800 + extra : 1920;
    areaGrafico_.DefineAlturaExterna(altura);
    MoveTwips(&areaGrafico_, EsqTwips(&areaGrafico_), topo);
}
