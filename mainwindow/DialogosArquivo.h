#pragma once
// The file dialogs of the window and what every save through them shares:
// the folder they open in (the last one used), the question before a
// read-only file is replaced, and the message of a save that failed.

#include "arquivo/ArquivoSeguro.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QWidget;

struct PedidoArquivo {
    bool salvar = false;
    QStringList filtros; // "Todos os arquivos (*)" is added last
    QString sufixo;      // added to a saved name that has none
    // The selected filter's extension is added instead, when it names one.
    bool sufixoDoFiltro = false;
};

class DialogosArquivo {
  public:
    explicit DialogosArquivo(QWidget* janela) : janela_(janela) {}

    // The name chosen, or empty for a cancel; the filter selected in
    // `filtro` when given. Qt's own dialog: it speaks the loaded translation
    // and asks before replacing a file.
    QString Escolhe(const PedidoArquivo& pedido, QString* filtro = nullptr);
    // The folder of a file that was read or written opens the next dialog.
    void Usado(const QString& caminho);

    // Runs `grava`; a read-only target is asked about first and written only
    // on "Sim"; any other failure is shown under `titulo`. True when written.
    bool Grava(const QString& titulo,
               const std::function<std::optional<Erro>(OpcoesGravacao)>& grava);

    // Tests put their own choice here. The argument tells a save from an
    // open; an empty answer is a cancel.
    std::function<QString(bool salvar)> EscolheArquivo;

  private:
    QWidget* janela_;
    QString pasta_;
};
