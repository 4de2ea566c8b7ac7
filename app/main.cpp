// Halvora: the teaching simulator of proton NMR spectra.

#include "app/LigaInspetor.h"
#include "mainwindow/Moldura.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QScreen>
#include <QStyleFactory>
#include <QTranslator>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("halvora"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QFont fonte(QStringLiteral("Arial"));
    fonte.setPointSizeF(8.25);
    QApplication::setFont(fonte);

    // The interface is Portuguese whatever the user's language: the dialog
    // buttons must read "Sim", "Não", "Cancelar".
    QTranslator traducao;
    if (traducao.load(QLocale(QLocale::Portuguese, QLocale::Brazil), QStringLiteral("qtbase"),
                      QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&traducao);

    // Declared first: every window refers to it until the last one is gone.
    EstadosPrograma estados;
    Moldura moldura(estados);
    LigaInspetor(moldura);
    moldura.Inicia();
    // Without a window manager "maximised" means nothing: take the screen.
    if (const QScreen* tela = QGuiApplication::primaryScreen())
        moldura.resize(tela->availableGeometry().size());
    moldura.showMaximized();
    return QApplication::exec();
}
