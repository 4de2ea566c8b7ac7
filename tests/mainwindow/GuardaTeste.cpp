// Faults the other window tests would let through: an envelope left over
// from the previous system, and Qt's own save dialog.
#include "JanelaAux.h"

#include "display/Grafico.h"
#include "widgets/Px.h"

#include <QFileDialog>
#include <QImage>
#include <QPainter>
#include <QSettings>
#include <QStandardPaths>

#include <memory>

using namespace aux;

namespace {

// The screen plot drawn from scratch, the envelope sums computed anew.
QImage PlotDoZero(const JanelaEspectro& f) {
    auto g = std::make_unique<EstadoGrafico>(f.EstadoDoGrafico());
    g->env.EnvValida = false;
    g->RecalcEscala = true;
    const AreaGrafico& area = *f.areaGrafico();
    QImage imagem(Px(area.SW()), Px(area.SH()), QImage::Format_RGB32);
    imagem.fill(QColor(QRgb(g->CorFundo)));
    {
        QPainter p(&imagem);
        Grafico(Superficie{p, true, area.SW(), area.SH(), area.AlturaVisivel()}, *g, f.Estado(),
                f.Opcoes());
    }
    return imagem;
}

// H3 leaves its neighbours: the lines, the window and the envelope on the
// screen all move, as a plot drawn from scratch shows them.
TEST(Guarda, EnvolventeSegueOsNovosDeslocamentos) {
    const Local L(',');
    Tela t;
    JanelaEspectro& f = t.f;
    const QImage antes = f.areaGrafico()->Imagem();
    Digita(f.Entrada().caixaDesloc(3), "262,5");
    Enter(f.Entrada().caixaDesloc(3));
    const QImage novo = PlotDoZero(f);
    ASSERT_TRUE(novo != antes);
    EXPECT_TRUE(f.areaGrafico()->Imagem() == novo);
}

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
