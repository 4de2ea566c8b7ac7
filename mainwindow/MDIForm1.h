#pragma once
// The frame window: the menu bar and status bar around the main window,
// the caption with the data file's name, the about box and the exit prompt.
// It owns the program's spin state.

#include "estado/EstadoSpin.h"

#include <QMainWindow>

#include <memory>
#include <optional>

class Form1;
class StatusBar1;

class MDIForm1 : public QMainWindow {
    Q_OBJECT

  public:
    // larguraTela: the screen width the layout is made for, in pixels; the
    // screen's own unless given.
    explicit MDIForm1(std::optional<int> larguraTela = std::nullopt, QWidget* parent = nullptr);
    ~MDIForm1() override;

    Form1* form1() const { return Form1_; }
    StatusBar1* statusBar1() const { return StatusBar1_; }
    EstadoSpin& Estado() { return *estado_; }
    void mnuSobre_Click();

  protected:
    void closeEvent(QCloseEvent* ev) override;

  private:
    std::unique_ptr<EstadoSpin> estado_, trabalho_;
    StatusBar1* StatusBar1_;
    Form1* Form1_;
};
