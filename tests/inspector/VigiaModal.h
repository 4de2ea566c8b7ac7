#pragma once
// Window tests must fail, not hang, when a dialog they do not expect opens.

#include <QApplication>
#include <QDialog>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

// While it lives, a modal dialog that opens is handed to `responde`; without
// one the test fails at once and the dialog is closed, so that the test goes
// on instead of waiting for a click that never comes.
class VigiaModal : public QObject {
  public:
    VigiaModal() { QApplication::instance()->installEventFilter(this); }
    std::function<void(QDialog&)> responde;

  protected:
    bool eventFilter(QObject* obj, QEvent* ev) override {
        auto* d = ev->type() == QEvent::Show ? qobject_cast<QDialog*>(obj) : nullptr;
        // Answered from the dialog's own event loop, once it runs.
        if (d && d->isModal()) QTimer::singleShot(0, d, [this, d] { Trata(*d); });
        return false;
    }

  private:
    void Trata(QDialog& d) {
        if (responde)
            responde(d);
        else
            ADD_FAILURE() << "unexpected modal dialog \"" << d.windowTitle().toStdString() << '"';
        if (d.isVisible()) d.reject();
    }
};
