#pragma once
// The timing panel (Picture3): the stage times of the last run in
// MSFlexGrid2, shown as a wait notice during long runs (two messages) or on
// request (a "Fechar" button), with a raised border.

#include <QFrame>

#include <string_view>

class FlexGrid;
class QLabel;
class QPushButton;

class PainelTempos : public QFrame {
    Q_OBJECT

  public:
    explicit PainelTempos(QWidget* parent = nullptr);

    // The empty table with its headers.
    void PrepMsFlex2();
    void InicioEtapa(int linha, std::string_view nome);
    void FimEtapa(int linha, double segundos, double total, char SepDec);

    // The wait notice of a long run.
    void MostraEspera();
    // "Tempo consumido em cada operação": shows the panel with "Fechar", or
    // hides it when shown.
    void mnuTempoConsum_Click();

    FlexGrid* MSFlexGrid2() const { return MSFlexGrid2_; }
    QLabel* Label10() const { return Label10_; }
    QLabel* Label11() const { return Label11_; }
    QPushButton* Command9() const { return Command9_; }

  protected:
    void paintEvent(QPaintEvent* ev) override;

  private:
    void Mensagens(bool visiveis);

    QLabel* Label10_;
    FlexGrid* MSFlexGrid2_;
    QLabel* Label11_;
    QPushButton* Command9_;
};
