#include "cli/Calc.h"

#include "cli/ArgumentosCalc.h"
#include "display/EnvolventeCalc.h"
#include "display/EstadoGrafico.h"
#include "display/Figura.h"
#include "display/Geometria.h"
#include "run/ArquivoDados.h"
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

// The plot and the controls of the main window right after start-up with
// these inputs, or right after opening the file, in the wide or the compact
// layout; the window of the first drawing at zoom 1.
void PreparaTela(const OpcoesCalc& o, const EstadoSpin& e, bool compacto, EstadoGrafico& g,
                 OpcoesGrafico& og) {
    const char sep = o.entrada.SepDec;
    const DadosArquivo* d = o.dados ? &*o.dados : nullptr;
    og.SepDec = sep;
    og.Text110 = TextoDaCaixa(o.entrada.MHz, 15, sep);
    og.Text12 = TextoDaCaixa(double(o.entrada.IntMin), 7, sep);
    og.Text13 = o.largura ? TextoDaCaixa(*o.largura, 15, sep)
                : d       ? TextoDaCaixa(d->Largura, 15, sep)
                          : "1";
    og.TituloEspectro = o.titulo ? *o.titulo : d ? d->Titulo : "Default";
    og.Slider4 = d ? d->Slider4 : 50;
    og.TelaPequena = compacto;
    g.env.EnvPontos = compacto ? PontosCompacto : PontosLargo;
    const int SW = compacto ? LarguraCompacta : LarguraLarga;
    const int SH = compacto ? AlturaCompacta : AlturaLarga;
    Restaura(g);
    CalculaJanela(g, e, SW);
    if (!d) return;
    if (d->JanelaFixa) {
        // Opening draws once with the window free and the envelope on, then
        // fixes the file's window at the scale of that drawing.
        CalculaLinhaBase(g, SH);
        PreparaEnvolvente(g, e, og, SH);
        g.NiInic = d->NiInic;
        g.LimLeft = d->LimLeft;
        g.TwPerHz = d->TwPerHz;
        g.JanelaFixa = true;
        g.env.EnvValida = false;
        g.EscalaVertFixa = g.EscalaVertBase;
    }
    g.RecalcEscala = true;
    g.env.EnvolventeLigada = d->Option5;
    og.Colorido = d->Option1;
}

// The colour (or black-and-white) copy of the spectrum as the window records
// it. The fonts need a GUI application: it runs offscreen (the picture is the
// same, and a stale DISPLAY cannot make it abort) unless QT_QPA_PLATFORM says
// otherwise.
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
    EstadoGrafico g;
    OpcoesGrafico og;
    PreparaTela(o, e, o.compacto, g, og);
    return GravaFigura(QString::fromStdString(*o.svg), g, e, og,
                       o.compacto ? LarguraCompacta : LarguraLarga,
                       o.compacto ? AlturaCompacta : AlturaLarga, o.pretoEBranco);
}

// The input data file as "Salvar Dados de Entrada" writes it from the wide
// layout, with the entry in ppm when the shifts were given in ppm.
std::optional<std::string> GravaDados(const OpcoesCalc& o, const EstadoSpin& e) {
    EstadoGrafico g;
    OpcoesGrafico og;
    PreparaTela(o, e, false, g, og);
    DadosArquivo d;
    d.Titulo = og.TituloEspectro;
    CopiaDoEstado(e, d);
    if (auto erro = CopiaDasCaixas(og.Text110, og.Text13, og.SepDec, d)) return erro;
    d.Slider4 = og.Slider4;
    d.PPM = o.entrada.PPM;
    d.ComTabela = o.dados ? o.dados->ComTabela : true;
    d.Option5 = g.env.EnvolventeLigada;
    d.Option1 = og.Colorido;
    d.JanelaFixa = g.JanelaFixa;
    d.NiInic = g.NiInic;
    d.LimLeft = g.LimLeft;
    d.TwPerHz = g.TwPerHz;
    return GravaArquivoDados(*o.salvar, d, og.SepDec);
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
    if (o.salvar)
        if (auto erro = GravaDados(o, estado)) {
            erros << "halvora-calc: " << *erro << "\n";
            return 2;
        }
    return saida ? 0 : 1;
}
