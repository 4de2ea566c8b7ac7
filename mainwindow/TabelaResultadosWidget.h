#pragma once
// The results table of the main window: one row per band of
// the last run, the highlight of the row the user clicked and the copy as
// text. The window wires it to the plot: BandaClicada to AreaGrafico::MarcaBanda,
// AreaGrafico::BandaEscolhida to EscolheBanda, AreaGrafico::DesfazRealce to
// DesfazRealce.

#include "estado/EstadoSpin.h"
#include "widgets/FlexGrid.h"

#include <functional>

class TabelaResultadosWidget : public FlexGrid {
    Q_OBJECT

  public:
    // SepDec: the decimal separator of the frequencies and intensities, in
    // the grid and in the copy.
    explicit TabelaResultadosWidget(char SepDec, QWidget* parent = nullptr);

    // Rebuilds the whole table from the bands of e and shows it.
    void FlexPreenchBandas(const EstadoSpin& e);
    // What a run leaves before it fills: no text, the header row and one
    // empty row, no highlight.
    void Esvazia();
    // "Copiar tabela de resultados": the table's text as plain text.
    void CopiaTabela(const EstadoSpin& e);
    // The table part of "Fechar tabela" / "Abrir tabela".
    void Fecha();
    void Abre();

    // The row action runs only while this holds (the plot shows its stick
    // lines and no copy preview); always, unless set.
    void DefinePodeMarcar(std::function<bool()> f) { podeMarcar_ = std::move(f); }

    int LinhaRealcada() const { return LinhaRealcada_; }

    // The row action: highlight the selected row and ask for its band to be marked.
    void LinhaClicada(int r, Qt::MouseButton botao);
    // The plot chose band `banda`: bring its row to the top, select it, run the row action.
    void EscolheBanda(int banda);
    // The highlighted row gets its saved look back and is forgotten.
    void DesfazRealce();

  signals:
    void BandaClicada(int banda);

  private:
    void RestauraLinha();

    char SepDec_;
    std::function<bool()> podeMarcar_;
    int LinhaRealcada_ = 0;
    QColor CorFundoLinha_, CorTextoLinha_;
    int EstiloLinha_ = Normal;
};
