#pragma once
// The input data file (.esm): the title, the spin system, the spectrometer
// frequency, the minimum intensity, the line width, the mix and the display
// options, one item a line under "#" keys, in Windows-1252 with CR LF. The
// reader is positional, so the order and the line count are the format.
// A measured spectrum laid under the simulation adds two keys at the end:
// "#Espectro experimental" with its file, and "#Referência do espectro
// (ppm)" with its reference shift when that is not zero; a file without
// them is what it always was.
// Teachers exchange these files: the reader takes any bytes and refuses what
// is not such a file without touching anything.

#include "arquivo/ArquivoSeguro.h"
#include "estado/EstadoSpin.h"
#include "formatos/Leitura.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct DadosArquivo {
    std::string Titulo = "Default"; // UTF-8, one line
    int NProt = 3;
    double MHz = 300;
    float IntMin = 0.01f;
    double Largura = 1; // line width at half height, Hz
    int Mistura = 50;
    bool PPM = false;
    bool ComTabela = true;
    bool ComEnvolvente = true; // "Com envolvente"
    bool Colorido = true;      // "Colorido"
    bool JanelaFixa = false;
    double NiInic = 0, LimLeft = 0, TwPerHz = 0;
    std::vector<double> Desloc; // Hz, protons 1..N (index 0 = proton 1)
    std::vector<double> J;      // J(1,2), J(1,3), ..., J(N-1,N), as IndiceJ orders them
    // The measured spectrum's file as the data file names it (UTF-8, one
    // line; empty for none) and the ppm added to its points.
    std::string ArquivoExperimental{};
    double ReferenciaPpm = 0;
};

// Larger files are refused before they are read.
inline constexpr std::size_t TamanhoMaximoArquivo = 1 << 20;
inline constexpr LimiteLeitura LimiteArquivo{TamanhoMaximoArquivo, "1 MB"};

// 30 + 2N + N(N-1), without the measured spectrum's keys.
int LinhasArquivo(int NProt);

// N, IntMin, the couplings and the shifts of the last run, the shifts as
// FreqProt(i) - FreqEspHz rounded to 5 decimals (halves to even).
void CopiaDoEstado(const EstadoSpin& e, DadosArquivo& d);

// The frequency and width boxes, normalised and converted; a message when
// one of them is not a number.
std::optional<std::string> CopiaDasCaixas(std::string textoFrequencia, std::string textoLargura,
                                          char SepDec, DadosArquivo& d);

// A message when the values cannot make a file the reader takes back (N out
// of 1..10, a value that is not finite or out of its range, counts that do
// not match N, a measured spectrum's name with a line break in it).
std::optional<std::string> ValidaDados(const DadosArquivo& d);

// The bytes of the file. Line breaks in the title become blanks; a title or
// a measured spectrum's name that Windows-1252 cannot hold makes the whole
// file UTF-8. The reference shift goes only with a spectrum's name.
std::string BytesArquivo(const DadosArquivo& d, char SepDec);

// Writes the file through GravaArquivo. Returns why not when the values
// are refused (TipoErro::Entrada) or the file cannot be written.
std::optional<Erro> GravaArquivoDados(const std::string& caminho, const DadosArquivo& d,
                                      char SepDec, OpcoesGravacao opcoes = {});

// The measured spectrum `espectro` as the data file `arquivoDados` names it:
// relative to that file's folder when it lies there or below, so that a
// folder moved whole keeps them together; its whole path otherwise.
std::string NomeDoEspectro(const std::string& espectro, const std::string& arquivoDados);
// The file a data file's name stands for: from the data file's folder,
// unless the name is absolute.
std::string CaminhoDoEspectro(const std::string& nome, const std::string& arquivoDados);

struct LeituraArquivo : ResultadoLeitura {
    std::optional<DadosArquivo> dados; // only when the whole file is good
    // The title of line 2 whenever the file reaches it: the window shows it
    // even when the rest is refused.
    std::optional<std::string> Titulo;
};

// Numbers are read with SepDec and, failing that, with the other separator.
// The bytes may be Windows-1252 or UTF-8 (valid UTF-8 with non-ASCII
// characters is taken as UTF-8), with CR LF or LF line ends.
LeituraArquivo LeDadosArquivo(std::string_view bytes, char SepDec);
LeituraArquivo LeArquivoDados(const std::string& caminho, char SepDec);
