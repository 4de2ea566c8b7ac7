
#include "mainwindow/ArquivoEspectro.h"
#include "display/AreaGrafico.h"
#include "formatos/ArquivoDados.h"
#include "formatos/Exemplos.h"
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
            {QStringLiteral("Espectros simulados (*.esm)"), QStringLiteral("Texto(*.txt)")},
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

bool ArquivoEspectro::SalvaDados() {
    DadosArquivo d;
    d.Titulo = o_.TituloEspectro;
    CopiaDoEstado(e_, d);
    if (auto erro = CopiaDasCaixas(entrada_.caixaFrequencia()->text().toStdString(),
                                   entrada_.caixaLargura()->text().toStdString(), SepDec_, d)) {
        QMessageBox::warning(janela_, QStringLiteral("Salvar dados"), Q(*erro));
        return false;
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

    const QString caminho = dialogos_.Escolhe(PedidoDados(true));
    if (caminho.isEmpty()) return false;
    if (const Sobreposicao& x = g_.Experimental; x.espectro && !x.caminho.empty()) {
        d.ArquivoExperimental = NomeDoEspectro(x.caminho, caminho.toStdString());
        d.ReferenciaPpm = x.ReferenciaPpm;
    }
    const Ampulheta ampulheta;
    if (!dialogos_.Grava(QStringLiteral("Salvar dados"), [&](OpcoesGravacao opcoes) {
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
    emit ArquivoUsado(nome);
    execucao_.Executa();
    AplicaOpcoesArquivo(*lido.dados);
    emit Salvos();
    // The run re-armed the warning; the frequency the file set is no edit.
    entrada_.DefineAvisoPPMDado(true);
    if (const std::string& x = lido.dados->ArquivoExperimental; !x.empty())
        emit EspectroNomeado(Q(CaminhoDoEspectro(x, caminho.toStdString())),
                             lido.dados->ReferenciaPpm);
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
