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

#include <algorithm>
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
    // The width of the window's own size at 300 dpi.
    int LarguraDaJanela() const {
        const AreaGrafico* a = t.f.areaGrafico();
        return int(std::ceil(TamanhoFigura(a->SW(), a->SH()).width() * 300 / 96.0));
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
    ASSERT_TRUE(QDir(j.pasta.path()).mkdir(QStringLiteral("pasta.pdf")));
    Modal ok(QMessageBox::Ok);
    j.Salva(QStringLiteral("pasta.pdf"));
    EXPECT_EQ(ok.titulos, QStringList{QStringLiteral("Salvar figura")});
    EXPECT_TRUE(ok.textos.value(0).contains(QStringLiteral("pasta")));
    EXPECT_TRUE(QFileInfo(j.pasta.filePath(QStringLiteral("pasta.pdf"))).isDir());
}

TEST(FiguraEspectro, FormatoPelaExtensaoSenaoPeloFiltro) {
    const QString png = QStringLiteral("Figura PNG (*.png)");
    const QString pdf = QStringLiteral("Documento PDF (*.pdf)");
    EXPECT_EQ(FormatoEscolhido("x.pdf", png), FormatoFigura::Pdf);
    EXPECT_EQ(FormatoEscolhido("x.Svg", pdf), FormatoFigura::Svg);
    EXPECT_EQ(FormatoEscolhido("figura", pdf), FormatoFigura::Pdf);
    EXPECT_EQ(FormatoEscolhido("figura.png.bak", QStringLiteral("Todos os arquivos (*)")),
              FormatoFigura::Svg);
}

// The annotation of every copy states the frequency and minimum intensity
// in the boxes, not the start-up ones.
TEST(FiguraEspectro, AnotacaoDizOQueAsCaixasTem) {
    const Local virgula(',');
    Janela j;
    JanelaEspectro& f = j.t.f;
    {
        const Modal nao(QMessageBox::No); // "Mudar para ppm?" while the box changes
        f.Entrada().caixaFrequencia()->setText(QStringLiteral("400,112"));
        f.Entrada().caixaIntMin()->setText(QStringLiteral("0,05"));
    }
    auto diz = [&](const QString& texto, const char* onde) {
        EXPECT_TRUE(texto.contains(QStringLiteral("Freqüência: 400,112 MHz"))) << onde;
        EXPECT_TRUE(texto.contains(QStringLiteral("Intensidade mínima: 0,05"))) << onde;
    };
    diz(QString::fromUtf8(j.Salva(QStringLiteral("a.svg"))), "saved SVG");
    const QString impresso = j.pasta.filePath(QStringLiteral("impresso.pdf"));
    QPrinter& impressora = f.Figura().Impressora();
    impressora.setOutputFormat(QPrinter::PdfFormat);
    impressora.setOutputFileName(impresso);
    ASSERT_TRUE(f.Figura().ImprimeEm(impressora));
    const auto texto = TextoPdf(impresso);
    if (!texto) GTEST_SKIP() << "pdftotext is not installed";
    diz(*texto, "printed");
}

// The size question on a large window: a width of 16 cm at first, the box
// off while the window's size is chosen, the last answer offered again.
// The picture is as wide on paper as asked, its text at its screen size, and
// the status bar says where it went (a copy's place whole, over the panels);
// a cancelled question writes nothing.
TEST(FiguraEspectro, PerguntaOTamanhoESalvaNaLarguraEscolhida) {
    const Local virgula(',');
    Janela j(1920);
    j.t.Mostra();
    j.t.Redimensiona(1920, 1080);
    ASSERT_GT(j.t.f.areaGrafico()->SW(), LarguraLarga * 3 / 2);
    BarraEstado* barra = j.t.w.barraEstado();
    j.t.f.Acoes().copiarColorido->trigger();
    const QString texto =
        QStringLiteral("Figura copiada; também gravada em ") + QDir::toNativeSeparators(j.curPic);
    EXPECT_EQ(barra->rotuloMensagem()->text(), texto);
    EXPECT_GE(barra->rotuloMensagem()->contentsRect().width(),
              barra->rotuloMensagem()->fontMetrics().horizontalAdvance(texto));
    EXPECT_LT(barra->rotuloMensagem()->geometry().right(), barra->Painel(9)->x());
    j.t.f.Figura().EscolheTamanho = nullptr;
    QStringList vistos;
    const auto responde = [&](auto&& mexe) {
        QTimer::singleShot(0, [&] {
            auto* d = qobject_cast<DialogoTamanho*>(QApplication::activeModalWidget());
            if (!d) return;
            vistos << (d->opcaoJanela()->isChecked() ? QStringLiteral("janela")
                                                     : d->caixaCm()->text());
            mexe(*d);
        });
    };
    const guarda::Respondedor respondendo;
    responde([](DialogoTamanho& d) { d.accept(); });
    EXPECT_NEAR(Png(j.Salva(QStringLiteral("16cm.png"))).width(), 16 / 2.54 * 300, 1);
    EXPECT_EQ(barra->currentMessage(),
              QStringLiteral("Figura salva em ") +
                  QDir::toNativeSeparators(j.pasta.filePath(QStringLiteral("16cm.png"))));
    responde([](DialogoTamanho& d) {
        EXPECT_TRUE(d.caixaCm()->isEnabled());
        d.opcaoJanela()->click();
        EXPECT_FALSE(d.caixaCm()->isEnabled());
        d.opcaoLargura()->click();
        d.caixaCm()->setValue(20);
        d.accept();
    });
    EXPECT_TRUE(j.Salva(QStringLiteral("20cm.svg")).contains("font-size=\"11\""));
    responde([](DialogoTamanho& d) {
        d.opcaoJanela()->click();
        d.accept();
    });
    EXPECT_EQ(Png(j.Salva(QStringLiteral("janela.png"))).width(), j.LarguraDaJanela());
    barra->clearMessage();
    responde([](DialogoTamanho& d) { d.reject(); });
    EXPECT_TRUE(j.Salva(QStringLiteral("nada.png")).isEmpty());
    EXPECT_TRUE(barra->currentMessage().isEmpty());
    EXPECT_EQ(vistos, QStringList({"16,0 cm", "16,0 cm", "20,0 cm", "janela"}));
}

// The page lies by default; the preview shows it with the spectrum on it,
// in its colours.
TEST(FiguraEspectro, VisualizarImpressaoMostraOEspectro) {
    Tela t;
    EXPECT_EQ(t.f.Figura().Impressora().pageLayout().orientation(), QPageLayout::Landscape);
    const guarda::Respondedor respondedor;
    QString titulo;
    int paginas = -1, coloridos = 0;
    QTimer olho;
    QObject::connect(&olho, &QTimer::timeout, [&] {
        auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!d || !d->isVisible()) return;
        titulo = d->windowTitle();
        if (auto* previa = d->findChild<QPrintPreviewWidget*>()) {
            paginas = previa->pageCount();
            const QImage im = previa->grab().toImage();
            for (int y = 0; y < im.height(); ++y)
                for (int x = 0; x < im.width(); ++x)
                    coloridos += im.pixelColor(x, y).saturation() > 100;
        }
        d->reject();
    });
    olho.start(0);
    t.f.Acoes().visualizarImpressao->trigger();
    EXPECT_EQ(titulo, QStringLiteral("Visualizar Impressão"));
    EXPECT_EQ(paginas, 1);
    EXPECT_GT(coloridos, 20);
}

// Printed from a large window on A4, lying and standing: the picture fills
// the printable area's width, and its height too when the page lies; its
// smallest text is no smaller than 7 points.
TEST(FiguraEspectro, ImpressaoEncheAPaginaComTextoLegivel) {
    QTemporaryDir pasta;
    Tela t(1920);
    t.Mostra();
    t.Redimensiona(1920, 1080);
    QPrinter& impressora = t.f.Figura().Impressora();
    impressora.setPageSize(QPageSize(QPageSize::A4));
    impressora.setOutputFormat(QPrinter::PdfFormat);
    for (const auto orientacao : {QPageLayout::Landscape, QPageLayout::Portrait}) {
        const bool deitada = orientacao == QPageLayout::Landscape;
        SCOPED_TRACE(deitada ? "landscape" : "portrait");
        impressora.setPageOrientation(orientacao);
        const QString arquivo =
            pasta.filePath(deitada ? QStringLiteral("deitada.pdf") : QStringLiteral("empe.pdf"));
        impressora.setOutputFileName(arquivo);
        ASSERT_TRUE(t.f.Figura().ImprimeEm(impressora));

        const auto palavras = PalavrasPdf(arquivo);
        const auto imagem = ImagemPdf(arquivo, 50);
        if (!palavras || !imagem) GTEST_SKIP() << "poppler-utils are not installed";
        // Across the line only: a label written upwards is taller than wide.
        // The box spans the font's ascent and descent, 1.117 times its size.
        double menor = 1e9;
        for (const PalavraPdf& p : *palavras)
            if (p.caixa.width() > p.caixa.height()) menor = std::min(menor, p.caixa.height());
        ASSERT_LT(menor, 1e9);
        EXPECT_GE(menor / 1.117, 7) << "points";

        const QRect tinta = Tinta(*imagem);
        const QRectF area = impressora.pageLayout().paintRectPoints().toRectF();
        const QRectF esperado(area.topLeft() * 50 / 72, area.size() * 50 / 72);
        EXPECT_NEAR(tinta.left(), esperado.left(), 2);
        EXPECT_NEAR(tinta.right(), esperado.right(), 2);
        EXPECT_NEAR(tinta.top(), esperado.top(), 2);
        if (deitada)
            EXPECT_NEAR(tinta.bottom(), esperado.bottom(), 2);
        else
            EXPECT_NEAR(tinta.height(), tinta.width(), 2);
    }
}

} // namespace
