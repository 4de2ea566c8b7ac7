#include "cli/FiguraCalc.h"

#include "cli/TelaCalc.h"
#include "display/Figura.h"

#include <QGuiApplication>
#include <QString>

#include <memory>
#include <utility>

namespace {

// The toolkit's notices (a missing runtime folder, say) would break the rule
// of one line on standard error; only its critical messages pass.
QtMessageHandler HandlerAnterior = nullptr;
void SoCriticas(QtMsgType tipo, const QMessageLogContext& ctx, const QString& msg) {
    if ((tipo == QtCriticalMsg || tipo == QtFatalMsg) && HandlerAnterior)
        HandlerAnterior(tipo, ctx, msg);
}

// The colour (or black-and-white) copy of the spectrum as the window records
// it. The fonts need a GUI application: it runs offscreen (the picture is the
// same, and a stale DISPLAY cannot make it abort) unless QT_QPA_PLATFORM says
// otherwise.
} // namespace

std::optional<Erro> GravaFiguraCalc(const OpcoesCalc& o, const EstadoSpin& e) {
    struct Silencio {
        QtMessageHandler antes = qInstallMessageHandler(SoCriticas);
        ~Silencio() { qInstallMessageHandler(antes); }
    } silencio;
    HandlerAnterior = silencio.antes;
    std::unique_ptr<QGuiApplication> app;
    int argc = 1;
    char nome[] = "halvora-calc";
    char* argv[] = {nome, nullptr};
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    }
    EstadoGrafico g;
    OpcoesGrafico og;
    PreparaTela(o, e, o.compacto, g, og);
    const auto [SW, SH] = TamanhoDaTela(o, o.compacto);
    const std::pair<const std::optional<std::string>&, FormatoFigura> figuras[] = {
        {o.svg, FormatoFigura::Svg}, {o.png, FormatoFigura::Png}, {o.pdf, FormatoFigura::Pdf}};
    for (const auto& [arquivo, formato] : figuras)
        if (arquivo)
            if (auto erro = GravaFigura(QString::fromStdString(*arquivo), formato, g, e, og,
                                        {SW, SH}, o.pretoEBranco))
                return erro;
    return std::nullopt;
}
