#include "mainwindow/DialogoTamanho.h"

#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

DialogoTamanho::DialogoTamanho(const EscolhaTamanho& inicial, QWidget* parent)
    : QDialog(parent), janela_(new QRadioButton(tr("Tamanho da janela"), this)),
      largura_(new QRadioButton(tr("Largura:"), this)), cm_(new QDoubleSpinBox(this)) {
    setWindowTitle(tr("Tamanho da figura"));
    cm_->setRange(CmMinimo, CmMaximo);
    cm_->setDecimals(1);
    cm_->setSingleStep(0.5);
    cm_->setSuffix(QStringLiteral(" cm"));
    cm_->setValue(std::clamp(inicial.cm, CmMinimo, CmMaximo));
    (inicial.daJanela ? janela_ : largura_)->setChecked(true);
    cm_->setEnabled(largura_->isChecked());
    connect(largura_, &QRadioButton::toggled, cm_, &QWidget::setEnabled);

    auto* botoes = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    botoes->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    botoes->button(QDialogButtonBox::Cancel)->setText(tr("Cancelar"));
    connect(botoes, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(botoes, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* grade = new QGridLayout(this);
    grade->addWidget(janela_, 0, 0, 1, 2);
    grade->addWidget(largura_, 1, 0);
    grade->addWidget(cm_, 1, 1);
    grade->addWidget(botoes, 2, 0, 1, 2);
    setLayout(grade);
}

EscolhaTamanho DialogoTamanho::Escolha() const {
    return {janela_->isChecked(), cm_->value()};
}
