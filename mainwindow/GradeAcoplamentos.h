#pragma once
// The coupling grid of the input panel: a box for every J(r, c) with r < c,
// the row and column captions, laid out for N protons under its heading, and
// what Enter does in each box.

#include "estado/EstadoSpin.h"

#include <QObject>

#include <array>
#include <functional>

class QLabel;
class QLineEdit;
class QWidget;

class GradeAcoplamentos : public QObject {
    Q_OBJECT

  public:
    // NProt: the protons the panel is laid out for.
    GradeAcoplamentos(QWidget* janela, char SepDec, std::function<int()> NProt, QObject* pai);

    // Shows the boxes of NProt() protons, the grid moved to stay centred
    // under its heading.
    void Prepara();
    // Before the first layout: no grid, no heading.
    void Esconde();

    // The bottom edge of the lowest row shown, in the window's pixels (0
    // with none shown): what lies under the grid must start below it.
    int Fundo() const;

    QLineEdit* caixaJ(int r, int c) const { return caixaJ_[std::size_t(r)][std::size_t(c)]; }
    // "Constantes de Acoplamento".
    QLabel* rotuloCabecalho() const { return rotuloCabecalho_; }
    // The column numbers over the grid ("X(H) = 2 3 ...").
    QWidget* faixaColunasJ() const { return faixaColunasJ_; }

  signals:
    // Enter in a box that holds something.
    void ExecucaoPedida();
    // The user typed in a box.
    void Editado();
    // Enter in the rows from 5 on: the next step is "Executar".
    void PassaAoExecutar();

  private:
    void ConfirmaJ(int r, int k);

    char SepDec_;
    std::function<int()> NProt_;
    std::array<std::array<QLineEdit*, NProtMax + 1>, NProtMax + 1> caixaJ_{};
    std::array<QLabel*, NProtMax - 1> rotuloLinhaJ_{};
    std::array<QLabel*, NProtMax - 1> rotuloColunaJ_{};
    QLabel* rotuloCabecalho_ = nullptr;
    QWidget* faixaColunasJ_ = nullptr;
};
