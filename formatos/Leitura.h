#pragma once
// What the readers of the files a user opens share: the result beside what
// was read, and the checks every such file passes before its text is read.

#include "arquivo/ArquivoSeguro.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A fault and its line (0 for the file as a whole).
struct Falha {
    int linha = 0;
    std::string erro; // Portuguese, what is wrong
};

struct ResultadoLeitura {
    std::vector<std::string> avisos; // Portuguese; what was read was read anyway
    int linha = 0;                   // line of the fault, 0 for the file as a whole
    std::string erro;                // Portuguese, what is wrong
    // "linha 12: ..." or the fault alone.
    std::string Mensagem() const;
    // Nothing was read: the fault replaces the warnings.
    void Recusa(Falha f);
};

// A reader's size limit, and how the user reads it ("1 MB").
struct LimiteLeitura {
    std::size_t bytes;
    std::string_view texto;
};

// Larger than the limit, empty, or with a NUL byte, which no text file
// holds: the fault, at the line `linhaDoNulo` gives for the bytes up to the
// NUL, itself included.
std::optional<Falha> ConfereBytes(std::string_view bytes, LimiteLeitura limite,
                                  int (*linhaDoNulo)(std::string_view));

// The file at `caminho` through LeArquivo, read by `le`; a file that cannot
// be read gives the system's reason alone.
template <class Resultado, class Leitor>
Resultado LeDoArquivo(const std::string& caminho, LimiteLeitura limite, Leitor le) {
    std::string bytes;
    if (auto erro = LeArquivo(caminho, limite.bytes, limite.texto, bytes)) {
        Resultado r;
        r.erro = erro->texto;
        return r;
    }
    return le(bytes);
}
