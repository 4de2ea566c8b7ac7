#pragma once
// The unit of the shift boxes, Hz or ppm: the switch that swaps each box
// with its companion label, the question offered when the frequency is
// edited in Hz, and the whole values that the rounded texts of a switch
// stand for in the run.

#include "estado/EstadoSpin.h"
#include "run/ValoresIniciais.h"

#include <QObject>
#include <QString>

#include <array>
#include <optional>
#include <string>

class QLabel;
class QLineEdit;
class QWidget;

class UnidadeDesloc : public QObject {
    Q_OBJECT

  public:
    // The panel's controls the unit moves and rewrites.
    struct Caixas {
        const std::array<QLineEdit*, NProtMax + 1>& desloc;
        const std::array<QLabel*, NProtMax + 1>& outra;
        QLabel* cabecalho;
        QLineEdit* frequencia;
    };
    UnidadeDesloc(const Caixas& c, QWidget* janela, char SepDec, QObject* pai);

    bool PPM() const { return PPM_; }
    // "Mudar Hz/ppm".
    void Alterna();
    // Typing a frequency in Hz: "Mudar para ppm?", asked once per run.
    void OfereceMudarParaPpm();
    void DefineAvisoPPMDado(bool dado) { AvisoPPMDado_ = dado; }
    // The frequency the companion labels were computed at.
    void DefineMHzDosRotulos(std::optional<double> MHz) { MHzDosRotulos_ = MHz; }
    // A shift box still showing what a switch put there stands for the
    // whole value, not for its rounded text.
    bool UsaExato(int i) const;
    // The text of shift i as the run reads it.
    std::string Texto(int i) const;

  signals:
    void Editado();
    void FocoDevolvido();

  private:
    struct Exato {
        QString mostrado;  // the rounded text the box was given
        std::string valor; // the whole value it stands for
    };

    Caixas c_;
    QWidget* janela_;
    char SepDec_;
    bool PPM_ = false;
    bool AvisoPPMDado_ = false;
    std::array<Exato, NProtMax + 1> exatos_{};
    std::optional<double> MHzDosRotulos_ = MHzInicial;
};
