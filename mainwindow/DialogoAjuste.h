#pragma once
// "Ajustar ao Espectro Experimental...": the fit's parameters (each with
// its value and "Ajustar"), their groups, which may be untied, and the
// regions the fit compares, which the plot shades; a drag on the plot adds
// one while the dialog is open. "Iniciar" asks for the fit of Problema().

#include "ajuste/Ajuste.h"
#include "mainwindow/EdicaoAjuste.h"

#include <QDialog>

class QListWidget;
class QPushButton;
class QTableWidget;

class DialogoAjuste : public QDialog {
    Q_OBJECT

  public:
    DialogoAjuste(ProblemaAjuste p, const UnidadeAjuste& u, QWidget* parent);

    // The problem as the dialog has it now, the check boxes read.
    ProblemaAjuste Problema() const;
    // The plot's drag: a region joined to those it meets.
    void AcrescentaRegiao(double ppmMin, double ppmMax);

    QTableWidget* tabelaParametros() const { return parametros_; }
    QListWidget* listaRegioes() const { return regioes_; }
    QPushButton* botaoSeparar() const { return separar_; }
    QPushButton* botaoRemoverRegiao() const { return removerRegiao_; }
    QPushButton* botaoIniciar() const { return iniciar_; }

  signals:
    void IniciarPedido();
    // The regions the plot shades.
    void RegioesMudaram(const std::vector<RegiaoPpm>& r);

  private:
    void MostraParametros();
    void MostraRegioes();
    void LeMarcas();
    void Separa();
    void RemoveRegiao();

    ProblemaAjuste p_;
    UnidadeAjuste u_;
    QTableWidget* parametros_;
    QListWidget* regioes_;
    QPushButton* separar_;
    QPushButton* removerRegiao_;
    QPushButton* iniciar_;
};

// The fit's outcome: each parameter's value ± error and its change from the
// start, the residual's RMS; "Aplicar" accepts, "Descartar" rejects.
class DialogoResultadoAjuste : public QDialog {
    Q_OBJECT

  public:
    DialogoResultadoAjuste(const ResultadoAjuste& r, const std::vector<ParametroAjuste>& inicio,
                           const UnidadeAjuste& u, QWidget* parent);

    QTableWidget* tabela() const { return tabela_; }
    QPushButton* botaoAplicar() const { return aplicar_; }
    QPushButton* botaoDescartar() const { return descartar_; }

  private:
    QTableWidget* tabela_;
    QPushButton* aplicar_;
    QPushButton* descartar_;
};
