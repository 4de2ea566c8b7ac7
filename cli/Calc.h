#pragma once
#include <iosfwd>
#include <string>
#include <vector>

// The whole calculator: the results table on `saida`, messages and timings on
// `erros`. Returns the exit status (0, or 2 for bad arguments, a system the
// program refuses, or a file or an output that cannot be written).
int ExecutaCalc(const std::vector<std::string>& args, std::ostream& saida, std::ostream& erros);
