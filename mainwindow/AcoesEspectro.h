#pragma once

class QAction;

// The window's menu items in the frame's menu bar.
struct AcoesEspectro {
    QAction *abrirDados{}, *salvarDados{}, *sair{};
    QAction *copiarTabela{}, *visualizarCopia{}, *copiarColorido{}, *copiarPretoEBranco{};
    QAction *tempos{}, *compararCurvas{}, *primeiraOrdem{};
    QAction *colorido{}, *semCores{}, *semHistograma{}; // one at most
    QAction *comEnvolvente{}, *semEnvolvente{};         // exactly one
    QAction* numerosGrandes{};
    QAction* matrizes{};
    QAction *espectroExperimental{}, *referenciaExperimental{}, *removerExperimental{},
        *exportarJcamp{};
    QAction *ajustar{}, *desfazerAjuste{};
    QAction *salvarFigura{}, *imprimir{}, *visualizarImpressao{};
};
