#pragma once
// The fit in the window ("Janela" > "Ajustar ao Espectro Experimental...",
// "Editar" > "Desfazer ajuste"): the problem taken from the last run's boxes,
// the width, the mix and the overlay; the fit off the window's thread with
// its progress, while runs wait; the outcome applied to the boxes and run as
// a typed system, with the residual on the plot until the system is run
// otherwise; the boxes before the last applied fit brought back.

#include "ajuste/Ajuste.h"
#include "display/EstadoGrafico.h"
#include "mainwindow/DialogoAjuste.h"
#include "mainwindow/EdicaoAjuste.h"
#include "run/LeituraEntrada.h"

#include <QObject>
#include <QPointer>
#include <QProgressDialog>
#include <QString>
#include <QStringList>

#include <optional>

class AreaGrafico;
class ExecucaoEspectro;
class PainelEntrada;
class TrabalhoAjuste;
class QWidget;

struct PecasAjuste {
    EstadoGrafico& g;
    const OpcoesGrafico& o;
    PainelEntrada& entrada;
    ExecucaoEspectro& execucao;
    AreaGrafico& areaGrafico;
    char SepDec;
};

class AjusteEspectro : public QObject {
    Q_OBJECT

  public:
    AjusteEspectro(const PecasAjuste& p, QWidget* janela);
    ~AjusteEspectro() override;

    // Opens the dialog on the window's inputs; needs a measured spectrum.
    void Abre();
    void Desfaz();
    bool PodeDesfazer() const { return bool(antes_); }
    bool Ajustando() const;

    // For the tests: the open dialogs, none when closed.
    DialogoAjuste* Dialogo() const { return dialogo_; }
    QProgressDialog* Progresso() const { return progresso_; }
    DialogoResultadoAjuste* Resultado() const { return resultado_; }

  public slots:
    // A run was accepted: one that is not the applied fit's own ends its
    // residual and makes an open dialog's problem stale.
    void ResultadosNovos();
    // The overlay was replaced, shifted or removed.
    void SobreposicaoEditada();

  private:
    std::optional<ProblemaAjuste> Problema();
    void Inicia();
    void MostraProgresso(const ProgressoAjuste& k);
    void Terminou();
    void Aplica(const ResultadoAjuste& r);
    void EscreveCaixas(const ResultadoAjuste& r);
    void DevolveCaixas();
    void FechaDialogo();
    // The boxes a residual stands for.
    QString Assinatura() const;

    // The boxes before an applied fit, as they showed: a shift box that
    // stands for a whole value after a switch of unit does so again.
    struct Caixas {
        bool PPM = false;
        int N = 0;
        QStringList desloc, J; // J(1,2), J(1,3), ..., J(N-1,N)
        QString largura;
    };
    Caixas CaixasAtuais() const;

    QWidget* janela_;
    EstadoGrafico& g_;
    const OpcoesGrafico& o_;
    PainelEntrada& entrada_;
    ExecucaoEspectro& execucao_;
    AreaGrafico& areaGrafico_;
    char SepDec_;
    TrabalhoAjuste* trabalho_;
    QPointer<DialogoAjuste> dialogo_;
    QPointer<QProgressDialog> progresso_;
    QPointer<DialogoResultadoAjuste> resultado_;
    ProblemaAjuste problema_; // the one being fitted
    UnidadeAjuste unidade_;
    std::optional<Caixas> antes_;
    QString assinaturaAjustada_;
    bool aplicando_ = false;
};
