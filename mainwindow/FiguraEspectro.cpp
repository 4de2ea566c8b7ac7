#include "mainwindow/FiguraEspectro.h"

#include "display/AreaGrafico.h"
#include "mainwindow/DialogosArquivo.h"
#include "widgets/Ampulheta.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QStatusBar>

namespace {

const char* const FiltroSvg = QT_TRANSLATE_NOOP("FiguraEspectro", "Figura SVG (*.svg)");
const char* const FiltroPng = QT_TRANSLATE_NOOP("FiguraEspectro", "Figura PNG (*.png)");
const char* const FiltroPdf = QT_TRANSLATE_NOOP("FiguraEspectro", "Documento PDF (*.pdf)");

} // namespace

FormatoFigura FormatoEscolhido(const QString& caminho, const QString& filtro) {
    const QString extensao = QFileInfo(caminho).suffix().toLower();
    if (extensao == QStringLiteral("png")) return FormatoFigura::Png;
    if (extensao == QStringLiteral("pdf")) return FormatoFigura::Pdf;
    if (extensao == QStringLiteral("svg")) return FormatoFigura::Svg;
    if (filtro == QCoreApplication::translate("FiguraEspectro", FiltroPng))
        return FormatoFigura::Png;
    if (filtro == QCoreApplication::translate("FiguraEspectro", FiltroPdf))
        return FormatoFigura::Pdf;
    return FormatoFigura::Svg;
}

FiguraEspectro::FiguraEspectro(const PecasFigura& p, QWidget* janela)
    : QObject(janela), janela_(janela), e_(p.estado), g_(p.g), o_(p.o), areaGrafico_(p.areaGrafico),
      dialogos_(p.dialogos), barra_(p.barra) {}

FiguraEspectro::~FiguraEspectro() = default;

void FiguraEspectro::Copia(bool pretoEBranco) {
    // The user's last copy decides the colours of what is saved and printed
    // afterwards: whoever copied in black and white wants the files that way too.
    ultimaCopiaBP_ = pretoEBranco;
    const Ampulheta ampulheta;
    if (areaGrafico_.CopiaEspectro(pretoEBranco))
        barra_.showMessage(tr("Figura copiada; também gravada em %1")
                               .arg(QDir::toNativeSeparators(areaGrafico_.ArqFiguraAtual())),
                           6000);
}

bool FiguraEspectro::PretoEBranco() const {
    // The comparison of curves has no black-and-white copy (its menu item is off).
    return ultimaCopiaBP_ && !o_.CompararCurvas;
}

std::optional<EscolhaTamanho> FiguraEspectro::PerguntaTamanho() {
    if (EscolheTamanho) return EscolheTamanho();
    DialogoTamanho dialogo(tamanho_, janela_);
    if (dialogo.exec() != QDialog::Accepted) return std::nullopt;
    return dialogo.Escolha();
}

MedidaFigura FiguraEspectro::MedidaSalva(const EscolhaTamanho& escolha) const {
    const int SW = areaGrafico_.SW(), SH = areaGrafico_.SH();
    if (escolha.daJanela) return {SW, SH};
    return MedidaNaLargura(escolha.cm, double(SH) / SW, g_, e_, o_);
}

void FiguraEspectro::Salva() {
    const PedidoArquivo pedido{true,
                               {QCoreApplication::translate("FiguraEspectro", FiltroSvg),
                                QCoreApplication::translate("FiguraEspectro", FiltroPng),
                                QCoreApplication::translate("FiguraEspectro", FiltroPdf)},
                               QStringLiteral("svg"),
                               true};
    QString filtro;
    const QString caminho = dialogos_.Escolhe(pedido, &filtro);
    if (caminho.isEmpty()) return;
    const std::optional<EscolhaTamanho> escolha = PerguntaTamanho();
    if (!escolha) return;
    tamanho_ = *escolha;
    const FormatoFigura formato = FormatoEscolhido(caminho, filtro);
    const bool bp = PretoEBranco();
    const MedidaFigura medida = MedidaSalva(*escolha);
    EstadoGrafico copia = EstadoDaCopia(g_, areaGrafico_.SW(), areaGrafico_.SH(), medida);
    bool salva = false;
    {
        const Ampulheta ampulheta;
        salva = dialogos_.Grava(tr("Salvar figura"), [&](OpcoesGravacao opcoes) {
            return GravaFigura(caminho, formato, copia, e_, o_, medida, bp, opcoes);
        });
    }
    if (!salva) return;
    dialogos_.Usado(caminho);
    barra_.showMessage(tr("Figura salva em %1")
                           .arg(QDir::toNativeSeparators(QFileInfo(caminho).absoluteFilePath())),
                       6000);
}

QPrinter& FiguraEspectro::Impressora() {
    if (!impressora_) {
        impressora_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        impressora_->setPageOrientation(QPageLayout::Landscape);
        impressora_->setDocName(tr("Espectro Simulado"));
    }
    return *impressora_;
}

bool FiguraEspectro::ImprimeEm(QPrinter& impressora) {
    bool impresso = false;
    {
        const Ampulheta ampulheta;
        QPainter p;
        if (p.begin(&impressora)) {
            const QRectF pagina(0, 0, impressora.width(), impressora.height());
            const QSizeF polegadas(pagina.width() / impressora.logicalDpiX(),
                                   pagina.height() / impressora.logicalDpiY());
            const MedidaFigura m = MedidaNaPagina(polegadas, g_, e_, o_);
            EstadoGrafico copia = EstadoDaCopia(g_, areaGrafico_.SW(), areaGrafico_.SH(), m);
            DesenhaFiguraEm(p, RetanguloImpressao(QSizeF(TamanhoFigura(m.SW, m.SH)), pagina), copia,
                            e_, o_, m.SW, m.SH, PretoEBranco());
            impresso = p.end();
        }
    }
    if (!impresso)
        QMessageBox::warning(janela_, tr("Imprimir"), tr("Não foi possível imprimir o espectro."));
    return impresso;
}

void FiguraEspectro::Imprime() {
    QPrintDialog dialogo(&Impressora(), janela_);
    dialogo.setWindowTitle(tr("Imprimir"));
    if (dialogo.exec() == QDialog::Accepted) ImprimeEm(Impressora());
}

void FiguraEspectro::VisualizaImpressao() {
    QPrintPreviewDialog dialogo(&Impressora(), janela_);
    dialogo.setWindowTitle(tr("Visualizar Impressão"));
    connect(&dialogo, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* impressora) { ImprimeEm(*impressora); });
    dialogo.exec();
}
