#pragma once
// What the inspector asks of the program besides the spin state, each read
// when it is needed: the user's choices may change while a window is open.

#include <QString>

#include <functional>

struct ConsultasInspetor {
    // The text of the results table's cell (row, column); may be left empty.
    std::function<QString(int, int)> textoTabela;
    // The decimal separator the numbers are written with.
    std::function<char()> separadorDecimal;
    // Whether the results table is open: the walkthrough quotes it only then.
    std::function<bool()> tabelaAberta;
};
