// The JCAMP-DX reader against any bytes, under libFuzzer, AddressSanitizer
// and UndefinedBehaviorSanitizer. Besides never crashing: a refusal always
// says why; a spectrum read has one finite intensity per finite position;
// and a trace exported again reads back to the same points to the written
// precision.

#include "formatos/JcampDx.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    const std::string_view bytes(reinterpret_cast<const char*>(dados), tamanho);
    const LeituraJcamp r = LeJcampDx(bytes);
    if (!r.espectro) {
        if (r.erro.empty()) std::abort();
        return 0;
    }
    const EspectroExperimental& e = *r.espectro;
    const std::size_t n = e.Ppm.size();
    if (n == 0 || n > PontosMaximosJcamp || e.Intensidade.size() != n) std::abort();
    double maior = 0;
    for (std::size_t k = 0; k < n; ++k) {
        if (!std::isfinite(e.Ppm[k]) || !std::isfinite(e.Intensidade[k])) std::abort();
        maior = std::max(maior, std::fabs(e.Intensidade[k]));
    }

    // Peaks stand where their table puts them, not on an even grid: the
    // export's round trip is a trace's.
    if (!(e.MHz > 0) || e.Picos) return 0;
    ExportacaoJcamp x;
    x.Titulo = e.Titulo;
    x.MHz = e.MHz;
    x.PrimeiroHz = e.Ppm.front() * e.MHz;
    x.UltimoHz = e.Ppm.back() * e.MHz;
    x.Envolvente = e.Intensidade;
    if (ValidaExportacao(x)) return 0;
    const LeituraJcamp v = LeJcampDx(BytesJcampDx(x));
    if (!v.espectro || !v.avisos.empty() || v.espectro->Ppm.size() != n) std::abort();
    const double escala = std::max(std::fabs(e.Ppm.front()), std::fabs(e.Ppm.back()));
    for (std::size_t k = 0; k < n; ++k) {
        if (!(std::fabs(v.espectro->Intensidade[k] - e.Intensidade[k]) <= maior * 1e-9 + 1e-300))
            std::abort();
        if (!(std::fabs(v.espectro->Ppm[k] - e.Ppm[k]) <= escala * 1e-9)) std::abort();
    }
    return 0;
}
