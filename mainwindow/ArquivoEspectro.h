#pragma once
// "Abrir Dados de Entrada" and "Salvar Dados de Entrada": what the data file
// takes from the window and gives back to it, and the message of a file that
// cannot be read.

#include "display/EstadoGrafico.h"
#include "estado/EstadoSpin.h"

#include <QObject>
#include <QString>

#include <functional>
#include <string>

struct AcoesEspectro;
struct Exemplo;
struct LeituraArquivo;
struct VistaArquivo;
class AreaGrafico;
class DialogosArquivo;
class ExecucaoEspectro;
class OpcoesEspectro;
class PainelEntrada;
class QWidget;

// What the data file reads from the window and sets in it.
struct PecasArquivo {
    const EstadoSpin& estado;
    EstadoGrafico& g;
    OpcoesGrafico& o;
    const AcoesEspectro& acoes;
    PainelEntrada& entrada;
    OpcoesEspectro& opcoes;
    ExecucaoEspectro& execucao;
    AreaGrafico& areaGrafico;
    DialogosArquivo& dialogos;
    std::function<void()> alternaTabela;
    std::function<void(const std::string&)> mostraTitulo;
    char SepDec;
};

class ArquivoEspectro : public QObject {
    Q_OBJECT

  public:
    ArquivoEspectro(const PecasArquivo& p, QWidget* janela);

    // True when the file was written.
    bool SalvaDados();
    void AbreDados();
    // What "Abrir Dados de Entrada" does with the file it is given: the
    // program's command line opens a file this way.
    void AbreArquivo(const QString& caminho);
    // One of the built-in examples, read and run as a file would be; the
    // caption shows its name, and a save asks where to put it.
    void AbreExemplo(const Exemplo& exemplo);
    // Asked before a file or an example replaces the system: false keeps it
    // (the user cancelled, or saving the unsaved edits failed).
    void DefinePodeSubstituir(std::function<bool()> f) { podeSubstituir_ = std::move(f); }

  signals:
    // A save or a load: the caption shows the file's name.
    void ArquivoUsado(const QString& nome);
    // What is on screen is what a file holds.
    void Salvos();
    // A data file or an example replaced the system and ran: the file named
    // no measured spectrum, or it named this one (its whole path), shifted
    // by `referencia` ppm.
    void SistemaAberto();
    void EspectroNomeado(const QString& caminho, double referencia);

  private:
    std::function<bool()> podeSubstituir_;
    // The reading common to files and examples: `le` reads once the display
    // is neutral; `nome` goes to the caption; the names in the data file of
    // `caminho` (none for an example) are relative to its folder.
    void Carrega(const std::function<LeituraArquivo()>& le, const QString& nome,
                 const QString& caminho = {});
    // What the display looks like before a file is read, whatever the file says.
    void EstadoNeutro();
    VistaArquivo Vista() const;
    // The display options of a file just opened, once its system has run.
    void AplicaVista(const VistaArquivo& v);

    QWidget* janela_;
    const EstadoSpin& e_;
    EstadoGrafico& g_;
    OpcoesGrafico& o_;
    const AcoesEspectro& acoes_;
    PainelEntrada& entrada_;
    OpcoesEspectro& opcoes_;
    ExecucaoEspectro& execucao_;
    AreaGrafico& areaGrafico_;
    DialogosArquivo& dialogos_;
    std::function<void()> alternaTabela_;
    std::function<void(const std::string&)> mostraTitulo_;
    char SepDec_;
};
