
#include "mainwindow/ArquivoEspectro.h"
#include "display/AreaGrafico.h"
#include "display/TraducaoNucleo.h"
#include "formatos/ArquivoDados.h"
#include "formatos/Exemplos.h"
#include "formatos/SessaoArquivo.h"
#include "mainwindow/AcoesEspectro.h"
#include "mainwindow/DialogosArquivo.h"
#include "mainwindow/ExecucaoEspectro.h"
#include "mainwindow/OpcoesEspectro.h"
#include "mainwindow/PainelEntrada.h"
#include "texto/TextoDecimal.h"
#include "widgets/Ampulheta.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QSlider>

namespace {

const PedidoArquivo PedidoDados(bool salvar) {
    return {salvar,
            {QCoreApplication::translate("ArquivoEspectro", "Espectros simulados (*.esm)"),
             QCoreApplication::translate("ArquivoEspectro", "Texto(*.txt)")},
            QStringLiteral("esm")};
}

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace

ArquivoEspectro::ArquivoEspectro(const PecasArquivo& p, QWidget* janela)
    : QObject(janela), janela_(janela), e_(p.estado), g_(p.g), o_(p.o), acoes_(p.acoes),
      entrada_(p.entrada), opcoes_(p.opcoes), execucao_(p.execucao), areaGrafico_(p.areaGrafico),
      dialogos_(p.dialogos), alternaTabela_(p.alternaTabela), mostraTitulo_(p.mostraTitulo),
      SepDec_(p.SepDec) {}

// What the window shows that the data file keeps, besides the system.
VistaArquivo ArquivoEspectro::Vista() const {
    const Sobreposicao& x = g_.Experimental;
    return {.Titulo = o_.TituloEspectro,
            .Mistura = opcoes_.controleMistura()->value(),
            .PPM = entrada_.PPM(),
            .ComTabela = execucao_.ComTabela(),
            .ComEnvolvente = opcoes_.opcaoComEnvolvente()->isChecked(),
            .Colorido = opcoes_.opcaoColorido()->isChecked(),
            .JanelaFixa = g_.JanelaFixa,
            .NiInic = g_.NiInic,
            .LimLeft = g_.LimLeft,
            .TwPerHz = g_.TwPerHz,
            .Espectro = x.espectro ? x.caminho : std::string(),
            .ReferenciaPpm = x.ReferenciaPpm};
}

bool ArquivoEspectro::SalvaDados() {
    const VistaArquivo vista = Vista();
    const CaixasArquivo caixas{entrada_.caixaFrequencia()->text().toStdString(),
                               entrada_.caixaLargura()->text().toStdString(), SepDec_};
    DadosArquivo d;
    if (auto erro = DadosDaSessao(e_, caixas, vista, d)) {
        QMessageBox::warning(janela_, tr("Salvar dados"), TraduzNucleo(*erro));
        return false;
    }
    const QString caminho = dialogos_.Escolhe(PedidoDados(true));
    if (caminho.isEmpty()) return false;
    NomeiaEspectro(vista, caminho.toStdString(), d);
    const Ampulheta ampulheta;
    if (!dialogos_.Grava(tr("Salvar dados"), [&](OpcoesGravacao opcoes) {
            return GravaArquivoDados(caminho.toStdString(), d, SepDec_, opcoes);
        }))
        return false;
    dialogos_.Usado(caminho);
    emit Salvos();
    emit ArquivoUsado(QFileInfo(caminho).fileName());
    return true;
}

void ArquivoEspectro::AbreDados() {
    if (podeSubstituir_ && !podeSubstituir_()) return;
    const Ampulheta ampulheta;
    const QString caminho = dialogos_.Escolhe(PedidoDados(false));
    if (!caminho.isEmpty()) AbreArquivo(caminho);
}

void ArquivoEspectro::AbreArquivo(const QString& caminho) {
    const Ampulheta ampulheta;
    dialogos_.Usado(caminho);
    const std::string arquivo = caminho.toStdString();
    Carrega([&] { return LeArquivoDados(arquivo, SepDec_); }, QFileInfo(caminho).fileName(),
            caminho);
}

void ArquivoEspectro::AbreExemplo(const Exemplo& exemplo) {
    if (podeSubstituir_ && !podeSubstituir_()) return;
    const Ampulheta ampulheta;
    Carrega([&] { return LeDadosArquivo(exemplo.bytes, SepDec_); },
            QString::fromUtf8(exemplo.nome.data(), qsizetype(exemplo.nome.size())));
}

void ArquivoEspectro::Carrega(const std::function<LeituraArquivo()>& le, const QString& nome,
                              const QString& caminho) {
    entrada_.DefineAvisoPPMDado(true);
    QCoreApplication::processEvents();
    EstadoNeutro();

    const LeituraArquivo lido = le();
    if (lido.Titulo) mostraTitulo_(*lido.Titulo);
    if (!lido.dados) {
        QMessageBox caixa(QMessageBox::Critical, tr("Erro!"), tr("Deu Crepe!"), QMessageBox::Ok,
                          janela_);
        caixa.setInformativeText(TraduzNucleo(lido.Mensagem()));
        caixa.exec();
        entrada_.DefineAvisoPPMDado(false);
        return;
    }
    const VistaArquivo vista = VistaDoArquivo(*lido.dados, caminho.toStdString());
    entrada_.AplicaEntrada(EntradaDoArquivo(*lido.dados, SepDec_), lido.dados->Largura);
    opcoes_.controleMistura()->setValue(vista.Mistura);
    emit Salvos();
    emit ArquivoUsado(nome);
    execucao_.Executa();
    AplicaVista(vista);
    emit Salvos();
    // The run re-armed the warning; the frequency the file set is no edit.
    entrada_.DefineAvisoPPMDado(true);
    if (!vista.Espectro.empty())
        emit EspectroNomeado(Q(vista.Espectro), vista.ReferenciaPpm);
    else
        emit SistemaAberto();
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

void ArquivoEspectro::AplicaVista(const VistaArquivo& v) {
    if (!v.ComTabela) alternaTabela_();
    if (v.JanelaFixa) {
        g_.NiInic = v.NiInic;
        g_.LimLeft = v.LimLeft;
        g_.TwPerHz = v.TwPerHz;
        areaGrafico_.AlternaFixarJanela();
    }
    opcoes_.OpcaoEnvolvente(v.ComEnvolvente);
    if (v.Colorido)
        opcoes_.EscolheColorido();
    else
        opcoes_.EscolheSemCores();
}
