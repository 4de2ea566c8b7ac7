#include "formatos/JcampTabela.h"

#include "formatos/Asdf.h"
#include "formatos/JcampCabecalho.h"
#include "formatos/JcampDx.h"
#include "texto/Caracteres.h"
#include "texto/TextoDecimal.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace jcamp {

std::optional<std::string> EixoDasLinhas::Confere(double xBruto, double meiaX, std::size_t k) {
    const double x = xBruto * g_.fatorX;
    const double meia = meiaX * std::fabs(g_.fatorX);
    if (++linhas_ == 1) {
        desloc = x - g_.primeiroX;
        meiaPrimeira = meia;
        primeiraNoZero_ = xBruto == 0;
        return std::nullopt;
    }
    if (indices) return DoIndice(xBruto, k);
    auto erro = DaGrade(x, meia, k);
    if (erro && linhas_ == 2 && primeiraNoZero_ && !DoIndice(xBruto, k)) {
        indices = true;
        return std::nullopt;
    }
    return erro;
}

std::optional<std::string> EixoDasLinhas::DaGrade(double x, double meia, std::size_t k) const {
    const double esperado = g_.primeiroX + desloc + double(k) * g_.delta;
    const double tol = 0.5 * std::fabs(g_.delta) + meia + meiaPrimeira +
                       1e-12 * (std::fabs(x) + std::fabs(esperado));
    if (std::fabs(x - esperado) <= tol) return std::nullopt;
    return "a abscissa da linha (" + Num(x, g_.SepDec) + " " + g_.unidade +
           ") não segue a sequência de ##FIRSTX= a ##LASTX= (esperado " + Num(esperado, g_.SepDec) +
           " " + g_.unidade + ")";
}

std::optional<std::string> EixoDasLinhas::DoIndice(double xBruto, std::size_t k) const {
    if (std::fabs(xBruto - double(k)) <= 0.5) return std::nullopt;
    return "a abscissa da linha (" + Num(xBruto, g_.SepDec) +
           ") não é o índice do seu primeiro ponto (esperado " + FormataInteiro((long long)k) + ")";
}

std::optional<Falha> Decodifica(std::string_view bytes, const Tabela& t, const Grade& g,
                                std::vector<double>& y, EixoDasLinhas& eixo) {
    y.clear();
    // A header value must not size an allocation: the table's own bytes do.
    y.reserve(std::min(g.N, t.fim - t.ini));
    DecodificadorAsdf asdf(g.N, g.fatorY, g.SepDec, y);
    Linhas ls(bytes.substr(0, t.fim), t.ini, t.primeiraLinha);
    std::string_view linha;
    while (ls.Proxima(linha)) {
        const std::string_view s = SemBrancos(SemComentario(linha));
        if (s.empty()) continue;
        const auto falha = [&ls](std::string erro) { return Falha{ls.Numero(), std::move(erro)}; };
        std::size_t i = 0;
        double x = 0, meiaX = 0;
        const Lido lx = LeAffn(s, i, x, &meiaX);
        if (lx == Lido::ForaDaFaixa) return falha("a abscissa X está fora da faixa");
        if (lx == Lido::SemDigitos) return falha("falta a abscissa X no início da linha");
        const std::size_t antes = y.size();
        if (auto erro = asdf.Linha(s, i)) return falha(std::move(*erro));
        // The line's X is that of its first point, the Y-check's point included.
        if (!std::isfinite(x * g.fatorX)) return falha("a abscissa X está fora da faixa");
        if (auto erro = eixo.Confere(x, meiaX, asdf.Cheque() ? antes - 1 : antes))
            return falha(std::move(*erro));
    }
    if (y.size() < g.N && !(g.umAMenos && y.size() + 1 == g.N))
        return Falha{t.linhaFim, "a tabela termina com " + FormataInteiro((long long)y.size()) +
                                     " pontos; " + asdf.TotalPontos()};
    return std::nullopt;
}

namespace {

// The pairs of one line of a peak table into e; x through fatorX (and the
// frequency when hz), y through fatorY.
std::optional<std::string> PicosDaLinha(std::string_view s, double fatorX, double fatorY, bool hz,
                                        EspectroExperimental& e) {
    bool x = true;
    for (std::size_t i = 0; i < s.size();) {
        if (EhBranco(s[i]) || s[i] == ',' || s[i] == ';') {
            ++i;
            continue;
        }
        double valor = 0;
        const Lido l = LeAffn(s, i, valor);
        if (l == Lido::ForaDaFaixa) return "valor fora da faixa";
        if (l == Lido::SemDigitos) return CaractereInesperado(s[i]);
        if (x && e.Ppm.size() == PontosMaximosJcamp)
            return "a tabela passa do limite de " + FormataInteiro((long long)PontosMaximosJcamp) +
                   " picos";
        const double p = valor * (x ? fatorX : fatorY) / (x && hz ? e.MHz : 1);
        if (!std::isfinite(p)) return "valor fora da faixa";
        (x ? e.Ppm : e.Intensidade).push_back(p);
        x = !x;
    }
    if (!x) return "a linha termina num X sem o seu Y";
    return std::nullopt;
}

} // namespace

std::optional<Falha> LePicos(std::string_view bytes, const Bloco& b, EspectroExperimental& e) {
    const Tabela& tab = *b.picos;
    const Valores& v = b.v();
    if (Normaliza(tab.forma.texto) != "(XY..XY)")
        return Falha{tab.forma.linha, "tabela de picos em forma não aceita: só (XY..XY)"};
    double fatorX = 1, fatorY = 1;
    if (auto f = Fator(v[FatorX], "XFACTOR", fatorX)) return f;
    if (auto f = Fator(v[FatorY], "YFACTOR", fatorY)) return f;
    bool hz = false;
    if (auto f = LeUnidadeEFrequencia(v[UnidadesX], v[Frequencia], tab.forma.linha, hz, e))
        return f;

    Linhas ls(bytes.substr(0, tab.fim), tab.ini, tab.primeiraLinha);
    std::string_view linha;
    while (ls.Proxima(linha))
        if (auto erro = PicosDaLinha(SemBrancos(SemComentario(linha)), fatorX, fatorY, hz, e))
            return Falha{ls.Numero(), std::move(*erro)};
    if (e.Ppm.empty()) return Falha{tab.linhaFim, "a tabela de picos não traz nenhum pico"};
    if (v[NPontos].linha)
        if (const auto n = ConverteNumero(v[NPontos].texto, '.'); !n || *n != double(e.Ppm.size()))
            return Falha{tab.linhaFim, "a tabela traz " + FormataInteiro((long long)e.Ppm.size()) +
                                           " picos; ##NPOINTS= " + std::string(v[NPontos].texto)};
    e.Picos = true;
    return std::nullopt;
}

} // namespace jcamp
