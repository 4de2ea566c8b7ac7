#pragma once
// The "Matrizes" window: the Hamiltonian H, the diagonalised matrix A, the
// eigenvectors V and the transition matrix of the last run, each as a grid
// with the basis-state numbers as headers. It only reads the state, and
// rebuilds its grids when it is activated after a run (MatrizesPend).
// From it start the intensity walkthrough and the verification window.

#include "estado/EstadoSpin.h"

#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <vector>

class FlexGrid;
class PasseioIntensidade;
class QLabel;
class QPushButton;

class JanelaMatrizes : public QWidget {
    Q_OBJECT

  public:
    // e: the program's one spin state (its contents are swapped by each run;
    // the reference stays valid). textoTabela(r, c): the text of the results
    // table's cell (row r, column c).
    JanelaMatrizes(EstadoSpin& e, std::function<QString(int, int)> textoTabela,
                   QWidget* parent = nullptr);
    ~JanelaMatrizes() override;

    // What the symmetry check has printed on the window, in order.
    QStringList TextoImpresso() const;

  signals:
    void EspectroSimulado(); // "Espectro Simulado": bring the main window forward

  protected:
    bool event(QEvent* ev) override;
    void showEvent(QShowEvent* ev) override;
    void resizeEvent(QResizeEvent* ev) override;
    void paintEvent(QPaintEvent* ev) override;
    bool eventFilter(QObject* obj, QEvent* ev) override;

  private:
    QLabel* NovoTitulo(const char* nome, const QString& texto);
    void AtualizaGrades();
    // The normal view rebuilt from the state, whatever MatrizesPend says.
    void Reconstroi();
    void PreencheGrades();
    void Posiciona();
    void AlternaPasseio();
    void AbreVerificacoes();
    void VerificaSimetria();
    void Imprime(const QString& s);
    // For the walkthrough's handlers: false once a run has replaced what the
    // grids show (the window is then rebuilt and the walkthrough left).
    bool GradesAtuais();

    EstadoSpin& e_;
    std::function<QString(int, int)> textoTabela_;
    FlexGrid* gradeHamiltoniana_;
    FlexGrid* gradeAutovalores_;
    FlexGrid* gradeAutovetores_;
    FlexGrid* gradeTransicoes_;
    QLabel* rotuloHamiltoniana_;
    QLabel* rotuloAutovalores_;
    QLabel* rotuloAutovetores_;
    QLabel* rotuloTransicoes_;
    QPushButton* botaoEspectro_;
    QPushButton* botaoPasseio_;
    QPushButton* botaoVerificacoes_;
    PasseioIntensidade* passeio_;
    bool noPasseio_ = false;
    bool construida_ = false;

    struct Impressao {
        QPoint pos;
        QString texto;
    };
    std::vector<Impressao> impressos_;
    QPoint posImpressao_;
};
