#include "formatos/Exemplos.h"

#include "formatos/ExemplosEmbutidos.h"

#include <algorithm>

const std::vector<Exemplo>& Exemplos() {
    static const std::vector<Exemplo> lista(ExemplosEmbutidos,
                                            ExemplosEmbutidos + NExemplosEmbutidos);
    return lista;
}

const Exemplo* ProcuraExemplo(std::string_view nome) {
    const auto& lista = Exemplos();
    const auto it =
        std::find_if(lista.begin(), lista.end(), [&](const Exemplo& e) { return e.nome == nome; });
    return it == lista.end() ? nullptr : &*it;
}
