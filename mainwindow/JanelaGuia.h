#pragma once
// "Ajuda" > "Guia do Halvora": the guide's pages, compiled into the program
// from guia/, in a window of their own that stays open beside the spectrum.

#include <QUrl>
#include <QWidget>

class QPushButton;
class QTextBrowser;

class JanelaGuia : public QWidget {
    Q_OBJECT

  public:
    explicit JanelaGuia(QWidget* parent = nullptr);

    // The index page, where the guide opens.
    static QUrl Indice();
    QTextBrowser* navegador() const { return navegador_; }

  private:
    QTextBrowser* navegador_;
    QPushButton* botaoVoltar_;
    QPushButton* botaoAvancar_;
};
