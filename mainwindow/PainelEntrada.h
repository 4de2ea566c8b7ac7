#pragma once
// The input panel: the boxes of a spin system (number of protons, frequency,
// minimum intensity, width, shifts and couplings), their layout for N
// protons, what Enter does in each, and Hz/ppm. It places its controls on
// the window it is given, at the design's twip positions, hands its texts to
// the run and takes back what the run normalised.

#include "display/EstadoGrafico.h"
#include "estado/EstadoSpin.h"
#include "mainwindow/UnidadeDesloc.h"
#include "run/LeituraEntrada.h"
#include "run/ValoresIniciais.h"

#include <QObject>
#include <QString>

#include <array>
#include <optional>
#include <string>

struct EntradaSimulacao;
class GradeAcoplamentos;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

class PainelEntrada : public QObject {
    Q_OBJECT

  public:
    // g: the colours of the proton buttons.
    PainelEntrada(QWidget* janela, const EstadoGrafico& g, char SepDec);

    // The start-up system.
    void ValoresIniciais();
    // Every box's text, for the run.
    TextosEntrada Textos() const;
    // The texts the run normalised, and the protons the panel is now for.
    void EscreveTextos(const TextosEntrada& t, int N);
    // The system of the results on screen, after a run that was refused:
    // the count, the boxes laid out for it and the companion labels.
    void MostraSistema(const EstadoSpin& e);
    // The system of a data file, its shifts in Hz, and its width.
    void AplicaEntrada(const EntradaSimulacao& in, double largura);
    // Shows the boxes of NProt() protons and lays out the coupling grid.
    void PreparaCaixas();
    // The colour buttons of the protons, shown or not ("Colorido").
    void MostraCores(bool sim);
    // After the background swatch changed: the "BC" button and its swatch.
    void PintaFundoDasCores();
    // "Mudar Hz/ppm": the shift boxes and their companions swap places.
    void AlternaHzPpm() { unidade_->Alterna(); }
    // The frequency question ("Mudar para ppm?") is asked once per run.
    void DefineAvisoPPMDado(bool dado) { unidade_->DefineAvisoPPMDado(dado); }

    int NProt() const { return NProt_; }
    bool PPM() const { return unidade_->PPM(); }

    QLineEdit* caixaNProt() const { return caixaNProt_; }
    QLineEdit* caixaFrequencia() const { return caixaFrequencia_; }
    QLineEdit* caixaIntMin() const { return caixaIntMin_; }
    QLineEdit* caixaLargura() const { return caixaLargura_; }
    QLineEdit* caixaDesloc(int i) const { return caixaDesloc_[std::size_t(i)]; }
    // The shift of box i in the other unit.
    QLabel* rotuloOutraUnidade(int i) const { return rotuloOutraUnidade_[std::size_t(i)]; }
    GradeAcoplamentos& Acoplamentos() const { return *acoplamentos_; }
    // "Deslocamentos Químicos (Hz)" (or ppm).
    QLabel* rotuloCabecalho() const { return rotuloCabecalho_; }
    QPushButton* botaoCorProton(int i) const { return botaoCorProton_[std::size_t(i)]; }
    QPushButton* botaoHzPpm() const { return botaoHzPpm_; }
    QPushButton* botaoAmpliarH() const { return botaoAmpliarH_; }
    QPushButton* botaoReduzirH() const { return botaoReduzirH_; }
    QPushButton* botaoRestaurar() const { return botaoRestaurar_; }
    // The three rows of the panel, which the layouts move.
    QWidget* painelDesloc() const { return painelDesloc_; }
    QWidget* painelFrequencia() const { return painelFrequencia_; }
    QWidget* painelLargura() const { return painelLargura_; }

  signals:
    // Enter in a box that starts a run.
    void ExecucaoPedida();
    // A value the data file stores was edited.
    void Editado();
    // Enter in the width box left a valid width.
    void LarguraConfirmada();
    // A proton's colour button: show only its bands.
    void ProtonEscolhido(int i);
    // The keyboard goes back to the plot.
    void FocoDevolvido();
    // Enter in the coupling rows from 5 on: the next step is "Executar".
    void PassaAoExecutar();

  protected:
    bool eventFilter(QObject* obj, QEvent* ev) override;

  private:
    void CriaCaixas();
    void DefineOrdemTab();
    void PrepTextsDeslQuim();
    void VerificaNProt();
    void ConfirmaNProt();
    void ConfirmaDesloc(int i);
    void ConfirmaFrequencia();
    void OfereceMudarParaPpm();
    void ConfirmaIntMin();
    void ConfirmaLargura();
    void EsvaziaNProt();
    void RestauraNProt();

    QWidget* janela_;
    const EstadoGrafico& g_;
    char SepDec_;
    // Protons the panel is laid out for (the state changes only when a run ends).
    int NProt_ = 3;
    bool cores_ = true;
    // The proton box lost the keyboard to another window or a menu, not to a control.
    bool caixaNProtVisitada_ = false;
    bool frequenciaEditada_ = false; // typed into since the last confirmation
    std::string textoTolJac_;
    // What the proton box held before a visit emptied it.
    QString textoNProtAnterior_;

    QLineEdit* caixaNProt_ = nullptr;
    QLineEdit* caixaFrequencia_ = nullptr;
    QLineEdit* caixaIntMin_ = nullptr;
    QLineEdit* caixaLargura_ = nullptr;
    std::array<QLineEdit*, NProtMax + 1> caixaDesloc_{};
    std::array<QLabel*, NProtMax + 1> rotuloOutraUnidade_{};
    std::array<QLabel*, NProtMax + 1> rotuloProton_{};
    std::array<QPushButton*, NProtMax + 1> botaoCorProton_{};
    std::array<QLabel*, NProtMax + 1> amostraCor_{};
    GradeAcoplamentos* acoplamentos_ = nullptr;
    UnidadeDesloc* unidade_ = nullptr;
    QLabel* rotuloCabecalho_ = nullptr;
    QWidget* painelDesloc_ = nullptr;
    QWidget* painelFrequencia_ = nullptr;
    QWidget* painelLargura_ = nullptr;
    QPushButton* botaoHzPpm_ = nullptr;
    QPushButton* botaoAmpliarH_ = nullptr;
    QPushButton* botaoReduzirH_ = nullptr;
    QPushButton* botaoRestaurar_ = nullptr;
};
