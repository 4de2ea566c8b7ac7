#pragma once
// Windows-1252 and UTF-8, as far as the input data file needs them.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Appends the UTF-8 form of code point c.
void AcrescentaUtf8(std::string& s, char32_t c);

// Length of the well-formed UTF-8 sequence at s[i] (no overlong forms, no
// surrogates, nothing above U+10FFFF) with its code point, or 0.
std::size_t SequenciaUtf8(std::string_view s, std::size_t i, char32_t& c);

// The character at s[i], i moved past it; a byte that starts no well-formed
// sequence is U+FFFD and one byte long.
char32_t ProximoCaractere(std::string_view s, std::size_t& i);

// Whether s is well-formed UTF-8; naoAscii tells whether it holds anything
// beyond ASCII.
bool Utf8Valido(std::string_view s, bool& naoAscii);

// Windows-1252 bytes as UTF-8. The five bytes the code page leaves undefined
// become the C1 controls of the same value, as Windows converts them, so
// they survive a round trip.
std::string De1252(std::string_view s);

// The Windows-1252 bytes of well-formed UTF-8, or nothing when a character
// has no place in the code page.
std::optional<std::string> Para1252(std::string_view s);
