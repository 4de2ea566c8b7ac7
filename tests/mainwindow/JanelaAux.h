#pragma once
// The whole frame window for the GUI tests: the locale it is built under,
// its modal dialogs answered from the event loop, and texts in either
// decimal form.

#include "GuardaModal.h"
#include "Menus.h"
#include "display/AreaGrafico.h"
#include "mainwindow/ArquivoEspectro.h"
#include "mainwindow/BarraEstado.h"
#include "mainwindow/ExecucaoEspectro.h"
#include "mainwindow/GradeAcoplamentos.h"
#include "mainwindow/JanelaEspectro.h"
#include "mainwindow/MenusEspectro.h"
#include "mainwindow/Moldura.h"
#include "mainwindow/OpcoesEspectro.h"
#include "mainwindow/PainelEntrada.h"
#include "mainwindow/TabelaResultadosWidget.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSlider>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <vector>

namespace aux {

// The default locale for the life of the object: ',' Brazilian Portuguese,
// '.' the C locale.
class Local {
  public:
    explicit Local(char sep) : antes_(QLocale()), sep_(sep) {
        QLocale::setDefault(sep == ',' ? QLocale(QLocale::Portuguese, QLocale::Brazil)
                                       : QLocale::c());
    }
    ~Local() { QLocale::setDefault(antes_); }
    Local(const Local&) = delete;
    Local& operator=(const Local&) = delete;
    // s written with ',' as it reads under this locale.
    QString operator()(QString s) const { return s.replace(',', QChar(sep_)); }

  private:
    QLocale antes_;
    char sep_;
};

// Answers every modal dialog that opens while it lives: records its title
// and text, then presses `botao` of a message box or gives an input box
// `resposta` (a dialog without that button or answer is rejected). The
// watcher of unexpected dialogs keeps off while one lives.
class Modal {
  public:
    explicit Modal(QMessageBox::StandardButton botao = QMessageBox::NoButton) : botao_(botao) {
        Arma();
    }
    explicit Modal(const QString& resposta) : resposta_(resposta) { Arma(); }
    int vezes() const { return int(titulos.size()); }
    QStringList titulos, textos;

  private:
    void Arma() {
        QObject::connect(&timer_, &QTimer::timeout, [this] { Responde(); });
        timer_.start(0);
    }
    void Responde() {
        auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!d || !d->isVisible()) return;
        titulos << d->windowTitle();
        auto* m = qobject_cast<QMessageBox*>(d);
        auto* e = qobject_cast<QInputDialog*>(d);
        textos << (m ? m->text() : e ? e->labelText() : QString());
        if (QAbstractButton* b = m ? m->button(botao_) : nullptr) {
            b->click();
        } else if (e && resposta_) {
            e->setTextValue(*resposta_);
            e->accept();
        } else {
            d->reject();
        }
    }

    guarda::Respondedor registro_;
    QMessageBox::StandardButton botao_ = QMessageBox::NoButton;
    std::optional<QString> resposta_;
    QTimer timer_;
};

// Enter in a box or on a button.
inline void Enter(QWidget* w) {
    QTest::keyClick(w, Qt::Key_Return);
}

// Types s into box t in place of its text.
inline void Digita(QLineEdit* t, const QString& s) {
    t->clear();
    QTest::keyClicks(t, s);
}

// Types s into box t in place of its text at once, and presses Enter.
inline void Escreve(QLineEdit* t, const QString& s) {
    t->setText(s);
    Enter(t);
}

// A file's bytes, empty when it cannot be read.
inline QByteArray Le(const QString& caminho) {
    QFile f(caminho);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// `bytes` written to `caminho`, which is given back.
inline QString GravaBytes(const QString& caminho, const QByteArray& bytes) {
    QFile f(caminho);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
    return caminho;
}

// A measured spectrum with a frequency of its own (400.13 MHz).
inline const QString Affn = QStringLiteral(HALVORA_ESPECTROS "/affn.dx");

// The frame as the program starts it, on a screen `largura` pixels wide.
struct Tela {
    EstadosPrograma estados;
    Moldura w;
    JanelaEspectro& f;
    explicit Tela(int largura = 1280) : w(estados, largura), f(*w.janela()) { w.Inicia(); }
    QString Painel(int i) const { return w.barraEstado()->Painel(i)->text(); }
    // Shows the window and gives it the keyboard.
    void Mostra() {
        w.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
        w.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    }
    // The window resized, and the plot's layout settled at the new size.
    void Redimensiona(int largura, int altura) {
        w.resize(largura, altura);
        // The new size comes back through the event queue, and the plot's
        // layout then waits for the coalescing timer; a loaded machine may
        // take a while.
        const QSize esperado = QSize(largura, altura).expandedTo(w.minimumSize());
        ASSERT_TRUE(QTest::qWaitFor([&] { return w.size() == esperado; }));
        QCoreApplication::sendPostedEvents();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !f.AjusteDoGraficoPendente(); }));
    }
    // The bar's menu with that caption, as the user opens it.
    QMenu* AbreMenu(const QString& legenda) {
        QMenu* m = menus::Submenu(w.menuBar()->actions(), legenda);
        if (m) emit m->aboutToShow();
        return m;
    }
    // `jdx` laid under the simulation, the file's frequency declined.
    void SobrepoeExperimental(const QString& jdx = Affn) {
        auto antes = f.Dialogos().EscolheArquivo;
        f.Dialogos().EscolheArquivo = [jdx](bool) { return jdx; };
        const Modal nao(QMessageBox::No);
        f.Acoes().espectroExperimental->trigger();
        f.Dialogos().EscolheArquivo = antes;
    }
    std::vector<double> Freqs() const {
        std::vector<double> v;
        for (int b = 1; b <= f.Estado().NBandas; ++b) v.push_back(f.Estado().FreqBanda(b));
        return v;
    }
    // Every box of the input panel, in a fixed order.
    QStringList Caixas() const {
        QStringList s{f.Entrada().caixaNProt()->text(), f.Entrada().caixaFrequencia()->text(),
                      f.Entrada().caixaIntMin()->text(), f.Entrada().caixaLargura()->text()};
        for (int i = 1; i <= NProtMax; ++i)
            s << f.Entrada().caixaDesloc(i)->text() << f.Entrada().rotuloOutraUnidade(i)->text();
        for (int r = 1; r < NProtMax; ++r)
            for (int c = r + 1; c <= NProtMax; ++c)
                s << f.Entrada().Acoplamentos().caixaJ(r, c)->text();
        return s;
    }
};

// What a user must see of a layout: the main controls, the input boxes and
// their headings inside the window, none over another (a heading as wide as
// its text).
inline void ConfereLeiaute(JanelaEspectro& f) {
    PainelEntrada& p = f.Entrada();
    std::vector<QWidget*> controles = {f.tabelaResultados(),
                                       f.areaGrafico(),
                                       f.botaoTabela(),
                                       f.botaoExecutar(),
                                       f.botaoAmpliarV(),
                                       f.botaoReduzirV(),
                                       f.OpcoesDaJanela().quadroMistura(),
                                       p.rotuloCabecalho(),
                                       p.Acoplamentos().rotuloCabecalho()};
    for (int r = 1; r <= NProtMax; ++r) {
        controles.push_back(p.caixaDesloc(r));
        for (int c = r + 1; c <= NProtMax; ++c) controles.push_back(p.Acoplamentos().caixaJ(r, c));
    }
    std::erase_if(controles, [](QWidget* w) { return !w->isVisibleTo(w->window()); });
    // In the window's coordinates; twips rounded to pixels may share an edge,
    // as the compact layout's do.
    const auto ocupa = [&f](const QWidget* w) {
        QSize tamanho = w->size();
        if (const auto* l = qobject_cast<const QLabel*>(w))
            tamanho.setWidth(l->fontMetrics().horizontalAdvance(l->text()));
        return QRect(w->mapTo(&f, QPoint(0, 0)), tamanho);
    };
    for (std::size_t i = 0; i < controles.size(); ++i) {
        const std::string nome = controles[i]->metaObject()->className();
        EXPECT_TRUE(f.rect().contains(ocupa(controles[i]))) << nome;
        for (std::size_t k = i + 1; k < controles.size(); ++k)
            EXPECT_FALSE(ocupa(controles[i])
                             .adjusted(0, 0, -1, -1)
                             .intersects(ocupa(controles[k]).adjusted(0, 0, -1, -1)))
                << nome << " " << controles[k]->metaObject()->className();
    }
}

} // namespace aux
