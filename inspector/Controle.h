#pragma once
// A child control created under the object name by which tests and the
// window that owns it find it: the name of the member that holds it, without
// the trailing underscore.

#include <QString>
#include <QWidget>

template <class W> W* Controle(QWidget* pai, const QString& nome) {
    auto* w = new W(pai);
    w->setObjectName(nome);
    return w;
}
