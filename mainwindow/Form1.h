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
class Picture1;
class PainelTempos;
class StatusBar1;
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
struct MolduraForm1 {
    QMenuBar* menus = nullptr;
    StatusBar1* barra = nullptr;
    std::optional<int> larguraTela; // pixels
};

class Form1 : public QWidget {
    Q_OBJECT

  public:
    Form1(EstadoSpin& estado, EstadoSpin& trabalho, const MolduraForm1& moldura,
          QWidget* parent = nullptr);
    ~Form1() override;

    // The run ("Executar"). A request made while a run is between stages is
    // remembered and served once, when that run ends.
    void Command1_Click();
    // False when the program must not end now (Cancel, or Yes: the save runs
    // and the program stays open).
    bool Form_QueryUnload();
    void mnuSalvarDadEntr_Click();
    void mnuAbrirDadEntr_Click();
    void Command14_Click();
    void Command7_Click();
    void Label7_DblClick();

    // The file dialogs; tests put their own choice here. The argument tells
    // a save from an open; an empty answer is a cancel.
    std::function<QString(bool salvar)> EscolheArquivo;

    // Widgets and state, for the frame, the inspector and the tests.
    QLineEdit* Text1() const { return Text1_; }
    QLineEdit* Text110() const { return Text110_; }
    QLineEdit* Text12() const { return Text12_; }
    QLineEdit* Text13() const { return Text13_; }
    QLineEdit* Text2(int i) const { return Text2_[std::size_t(i)]; }
    QLabel* Label6(int i) const { return Label6_[std::size_t(i)]; }
    QLineEdit* TextJ(int r, int c) const { return TextJ_[std::size_t(r)][std::size_t(c)]; }
    QLabel* Label5(int i) const { return Label5_[std::size_t(i)]; }
    QWidget* Picture2() const { return Picture2_; }
    QPushButton* Command1() const { return Command1_; }
    QPushButton* Command4(int i) const { return Command4_[std::size_t(i)]; }
    QPushButton* Command7() const { return Command7_; }
    QPushButton* Command10() const { return Command10_; }
    QPushButton* Command11() const { return Command11_; }
    QPushButton* Command12() const { return Command12_; }
    QPushButton* Command13() const { return Command13_; }
    QPushButton* Command14() const { return Command14_; }
    QPushButton* Command21() const { return Command21_; }
    QGroupBox* Frame1() const { return Frame1_; }
    QGroupBox* Frame2() const { return Frame2_; }
    QGroupBox* Frame3() const { return Frame3_; }
    QSlider* Slider4() const { return Slider4_; }
    Picture1* Grafico() const { return Picture1_; }
    TabelaResultadosWidget* MSFlexGrid1() const { return MSFlexGrid1_; }
    PainelTempos* Picture3() const { return Picture3_; }
    QAction* Menu(const char* nome) const;
    QTimer& Timer1() { return Timer1_; }

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
    // A run has put new results in the state, or "Fixar Janela" was released.
    void ResultadosNovos();

  protected:
    bool eventFilter(QObject* obj, QEvent* ev) override;

  private:
    // Construction, one part of the window each (Form1Entrada.cpp,
    // Form1Menus.cpp, Form1Layout.cpp).
    void CriaPainelEntrada();
    void CriaGradeJ();
    void CriaBotoes();
    void CriaMenus(QMenuBar* barra);
    void Liga();
    void AjTamanhoTela(int larguraPixels);
    void Form_Load();

    void PrepTextsDeslQuim();
    void PrepTextsJ();
    void Text1_Change();
    void Text1_KeyPress();
    void Text2_KeyPress(int i);
    void TextJ_KeyPress(int r, int k);
    void Text110_KeyPress();
    void Text110_Change();
    void Text12_KeyPress();
    void Text13_KeyPress();
    void Command4_Click(int i);
    void Command21_Click();
    void FocoNoGrafico();

    // The run (Form1Execucao.cpp).
    void Executa();
    TextosEntrada LeCaixas() const;
    void EscreveCaixas(const TextosEntrada& t);
    void AntesDaExecucao(int N);
    void AjustaAlturaCompacta(int N);
    void DefineComTabela(bool aberta);

    // Options and menus.
    void Option1_Click();
    void Option2_Click();
    void OpcaoEnvolvente(bool ligada);
    void MostraCores(bool sim);
    void mnuHistograma(int escolha);
    void mnuCompararCurvas_Click();
    void mnuEspPrimOrd_Click();
    void mnuVisualizarCopia_Click();
    void mnuCopiarEspectro(bool pretoEBranco);
    void mnuCopiarTabResult_Click();
    void mnuTempoConsum_Click();
    void Slider4_Scroll(int valor);
    void Slider4_Change();
    void AtualizaPainelPontos();

    // The data file (Form1Arquivo.cpp).
    void EstadoNeutro();
    void AplicaDados(const DadosArquivo& d);
    void AplicaOpcoesArquivo(const DadosArquivo& d);
    QString DialogoArquivo(bool salvar);
    void MostraTitulo(const std::string& titulo);

    EstadoSpin& e_;
    EstadoSpin& trabalho_;
    EstadoGrafico g_;
    OpcoesGrafico o_;
    StatusBar1* barra_;
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
    // Text1 lost the keyboard to another window or a menu, not to a control.
    bool Text1Visitado_ = false;
    bool execucaoPendente_ = false;
    bool PrimOrdem_ = false;
    std::string Text111_;
    QString pastaArquivos_;

    QLineEdit* Text1_ = nullptr;
    QLineEdit* Text110_ = nullptr;
    QLineEdit* Text12_ = nullptr;
    QLineEdit* Text13_ = nullptr;
    std::array<QLineEdit*, NProtMax + 1> Text2_{};
    std::array<QLabel*, NProtMax + 1> Label6_{};
    std::array<QLabel*, NProtMax + 1> Label2_{};
    std::array<QPushButton*, NProtMax + 1> Command4_{};
    std::array<QLabel*, NProtMax + 1> Label23_{};
    std::array<std::array<QLineEdit*, NProtMax + 1>, NProtMax + 1> TextJ_{};
    std::array<QLabel*, NProtMax - 1> Label4_{};
    std::array<QLabel*, NProtMax - 1> Label3_{};
    std::array<QLabel*, 2> Label5_{};
    QWidget* Picture2_ = nullptr;
    QWidget* Picture4_ = nullptr;
    QWidget* Picture5_ = nullptr;
    QWidget* Picture6_ = nullptr;
    QPushButton* Command1_ = nullptr;
    QPushButton* Command2_ = nullptr;
    QPushButton* Command7_ = nullptr;
    QPushButton* Command10_ = nullptr;
    QPushButton* Command11_ = nullptr;
    QPushButton* Command12_ = nullptr;
    QPushButton* Command13_ = nullptr;
    QPushButton* Command14_ = nullptr;
    QPushButton* Command21_ = nullptr;
    QGroupBox* Frame1_ = nullptr;
    QGroupBox* Frame2_ = nullptr;
    QGroupBox* Frame3_ = nullptr;
    QRadioButton* Option1_ = nullptr;
    QRadioButton* Option2_ = nullptr;
    QRadioButton* Option5_ = nullptr;
    QRadioButton* Option6_ = nullptr;
    QSlider* Slider4_ = nullptr;
    QLabel* Label19_ = nullptr;
    Picture1* Picture1_ = nullptr;
    TabelaResultadosWidget* MSFlexGrid1_ = nullptr;
    PainelTempos* Picture3_ = nullptr;
    QTimer Timer1_;

    // Menu items by their program names (mnuColorido, ...).
    std::vector<std::pair<const char*, QAction*>> menus_;
};
