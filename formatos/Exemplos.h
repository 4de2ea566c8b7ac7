#pragma once
// The example spin systems of exemplos/, built into the programs so that the
// window and halvora-calc offer them without any file on disk: the index
// exemplos/exemplos.txt and the exact bytes of each data file, which
// LeDadosArquivo reads like any other.

#include <string_view>
#include <vector>

struct Exemplo {
    // The submenu and the item of the menu (UTF-8); the file's base name
    // (ASCII); the file as it is in exemplos/.
    std::string_view grupo, nome, rotulo, bytes;
};

// In menu order, each group's examples together.
const std::vector<Exemplo>& Exemplos();

// nullptr when no example has that name.
const Exemplo* ProcuraExemplo(std::string_view nome);
