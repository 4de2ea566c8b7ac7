#pragma once
// Real runs, and the matrix window over them, for the inspector's tests.

#include "inspector/JanelaMatrizes.h"
#include "run/ExecucaoAux.h"
#include "run/TabelaResultados.h"
#include "widgets/FlexGrid.h"

#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

#include <memory>

inline EntradaSimulacao Entrada(int NProt, char SepDec = ',') {
    EntradaSimulacao in = EntradaInicial(NProt);
    in.SepDec = SepDec;
    return in;
}

// What the main window answers the inspector after the run into e: its
// results table holds every band's text; the separator and the table's being
// open are the user's choices, here those the run was made with. Both are
// read at each call, so `in` may change under an open window.
inline ConsultasInspetor Consultas(const EstadoSpin& e, const EntradaSimulacao& in) {
    return {[&e, &in](int b, int c) {
                return QString::fromStdString(TextoCelulaBanda(e, b, c, in.SepDec));
            },
            [&in] { return in.SepDec; }, [&in] { return in.ComTabela; }};
}

inline const QColor Branco(255, 255, 255), Amarelo(255, 255, 192), Ciano(192, 255, 255);

// The inspector over a state, as the program wires it.
struct Janela {
    EntradaSimulacao entrada; // of the last run
    EstadoSpin e, trabalho;
    std::unique_ptr<JanelaMatrizes> f;

    explicit Janela(const EntradaSimulacao& in) : entrada(in) {
        testes::Executa(in, e, trabalho);
        f = std::make_unique<JanelaMatrizes>(e, Consultas(e, entrada));
    }
    // A run, announced as the main window announces it.
    void NovaExecucao(const EntradaSimulacao& in) {
        entrada = in;
        testes::Executa(in, e, trabalho);
        f->ResultadosNovos();
    }
    // The results table's cell (band b, column c).
    QString textoTabela(int b, int c) const {
        return QString::fromStdString(TextoCelulaBanda(e, b, c, entrada.SepDec));
    }
    template <class T> T& filho(const char* nome) const {
        auto* w = f->findChild<T*>(QString::fromLatin1(nome));
        EXPECT_TRUE(w) << nome;
        return *w;
    }
    FlexGrid& grade(const char* nome) const { return filho<FlexGrid>(nome); }
    QPushButton& botao(const char* nome) const { return filho<QPushButton>(nome); }
    QLabel& rotulo(const char* nome) const { return filho<QLabel>(nome); }
};
