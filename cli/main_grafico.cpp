// halvora-calc-grafico: the calculator with the toolkit, for --svg, --png and --pdf.
#include "cli/Calc.h"

#include <iostream>

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    return ExecutaCalc(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
