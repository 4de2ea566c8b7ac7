#pragma once
// The program's command line: halvora [--version | --help | ARQ.esm].

#include <QString>
#include <QStringList>

#include <optional>
#include <string>

class Moldura;

struct LinhaComando {
    std::optional<QString> arquivo; // opened once the start-up system is on screen
    // An option the program does not know, or more than one name: what the
    // user is told before the program starts as if given nothing.
    QString problema;
};

// `args` without the program's name, Qt's own options already taken out
// by QApplication; after "--" every argument is a name.
LinhaComando LeLinhaComando(const QStringList& args);

// What --version and --help print, read before there is any window (no
// display is needed for them); nothing for a command line that starts the
// program.
std::optional<std::string> TextoSemJanela(int argc, const char* const* argv);

// The file opens exactly as "Abrir Dados de Entrada" would open it, a
// damaged one with its message; a command line with a problem opens nothing
// and says why. The start-up system stays where nothing opens.
void AbreNoInicio(Moldura& moldura, const LinhaComando& linha);
