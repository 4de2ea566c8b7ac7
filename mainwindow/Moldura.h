#pragma once
// The frame window: the menu bar and status bar around the main window,
// the caption with the data file's name, the guide, the about box and the
// exit prompt.

#include "mainwindow/EstadosPrograma.h"

#include <QMainWindow>

#include <optional>

class JanelaEspectro;
class BarraEstado;
class JanelaGuia;
class QMenu;

class Moldura : public QMainWindow {
    Q_OBJECT

  public:
    // larguraTela: the screen width the layout is made for, in pixels; the
    // screen's own unless given.
    explicit Moldura(EstadosPrograma& estados, std::optional<int> larguraTela = std::nullopt,
                     QWidget* parent = nullptr);
    ~Moldura() override;

    JanelaEspectro* janela() const { return janela_; }
    BarraEstado* barraEstado() const { return barraEstado_; }
    const EstadoSpin& Estado() const { return estados_.estado; }
    void MostraSobre();
    // One guide, kept when closed so that it reopens where the user left it.
    void MostraGuia();
    JanelaGuia* guia() const { return guia_; }
    // The window's start-up system and first run, once whatever listens to
    // the window is connected.
    void Inicia();

  protected:
    void closeEvent(QCloseEvent* ev) override;

  private:
    void CriaMenuIdioma(QMenu& menu);

    EstadosPrograma& estados_;
    BarraEstado* barraEstado_;
    JanelaEspectro* janela_;
    JanelaGuia* guia_ = nullptr;
};
