#include "app/Inicio.h"

#include "gerado/Versao.h"
#include "mainwindow/ArquivoEspectro.h"
#include "mainwindow/ExecucaoEspectro.h"
#include "mainwindow/JanelaEspectro.h"
#include "mainwindow/Moldura.h"

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
    LinhaComando l;
    bool soNomes = false;
    for (const QString& a : args) {
        if (!soNomes && a == QStringLiteral("--")) {
            soNomes = true;
        } else if (!soNomes && EhOpcao(a)) {
            l.desconhecidas << a;
        } else if (!l.arquivo) {
            l.arquivo = a;
        } else {
            l.sobrando << a;
        }
    }
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
        if (linha.arquivo) janela.Arquivo().AbreArquivo(*linha.arquivo);
        if (linha.sobrando.isEmpty()) return;
        const QString nomes = linha.sobrando.join(QStringLiteral(", "));
        QMessageBox::warning(
            &moldura, QStringLiteral("Abrir Dados de Entrada"),
            linha.sobrando.size() == 1
                ? QStringLiteral("Um arquivo de dados é aberto de cada vez; %1 não foi aberto.")
                      .arg(nomes)
                : QStringLiteral("Um arquivo de dados é aberto de cada vez; %1 não foram abertos.")
                      .arg(nomes));
    });
}
