#pragma once
// A control's background (labels, swatches, buttons) in one of the program's colours.

#include "display/CorQt.h"

#include <QPalette>
#include <QWidget>

inline void PintaFundo(QWidget* w, Cor c) {
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, ParaQColor(c));
    pal.setColor(QPalette::Button, ParaQColor(c));
    w->setPalette(pal);
    w->setAutoFillBackground(true);
}
