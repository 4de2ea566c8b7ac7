// "Abrir Dados de Entrada" and "Salvar Dados de Entrada": the file dialogs
// and what the window does around the reader and the writer.

#include "display/AreaGrafico.h"
#include "mainwindow/ExecucaoEspectro.h"
#include "mainwindow/JanelaEspectro.h"
#include "mainwindow/OpcoesEspectro.h"
#include "mainwindow/PainelEntrada.h"
#include "run/ArquivoDados.h"
#include "run/TextoDecimal.h"
#include "widgets/Ampulheta.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QSlider>
#include <QStandardPaths>

namespace {

const QStringList Filtros = {QStringLiteral("Espectros simulados (*.esm)"),
                             QStringLiteral("Texto(*.txt)"), QStringLiteral("All Files(*.*) (*)")};

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace

QString JanelaEspectro::DialogoArquivo(bool salvar) {
    if (EscolheArquivo) return EscolheArquivo(salvar);
    if (pastaArquivos_.isEmpty()) {
        const QString documentos =
            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        pastaArquivos_ = QDir(documentos).exists() ? documentos : QDir::homePath();
    }
    // Qt's own dialog: it speaks the loaded translation and asks before
    // replacing a file.
    QFileDialog dialogo(this, QString(), pastaArquivos_);
    dialogo.setOption(QFileDialog::DontUseNativeDialog);
    dialogo.setNameFilters(Filtros);
    dialogo.setAcceptMode(salvar ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialogo.setFileMode(salvar ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (salvar) dialogo.setDefaultSuffix(QStringLiteral("esm"));
    if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty()) return {};
    return dialogo.selectedFiles().constFirst();
}

void JanelaEspectro::SalvaDados() {
    DadosArquivo d;
    d.Titulo = o_.TituloEspectro;
    CopiaDoEstado(e_, d);
    if (auto erro = CopiaDasCaixas(entrada_->caixaFrequencia()->text().toStdString(),
                                   entrada_->caixaLargura()->text().toStdString(), SepDec_, d)) {
        QMessageBox::warning(this, QStringLiteral("Salvar dados"), Q(*erro));
        return;
    }
    d.Mistura = opcoes_->controleMistura()->value();
    d.PPM = entrada_->PPM();
    d.ComTabela = execucao_->ComTabela();
    d.ComEnvolvente = opcoes_->opcaoComEnvolvente()->isChecked();
    d.Colorido = opcoes_->opcaoColorido()->isChecked();
    d.JanelaFixa = g_.JanelaFixa;
    d.NiInic = g_.NiInic;
    d.LimLeft = g_.LimLeft;
    d.TwPerHz = g_.TwPerHz;

    const QString caminho = DialogoArquivo(true);
    if (caminho.isEmpty()) return;
    const Ampulheta ampulheta;
    if (auto erro = GravaArquivoDados(caminho.toStdString(), d, SepDec_)) {
        QMessageBox::warning(this, QStringLiteral("Salvar dados"), Q(*erro));
        return;
    }
    pastaArquivos_ = QFileInfo(caminho).absolutePath();
    DadosSalvos_ = true;
    emit ArquivoUsado(QFileInfo(caminho).fileName());
}

void JanelaEspectro::AbreDados() {
    const Ampulheta ampulheta;
    const QString caminho = DialogoArquivo(false);
    if (caminho.isEmpty()) return;
    pastaArquivos_ = QFileInfo(caminho).absolutePath();
    entrada_->DefineAvisoPPMDado(true);
    QCoreApplication::processEvents();
    EstadoNeutro();

    const LeituraArquivo lido = LeArquivoDados(caminho.toStdString(), SepDec_);
    if (lido.Titulo) MostraTitulo(*lido.Titulo);
    if (!lido.dados) {
        QMessageBox caixa(QMessageBox::Critical, QStringLiteral("Erro!"),
                          QStringLiteral("Deu Crepe!"), QMessageBox::Ok, this);
        caixa.setInformativeText(Q(lido.Mensagem()));
        caixa.exec();
        entrada_->DefineAvisoPPMDado(false);
        return;
    }
    entrada_->AplicaDados(*lido.dados);
    opcoes_->controleMistura()->setValue(lido.dados->Mistura);
    DadosSalvos_ = true;
    emit ArquivoUsado(QFileInfo(caminho).fileName());
    execucao_->Executa();
    AplicaOpcoesArquivo(*lido.dados);
    DadosSalvos_ = true;
    // The run re-armed the warning; the frequency the file set is no edit.
    entrada_->DefineAvisoPPMDado(true);
}

// What the display looks like before a file is read, whatever the file says.
void JanelaEspectro::EstadoNeutro() {
    g_.RolarParaBanda = false;
    if (g_.JanelaFixa) areaGrafico_->AlternaFixarJanela();
    if (entrada_->PPM()) entrada_->AlternaHzPpm();
    if (!execucao_->ComTabela()) AlternaTabela();
    opcoes_->EscolheHistograma(0);
    opcoes_->OpcaoEnvolvente(true);
    if (QAction* grandes = acoes_.numerosGrandes; grandes->isChecked()) {
        grandes->setChecked(false);
        o_.NumerosGrandes = false;
        areaGrafico_->Grafico();
    }
}

void JanelaEspectro::AplicaOpcoesArquivo(const DadosArquivo& d) {
    if (!d.ComTabela) AlternaTabela();
    if (d.JanelaFixa) {
        g_.NiInic = d.NiInic;
        g_.LimLeft = d.LimLeft;
        g_.TwPerHz = d.TwPerHz;
        areaGrafico_->AlternaFixarJanela();
    }
    opcoes_->OpcaoEnvolvente(d.ComEnvolvente);
    if (d.Colorido)
        opcoes_->EscolheColorido();
    else
        opcoes_->EscolheSemCores();
}
