#include "cli/AjusteCalc.h"

#include "texto/TextoDecimal.h"

#include <algorithm>

namespace {

double LarguraDaCalc(const OpcoesCalc& o) {
    return o.largura ? *o.largura : o.dados ? o.dados->Largura : 1;
}

std::string Linha(const ParametroAjuste& q, double MHz, char sep) {
    using T = ParametroAjuste::Tipo;
    const bool linear = q.tipo == T::Escala || q.tipo == T::Base;
    const auto numero = [&](double v) {
        return linear ? FormataNumeroG(v, 6, sep) : FormataFixo(v, 3, sep);
    };
    std::string s = "halvora-calc: ajuste: " + q.Nome() + " = " + numero(q.Valor);
    if (q.Ajustar) s += " ± " + numero(q.Erro);
    if (!linear) s += " Hz";
    if (q.tipo == T::Deslocamento) s += " (" + FormataFixo(q.Valor / MHz, 5, sep) + " ppm)";
    if (!q.Ajustar) s += " (mantido)";
    return s + "\n";
}

std::string Relato(const ResultadoAjuste& r, double MHz, char sep) {
    std::string s;
    for (const ParametroAjuste& q : r.parametros) s += Linha(q, MHz, sep);
    for (const std::string& aviso : r.Avisos) s += "halvora-calc: ajuste: aviso: " + aviso + "\n";
    return s + "halvora-calc: ajuste: " + FormataInteiro(r.Iteracoes) + " iterações, resíduo RMS " +
           FormataFixo(r.RmsPorcento, 2, sep) + " % do maior ponto medido, " +
           FormataFixo(r.Segundos, 2, sep) + " s\n";
}

} // namespace

std::optional<std::string> AjustaCalc(OpcoesCalc& o, std::string& relato) {
    if (!o.espectroExperimental)
        return "--fit precisa de um espectro experimental (--experimental).";
    ProblemaAjuste p;
    p.inicio = o.entrada;
    p.Largura = LarguraDaCalc(o);
    p.Mistura = o.vista ? o.vista->Mistura : 50;
    p.medido = o.espectroExperimental;
    p.ReferenciaPpm = o.referenciaExperimental;
    p.regioes = o.regioesAjuste;
    p.parametros = ParametrosPadrao(p.inicio, p.Largura);
    for (const std::string& nome : o.fixosAjuste) {
        const auto q = std::find_if(p.parametros.begin(), p.parametros.end(),
                                    [&](const auto& x) { return x.Chamado(nome); });
        if (q == p.parametros.end()) return "--fit-fixed: não há parâmetro " + nome + ".";
        q->Ajustar = false;
    }
    ResultadoAjuste r;
    if (auto erro = Ajusta(p, r)) return erro->texto;
    relato = Relato(r, o.entrada.MHz, o.entrada.SepDec);
    const bool ppm = o.entrada.PPM;
    o.entrada = r.sistema;
    if (ppm) {
        for (double& d : o.entrada.Desloc) d /= o.entrada.MHz;
        o.entrada.PPM = true;
    }
    o.largura = r.Largura;
    return std::nullopt;
}
