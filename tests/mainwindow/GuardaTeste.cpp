// Qt's own save dialog, which the other window tests stand in for.
#include "JanelaAux.h"

#include <QFileDialog>
#include <QSettings>
#include <QStandardPaths>

using namespace aux;

namespace {

// Qt's file dialog keeps its history in the user's settings: sent to a
// folder of the test's while it lives, so a run leaves no trace behind.
class ConfiguracaoEm {
  public:
    explicit ConfiguracaoEm(const QString& pasta) {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, pasta);
    }
    ~ConfiguracaoEm() {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
    }
    ConfiguracaoEm(const ConfiguracaoEm&) = delete;
    ConfiguracaoEm& operator=(const ConfiguracaoEm&) = delete;
};

// Qt's dialog, not a stand-in: a bare name the user types is saved with ".esm".
TEST(Guarda, DialogoDeSalvarAcrescentaEsm) {
    const Local L(',');
    QTemporaryDir config;
    const ConfiguracaoEm configuracao(config.path());
    Tela t;
    ASSERT_FALSE(t.f.Dialogos().EscolheArquivo);
    const guarda::Respondedor respondedor;
    QString sufixo;
    QTimer::singleShot(0, [&sufixo] {
        auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_TRUE(d && d->acceptMode() == QFileDialog::AcceptSave);
        sufixo = d->defaultSuffix();
        d->reject();
    });
    t.f.Acoes().salvarDados->trigger();
    EXPECT_EQ(sufixo, "esm");
}

} // namespace
