// halvora-calc: the calculator without the toolkit, which would cost every
// run tens of milliseconds to load. A request for the picture is handed over
// to halvora-calc-grafico, the same calculator built with it, beside this one.
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

} // namespace

int main(int argc, char** argv) {
    if (PedeFigura(argc, argv)) {
        std::error_code erro;
        const auto eu = std::filesystem::read_symlink("/proc/self/exe", erro);
        const std::string irmao = (eu.parent_path() / "halvora-calc-grafico").string();
        if (!erro) execv(irmao.c_str(), argv);
        std::cerr << "halvora-calc: não foi possível gravar a figura: " << irmao
                  << " não foi encontrado.\n";
        return 2;
    }
    std::ios::sync_with_stdio(false);
    return ExecutaCalc(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
