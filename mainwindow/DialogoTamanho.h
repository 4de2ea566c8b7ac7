#pragma once
// How large "Salvar Figura..." draws the picture: the plot's size in the
// window, or a width on paper at which the text keeps its screen size.

#include <QDialog>

class QDoubleSpinBox;
class QRadioButton;

struct EscolhaTamanho {
    bool daJanela = false;
    double cm = 16;
};

class DialogoTamanho : public QDialog {
    Q_OBJECT

  public:
    static constexpr double CmMinimo = 5, CmMaximo = 50;

    DialogoTamanho(const EscolhaTamanho& inicial, QWidget* parent = nullptr);
    EscolhaTamanho Escolha() const;

    QRadioButton* opcaoJanela() const { return janela_; }
    QRadioButton* opcaoLargura() const { return largura_; }
    QDoubleSpinBox* caixaCm() const { return cm_; }

  private:
    QRadioButton* janela_;
    QRadioButton* largura_;
    QDoubleSpinBox* cm_;
};
