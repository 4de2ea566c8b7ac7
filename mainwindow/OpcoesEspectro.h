#pragma once
// The display options of the main window: the frames "Cores" (with the band
// filter's "Mostrar Todas as Bandas"), "Envolvente" and the Gaussian and
// Lorentzian mix, kept in step with their twins in the menus.

#include "display/EstadoGrafico.h"

#include <QObject>

#include <functional>

struct AcoesEspectro;
class AreaGrafico;
class BarraEstado;
class PainelEntrada;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSlider;
class QWidget;

// What the options change besides their own controls.
struct PecasOpcoes {
    EstadoGrafico& g;
    OpcoesGrafico& o;
    const AcoesEspectro& acoes; // filled once the menus exist
    PainelEntrada& entrada;
    AreaGrafico& areaGrafico;
    BarraEstado& barra;
    std::function<bool()> tabelaAberta;
};

class OpcoesEspectro : public QObject {
    Q_OBJECT

  public:
    OpcoesEspectro(const PecasOpcoes& p, QWidget* janela);

    void EscolheColorido();
    void EscolheSemCores();
    // The "Histograma" menu: 0 "Colorido", 1 "Sem cores", 2 "Sem Histograma".
    void EscolheHistograma(int escolha);
    // "Com envolvente" / "Sem envolvente".
    void OpcaoEnvolvente(bool ligada);
    // A proton's colour button: only its bands are drawn.
    void FiltraProton(int i);
    // "Mostrar Todas as Bandas".
    void MostraTodasBandas();
    // The envelope's point count in the status bar.
    void AtualizaPainelPontos();

    QGroupBox* quadroCores() const { return quadroCores_; }
    QGroupBox* quadroEnvolvente() const { return quadroEnvolvente_; }
    QGroupBox* quadroMistura() const { return quadroMistura_; }
    QRadioButton* opcaoColorido() const { return opcaoColorido_; }
    QRadioButton* opcaoSemCores() const { return opcaoSemCores_; }
    QRadioButton* opcaoComEnvolvente() const { return opcaoComEnvolvente_; }
    QRadioButton* opcaoSemEnvolvente() const { return opcaoSemEnvolvente_; }
    QPushButton* botaoTodasBandas() const { return botaoTodasBandas_; }
    QSlider* controleMistura() const { return controleMistura_; }
    QLabel* rotuloMistura() const { return rotuloMistura_; }

  signals:
    // An option the data file stores changed.
    void Editado();

  private:
    void CriaQuadros();
    // The slider moves: the captions follow; released: the envelope is remixed.
    void MisturaMovida(int valor);
    void MisturaSolta();

    QWidget* janela_;
    EstadoGrafico& g_;
    OpcoesGrafico& o_;
    const AcoesEspectro& acoes_;
    PainelEntrada& entrada_;
    AreaGrafico& areaGrafico_;
    BarraEstado& barra_;
    std::function<bool()> tabelaAberta_;

    QGroupBox* quadroCores_ = nullptr;
    QGroupBox* quadroEnvolvente_ = nullptr;
    QGroupBox* quadroMistura_ = nullptr;
    QRadioButton* opcaoColorido_ = nullptr;
    QRadioButton* opcaoSemCores_ = nullptr;
    QRadioButton* opcaoComEnvolvente_ = nullptr;
    QRadioButton* opcaoSemEnvolvente_ = nullptr;
    QPushButton* botaoTodasBandas_ = nullptr;
    QSlider* controleMistura_ = nullptr;
    QLabel* rotuloMistura_ = nullptr;
};
