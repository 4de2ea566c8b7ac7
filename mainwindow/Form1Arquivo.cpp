// "Abrir Dados de Entrada" and "Salvar Dados de Entrada": the file dialogs
// and what the window does around the reader and the writer.

#include "widgets/Ampulheta.h"
#include "display/Picture1.h"
#include "mainwindow/Form1.h"
#include "run/ArquivoDados.h"
#include "run/TextoDecimal.h"

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

QString Form1::DialogoArquivo(bool salvar) {
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

void Form1::mnuSalvarDadEntr_Click() {
    DadosArquivo d;
    d.Titulo = o_.TituloEspectro;
    CopiaDoEstado(e_, d);
    if (auto erro = CopiaDasCaixas(Text110_->text().toStdString(), Text13_->text().toStdString(),
                                   SepDec_, d)) {
        QMessageBox::warning(this, QStringLiteral("Salvar dados"), Q(*erro));
        return;
    }
    d.Slider4 = Slider4_->value();
    d.PPM = PPM_;
    d.ComTabela = ComTabela_;
    d.Option5 = Option5_->isChecked();
    d.Option1 = Option1_->isChecked();
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

void Form1::mnuAbrirDadEntr_Click() {
    const Ampulheta ampulheta;
    const QString caminho = DialogoArquivo(false);
    if (caminho.isEmpty()) return;
    pastaArquivos_ = QFileInfo(caminho).absolutePath();
    AvisoPPMDado_ = true;
    QCoreApplication::processEvents();
    EstadoNeutro();

    const LeituraArquivo lido = LeArquivoDados(caminho.toStdString(), SepDec_);
    if (lido.Titulo) MostraTitulo(*lido.Titulo);
    if (!lido.dados) {
        QMessageBox caixa(QMessageBox::Critical, QStringLiteral("Erro!"),
                          QStringLiteral("Deu Crepe!"), QMessageBox::Ok, this);
        caixa.setInformativeText(Q(lido.Mensagem()));
        caixa.exec();
        AvisoPPMDado_ = false;
        return;
    }
    AplicaDados(*lido.dados);
    DadosSalvos_ = true;
    emit ArquivoUsado(QFileInfo(caminho).fileName());
    Command1_Click();
    AplicaOpcoesArquivo(*lido.dados);
    DadosSalvos_ = true;
    // The run re-armed the warning; the frequency the file set is no edit.
    AvisoPPMDado_ = true;
}

// What the display looks like before a file is read, whatever the file says.
void Form1::EstadoNeutro() {
    g_.RolarParaBanda = false;
    if (g_.JanelaFixa) Picture1_->Command3_Click();
    if (PPM_) Command14_Click();
    if (!ComTabela_) Command7_Click();
    mnuHistograma(0);
    OpcaoEnvolvente(true);
    if (QAction* grandes = Menu("mnuNumGrandenaCopia"); grandes->isChecked()) {
        grandes->setChecked(false);
        o_.NumerosGrandes = false;
        Picture1_->Grafico();
    }
}

void Form1::AplicaDados(const DadosArquivo& d) {
    const auto numero = [this](double v, int digitos) {
        return Q(FormataNumeroG(v, digitos, SepDec_));
    };
    Text1_->setText(QString::number(d.NProt));
    NProt_ = d.NProt;
    Text110_->setText(numero(d.MHz, 15));
    Text12_->setText(numero(d.IntMin, 7));
    Text13_->setText(numero(d.Largura, 15));
    Slider4_->setValue(d.Slider4);
    for (int i = 1; i <= d.NProt; ++i) Text2(i)->setText(numero(d.Desloc[std::size_t(i - 1)], 15));
    for (int i = 1; i < d.NProt; ++i)
        for (int j = i + 1; j <= d.NProt; ++j)
            TextJ(i, j)->setText(numero(d.J[std::size_t(IndiceJ(d.NProt, i, j))], 15));
}

void Form1::AplicaOpcoesArquivo(const DadosArquivo& d) {
    if (!d.ComTabela) Command7_Click();
    if (d.JanelaFixa) {
        g_.NiInic = d.NiInic;
        g_.LimLeft = d.LimLeft;
        g_.TwPerHz = d.TwPerHz;
        Picture1_->Command3_Click();
    }
    OpcaoEnvolvente(d.Option5);
    if (d.Option1)
        Option1_Click();
    else
        Option2_Click();
}
