#include "mainwindow/AjusteEspectro.h"

#include "display/AreaGrafico.h"
#include "display/EnvolventeCalc.h"
#include "display/TraducaoNucleo.h"
#include "mainwindow/DialogoAjuste.h"
#include "mainwindow/ExecucaoEspectro.h"
#include "mainwindow/GradeAcoplamentos.h"
#include "mainwindow/PainelEntrada.h"
#include "mainwindow/TrabalhoAjuste.h"
#include "texto/TextoDecimal.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressDialog>

namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

const char* const TituloAjuste =
    QT_TRANSLATE_NOOP("AjusteEspectro", "Ajuste ao espectro experimental");

std::vector<FaixaPpm> Faixas(const std::vector<RegiaoPpm>& r) {
    std::vector<FaixaPpm> f;
    for (const RegiaoPpm& k : r) f.push_back({k.Min, k.Max});
    return f;
}

} // namespace

AjusteEspectro::AjusteEspectro(const PecasAjuste& p, QWidget* janela)
    : QObject(janela), janela_(janela), g_(p.g), o_(p.o), entrada_(p.entrada),
      execucao_(p.execucao), areaGrafico_(p.areaGrafico), SepDec_(p.SepDec),
      trabalho_(new TrabalhoAjuste(this)) {
    connect(trabalho_, &TrabalhoAjuste::Progresso, this, &AjusteEspectro::MostraProgresso);
    connect(trabalho_, &TrabalhoAjuste::Terminou, this, &AjusteEspectro::Terminou);
    connect(&areaGrafico_, &AreaGrafico::FaixaArrastada, this, [this](double a, double b) {
        if (dialogo_ && !Ajustando()) dialogo_->AcrescentaRegiao(a, b);
    });
}

AjusteEspectro::~AjusteEspectro() = default;

bool AjusteEspectro::Ajustando() const {
    return trabalho_->Rodando();
}

std::optional<ProblemaAjuste> AjusteEspectro::Problema() {
    TextosEntrada t = entrada_.Textos();
    ProblemaAjuste p;
    if (auto erro = LeEntrada(t, SepDec_, p.inicio)) {
        QMessageBox::warning(janela_, tr("Dados de entrada"), TraduzNucleo(*erro));
        return std::nullopt;
    }
    p.inicio.PrimOrdem = execucao_.PrimOrdem();
    p.inicio.ComTabela = false;
    p.Largura = 2 * MeiaLarguraDe(o_, g_.env.MeiaLargura);
    p.Mistura = o_.Mistura;
    p.medido = g_.Experimental.espectro;
    p.ReferenciaPpm = g_.Experimental.ReferenciaPpm;
    p.parametros = ParametrosPadrao(p.inicio, p.Largura);
    p.regioes = RegioesPadrao(p);
    return p;
}

void AjusteEspectro::Abre() {
    if (!g_.Experimental.espectro || Ajustando()) return;
    if (dialogo_) {
        dialogo_->raise();
        return;
    }
    const auto p = Problema();
    if (!p) return;
    unidade_ = {entrada_.PPM(), p->inicio.MHz, SepDec_};
    dialogo_ = new DialogoAjuste(*p, unidade_, janela_);
    dialogo_->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialogo_, &DialogoAjuste::RegioesMudaram, this,
            [this](const std::vector<RegiaoPpm>& r) {
                g_.Experimental.ajuste.Regioes = Faixas(r);
                areaGrafico_.Grafico();
            });
    connect(dialogo_, &DialogoAjuste::IniciarPedido, this,
            [this] { execucao_.QuandoLivre([this] { Inicia(); }); });
    connect(dialogo_, &QDialog::finished, this, [this] {
        areaGrafico_.DefineEscolhaDeRegioes(false);
        g_.Experimental.ajuste.Regioes.clear();
        areaGrafico_.Grafico();
    });
    g_.Experimental.ajuste.Regioes = Faixas(p->regioes);
    areaGrafico_.DefineEscolhaDeRegioes(true);
    areaGrafico_.Grafico();
    dialogo_->show();
}

void AjusteEspectro::Inicia() {
    if (!dialogo_ || Ajustando()) return;
    problema_ = dialogo_->Problema();
    dialogo_->setEnabled(false);
    execucao_.Reserva();
    trabalho_->Inicia(problema_);

    progresso_ = new QProgressDialog(tr("Preparando o ajuste..."), tr("Cancelar"), 0, 0, janela_);
    progresso_->setWindowTitle(QCoreApplication::translate("AjusteEspectro", TituloAjuste));
    progresso_->setWindowModality(Qt::WindowModal);
    progresso_->setMinimumDuration(0);
    progresso_->setAutoClose(false);
    progresso_->setAutoReset(false);
    progresso_->setMinimumWidth(380);
    connect(progresso_, &QProgressDialog::canceled, this, [this] {
        trabalho_->Cancela();
        if (progresso_) progresso_->setLabelText(tr("Cancelando..."));
    });
    progresso_->show();
}

void AjusteEspectro::MostraProgresso(const ProgressoAjuste& k) {
    if (!progresso_ || progresso_->wasCanceled()) return;
    progresso_->setLabelText(tr("Etapa %1 de %2, iteração %3\nResíduo: RMS %4 %")
                                 .arg(k.etapa)
                                 .arg(k.etapas)
                                 .arg(k.iteracao)
                                 .arg(Q(FormataFixo(k.RmsPorcento, 2, SepDec_))));
}

void AjusteEspectro::Terminou() {
    if (progresso_) {
        progresso_->hide();
        progresso_->deleteLater();
    }
    if (dialogo_) dialogo_->setEnabled(true);
    execucao_.Libera();
    if (const std::optional<Erro>& recusa = trabalho_->Recusa()) {
        if (recusa->tipo != TipoErro::Interrompido)
            QMessageBox::warning(janela_,
                                 QCoreApplication::translate("AjusteEspectro", TituloAjuste),
                                 TraduzNucleo(recusa->texto));
        return;
    }
    if (dialogo_) dialogo_->close();
    const ResultadoAjuste r = trabalho_->Resultado();
    resultado_ = new DialogoResultadoAjuste(r, problema_.parametros, unidade_, janela_);
    const bool aplicar = resultado_->exec() == QDialog::Accepted;
    delete resultado_;
    if (aplicar) execucao_.QuandoLivre([this, r] { Aplica(r); });
}

void AjusteEspectro::Aplica(const ResultadoAjuste& r) {
    antes_ = CaixasAtuais();
    EscreveCaixas(r);
    aplicando_ = true;
    execucao_.Executa();
    aplicando_ = false;
    if (execucao_.UltimaRecusada()) {
        DevolveCaixas();
        return;
    }
    AjusteNoGrafico& a = g_.Experimental.ajuste;
    a.PpmResiduo = r.PpmResiduo;
    a.Residuo = r.Residuo;
    a.RmsPorcento = r.RmsPorcento;
    assinaturaAjustada_ = Assinatura();
    // The residual's band raises the baseline, and the scale follows it.
    InvalidaEnvolvente(g_);
    areaGrafico_.Grafico();
}

void AjusteEspectro::EscreveCaixas(const ResultadoAjuste& r) {
    const EntradaSimulacao& s = r.sistema;
    for (int i = 1; i <= s.NProt; ++i)
        entrada_.caixaDesloc(i)->setText(
            Q(TextoDeslocamento(s.Desloc[std::size_t(i - 1)], unidade_)));
    for (int i = 1; i < s.NProt; ++i)
        for (int j = i + 1; j <= s.NProt; ++j)
            entrada_.Acoplamentos().caixaJ(i, j)->setText(
                Q(TextoHz(s.J[std::size_t(IndiceJ(s.NProt, i, j))], SepDec_)));
    entrada_.caixaLargura()->setText(Q(TextoHz(r.Largura, SepDec_)));
}

void AjusteEspectro::Desfaz() {
    if (!antes_) return;
    DevolveCaixas();
    execucao_.Executa();
}

AjusteEspectro::Caixas AjusteEspectro::CaixasAtuais() const {
    Caixas c{entrada_.PPM(), entrada_.NProt(), {}, {}, entrada_.caixaLargura()->text()};
    for (int i = 1; i <= c.N; ++i) {
        c.desloc << entrada_.caixaDesloc(i)->text();
        for (int j = i + 1; j <= c.N; ++j) c.J << entrada_.Acoplamentos().caixaJ(i, j)->text();
    }
    return c;
}

void AjusteEspectro::DevolveCaixas() {
    const Caixas c = *std::exchange(antes_, std::nullopt);
    if (c.PPM != entrada_.PPM()) entrada_.AlternaHzPpm();
    qsizetype k = 0;
    for (int i = 1; i <= c.N; ++i) {
        entrada_.caixaDesloc(i)->setText(c.desloc[i - 1]);
        for (int j = i + 1; j <= c.N; ++j) entrada_.Acoplamentos().caixaJ(i, j)->setText(c.J[k++]);
    }
    entrada_.caixaLargura()->setText(c.largura);
}

QString AjusteEspectro::Assinatura() const {
    const TextosEntrada t = entrada_.Textos();
    QStringList s{Q(t.TextoNProt), Q(t.TextoFrequencia), Q(t.TextoIntMin),
                  entrada_.caixaLargura()->text(), t.PPM ? QStringLiteral("ppm") : QString()};
    for (int i = 1; i <= NProtMax; ++i) {
        s << Q(t.TextoDesloc[std::size_t(i)]);
        for (int j = i + 1; j <= NProtMax; ++j) s << Q(t.TextoJ[std::size_t(i)][std::size_t(j)]);
    }
    return s.join(QLatin1Char('\n'));
}

void AjusteEspectro::ResultadosNovos() {
    if (aplicando_) return;
    if (dialogo_ && !Ajustando()) dialogo_->close();
    AjusteNoGrafico& a = g_.Experimental.ajuste;
    if (a.ComResiduo() && Assinatura() != assinaturaAjustada_) {
        a.PpmResiduo.clear();
        a.Residuo.clear();
        InvalidaEnvolvente(g_);
        areaGrafico_.Grafico();
    }
}

void AjusteEspectro::SobreposicaoEditada() {
    if (dialogo_ && !Ajustando()) dialogo_->close();
}
