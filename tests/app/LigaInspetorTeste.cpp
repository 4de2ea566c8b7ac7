// The main window and the matrix inspector as the program wires them: one
// inspector, opened from the menu, that follows every new result.
#include "app/LigaInspetor.h"
#include "display/AreaGrafico.h"
#include "inspector/JanelaMatrizes.h"
#include "mainwindow/JanelaAux.h"
#include "widgets/FlexGrid.h"

namespace {

struct Programa : aux::Tela {
    Programa() { LigaInspetor(w); }
    JanelaMatrizes* Inspetor() {
        emit f.MatrizesPedidas();
        return w.findChild<JanelaMatrizes*>();
    }
};

// Whether activating the inspector rebuilds its grids: a mark put in a cell
// survives only when it does not.
bool ReconstroiAoAtivar(JanelaMatrizes& inspetor) {
    auto* H = inspetor.findChild<FlexGrid*>(QStringLiteral("gradeHamiltoniana"));
    H->setTextMatrix(1, 1, QStringLiteral("marca"));
    QEvent ativa(QEvent::WindowActivate);
    QApplication::sendEvent(&inspetor, &ativa);
    return H->textMatrix(1, 1) != "marca";
}

TEST(LigaInspetor, UmInspetorQueSegueOsResultados) {
    Programa p;
    JanelaMatrizes* inspetor = p.Inspetor();
    ASSERT_TRUE(inspetor);
    EXPECT_EQ(p.Inspetor(), inspetor) << "the menu brings the same window back";
    EXPECT_EQ(inspetor->findChild<FlexGrid*>(QStringLiteral("gradeHamiltoniana"))->rows(), 9);
    EXPECT_FALSE(ReconstroiAoAtivar(*inspetor));

    p.f.Execucao().Executa();
    EXPECT_TRUE(ReconstroiAoAtivar(*inspetor)) << "a run";
    EXPECT_FALSE(ReconstroiAoAtivar(*inspetor));

    p.f.areaGrafico()->AlternaFixarJanela();
    p.f.areaGrafico()->AlternaFixarJanela();
    EXPECT_TRUE(ReconstroiAoAtivar(*inspetor)) << "fixing the window and releasing it";
}

// The walkthrough writes with the window's separator (the one other than the
// inspector's tests' own) and quotes the window's results table only while
// the window has it open.
TEST(LigaInspetor, SeparadorETabelaDaJanela) {
    const aux::Local local('.');
    Programa p;
    JanelaMatrizes* inspetor = p.Inspetor();
    ASSERT_TRUE(inspetor);
    const auto rotulo = [&](const char* nome) {
        return inspetor->findChild<QLabel*>(QString::fromLatin1(nome));
    };
    inspetor->findChild<QPushButton*>(QStringLiteral("botaoPasseio"))->click();

    // Levels 1 and 2 to begin with.
    const EstadoSpin& e = p.f.Estado();
    int banda = 0;
    for (int b = 1; b <= e.NBandas && banda == 0; ++b)
        if (e.NivelA(b) == 1 && e.NivelB(b) == 2) banda = b;
    ASSERT_GT(banda, 0);
    const QString valor = p.f.tabelaResultados()->textMatrix(banda, 3);
    EXPECT_TRUE(valor.contains('.')) << valor.toStdString();
    EXPECT_EQ(rotulo("rotuloValorTabela")->text(), "Valor na tabela do espectro: " + valor);
    EXPECT_TRUE(rotulo("rotuloResultadoPreciso")->text().contains('.'));

    p.f.AlternaTabela();
    ASSERT_FALSE(p.f.Execucao().ComTabela());
    auto* nivelB = inspetor->findChild<QLineEdit*>(QStringLiteral("caixaNivelB"));
    nivelB->setText(QStringLiteral("3"));
    QTest::keyClick(nivelB, Qt::Key_Return);
    EXPECT_FALSE(rotulo("rotuloValorTabela")->isVisible());
}

} // namespace
