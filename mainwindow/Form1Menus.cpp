// The main window's menus in the frame's menu bar, and the commands that
// live only there.

#include "widgets/Ampulheta.h"
#include "display/Picture1.h"
#include "mainwindow/Form1.h"
#include "mainwindow/PainelTempos.h"
#include "mainwindow/TabelaResultadosWidget.h"

#include <QAction>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QRadioButton>
#include <QSlider>

#include <cstring>

namespace {

const QString VisualizarCopia = QStringLiteral("Visualizar Cópia");
const QString FecharVisualizacao = QStringLiteral("Fechar Visualização");
const QString PrimeiraOrdem = QStringLiteral("Espectro de Primeira Ordem");
const QString OrdemSuperior = QStringLiteral("Espectro de ordem superior");

} // namespace

QAction* Form1::Menu(const char* nome) const {
    for (const auto& [n, a] : menus_)
        if (std::strcmp(n, nome) == 0) return a;
    return nullptr;
}

void Form1::CriaMenus(QMenuBar* barra) {
    const auto item = [this](QMenu* m, const char* nome, const QString& texto, auto acao,
                             bool marcavel = false) {
        QAction* a = m->addAction(texto);
        a->setCheckable(marcavel);
        connect(a, &QAction::triggered, this, acao);
        menus_.emplace_back(nome, a);
        return a;
    };

    QMenu* arquivo = barra->addMenu(QStringLiteral("Arquivo"));
    item(arquivo, "mnuAbrirDadEntr", QStringLiteral("Abrir Dados de Entrada"),
         [this] { mnuAbrirDadEntr_Click(); });
    item(arquivo, "mnuSalvarDadEntr", QStringLiteral("Salvar Dados de Entrada"),
         [this] { mnuSalvarDadEntr_Click(); });
    arquivo->addSeparator();
    item(arquivo, "mnuSair", QStringLiteral("Sair"), [this] { window()->close(); });

    QMenu* mnuEditar = barra->addMenu(QStringLiteral("Editar"));
    item(mnuEditar, "mnuCopiarTabResult", QStringLiteral("Copiar tabela de resultados"),
         [this] { mnuCopiarTabResult_Click(); });
    mnuEditar->addSeparator();
    QMenu* copiar = mnuEditar->addMenu(QStringLiteral("Copiar Espectro Simulado"));
    item(copiar, "mnuVisualizarCopia", VisualizarCopia, [this] { mnuVisualizarCopia_Click(); });
    copiar->addSeparator();
    item(copiar, "mnuCopiarEspectroPC", QStringLiteral("Copiar (Colorido)"),
         [this] { mnuCopiarEspectro(false); });
    item(copiar, "mnuCopiarEspectroPBP", QStringLiteral("Copiar (Branco e Preto)"),
         [this] { mnuCopiarEspectro(true); });
    connect(mnuEditar, &QMenu::aboutToShow, this,
            [this] { Menu("mnuCopiarEspectroPBP")->setEnabled(!o_.CompararCurvas); });

    QMenu* mostrar = barra->addMenu(QStringLiteral("Mostrar"));
    item(mostrar, "mnuTempoConsum", QStringLiteral("Tempo consumido em cada operação"),
         [this] { Picture3_->mnuTempoConsum_Click(); });
    item(
        mostrar, "mnuCompararCurvas", QStringLiteral("Comparar curvas"),
        [this] { mnuCompararCurvas_Click(); }, true);
    item(mostrar, "mnuEspPrimOrd", PrimeiraOrdem, [this] { mnuEspPrimOrd_Click(); });

    QMenu* opcoes = barra->addMenu(QStringLiteral("Opções"));
    QMenu* histograma = opcoes->addMenu(QStringLiteral("Histograma"));
    QMenu* com = histograma->addMenu(QStringLiteral("Com Histograma"));
    item(
        com, "mnuColorido", QStringLiteral("Colorido"), [this] { mnuHistograma(0); }, true)
        ->setChecked(true);
    item(
        com, "mnuSemCores", QStringLiteral("Sem cores"), [this] { mnuHistograma(1); }, true);
    item(
        histograma, "mnuSemHistograma", QStringLiteral("Sem Histograma"),
        [this] { mnuHistograma(2); }, true);
    QMenu* envolvente = opcoes->addMenu(QStringLiteral("Envolvente"));
    item(
        envolvente, "mnuComEnvolvente", QStringLiteral("Com Envolvente"),
        [this] { OpcaoEnvolvente(true); }, true)
        ->setChecked(true);
    item(
        envolvente, "mnuSemEnvolvente", QStringLiteral("Sem Envolvente"),
        [this] { OpcaoEnvolvente(false); }, true);
    item(
        opcoes, "mnuNumGrandenaCopia", QStringLiteral("Números Grandes na Cópia"),
        [this] {
            o_.NumerosGrandes = Menu("mnuNumGrandenaCopia")->isChecked();
            Picture1_->Grafico();
        },
        true);

    QMenu* mnuJanela = barra->addMenu(QStringLiteral("Janela"));
    item(mnuJanela, "mnuForm2", QStringLiteral("Matrizes"), [this] { emit MatrizesPedidas(); });
    connect(mnuJanela, &QMenu::aboutToShow, this,
            [this] { Menu("mnuForm2")->setEnabled(e_.NProt <= 8 && !o_.TelaPequena); });
}

void Form1::mnuCopiarTabResult_Click() {
    const Ampulheta ampulheta;
    MSFlexGrid1_->CopiaTabela(e_);
}

void Form1::mnuCompararCurvas_Click() {
    QAction* menu = Menu("mnuCompararCurvas");
    // The action has already toggled its own check mark.
    if (!menu->isChecked()) {
        o_.CompararCurvas = false;
        Picture1_->Label7()->show();
        Picture1_->Grafico();
        return;
    }
    o_.CompararCurvas = true;
    Picture1_->Label7()->hide();
    Text1_->setText(QStringLiteral("1"));
    OpcaoEnvolvente(true);
    Slider4_->setValue(50);
    Command1_Click();
    g_.ZoomHoriz = 11.390625;
    Picture1_->Grafico();
}

void Form1::mnuEspPrimOrd_Click() {
    QAction* menu = Menu("mnuEspPrimOrd");
    PrimOrdem_ = menu->text() == PrimeiraOrdem;
    menu->setText(PrimOrdem_ ? OrdemSuperior : PrimeiraOrdem);
    Command1_Click();
}

void Form1::mnuVisualizarCopia_Click() {
    if (!g_.Visualizando && o_.TituloEspectro.empty()) {
        const auto resposta =
            QMessageBox::question(this, QStringLiteral("Adicionar título?"),
                                  QStringLiteral("Deseja adicionar um título ao espectro?"),
                                  QMessageBox::Yes | QMessageBox::No);
        if (resposta == QMessageBox::Yes)
            MostraTitulo(QInputDialog::getText(this, QStringLiteral("Título do espectro"),
                                               QStringLiteral("Título:"))
                             .toStdString());
    }
    Picture1_->AlternaVisualizacao();
}

void Form1::mnuCopiarEspectro(bool pretoEBranco) {
    const Ampulheta ampulheta;
    Picture1_->CopiaEspectro(pretoEBranco);
}

void Form1::Label7_DblClick() {
    bool ok = false;
    const QString titulo = QInputDialog::getText(this, QStringLiteral("Título do espectro"),
                                                 QStringLiteral("Título: "), QLineEdit::Normal,
                                                 QString::fromStdString(o_.TituloEspectro), &ok);
    if (!ok || titulo.isEmpty()) return;
    MostraTitulo(titulo.toStdString());
    Picture1_->Grafico();
}

void Form1::MostraTitulo(const std::string& titulo) {
    o_.TituloEspectro = titulo;
    Picture1_->AtualizaRotulos();
}
