#pragma once
// "Verificações": what a correct diagonalisation must reproduce. The
// determinant of H (Chió) against the product of the eigenvalues, the trace
// of H against the trace of A, the products HV and VA side by side, and the
// sum of squares of every eigenvector column.

#include "estado/EstadoSpin.h"

#include <QDialog>

class FlexGrid;
class QLineEdit;
class QPushButton;

class JanelaVerificacoes : public QDialog {
    Q_OBJECT

  public:
    explicit JanelaVerificacoes(QWidget* parent = nullptr);

    // Fills every box and grid from e.
    void Preenche(const EstadoSpin& e);

  private:
    QLineEdit* Text1_;
    QLineEdit* Text2_;
    QLineEdit* Text3_;
    QLineEdit* Text4_;
    FlexGrid* MSFlexGrid1_;
    FlexGrid* MSFlexGrid2_;
    FlexGrid* MSFlexGrid3_;
    QPushButton* Command1_;
};
