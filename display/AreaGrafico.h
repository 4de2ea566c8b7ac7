#pragma once
// The plot area: the spectrum drawn by Grafico into an image of the plot's
// inner size, the controls that sit on it (scroll bar, readout, background
// swatches, title and mix captions, "Fixar Janela") and the mouse, scroll and
// zoom navigation. The window owns the states the widget works on; whatever
// belongs to other widgets (results table, menus, status bar, buttons of the
// input panel) is reported through the signals below.

#include "display/EstadoGrafico.h"
#include "estado/EstadoSpin.h"

#include <QFrame>
#include <QImage>
#include <QString>

#include <array>
#include <functional>
#include <optional>

class QLabel;
class QPushButton;
class QScrollBar;

class AreaGrafico : public QFrame {
    Q_OBJECT

  public:
    AreaGrafico(EstadoGrafico& g, OpcoesGrafico& o, const EstadoSpin& e, QWidget* parent = nullptr);

    // Inner drawing size and control positions of the wide or compact layout;
    // also sets EnvPontos and TelaPequena.
    void SetLayout(bool compacto);
    // The wide plot sized to the window's room: the inner size in twips,
    // never narrower than the wide layout's nor wider than EnvCapacidade
    // columns, never lower than AlturaMinima. Zoom, scroll, the selected band
    // and filters stay, and a fixed window keeps its Hz range and vertical
    // scale, stretched to the new size.
    void AmpliaPara(int SW, int SH);
    // The compact layout gives room to the coupling grid of large systems by
    // shortening the plot from the top; the inner width stays.
    void DefineAlturaExterna(int twips);
    // The background alone, while a run computes.
    void Limpa();
    int SW() const { return SW_; }
    int SH() const { return SH_; }
    // How far down the plot is seen, in twips: the scroll bar's top.
    int AlturaVisivel() const { return topoRolagem_; }

    // Full redraw. When the selected band lies out of view the scroll bar
    // moves to it, and its change redraws again.
    void Grafico();
    // "Restaurar": default zoom and scroll, no filter, no mark, no preview.
    void Restaurar();
    // Zoom buttons of the input panel (the horizontal ones rescale the
    // scroll offset too).
    void ZoomH(bool ampliar);
    void ZoomV(bool ampliar);
    // "Fixar Janela" / "Liberar Janela"; the data file reader calls it too.
    void AlternaFixarJanela();
    // The results table's row action: mark band b and bring it into view.
    void MarcaBanda(int banda);
    // Copies the spectrum (colour or black and white) to the clipboard
    // through the picture file. False when the file could not be recorded;
    // the clipboard is then left as it was.
    bool CopiaEspectro(bool pretoEBranco);
    // Enters or leaves the preview; returns whether it is now shown. The
    // window asks for a title before entering and sets the menu caption.
    bool AlternaVisualizacao();
    // "Com envolvente" / "Sem envolvente".
    void OpcaoEnvolvente(bool ligada);
    // The mix slider's position notifications: caption only, no redraw.
    void MudaMistura(int valor);
    // Gives the plot the keyboard, when it is shown.
    void FocoNoGrafico();
    // The title and mix captions from the options (Grafico does it too).
    void AtualizaRotulos();

    // While the fit's regions are chosen a drag names a ppm range
    // (FaixaArrastada) instead of zooming into it.
    void DefineEscolhaDeRegioes(bool sim) { escolhendoRegioes_ = sim; }

    // "The results table is visible"; by default, the table is open.
    void DefineTabelaVisivel(std::function<bool()> f) { tabelaVisivel_ = std::move(f); }
    // Where copies are recorded; ArqFigura() unless set.
    void DefineArqFigura(const QString& caminho) { arqFigura_ = caminho; }
    QString ArqFiguraAtual() const;

    const QImage& Imagem() const { return imagem_; }
    // Inner drawing area in widget coordinates.
    QRect AreaInterna() const { return contentsRect(); }

    QScrollBar* rolagem() const { return rolagem_; }
    QLabel* rotuloLeitura() const { return rotuloLeitura_; }
    QLabel* amostraFundo(int i) const { return amostraFundo_[std::size_t(i)]; }
    QLabel* rotuloTitulo() const { return rotuloTitulo_; }
    QLabel* rotuloMisturaGrafico() const { return rotuloMisturaGrafico_; }
    QPushButton* botaoFixarJanela() const { return botaoFixarJanela_; }

  signals:
    // Left click on the plot: the table shows row `banda` at its top,
    // selects it and runs its row action (MarcaBanda).
    void BandaEscolhida(int banda);
    // The highlighted table row regains its saved appearance and is forgotten.
    void DesfazRealce();
    // "Restaurar" ran (also through "Liberar Janela"): the band filter is
    // off, so "Mostrar Todas as Bandas" becomes unavailable.
    void Restaurado();
    // A swatch was chosen: CorFundo and CorProt[0] changed (botaoCorProton(0),
    // amostraCor(0)).
    void FundoMudou();
    // The window was fixed or released (horizontal zoom buttons).
    void JanelaFixada(bool fixa);
    void TituloClicado();
    // The preview was entered or left (menu caption).
    void VisualizacaoMudou(bool visualizando);
    // After every redraw (status bar: envelope peaks).
    void Redesenhado();
    // A drag while regions are chosen: the ppm range it spans.
    void FaixaArrastada(double ppmMin, double ppmMax);

  protected:
    void paintEvent(QPaintEvent* ev) override;
    void mouseMoveEvent(QMouseEvent* ev) override;
    void mousePressEvent(QMouseEvent* ev) override;
    void mouseReleaseEvent(QMouseEvent* ev) override;
    // A double click with the left button, or Escape, is "Restaurar";
    // Escape during a drag only drops it.
    void mouseDoubleClickEvent(QMouseEvent* ev) override;
    void keyPressEvent(QKeyEvent* ev) override;
    void wheelEvent(QWheelEvent* ev) override;
    bool eventFilter(QObject* obj, QEvent* ev) override;

  private:
    void DefineTamanho(int SW, int SH);
    void Rola(int valor);
    // The scroll bar's range, thumb and value for the zoom and width.
    void AjustaRolagem();
    void EscolheFundo(int i);
    void MostraRotulos();
    void EscondeRotulos();
    void SaiDaVisualizacao();
    // The cross-hair and the band pick are for the plot above the baseline.
    bool AcimaDaBase(double Y) const;
    void CursorPara(double Y);
    // The mouse may zoom: something is drawn and the window is not fixed
    // (whose zoom buttons are off).
    bool PodeAmpliar() const;
    // A left click at q (inner pixels): the nearest band is chosen.
    void Clique(QPoint q);
    // Inner pixels of a mouse event.
    QPoint NoInterior(const QMouseEvent* ev) const;

    EstadoGrafico& g_;
    OpcoesGrafico& o_;
    const EstadoSpin& e_;
    int SW_ = LarguraLarga, SH_ = AlturaLarga;
    int topoRolagem_ = AlturaLarga; // twips from the inner top
    QImage imagem_;
    // The left button is down: where it went down, and the pointer's x, in
    // inner pixels. Past a few pixels sideways it is a drag, which zooms
    // into the range it spans instead of clicking.
    struct Arrasto {
        QPoint inicio;
        int x;
        bool ativo;
    };
    std::optional<Arrasto> arrasto_;
    bool escolhendoRegioes_ = false;
    std::function<bool()> tabelaVisivel_;
    QString arqFigura_;

    QScrollBar* rolagem_;
    QLabel* rotuloLeitura_;
    std::array<QLabel*, 8> amostraFundo_{};
    QLabel* rotuloTitulo_;
    QLabel* rotuloMisturaGrafico_;
    QPushButton* botaoFixarJanela_;
};
