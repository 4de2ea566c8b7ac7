#include "mainwindow/JcampEspectro.h"

#include "display/AreaGrafico.h"
#include "display/Experimental.h"
#include "display/TraducaoNucleo.h"
#include "formatos/JcampDx.h"
#include "mainwindow/DialogosArquivo.h"
#include "mainwindow/ExecucaoEspectro.h"
#include "mainwindow/PainelEntrada.h"
#include "run/Limites.h"
#include "texto/TextoDecimal.h"
#include "widgets/Ampulheta.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QStatusBar>

#include <cmath>
#include <memory>

namespace {

PedidoArquivo PedidoJcamp(bool salvar) {
    return {
        salvar,
        {QCoreApplication::translate("JcampEspectro", "Espectros JCAMP-DX (*.jdx *.dx *.jcamp)")},
        QStringLiteral("jdx")};
}

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

// One sentence a warning: "Espectro experimental: o arquivo ...; supõe-se 1H. O eixo ...".
QString TextoAvisos(const std::vector<std::string>& avisos) {
    QString texto = QCoreApplication::translate("JcampEspectro", "Espectro experimental:");
    for (const std::string& a : avisos) {
        QString frase = TraduzNucleo(a);
        if (!texto.endsWith(QLatin1Char(':')) && !frase.isEmpty()) frase[0] = frase[0].toUpper();
        texto += QLatin1Char(' ') + frase + QLatin1Char('.');
    }
    return texto;
}

// The file by its name, the reader's reason and what would be taken.
void Recusa(QWidget* janela, const QString& nome, const LeituraJcamp& lido) {
    QMessageBox caixa(
        QMessageBox::Critical, QCoreApplication::translate("JcampEspectro", "Deu Crepe!"),
        QCoreApplication::translate(
            "JcampEspectro", "O arquivo \"%1\" não pôde ser usado como espectro experimental: %2.")
            .arg(nome, TraduzNucleo(lido.Mensagem())),
        QMessageBox::Ok, janela);
    caixa.setInformativeText(QCoreApplication::translate(
        "JcampEspectro", "Escolha um espectro de RMN de 1H em JCAMP-DX "
                         "(arquivo .jdx ou .dx) com eixo em Hz ou ppm."));
    caixa.exec();
}

} // namespace

JcampEspectro::JcampEspectro(const PecasJcamp& p, QWidget* janela)
    : QObject(janela), janela_(janela), e_(p.estado), g_(p.g), o_(p.o), entrada_(p.entrada),
      execucao_(p.execucao), areaGrafico_(p.areaGrafico), dialogos_(p.dialogos), barra_(p.barra),
      SepDec_(p.SepDec) {}

std::optional<LeituraJcamp> JcampEspectro::Le(const QString& caminho) {
    LeituraJcamp lido;
    {
        const Ampulheta ampulheta;
        lido = LeArquivoJcamp(caminho.toStdString(), SepDec_);
    }
    if (!lido.espectro) return lido;
    const QFileInfo info(caminho);
    g_.Experimental = {std::make_shared<const EspectroExperimental>(std::move(*lido.espectro)),
                       info.fileName().toStdString(), info.absoluteFilePath().toStdString()};
    if (!lido.avisos.empty()) barra_.showMessage(TextoAvisos(lido.avisos), 15000);
    return std::nullopt;
}

void JcampEspectro::AbreExperimental() {
    const QString caminho = dialogos_.Escolhe(PedidoJcamp(false));
    if (caminho.isEmpty()) return;
    dialogos_.Usado(caminho);
    if (const auto falha = Le(caminho)) {
        Recusa(janela_, QFileInfo(caminho).fileName(), *falha);
        return;
    }
    emit SobreposicaoEditada();
    areaGrafico_.Grafico();
    ConfereFrequencia(*g_.Experimental.espectro);
}

void JcampEspectro::AbreDoArquivo(const QString& caminho, double referencia) {
    if (const auto falha = Le(caminho)) {
        QMessageBox::warning(
            janela_, tr("Espectro experimental"),
            tr("O espectro experimental %1, que o arquivo de dados indica, não pôde ser lido: %2.")
                .arg(QDir::toNativeSeparators(caminho), TraduzNucleo(falha->Mensagem())));
        SistemaAberto();
        return;
    }
    g_.Experimental.ReferenciaPpm = referencia;
    areaGrafico_.Grafico();
}

void JcampEspectro::ConfereFrequencia(const EspectroExperimental& x) {
    const double MHz = e_.FreqEspHz / 1e6;
    if (!(x.MHz > 0) || std::fabs(MHz - x.MHz) <= 0.01 * x.MHz) return;
    const QString mhz = Q(TextoMHzExperimental(x, SepDec_));
    QString texto = tr("O espectro experimental foi medido a %1 MHz. Usar essa freqüência?\n\n"
                       "Os deslocamentos químicos mantêm seus valores em ppm")
                        .arg(mhz);
    texto += entrada_.PPM() ? QStringLiteral(".") : tr(" (a entrada passa para ppm).");
    const auto resposta =
        QMessageBox::question(janela_, tr("Espectro experimental"), texto,
                              QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    if (resposta != QMessageBox::Yes) return;
    // Shifts kept in Hz would move in ppm, away from the measured lines.
    if (!entrada_.PPM()) entrada_.AlternaHzPpm();
    entrada_.caixaFrequencia()->setText(mhz);
    emit FrequenciaMudada();
    execucao_.Executa();
}

void JcampEspectro::SistemaAberto() {
    const auto& x = g_.Experimental.espectro;
    if (!x) return;
    const QString texto = tr("O espectro experimental %1 continua sob o novo sistema. Mantê-lo?")
                              .arg(Q(g_.Experimental.arquivo));
    const auto resposta =
        QMessageBox::question(janela_, tr("Espectro experimental"), texto,
                              QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (resposta == QMessageBox::Yes) {
        emit SobreposicaoEditada();
        ConfereFrequencia(*x);
    } else {
        Retira();
    }
}

void JcampEspectro::AjustaReferencia() {
    if (!TemExperimental()) return;
    const QString titulo = tr("Referência do espectro experimental");
    bool ok = false;
    const QString texto = QInputDialog::getText(
        janela_, titulo, tr("Deslocamento (ppm) a somar ao espectro experimental:"),
        QLineEdit::Normal, Q(TextoReferencia(g_.Experimental.ReferenciaPpm, SepDec_)), &ok);
    if (!ok) return;
    std::string s = texto.toStdString();
    const auto ppm = ConverteNumero(AjSepDecimal(s, SepDec_), SepDec_);
    if (!ppm) {
        QMessageBox::warning(janela_, titulo, tr("O deslocamento não é um número."));
        return;
    }
    if (!(std::fabs(*ppm) <= ReferenciaPpmMaxima)) {
        QMessageBox::warning(janela_, titulo,
                             tr("O deslocamento deve estar entre -1000 e 1000 ppm."));
        return;
    }
    g_.Experimental.ReferenciaPpm = *ppm;
    emit SobreposicaoEditada();
    areaGrafico_.Grafico();
}

void JcampEspectro::RemoveExperimental() {
    if (!TemExperimental()) return;
    Retira();
    emit SobreposicaoEditada();
}

void JcampEspectro::Retira() {
    g_.Experimental = {};
    areaGrafico_.Grafico();
}

void JcampEspectro::Exporta() {
    const ExportacaoJcamp x = ExportacaoDoEspectro(g_, e_, o_);
    if (auto erro = ValidaExportacao(x)) {
        QMessageBox::warning(janela_, tr("Exportar espectro"), TraduzNucleo(*erro));
        return;
    }
    const QString caminho = dialogos_.Escolhe(PedidoJcamp(true));
    if (caminho.isEmpty()) return;
    const Ampulheta ampulheta;
    const std::string bytes = BytesJcampDx(x);
    if (dialogos_.Grava(tr("Exportar espectro"), [&](OpcoesGravacao opcoes) {
            return GravaArquivo(caminho.toStdString(), bytes, opcoes);
        }))
        dialogos_.Usado(caminho);
}
