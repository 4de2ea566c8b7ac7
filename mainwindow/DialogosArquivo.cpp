#include "mainwindow/DialogosArquivo.h"
#include "display/TraducaoNucleo.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QRegularExpression>
#include <QStandardPaths>

QString DialogosArquivo::Escolhe(const PedidoArquivo& pedido, QString* filtro) {
    if (EscolheArquivo) return EscolheArquivo(pedido.salvar);
    if (pasta_.isEmpty()) {
        const QString documentos =
            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        pasta_ = QDir(documentos).exists() ? documentos : QDir::homePath();
    }
    QFileDialog dialogo(janela_, QString(), pasta_);
    dialogo.setOption(QFileDialog::DontUseNativeDialog);
    dialogo.setNameFilters(pedido.filtros + QStringList{QCoreApplication::translate(
                                                "DialogosArquivo", "Todos os arquivos (*)")});
    dialogo.setAcceptMode(pedido.salvar ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialogo.setFileMode(pedido.salvar ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (pedido.salvar) dialogo.setDefaultSuffix(pedido.sufixo);
    if (pedido.salvar && pedido.sufixoDoFiltro)
        QObject::connect(&dialogo, &QFileDialog::filterSelected, &dialogo,
                         [&dialogo, &pedido](const QString& escolhido) {
                             static const QRegularExpression extensao(
                                 QStringLiteral("\\*\\.(\\w+)"));
                             const auto m = extensao.match(escolhido);
                             dialogo.setDefaultSuffix(m.hasMatch() ? m.captured(1) : pedido.sufixo);
                         });
    if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty()) return {};
    if (filtro) *filtro = dialogo.selectedNameFilter();
    return dialogo.selectedFiles().constFirst();
}

void DialogosArquivo::Usado(const QString& caminho) {
    pasta_ = QFileInfo(caminho).absolutePath();
}

bool DialogosArquivo::Grava(const QString& titulo,
                            const std::function<std::optional<Erro>(OpcoesGravacao)>& grava) {
    auto erro = grava({});
    if (erro && erro->tipo == TipoErro::SomenteLeitura) {
        const auto resposta = QMessageBox::question(
            janela_, titulo,
            TraduzNucleo(erro->texto) +
                QCoreApplication::translate("DialogosArquivo", " Substituir assim mesmo?"),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
        if (resposta != QMessageBox::Yes) return false;
        erro = grava({.substituiSomenteLeitura = true});
    }
    if (erro) QMessageBox::warning(janela_, titulo, TraduzNucleo(erro->texto));
    return !erro;
}
