// The main window and the matrix inspector as the program wires them: one
// inspector, opened from the menu, that follows every new result.
#include "app/LigaInspetor.h"
#include "inspector/JanelaMatrizes.h"
#include "inspector/VigiaModal.h"
#include "mainwindow/ExecucaoEspectro.h"
#include "mainwindow/JanelaEspectro.h"
#include "mainwindow/Moldura.h"
#include "widgets/FlexGrid.h"

#include <QApplication>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

void Ativa(QWidget& w) {
    QEvent ev(QEvent::WindowActivate);
    QApplication::sendEvent(&w, &ev);
}

struct Programa {
    VigiaModal modal;
    EstadosPrograma estados;
    Moldura moldura{estados, 1280};
    JanelaEspectro& f = *moldura.janela();

    Programa() {
        LigaInspetor(moldura);
        moldura.Inicia();
    }
    JanelaMatrizes* Inspetor() {
        emit f.MatrizesPedidas();
        return moldura.findChild<JanelaMatrizes*>();
    }
    QPushButton* FixarOuLiberar() const {
        for (auto* b : f.findChildren<QPushButton*>())
            if (b->text() == "Fixar Janela" || b->text() == "Liberar Janela") return b;
        return nullptr;
    }
};

// Whether activating the inspector rebuilds its grids: a mark put in a cell
// survives only when it does not.
bool ReconstroiAoAtivar(JanelaMatrizes& inspetor) {
    auto* H = inspetor.findChild<FlexGrid*>(QStringLiteral("gradeHamiltoniana"));
    H->setTextMatrix(1, 1, QStringLiteral("marca"));
    Ativa(inspetor);
    return H->textMatrix(1, 1) != "marca";
}

TEST(LigaInspetor, UmInspetorQueSegueOsResultados) {
    Programa p;
    JanelaMatrizes* inspetor = p.Inspetor();
    ASSERT_TRUE(inspetor);
    EXPECT_EQ(p.Inspetor(), inspetor) << "the menu brings the same window back";
    EXPECT_EQ(p.moldura.findChildren<JanelaMatrizes*>().size(), 1);
    EXPECT_EQ(inspetor->findChild<FlexGrid*>(QStringLiteral("gradeHamiltoniana"))->rows(), 9);
    EXPECT_FALSE(ReconstroiAoAtivar(*inspetor));

    p.f.Execucao().Executa();
    EXPECT_TRUE(ReconstroiAoAtivar(*inspetor)) << "a run";
    EXPECT_FALSE(ReconstroiAoAtivar(*inspetor));

    QPushButton* fixar = p.FixarOuLiberar();
    ASSERT_TRUE(fixar);
    fixar->click();
    EXPECT_FALSE(ReconstroiAoAtivar(*inspetor)) << "fixing the window";
    fixar->click();
    EXPECT_TRUE(ReconstroiAoAtivar(*inspetor)) << "releasing it";
}

} // namespace
