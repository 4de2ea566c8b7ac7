#pragma once
// Real runs for the inspector's tests.

#include "run/Simulacao.h"

#include <gtest/gtest.h>

// A run into e, as the program makes one: the previous contents are swapped out.
inline void Executa(EstadoSpin& e, const EntradaSimulacao& in) {
    EstadoSpin trabalho;
    ObservadorSimulacao nada;
    const auto erro = Simula(in, e, trabalho, nada);
    ASSERT_FALSE(erro) << *erro;
}

inline EntradaSimulacao Entrada(int NProt, char SepDec = ',') {
    EntradaSimulacao in = EntradaInicial(NProt);
    in.SepDec = SepDec;
    return in;
}

#include "inspector/JanelaMatrizes.h"
#include "mainwindow/TabelaResultadosWidget.h"
#include "widgets/FlexGrid.h"

#include <QLabel>
#include <QPushButton>

#include <memory>

inline const QColor Branco(255, 255, 255), Amarelo(255, 255, 192), Ciano(192, 255, 255);

// The inspector over a state and the results table of the same run, as the
// main window wires them.
struct Janela {
    EstadoSpin e;
    TabelaResultadosWidget tabela;
    std::unique_ptr<JanelaMatrizes> f;

    explicit Janela(const EntradaSimulacao& in) {
        Executa(e, in);
        if (e.ComTabela) tabela.FlexPreenchBandas(e);
        f = std::make_unique<JanelaMatrizes>(
            e, [this](int r, int c) { return tabela.textMatrix(r, c); });
    }
    void NovaExecucao(const EntradaSimulacao& in) {
        Executa(e, in);
        if (e.ComTabela) tabela.FlexPreenchBandas(e);
    }
    FlexGrid& grade(const char* nome) const {
        auto* g = f->findChild<FlexGrid*>(QString::fromLatin1(nome));
        EXPECT_TRUE(g) << nome;
        return *g;
    }
    QPushButton& botao(const char* nome) const {
        auto* b = f->findChild<QPushButton*>(QString::fromLatin1(nome));
        EXPECT_TRUE(b) << nome;
        return *b;
    }
    QLabel& rotulo(const char* nome) const {
        auto* l = f->findChild<QLabel*>(QString::fromLatin1(nome));
        EXPECT_TRUE(l) << nome;
        return *l;
    }
};
