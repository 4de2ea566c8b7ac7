#pragma once
// The core's texts in the interface's language. The core has no toolkit and
// writes its refusals, warnings and captions in Portuguese; the windows hand
// them through here where they show them. A text composed with numbers or
// names is matched against its pattern ("linha %1: %2") and its parts are
// translated in turn; a text no pattern knows is shown as it came.

#include <QString>

#include <string_view>

QString TraduzNucleo(std::string_view texto);
inline QString TraduzNucleo(const char* texto) {
    return TraduzNucleo(std::string_view(texto));
}
QString TraduzNucleo(const QString& texto);
