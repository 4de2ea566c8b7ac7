#pragma once
// JCAMP-DX in the window: a measured spectrum laid under the simulation
// ("Janela" > "Espectro Experimental", and its removal) and the simulated
// spectrum exported for other NMR programs ("Arquivo" > "Exportar Espectro
// (JCAMP-DX)...").

#include "display/EstadoGrafico.h"
#include "estado/EstadoSpin.h"
#include "formatos/JcampDx.h"

#include <QObject>
#include <QString>

#include <optional>

class AreaGrafico;
class DialogosArquivo;
class ExecucaoEspectro;
class PainelEntrada;
class QStatusBar;
class QWidget;

struct PecasJcamp {
    const EstadoSpin& estado;
    EstadoGrafico& g;
    const OpcoesGrafico& o;
    PainelEntrada& entrada;
    ExecucaoEspectro& execucao;
    AreaGrafico& areaGrafico;
    DialogosArquivo& dialogos;
    QStatusBar& barra;
    char SepDec;
};

class JcampEspectro : public QObject {
    Q_OBJECT

  public:
    JcampEspectro(const PecasJcamp& p, QWidget* janela);

    void AbreExperimental();
    // The spectrum a data file names, shifted as it says, with no question
    // about its frequency (the file holds the one chosen). One that cannot
    // be read is told, and the system opens as under any other file.
    void AbreDoArquivo(const QString& caminho, double referencia);
    void RemoveExperimental();
    // "Referência do Espectro Experimental...": the ppm added to every
    // measured point, asked for; a value that is no number or is out of
    // range is refused and nothing changes.
    void AjustaReferencia();
    // Another system was opened under the overlay: keep it (asking about the
    // frequency again) or remove it.
    void SistemaAberto();
    void Exporta();
    bool TemExperimental() const { return bool(g_.Experimental.espectro); }

  signals:
    // The frequency box took the measured spectrum's frequency.
    void FrequenciaMudada();
    // The user laid a spectrum under, removed it, kept it under another
    // system or shifted it: the data file would name it otherwise.
    void SobreposicaoEditada();

  private:
    // The spectrum of `caminho` in place of the overlay; the failed reading
    // when it cannot be read.
    std::optional<LeituraJcamp> Le(const QString& caminho);
    void Retira();
    // One question when the run's frequency is more than 1 % away from the
    // file's; "Sim" switches the shifts to ppm, sets the box and runs.
    void ConfereFrequencia(const EspectroExperimental& x);

    QWidget* janela_;
    const EstadoSpin& e_;
    EstadoGrafico& g_;
    const OpcoesGrafico& o_;
    PainelEntrada& entrada_;
    ExecucaoEspectro& execucao_;
    AreaGrafico& areaGrafico_;
    DialogosArquivo& dialogos_;
    QStatusBar& barra_;
    char SepDec_;
};
