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
    ASSERT_TRUE(f.EstadoDoGrafico().env.EnvolventeLigada);
    const QImage antes = f.areaGrafico()->Imagem();
    Digita(f.Entrada().caixaDesloc(3), "262,5");
    Enter(f.Entrada().caixaDesloc(3));
    ASSERT_NEAR(f.Estado().FreqProt(3) - f.Estado().FreqEspHz, 262.5, 1e-6);
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

// Qt's dialog, not a stand-in: the user types a bare name in a folder of
// their choice and presses Enter.
TEST(Guarda, DialogoDeSalvarAcrescentaEsm) {
    const Local L(',');
    QTemporaryDir pasta, config;
    ASSERT_TRUE(pasta.isValid() && config.isValid());
    const ConfiguracaoEm configuracao(config.path());
    Tela t;
    JanelaEspectro& f = t.f;
    ASSERT_FALSE(f.Dialogos().EscolheArquivo);

    const guarda::Respondedor respondedor;
    QWidget* dialogo = nullptr;
    bool digitado = false;
    QTimer piloto;
    QObject::connect(&piloto, &QTimer::timeout, [&] {
        QWidget* w = QApplication::activeModalWidget();
        if (!w || !w->isVisible() || (w == dialogo && !digitado)) return;
        auto* d = qobject_cast<QFileDialog*>(w);
        if (dialogo || !d || d->acceptMode() != QFileDialog::AcceptSave) {
            // Any other box, or the dialog still open after Enter.
            ADD_FAILURE() << w->windowTitle().toStdString();
            w->close();
            return;
        }
        dialogo = d;
        d->setDirectory(pasta.path());
        // Typed from a fresh event: should Enter open a box of its own, this
        // pilot must be free to run again and close it.
        QTimer::singleShot(0, d, [d, &digitado] {
            if (auto* nome = d->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) {
                nome->setFocus();
                nome->clear();
                QTest::keyClicks(nome, QStringLiteral("aula"));
                QTest::keyClick(nome, Qt::Key_Return);
            }
            digitado = true;
        });
    });
    piloto.start(10);
    f.Acoes().salvarDados->trigger();
    piloto.stop();
    ASSERT_TRUE(dialogo) << "the save dialog never opened";
    EXPECT_TRUE(QFileInfo(pasta.filePath("aula.esm")).isFile());
    EXPECT_TRUE(f.DadosSalvos());
}

} // namespace
