#pragma once
// The command line of halvora-calc.

#include "ajuste/Ajuste.h"
#include "espectro/EspectroExperimental.h"
#include "formatos/ArquivoDados.h"
#include "formatos/Exemplos.h"
#include "formatos/JcampDx.h"
#include "formatos/SessaoArquivo.h"
#include "run/Simulacao.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

struct OpcoesCalc {
    EntradaSimulacao entrada;
    bool tempos = false;
    bool ajuda = false;
    bool versao = false;
    // The spectrum picture as "Copiar (Colorido)" records it right after
    // start-up, or in black and white, or in the compact layout's size; as
    // "Salvar Figura..." writes it in PNG and PDF.
    std::optional<std::string> svg, png, pdf;
    bool pretoEBranco = false;
    bool compacto = false;
    std::optional<std::pair<int, int>> tamanho; // --size: the plot in pixels
    // The input data file named on the command line, with its values; the
    // options given explicitly override them.
    std::optional<std::string> arquivo;
    const Exemplo* exemplo = nullptr; // --exemplo: one of the built-in files instead
    bool listaExemplos = false;
    std::optional<DadosArquivo> dados;
    std::optional<VistaArquivo> vista; // the display the file asks for
    // The input data file to write after the run, as "Salvar Dados de
    // Entrada" would write it; the title and the width box of the window.
    std::optional<std::string> salvar;
    std::optional<std::string> titulo;
    std::optional<double> largura;
    // A measured spectrum (JCAMP-DX) to lay under the picture, with what its
    // reader had to say: --experimental's, or else the one the data file
    // names, shifted as it says; the JCAMP-DX export to write after the run.
    std::optional<std::string> experimental;
    std::shared_ptr<const EspectroExperimental> espectroExperimental;
    std::vector<std::string> avisosExperimental;
    double referenciaExperimental = 0;
    std::optional<std::string> jcamp;
    // --fit: the system fitted to the measured spectrum before anything is
    // written, in the regions given (ppm, or around the starting lines) with
    // the parameters named held.
    bool ajustar = false;
    std::vector<RegiaoPpm> regioesAjuste;
    std::vector<std::string> fixosAjuste;
};

extern const char* const TextoAjudaCalc;

// The options, or a one-line Portuguese message naming what is wrong.
struct LeituraArgumentos {
    OpcoesCalc opcoes;
    std::optional<std::string> erro;
};
LeituraArgumentos LeArgumentos(const std::vector<std::string>& args);
