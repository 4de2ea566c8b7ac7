// The state and the data file both ways: what a save builds from the last
// run and the display comes back whole when the file is opened.
#include "formatos/SessaoArquivo.h"
#include "run/ExecucaoAux.h"

#include <gtest/gtest.h>

namespace {

// Every option away from its default, so that a field either direction
// forgets shows.
const VistaArquivo Vista{.Titulo = "Aula: éter (60 MHz)",
                         .Mistura = 30,
                         .PPM = true,
                         .ComTabela = false,
                         .ComEnvolvente = false,
                         .Colorido = false,
                         .JanelaFixa = true,
                         .NiInic = 210.5,
                         .LimLeft = 1700,
                         .TwPerHz = 300.25,
                         .Espectro = "/aula/rmn/espectros/eter.jdx",
                         .ReferenciaPpm = -0.125};

// A system entered in ppm, saved under either separator and read under the
// other: the display as it was, the same system with its shifts in Hz
// rounded to 5 decimals.
TEST(SessaoArquivo, SalvaEAbreDevolveAEntradaEAVista) {
    const EntradaSimulacao ppm{.NProt = 4,
                               .MHz = 60,
                               .PPM = true,
                               .Desloc = {1.2, 1.25, 2.5, 7.123456789},
                               .J = {7, 1.5, 0, -2, 3, 0.25},
                               .IntMin = 0.002f};
    const EstadoSpin e = testes::Calcula(ppm);
    const std::string arquivo = "/aula/rmn/eter.esm";
    for (const char sep : {',', '.'}) {
        SCOPED_TRACE(sep);
        DadosArquivo d;
        ASSERT_FALSE(DadosDaSessao(e, {"60", "2,5", sep}, Vista, d));
        DadosArquivo falha = d;
        EXPECT_TRUE(CopiaDasCaixas("61", "", sep, falha));
        EXPECT_EQ(falha.MHz, 60) << "a failed conversion changes nothing";
        NomeiaEspectro(Vista, arquivo, d);
        const LeituraArquivo lido = LeDadosArquivo(BytesArquivo(d, sep), sep == ',' ? '.' : ',');
        ASSERT_TRUE(lido.dados) << lido.Mensagem();
        EXPECT_EQ(lido.dados->ArquivoExperimental, "espectros/eter.jdx");
        EXPECT_EQ(lido.dados->Largura, 2.5);
        EXPECT_EQ(VistaDoArquivo(*lido.dados, arquivo), Vista);
        // A folder moved whole keeps the spectrum beside its file.
        EXPECT_EQ(VistaDoArquivo(*lido.dados, "/casa/eter.esm").Espectro,
                  "/casa/espectros/eter.jdx");

        const EntradaSimulacao volta = EntradaDoArquivo(*lido.dados, sep);
        EXPECT_TRUE(volta.NProt == 4 && volta.MHz == 60 && volta.IntMin == ppm.IntMin);
        EXPECT_EQ(volta.Desloc, (std::vector<double>{72, 75, 150, 427.40741}));
        EXPECT_EQ(volta.J, ppm.J);
        EXPECT_FALSE(volta.PPM) << "a file's shifts are in Hz";
        EXPECT_EQ(volta.SepDec, sep);
    }

    // Without a measured spectrum the file names none, whatever shift the
    // display still holds, and opening it shows no shift either.
    VistaArquivo v = Vista;
    v.Espectro.clear();
    DadosArquivo d;
    NomeiaEspectro(v, "/aula/a.esm", d);
    EXPECT_TRUE(d.ArquivoExperimental.empty() && d.ReferenciaPpm == 0);
    d.ReferenciaPpm = 0.5;
    EXPECT_EQ(VistaDoArquivo(d, "/aula/a.esm").ReferenciaPpm, 0);
}

} // namespace
