// The data-file writer from random values, under libFuzzer, AddressSanitizer
// and UndefinedBehaviorSanitizer: whatever values the writer accepts reach
// the disk through the same writer the program uses, onto a new name, an
// existing file, a symbolic link or a second hard link, and read back into a
// file that writes the very same bytes; whatever it refuses, it says why.

#include "formatos/ArquivoDados.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// Values in the range a field allows and a little beyond it; in half the
// files, now and then any bit pattern at all.
struct Valores {
    FuzzedDataProvider& f;
    bool selvagem = f.ConsumeBool();
    double operator()(double minimo = -1.02e9, double maximo = 1.02e9) {
        if (!selvagem || f.ConsumeIntegralInRange(0, 7) != 0)
            return f.ConsumeFloatingPointInRange(minimo, maximo);
        std::uint64_t bits = f.ConsumeIntegral<std::uint64_t>();
        double x;
        std::memcpy(&x, &bits, sizeof x);
        return x;
    }
};

DadosArquivo Dados(FuzzedDataProvider& f) {
    Valores Valor{f};
    DadosArquivo d;
    d.NProt = f.ConsumeIntegralInRange(1, 10);
    d.Titulo = f.ConsumeRandomLengthString(80);
    d.MHz = Valor(-1, 1.1e5);
    d.IntMin = float(Valor(-1, 100));
    d.Largura = Valor(-1, 1e4);
    d.Mistura = f.ConsumeIntegralInRange(-1, 101);
    d.PPM = f.ConsumeBool();
    d.ComTabela = f.ConsumeBool();
    d.ComEnvolvente = f.ConsumeBool();
    d.Colorido = f.ConsumeBool();
    d.JanelaFixa = f.ConsumeBool();
    d.NiInic = Valor();
    d.LimLeft = Valor();
    d.TwPerHz = Valor(-1, 1e4);
    for (int i = 0; i < d.NProt; ++i) d.Desloc.push_back(Valor());
    for (int i = 0; i < d.NProt * (d.NProt - 1) / 2; ++i) d.J.push_back(Valor());
    return d;
}

std::string LeTudo(const std::string& caminho) {
    std::ifstream f(caminho, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
}

// The name to save to, after setting up one of the kinds of target.
std::string Alvo(int tipo, const std::string& pasta) {
    fs::remove_all(pasta);
    fs::create_directories(pasta);
    const std::string arq = pasta + "/aula.esm";
    if (tipo == 0) return arq;
    std::ofstream(arq) << "antigo";
    if (tipo == 1) return arq;
    if (tipo == 2) {
        fs::create_symlink("aula.esm", pasta + "/atalho.esm");
        return pasta + "/atalho.esm";
    }
    fs::create_hard_link(arq, pasta + "/outro.esm");
    return pasta + "/outro.esm";
}

long Gravados = 0;
struct Conta {
    ~Conta() { std::fprintf(stderr, "fuzz_gravacao: %ld arquivos gravados e relidos\n", Gravados); }
} conta;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    FuzzedDataProvider f(dados, tamanho);
    const char sep = f.ConsumeBool() ? ',' : '.';
    const int tipo = f.ConsumeIntegralInRange(0, 3);
    const DadosArquivo d = Dados(f);
    static const std::string pasta =
        fs::temp_directory_path().string() + "/halvora_fuzz_" + std::to_string(::getpid());
    const std::string alvo = Alvo(tipo, pasta);

    if (const auto erro = GravaArquivoDados(alvo, d, sep)) {
        if (erro->texto.empty() || erro->tipo != TipoErro::Entrada) std::abort();
        return 0;
    }
    const std::string gravado = LeTudo(pasta + "/aula.esm");
    if (gravado != BytesArquivo(d, sep)) std::abort();
    ++Gravados;
    if (tipo == 3 && LeTudo(alvo) != gravado) std::abort();
    const LeituraArquivo lido = LeArquivoDados(alvo, sep);
    if (!lido.dados || BytesArquivo(*lido.dados, sep) != gravado) std::abort();
    const double relativo = std::fabs(lido.dados->MHz - d.MHz) / d.MHz;
    if (!(relativo <= 1e-14)) std::abort();
    return 0;
}
