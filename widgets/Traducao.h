#pragma once
// The interface's language: Portuguese, the language every text is written
// in, or English from the compiled-in translation. Chosen once, before the
// first window: every window sets its texts as it is built.

#include <QString>
#include <QStringList>

enum class Idioma { Sistema, Portugues, Ingles };

// What the system's locale asks for: English for en*, otherwise Portuguese.
Idioma IdiomaDoSistema();
// The first of the desktop's languages (in the user's order) the program
// speaks; Portuguese when none is.
Idioma IdiomaDaLista(const QStringList& linguas);
// Sistema resolved through the locale.
Idioma IdiomaEfetivo(Idioma escolhido);

// The user's choice ("Ajuda" > "Idioma"), kept in the user's settings;
// Sistema when none was made.
Idioma IdiomaGuardado();
void GuardaIdioma(Idioma idioma);

// Installs the program's translation and Qt's own for the language (the
// dialog buttons: "Sim"/"Yes"), replacing whatever an earlier call
// installed. False when a translation could not be loaded.
bool InstalaIdioma(Idioma idioma);
// Back to the texts as the code writes them, with no translation at all.
void RemoveIdioma();
// The language InstalaIdioma last installed (Portuguese before any call).
Idioma IdiomaInstalado();

// The folder of the guide's pages in the resources for the installed language.
QString PastaGuia();
