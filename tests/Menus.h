#pragma once
// Menus found by the captions the user reads, whatever letter of them is
// underlined for Alt.

#include <QAction>
#include <QList>
#include <QMenu>
#include <QString>

#include <functional>
#include <utility>
#include <vector>

namespace menus {

// "&Arquivo" reads "Arquivo"; "&&" is one "&".
inline QString Legenda(const QString& s) {
    QString r;
    for (qsizetype i = 0; i < s.size(); ++i) {
        if (s[i] == QLatin1Char('&') && ++i == s.size()) break;
        r += s[i];
    }
    return r;
}

inline QString Legenda(const QAction* a) {
    return Legenda(a->text());
}

// The item, or the submenu's item, with that caption among `acoes`.
inline QAction* Item(const QList<QAction*>& acoes, const QString& legenda) {
    for (QAction* a : acoes)
        if (Legenda(a) == legenda) return a;
    return nullptr;
}

inline QMenu* Submenu(const QList<QAction*>& acoes, const QString& legenda) {
    QAction* a = Item(acoes, legenda);
    return a ? a->menu() : nullptr;
}

// Every item among `acoes` and in their submenus, separators left out, with
// its path as the user reads it ("Arquivo › Exportar › ...").
inline std::vector<std::pair<QString, const QAction*>> Itens(const QList<QAction*>& acoes) {
    std::vector<std::pair<QString, const QAction*>> v;
    const std::function<void(const QList<QAction*>&, const QString&)> junta =
        [&](const QList<QAction*>& lista, const QString& antes) {
            for (const QAction* a : lista) {
                if (a->isSeparator()) continue;
                v.emplace_back(antes + Legenda(a), a);
                if (a->menu()) junta(a->menu()->actions(), v.back().first + QStringLiteral(" › "));
            }
        };
    junta(acoes, QString());
    return v;
}

} // namespace menus
