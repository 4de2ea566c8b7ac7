#include "formatos/Leitura.h"

#include "texto/TextoDecimal.h"

#include <utility>

std::string ResultadoLeitura::Mensagem() const {
    return linha > 0 ? "linha " + FormataInteiro(linha) + ": " + erro : erro;
}

void ResultadoLeitura::Recusa(Falha f) {
    linha = f.linha;
    erro = std::move(f.erro);
    avisos.clear();
}

std::optional<Falha> ConfereBytes(std::string_view bytes, LimiteLeitura limite,
                                  int (*linhaDoNulo)(std::string_view)) {
    if (bytes.size() > limite.bytes)
        return Falha{0, "o arquivo é grande demais (mais de " + std::string(limite.texto) + ")"};
    if (bytes.empty()) return Falha{0, "o arquivo está vazio"};
    if (const std::size_t nulo = bytes.find('\0'); nulo != std::string_view::npos)
        return Falha{linhaDoNulo(bytes.substr(0, nulo + 1)),
                     "byte nulo: não é um arquivo de texto"};
    return std::nullopt;
}
