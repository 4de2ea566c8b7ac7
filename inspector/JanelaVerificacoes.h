#pragma once
// "Verificações": what a correct diagonalisation must reproduce. The
// determinant of H (Chió) against the product of the eigenvalues, the trace
// of H against the trace of A, the products HV and VA side by side, and the
// sum of squares of every eigenvector column.

#include "estado/EstadoSpin.h"

#include <QDialog>

class FlexGrid;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;

class JanelaVerificacoes : public QDialog {
    Q_OBJECT

  public:
    explicit JanelaVerificacoes(QWidget* parent = nullptr);

    // Fills every box and grid from e, numbers with the decimal separator sep.
    void Preenche(const EstadoSpin& e, char sep);

  private:
    QLabel* NovoRotulo(const QString& nome, const char* texto, bool negrito = false);
    QGridLayout* CriaValores();
    QGridLayout* CriaProdutos();
    QHBoxLayout* CriaBotaoFechar();

    QLineEdit* caixaDeterminante_;
    QLineEdit* caixaProdutoAutovalores_;
    QLineEdit* caixaTracoH_;
    QLineEdit* caixaTracoA_;
    FlexGrid* gradeProdutoHV_;
    FlexGrid* gradeProdutoVA_;
    FlexGrid* gradeSomaQuadrados_;
    QPushButton* botaoFechar_;
};
