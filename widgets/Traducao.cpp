#include "widgets/Traducao.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

#include <memory>

namespace {

Idioma instalado = Idioma::Portugues;

QSettings Configuracao() {
    return QSettings(QStringLiteral("halvora"), QStringLiteral("halvora"));
}
const QString ChaveIdioma = QStringLiteral("idioma");

// Owned here: a translator must live as long as it is installed.
std::unique_ptr<QTranslator>& Programa() {
    static std::unique_ptr<QTranslator> t;
    return t;
}
std::unique_ptr<QTranslator>& DoQt() {
    static std::unique_ptr<QTranslator> t;
    return t;
}

void Remove(std::unique_ptr<QTranslator>& t) {
    if (t) QCoreApplication::removeTranslator(t.get());
    t.reset();
}

bool Instala(std::unique_ptr<QTranslator>& t, const QLocale& local, const QString& nome,
             const QString& pasta) {
    t = std::make_unique<QTranslator>();
    if (!t->load(local, nome, QStringLiteral("_"), pasta)) {
        t.reset();
        return false;
    }
    QCoreApplication::installTranslator(t.get());
    return true;
}

} // namespace

Idioma IdiomaDaLista(const QStringList& linguas) {
    for (const QString& l : linguas) {
        if (l.startsWith(QLatin1String("pt"))) return Idioma::Portugues;
        if (l.startsWith(QLatin1String("en"))) return Idioma::Ingles;
    }
    return Idioma::Portugues;
}

// The desktop's languages come in the user's order: LANGUAGE, LC_MESSAGES, LANG.
Idioma IdiomaDoSistema() {
    return IdiomaDaLista(QLocale::system().uiLanguages());
}

Idioma IdiomaEfetivo(Idioma escolhido) {
    return escolhido == Idioma::Sistema ? IdiomaDoSistema() : escolhido;
}

Idioma IdiomaGuardado() {
    const QString v = Configuracao().value(ChaveIdioma).toString();
    return v == QStringLiteral("pt")   ? Idioma::Portugues
           : v == QStringLiteral("en") ? Idioma::Ingles
                                       : Idioma::Sistema;
}

void GuardaIdioma(Idioma idioma) {
    QSettings c = Configuracao();
    if (idioma == Idioma::Sistema)
        c.remove(ChaveIdioma);
    else
        c.setValue(ChaveIdioma,
                   idioma == Idioma::Ingles ? QStringLiteral("en") : QStringLiteral("pt"));
}

bool InstalaIdioma(Idioma idioma) {
    idioma = IdiomaEfetivo(idioma);
    RemoveIdioma();
    instalado = idioma;
    const QString qt = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    // Qt's own texts are English already.
    if (idioma == Idioma::Portugues)
        return Instala(DoQt(), QLocale(QLocale::Portuguese, QLocale::Brazil),
                       QStringLiteral("qtbase"), qt);
    return Instala(Programa(), QLocale(QLocale::English), QStringLiteral("halvora"),
                   QStringLiteral(":/i18n"));
}

void RemoveIdioma() {
    Remove(Programa());
    Remove(DoQt());
    instalado = Idioma::Portugues;
}

Idioma IdiomaInstalado() {
    return instalado;
}

QString PastaGuia() {
    return instalado == Idioma::Ingles ? QStringLiteral(":/guia/en") : QStringLiteral(":/guia");
}
