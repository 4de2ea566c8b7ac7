#pragma once
// The timing panel: the stage times of the last run in its table, shown as a
// wait notice during long runs (two messages) or on request (a "Fechar"
// button), with a raised border.

#include <QFrame>

#include <QString>

#include <string_view>
#include <vector>

class FlexGrid;
class QLabel;
class QPushButton;

class PainelTempos : public QFrame {
    Q_OBJECT

  public:
    explicit PainelTempos(QWidget* parent = nullptr);

    // The empty table with its headers.
    void PreparaTabela();
    // The rows of the last run, kept while a new one may be refused.
    void GuardaLinhas();
    void RestauraLinhas();
    void InicioEtapa(int linha, std::string_view nome);
    void FimEtapa(int linha, double segundos, double total, char SepDec);

    // The wait notice of a long run.
    void MostraEspera();
    // "Tempo consumido em cada operação": shows the panel with "Fechar", or
    // hides it when shown.
    void Alterna();

    FlexGrid* tabelaTempos() const { return tabelaTempos_; }
    QLabel* rotuloCalculando() const { return rotuloCalculando_; }
    QLabel* rotuloAguarde() const { return rotuloAguarde_; }
    QPushButton* botaoFechar() const { return botaoFechar_; }

  private:
    void Mensagens(bool visiveis);

    QLabel* rotuloCalculando_;
    FlexGrid* tabelaTempos_;
    std::vector<QString> guardadas_;
    QLabel* rotuloAguarde_;
    QPushButton* botaoFechar_;
};
