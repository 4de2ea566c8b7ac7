#pragma once
// The blanks and digits of every text the program reads: ASCII only, never
// the locale's idea of a space or a digit.

#include <string_view>

inline bool EhBranco(char c) {
    return c == ' ' || c == '\t';
}
inline bool EhDigito(char c) {
    return c >= '0' && c <= '9';
}

// s without the blanks around it.
inline std::string_view SemBrancos(std::string_view s) {
    while (!s.empty() && EhBranco(s.front())) s.remove_prefix(1);
    while (!s.empty() && EhBranco(s.back())) s.remove_suffix(1);
    return s;
}
