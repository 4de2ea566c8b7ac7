#pragma once
// Alt and a letter is meant for the menu bar. When no menu has that letter
// the box would type it; it leaves it out instead. Alt that makes a
// character of its own (Option on a Mac) still types it.

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QObject>

class AltDeMenu : public QObject {
  public:
    explicit AltDeMenu(QLineEdit* t) : QObject(t) { t->installEventFilter(this); }

    bool eventFilter(QObject* obj, QEvent* ev) override {
        if (ev->type() == QEvent::KeyPress && SoAltELetra(*static_cast<QKeyEvent*>(ev)))
            return true;
        return QObject::eventFilter(obj, ev);
    }

  private:
    static bool SoAltELetra(const QKeyEvent& k) {
        const auto mod = k.modifiers() & (Qt::AltModifier | Qt::ControlModifier | Qt::MetaModifier);
        const bool letra = (k.key() >= Qt::Key_A && k.key() <= Qt::Key_Z) ||
                           (k.key() >= Qt::Key_0 && k.key() <= Qt::Key_9);
        return mod == Qt::AltModifier && letra &&
               k.text().compare(QString(QChar(k.key())), Qt::CaseInsensitive) == 0;
    }
};
