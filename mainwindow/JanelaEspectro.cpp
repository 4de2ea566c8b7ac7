#include "mainwindow/JanelaEspectro.h"

#include "display/AreaGrafico.h"
#include "display/EnvolventeCalc.h"
#include "mainwindow/AjusteEspectro.h"
#include "mainwindow/ArquivoEspectro.h"
#include "mainwindow/BarraEstado.h"
#include "mainwindow/ExecucaoEspectro.h"
#include "mainwindow/FiguraEspectro.h"
#include "mainwindow/JcampEspectro.h"
#include "mainwindow/MenusEspectro.h"
#include "mainwindow/OpcoesEspectro.h"
#include "mainwindow/PainelEntrada.h"
#include "mainwindow/PainelTempos.h"
#include "mainwindow/TabelaResultadosWidget.h"
#include "widgets/Ampulheta.h"
#include "widgets/SeparadorDecimal.h"
#include "widgets/Twips.h"

#include <QAction>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

namespace {

QPushButton* Botao(const QString& texto, QWidget* pai, int larg, int alt) {
    auto* b = new QPushButton(texto, pai);
    b->resize(Px(larg), Px(alt));
    return b;
}

} // namespace

JanelaEspectro::JanelaEspectro(EstadosPrograma& estados, const LigacaoMoldura& moldura,
                               QWidget* parent)
    : QWidget(parent), e_(estados.estado), g_(estados.grafico), o_(estados.opcoes),
      barra_(moldura.barra) {
    SepDec_ = SeparadorDecimal(QLocale());
    o_.SepDec = SepDec_;
    entrada_ = new PainelEntrada(this, g_, SepDec_);
    areaGrafico_ = new AreaGrafico(g_, o_, e_, this);
    opcoes_ = new OpcoesEspectro(PecasOpcoes{g_, o_, acoes_, *entrada_, *areaGrafico_, *barra_,
                                             [this] { return execucao_->ComTabela(); }},
                                 this);
    CriaBotoes();
    // The plot lies over the panels and under the table, as it always has.
    areaGrafico_->raise();
    tabelaResultados_ = new TabelaResultadosWidget(SepDec_, this);
    painelTempos_ = new PainelTempos(areaGrafico_);
    ColocaTwips(painelTempos_, 2880, 840, 6375, 3375);
    execucao_ =
        new ExecucaoEspectro(PecasExecucao{e_, estados.trabalho, g_, o_, *entrada_, *areaGrafico_,
                                           *tabelaResultados_, *painelTempos_, *barra_, SepDec_},
                             this);
    arquivo_ = new ArquivoEspectro(
        PecasArquivo{e_, g_, o_, acoes_, *entrada_, *opcoes_, *execucao_, *areaGrafico_, dialogos_,
                     [this] { AlternaTabela(); },
                     [this](const std::string& t) { menus_->MostraTitulo(t); }, SepDec_},
        this);
    jcamp_ = new JcampEspectro(
        PecasJcamp{e_, g_, o_, *entrada_, *execucao_, *areaGrafico_, dialogos_, *barra_, SepDec_},
        this);
    ajuste_ = new AjusteEspectro(PecasAjuste{g_, o_, *entrada_, *execucao_, *areaGrafico_, SepDec_},
                                 this);
    figura_ = new FiguraEspectro(PecasFigura{e_, g_, o_, *areaGrafico_, dialogos_, *barra_}, this);
    menus_ = new MenusEspectro(PecasMenus{e_, g_, o_, acoes_, *entrada_, *opcoes_, *execucao_,
                                          *arquivo_, *jcamp_, *ajuste_, *figura_, *areaGrafico_,
                                          *tabelaResultados_, *painelTempos_},
                               moldura.menus, this);
    relayout_.setSingleShot(true);
    relayout_.setInterval(15);
    connect(&relayout_, &QTimer::timeout, this, &JanelaEspectro::AjustaGraficoAoEspaco);
    Liga();
    AjTamanhoTela(moldura.larguraTela ? *moldura.larguraTela
                                      : QGuiApplication::primaryScreen()->size().width());
}

JanelaEspectro::~JanelaEspectro() = default;

void JanelaEspectro::CriaBotoes() {
    botaoTabela_ = Botao(tr("Fechar tabela"), this, 1215, 375);
    botaoExecutar_ = Botao(tr("Executar"), this, 975, 375);
    botaoAmpliarV_ = Botao(QStringLiteral("▲"), this, 255, 615);
    botaoReduzirV_ = Botao(QStringLiteral("▼"), this, 255, 735);
    botaoAmpliarV_->setToolTip(tr("Ampliar verticalmente"));
    botaoReduzirV_->setToolTip(tr("Reduzir verticalmente"));
}

void JanelaEspectro::Liga() {
    connect(entrada_, &PainelEntrada::ExecucaoPedida, execucao_, &ExecucaoEspectro::Executa);
    // Whatever the data file keeps, changed by the user, must be offered
    // for saving on exit.
    const auto editado = [this] { DadosSalvos_ = false; };
    connect(entrada_, &PainelEntrada::Editado, this, editado);
    connect(opcoes_, &OpcoesEspectro::Editado, this, editado);
    connect(menus_, &MenusEspectro::TituloEditado, this, editado);
    connect(jcamp_, &JcampEspectro::FrequenciaMudada, this, editado);
    connect(jcamp_, &JcampEspectro::SobreposicaoEditada, this, editado);
    connect(arquivo_, &ArquivoEspectro::SistemaAberto, jcamp_, &JcampEspectro::SistemaAberto);
    connect(arquivo_, &ArquivoEspectro::EspectroNomeado, jcamp_, &JcampEspectro::AbreDoArquivo);
    connect(entrada_, &PainelEntrada::FocoDevolvido, areaGrafico_, &AreaGrafico::FocoNoGrafico);
    connect(entrada_, &PainelEntrada::PassaAoExecutar, this,
            [this] { botaoExecutar_->setFocus(Qt::OtherFocusReason); });
    connect(entrada_, &PainelEntrada::ProtonEscolhido, opcoes_, &OpcoesEspectro::FiltraProton);
    connect(entrada_, &PainelEntrada::LarguraConfirmada, this, [this] {
        InvalidaEnvolvente(g_);
        areaGrafico_->Grafico();
        areaGrafico_->FocoNoGrafico();
    });
    // The copy's annotation states what the boxes hold.
    const auto acompanha = [this](QLineEdit* caixa, std::string OpcoesGrafico::*texto) {
        o_.*texto = caixa->text().toStdString();
        connect(caixa, &QLineEdit::textChanged, this,
                [this, texto](const QString& s) { o_.*texto = s.toStdString(); });
    };
    acompanha(entrada_->caixaLargura(), &OpcoesGrafico::TextoLargura);
    acompanha(entrada_->caixaFrequencia(), &OpcoesGrafico::TextoFrequencia);
    acompanha(entrada_->caixaIntMin(), &OpcoesGrafico::TextoIntMin);

    connect(botaoExecutar_, &QPushButton::clicked, execucao_, &ExecucaoEspectro::Executa);
    connect(entrada_->botaoHzPpm(), &QPushButton::clicked, this,
            [this] { execucao_->QuandoLivre([this] { entrada_->AlternaHzPpm(); }); });
    connect(entrada_->botaoRestaurar(), &QPushButton::clicked, areaGrafico_,
            &AreaGrafico::Restaurar);
    connect(botaoTabela_, &QPushButton::clicked, this, &JanelaEspectro::AlternaTabela);
    connect(botaoAmpliarV_, &QPushButton::clicked, this, [this] { areaGrafico_->ZoomV(true); });
    connect(botaoReduzirV_, &QPushButton::clicked, this, [this] { areaGrafico_->ZoomV(false); });
    connect(entrada_->botaoAmpliarH(), &QPushButton::clicked, this,
            [this] { areaGrafico_->ZoomH(true); });
    connect(entrada_->botaoReduzirH(), &QPushButton::clicked, this,
            [this] { areaGrafico_->ZoomH(false); });
    connect(execucao_, &ExecucaoEspectro::CompararCurvasDesligado, this,
            [this] { acoes_.compararCurvas->setChecked(false); });
    connect(execucao_, &ExecucaoEspectro::ResultadosNovos, this, &JanelaEspectro::ResultadosNovos);
    connect(execucao_, &ExecucaoEspectro::ResultadosNovos, ajuste_,
            &AjusteEspectro::ResultadosNovos);
    connect(jcamp_, &JcampEspectro::SobreposicaoEditada, ajuste_,
            &AjusteEspectro::SobreposicaoEditada);
    // A new number of protons moves the grid's bottom, which a closed table's
    // plot starts under.
    connect(execucao_, &ExecucaoEspectro::ResultadosNovos, this, [this] {
        if (!o_.TelaPequena) relayout_.start();
    });
    connect(arquivo_, &ArquivoEspectro::ArquivoUsado, this, &JanelaEspectro::ArquivoUsado);
    connect(arquivo_, &ArquivoEspectro::Salvos, this, [this] { DadosSalvos_ = true; });
    // Opening a file or an example asks about unsaved edits as the exit does.
    arquivo_->DefinePodeSubstituir([this] { return PodeFechar(); });

    areaGrafico_->DefineTabelaVisivel([this] { return execucao_->ComTabela(); });
    tabelaResultados_->DefinePodeMarcar(
        [this] { return !g_.HistogramaOculto && !g_.Visualizando; });
    connect(tabelaResultados_, &TabelaResultadosWidget::BandaClicada, areaGrafico_,
            &AreaGrafico::MarcaBanda);
    connect(areaGrafico_, &AreaGrafico::BandaEscolhida, tabelaResultados_,
            &TabelaResultadosWidget::EscolheBanda);
    connect(areaGrafico_, &AreaGrafico::DesfazRealce, tabelaResultados_,
            &TabelaResultadosWidget::DesfazRealce);
    connect(areaGrafico_, &AreaGrafico::Restaurado, this,
            [this] { opcoes_->botaoTodasBandas()->setEnabled(false); });
    connect(areaGrafico_, &AreaGrafico::JanelaFixada, this, [this](bool fixa) {
        entrada_->botaoAmpliarH()->setEnabled(!fixa);
        entrada_->botaoReduzirH()->setEnabled(!fixa);
        DadosSalvos_ = false;
        if (!fixa) emit ResultadosNovos();
    });
    connect(areaGrafico_, &AreaGrafico::TituloClicado, menus_, &MenusEspectro::EditaTitulo);
    connect(menus_, &MenusEspectro::MatrizesPedidas, this, &JanelaEspectro::MatrizesPedidas);
    connect(areaGrafico_, &AreaGrafico::FundoMudou, entrada_, &PainelEntrada::PintaFundoDasCores);
    connect(areaGrafico_, &AreaGrafico::Redesenhado, this, [this] {
        const bool picos = g_.env.EnvolventeLigada;
        barra_->Painel(7)->setVisible(picos);
        barra_->Painel(BarraEstado::PainelPicos)
            ->setText(picos ? QString::number(g_.env.MaxEnvCount) : QString());
    });
}

void JanelaEspectro::Inicia() {
    execucao_->DefineComTabela(true);
    menus_->MostraTitulo("Default");
    opcoes_->opcaoColorido()->setChecked(true);
    opcoes_->opcaoComEnvolvente()->setChecked(true);
    entrada_->ValoresIniciais();
    tabelaResultados_->FlexPreenchBandas(e_);
    execucao_->Executa();
    DadosSalvos_ = true;
}

bool JanelaEspectro::PodeFechar() {
    if (DadosSalvos_) return true;
    const auto resposta =
        QMessageBox::warning(this, tr("Salvar dados?"), tr("Deseja salvar os dados de entrada?"),
                             QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    if (resposta == QMessageBox::No) return true;
    // A save that was cancelled or failed keeps the program open.
    return resposta == QMessageBox::Yes && arquivo_->SalvaDados();
}

void JanelaEspectro::AlternaTabela() {
    const Ampulheta ampulheta;
    DadosSalvos_ = false;
    if (!execucao_->ComTabela()) {
        botaoTabela_->setText(tr("Fechar tabela"));
        tabelaResultados_->Abre();
        execucao_->DefineComTabela(true);
        opcoes_->opcaoColorido()->setChecked(true);
        o_.Colorido = true;
        acoes_.colorido->setEnabled(true);
        const bool semHistograma = acoes_.semHistograma->isChecked();
        if (!semHistograma) {
            opcoes_->quadroCores()->setVisible(!o_.TelaPequena);
            acoes_.colorido->setChecked(true);
            acoes_.semCores->setChecked(false);
        } else {
            acoes_.colorido->setChecked(false);
        }
        acoes_.copiarTabela->setEnabled(true);
        entrada_->MostraCores(true);
        if (!execucao_->TabelaPreenchida())
            execucao_->Executa();
        else
            areaGrafico_->Grafico();
    } else {
        botaoTabela_->setText(tr("Abrir tabela"));
        tabelaResultados_->Fecha();
        execucao_->DefineComTabela(false);
        g_.BandaMarcada = false;
        opcoes_->opcaoSemCores()->setChecked(true);
        o_.Colorido = false;
        opcoes_->quadroCores()->hide();
        acoes_.colorido->setChecked(false);
        acoes_.colorido->setEnabled(false);
        if (!acoes_.semHistograma->isChecked()) acoes_.semCores->setChecked(true);
        acoes_.copiarTabela->setEnabled(false);
        entrada_->MostraCores(false);
        g_.FiltroAtivo = false;
        opcoes_->botaoTodasBandas()->setEnabled(false);
        areaGrafico_->Grafico();
    }
    AjustaGraficoAoEspaco();
    areaGrafico_->FocoNoGrafico();
}
