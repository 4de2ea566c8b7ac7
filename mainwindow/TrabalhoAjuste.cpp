#include "mainwindow/TrabalhoAjuste.h"

#include <QMetaObject>

#include <utility>

TrabalhoAjuste::TrabalhoAjuste(QObject* parent) : QObject(parent) {}

TrabalhoAjuste::~TrabalhoAjuste() {
    // Before the members the thread's messages would reach go.
    fio_.request_stop();
    if (fio_.joinable()) fio_.join();
}

void TrabalhoAjuste::Inicia(ProblemaAjuste p) {
    if (rodando_) return;
    if (fio_.joinable()) fio_.join();
    rodando_ = true;
    cancelado_ = false;
    // The queued calls die with this object, so the thread never reaches a
    // window that is gone.
    fio_ = std::jthread([this, p = std::move(p)](std::stop_token parar) {
        ResultadoAjuste r;
        std::optional<Erro> recusa;
        try {
            recusa = Ajusta(p, r, parar, [this](const ProgressoAjuste& k) {
                QMetaObject::invokeMethod(
                    this, [this, k] { emit Progresso(k); }, Qt::QueuedConnection);
            });
        } catch (const std::bad_alloc&) {
            recusa = Erro{TipoErro::Memoria, "Memória insuficiente para o ajuste."};
        }
        QMetaObject::invokeMethod(
            this, [this, recusa, r = std::move(r)]() mutable { Fim(recusa, std::move(r)); },
            Qt::QueuedConnection);
    });
}

void TrabalhoAjuste::Cancela() {
    if (!rodando_) return;
    cancelado_ = true;
    fio_.request_stop();
}

void TrabalhoAjuste::Fim(std::optional<Erro> recusa, ResultadoAjuste r) {
    rodando_ = false;
    // A fit that ended on its own just before the stop was asked for is
    // dropped all the same: the user said not to want it.
    if (std::exchange(cancelado_, false) && !recusa) recusa = AjusteInterrompido();
    recusa_ = std::move(recusa);
    resultado_ = std::move(r);
    emit Terminou();
}
