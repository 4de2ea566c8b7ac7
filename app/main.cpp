// Halvora: the teaching simulator of proton NMR spectra.

#include "app/Inicio.h"
#include "app/LigaInspetor.h"
#include "mainwindow/Moldura.h"
#include "widgets/Traducao.h"

#include <QApplication>
#include <QIcon>
#include <QScreen>
#include <QStyleFactory>
#include <QTimer>

#include <iostream>

int main(int argc, char** argv) {
    if (const auto texto = TextoSemJanela(argc, argv)) {
        std::cout << *texto;
        return std::cout.flush() ? 0 : 2;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("halvora"));
    // The installed desktop entry and icon (none in the build tree).
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.halvora"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("halvora")));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QFont fonte(QStringLiteral("Arial"));
    fonte.setPointSizeF(8.25);
    QApplication::setFont(fonte);

    // Portuguese unless the user or an English desktop asks for English: in
    // Portuguese the dialog buttons read "Sim", "Não", "Cancelar".
    InstalaIdioma(IdiomaGuardado());

    // A file manager passes one name; a problem is told in the window, which
    // is all a user who did not start it from a terminal sees.
    const LinhaComando linha = LeLinhaComando(QApplication::arguments().mid(1));
    if (!linha.problema.isEmpty()) std::cerr << "halvora: " << linha.problema.toStdString() << "\n";

    // Declared first: every window refers to it until the last one is gone.
    EstadosPrograma estados;
    Moldura moldura(estados);
    LigaInspetor(moldura);
    moldura.Inicia();
    // Without a window manager "maximised" means nothing: take the screen.
    if (const QScreen* tela = QGuiApplication::primaryScreen())
        moldura.resize(tela->availableGeometry().size());
    moldura.showMaximized();
    // Once the window is up, so a message about the file has it behind.
    QTimer::singleShot(0, &moldura, [&moldura, &linha] { AbreNoInicio(moldura, linha); });
    return QApplication::exec();
}
