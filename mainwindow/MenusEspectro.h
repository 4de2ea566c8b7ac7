#pragma once
// The spectrum window's menus in the frame's menu bar, and the commands that
// live only there: the preview and the title, "Comparar curvas", the
// first-order spectrum. The picture's commands are FiguraEspectro's.

#include "display/EstadoGrafico.h"
#include "estado/EstadoSpin.h"

#include <QObject>
#include <QString>

#include <optional>

#include <string>

struct AcoesEspectro;
class AjusteEspectro;
class AreaGrafico;
class ArquivoEspectro;
class ExecucaoEspectro;
class FiguraEspectro;
class JcampEspectro;
class OpcoesEspectro;
class PainelEntrada;
class PainelTempos;
class TabelaResultadosWidget;
class QMenu;
class QMenuBar;
class QWidget;

// What the menu commands reach.
struct PecasMenus {
    const EstadoSpin& estado;
    EstadoGrafico& g;
    OpcoesGrafico& o;
    AcoesEspectro& acoes; // filled here
    PainelEntrada& entrada;
    OpcoesEspectro& opcoes;
    ExecucaoEspectro& execucao;
    ArquivoEspectro& arquivo;
    JcampEspectro& jcamp;
    AjusteEspectro& ajuste;
    FiguraEspectro& figura;
    AreaGrafico& areaGrafico;
    TabelaResultadosWidget& tabelaResultados;
    PainelTempos& painelTempos;
};

class MenusEspectro : public QObject {
    Q_OBJECT

  public:
    MenusEspectro(const PecasMenus& p, QMenuBar* barra, QWidget* janela);

    // The title box of the plot.
    void EditaTitulo();
    void MostraTitulo(const std::string& titulo);

  signals:
    // "Janela" > "Matrizes".
    void MatrizesPedidas();
    // The user gave the spectrum a new title.
    void TituloEditado();

  private:
    void CriaMenus(QMenuBar* barra);
    void MenuExemplos(QMenu* exemplos);
    void AlternaCompararCurvas();
    void AlternaPrimeiraOrdem();
    void AlternaVisualizacao();
    void CopiaTabela();

    // What "Comparar curvas" replaced with its one proton, given back when
    // it is unticked.
    struct AntesDaComparacao {
        QString NProt;
        int mistura = 50;
        bool envolvente = true;
    };
    void DevolveSistema();

    std::optional<AntesDaComparacao> antesDaComparacao_;
    QWidget* janela_;
    const EstadoSpin& e_;
    EstadoGrafico& g_;
    OpcoesGrafico& o_;
    AcoesEspectro& acoes_;
    PainelEntrada& entrada_;
    OpcoesEspectro& opcoes_;
    ExecucaoEspectro& execucao_;
    ArquivoEspectro& arquivo_;
    JcampEspectro& jcamp_;
    AjusteEspectro& ajuste_;
    FiguraEspectro& figura_;
    AreaGrafico& areaGrafico_;
    TabelaResultadosWidget& tabelaResultados_;
    PainelTempos& painelTempos_;
};
