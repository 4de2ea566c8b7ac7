#include "texto/Cp1252.h"

#include <array>

namespace {

// Windows-1252 0x80..0x9F; the undefined bytes keep their own value.
constexpr std::array<char32_t, 32> Cp1252Alto = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

} // namespace

void AcrescentaUtf8(std::string& s, char32_t c) {
    if (c < 0x80) {
        s += char(c);
    } else if (c < 0x800) {
        s += char(0xC0 | (c >> 6));
        s += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        s += char(0xE0 | (c >> 12));
        s += char(0x80 | ((c >> 6) & 0x3F));
        s += char(0x80 | (c & 0x3F));
    } else {
        s += char(0xF0 | (c >> 18));
        s += char(0x80 | ((c >> 12) & 0x3F));
        s += char(0x80 | ((c >> 6) & 0x3F));
        s += char(0x80 | (c & 0x3F));
    }
}

std::size_t SequenciaUtf8(std::string_view s, std::size_t i, char32_t& c) {
    const auto b = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char b0 = b(i);
    if (b0 < 0x80) {
        c = b0;
        return 1;
    }
    std::size_t n;
    unsigned char min = 0x80, max = 0xBF;
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        n = 2;
        c = b0 & 0x1F;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        n = 3;
        c = b0 & 0x0F;
        if (b0 == 0xE0) min = 0xA0;
        if (b0 == 0xED) max = 0x9F;
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        n = 4;
        c = b0 & 0x07;
        if (b0 == 0xF0) min = 0x90;
        if (b0 == 0xF4) max = 0x8F;
    } else {
        return 0;
    }
    if (s.size() - i < n) return 0;
    for (std::size_t k = 1; k < n; ++k) {
        const unsigned char bk = b(i + k);
        if (bk < (k == 1 ? min : 0x80) || bk > (k == 1 ? max : 0xBF)) return 0;
        c = (c << 6) | (bk & 0x3F);
    }
    return n;
}

char32_t ProximoCaractere(std::string_view s, std::size_t& i) {
    char32_t c;
    const std::size_t n = SequenciaUtf8(s, i, c);
    i += n == 0 ? 1 : n;
    return n == 0 ? char32_t(0xFFFD) : c;
}

bool Utf8Valido(std::string_view s, bool& naoAscii) {
    naoAscii = false;
    for (std::size_t i = 0; i < s.size();) {
        char32_t c;
        const std::size_t n = SequenciaUtf8(s, i, c);
        if (n == 0) return false;
        naoAscii = naoAscii || n > 1;
        i += n;
    }
    return true;
}

std::string De1252(std::string_view s) {
    std::string r;
    r.reserve(s.size() + s.size() / 8);
    for (const char ch : s) {
        const unsigned char b = static_cast<unsigned char>(ch);
        AcrescentaUtf8(r, b >= 0x80 && b < 0xA0 ? Cp1252Alto[b - 0x80] : char32_t(b));
    }
    return r;
}

std::optional<std::string> Para1252(std::string_view s) {
    std::string r;
    r.reserve(s.size());
    for (std::size_t i = 0; i < s.size();) {
        char32_t c;
        const std::size_t n = SequenciaUtf8(s, i, c);
        if (n == 0) return std::nullopt;
        i += n;
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
            r += char(c);
            continue;
        }
        std::size_t k = 0;
        while (k < Cp1252Alto.size() && Cp1252Alto[k] != c) ++k;
        if (k == Cp1252Alto.size()) return std::nullopt;
        r += char(0x80 + k);
    }
    return r;
}
