#pragma once
// The main window: the input panel, the plot, the results table and the
// timing panel, with the menus the frame shows for it. It reads its boxes,
// hands them to the run and shows what the run leaves in the spin state.

#include "display/EstadoGrafico.h"
#include "estado/EstadoSpin.h"
#include "run/LeituraEntrada.h"

#include <QString>
#include <QTimer>
#include <QWidget>

#include <array>
#include <functional>
#include <optional>

struct DadosArquivo;
class AreaGrafico;
class PainelTempos;
class BarraEstado;
class TabelaResultadosWidget;
class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenuBar;
class QPushButton;
class QRadioButton;
class QSlider;

// Where the frame gets its menus and status bar, and the screen width the
// layout is chosen for (the screen's own unless given).
struct LigacaoMoldura {
    QMenuBar* menus = nullptr;
    BarraEstado* barra = nullptr;
    std::optional<int> larguraTela; // pixels
};

// The window's menu items in the frame's menu bar.
struct AcoesEspectro {
    QAction *abrirDados{}, *salvarDados{}, *sair{};
    QAction *copiarTabela{}, *visualizarCopia{}, *copiarColorido{}, *copiarPretoEBranco{};
    QAction *tempos{}, *compararCurvas{}, *primeiraOrdem{};
    QAction *colorido{}, *semCores{}, *semHistograma{}; // one at most
    QAction *comEnvolvente{}, *semEnvolvente{};         // exactly one
    QAction* numerosGrandes{};
    QAction* matrizes{};
};

class JanelaEspectro : public QWidget {
    Q_OBJECT

  public:
    JanelaEspectro(EstadoSpin& estado, EstadoSpin& trabalho, const LigacaoMoldura& moldura,
                   QWidget* parent = nullptr);
    ~JanelaEspectro() override;

    // The run ("Executar"). A request made while a run is between stages is
    // remembered and served once, when that run ends.
    void Executa();
    // False when the program must not end now (Cancel, or Yes: the save runs
    // and the program stays open).
    bool PodeFechar();
    void SalvaDados();
    void AbreDados();
    void AlternaHzPpm();
    void AlternaTabela();
    void EditaTitulo();

    // The file dialogs; tests put their own choice here. The argument tells
    // a save from an open; an empty answer is a cancel.
    std::function<QString(bool salvar)> EscolheArquivo;

    // Widgets and state, for the frame, the inspector and the tests.
    QLineEdit* caixaNProt() const { return caixaNProt_; }
    QLineEdit* caixaFrequencia() const { return caixaFrequencia_; }
    QLineEdit* caixaIntMin() const { return caixaIntMin_; }
    QLineEdit* caixaLargura() const { return caixaLargura_; }
    QLineEdit* caixaDesloc(int i) const { return caixaDesloc_[std::size_t(i)]; }
    QLabel* rotuloOutraUnidade(int i) const { return rotuloOutraUnidade_[std::size_t(i)]; }
    QLineEdit* caixaJ(int r, int c) const { return caixaJ_[std::size_t(r)][std::size_t(c)]; }
    QLabel* rotuloCabecalho(int i) const { return rotuloCabecalho_[std::size_t(i)]; }
    QWidget* faixaColunasJ() const { return faixaColunasJ_; }
    QPushButton* botaoExecutar() const { return botaoExecutar_; }
    QPushButton* botaoCorProton(int i) const { return botaoCorProton_[std::size_t(i)]; }
    QPushButton* botaoTabela() const { return botaoTabela_; }
    QPushButton* botaoAmpliarV() const { return botaoAmpliarV_; }
    QPushButton* botaoReduzirV() const { return botaoReduzirV_; }
    QPushButton* botaoAmpliarH() const { return botaoAmpliarH_; }
    QPushButton* botaoReduzirH() const { return botaoReduzirH_; }
    QPushButton* botaoHzPpm() const { return botaoHzPpm_; }
    QPushButton* botaoTodasBandas() const { return botaoTodasBandas_; }
    QGroupBox* quadroCores() const { return quadroCores_; }
    QGroupBox* quadroEnvolvente() const { return quadroEnvolvente_; }
    QGroupBox* quadroMistura() const { return quadroMistura_; }
    QSlider* controleMistura() const { return controleMistura_; }
    AreaGrafico* areaGrafico() const { return areaGrafico_; }
    TabelaResultadosWidget* tabelaResultados() const { return tabelaResultados_; }
    PainelTempos* painelTempos() const { return painelTempos_; }
    const AcoesEspectro& Acoes() const { return acoes_; }
    QTimer& temporizadorTempos() { return temporizadorTempos_; }

    const EstadoSpin& Estado() const { return e_; }
    const EstadoGrafico& EstadoDoGrafico() const { return g_; }
    const OpcoesGrafico& Opcoes() const { return o_; }
    bool PPM() const { return PPM_; }
    bool DadosSalvos() const { return DadosSalvos_; }
    bool TelaPequena() const { return o_.TelaPequena; }
    bool Executando() const { return executando_; }

  signals:
    // The frame's caption: "Halvora" followed by "-[name]" after a save or a load.
    void ArquivoUsado(const QString& nome);
    // "Janela" > "Matrizes".
    void MatrizesPedidas();

  protected:
    bool eventFilter(QObject* obj, QEvent* ev) override;

  private:
    // Construction, one part of the window each (JanelaEspectroEntrada.cpp,
    // JanelaEspectroMenus.cpp, JanelaEspectroLayout.cpp).
    void CriaPainelEntrada();
    void CriaGradeJ();
    void CriaBotoes();
    void CriaMenus(QMenuBar* barra);
    void Liga();
    void AjTamanhoTela(int larguraPixels);
    void Inicia();

    void PrepTextsDeslQuim();
    void PrepTextsJ();
    void VerificaNProt();
    void ConfirmaNProt();
    void ConfirmaDesloc(int i);
    void ConfirmaJ(int r, int k);
    void ConfirmaFrequencia();
    void OfereceMudarParaPpm();
    void ConfirmaIntMin();
    void ConfirmaLargura();
    void FiltraProton(int i);
    void MostraTodasBandas();
    void FocoNoGrafico();

    // The run (JanelaEspectroExecucao.cpp).
    void ExecutaUmaVez();
    TextosEntrada LeCaixas() const;
    void EscreveCaixas(const TextosEntrada& t);
    void AntesDaExecucao(int N);
    void AjustaAlturaCompacta(int N);
    void DefineComTabela(bool aberta);

    // Options and menus.
    void EscolheColorido();
    void EscolheSemCores();
    void OpcaoEnvolvente(bool ligada);
    void MostraCores(bool sim);
    void EscolheHistograma(int escolha);
    void AlternaCompararCurvas();
    void AlternaPrimeiraOrdem();
    void AlternaVisualizacao();
    void CopiaEspectro(bool pretoEBranco);
    void CopiaTabela();
    void Alterna();
    void MisturaMovida(int valor);
    void MisturaSolta();
    void AtualizaPainelPontos();

    // The data file (JanelaEspectroArquivo.cpp).
    void EstadoNeutro();
    void AplicaDados(const DadosArquivo& d);
    void AplicaOpcoesArquivo(const DadosArquivo& d);
    QString DialogoArquivo(bool salvar);
    void MostraTitulo(const std::string& titulo);

    EstadoSpin& e_;
    EstadoSpin& trabalho_;
    EstadoGrafico g_;
    OpcoesGrafico o_;
    BarraEstado* barra_;
    char SepDec_ = ',';
    // Protons the panel is laid out for (the state changes only when a run ends).
    int NProt_ = 3;
    bool PPM_ = false;
    bool AvisoPPMDado_ = false;
    bool DadosSalvos_ = true;
    bool TabelaPreenchida_ = false;
    // The table is open: the window's own flag, copied into every state a
    // run swaps in.
    bool ComTabela_ = true;
    bool executando_ = false;
    // The proton box lost the keyboard to another window or a menu, not to a control.
    bool caixaNProtVisitada_ = false;
    bool execucaoPendente_ = false;
    bool PrimOrdem_ = false;
    std::string textoTolJac_;
    QString pastaArquivos_;

    QLineEdit* caixaNProt_ = nullptr;
    QLineEdit* caixaFrequencia_ = nullptr;
    QLineEdit* caixaIntMin_ = nullptr;
    QLineEdit* caixaLargura_ = nullptr;
    std::array<QLineEdit*, NProtMax + 1> caixaDesloc_{};
    std::array<QLabel*, NProtMax + 1> rotuloOutraUnidade_{};
    std::array<QLabel*, NProtMax + 1> rotuloProton_{};
    std::array<QPushButton*, NProtMax + 1> botaoCorProton_{};
    std::array<QLabel*, NProtMax + 1> amostraCor_{};
    std::array<std::array<QLineEdit*, NProtMax + 1>, NProtMax + 1> caixaJ_{};
    std::array<QLabel*, NProtMax - 1> rotuloLinhaJ_{};
    std::array<QLabel*, NProtMax - 1> rotuloColunaJ_{};
    std::array<QLabel*, 2> rotuloCabecalho_{};
    QWidget* faixaColunasJ_ = nullptr;
    QWidget* painelDesloc_ = nullptr;
    QWidget* painelFrequencia_ = nullptr;
    QWidget* painelLargura_ = nullptr;
    QPushButton* botaoExecutar_ = nullptr;
    QPushButton* botaoRestaurar_ = nullptr;
    QPushButton* botaoTabela_ = nullptr;
    QPushButton* botaoAmpliarV_ = nullptr;
    QPushButton* botaoReduzirV_ = nullptr;
    QPushButton* botaoAmpliarH_ = nullptr;
    QPushButton* botaoReduzirH_ = nullptr;
    QPushButton* botaoHzPpm_ = nullptr;
    QPushButton* botaoTodasBandas_ = nullptr;
    QGroupBox* quadroCores_ = nullptr;
    QGroupBox* quadroEnvolvente_ = nullptr;
    QGroupBox* quadroMistura_ = nullptr;
    QRadioButton* opcaoColorido_ = nullptr;
    QRadioButton* opcaoSemCores_ = nullptr;
    QRadioButton* opcaoComEnvolvente_ = nullptr;
    QRadioButton* opcaoSemEnvolvente_ = nullptr;
    QSlider* controleMistura_ = nullptr;
    QLabel* rotuloMistura_ = nullptr;
    AreaGrafico* areaGrafico_ = nullptr;
    TabelaResultadosWidget* tabelaResultados_ = nullptr;
    PainelTempos* painelTempos_ = nullptr;
    QTimer temporizadorTempos_;

    AcoesEspectro acoes_;
};
