#include "mainwindow/JanelaGuia.h"

#include "widgets/Traducao.h"

#include <QFile>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QString EstiloGuia() {
    QFile f(QStringLiteral(":/guia/estilo.css"));
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

} // namespace

JanelaGuia::JanelaGuia(QWidget* parent)
    : QWidget(parent), navegador_(new QTextBrowser(this)),
      botaoVoltar_(new QPushButton(tr("◀ Voltar"), this)),
      botaoAvancar_(new QPushButton(tr("Avançar ▶"), this)) {
    setWindowFlag(Qt::Window);
    setWindowTitle(tr("Guia do Halvora"));
    auto* botaoIndice = new QPushButton(tr("Índice"), this);
    auto* botaoFechar = new QPushButton(tr("Fechar"), this);

    // The program's small interface font would make the pages hard to read.
    QFont fonte = navegador_->font();
    fonte.setPointSizeF(10);
    navegador_->setFont(fonte);
    // Set once: the document keeps it from page to page, so no page links a style sheet.
    navegador_->document()->setDefaultStyleSheet(EstiloGuia());
    navegador_->setOpenLinks(true);
    navegador_->setOpenExternalLinks(false);
    navegador_->setSource(Indice());

    botaoVoltar_->setEnabled(false);
    botaoAvancar_->setEnabled(false);
    connect(botaoVoltar_, &QPushButton::clicked, navegador_, &QTextBrowser::backward);
    connect(botaoAvancar_, &QPushButton::clicked, navegador_, &QTextBrowser::forward);
    connect(botaoIndice, &QPushButton::clicked, navegador_, &QTextBrowser::home);
    connect(botaoFechar, &QPushButton::clicked, this, &QWidget::close);
    connect(navegador_, &QTextBrowser::backwardAvailable, botaoVoltar_, &QWidget::setEnabled);
    connect(navegador_, &QTextBrowser::forwardAvailable, botaoAvancar_, &QWidget::setEnabled);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &QWidget::close);

    auto* botoes = new QHBoxLayout;
    for (QPushButton* b : {botaoVoltar_, botaoAvancar_, botaoIndice}) botoes->addWidget(b);
    botoes->addStretch();
    botoes->addWidget(botaoFechar);
    auto* tudo = new QVBoxLayout(this);
    tudo->addLayout(botoes);
    tudo->addWidget(navegador_);
    const QSize tela = screen()->availableGeometry().size();
    resize(std::min(820, tela.width()), std::min(680, tela.height()));
}

QUrl JanelaGuia::Indice() {
    return QUrl(QStringLiteral("qrc") + PastaGuia() + QStringLiteral("/index.html"));
}
