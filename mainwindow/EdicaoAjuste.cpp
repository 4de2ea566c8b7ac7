#include "mainwindow/EdicaoAjuste.h"

#include "texto/TextoDecimal.h"

#include <algorithm>
#include <iterator>

bool EhGrupo(const ParametroAjuste& p) {
    return p.Protons.size() > 1 || p.Pares.size() > 1;
}

void SeparaGrupo(std::vector<ParametroAjuste>& p, std::size_t i) {
    if (i >= p.size() || !EhGrupo(p[i])) return;
    const ParametroAjuste grupo = p[i];
    std::vector<ParametroAjuste> membros;
    for (int proton : grupo.Protons) {
        ParametroAjuste m = grupo;
        m.Protons = {proton};
        membros.push_back(m);
    }
    for (const auto& par : grupo.Pares) {
        ParametroAjuste m = grupo;
        m.Pares = {par};
        membros.push_back(m);
    }
    p.erase(p.begin() + std::ptrdiff_t(i));
    p.insert(p.begin() + std::ptrdiff_t(i), membros.begin(), membros.end());
}

void AcrescentaRegiao(std::vector<RegiaoPpm>& r, RegiaoPpm nova) {
    if (!(nova.Min < nova.Max)) return;
    std::vector<RegiaoPpm> fica;
    for (const RegiaoPpm& k : r) {
        if (k.Max < nova.Min || k.Min > nova.Max) {
            fica.push_back(k);
            continue;
        }
        nova = {std::min(nova.Min, k.Min), std::max(nova.Max, k.Max)};
    }
    fica.push_back(nova);
    std::sort(fica.begin(), fica.end(),
              [](const RegiaoPpm& a, const RegiaoPpm& b) { return a.Min < b.Min; });
    r = std::move(fica);
}

std::string TextoHz(double hz, char SepDec) {
    return FormataGeral(hz, 3, SepDec);
}

std::string TextoDeslocamento(double hz, const UnidadeAjuste& u) {
    return u.PPM && u.MHz > 0 ? FormataGeral(hz / u.MHz, 5, u.SepDec) : TextoHz(hz, u.SepDec);
}

std::string TextoValor(const ParametroAjuste& p, double valor, const UnidadeAjuste& u) {
    switch (p.tipo) {
    case ParametroAjuste::Tipo::Deslocamento:
        return TextoDeslocamento(valor, u);
    case ParametroAjuste::Tipo::Acoplamento:
    case ParametroAjuste::Tipo::Largura:
        return TextoHz(valor, u.SepDec);
    default:
        return FormataNumeroG(valor, 6, u.SepDec);
    }
}

std::string NomeDaUnidade(const ParametroAjuste& p, const UnidadeAjuste& u) {
    switch (p.tipo) {
    case ParametroAjuste::Tipo::Deslocamento:
        return u.PPM && u.MHz > 0 ? "ppm" : "Hz";
    case ParametroAjuste::Tipo::Acoplamento:
    case ParametroAjuste::Tipo::Largura:
        return "Hz";
    default:
        return "";
    }
}
