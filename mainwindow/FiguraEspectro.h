#pragma once
// The copy picture out of the window: the clipboard copies (which also
// record CurPic.svg), "Salvar Figura..." in SVG, PNG or PDF, printing and
// its preview.

#include "display/EstadoGrafico.h"
#include "display/Figura.h"
#include "estado/EstadoSpin.h"
#include "mainwindow/DialogoTamanho.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

class AreaGrafico;
class DialogosArquivo;
class QPrinter;
class QStatusBar;
class QWidget;

struct PecasFigura {
    const EstadoSpin& estado;
    EstadoGrafico& g;
    const OpcoesGrafico& o;
    AreaGrafico& areaGrafico;
    DialogosArquivo& dialogos;
    QStatusBar& barra;
};

class FiguraEspectro : public QObject {
    Q_OBJECT

  public:
    FiguraEspectro(const PecasFigura& p, QWidget* janela);
    ~FiguraEspectro() override;

    // "Copiar (Colorido)" / "Copiar (Branco e Preto)".
    void Copia(bool pretoEBranco);
    void Salva();
    void Imprime();
    void VisualizaImpressao();

    // The picture on the printer's page; false (and a message) when the
    // printer cannot be started.
    bool ImprimeEm(QPrinter& impressora);
    // Kept for the session, so that the next print starts from the user's
    // last choices; landscape until the user says otherwise.
    QPrinter& Impressora();
    // What saving and printing draw.
    bool PretoEBranco() const;
    // The layout of a saved picture: the window's plot, or the width chosen
    // with the window's proportions.
    MedidaFigura MedidaSalva(const EscolhaTamanho& escolha) const;

    // Tests put their own answer to the size question here; nothing is a
    // cancel.
    std::function<std::optional<EscolhaTamanho>()> EscolheTamanho;

  private:
    std::optional<EscolhaTamanho> PerguntaTamanho();

    QWidget* janela_;
    const EstadoSpin& e_;
    EstadoGrafico& g_;
    const OpcoesGrafico& o_;
    AreaGrafico& areaGrafico_;
    DialogosArquivo& dialogos_;
    QStatusBar& barra_;
    bool ultimaCopiaBP_ = false;
    EscolhaTamanho tamanho_; // the last answer, offered again
    std::unique_ptr<QPrinter> impressora_;
};

// The format of a saved picture: the name's extension, else the dialog's
// filter, else SVG.
FormatoFigura FormatoEscolhido(const QString& caminho, const QString& filtro);
