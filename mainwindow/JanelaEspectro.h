#pragma once
// The main window: it composes the input panel, the options, the run, the
// data file, the menus, the plot, the results table and the timing panel,
// and lays them out for the screen.

#include "mainwindow/AcoesEspectro.h"
#include "mainwindow/DialogosArquivo.h"
#include "mainwindow/EstadosPrograma.h"

#include <QString>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <optional>

class AjusteEspectro;
class AreaGrafico;
class ArquivoEspectro;
class BarraEstado;
class ExecucaoEspectro;
class FiguraEspectro;
class JcampEspectro;
class MenusEspectro;
class OpcoesEspectro;
class PainelEntrada;
class PainelTempos;
class TabelaResultadosWidget;
class QMenuBar;
class QPushButton;

// Where the frame gets its menus and status bar, and the screen width the
// layout is chosen for (the screen's own unless given).
struct LigacaoMoldura {
    QMenuBar* menus = nullptr;
    BarraEstado* barra = nullptr;
    std::optional<int> larguraTela; // pixels
};

class JanelaEspectro : public QWidget {
    Q_OBJECT

  public:
    JanelaEspectro(EstadosPrograma& estados, const LigacaoMoldura& moldura,
                   QWidget* parent = nullptr);
    ~JanelaEspectro() override;

    // The start-up system and its first run; the frame calls it once the
    // window is in place and whatever listens to it is connected.
    void Inicia();
    // False when the program must not end now: Cancel, or Yes with a save
    // that was cancelled or failed.
    bool PodeFechar();
    // "Fechar tabela" / "Abrir tabela".
    void AlternaTabela();

    // The window's parts, for the frame and the tests.
    PainelEntrada& Entrada() const { return *entrada_; }
    OpcoesEspectro& OpcoesDaJanela() const { return *opcoes_; }
    ExecucaoEspectro& Execucao() const { return *execucao_; }
    ArquivoEspectro& Arquivo() const { return *arquivo_; }
    JcampEspectro& Jcamp() const { return *jcamp_; }
    AjusteEspectro& Ajuste() const { return *ajuste_; }
    FiguraEspectro& Figura() const { return *figura_; }
    DialogosArquivo& Dialogos() { return dialogos_; }
    MenusEspectro& Menus() const { return *menus_; }
    AreaGrafico* areaGrafico() const { return areaGrafico_; }
    TabelaResultadosWidget* tabelaResultados() const { return tabelaResultados_; }
    PainelTempos* painelTempos() const { return painelTempos_; }
    QPushButton* botaoExecutar() const { return botaoExecutar_; }
    QPushButton* botaoTabela() const { return botaoTabela_; }
    QPushButton* botaoAmpliarV() const { return botaoAmpliarV_; }
    QPushButton* botaoReduzirV() const { return botaoReduzirV_; }
    const AcoesEspectro& Acoes() const { return acoes_; }

    const EstadoSpin& Estado() const { return e_; }
    const EstadoGrafico& EstadoDoGrafico() const { return g_; }
    const OpcoesGrafico& Opcoes() const { return o_; }
    char SepDec() const { return SepDec_; }
    bool DadosSalvos() const { return DadosSalvos_; }
    bool TelaPequena() const { return o_.TelaPequena; }
    // A resize waits a moment before the plot is laid out again.
    bool AjusteDoGraficoPendente() const { return relayout_.isActive(); }

  signals:
    // The frame's caption: "Halvora" followed by "-[name]" after a save or a load.
    void ArquivoUsado(const QString& nome);
    // "Janela" > "Matrizes".
    void MatrizesPedidas();
    // A run was accepted, or the plot's window was released: whatever shows
    // the state's matrices is out of date.
    void ResultadosNovos();

  protected:
    void resizeEvent(QResizeEvent* ev) override;

  private:
    void CriaBotoes();
    // The wide layout's plot grows into the room the window has beyond the
    // design, and the vertical zoom buttons follow its right edge.
    void AjustaGraficoAoEspaco();
    int TopoDoGrafico(int fundo);
    void PoeFileira(int esq, int topoGrafico);
    void Liga();
    void AjTamanhoTela(int larguraPixels);

    EstadoSpin& e_;
    EstadoGrafico& g_;
    OpcoesGrafico& o_;
    BarraEstado* barra_;
    char SepDec_ = ',';
    bool DadosSalvos_ = true;
    AcoesEspectro acoes_;
    DialogosArquivo dialogos_{this};

    PainelEntrada* entrada_ = nullptr;
    OpcoesEspectro* opcoes_ = nullptr;
    AreaGrafico* areaGrafico_ = nullptr;
    TabelaResultadosWidget* tabelaResultados_ = nullptr;
    PainelTempos* painelTempos_ = nullptr;
    ExecucaoEspectro* execucao_ = nullptr;
    ArquivoEspectro* arquivo_ = nullptr;
    JcampEspectro* jcamp_ = nullptr;
    AjusteEspectro* ajuste_ = nullptr;
    FiguraEspectro* figura_ = nullptr;
    MenusEspectro* menus_ = nullptr;
    QPushButton* botaoExecutar_ = nullptr;
    QPushButton* botaoTabela_ = nullptr;
    QPushButton* botaoAmpliarV_ = nullptr;
    QPushButton* botaoReduzirV_ = nullptr;
    // Resizes come in bursts while a corner is dragged: one relayout per burst.
    QTimer relayout_;
};
