#pragma once
// JCAMP-DX (4.24 and 5.x), the text format in which spectrometers and NMR
// programs exchange 1D spectra. The reader takes a measured 1H spectrum so
// that it can be laid beside a simulated one; the writer exports a simulated
// spectrum for those programs to open. Both work on bytes and open nothing.

#include "espectro/EspectroExperimental.h"
#include "formatos/Leitura.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Larger inputs are refused before they are read.
inline constexpr std::size_t TamanhoMaximoJcamp = std::size_t(64) << 20;
inline constexpr LimiteLeitura LimiteJcamp{TamanhoMaximoJcamp, "64 MB"};
// ##NPOINTS above this is refused: far beyond any 1D spectrum, and it bounds
// what a compressed table (one DUP can stand for millions of points) expands
// to.
inline constexpr std::size_t PontosMaximosJcamp = std::size_t(1) << 22;

struct LeituraJcamp : ResultadoLeitura {
    std::optional<EspectroExperimental> espectro; // only when the whole table is good
};

// The first 1D NMR spectrum of the file: a block with ##XYDATA=(X++(Y..Y)) in
// any ASDF form (AFFN, PAC, SQZ, DIF, DUP), the real page of an NTUPLES
// block, or the first such block inside LINK blocks (nested to eight levels;
// structure and assignment blocks beside it are passed over). Every point is
// checked: the count against ##NPOINTS, each line's abscissa against the
// sequence from ##FIRSTX to ##LASTX (to half a point, or as the index of its
// first point) and each DIF Y-check value against the line before. A file
// with only ##PEAK TABLE= or ##XYPOINTS= in (XY..XY) form gives its pairs as
// peaks. x in Hz becomes ppm through ##.OBSERVE FREQUENCY. 2D spectra, FIDs
// and other kinds of data are refused. CR LF, LF and CR line ends; text
// outside ASCII is taken as UTF-8 when it is valid UTF-8, otherwise as
// Windows-1252. The messages write their numbers with SepDec.
LeituraJcamp LeJcampDx(std::string_view bytes, char SepDec = '.');
// The same from a file, opened through LeArquivo (a regular file of at most
// TamanhoMaximoJcamp bytes).
LeituraJcamp LeArquivoJcamp(const std::string& caminho, char SepDec = '.');

struct BandaJcamp {
    double Hz = 0; // from the reference, so 0 Hz is 0 ppm
    double Intensidade = 0;
};

struct ExportacaoJcamp {
    std::string Titulo; // UTF-8
    double MHz = 0;     // spectrometer frequency
    // The envelope: Envolvente.size() equally spaced samples from PrimeiroHz
    // to UltimoHz (both included), in Hz from the reference.
    double PrimeiroHz = 0, UltimoHz = 0;
    std::vector<double> Envolvente;
    std::vector<BandaJcamp> Bandas;
};

// A message when the values cannot make a file that reads back: a frequency
// out of (0, 100000] MHz, fewer than 2 samples, equal ends, or a value that is
// not finite or beyond 1E+300 in magnitude.
std::optional<std::string> ValidaExportacao(const ExportacaoJcamp& e);

// The bytes of a JCAMP-DX 5.01 compound file (CR LF, lines of at most 80
// characters): a LINK block holding an NMR SPECTRUM block with the envelope as
// ##XYDATA=(X++(Y..Y)) in DIFDUP form, x in Hz, and an NMR PEAK TABLE block
// with the bands. The title is written in ASCII: letters with diacritics lose
// them, Greek letters are spelt out, anything else becomes "?", and it is cut
// to fit its line. Values ValidaExportacao refuses give a file that says
// nothing true, but never undefined behaviour.
std::string BytesJcampDx(const ExportacaoJcamp& e);
