#include "mainwindow/TabelaResultadosWidget.h"

#include "display/TraducaoNucleo.h"
#include "run/TabelaResultados.h"
#include "widgets/Ampulheta.h"

#include <QApplication>
#include <QClipboard>

#include <array>
#include <string>

namespace {

const QColor AzulRealce(0, 0, 255);
const QColor BrancoRealce(255, 255, 255);

} // namespace

TabelaResultadosWidget::TabelaResultadosWidget(char SepDec, QWidget* parent)
    : FlexGrid(parent), SepDec_(SepDec) {
    setCols(ColunasTabela);
    connect(this, &FlexGrid::mousePressedOnRow, this, &TabelaResultadosWidget::LinhaClicada);
}

void TabelaResultadosWidget::FlexPreenchBandas(const EstadoSpin& e) {
    bulkUpdate([&] {
        clear();
        LinhaRealcada_ = 0;
        for (int c = 0; c < ColunasTabela; ++c) {
            setColWidth(c, LarguraColunaTabela[c]);
            setTextMatrix(0, c, TraduzNucleo(CabecalhoTabela[c]));
            if (c <= 5) setColAlignment(c, Qt::AlignCenter);
        }
        QFont arial = font();
        arial.setFamily(QStringLiteral("Arial"));
        setColFont(1, arial);
        setColSymbol(4, true);
        setColSymbol(5, true);
        setRows(e.NBandas + 1);
        std::array<std::string, ColunasTabela> celulas;
        for (int b = 1; b <= e.NBandas; ++b) {
            for (int c = 0; c < ColunasTabela; ++c)
                celulas[std::size_t(c)] = TextoCelulaBanda(e, b, c, SepDec_);
            setRowTexts(b, celulas);
        }
        // Level numbers reach 1024 and "Níveis" outgrows its 800 twips.
        fitColsToText(0, ColunasTabela - 1);
    });
    show();
}

void TabelaResultadosWidget::Esvazia() {
    bulkUpdate([&] {
        clear();
        LinhaRealcada_ = 0;
        setRows(2);
    });
}

void TabelaResultadosWidget::CopiaTabela(const EstadoSpin& e) {
    const Ampulheta ampulheta;
    const std::string texto = TextoCopiaTabela(e, SepDec_, LetrasSpin::Gregas);
    QClipboard* cb = QApplication::clipboard();
    cb->clear();
    cb->setText(QString::fromStdString(texto));
}

void TabelaResultadosWidget::Fecha() {
    DesfazRealce();
    hide();
}

void TabelaResultadosWidget::Abre() {
    show();
}

void TabelaResultadosWidget::RestauraLinha() {
    if (LinhaRealcada_ == 0 || LinhaRealcada_ >= rows()) return;
    for (int c = 1; c <= 6; ++c) {
        setCellBackColor(LinhaRealcada_, c, CorFundoLinha_);
        setCellForeColor(LinhaRealcada_, c, CorTextoLinha_);
        setCellTextStyle(LinhaRealcada_, c, EstiloLinha_);
    }
}

void TabelaResultadosWidget::DesfazRealce() {
    RestauraLinha();
    LinhaRealcada_ = 0;
}

void TabelaResultadosWidget::LinhaClicada(int /*r*/, Qt::MouseButton botao) {
    if (botao == Qt::RightButton) return;
    if (podeMarcar_ && !podeMarcar_()) return;
    const Ampulheta ampulheta;
    const int r = selectedRow();
    if (r < 1) return;
    RestauraLinha();
    LinhaRealcada_ = r;
    CorFundoLinha_ = cellBackColor(r, 1);
    CorTextoLinha_ = cellForeColor(r, 1);
    EstiloLinha_ = cellTextStyle(r, 1);
    for (int c = 1; c <= 6; ++c) {
        setCellBackColor(r, c, AzulRealce);
        setCellForeColor(r, c, BrancoRealce);
        setCellTextStyle(r, c, Normal);
    }
    emit BandaClicada(r);
}

void TabelaResultadosWidget::EscolheBanda(int banda) {
    if (banda < 1 || banda >= rows()) return;
    setTopRow(banda);
    selectRow(banda);
    LinhaClicada(banda, Qt::LeftButton);
}
