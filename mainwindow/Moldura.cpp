#include "mainwindow/Moldura.h"

#include "mainwindow/BarraEstado.h"
#include "mainwindow/JanelaEspectro.h"
#include "mainwindow/JanelaGuia.h"
#include "mainwindow/JanelaSobre.h"
#include "widgets/Traducao.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QScrollArea>
#include <QShortcut>

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

    QMenu* ajuda = menuBar()->addMenu(tr("Aj&uda"));
    QAction* guia = ajuda->addAction(tr("&Guia do Halvora"));
    guia->setShortcut(QKeySequence(Qt::Key_F1));
    // F1 from the matrix window too, not only from the frame.
    guia->setShortcutContext(Qt::ApplicationShortcut);
    connect(guia, &QAction::triggered, this, &Moldura::MostraGuia);
    connect(ajuda->addAction(tr("&Sobre o Programa Halvora")), &QAction::triggered, this,
            &Moldura::MostraSobre);
    CriaMenuIdioma(*ajuda->addMenu(tr("&Idioma")));
    // F10 opens the menus, as in other desktop programs, wherever the keyboard is.
    connect(new QShortcut(QKeySequence(Qt::Key_F10), this), &QShortcut::activated, this,
            [this] { menuBar()->setActiveAction(menuBar()->actions().constFirst()); });
    connect(janela_, &JanelaEspectro::ArquivoUsado, this, [this](const QString& nome) {
        setWindowTitle(QStringLiteral("Halvora-[%1]").arg(nome));
    });
}

Moldura::~Moldura() = default;

void Moldura::Inicia() {
    janela_->Inicia();
}

// Every window sets its texts as it is built, so the choice waits for the
// next start rather than leave half the program in the other language.
void Moldura::CriaMenuIdioma(QMenu& menu) {
    auto* grupo = new QActionGroup(&menu);
    const Idioma guardado = IdiomaGuardado();
    const std::pair<Idioma, QString> opcoes[] = {{Idioma::Portugues, QStringLiteral("&Português")},
                                                 {Idioma::Ingles, QStringLiteral("&English")},
                                                 {Idioma::Sistema, tr("Do &sistema")}};
    for (const auto& [idioma, legenda] : opcoes) {
        QAction* a = grupo->addAction(legenda);
        a->setCheckable(true);
        a->setChecked(idioma == guardado);
        menu.addAction(a);
        connect(a, &QAction::triggered, this, [this, idioma = idioma] {
            GuardaIdioma(idioma);
            QMessageBox::information(this, QStringLiteral("Halvora"),
                                     tr("O idioma escolhido vale a partir da próxima vez que "
                                        "o Halvora for aberto."));
        });
    }
}

void Moldura::MostraSobre() {
    auto* sobre = new JanelaSobre(this);
    sobre->setAttribute(Qt::WA_DeleteOnClose);
    sobre->show();
}

void Moldura::MostraGuia() {
    if (!guia_) guia_ = new JanelaGuia(this);
    guia_->show();
    guia_->raise();
    guia_->activateWindow();
}

void Moldura::closeEvent(QCloseEvent* ev) {
    if (!janela_->PodeFechar()) {
        ev->ignore();
        return;
    }
    ev->accept();
    // Every other window (matrices, guide, about box) goes with the frame.
    QApplication::closeAllWindows();
}
