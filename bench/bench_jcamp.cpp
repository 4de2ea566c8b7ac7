// JCAMP-DX: reading a measured 65 536-point spectrum (DIFDUP, and the same
// size in plain AFFN, the bulkiest form) and writing a simulated envelope.
#include "formatos/JcampDx.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

namespace {

std::string Arquivo(const char* nome) {
    std::ifstream f(std::string(HALVORA_ESPECTROS) + "/" + nome, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
}

// 65 536 points of nine-digit values, ten to a line.
std::string Affn() {
    const int n = 65536;
    std::string s = "##TITLE= AFFN\n##DATA TYPE= NMR SPECTRUM\n##.OBSERVE FREQUENCY= 400.13\n"
                    "##.OBSERVE NUCLEUS= ^1H\n##XUNITS= HZ\n##XFACTOR= 1\n##YFACTOR= 1E-09\n"
                    "##FIRSTX= 65535\n##LASTX= 0\n##NPOINTS= 65536\n##XYDATA=(X++(Y..Y))\n";
    char buf[32];
    for (int k = 0; k < n; ++k) {
        if (k % 10 == 0) {
            if (k) s += '\n';
            s += std::to_string(n - 1 - k);
        }
        std::snprintf(buf, sizeof buf, " %d", int(5e8 * (1 + std::sin(k * 0.01))));
        s += buf;
    }
    return s + "\n##END=\n";
}

ExportacaoJcamp Envolvente() {
    ExportacaoJcamp e;
    e.Titulo = "Envolvente";
    e.MHz = 400.13;
    e.PrimeiroHz = 4000;
    e.UltimoHz = -400;
    for (int k = 0; k < 65536; ++k) {
        const double x = 4000 - k * 4400.0 / 65535;
        e.Envolvente.push_back(1 / (1 + (x - 1200) * (x - 1200)) + 1 / (1 + (x - 300) * (x - 300)));
    }
    return e;
}

void Leitura(benchmark::State& st, const std::string& bytes) {
    for (auto _ : st) benchmark::DoNotOptimize(LeJcampDx(bytes).espectro->Ppm.size());
    st.SetBytesProcessed(int64_t(st.iterations()) * int64_t(bytes.size()));
}

void LeituraDifdup(benchmark::State& st) {
    Leitura(st, Arquivo("mestrec-1h.jcamp"));
}
void LeituraAffn(benchmark::State& st) {
    Leitura(st, Affn());
}
void LeituraExportado(benchmark::State& st) {
    Leitura(st, BytesJcampDx(Envolvente()));
}

void Escrita(benchmark::State& st) {
    const ExportacaoJcamp e = Envolvente();
    for (auto _ : st) benchmark::DoNotOptimize(BytesJcampDx(e).size());
}

} // namespace

BENCHMARK(LeituraDifdup)->Unit(benchmark::kMillisecond);
BENCHMARK(LeituraAffn)->Unit(benchmark::kMillisecond);
BENCHMARK(LeituraExportado)->Unit(benchmark::kMillisecond);
BENCHMARK(Escrita)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
