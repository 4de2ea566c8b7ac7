// halvora-calc: the calculator without the toolkit, which would cost every
// run tens of milliseconds to load. A request for the picture is handed over
// to halvora-calc-grafico, the same calculator built with it: beside this one
// in the build tree, under libexec once installed.
#include "cli/Calc.h"

#include <unistd.h>

#include <filesystem>
#include <iostream>
#include <string_view>

namespace {

bool PedeFigura(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        for (const char* opcao : {"--svg", "--png", "--pdf"})
            if (std::string_view(argv[i]).rfind(opcao, 0) == 0) return true;
    return false;
}

// The picture program, or the last place it was looked for; relative only
// when this program cannot tell where it is.
std::filesystem::path Grafico() {
    std::error_code erro;
    const auto pasta = std::filesystem::read_symlink("/proc/self/exe", erro).parent_path();
    std::filesystem::path caminho = "halvora-calc-grafico";
    if (erro) return caminho;
    for (const char* relativo : {"halvora-calc-grafico", HALVORA_GRAFICO_INSTALADO}) {
        caminho = (pasta / relativo).lexically_normal();
        if (access(caminho.c_str(), X_OK) == 0) break;
    }
    return caminho;
}

} // namespace

int main(int argc, char** argv) {
    if (PedeFigura(argc, argv)) {
        const std::filesystem::path grafico = Grafico();
        if (grafico.is_absolute()) execv(grafico.c_str(), argv);
        std::cerr << "halvora-calc: não foi possível gravar a figura: " << grafico.string()
                  << " não foi encontrado.\n";
        return 2;
    }
    std::ios::sync_with_stdio(false);
    return ExecutaCalc(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
