#include "mainwindow/BarraEstado.h"

#include <QDateTime>
#include <QLabel>
#include <QLocale>

BarraEstado::BarraEstado(QWidget* parent) : QStatusBar(parent) {
    const char* const textos[NPaineis] = {QT_TR_NOOP("N° de pontos do gráfico:"),
                                          "963",
                                          "",
                                          QT_TR_NOOP("N° de bandas do espectro:"),
                                          "15763",
                                          "",
                                          QT_TR_NOOP("N° de picos da envolvente:"),
                                          "10000",
                                          QT_TR_NOOP("Data:"),
                                          "",
                                          QT_TR_NOOP("Hora:"),
                                          ""};
    for (int i = 0; i < NPaineis; ++i) {
        auto* l = new QLabel(tr(textos[i]), this);
        l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        l->setContentsMargins(4, 0, 4, 0);
        paineis_[std::size_t(i)] = l;
        // The spacers take what is left.
        addPermanentWidget(l, i == 2 || i == 5 ? 1 : 0);
    }
    // QStatusBar writes a message left of the first permanent widget, and
    // every panel is one: the message would get no room at all.
    mensagem_ = new QLabel(this);
    mensagem_->setAutoFillBackground(true);
    mensagem_->setContentsMargins(6, 0, 6, 0);
    mensagem_->hide();
    connect(this, &QStatusBar::messageChanged, this, &BarraEstado::MostraMensagem);
    AtualizaRelogio();
    connect(&relogio_, &QTimer::timeout, this, &BarraEstado::AtualizaRelogio);
    relogio_.start(1000);
}

void BarraEstado::MostraMensagem(const QString& texto) {
    mensagem_->setText(texto);
    PosicionaMensagem();
    mensagem_->setVisible(!texto.isEmpty());
    mensagem_->raise();
}

void BarraEstado::PosicionaMensagem() {
    const int data = Painel(9)->x();
    mensagem_->setGeometry(0, 0, data > 0 ? data - 2 : width(), height());
}

void BarraEstado::resizeEvent(QResizeEvent* ev) {
    QStatusBar::resizeEvent(ev);
    PosicionaMensagem();
}

void BarraEstado::AtualizaRelogio() {
    const QDateTime agora = QDateTime::currentDateTime();
    const QLocale local;
    Painel(10)->setText(local.toString(agora.date(), QLocale::ShortFormat));
    Painel(12)->setText(local.toString(agora.time(), QStringLiteral("HH:mm:ss")));
}
