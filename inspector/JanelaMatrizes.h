#pragma once
// The "Matrizes" window: the Hamiltonian H, the diagonalised matrix A, the
// eigenvectors V and the transition matrix of the last run, each as a grid
// with the basis-state numbers as headers. It only reads the state, and
// rebuilds its grids when it is activated after being told of new results.
// From it start the intensity walkthrough and the verification window.

#include "estado/EstadoSpin.h"
#include "inspector/ConsultasInspetor.h"

#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <vector>

class FlexGrid;
class PasseioIntensidade;
class QGridLayout;
class QLabel;
class QPushButton;

class JanelaMatrizes : public QWidget {
    Q_OBJECT

  public:
    // e: the program's one spin state (its contents are swapped by each run;
    // the reference stays valid).
    JanelaMatrizes(const EstadoSpin& e, ConsultasInspetor consultas, QWidget* parent = nullptr);
    ~JanelaMatrizes() override;

    // What the symmetry check has printed on the window, in order.
    QStringList TextoImpresso() const;

  public slots:
    // The state holds results the grids do not show yet: they are rebuilt the
    // next time the window is activated, or a walkthrough handler runs.
    void ResultadosNovos();

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
    void CriaBotoes();
    void CriaDisposicao();
    void AplicaDisposicao();
    // On showing and on activation: a rebuild when the grids are out of date.
    void AtualizaGrades();
    // The normal view rebuilt from the state, out of date or not.
    void Reconstroi();
    void MostraMatrizes();
    void MostraPasseio();
    void PreencheGrades();
    void Posiciona();
    QPoint InicioImpressao() const;
    void AlternaPasseio();
    void AbreVerificacoes();
    void VerificaSimetria();
    void Imprime(const QString& s);
    // For the walkthrough's handlers: false once new results have replaced
    // what the grids show (the window is then rebuilt and the walkthrough left).
    bool GradesAtuais();

    const EstadoSpin& e_;
    ConsultasInspetor consultas_;
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
    QGridLayout* disposicao_;
    bool noPasseio_ = false;
    // A new window has shown nothing yet.
    bool gradesDesatualizadas_ = true;

    struct Impressao {
        QPoint pos;
        QString texto;
    };
    std::vector<Impressao> impressos_;
    QPoint posImpressao_;
};
