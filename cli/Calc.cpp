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
    return saida ? 0 : 1;
}
