// The copy picture saved, printed and announced from the window's menus.
#include "JanelaAux.h"
#include "TextoPdf.h"

#include "display/AreaGrafico.h"
#include "display/Figura.h"
#include "display/Geometria.h"
#include "mainwindow/FiguraEspectro.h"

#include <QAction>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QImage>
#include <QPageSize>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <algorithm>
#include <cmath>
#include <csignal>

using aux::Modal;
using aux::Tela;

namespace {

QByteArray Le(const QString& caminho) {
    QFile f(caminho);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

int Vermelhos(const QImage& im) {
    int n = 0;
    for (int y = 0; y < im.height(); ++y)
        for (int x = 0; x < im.width(); ++x) n += (im.pixel(x, y) & 0xffffff) == 0xff0000;
    return n;
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

TEST(FiguraEspectro, SalvaOQueACopiaDesenhaEmCadaFormato) {
    Janela j;
    JanelaEspectro& f = j.t.f;
    // Before any copy, and after a colour one: colour.
    const QByteArray colorida = j.Salva(QStringLiteral("a.svg"));
    f.Acoes().copiarColorido->trigger();
    EXPECT_EQ(colorida, Le(j.curPic));
    EXPECT_TRUE(colorida.contains("#ff0000"));

    // After "Copiar (Branco e Preto)", black and white, whatever the format.
    f.Acoes().copiarPretoEBranco->trigger();
    const QByteArray bp = j.Salva(QStringLiteral("b.svg"));
    EXPECT_EQ(bp, Le(j.curPic));
    EXPECT_FALSE(bp.contains("#ff0000"));

    QImage png;
    ASSERT_TRUE(png.loadFromData(j.Salva(QStringLiteral("c.PNG")), "PNG"));
    const QSize tela = TamanhoFigura(f.areaGrafico()->SW(), f.areaGrafico()->SH());
    EXPECT_EQ(png.size(), QSize(int(std::ceil(tela.width() * 300 / 96.0)),
                                int(std::ceil(tela.height() * 300 / 96.0))));
    EXPECT_EQ(png.dotsPerMeterX(), 11811); // 300 dpi
    EXPECT_EQ(Vermelhos(png), 0);

    const QByteArray pdf = j.Salva(QStringLiteral("d.pdf"));
    EXPECT_TRUE(pdf.startsWith("%PDF-"));
    // A name without an extension, with no filter to go by.
    EXPECT_TRUE(j.Salva(QStringLiteral("e")).startsWith("<?xml"));

    f.Acoes().copiarColorido->trigger();
    ASSERT_TRUE(png.loadFromData(j.Salva(QStringLiteral("f.png")), "PNG"));
    EXPECT_GT(Vermelhos(png), 0);

    const auto texto = TextoPdf(j.pasta.filePath(QStringLiteral("d.pdf")));
    if (!texto) GTEST_SKIP() << "pdftotext is not installed";
    for (const char* s : {"Espectro Simulado", "Halvora (Corvel)", "Título: Default", "J(1,X)="})
        EXPECT_TRUE(texto->contains(QString::fromUtf8(s))) << s << " in " << texto->toStdString();
    EXPECT_TRUE(texto->contains(QStringLiteral("Intensidade mínima: ") +
                                f.Entrada().caixaIntMin()->text()));
}

// The annotation of every copy states the frequency and minimum intensity
// in the boxes, not the start-up ones.
TEST(FiguraEspectro, AnotacaoDizOQueAsCaixasTem) {
    aux::Local virgula(',');
    Janela j;
    JanelaEspectro& f = j.t.f;
    {
        Modal nao(QMessageBox::No); // "Mudar para ppm?" while the box changes
        f.Entrada().caixaFrequencia()->setText(QStringLiteral("400,112"));
        f.Entrada().caixaIntMin()->setText(QStringLiteral("0,05"));
    }
    const QString mhz = QStringLiteral("Freqüência: 400,112 MHz");
    const QString intMin = QStringLiteral("Intensidade mínima: 0,05");
    auto diz = [&](const QString& texto, const char* onde) {
        EXPECT_TRUE(texto.contains(mhz)) << onde;
        EXPECT_TRUE(texto.contains(intMin)) << onde;
    };
    f.Acoes().copiarColorido->trigger();
    diz(QString::fromUtf8(Le(j.curPic)), "copy");
    diz(QString::fromUtf8(j.Salva(QStringLiteral("a.svg"))), "saved SVG");
    j.Salva(QStringLiteral("b.pdf"));
    const QString impresso = j.pasta.filePath(QStringLiteral("impresso.pdf"));
    QPrinter& impressora = f.Figura().Impressora();
    impressora.setOutputFormat(QPrinter::PdfFormat);
    impressora.setOutputFileName(impresso);
    ASSERT_TRUE(f.Figura().ImprimeEm(impressora));
    for (const QString& pdf : {j.pasta.filePath(QStringLiteral("b.pdf")), impresso}) {
        const auto texto = TextoPdf(pdf);
        if (!texto) GTEST_SKIP() << "pdftotext is not installed";
        diz(*texto, "PDF");
    }
}

TEST(FiguraEspectro, CopiaDizNaBarraDeEstadoOndeGravouAFigura) {
    Janela j;
    j.t.Mostra();
    j.t.f.Acoes().copiarColorido->trigger();
    BarraEstado* barra = j.t.w.barraEstado();
    const QString texto =
        QStringLiteral("Figura copiada; também gravada em ") + QDir::toNativeSeparators(j.curPic);
    EXPECT_EQ(barra->currentMessage(), texto);
    // Seen whole, over the panels and short of the date.
    const QLabel* mensagem = barra->rotuloMensagem();
    ASSERT_TRUE(mensagem->isVisible());
    EXPECT_EQ(mensagem->text(), texto);
    EXPECT_GE(mensagem->contentsRect().width(), mensagem->fontMetrics().horizontalAdvance(texto));
    EXPECT_LT(mensagem->geometry().right(), barra->Painel(9)->x());
    EXPECT_TRUE(barra->Painel(10)->isVisible());
    barra->clearMessage();
    EXPECT_FALSE(mensagem->isVisible());
}

QImage Png(const QByteArray& bytes) {
    QImage im;
    EXPECT_TRUE(im.loadFromData(bytes, "PNG"));
    return im;
}

// On a large window the saved picture is as wide on paper as asked, its text
// at its screen size, whatever the window's width; the status bar says
// where it went. The window's size is still on offer.
TEST(FiguraEspectro, SalvaNaLarguraEscolhidaEDizOnde) {
    Janela j(1920);
    j.t.Mostra();
    j.t.Redimensiona(1920, 1080);
    const AreaGrafico* a = j.t.f.areaGrafico();
    ASSERT_GT(a->SW(), LarguraLarga * 3 / 2);
    const EstadoGrafico& g = j.t.f.EstadoDoGrafico();
    const int pontos = g.env.EnvPontos;

    j.tamanho = EscolhaTamanho{false, 16};
    QImage png = Png(j.Salva(QStringLiteral("16cm.png")));
    EXPECT_NEAR(png.width(), 16 / 2.54 * 300, 1);
    EXPECT_EQ(j.t.w.barraEstado()->currentMessage(),
              QStringLiteral("Figura salva em ") +
                  QDir::toNativeSeparators(j.pasta.filePath(QStringLiteral("16cm.png"))));
    EXPECT_EQ(g.env.EnvPontos, pontos);

    const QByteArray svg = j.Salva(QStringLiteral("16cm.svg"));
    EXPECT_TRUE(svg.contains("font-size=\"11\"")) << "text at its screen size";
    EXPECT_TRUE(svg.contains("viewBox=\"0 0 605 ")) << svg.left(200).toStdString();

    // Wide enough for the plot to keep the window's proportions.
    j.tamanho = EscolhaTamanho{false, 30};
    png = Png(j.Salva(QStringLiteral("30cm.png")));
    EXPECT_NEAR(png.width(), 30 / 2.54 * 300, 1);
    EXPECT_NEAR(double(png.height()) / png.width(),
                double(TamanhoFigura(a->SW(), a->SH()).height()) / Px(a->SW()), 0.02);

    j.tamanho = EscolhaTamanho{true};
    png = Png(j.Salva(QStringLiteral("janela.png")));
    const QSize tela = TamanhoFigura(a->SW(), a->SH());
    EXPECT_EQ(png.width(), int(std::ceil(tela.width() * 300 / 96.0)));

    // Cancelled: nothing written, nothing said.
    j.t.w.barraEstado()->clearMessage();
    j.tamanho.reset();
    EXPECT_TRUE(j.Salva(QStringLiteral("nada.png")).isEmpty());
    EXPECT_FALSE(QFileInfo::exists(j.pasta.filePath(QStringLiteral("nada.png"))));
    EXPECT_TRUE(j.t.w.barraEstado()->currentMessage().isEmpty());
}

// The size question itself: a width of 16 cm at first, the box off while the
// window's size is chosen, the last answer offered again.
TEST(FiguraEspectro, PerguntaOTamanhoDaFigura) {
    aux::Local virgula(',');
    Janela j;
    j.t.f.Figura().EscolheTamanho = nullptr;
    QStringList vistos;
    const auto responde = [&](auto&& mexe) {
        QTimer::singleShot(0, [&] {
            auto* d = qobject_cast<DialogoTamanho*>(QApplication::activeModalWidget());
            if (!d) return;
            vistos << d->windowTitle() + QStringLiteral(": ") +
                          (d->opcaoJanela()->isChecked() ? QStringLiteral("janela")
                                                         : d->caixaCm()->text());
            mexe(*d);
        });
    };
    const guarda::Respondedor respondendo;
    responde([](DialogoTamanho& d) {
        EXPECT_TRUE(d.caixaCm()->isEnabled());
        EXPECT_EQ(d.caixaCm()->minimum(), 5);
        EXPECT_EQ(d.caixaCm()->maximum(), 50);
        d.opcaoJanela()->click();
        EXPECT_FALSE(d.caixaCm()->isEnabled());
        d.opcaoLargura()->click();
        d.caixaCm()->setValue(20);
        d.accept();
    });
    EXPECT_NEAR(Png(j.Salva(QStringLiteral("a.png"))).width(), 20 / 2.54 * 300, 1);
    responde([](DialogoTamanho& d) { d.reject(); });
    EXPECT_TRUE(j.Salva(QStringLiteral("b.png")).isEmpty());
    responde([](DialogoTamanho& d) {
        d.opcaoJanela()->click();
        d.accept();
    });
    const QSize tela = TamanhoFigura(j.t.f.areaGrafico()->SW(), j.t.f.areaGrafico()->SH());
    EXPECT_EQ(Png(j.Salva(QStringLiteral("c.png"))).width(),
              int(std::ceil(tela.width() * 300 / 96.0)));
    responde([](DialogoTamanho& d) { d.reject(); });
    j.Salva(QStringLiteral("d.png"));
    EXPECT_EQ(vistos, QStringList({QStringLiteral("Tamanho da figura: 16,0 cm"),
                                   QStringLiteral("Tamanho da figura: 20,0 cm"),
                                   QStringLiteral("Tamanho da figura: 20,0 cm"),
                                   QStringLiteral("Tamanho da figura: janela")}));
}

TEST(FiguraEspectro, FormatoPelaExtensaoSenaoPeloFiltro) {
    const QString png = QStringLiteral("Figura PNG (*.png)");
    const QString pdf = QStringLiteral("Documento PDF (*.pdf)");
    EXPECT_EQ(FormatoEscolhido("x.pdf", png), FormatoFigura::Pdf);
    EXPECT_EQ(FormatoEscolhido("x.Svg", pdf), FormatoFigura::Svg);
    EXPECT_EQ(FormatoEscolhido("x.dat", png), FormatoFigura::Png);
    EXPECT_EQ(FormatoEscolhido("figura", pdf), FormatoFigura::Pdf);
    EXPECT_EQ(FormatoEscolhido("figura.png.bak", QStringLiteral("Todos os arquivos (*)")),
              FormatoFigura::Svg);
}

TEST(FiguraEspectro, GravacaoQueFalhaDeixaOArquivoAnterior) {
    Janela j;
    const QString arquivo = j.pasta.filePath(QStringLiteral("figura.png"));
    QFile antigo(arquivo);
    ASSERT_TRUE(antigo.open(QIODevice::WriteOnly));
    antigo.write("antigo");
    antigo.close();
    const auto arquivos = [&] { return QDir(j.pasta.path()).entryList(QDir::Files); };
    const QStringList antes = arquivos();

    // Past the file size limit half-way through the picture.
    struct rlimit limite {};
    getrlimit(RLIMIT_FSIZE, &limite);
    const struct rlimit pequeno { 1000, limite.rlim_max };
    const auto sinal = std::signal(SIGXFSZ, SIG_IGN);
    {
        Modal ok(QMessageBox::Ok);
        setrlimit(RLIMIT_FSIZE, &pequeno);
        j.Salva(QStringLiteral("figura.png"));
        setrlimit(RLIMIT_FSIZE, &limite);
        EXPECT_EQ(ok.titulos, QStringList{QStringLiteral("Salvar figura")});
    }
    std::signal(SIGXFSZ, sinal);
    EXPECT_EQ(Le(arquivo), "antigo");
    EXPECT_EQ(arquivos(), antes) << "a temporary file left";

    // A folder is never replaced.
    ASSERT_TRUE(QDir(j.pasta.path()).mkdir(QStringLiteral("pasta.pdf")));
    {
        Modal ok(QMessageBox::Ok);
        j.Salva(QStringLiteral("pasta.pdf"));
        ASSERT_EQ(ok.vezes(), 1);
        EXPECT_TRUE(ok.textos[0].contains(QStringLiteral("pasta"))) << ok.textos[0].toStdString();
    }
    EXPECT_TRUE(QFileInfo(j.pasta.filePath(QStringLiteral("pasta.pdf"))).isDir());
}

TEST(FiguraEspectro, ImprimeNaPaginaDeitadaComAAnotacao) {
    QTemporaryDir pasta;
    Tela t;
    QPrinter& impressora = t.f.Figura().Impressora();
    EXPECT_EQ(impressora.pageLayout().orientation(), QPageLayout::Landscape);
    const QString arquivo = pasta.filePath(QStringLiteral("impresso.pdf"));
    impressora.setOutputFormat(QPrinter::PdfFormat);
    impressora.setOutputFileName(arquivo);
    ASSERT_TRUE(t.f.Figura().ImprimeEm(impressora));
    const QByteArray pdf = Le(arquivo);
    ASSERT_TRUE(pdf.startsWith("%PDF-"));
    static const QRegularExpression caixa(
        QStringLiteral("/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]"));
    const auto m = caixa.match(QString::fromLatin1(pdf));
    ASSERT_TRUE(m.hasMatch());
    EXPECT_GT(m.captured(1).toDouble(), m.captured(2).toDouble()) << "landscape";

    {
        // The preview shows the page with the spectrum on it, in its colours.
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
                    for (int x = 0; x < im.width(); ++x) {
                        const QColor c = im.pixelColor(x, y);
                        coloridos += std::max({c.red(), c.green(), c.blue()}) -
                                         std::min({c.red(), c.green(), c.blue()}) >
                                     100;
                    }
            }
            d->reject();
        });
        olho.start(0);
        t.f.Acoes().visualizarImpressao->trigger();
        EXPECT_EQ(titulo, QStringLiteral("Visualizar Impressão"));
        EXPECT_EQ(paginas, 1);
        EXPECT_GT(coloridos, 20);
    }

    const auto texto = TextoPdf(arquivo);
    if (!texto) GTEST_SKIP() << "pdftotext is not installed";
    for (const char* s : {"Espectro Simulado", "Halvora (Corvel)", "Freqüência: 300 MHz"})
        EXPECT_TRUE(texto->contains(QString::fromUtf8(s))) << s << " in " << texto->toStdString();
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
