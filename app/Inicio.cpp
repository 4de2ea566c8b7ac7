#include "app/Inicio.h"

#include "gerado/Versao.h"
#include "mainwindow/ArquivoEspectro.h"
#include "mainwindow/ExecucaoEspectro.h"
#include "mainwindow/JanelaEspectro.h"
#include "mainwindow/Moldura.h"

#include <QCoreApplication>
#include <QMessageBox>

#include <string_view>

namespace {

const char* const TextoAjuda =
    "Uso: halvora [ARQ.esm]\n"
    "Simula o espectro de RMN de próton de um sistema de 1 a 10 prótons, para o ensino.\n"
    "Com ARQ.esm, um arquivo de dados de entrada, o programa o abre ao iniciar, como\n"
    "\"Abrir Dados de Entrada\" o abriria.\n"
    "\n"
    "  -h, --help    esta ajuda\n"
    "  --version     a versão do programa\n"
    "\n"
    "O cálculo sem janela, na linha de comando: halvora-calc --help.\n";

bool EhOpcao(const QString& a) {
    return a.size() > 1 && a.startsWith('-');
}

} // namespace

LinhaComando LeLinhaComando(const QStringList& args) {
    QStringList nomes, desconhecidas;
    bool soNomes = false;
    for (const QString& a : args) {
        if (!soNomes && a == QStringLiteral("--"))
            soNomes = true;
        else if (!soNomes && EhOpcao(a))
            desconhecidas << a;
        else
            nomes << a;
    }
    LinhaComando l;
    if (!desconhecidas.isEmpty())
        l.problema = (desconhecidas.size() == 1
                          ? QCoreApplication::translate("Inicio", "Opção desconhecida: %1.")
                          : QCoreApplication::translate("Inicio", "Opções desconhecidas: %1."))
                         .arg(desconhecidas.join(QStringLiteral(", ")));
    else if (nomes.size() > 1)
        l.problema =
            QCoreApplication::translate(
                "Inicio", "Um arquivo de dados é aberto de cada vez; nenhum foi aberto: %1.")
                .arg(nomes.join(QStringLiteral(", ")));
    else if (!nomes.isEmpty())
        l.arquivo = nomes.front();
    if (!l.problema.isEmpty())
        l.problema += QCoreApplication::translate("Inicio", "\nUso: halvora [ARQ.esm]");
    return l;
}

std::optional<std::string> TextoSemJanela(int argc, const char* const* argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view a = argv[i];
        if (a == "--") break;
        if (a == "--version") return std::string("halvora ") + VersaoHalvora + "\n";
        if (a == "-h" || a == "--help") return TextoAjuda;
    }
    return std::nullopt;
}

void AbreNoInicio(Moldura& moldura, const LinhaComando& linha) {
    JanelaEspectro& janela = *moldura.janela();
    janela.Execucao().QuandoLivre([&moldura, &janela, linha] {
        if (!linha.problema.isEmpty())
            QMessageBox::warning(&moldura, QStringLiteral("Halvora"), linha.problema);
        else if (linha.arquivo)
            janela.Arquivo().AbreArquivo(*linha.arquivo);
    });
}
