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
#include "inspector/ConsultasInspetor.h"

#include <QColor>
#include <QWidget>

#include <functional>

class FlexGrid;
class QLabel;
class QLineEdit;
class SetasValor;

class PasseioIntensidade : public QWidget {
    Q_OBJECT

  public:
    // gradeAutovetores and gradeTransicoes: the window's V and transition
    // grids. valido() says whether they still show the state; a handler does
    // nothing when they do not.
    PasseioIntensidade(const EstadoSpin& e, FlexGrid& gradeAutovetores, FlexGrid& gradeTransicoes,
                       ConsultasInspetor consultas, std::function<bool()> valido, QWidget* parent);

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
    QLabel* NovoRotulo(const char* nome, const char* texto);
    QLabel* NovoSinal(const char* nome, const char* texto);
    void Liga();
    void MostraControles(bool visivel);
    void PreparaVetores(int n);
    // Column `nivel` of the V grid: saved colours, highlight, copy into the vector grid.
    void RealcaColuna(int nivel, int QualNivel);
    void RestauraColuna(int nivel, int QualNivel);
    void ConfirmaNivel(int QualNivel);
    void MoveNivel(int QualNivel, bool cima);
    void AlinhaMaisPreciso();

    const EstadoSpin& e_;
    FlexGrid& gradeAutovetores_;
    FlexGrid& gradeTransicoes_;
    ConsultasInspetor consultas_;
    std::function<bool()> valido_;

    FlexGrid* gradeVetorA_;
    FlexGrid* gradeProduto_;
    FlexGrid* gradeVetorB_;
    QLineEdit* caixaNivelA_;
    QLineEdit* caixaNivelB_;
    SetasValor* setasNivelA_;
    SetasValor* setasNivelB_;
    QLabel* rotuloVezesTransicoes_;
    QLabel* rotuloVezesVetorB_;
    QLabel* rotuloIgualProduto_;
    QLabel* rotuloIgualResultado_;
    QLabel* rotuloResultado_; // A x transition matrix x B, from the numbers as shown
    QLabel* rotuloNivelA_;
    QLabel* rotuloNivelB_;
    QLabel* rotuloIntensidade_; // the intensity, from the numbers as shown
    QLabel* rotuloIntensidadePrecisa_;
    QLabel* rotuloResultadoPreciso_; // A x transition matrix x B at full precision
    QLabel* rotuloMaisPrecisoIntensidade_;
    QLabel* rotuloMaisPrecisoResultado_;
    QLabel* rotuloValorTabela_;

    int NivelAtualA_ = 1, NivelAtualB_ = 2;
    int yLimite_ = 0;
    Matriz<QRgb> CorSalva_; // (0..2, 0..NEst): row 1 for level A, row 2 for level B
};
