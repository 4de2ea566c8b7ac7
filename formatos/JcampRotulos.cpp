#include "formatos/JcampRotulos.h"

#include "texto/Caracteres.h"

namespace jcamp {

std::string_view SemComentario(std::string_view s) {
    return s.substr(0, s.find("$$"));
}

std::string Normaliza(std::string_view s) {
    std::string r;
    for (char c : s) {
        if (EhBranco(c) || c == '-' || c == '/' || c == '_') continue;
        if (r.size() == 40) return "#";
        r += c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c;
    }
    return r;
}

bool Linhas::Proxima(std::string_view& linha) {
    if (pos_ >= t_.size()) return false;
    inicio_ = pos_;
    std::size_t q = pos_;
    while (q < t_.size() && t_[q] != '\n' && t_[q] != '\r') ++q;
    linha = t_.substr(pos_, q - pos_);
    if (q < t_.size()) q += t_[q] == '\r' && q + 1 < t_.size() && t_[q + 1] == '\n' ? 2 : 1;
    pos_ = q;
    ++numero_;
    return true;
}

int UltimaLinha(std::string_view t) {
    Linhas ls(t, 0, 1);
    std::string_view l;
    int linha = 0;
    while (ls.Proxima(l)) linha = ls.Numero();
    return linha;
}

Chave Procura(const std::string& nome) {
    for (int c = 0; c < NChaves; ++c)
        if (NomesChaves[std::size_t(c)] == nome) return Chave(c);
    return Nenhuma;
}

std::vector<std::string_view> Lista(std::string_view s) {
    std::vector<std::string_view> r;
    for (;;) {
        const std::size_t v = s.find(',');
        r.push_back(SemBrancos(s.substr(0, v)));
        if (v == std::string_view::npos) return r;
        s.remove_prefix(v + 1);
    }
}

std::optional<Forma> LeForma(std::string_view s) {
    std::string t;
    for (char c : s) {
        if (EhBranco(c)) continue;
        if (c == ',' && !t.empty() && t.back() == ')') break;
        t += c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c;
    }
    const std::size_t mais = t.find("++(");
    const std::size_t pontos = t.find("..");
    if (t.size() < 10 || t[0] != '(' || mais == std::string::npos || pontos == std::string::npos ||
        pontos < mais || t.substr(t.size() - 2) != "))")
        return std::nullopt;
    Forma f{t.substr(1, mais - 1), t.substr(mais + 3, pontos - mais - 3)};
    if (f.x.empty() || f.y.empty() || t.substr(pontos + 2, t.size() - pontos - 4) != f.y)
        return std::nullopt;
    return f;
}

bool EixoDeFrequencia(std::string_view s) {
    return s.size() >= 2 && s[0] == 'F' && EhDigito(s[1]);
}

} // namespace jcamp
