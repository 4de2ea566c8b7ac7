#include "cli/Calc.h"

#include "cli/ArgumentosCalc.h"
#include "run/TabelaResultados.h"
#include "run/TabelaTempos.h"

#include <ostream>
#include <string>
#include <vector>

namespace {

class ObservadorCalc : public ObservadorSimulacao {
  public:
    explicit ObservadorCalc(char sep) : sep_(sep) {}
    void inicioEtapa(int, std::string_view nome) override { nome_ = nome; }
    void fimEtapa(int, double segundos, double total) override {
        linhas_ +=
            nome_ + "\t" + TextoSegundos(segundos, sep_) + "\t" + TextoSegundos(total, sep_) + "\n";
    }
    // The table's text is what the table stage produces here.
    void preencheTabela(const EstadoSpin& e) override { texto_ = TextoCopiaTabela(e); }

    const std::string& texto() const { return texto_; }
    std::string tabelaTempos() const {
        return std::string("Etapa\t") + CabecalhoTempoEtapa + "\t" + CabecalhoTempoTotal + "\n" +
               linhas_;
    }

  private:
    char sep_;
    std::string nome_, linhas_, texto_;
};

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
    ObservadorCalc obs(o.entrada.SepDec);
    if (auto erro = Simula(o.entrada, estado, trabalho, obs)) {
        erros << "halvora-calc: " << *erro << "\n";
        return 2;
    }
    saida << obs.texto();
    saida.flush();
    if (o.tempos) erros << obs.tabelaTempos();
    return saida ? 0 : 1;
}
