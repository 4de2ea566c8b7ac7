#pragma once
// The run as the window performs it: one run at a time (a request made while
// a run yields is served once, when it ends), the boxes read and checked
// before anything on screen changes, the wait panel, the table and the plot
// filled from what the run left, and the previous results shown again when
// the solver refuses a system.

#include "display/EstadoGrafico.h"
#include "estado/EstadoSpin.h"

#include <QObject>
#include <QTimer>

#include <chrono>
#include <deque>
#include <functional>

class AreaGrafico;
class BarraEstado;
class PainelEntrada;
class PainelTempos;
class TabelaResultadosWidget;
class QWidget;

// What a run reads and writes in the window.
struct PecasExecucao {
    EstadoSpin& estado;   // the results every reader sees
    EstadoSpin& trabalho; // where the next results are built
    EstadoGrafico& g;
    OpcoesGrafico& o;
    PainelEntrada& entrada;
    AreaGrafico& areaGrafico;
    TabelaResultadosWidget& tabelaResultados;
    PainelTempos& painelTempos;
    BarraEstado& barra;
    char SepDec;
};

class ExecucaoEspectro : public QObject {
    Q_OBJECT

  public:
    // janela: the parent of the messages.
    ExecucaoEspectro(const PecasExecucao& p, QWidget* janela);

    // "Executar".
    void Executa();
    bool Executando() const { return executando_; }
    // A handler that changes the inputs waits for the run in progress, so
    // that it acts on the results the run leaves, as it would at rest.
    void QuandoLivre(std::function<void()> acao);
    // Work outside the window's thread that reads what a run would change
    // (a fit): until Libera, runs and QuandoLivre's handlers wait as they do
    // for a run, and then are served. Only while no run is in progress.
    void Reserva();
    void Libera();
    // The last run was refused (its boxes or the solver): the results on
    // screen are the ones before it.
    bool UltimaRecusada() const { return recusada_; }

    // The results table is open: the window's own flag, which the plot and
    // the inspector ask and a run takes when it starts.
    void DefineComTabela(bool aberta);
    bool ComTabela() const { return ComTabela_; }
    // The table holds the bands of the results on screen.
    bool TabelaPreenchida() const { return TabelaPreenchida_; }
    void DefinePrimOrdem(bool primOrdem) { PrimOrdem_ = primOrdem; }
    bool PrimOrdem() const { return PrimOrdem_; }
    // Hides the timing panel a while after a run: a second, or what a test sets.
    static constexpr std::chrono::milliseconds EsperaPainelTempos{1000};
    void DefineEsperaPainelTempos(std::chrono::milliseconds espera) { esperaPainel_ = espera; }
    QTimer& temporizadorTempos() { return temporizadorTempos_; }

  signals:
    // A run with more than one proton ends "Comparar curvas".
    void CompararCurvasDesligado();
    // A run was accepted: every reader of the state has new results.
    void ResultadosNovos();

  private:
    void ExecutaUmaVez();
    void AtendeEsperando();
    void AntesDaExecucao(int N);
    void AjustaAlturaCompacta(int N);

    QWidget* janela_;
    EstadoSpin& e_;
    EstadoSpin& trabalho_;
    EstadoGrafico& g_;
    OpcoesGrafico& o_;
    PainelEntrada& entrada_;
    AreaGrafico& areaGrafico_;
    TabelaResultadosWidget& tabelaResultados_;
    PainelTempos& painelTempos_;
    BarraEstado& barra_;
    char SepDec_;
    bool executando_ = false;
    bool execucaoPendente_ = false;
    bool ComTabela_ = true;
    bool TabelaPreenchida_ = false;
    bool PrimOrdem_ = false;
    bool recusada_ = false;
    std::deque<std::function<void()>> esperando_;
    QTimer temporizadorTempos_;
    std::chrono::milliseconds esperaPainel_ = EsperaPainelTempos;
};
