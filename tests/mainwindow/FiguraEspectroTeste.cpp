// The copy picture saved, printed and announced from the window's menus; the
// formats themselves are the display tests'.
#include "JanelaAux.h"
#include "TextoPdf.h"

#include "display/Figura.h"
#include "mainwindow/FiguraEspectro.h"

#include <QDoubleSpinBox>
#include <QImage>
#include <QPageSize>
#include <QPrintPreviewWidget>
#include <QPrinter>

#include <cmath>

using namespace aux;

namespace {

QImage Png(const QByteArray& bytes) {
    QImage im;
    EXPECT_TRUE(im.loadFromData(bytes, "PNG"));
    return im;
}

// The window with its copies recorded in `pasta`, every save dialog
// answering `destino` and the size question `tamanho` (the window's size
// unless a test says otherwise).
struct Janela {
    QTemporaryDir pasta;
    Tela t;
    QString destino;
    std::optional<EscolhaTamanho> tamanho = EscolhaTamanho{true};
    const QString curPic = pasta.filePath(QStringLiteral("CurPic.svg"));
    explicit Janela(int largura = 1280) : t(largura) {
        t.f.areaGrafico()->DefineArqFigura(curPic);
        t.f.Dialogos().EscolheArquivo = [this](bool salvar) {
            EXPECT_TRUE(salvar);
            return destino;
        };
        t.f.Figura().EscolheTamanho = [this] { return tamanho; };
    }
    QByteArray Salva(const QString& nome) {
        destino = pasta.filePath(nome);
        t.f.Acoes().salvarFigura->trigger();
        return Le(destino);
    }
};

// Saved in colour until a black-and-white copy is made, in the format of
// the name's extension, the same picture as the copy; a folder in the way is
// never replaced, and the window says so.
TEST(FiguraEspectro, SalvaComoACopiaNoFormatoDoNome) {
    Janela j;
    JanelaEspectro& f = j.t.f;
    const QByteArray colorida = j.Salva(QStringLiteral("a.svg"));
    f.Acoes().copiarColorido->trigger();
    EXPECT_EQ(colorida, Le(j.curPic));
    EXPECT_TRUE(colorida.contains("#ff0000"));
    f.Acoes().copiarPretoEBranco->trigger();
    const QByteArray bp = j.Salva(QStringLiteral("b.svg"));
    EXPECT_EQ(bp, Le(j.curPic));
    EXPECT_FALSE(bp.contains("#ff0000"));
    EXPECT_TRUE(j.Salva(QStringLiteral("d.pdf")).startsWith("%PDF-"));
    // An extension the dialog left alone and no format has: the chosen filter.
    EXPECT_EQ(FormatoEscolhido("d.bak", QStringLiteral("Documento PDF (*.pdf)")),
              FormatoFigura::Pdf);
    ASSERT_TRUE(QDir(j.pasta.path()).mkdir(QStringLiteral("pasta.pdf")));
    Modal ok(QMessageBox::Ok);
    j.Salva(QStringLiteral("pasta.pdf"));
    EXPECT_TRUE(ok.textos.value(0).contains(QStringLiteral("pasta")));
    EXPECT_TRUE(QFileInfo(j.pasta.filePath(QStringLiteral("pasta.pdf"))).isDir());
}

// The annotation states the frequency and minimum intensity in the boxes, not
// the start-up ones.
TEST(FiguraEspectro, AnotacaoDizOQueAsCaixasTem) {
    const Local virgula(',');
    Janela j;
    {
        const Modal nao(QMessageBox::No); // "Mudar para ppm?" while the box changes
        j.t.f.Entrada().caixaFrequencia()->setText(QStringLiteral("400,112"));
        j.t.f.Entrada().caixaIntMin()->setText(QStringLiteral("0,05"));
    }
    const QString texto = QString::fromUtf8(j.Salva(QStringLiteral("a.svg")));
    EXPECT_TRUE(texto.contains(QStringLiteral("Freqüência: 400,112 MHz")));
    EXPECT_TRUE(texto.contains(QStringLiteral("Intensidade mínima: 0,05")));
}

// The size question on a large window: 16 cm at first, the last answer offered
// again; the picture as wide on paper as asked; the status bar says where it went; a cancelled
// question writes nothing.
TEST(FiguraEspectro, PerguntaOTamanhoESalvaNaLarguraEscolhida) {
    const Local virgula(',');
    Janela j(1920);
    j.t.Mostra();
    j.t.Redimensiona(1920, 1080);
    ASSERT_GT(j.t.f.areaGrafico()->SW(), LarguraLarga * 3 / 2);
    BarraEstado* barra = j.t.w.barraEstado();
    j.t.f.Acoes().copiarColorido->trigger();
    EXPECT_EQ(barra->currentMessage(),
              "Figura copiada; também gravada em " + QDir::toNativeSeparators(j.curPic));
    j.t.f.Figura().EscolheTamanho = nullptr;
    QStringList vistos;
    // cm: the width to answer, 0 for the window's size, none to cancel.
    const auto responde = [&vistos](std::optional<double> cm) {
        QTimer::singleShot(0, [&vistos, cm] {
            auto* d = qobject_cast<DialogoTamanho*>(QApplication::activeModalWidget());
            if (!d) return;
            vistos << (d->opcaoJanela()->isChecked() ? "janela" : d->caixaCm()->text());
            if (!cm) return d->reject();
            if (*cm > 0) d->caixaCm()->setValue(*cm);
            (*cm > 0 ? d->opcaoLargura() : d->opcaoJanela())->click();
            d->accept();
        });
    };
    const guarda::Respondedor respondendo;
    responde(20);
    EXPECT_NEAR(Png(j.Salva(QStringLiteral("20cm.png"))).width(), 20 / 2.54 * 300, 1);
    EXPECT_EQ(barra->currentMessage(),
              "Figura salva em " + QDir::toNativeSeparators(j.pasta.filePath("20cm.png")));
    responde(0);
    const AreaGrafico* a = j.t.f.areaGrafico();
    EXPECT_EQ(Png(j.Salva(QStringLiteral("janela.png"))).width(),
              int(std::ceil(TamanhoFigura(a->SW(), a->SH()).width() * 300 / 96.0)))
        << "the window's own size at 300 dpi";
    barra->clearMessage();
    responde(std::nullopt);
    EXPECT_TRUE(j.Salva(QStringLiteral("nada.png")).isEmpty());
    EXPECT_TRUE(barra->currentMessage().isEmpty());
    EXPECT_EQ(vistos, QStringList({"16,0 cm", "20,0 cm", "janela"}));
}

// The print preview shows the spectrum, in its colours.
TEST(FiguraEspectro, VisualizarImpressaoMostraOEspectro) {
    Tela t;
    const guarda::Respondedor respondedor;
    int coloridos = -1;
    QTimer olho;
    QObject::connect(&olho, &QTimer::timeout, [&] {
        auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!d || !d->isVisible()) return;
        if (auto* previa = d->findChild<QPrintPreviewWidget*>()) {
            const QImage im = previa->grab().toImage();
            coloridos = 0;
            for (int y = 0; y < im.height(); ++y)
                for (int x = 0; x < im.width(); ++x)
                    coloridos += im.pixelColor(x, y).saturation() > 100;
        }
        d->reject();
    });
    olho.start(0);
    t.f.Acoes().visualizarImpressao->trigger();
    EXPECT_GT(coloridos, 20);
}

// Printed from a large window on an A4 page, lying as it does by default:
// the picture fills the printable area (how it sits on any page, and its
// text size on paper, are the display tests').
TEST(FiguraEspectro, ImpressaoEncheAPagina) {
    QTemporaryDir pasta;
    Tela t(1920);
    t.Mostra();
    t.Redimensiona(1920, 1080);
    QPrinter& impressora = t.f.Figura().Impressora();
    EXPECT_EQ(impressora.pageLayout().orientation(), QPageLayout::Landscape);
    impressora.setPageSize(QPageSize(QPageSize::A4));
    impressora.setOutputFormat(QPrinter::PdfFormat);
    impressora.setOutputFileName(pasta.filePath("impresso.pdf"));
    ASSERT_TRUE(t.f.Figura().ImprimeEm(impressora));
    const auto imagem = ImagemPdf(pasta.filePath("impresso.pdf"), 50);
    if (!imagem) GTEST_SKIP() << "poppler-utils are not installed";
    const QRect tinta = Tinta(*imagem);
    const QRectF area = impressora.pageLayout().paintRectPoints().toRectF();
    const QRectF esperado(area.topLeft() * 50 / 72, area.size() * 50 / 72);
    EXPECT_NEAR(tinta.left(), esperado.left(), 2);
    EXPECT_NEAR(tinta.right(), esperado.right(), 2);
    EXPECT_NEAR(tinta.top(), esperado.top(), 2);
    EXPECT_NEAR(tinta.bottom(), esperado.bottom(), 2);
}

} // namespace
