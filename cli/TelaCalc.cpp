#include "cli/TelaCalc.h"

#include "display/EnvolventeCalc.h"
#include "display/Geometria.h"
#include "texto/TextoDecimal.h"

#include <algorithm>
#include <cmath>
#include <filesystem>

std::string TextoDaCaixa(double v, int digitos, char sep) {
    int casas = 0;
    if (v != 0 && std::isfinite(v))
        casas = std::clamp(digitos - 1 - int(std::floor(std::log10(std::fabs(v)))), 0, 60);
    return FormataGeral(v, casas, sep);
}

TamanhoGrafico TamanhoDaTela(const OpcoesCalc& o, bool compacto) {
    if (o.tamanho) return {15 * o.tamanho->first, 15 * o.tamanho->second};
    return compacto ? TamanhoGrafico{LarguraCompacta, AlturaCompacta}
                    : TamanhoGrafico{LarguraLarga, AlturaLarga};
}

// The plot and the controls of the main window right after start-up with
// these inputs, or right after opening the file, in the wide or the compact
// layout; the window of the first drawing at zoom 1.
void PreparaTela(const OpcoesCalc& o, const EstadoSpin& e, bool compacto, EstadoGrafico& g,
                 OpcoesGrafico& og) {
    const char sep = o.entrada.SepDec;
    const DadosArquivo* d = o.dados ? &*o.dados : nullptr;
    const VistaArquivo* v = o.vista ? &*o.vista : nullptr;
    og.SepDec = sep;
    og.TextoFrequencia = TextoDaCaixa(o.entrada.MHz, 15, sep);
    og.TextoIntMin = TextoDaCaixa(double(o.entrada.IntMin), 7, sep);
    og.TextoLargura = o.largura ? TextoDaCaixa(*o.largura, 15, sep)
                      : d       ? TextoDaCaixa(d->Largura, 15, sep)
                                : "1";
    og.TituloEspectro = o.titulo ? *o.titulo : v ? v->Titulo : "Default";
    og.Mistura = v ? v->Mistura : 50;
    og.TelaPequena = compacto;
    if (o.espectroExperimental)
        g.Experimental = {o.espectroExperimental,
                          std::filesystem::path(*o.experimental).filename().string(),
                          *o.experimental, o.referenciaExperimental};
    const auto [SW, SH] = TamanhoDaTela(o, compacto);
    g.env.EnvPontos = SW / 15;
    Restaura(g);
    CalculaJanela(g, e, SW);
    if (!v) return;
    if (v->JanelaFixa) {
        // Opening draws once with the window free and the envelope on, then
        // fixes the file's window at the scale of that drawing.
        CalculaLinhaBase(g, SH);
        PreparaEnvolvente(g, e, og, SH);
        g.NiInic = v->NiInic;
        g.LimLeft = v->LimLeft;
        g.TwPerHz = v->TwPerHz;
        g.JanelaFixa = true;
        g.env.EnvValida = false;
        g.EscalaVertFixa = g.EscalaVertBase;
    }
    g.RecalcEscala = true;
    g.env.EnvolventeLigada = v->ComEnvolvente;
    og.Colorido = v->Colorido;
}
