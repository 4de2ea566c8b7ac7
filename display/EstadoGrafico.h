#pragma once
// The plot's state: the window, scales and navigation of the spectrum, the
// envelope samples, the copy flags, and the options of the main window that
// the drawing reads. The main window owns one of each and keeps
// OpcoesGrafico in step with its controls; the drawing never looks at other
// widgets. No Qt here.

#include "espectro/EspectroExperimental.h"
#include "espectro/Medido.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

using Cor = std::uint32_t; // 0xRRGGBB
constexpr Cor Rgb(int r, int g, int b) {
    return Cor((r << 16) | (g << 8) | b);
}

// A plot up to 4096 pixel columns wide, each sampled up to 16 times where
// the lines are narrower than a column.
inline constexpr int EnvCapacidade = 4096;
inline constexpr int AmostrasPorColunaMax = 16;
inline constexpr int MaxEnvCapacidade = 200; // maxima 1..200
inline constexpr int PontosLargo = 963;
inline constexpr int PontosCompacto = 773;
inline constexpr int RolagemNeutra = 16384;

// The plot's inner drawing size in twips, wide and compact layouts.
inline constexpr int LarguraLarga = 14445, AlturaLarga = 6440;
// The wide plot's least height, on a laptop's screen.
inline constexpr int AlturaMinima = 4200;
inline constexpr int LarguraCompacta = 11595, AlturaCompacta = 5475;

// Colours of protons 0..10: 0 is the colour of bands where several protons flip.
inline constexpr std::array<Cor, 11> CoresProtons = {
    Rgb(255, 255, 255), Rgb(0, 0, 0),     Rgb(255, 0, 0),   Rgb(0, 128, 0),
    Rgb(0, 0, 192),     Rgb(128, 128, 0), Rgb(128, 0, 128), Rgb(192, 0, 0),
    Rgb(0, 64, 0),      Rgb(0, 128, 128), Rgb(255, 0, 255)};
inline constexpr Cor CinzaCombinacao = Rgb(160, 160, 160);

// Background swatches amostraFundo(0..7); 7 is white.
inline constexpr std::array<Cor, 8> CoresFundo = {
    Rgb(240, 224, 192), Rgb(255, 192, 192), Rgb(255, 128, 0),   Rgb(192, 192, 0),
    Rgb(0, 192, 0),     Rgb(0, 192, 192),   Rgb(192, 192, 255), Rgb(255, 255, 255)};

// The plot's horizontal window and the half width when the envelope was
// sampled: a zoom, a scroll, a resize or a new width changes it, and the
// samples must be taken again.
struct VistaEnvolvente {
    double NiInic = 0, TwPerHz = 0, LimLeft = 0, meia = 0;
    int colunas = 0;
    bool operator==(const VistaEnvolvente&) const = default;
};

struct Envolvente {
    int EnvPontos = PontosLargo; // pixel columns of the plot
    int PorColuna = 1;           // samples per column
    // EnvPontos × PorColuna samples, from the left edge of the view.
    std::vector<double> EnvFreq, EnvGauss, EnvLorentz, EnvComb;
    VistaEnvolvente Vista;
    double MeiaLargura = 0.5;
    double FracGauss = 0.5;
    // Maxima 1..MaxEnvCount: the sample of each, and where the curve through
    // the samples around it peaks.
    std::array<int, MaxEnvCapacidade + 1> MaxEnvPos{};
    std::array<double, MaxEnvCapacidade + 1> MaxEnvFreq{}, MaxEnvAltura{};
    int MaxEnvCount = 0;
    bool EnvolventeLigada = true;
    bool EnvValida = false;
    bool MisturaMudou = false;

    int Amostras() const { return int(EnvComb.size()); }
    void Dimensiona(int n) {
        for (auto* v : {&EnvFreq, &EnvGauss, &EnvLorentz, &EnvComb}) v->assign(std::size_t(n), 0.0);
    }
};

// A ppm range of the simulation's scale, Min < Max.
struct FaixaPpm {
    double Min = 0, Max = 0;
};

// A fit to the measured spectrum as the plot shows it: the regions it
// compares, shaded behind the spectrum, and after an applied fit measured
// minus fitted at the measured points there (the file's ppm, without the
// reference shift, and the file's units), with its RMS for the copy.
struct AjusteNoGrafico {
    std::vector<FaixaPpm> Regioes;
    std::vector<double> PpmResiduo, Residuo;
    double RmsPorcento = 0;
    bool ComResiduo() const { return !Residuo.empty(); }
};

// A measured spectrum shown under the simulation, the name of its file for
// the copy's annotation and its whole path for the data file, and what the
// user adds to every point's ppm so that its reference line sits where they
// say. Its noise and tallest point are worked out when it is laid under,
// not at every drawing: a new spectrum comes with a new Sobreposicao.
struct Sobreposicao {
    std::shared_ptr<const EspectroExperimental> espectro;
    std::string arquivo;
    std::string caminho;
    double ReferenciaPpm = 0;
    NiveisMedidos niveis;
    AjusteNoGrafico ajuste; // goes with the spectrum it was fitted to

    Sobreposicao() = default;
    Sobreposicao(std::shared_ptr<const EspectroExperimental> x, std::string nome,
                 std::string caminhoInteiro = {}, double referencia = 0)
        : espectro(std::move(x)), arquivo(std::move(nome)), caminho(std::move(caminhoInteiro)),
          ReferenciaPpm(referencia), niveis(espectro ? NiveisDe(*espectro) : NiveisMedidos{}) {}
};

struct EstadoGrafico {
    // Horizontal window: frequency NiInic (Hz) is drawn at x = LimLeft twips.
    double NiInic = 0, LimLeft = 0, TwPerHz = 0;
    double ZoomHoriz = 1, ZoomVert = 1, DeslocHoriz = 0;
    std::int32_t LinhaBase = 0;
    double EscalaVertBase = 0, EscalaVert = 0, EscalaVertFixa = 0;
    bool RecalcEscala = true;
    bool JanelaFixa = false;
    bool HistogramaOculto = false;
    bool FiltroAtivo = false;
    int ProtFiltro = 0;
    bool BandaMarcada = false, RolarParaBanda = false;
    double FreqMarcada = 0;
    int IndiceMarcado = 0;
    int BandaClicada = 0;
    bool CopiandoFigura = false, CopiaBP = false, Visualizando = false;
    int PosRolagem = RolagemNeutra;
    Cor CorFundo = CoresFundo[0];
    std::array<Cor, 21> CorProt = [] {
        std::array<Cor, 21> c{};
        for (std::size_t i = 0; i < CoresProtons.size(); ++i) c[i] = CoresProtons[i];
        return c;
    }();
    Envolvente env;
    Sobreposicao Experimental;
};

// What the drawing reads from the main window's controls and menus.
struct OpcoesGrafico {
    bool Colorido = true;                // "Colorido" selected, else "Sem cores"
    bool CompararCurvas = false;         // "Comparar curvas" ticked
    bool NumerosGrandes = false;         // "Números Grandes na Cópia" ticked
    int Mistura = 50;                    // percentage of Lorentzian
    std::string TextoLargura = "1";      // line width at half height, Hz
    std::string TextoFrequencia = "300"; // spectrometer frequency, MHz
    std::string TextoIntMin = "0,01";    // minimum intensity
    std::string TituloEspectro = "Default";
    char SepDec = ',';
    bool TelaPequena = false;
};
