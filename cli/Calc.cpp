#include "cli/Calc.h"

#include "cli/AjusteCalc.h"
#include "cli/ArgumentosCalc.h"
#include "cli/FiguraCalc.h"
#include "cli/TelaCalc.h"
#include "display/Experimental.h"
#include "formatos/ArquivoDados.h"
#include "formatos/SessaoArquivo.h"
#include "gerado/Versao.h"
#include "run/TabelaResultados.h"
#include "run/TabelaTempos.h"
#include "texto/TextoDecimal.h"

#include <algorithm>
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
        EscreveCopiaTabela(e, sep_, [this](std::string_view p) {
            saida_.write(p.data(), std::streamsize(p.size()));
        });
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

// What the window of PreparaTela shows that the data file keeps.
VistaArquivo VistaDaTela(const OpcoesCalc& o, const EstadoGrafico& g, const OpcoesGrafico& og) {
    const Sobreposicao& x = g.Experimental;
    return {.Titulo = og.TituloEspectro,
            .Mistura = og.Mistura,
            .PPM = o.entrada.PPM,
            .ComTabela = o.vista ? o.vista->ComTabela : true,
            .ComEnvolvente = g.env.EnvolventeLigada,
            .Colorido = og.Colorido,
            .JanelaFixa = g.JanelaFixa,
            .NiInic = g.NiInic,
            .LimLeft = g.LimLeft,
            .TwPerHz = g.TwPerHz,
            .Espectro = x.espectro ? x.caminho : std::string(),
            .ReferenciaPpm = x.ReferenciaPpm};
}

// The input data file as "Salvar Dados de Entrada" writes it from the wide
// layout, with the entry in ppm when the shifts were given in ppm.
std::optional<Erro> GravaDados(const OpcoesCalc& o, const EstadoSpin& e) {
    EstadoGrafico g;
    OpcoesGrafico og;
    PreparaTela(o, e, false, g, og);
    const VistaArquivo vista = VistaDaTela(o, g, og);
    DadosArquivo d;
    if (auto erro = DadosDaSessao(e, {og.TextoFrequencia, og.TextoLargura, og.SepDec}, vista, d))
        return Erro{TipoErro::Entrada, *erro};
    NomeiaEspectro(vista, *o.salvar, d);
    return GravaArquivoDados(*o.salvar, d, og.SepDec);
}

// "16384 pontos, 11.00659 a -1.00928 ppm, 400.112 MHz, máximo em 1.30838 ppm":
// enough for a script to check it read the file it meant.
std::string DescricaoExperimental(const EspectroExperimental& x) {
    const auto maior = std::max_element(x.Intensidade.begin(), x.Intensidade.end());
    const double ppmMaximo = x.Ppm[std::size_t(maior - x.Intensidade.begin())];
    const std::string mhz =
        x.MHz > 0 ? TextoMHzExperimental(x, '.') + " MHz" : "freqüência não informada";
    return FormataInteiro(long(x.Ppm.size())) + (x.Picos ? " picos, " : " pontos, ") +
           FormataFixo(x.Ppm.front(), 5, '.') + " a " + FormataFixo(x.Ppm.back(), 5, '.') +
           " ppm, " + mhz + ", máximo em " + FormataFixo(ppmMaximo, 5, '.') + " ppm";
}

// The whole simulated spectrum in JCAMP-DX, with the plot's width and mix
// (and the measured spectrum's grid when one is given).
std::optional<Erro> GravaJcamp(const OpcoesCalc& o, const EstadoSpin& e) {
    EstadoGrafico g;
    OpcoesGrafico og;
    PreparaTela(o, e, false, g, og);
    const ExportacaoJcamp x = ExportacaoDoEspectro(g, e, og);
    if (auto erro = ValidaExportacao(x)) return Erro{TipoErro::Entrada, *erro};
    return GravaArquivo(*o.jcamp, BytesJcampDx(x));
}

// The table may still sit in the stream's buffer: only the flush tells
// whether it reached a full disk or a closed pipe, and a caller that saw
// status 0 would take a truncated table for the whole one.
int StatusDaSaida(std::ostream& saida, std::ostream& erros) {
    if (saida.flush()) return 0;
    erros << "halvora-calc: não foi possível escrever na saída padrão.\n";
    return 2;
}

} // namespace

int ExecutaCalc(const std::vector<std::string>& args, std::ostream& saida, std::ostream& erros) {
    LeituraArgumentos lidos = LeArgumentos(args);
    if (lidos.erro) {
        erros << "halvora-calc: " << *lidos.erro << "\n";
        return 2;
    }
    OpcoesCalc& o = lidos.opcoes;
    if (o.ajuda) {
        saida << TextoAjudaCalc;
        return StatusDaSaida(saida, erros);
    }
    if (o.versao) {
        saida << "halvora-calc " << VersaoHalvora << "\n";
        return StatusDaSaida(saida, erros);
    }
    if (o.listaExemplos) {
        for (const Exemplo& ex : Exemplos()) {
            const LeituraArquivo lido = LeDadosArquivo(ex.bytes, '.');
            saida << ex.nome << '\t' << (lido.dados ? lido.dados->Titulo : "") << '\n';
        }
        return StatusDaSaida(saida, erros);
    }
    std::string relatoAjuste;
    if (o.ajustar)
        if (auto erro = AjustaCalc(o, relatoAjuste)) {
            erros << "halvora-calc: " << *erro << "\n";
            return 2;
        }
    EstadoSpin estado, trabalho;
    ObservadorCalc obs(o.entrada.SepDec, saida);
    if (auto erro = Simula(o.entrada, estado, trabalho, obs)) {
        erros << "halvora-calc: " << erro->texto << "\n";
        return 2;
    }
    // The files come after the table has reached its reader whole: a
    // script that sees a failure then knows nothing was written.
    if (const int status = StatusDaSaida(saida, erros)) return status;
    if (o.tempos) erros << obs.tabelaTempos();
    for (const std::string& aviso : o.avisosExperimental)
        erros << "halvora-calc: aviso: " << aviso << "\n";
    if (o.espectroExperimental)
        erros << "halvora-calc: espectro experimental: "
              << DescricaoExperimental(*o.espectroExperimental) << "\n";
    erros << relatoAjuste;
    if (o.svg || o.png || o.pdf)
        if (auto erro = GravaFiguraCalc(o, estado)) {
            erros << "halvora-calc: " << erro->texto << "\n";
            return 2;
        }
    if (o.salvar)
        if (auto erro = GravaDados(o, estado)) {
            erros << "halvora-calc: " << erro->texto << "\n";
            return 2;
        }
    if (o.jcamp)
        if (auto erro = GravaJcamp(o, estado)) {
            erros << "halvora-calc: " << erro->texto << "\n";
            return 2;
        }
    return 0;
}
