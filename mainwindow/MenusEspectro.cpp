
#include "mainwindow/MenusEspectro.h"
#include "display/AreaGrafico.h"
#include "formatos/Exemplos.h"
#include "mainwindow/AcoesEspectro.h"
#include "mainwindow/AjusteEspectro.h"
#include "mainwindow/ArquivoEspectro.h"
#include "mainwindow/ExecucaoEspectro.h"
#include "mainwindow/FiguraEspectro.h"
#include "mainwindow/JcampEspectro.h"
#include "mainwindow/OpcoesEspectro.h"
#include "mainwindow/PainelEntrada.h"
#include "mainwindow/PainelTempos.h"
#include "mainwindow/TabelaResultadosWidget.h"
#include "widgets/Ampulheta.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QInputDialog>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QRadioButton>
#include <QSlider>

#include <algorithm>
#include <optional>
#include <utility>

namespace {

// The title question, wide enough for its caption and a long title: the
// window manager cuts a caption wider than its dialog ("Título… pectro").
std::optional<QString> PedeTitulo(QWidget* janela, const QString& rotulo, const QString& atual) {
    QInputDialog d(janela);
    const QString legenda = QCoreApplication::translate("MenusEspectro", "Título do espectro");
    d.setWindowTitle(legenda);
    d.setLabelText(rotulo);
    d.setTextValue(atual);
    d.resize(std::max(400, d.fontMetrics().horizontalAdvance(legenda) * 2 + 160),
             d.sizeHint().height());
    if (d.exec() != QDialog::Accepted) return std::nullopt;
    return d.textValue();
}

const char* const VisualizarCopia = QT_TRANSLATE_NOOP("MenusEspectro", "&Visualizar Cópia");
const char* const FecharVisualizacao = QT_TRANSLATE_NOOP("MenusEspectro", "&Fechar Visualização");
const char* const PrimeiraOrdem = QT_TRANSLATE_NOOP("MenusEspectro", "&Espectro de Primeira Ordem");
const char* const OrdemSuperior = QT_TRANSLATE_NOOP("MenusEspectro", "&Espectro de ordem superior");

// The examples' groups and captions as exemplos/exemplos.txt has them, for
// the translation; the files keep their own titles.
[[maybe_unused]] const char* const TextosExemplos[] = {
    QT_TRANSLATE_NOOP("Exemplos", "Primeira ordem × segunda ordem"),
    QT_TRANSLATE_NOOP("Exemplos", "Três spins"),
    QT_TRANSLATE_NOOP("Exemplos", "Grupos alquila"),
    QT_TRANSLATE_NOOP("Exemplos", "Sistemas de spins magneticamente não equivalentes"),
    QT_TRANSLATE_NOOP("Exemplos", "Efeito do campo"),
    QT_TRANSLATE_NOOP("Exemplos", "AB, Δν/J = 10 (quase AX)"),
    QT_TRANSLATE_NOOP("Exemplos", "AB, Δν/J = 3"),
    QT_TRANSLATE_NOOP("Exemplos", "AB, Δν/J = 1"),
    QT_TRANSLATE_NOOP("Exemplos", "AB, Δν/J = 0,3"),
    QT_TRANSLATE_NOOP("Exemplos", "A2: prótons equivalentes"),
    QT_TRANSLATE_NOOP("Exemplos", "AX2: 1,1,2-tricloroetano (300 MHz)"),
    QT_TRANSLATE_NOOP("Exemplos", "AB2: 2,6-dimetilpiridina (60 MHz)"),
    QT_TRANSLATE_NOOP("Exemplos", "AMX: vinila do estireno (400 MHz)"),
    QT_TRANSLATE_NOOP("Exemplos", "ABX: vinila do estireno (60 MHz)"),
    QT_TRANSLATE_NOOP("Exemplos", "Etila (A3X2): bromoetano"),
    QT_TRANSLATE_NOOP("Exemplos", "Isopropila (A6X): 2-bromopropano"),
    QT_TRANSLATE_NOOP("Exemplos", "n-Propila (A3M2X2): 1-bromopropano"),
    QT_TRANSLATE_NOOP("Exemplos", "n-Butila, 10 prótons: 1-butanol"),
    QT_TRANSLATE_NOOP("Exemplos", "AA'XX': 4-nitroanisol (300 MHz)"),
    QT_TRANSLATE_NOOP("Exemplos", "AA'BB': 4-clorotolueno (300 MHz)"),
    QT_TRANSLATE_NOOP("Exemplos", "A2B2: 2-cloroetanol, J = J' (modelo)"),
    QT_TRANSLATE_NOOP("Exemplos", "AA'BB': 2-cloroetanol"),
    QT_TRANSLATE_NOOP("Exemplos", "Acrilato de metila, 60 MHz"),
    QT_TRANSLATE_NOOP("Exemplos", "Acrilato de metila, 300 MHz"),
    QT_TRANSLATE_NOOP("Exemplos", "Acrilato de metila, 600 MHz"),
};

QString DoExemplo(std::string_view texto) {
    return QCoreApplication::translate("Exemplos", std::string(texto).c_str());
}

} // namespace

MenusEspectro::MenusEspectro(const PecasMenus& p, QMenuBar* barra, QWidget* janela)
    : QObject(janela), janela_(janela), e_(p.estado), g_(p.g), o_(p.o), acoes_(p.acoes),
      entrada_(p.entrada), opcoes_(p.opcoes), execucao_(p.execucao), arquivo_(p.arquivo),
      jcamp_(p.jcamp), ajuste_(p.ajuste), figura_(p.figura), areaGrafico_(p.areaGrafico),
      tabelaResultados_(p.tabelaResultados), painelTempos_(p.painelTempos) {
    CriaMenus(barra);
    connect(&areaGrafico_, &AreaGrafico::VisualizacaoMudou, this, [this](bool visualizando) {
        acoes_.visualizarCopia->setText(
            visualizando ? QCoreApplication::translate("MenusEspectro", FecharVisualizacao)
                         : QCoreApplication::translate("MenusEspectro", VisualizarCopia));
    });
}

void MenusEspectro::CriaMenus(QMenuBar* barra) {
    const auto item = [this](QMenu* m, const QString& texto, auto acao, bool marcavel = false) {
        QAction* a = m->addAction(texto);
        a->setCheckable(marcavel);
        connect(a, &QAction::triggered, this, acao);
        return a;
    };
    AcoesEspectro& a = acoes_;

    QMenu* arquivo = barra->addMenu(tr("&Arquivo"));
    a.abrirDados = item(arquivo, tr("&Abrir Dados de Entrada"),
                        [this] { execucao_.QuandoLivre([this] { arquivo_.AbreDados(); }); });
    a.salvarDados =
        item(arquivo, tr("&Salvar Dados de Entrada"), [this] { arquivo_.SalvaDados(); });
    MenuExemplos(arquivo->addMenu(tr("&Exemplos")));
    a.exportarJcamp = item(arquivo, tr("E&xportar Espectro (JCAMP-DX)..."),
                           [this] { execucao_.QuandoLivre([this] { jcamp_.Exporta(); }); });
    arquivo->addSeparator();
    a.imprimir = item(arquivo, tr("&Imprimir..."),
                      [this] { execucao_.QuandoLivre([this] { figura_.Imprime(); }); });
    a.imprimir->setShortcut(QKeySequence::Print);
    a.visualizarImpressao = item(arquivo, tr("&Visualizar Impressão"), [this] {
        execucao_.QuandoLivre([this] { figura_.VisualizaImpressao(); });
    });
    arquivo->addSeparator();
    a.sair = item(arquivo, tr("Sai&r"), [this] { janela_->window()->close(); });

    QMenu* editar = barra->addMenu(tr("&Editar"));
    a.copiarTabela = item(editar, tr("&Copiar tabela de resultados"), [this] { CopiaTabela(); });
    a.desfazerAjuste = item(editar, tr("&Desfazer ajuste"),
                            [this] { execucao_.QuandoLivre([this] { ajuste_.Desfaz(); }); });
    a.desfazerAjuste->setEnabled(false);
    editar->addSeparator();
    QMenu* copiar = editar->addMenu(tr("Copiar &Espectro Simulado"));
    a.visualizarCopia = item(copiar, QCoreApplication::translate("MenusEspectro", VisualizarCopia),
                             [this] { AlternaVisualizacao(); });
    copiar->addSeparator();
    a.copiarColorido = item(copiar, tr("&Copiar (Colorido)"), [this] { figura_.Copia(false); });
    a.copiarPretoEBranco =
        item(copiar, tr("Copiar (&Branco e Preto)"), [this] { figura_.Copia(true); });
    a.salvarFigura = item(copiar, tr("&Salvar Figura..."),
                          [this] { execucao_.QuandoLivre([this] { figura_.Salva(); }); });
    connect(editar, &QMenu::aboutToShow, this, [this] {
        acoes_.copiarPretoEBranco->setEnabled(!o_.CompararCurvas);
        acoes_.desfazerAjuste->setEnabled(ajuste_.PodeDesfazer());
    });

    QMenu* mostrar = barra->addMenu(tr("&Mostrar"));
    a.tempos =
        item(mostrar, tr("&Tempo consumido em cada operação"), [this] { painelTempos_.Alterna(); });
    a.compararCurvas = item(
        mostrar, tr("&Comparar curvas"),
        [this] { execucao_.QuandoLivre([this] { AlternaCompararCurvas(); }); }, true);
    a.primeiraOrdem = item(mostrar, QCoreApplication::translate("MenusEspectro", PrimeiraOrdem),
                           [this] { AlternaPrimeiraOrdem(); });

    QMenu* opcoes = barra->addMenu(tr("&Opções"));
    QMenu* histograma = opcoes->addMenu(tr("&Histograma"));
    QMenu* com = histograma->addMenu(tr("&Com Histograma"));
    a.colorido = item(
        com, tr("&Colorido"), [this] { opcoes_.EscolheHistograma(0); }, true);
    a.semCores = item(
        com, tr("&Sem cores"), [this] { opcoes_.EscolheHistograma(1); }, true);
    a.semHistograma = item(
        histograma, tr("&Sem Histograma"), [this] { opcoes_.EscolheHistograma(2); }, true);
    // With the table closed "Colorido" is off and may be the only choice left
    // unticked, so the group allows none.
    auto* grupoHistograma = new QActionGroup(this);
    grupoHistograma->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (QAction* x : {a.colorido, a.semCores, a.semHistograma}) grupoHistograma->addAction(x);
    a.colorido->setChecked(true);

    QMenu* envolvente = opcoes->addMenu(tr("&Envolvente"));
    a.comEnvolvente = item(
        envolvente, tr("&Com Envolvente"), [this] { opcoes_.OpcaoEnvolvente(true); }, true);
    a.semEnvolvente = item(
        envolvente, tr("&Sem Envolvente"), [this] { opcoes_.OpcaoEnvolvente(false); }, true);
    auto* grupoEnvolvente = new QActionGroup(this);
    for (QAction* x : {a.comEnvolvente, a.semEnvolvente}) grupoEnvolvente->addAction(x);
    a.comEnvolvente->setChecked(true);
    a.numerosGrandes = item(
        opcoes, tr("&Números Grandes na Cópia"),
        [this] {
            o_.NumerosGrandes = acoes_.numerosGrandes->isChecked();
            areaGrafico_.Grafico();
        },
        true);

    QMenu* janela = barra->addMenu(tr("&Janela"));
    a.matrizes = item(janela, tr("&Matrizes"), [this] { emit MatrizesPedidas(); });
    a.espectroExperimental = item(janela, tr("&Espectro Experimental..."), [this] {
        execucao_.QuandoLivre([this] { jcamp_.AbreExperimental(); });
    });
    a.referenciaExperimental = item(janela, tr("Re&ferência do Espectro Experimental..."),
                                    [this] { jcamp_.AjustaReferencia(); });
    a.removerExperimental =
        item(janela, tr("&Remover espectro experimental"), [this] { jcamp_.RemoveExperimental(); });
    a.ajustar = item(janela, tr("&Ajustar ao Espectro Experimental..."),
                     [this] { execucao_.QuandoLivre([this] { ajuste_.Abre(); }); });
    a.ajustar->setEnabled(false);
    connect(janela, &QMenu::aboutToShow, this, [this] {
        acoes_.matrizes->setEnabled(e_.NProt <= 8 && !o_.TelaPequena);
        acoes_.removerExperimental->setEnabled(jcamp_.TemExperimental());
        acoes_.referenciaExperimental->setEnabled(jcamp_.TemExperimental());
        acoes_.ajustar->setEnabled(jcamp_.TemExperimental());
    });
}

// One submenu per group, the examples in the index's order.
void MenusEspectro::MenuExemplos(QMenu* exemplos) {
    QMenu* grupo = nullptr;
    QString nomeGrupo;
    for (const Exemplo& ex : Exemplos()) {
        const QString g = DoExemplo(ex.grupo);
        if (!grupo || g != nomeGrupo) {
            grupo = exemplos->addMenu(g);
            nomeGrupo = g;
        }
        QAction* a = grupo->addAction(DoExemplo(ex.rotulo));
        connect(a, &QAction::triggered, this,
                [this, &ex] { execucao_.QuandoLivre([this, &ex] { arquivo_.AbreExemplo(ex); }); });
    }
}

void MenusEspectro::CopiaTabela() {
    const Ampulheta ampulheta;
    tabelaResultados_.CopiaTabela(e_);
}

void MenusEspectro::AlternaCompararCurvas() {
    QAction* menu = acoes_.compararCurvas;
    // The action has already toggled its own check mark.
    if (!menu->isChecked()) {
        o_.CompararCurvas = false;
        areaGrafico_.rotuloTitulo()->show();
        DevolveSistema();
        return;
    }
    antesDaComparacao_ = {entrada_.caixaNProt()->text(), opcoes_.controleMistura()->value(),
                          g_.env.EnvolventeLigada};
    o_.CompararCurvas = true;
    areaGrafico_.rotuloTitulo()->hide();
    entrada_.caixaNProt()->setText(QStringLiteral("1"));
    opcoes_.OpcaoEnvolvente(true);
    opcoes_.controleMistura()->setValue(50);
    execucao_.Executa();
    if (execucao_.UltimaRecusada()) {
        // Refused like any run: the previous spectrum stays, without the comparison.
        menu->setChecked(false);
        o_.CompararCurvas = false;
        areaGrafico_.rotuloTitulo()->show();
        entrada_.caixaNProt()->setText(antesDaComparacao_->NProt);
        antesDaComparacao_.reset();
        areaGrafico_.Grafico();
        return;
    }
    g_.ZoomHoriz = 11.390625;
    areaGrafico_.Grafico();
}

void MenusEspectro::DevolveSistema() {
    if (!antesDaComparacao_) {
        areaGrafico_.Grafico();
        return;
    }
    const AntesDaComparacao antes = *std::exchange(antesDaComparacao_, std::nullopt);
    entrada_.caixaNProt()->setText(antes.NProt);
    opcoes_.controleMistura()->setValue(antes.mistura);
    opcoes_.OpcaoEnvolvente(antes.envolvente);
    execucao_.Executa();
}

void MenusEspectro::AlternaPrimeiraOrdem() {
    QAction* menu = acoes_.primeiraOrdem;
    execucao_.DefinePrimOrdem(!execucao_.PrimOrdem());
    menu->setText(execucao_.PrimOrdem()
                      ? QCoreApplication::translate("MenusEspectro", OrdemSuperior)
                      : QCoreApplication::translate("MenusEspectro", PrimeiraOrdem));
    execucao_.Executa();
}

void MenusEspectro::AlternaVisualizacao() {
    if (!g_.Visualizando && o_.TituloEspectro.empty()) {
        const auto resposta = QMessageBox::question(janela_, tr("Adicionar título?"),
                                                    tr("Deseja adicionar um título ao espectro?"),
                                                    QMessageBox::Yes | QMessageBox::No);
        if (resposta == QMessageBox::Yes)
            MostraTitulo(
                PedeTitulo(janela_, tr("Título:"), QString()).value_or(QString()).toStdString());
    }
    areaGrafico_.AlternaVisualizacao();
}

void MenusEspectro::EditaTitulo() {
    const auto titulo =
        PedeTitulo(janela_, tr("Título: "), QString::fromStdString(o_.TituloEspectro));
    if (!titulo || titulo->isEmpty()) return;
    MostraTitulo(titulo->toStdString());
    emit TituloEditado();
    areaGrafico_.Grafico();
}

void MenusEspectro::MostraTitulo(const std::string& titulo) {
    o_.TituloEspectro = titulo;
    areaGrafico_.AtualizaRotulos();
}
