#pragma once
// The fit off the window's thread: Ajusta on a problem of its own, its
// progress and its end handed to the window's thread through the event loop.

#include "ajuste/Ajuste.h"

#include <QObject>

#include <optional>
#include <thread>

class TrabalhoAjuste : public QObject {
    Q_OBJECT

  public:
    explicit TrabalhoAjuste(QObject* parent = nullptr);
    // A fit still going is stopped and waited for.
    ~TrabalhoAjuste() override;

    // Starts the fit; nothing while one is going.
    void Inicia(ProblemaAjuste p);
    // Asks the fit to stop; it ends with TipoErro::Interrompido, even when
    // it was over before it heard.
    void Cancela();
    bool Rodando() const { return rodando_; }
    // What the last fit that ended left.
    const std::optional<Erro>& Recusa() const { return recusa_; }
    const ResultadoAjuste& Resultado() const { return resultado_; }

  signals:
    void Progresso(const ProgressoAjuste& p);
    void Terminou();

  private:
    void Fim(std::optional<Erro> recusa, ResultadoAjuste r);

    bool rodando_ = false;
    bool cancelado_ = false;
    std::optional<Erro> recusa_;
    ResultadoAjuste resultado_;
    std::jthread fio_;
};
