#include "ajuste/Ajuste.h"

std::optional<Erro> Ajusta(const ProblemaAjuste&, ResultadoAjuste&, std::stop_token,
                           const std::function<void(const ProgressoAjuste&)>&) {
    return Erro{TipoErro::Calculo, "O ajuste ainda não está disponível."};
}
