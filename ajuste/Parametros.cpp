#include "ajuste/Ajuste.h"

#include "texto/TextoDecimal.h"

#include <algorithm>
#include <map>
#include <tuple>

namespace {

// Appended piece by piece: GCC 12 warns falsely on "literal" + string.
std::string NomeJ(std::pair<int, int> p) {
    std::string s = "J(";
    s += FormataInteiro(p.first);
    s += ',';
    s += FormataInteiro(p.second);
    s += ')';
    return s;
}

std::string NomeH(int p) {
    std::string s = "H";
    s += FormataInteiro(p);
    return s;
}

template <class T, class F> std::string Junta(const std::vector<T>& v, F nome) {
    std::string s;
    for (const T& x : v) {
        if (!s.empty()) s += ',';
        s += nome(x);
    }
    return s;
}

// Hz from the reference, whatever unit the panel gave.
std::vector<double> DeslocHz(const EntradaSimulacao& in) {
    std::vector<double> d = in.Desloc;
    if (in.PPM)
        for (double& x : d) x *= in.MHz;
    return d;
}

std::vector<ParametroAjuste> GruposDeDesloc(const std::vector<double>& d,
                                            std::vector<int>& grupoDe) {
    std::vector<ParametroAjuste> v;
    grupoDe.assign(d.size() + 1, -1);
    for (int i = 1; i <= int(d.size()); ++i) {
        for (std::size_t g = 0; g < v.size() && grupoDe[i] < 0; ++g)
            if (d[std::size_t(v[g].Protons[0] - 1)] == d[std::size_t(i - 1)]) {
                v[g].Protons.push_back(i);
                grupoDe[i] = int(g);
            }
        if (grupoDe[i] >= 0) continue;
        grupoDe[i] = int(v.size());
        v.push_back({ParametroAjuste::Tipo::Deslocamento, {i}, {}, d[std::size_t(i - 1)]});
    }
    return v;
}

} // namespace

std::string ParametroAjuste::Nome() const {
    switch (tipo) {
    case Tipo::Deslocamento:
        return Junta(Protons, NomeH);
    case Tipo::Acoplamento:
        return Junta(Pares, NomeJ);
    case Tipo::Largura:
        return "largura";
    case Tipo::Escala:
        return "escala";
    case Tipo::Base:
        return "linha de base";
    }
    return {};
}

bool ParametroAjuste::Chamado(const std::string& nome) const {
    if (nome == Nome()) return true;
    for (int p : Protons)
        if (nome == NomeH(p)) return true;
    for (auto [i, j] : Pares)
        if (nome == NomeJ({i, j}) || nome == NomeJ({j, i})) return true;
    return false;
}

std::vector<ParametroAjuste> ParametrosPadrao(const EntradaSimulacao& in, double largura) {
    std::vector<int> grupoDe;
    std::vector<ParametroAjuste> v = GruposDeDesloc(DeslocHz(in), grupoDe);
    // Couplings between the same two groups that start equal move together.
    std::map<std::tuple<int, int, double>, std::size_t> acoplamento;
    for (int i = 1; i < in.NProt; ++i)
        for (int j = i + 1; j <= in.NProt; ++j) {
            const double J = in.J[IndiceJ(in.NProt, i, j)];
            const auto chave = std::make_tuple(grupoDe[i], grupoDe[j], J);
            if (auto it = acoplamento.find(chave); it != acoplamento.end()) {
                v[it->second].Pares.push_back({i, j});
                continue;
            }
            acoplamento[chave] = v.size();
            // Inside a group of equal shifts a coupling leaves at most a faint
            // trace (none when the group is magnetically equivalent): held
            // unless the user frees it.
            const bool dentro = grupoDe[i] == grupoDe[j];
            v.push_back({ParametroAjuste::Tipo::Acoplamento, {}, {{i, j}}, J, J != 0 && !dentro});
        }
    v.push_back({ParametroAjuste::Tipo::Largura, {}, {}, largura});
    v.push_back({ParametroAjuste::Tipo::Escala, {}, {}, 1});
    v.push_back({ParametroAjuste::Tipo::Base, {}, {}, 0});
    return v;
}
