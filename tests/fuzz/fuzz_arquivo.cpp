// The data-file reader against any bytes, under libFuzzer, AddressSanitizer
// and UndefinedBehaviorSanitizer. Besides never crashing: a refusal always
// says why; what the reader takes, the writer writes and the reader takes
// back; and once written from values it read, the file no longer changes.

#include "formatos/ArquivoDados.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    const std::string_view bytes(reinterpret_cast<const char*>(dados), tamanho);
    for (const char sep : {',', '.'}) {
        const LeituraArquivo r = LeDadosArquivo(bytes, sep);
        if (!r.dados) {
            if (r.erro.empty()) std::abort();
            continue;
        }
        if (ValidaDados(*r.dados)) std::abort();
        const LeituraArquivo r2 = LeDadosArquivo(BytesArquivo(*r.dados, sep), sep);
        if (!r2.dados) std::abort();
        const std::string b2 = BytesArquivo(*r2.dados, sep);
        const LeituraArquivo r3 = LeDadosArquivo(b2, sep);
        if (!r3.dados || BytesArquivo(*r3.dados, sep) != b2) std::abort();
    }
    return 0;
}
