#include "cli/Calc.h"

#include "cli/ArgumentosCalc.h"
#include "display/EstadoGrafico.h"
#include "display/Figura.h"
#include "display/Geometria.h"
#include "run/TabelaResultados.h"
#include "run/TabelaTempos.h"
#include "run/TextoDecimal.h"

#include <QGuiApplication>
#include <QString>

#include <algorithm>
#include <cmath>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace {

class ObservadorCalc : public ObservadorSimulacao {
  public:
    ObservadorCalc(char sep, std::ostream& saida) : sep_(sep), saida_(saida) {}
    void inicioEtapa(int, std::string_view nome) override { nome_ = nome; }
    void fimEtapa(int, double segundos, double total) override {
        linhas_ +=
            nome_ + "\t" + TextoSegundos(segundos, sep_) + "\t" + TextoSegundos(total, sep_) + "\n";
    }
    // Here the table is filled by writing its text out.
    void preencheTabela(const EstadoSpin& e) override {
        EscreveCopiaTabela(
            e, [this](std::string_view p) { saida_.write(p.data(), std::streamsize(p.size())); });
    }

    std::string tabelaTempos() const {
        return std::string("Etapa\t") + CabecalhoTempoEtapa + "\t" + CabecalhoTempoTotal + "\n" +
               linhas_;
    }

  private:
    char sep_;
    std::ostream& saida_;
    std::string nome_, linhas_;
};

// A value as the input boxes show it: `digitos` significant digits in the
// general format.
std::string TextoDaCaixa(double v, int digitos, char sep) {
    int casas = 0;
    if (v != 0 && std::isfinite(v))
        casas = std::clamp(digitos - 1 - int(std::floor(std::log10(std::fabs(v)))), 0, 60);
    return FormataGeral(v, casas, sep);
}

// The toolkit's notices (a missing runtime folder, say) would break the rule
// of one line on standard error; only its critical messages pass.
QtMessageHandler HandlerAnterior = nullptr;
void SoCriticas(QtMsgType tipo, const QMessageLogContext& ctx, const QString& msg) {
    if ((tipo == QtCriticalMsg || tipo == QtFatalMsg) && HandlerAnterior)
        HandlerAnterior(tipo, ctx, msg);
}

// The colour (or black-and-white) copy of the spectrum as the window records
// it right after start-up with these inputs. The fonts need a GUI
// application: it runs offscreen (the picture is the same, and a stale
// DISPLAY cannot make it abort) unless QT_QPA_PLATFORM says otherwise.
bool GravaSvg(const OpcoesCalc& o, const EstadoSpin& e) {
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
    const char sep = o.entrada.SepDec;
    EstadoGrafico g;
    OpcoesGrafico og;
    og.SepDec = sep;
    og.Text110 = TextoDaCaixa(o.entrada.MHz, 15, sep);
    og.Text12 = TextoDaCaixa(double(o.entrada.IntMin), 7, sep);
    // The width box keeps its start-up "1", the title "Default", the slider 50.
    og.TelaPequena = o.compacto;
    g.env.EnvPontos = o.compacto ? PontosCompacto : PontosLargo;
    Restaura(g);
    return GravaFigura(QString::fromStdString(*o.svg), g, e, og,
                       o.compacto ? LarguraCompacta : LarguraLarga,
                       o.compacto ? AlturaCompacta : AlturaLarga, o.pretoEBranco);
}

} // namespace

int ExecutaCalc(const std::vector<std::string>& args, std::ostream& saida, std::ostream& erros) {
    LeituraArgumentos lidos = LeArgumentos(args);
    if (lidos.erro) {
        erros << "halvora-calc: " << *lidos.erro << "\n";
        return 2;
    }
    const OpcoesCalc& o = lidos.opcoes;
    if (o.ajuda) {
        saida << TextoAjudaCalc;
        return 0;
    }
    EstadoSpin estado, trabalho;
    ObservadorCalc obs(o.entrada.SepDec, saida);
    if (auto erro = Simula(o.entrada, estado, trabalho, obs)) {
        erros << "halvora-calc: " << *erro << "\n";
        return 2;
    }
    saida.flush();
    if (o.tempos) erros << obs.tabelaTempos();
    if (o.svg && !GravaSvg(o, estado)) {
        erros << "halvora-calc: não foi possível gravar a figura em " << *o.svg << ".\n";
        return 2;
    }
    return saida ? 0 : 1;
}
