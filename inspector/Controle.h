#pragma once
// A control created under its design name, by which tests and the window
// that owns it find it.

#include <QString>
#include <QWidget>

template <class W> W* Controle(QWidget* pai, const QString& nome) {
    auto* w = new W(pai);
    w->setObjectName(nome);
    return w;
}
