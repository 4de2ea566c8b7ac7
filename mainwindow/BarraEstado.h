#pragma once
// The frame's status bar: twelve panels in their order, numbered from 1.
// "Data:" and "Hora:" are followed by the current date and time.

#include <QStatusBar>
#include <QTimer>

#include <array>

class QLabel;

class BarraEstado : public QStatusBar {
    Q_OBJECT

  public:
    static constexpr int NPaineis = 12;
    static constexpr int PainelBandas = 5, PainelPicos = 8, PainelPontos = 2;

    explicit BarraEstado(QWidget* parent = nullptr);
    QLabel* Painel(int i) const { return paineis_[std::size_t(i - 1)]; }

  private:
    void AtualizaRelogio();

    std::array<QLabel*, NPaineis> paineis_{};
    QTimer relogio_;
};
