#include "mainwindow/Moldura.h"

#include "mainwindow/BarraEstado.h"
#include "mainwindow/JanelaEspectro.h"
#include "mainwindow/JanelaSobre.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>

Moldura::Moldura(EstadosPrograma& estados, std::optional<int> larguraTela, QWidget* parent)
    : QMainWindow(parent), estados_(estados), barraEstado_(new BarraEstado(this)) {
    setWindowTitle(QStringLiteral("Halvora"));
    setStatusBar(barraEstado_);
    janela_ = new JanelaEspectro(estados_, LigacaoMoldura{menuBar(), barraEstado_, larguraTela});
    // On a screen smaller than the layout the window scrolls instead of
    // cutting the panel off.
    auto* rolagem = new QScrollArea(this);
    rolagem->setWidget(janela_);
    rolagem->setWidgetResizable(true);
    rolagem->setFrameShape(QFrame::NoFrame);
    setCentralWidget(rolagem);

    QMenu* ajuda = menuBar()->addMenu(QStringLiteral("Ajuda"));
    connect(ajuda->addAction(QStringLiteral("Sobre o Programa Halvora")), &QAction::triggered, this,
            &Moldura::MostraSobre);
    connect(janela_, &JanelaEspectro::ArquivoUsado, this, [this](const QString& nome) {
        setWindowTitle(QStringLiteral("Halvora-[%1]").arg(nome));
    });
}

Moldura::~Moldura() = default;

void Moldura::Inicia() {
    janela_->Inicia();
}

void Moldura::MostraSobre() {
    auto* sobre = new JanelaSobre(this);
    sobre->setAttribute(Qt::WA_DeleteOnClose);
    sobre->show();
}

void Moldura::closeEvent(QCloseEvent* ev) {
    if (!janela_->PodeFechar()) {
        ev->ignore();
        return;
    }
    ev->accept();
    // Every other window (matrices, about box) goes with the frame.
    QApplication::closeAllWindows();
}
