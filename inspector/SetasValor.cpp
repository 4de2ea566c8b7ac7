#include "inspector/SetasValor.h"

#include <QToolButton>

#include <algorithm>

SetasValor::SetasValor(QWidget* parent)
    : QWidget(parent), cima_(new QToolButton(this)), baixo_(new QToolButton(this)) {
    cima_->setArrowType(Qt::UpArrow);
    baixo_->setArrowType(Qt::DownArrow);
    for (QToolButton* b : {cima_, baixo_}) {
        b->setAutoRepeat(true);
        b->setFocusPolicy(Qt::NoFocus);
    }
    connect(cima_, &QToolButton::clicked, this, [this] { Passo(+1); });
    connect(baixo_, &QToolButton::clicked, this, [this] { Passo(-1); });
}

void SetasValor::setRange(int min, int max) {
    Min_ = min;
    Max_ = std::max(min, max);
    Value_ = std::clamp(Value_, Min_, Max_);
}

void SetasValor::setValue(int v) {
    Value_ = std::clamp(v, Min_, Max_);
}

void SetasValor::Passo(int delta) {
    const int v = std::clamp(Value_ + delta, Min_, Max_);
    if (v == Value_) return;
    Value_ = v;
    if (delta > 0)
        emit Subiu();
    else
        emit Desceu();
}

void SetasValor::resizeEvent(QResizeEvent*) {
    const int h = height() / 2;
    cima_->setGeometry(0, 0, width(), h);
    baixo_->setGeometry(0, h, width(), height() - h);
}
