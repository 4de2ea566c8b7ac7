#include "mainwindow/PainelTempos.h"

#include "display/TraducaoNucleo.h"
#include "run/TabelaTempos.h"
#include "widgets/FlexGrid.h"
#include "widgets/Twips.h"

#include <QLabel>
#include <QPushButton>

PainelTempos::PainelTempos(QWidget* parent)
    : QFrame(parent), rotuloCalculando_(new QLabel(tr("Calculando, aguarde..."), this)),
      tabelaTempos_(new FlexGrid(this)),
      rotuloAguarde_(new QLabel(
          tr("Isto leva menos de um segundo (alguns segundos num computador lento)."), this)),
      botaoFechar_(new QPushButton(tr("Fechar"), this)) {
    setAutoFillBackground(true);
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(2);
    ColocaTwips(rotuloCalculando_, 360, 120, 1695, 255);
    ColocaTwips(tabelaTempos_, 1220, 480, 3905, 2025);
    ColocaTwips(rotuloAguarde_, 1283, 2760, 3810, 390);
    ColocaTwips(botaoFechar_, 2700, 2820, 975, 375);
    rotuloAguarde_->setWordWrap(true);
    tabelaTempos_->setRows(7);
    tabelaTempos_->setCols(3);
    PreparaTabela();
    connect(botaoFechar_, &QPushButton::clicked, this, &QWidget::hide);
    hide();
}

void PainelTempos::PreparaTabela() {
    FlexGrid& g = *tabelaTempos_;
    g.clear();
    g.setColWidth(0, 2000);
    g.setColWidth(1, 900);
    g.setColWidth(2, 900);
    g.setColAlignment(1, Qt::AlignCenter);
    g.setColAlignment(2, Qt::AlignCenter);
    g.setRowHeight(0, 500);
    g.setTextMatrix(0, 1, TraduzNucleo(CabecalhoTempoEtapa));
    g.setTextMatrix(0, 2, TraduzNucleo(CabecalhoTempoTotal));
    // Two lines of header in the narrow columns.
    g.setCellAlignment(0, 1, Qt::Alignment(Qt::AlignCenter | Qt::TextWordWrap));
    g.setCellAlignment(0, 2, Qt::Alignment(Qt::AlignCenter | Qt::TextWordWrap));
}

void PainelTempos::GuardaLinhas() {
    guardadas_.clear();
    for (int r = 1; r < tabelaTempos_->rows(); ++r)
        for (int c = 0; c < tabelaTempos_->cols(); ++c)
            guardadas_.push_back(tabelaTempos_->textMatrix(r, c));
}

void PainelTempos::RestauraLinhas() {
    std::size_t k = 0;
    for (int r = 1; r < tabelaTempos_->rows(); ++r)
        for (int c = 0; c < tabelaTempos_->cols() && k < guardadas_.size(); ++c)
            tabelaTempos_->setTextMatrix(r, c, guardadas_[k++]);
}

void PainelTempos::InicioEtapa(int linha, std::string_view nome) {
    tabelaTempos_->setTextMatrix(linha, 0, TraduzNucleo(nome));
}

void PainelTempos::FimEtapa(int linha, double segundos, double total, char SepDec) {
    tabelaTempos_->setTextMatrix(linha, 1, TextoSegundos(segundos, SepDec));
    tabelaTempos_->setTextMatrix(linha, 2, TextoSegundos(total, SepDec));
}

void PainelTempos::MostraEspera() {
    Mensagens(true);
    show();
    raise();
}

void PainelTempos::Alterna() {
    if (isVisible()) {
        hide();
        return;
    }
    Mensagens(false);
    show();
    raise();
}

void PainelTempos::Mensagens(bool visiveis) {
    rotuloCalculando_->setVisible(visiveis);
    rotuloAguarde_->setVisible(visiveis);
    botaoFechar_->setVisible(!visiveis);
}
