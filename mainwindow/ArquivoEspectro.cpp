
#include "mainwindow/ArquivoEspectro.h"
#include "display/AreaGrafico.h"
#include "mainwindow/AcoesEspectro.h"
#include "mainwindow/ExecucaoEspectro.h"
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
                             QStringLiteral("Texto(*.txt)"),
                             QStringLiteral("Todos os arquivos (*)")};

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace

QString ArquivoEspectro::DialogoArquivo(bool salvar) {
    if (EscolheArquivo) return EscolheArquivo(salvar);
    if (pastaArquivos_.isEmpty()) {
        const QString documentos =
            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        pastaArquivos_ = QDir(documentos).exists() ? documentos : QDir::homePath();
    }
    // Qt's own dialog: it speaks the loaded translation and asks before
    // replacing a file.
    QFileDialog dialogo(janela_, QString(), pastaArquivos_);
    dialogo.setOption(QFileDialog::DontUseNativeDialog);
    dialogo.setNameFilters(Filtros);
    dialogo.setAcceptMode(salvar ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialogo.setFileMode(salvar ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (salvar) dialogo.setDefaultSuffix(QStringLiteral("esm"));
    if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty()) return {};
    return dialogo.selectedFiles().constFirst();
}

ArquivoEspectro::ArquivoEspectro(const PecasArquivo& p, QWidget* janela)
    : QObject(janela), janela_(janela), e_(p.estado), g_(p.g), o_(p.o), acoes_(p.acoes),
      entrada_(p.entrada), opcoes_(p.opcoes), execucao_(p.execucao), areaGrafico_(p.areaGrafico),
      alternaTabela_(p.alternaTabela), mostraTitulo_(p.mostraTitulo), SepDec_(p.SepDec) {}

void ArquivoEspectro::SalvaDados() {
    DadosArquivo d;
    d.Titulo = o_.TituloEspectro;
    CopiaDoEstado(e_, d);
    if (auto erro = CopiaDasCaixas(entrada_.caixaFrequencia()->text().toStdString(),
                                   entrada_.caixaLargura()->text().toStdString(), SepDec_, d)) {
        QMessageBox::warning(janela_, QStringLiteral("Salvar dados"), Q(*erro));
        return;
    }
    d.Mistura = opcoes_.controleMistura()->value();
    d.PPM = entrada_.PPM();
    d.ComTabela = execucao_.ComTabela();
    d.ComEnvolvente = opcoes_.opcaoComEnvolvente()->isChecked();
    d.Colorido = opcoes_.opcaoColorido()->isChecked();
    d.JanelaFixa = g_.JanelaFixa;
    d.NiInic = g_.NiInic;
    d.LimLeft = g_.LimLeft;
    d.TwPerHz = g_.TwPerHz;

    const QString caminho = DialogoArquivo(true);
    if (caminho.isEmpty()) return;
    const Ampulheta ampulheta;
    auto erro = GravaArquivoDados(caminho.toStdString(), d, SepDec_);
    if (erro && erro->tipo == TipoErro::SomenteLeitura && SubstituiSomenteLeitura(erro->texto))
        erro = GravaArquivoDados(caminho.toStdString(), d, SepDec_, {true});
    if (erro) {
        if (erro->tipo != TipoErro::SomenteLeitura)
            QMessageBox::warning(janela_, QStringLiteral("Salvar dados"), Q(erro->texto));
        return;
    }
    pastaArquivos_ = QFileInfo(caminho).absolutePath();
    emit Salvos();
    emit ArquivoUsado(QFileInfo(caminho).fileName());
}

bool ArquivoEspectro::SubstituiSomenteLeitura(const std::string& aviso) {
    return QMessageBox::question(janela_, QStringLiteral("Salvar dados"),
                                 Q(aviso) + QStringLiteral(" Substituir assim mesmo?"),
                                 QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

void ArquivoEspectro::AbreDados() {
    const Ampulheta ampulheta;
    const QString caminho = DialogoArquivo(false);
    if (caminho.isEmpty()) return;
    pastaArquivos_ = QFileInfo(caminho).absolutePath();
    entrada_.DefineAvisoPPMDado(true);
    QCoreApplication::processEvents();
    EstadoNeutro();

    const LeituraArquivo lido = LeArquivoDados(caminho.toStdString(), SepDec_);
    if (lido.Titulo) mostraTitulo_(*lido.Titulo);
    if (!lido.dados) {
        QMessageBox caixa(QMessageBox::Critical, QStringLiteral("Erro!"),
                          QStringLiteral("Deu Crepe!"), QMessageBox::Ok, janela_);
        caixa.setInformativeText(Q(lido.Mensagem()));
        caixa.exec();
        entrada_.DefineAvisoPPMDado(false);
        return;
    }
    entrada_.AplicaDados(*lido.dados);
    opcoes_.controleMistura()->setValue(lido.dados->Mistura);
    emit Salvos();
    emit ArquivoUsado(QFileInfo(caminho).fileName());
    execucao_.Executa();
    AplicaOpcoesArquivo(*lido.dados);
    emit Salvos();
    // The run re-armed the warning; the frequency the file set is no edit.
    entrada_.DefineAvisoPPMDado(true);
}

// What the display looks like before a file is read, whatever the file says.
void ArquivoEspectro::EstadoNeutro() {
    g_.RolarParaBanda = false;
    if (g_.JanelaFixa) areaGrafico_.AlternaFixarJanela();
    if (entrada_.PPM()) entrada_.AlternaHzPpm();
    if (!execucao_.ComTabela()) alternaTabela_();
    opcoes_.EscolheHistograma(0);
    opcoes_.OpcaoEnvolvente(true);
    if (QAction* grandes = acoes_.numerosGrandes; grandes->isChecked()) {
        grandes->setChecked(false);
        o_.NumerosGrandes = false;
        areaGrafico_.Grafico();
    }
}

void ArquivoEspectro::AplicaOpcoesArquivo(const DadosArquivo& d) {
    if (!d.ComTabela) alternaTabela_();
    if (d.JanelaFixa) {
        g_.NiInic = d.NiInic;
        g_.LimLeft = d.LimLeft;
        g_.TwPerHz = d.TwPerHz;
        areaGrafico_.AlternaFixarJanela();
    }
    opcoes_.OpcaoEnvolvente(d.ComEnvolvente);
    if (d.Colorido)
        opcoes_.EscolheColorido();
    else
        opcoes_.EscolheSemCores();
}
