#pragma once
// Two arrow buttons over a value kept within Min..Max. Subiu and Desceu
// come only after an arrow has changed the value by one; an arrow at the end
// of the range does nothing.

#include <QWidget>

class QToolButton;

class SetasValor : public QWidget {
    Q_OBJECT

  public:
    explicit SetasValor(QWidget* parent = nullptr);

    void setRange(int min, int max);
    void setValue(int v); // clamped; emits nothing
    int value() const { return Value_; }
    QToolButton* botaoCima() const { return cima_; }
    QToolButton* botaoBaixo() const { return baixo_; }

  signals:
    void Subiu();
    void Desceu();

  protected:
    void resizeEvent(QResizeEvent* ev) override;

  private:
    void Passo(int delta);

    int Min_ = 1, Max_ = 1, Value_ = 1;
    QToolButton* cima_;
    QToolButton* baixo_;
};
