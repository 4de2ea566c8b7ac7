#pragma once
// The program's state and its data file, both ways, as the window and the
// calculator share them: what a save writes from the last run and the
// display, and what opening a file hands back to the run and to the plot.

#include "estado/EstadoSpin.h"
#include "formatos/ArquivoDados.h"
#include "run/Simulacao.h"

#include <optional>
#include <string>

// What the data file keeps of the display, besides the system and the width.
struct VistaArquivo {
    std::string Titulo = "Default";
    int Mistura = 50; // percentage of Lorentzian
    bool PPM = false; // the shifts were entered in ppm
    bool ComTabela = true;
    bool ComEnvolvente = true;
    bool Colorido = true;
    // The plot's window: frequency NiInic (Hz) at LimLeft twips, TwPerHz;
    // opening keeps it only when it was fixed.
    bool JanelaFixa = false;
    double NiInic = 0, LimLeft = 0, TwPerHz = 0;
    // The measured spectrum laid under: its whole path (empty for none) and
    // the ppm added to its points.
    std::string Espectro{};
    double ReferenciaPpm = 0;

    bool operator==(const VistaArquivo&) const = default;
};

// The frequency and width boxes as a save finds them: what they show is
// saved, whether it has run or not.
struct CaixasArquivo {
    std::string TextoFrequencia, TextoLargura;
    char SepDec = ',';
};

// The data file of the last run `e` shown as `v`: N, IntMin, the shifts and
// the couplings of the state (CopiaDoEstado), the frequency and the width of
// the boxes, the rest of `v`. A message when a box is not a number. The
// measured spectrum waits for NomeiaEspectro, which knows where the file goes.
std::optional<std::string> DadosDaSessao(const EstadoSpin& e, const CaixasArquivo& c,
                                         const VistaArquivo& v, DadosArquivo& d);

// The measured spectrum of `v`, with its shift, as the data file saved as
// `destino` names it (NomeDoEspectro); nothing without one.
void NomeiaEspectro(const VistaArquivo& v, const std::string& destino, DadosArquivo& d);

// The system a data file holds, as a run takes it: the shifts in Hz whatever
// unit they were entered in; the run's other settings at their defaults.
EntradaSimulacao EntradaDoArquivo(const DadosArquivo& d, char SepDec);

// The display a data file asks for, its measured spectrum found from the
// folder of `arquivoDados`, the file it was read from (CaminhoDoEspectro).
VistaArquivo VistaDoArquivo(const DadosArquivo& d, const std::string& arquivoDados);
