#include "mainwindow/DialogoAjuste.h"

#include "display/TraducaoNucleo.h"
#include "texto/TextoDecimal.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <cmath>

namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

// "3,87 ppm", "7,1 Hz", "1,02".
QString ComUnidade(const ParametroAjuste& p, double valor, const UnidadeAjuste& u) {
    const std::string unidade = NomeDaUnidade(p, u);
    return Q(TextoValor(p, valor, u) + (unidade.empty() ? "" : " " + unidade));
}

QTableWidget* Tabela(const QStringList& colunas, QWidget* pai) {
    auto* t = new QTableWidget(0, int(colunas.size()), pai);
    t->setHorizontalHeaderLabels(colunas);
    t->verticalHeader()->hide();
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->setSelectionMode(QAbstractItemView::SingleSelection);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    t->horizontalHeader()->setStretchLastSection(true);
    return t;
}

QTableWidgetItem* Celula(const QString& s) {
    auto* c = new QTableWidgetItem(s);
    c->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return c;
}

} // namespace

DialogoAjuste::DialogoAjuste(ProblemaAjuste p, const UnidadeAjuste& u, QWidget* parent)
    : QDialog(parent), p_(std::move(p)), u_(u) {
    setWindowTitle(tr("Ajustar ao Espectro Experimental"));
    parametros_ = Tabela({tr("Parâmetro"), tr("Valor inicial"), tr("Ajustar")}, this);
    regioes_ = new QListWidget(this);
    separar_ = new QPushButton(tr("Separar grupo"), this);
    removerRegiao_ = new QPushButton(tr("Remover região"), this);
    iniciar_ = new QPushButton(tr("Iniciar"), this);
    auto* fechar = new QPushButton(tr("Fechar"), this);
    iniciar_->setDefault(true);

    auto* botoesParametros = new QHBoxLayout;
    botoesParametros->addWidget(separar_);
    botoesParametros->addStretch();
    auto* botoesRegioes = new QHBoxLayout;
    botoesRegioes->addWidget(removerRegiao_);
    botoesRegioes->addStretch();
    auto* fim = new QHBoxLayout;
    fim->addStretch();
    fim->addWidget(iniciar_);
    fim->addWidget(fechar);
    auto* l = new QVBoxLayout(this);
    l->addWidget(new QLabel(tr("Parâmetros (grupos se movem juntos):"), this));
    l->addWidget(parametros_, 3);
    l->addLayout(botoesParametros);
    l->addWidget(
        new QLabel(tr("Regiões comparadas (arraste sobre o gráfico para acrescentar uma):"), this));
    l->addWidget(regioes_, 1);
    l->addLayout(botoesRegioes);
    l->addLayout(fim);

    connect(separar_, &QPushButton::clicked, this, &DialogoAjuste::Separa);
    connect(removerRegiao_, &QPushButton::clicked, this, &DialogoAjuste::RemoveRegiao);
    connect(iniciar_, &QPushButton::clicked, this, &DialogoAjuste::IniciarPedido);
    connect(fechar, &QPushButton::clicked, this, &QDialog::reject);
    connect(parametros_, &QTableWidget::itemSelectionChanged, this, [this] {
        const int i = parametros_->currentRow();
        separar_->setEnabled(i >= 0 && EhGrupo(p_.parametros[std::size_t(i)]));
    });
    MostraParametros();
    MostraRegioes();
    resize(520, 560);
}

void DialogoAjuste::MostraParametros() {
    parametros_->setRowCount(int(p_.parametros.size()));
    for (std::size_t i = 0; i < p_.parametros.size(); ++i) {
        const ParametroAjuste& k = p_.parametros[i];
        parametros_->setItem(int(i), 0, Celula(TraduzNucleo(k.Nome())));
        parametros_->setItem(int(i), 1, Celula(ComUnidade(k, k.Valor, u_)));
        auto* marca = new QTableWidgetItem;
        marca->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        marca->setCheckState(k.Ajustar ? Qt::Checked : Qt::Unchecked);
        parametros_->setItem(int(i), 2, marca);
    }
    separar_->setEnabled(false);
}

void DialogoAjuste::MostraRegioes() {
    regioes_->clear();
    for (const RegiaoPpm& r : p_.regioes)
        regioes_->addItem(
            tr("%1 a %2 ppm")
                .arg(Q(FormataFixo(r.Min, 3, u_.SepDec)), Q(FormataFixo(r.Max, 3, u_.SepDec))));
    removerRegiao_->setEnabled(!p_.regioes.empty());
    iniciar_->setEnabled(!p_.regioes.empty());
    emit RegioesMudaram(p_.regioes);
}

void DialogoAjuste::LeMarcas() {
    for (std::size_t i = 0; i < p_.parametros.size(); ++i)
        p_.parametros[i].Ajustar = parametros_->item(int(i), 2)->checkState() == Qt::Checked;
}

ProblemaAjuste DialogoAjuste::Problema() const {
    ProblemaAjuste p = p_;
    for (std::size_t i = 0; i < p.parametros.size(); ++i)
        p.parametros[i].Ajustar = parametros_->item(int(i), 2)->checkState() == Qt::Checked;
    return p;
}

void DialogoAjuste::Separa() {
    LeMarcas();
    SeparaGrupo(p_.parametros, std::size_t(std::max(0, parametros_->currentRow())));
    MostraParametros();
}

void DialogoAjuste::AcrescentaRegiao(double ppmMin, double ppmMax) {
    ::AcrescentaRegiao(p_.regioes, {ppmMin, ppmMax});
    MostraRegioes();
}

void DialogoAjuste::RemoveRegiao() {
    const int i = regioes_->currentRow();
    if (i < 0 || std::size_t(i) >= p_.regioes.size()) return;
    p_.regioes.erase(p_.regioes.begin() + i);
    MostraRegioes();
}

DialogoResultadoAjuste::DialogoResultadoAjuste(const ResultadoAjuste& r,
                                               const std::vector<ParametroAjuste>& inicio,
                                               const UnidadeAjuste& u, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(tr("Resultado do ajuste"));
    tabela_ = Tabela({tr("Parâmetro"), tr("Valor"), tr("Mudança")}, this);
    tabela_->setRowCount(int(r.parametros.size()));
    for (std::size_t i = 0; i < r.parametros.size(); ++i) {
        const ParametroAjuste& k = r.parametros[i];
        const double antes = i < inicio.size() ? inicio[i].Valor : k.Valor;
        QString valor = ComUnidade(k, k.Valor, u);
        if (k.Ajustar)
            valor = Q(TextoValor(k, k.Valor, u)) + QStringLiteral(" ± ") + ComUnidade(k, k.Erro, u);
        const double mudanca = k.Valor - antes;
        const QString sinal = mudanca > 0 ? QStringLiteral("+") : QString();
        tabela_->setItem(int(i), 0, Celula(TraduzNucleo(k.Nome())));
        tabela_->setItem(int(i), 1, Celula(valor));
        tabela_->setItem(int(i), 2,
                         Celula(k.Ajustar ? sinal + ComUnidade(k, mudanca, u) : tr("fixo")));
    }
    QString resumo = tr("Resíduo: RMS %1 % em %2 iterações")
                         .arg(Q(FormataFixo(r.RmsPorcento, 2, u.SepDec)))
                         .arg(r.Iteracoes);
    for (const std::string& a : r.Avisos) resumo += QStringLiteral("\n") + TraduzNucleo(a);
    auto* texto = new QLabel(resumo, this);
    texto->setWordWrap(true);

    aplicar_ = new QPushButton(tr("Aplicar"), this);
    descartar_ = new QPushButton(tr("Descartar"), this);
    aplicar_->setDefault(true);
    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(aplicar_);
    botoes->addWidget(descartar_);
    auto* l = new QVBoxLayout(this);
    l->addWidget(tabela_);
    l->addWidget(texto);
    l->addLayout(botoes);
    connect(aplicar_, &QPushButton::clicked, this, &QDialog::accept);
    connect(descartar_, &QPushButton::clicked, this, &QDialog::reject);
    resize(560, 460);
}
