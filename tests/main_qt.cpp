// The widget tests draw with real fonts and widgets, offscreen.
#include "GuardaModal.h"
#include "widgets/Traducao.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QLocale>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// Fails the running test on a modal dialog that stays up with no answerer
// alive, and closes it so the code that opened it goes on. One opened from
// inside an answerer's own callback is stuck even while the answerer lives,
// so no dialog may outlast a much longer limit.
class VigiaModal : public QObject {
  public:
    VigiaModal() {
        connect(&timer_, &QTimer::timeout, this, &VigiaModal::Olha);
        timer_.start(50);
    }

  private:
    void Olha() {
        QWidget* w = QApplication::activeModalWidget();
        if (!w || !w->isVisible()) {
            visto_ = nullptr;
            return;
        }
        if (w != visto_) {
            visto_ = w;
            desde_.start();
            return;
        }
        const bool esperado = guarda::Respondedor::vivos() > 0;
        if (desde_.elapsed() < (esperado ? guarda::LimiteMs : guarda::ToleranciaMs)) return;
        visto_ = nullptr;
        QString texto;
        if (auto* m = qobject_cast<QMessageBox*>(w)) texto = m->text() + ' ' + m->informativeText();
        ADD_FAILURE() << (esperado ? "Modal dialog left unanswered" : "Unexpected modal dialog")
                      << " \"" << w->windowTitle().toStdString() << "\": " << texto.toStdString();
        if (auto* d = qobject_cast<QDialog*>(w))
            d->reject();
        else
            w->close();
    }

    QTimer timer_;
    QPointer<QWidget> visto_;
    QElapsedTimer desde_;
};

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    // The checks of layout and captions run a second time in English.
    if (qEnvironmentVariable("HALVORA_IDIOMA_TESTE") == QLatin1String("en"))
        InstalaIdioma(Idioma::Ingles);
    ::testing::InitGoogleTest(&argc, argv);
    const VigiaModal vigia;
    return RUN_ALL_TESTS();
}
