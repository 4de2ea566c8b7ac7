#pragma once
// halvora-calc --fit: the system of the options fitted to the measured
// spectrum, and the lines that report it.

#include "cli/ArgumentosCalc.h"

#include <optional>
#include <string>

// On success the options hold the fitted system (in the unit they were given
// in) and width, and `relato` the lines for standard error; otherwise the
// one-line reason.
std::optional<std::string> AjustaCalc(OpcoesCalc& o, std::string& relato);
