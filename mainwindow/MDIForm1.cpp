#include "mainwindow/MDIForm1.h"

#include "mainwindow/Form1.h"
#include "mainwindow/StatusBar1.h"
#include "mainwindow/frmAbout.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>

MDIForm1::MDIForm1(std::optional<int> larguraTela, QWidget* parent)
    : QMainWindow(parent), estado_(std::make_unique<EstadoSpin>()),
      trabalho_(std::make_unique<EstadoSpin>()), StatusBar1_(new StatusBar1(this)) {
    setWindowTitle(QStringLiteral("Halvora"));
    setStatusBar(StatusBar1_);
    Form1_ = new Form1(*estado_, *trabalho_, MolduraForm1{menuBar(), StatusBar1_, larguraTela});
    // On a screen smaller than the layout the window scrolls instead of
    // cutting the panel off.
    auto* rolagem = new QScrollArea(this);
    rolagem->setWidget(Form1_);
    rolagem->setWidgetResizable(true);
    rolagem->setFrameShape(QFrame::NoFrame);
    setCentralWidget(rolagem);

    QMenu* ajuda = menuBar()->addMenu(QStringLiteral("Ajuda"));
    connect(ajuda->addAction(QStringLiteral("Sobre o Programa Halvora")), &QAction::triggered, this,
            &MDIForm1::mnuSobre_Click);
    connect(Form1_, &Form1::ArquivoUsado, this, [this](const QString& nome) {
        setWindowTitle(QStringLiteral("Halvora-[%1]").arg(nome));
    });
}

MDIForm1::~MDIForm1() = default;

void MDIForm1::mnuSobre_Click() {
    auto* sobre = new frmAbout(this);
    sobre->setAttribute(Qt::WA_DeleteOnClose);
    sobre->show();
}

void MDIForm1::closeEvent(QCloseEvent* ev) {
    if (!Form1_->Form_QueryUnload()) {
        ev->ignore();
        return;
    }
    ev->accept();
    // Every other window (matrices, about box) goes with the frame.
    QApplication::closeAllWindows();
}
