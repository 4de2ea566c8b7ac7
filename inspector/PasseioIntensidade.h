#pragma once
// The intensity walkthrough of the "Matrizes" window: two levels A and B,
// their eigenvectors highlighted in the V grid, and the transition intensity
// as (row vector A) x (transition matrix) x (column vector B), squared, once
// from the numbers as shown and once at full precision, beside the value of
// the results table.
//
// The controls live on this widget, which covers the window beneath its
// matrix grids; the window shows it only while the walkthrough is on.

#include "estado/EstadoSpin.h"

#include <QColor>
#include <QWidget>

#include <array>
#include <functional>

class FlexGrid;
class QLabel;
class QLineEdit;
class SetasValor;

class PasseioIntensidade : public QWidget {
    Q_OBJECT

  public:
    // MSFlexGrid3 and MSFlexGrid4: the window's eigenvector and transition
    // grids. valido() says whether they still show the state; a handler does
    // nothing when they do not.
    PasseioIntensidade(EstadoSpin& e, FlexGrid& MSFlexGrid3, FlexGrid& MSFlexGrid4,
                       std::function<QString(int, int)> textoTabela, std::function<bool()> valido,
                       QWidget* parent);

    // Levels 1 and 2, their columns highlighted, the products computed.
    void Entra();
    // Places the controls; nothing may reach below yLimite to the right of
    // the transition grid.
    void Posiciona(int yLimite);

    int NivelAtualA() const { return NivelAtualA_; }
    int NivelAtualB() const { return NivelAtualB_; }

    // QualNivel 1 is level A, anything else level B.
    void MudaNivel(int& NivelVelho, int NivelNovo, int QualNivel);
    void MultMatrizes();

  private:
    void MostraControles(bool visivel);
    void PreparaVetores(int n);
    // Column `nivel` of the V grid: saved colours, highlight, copy into the vector grid.
    void RealcaColuna(int nivel, int QualNivel);
    void RestauraColuna(int nivel, int QualNivel);
    void Text_Enter(int QualNivel);
    void Spin(int QualNivel, bool cima);
    void AlinhaMaisPreciso();

    EstadoSpin& e_;
    FlexGrid& MSFlexGrid3_;
    FlexGrid& MSFlexGrid4_;
    std::function<QString(int, int)> textoTabela_;
    std::function<bool()> valido_;

    FlexGrid* MSFlexGrid5_;
    FlexGrid* MSFlexGrid6_;
    FlexGrid* MSFlexGrid7_;
    QLineEdit* Text1_;
    QLineEdit* Text2_;
    SetasValor* SpinButton1_;
    SetasValor* SpinButton2_;
    std::array<QLabel*, 19> Label_{}; // Label6..Label18

    int NivelAtualA_ = 1, NivelAtualB_ = 2;
    int yLimite_ = 0;
    Matriz<QRgb> CorSalva_; // (0..2, 0..NEst): q = 1 level A, q = 2 level B
};
