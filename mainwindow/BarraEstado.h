#pragma once
// The frame's status bar: twelve panels in their order, numbered from 1.
// "Data:" and "Hora:" are followed by the current date and time. A message
// (showMessage) covers the panels before "Data:" while it lasts.

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
    QLabel* rotuloMensagem() const { return mensagem_; }

  protected:
    void resizeEvent(QResizeEvent* ev) override;

  private:
    void AtualizaRelogio();
    void MostraMensagem(const QString& texto);
    void PosicionaMensagem();

    std::array<QLabel*, NPaineis> paineis_{};
    QLabel* mensagem_;
    QTimer relogio_;
};
