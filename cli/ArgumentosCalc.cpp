#include "cli/ArgumentosCalc.h"

#include "display/EstadoGrafico.h"
#include "formatos/Exemplos.h"
#include "formatos/JcampDx.h"
#include "run/Limites.h"
#include "run/ValoresIniciais.h"
#include "texto/TextoDecimal.h"

#include <algorithm>
#include <charconv>
#include <string_view>

const char* const TextoAjudaCalc =
    "Uso: halvora-calc [opções] [ARQ.esm]\n"
    "Calcula o espectro de RMN de próton de um sistema de spins e escreve a tabela de\n"
    "resultados (a mesma de \"Copiar tabela de resultados\") na saída padrão.\n"
    "Com ARQ.esm, um arquivo de dados de entrada, o sistema e as opções do gráfico vêm\n"
    "dele; as opções dadas valem sobre os valores do arquivo.\n"
    "\n"
    "  --n=N            número de prótons, 1 a 10 (padrão: o número de --shifts, senão 3)\n"
    "  --shifts=a,b,... deslocamentos químicos dos prótons 1..N, em Hz (ppm com --ppm)\n"
    "  --j=a,b,...      J(1,2), J(1,3), ..., J(1,N), J(2,3), ..., J(N-1,N), em Hz\n"
    "  --mhz=F          freqüência do espectrômetro, MHz (padrão 300)\n"
    "  --intmin=X       intensidade relativa mínima (padrão 0.01)\n"
    "  --ppm            os deslocamentos estão em ppm\n"
    "  --first-order    espectro de primeira ordem\n"
    "  --sep=C          separador decimal da saída, \".\" ou \",\" (padrão \".\")\n"
    "  --times          tabela de tempos de cada etapa na saída de erros\n"
    "  --svg=ARQ        grava também o espectro em ARQ, como \"Copiar (Colorido)\" o grava\n"
    "  --png=ARQ        grava também a mesma figura em ARQ, em PNG de 300 dpi\n"
    "  --pdf=ARQ        grava também a mesma figura em ARQ, em PDF vetorial\n"
    "  --bw             com --svg, --png ou --pdf: a cópia em branco e preto\n"
    "  --compact        com --svg, --png ou --pdf: o gráfico da tela de 800 x 600\n"
    "  --size=LxA       com --svg, --png ou --pdf: o gráfico com L x A pixels (de 773 x 365 a 4096 "
    "x 4096)\n"
    "  --save=ARQ       grava os dados de entrada em ARQ, como \"Salvar Dados de Entrada\"\n"
    "  --experimental=ARQ  um espectro medido (JCAMP-DX): descrito na saída de erros e,\n"
    "                   na figura, desenhado sob o espectro simulado (padrão: o que\n"
    "                   ARQ.esm indicar)\n"
    "  --jcamp=ARQ      exporta o espectro simulado em ARQ (JCAMP-DX)\n"
    "  --fit            ajusta deslocamentos, acoplamentos e largura ao espectro de\n"
    "                   --experimental; a tabela e os arquivos são os do sistema ajustado\n"
    "  --fit-ranges=a:b,c:d  as regiões do ajuste, em ppm (padrão: em torno das linhas)\n"
    "  --fit-fixed=H2,J(1,3),largura  parâmetros mantidos nos valores iniciais\n"
    "  --exemplos       lista os exemplos (nome e título, um por linha)\n"
    "  --exemplo=NOME   usa um dos exemplos como ARQ.esm\n"
    "  --title=TEXTO    título do espectro (padrão \"Default\")\n"
    "  --width=L        largura a meia altura, Hz (padrão 1)\n"
    "  -h, --help       esta ajuda\n"
    "  --version        a versão do programa\n"
    "\n"
    "Os números dos argumentos usam \".\" como separador decimal.\n";

namespace {

std::optional<std::vector<double>> ListaNumeros(std::string_view s) {
    std::vector<double> v;
    if (s.empty()) return v;
    for (;;) {
        const auto virgula = s.find(',');
        const auto n = ConverteNumero(s.substr(0, virgula), '.');
        if (!n) return std::nullopt;
        v.push_back(*n);
        if (virgula == std::string_view::npos) return v;
        s.remove_prefix(virgula + 1);
    }
}

std::optional<int> Inteiro(std::string_view s) {
    int v = 0;
    const auto [fim, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec != std::errc() || fim != s.data() + s.size()) return std::nullopt;
    return v;
}

// "7.2:7.4,3.5:3.9": ppm ranges, either end first.
bool Regioes(std::string_view v, std::vector<RegiaoPpm>& r) {
    r.clear();
    for (;;) {
        const auto virgula = v.find(',');
        const std::string_view par = v.substr(0, virgula);
        const auto dois = par.find(':');
        if (dois == std::string_view::npos) return false;
        const auto a = ConverteNumero(par.substr(0, dois), '.'),
                   b = ConverteNumero(par.substr(dois + 1), '.');
        if (!a || !b || *a == *b) return false;
        r.push_back({std::min(*a, *b), std::max(*a, *b)});
        if (virgula == std::string_view::npos) return true;
        v.remove_prefix(virgula + 1);
    }
}

// "H2,J(1,3),largura": the commas inside a coupling's name are its own.
bool Nomes(std::string_view v, std::vector<std::string>& nomes) {
    nomes.clear();
    std::string atual;
    int nivel = 0;
    for (char c : v) {
        nivel += c == '(' ? 1 : c == ')' ? -1 : 0;
        if (c == ',' && nivel == 0) {
            if (atual.empty()) return false;
            nomes.push_back(std::move(atual));
            atual.clear();
        } else {
            atual += c;
        }
    }
    if (atual.empty() || nivel != 0) return false;
    nomes.push_back(std::move(atual));
    return true;
}

struct Bruto {
    std::optional<int> n;
    std::optional<std::vector<double>> shifts, j;
    std::optional<double> mhz;
    std::optional<float> intmin;
};

// Every option that names a file takes any non-empty text.
template <std::optional<std::string> OpcoesCalc::*campo>
bool NomeDeArquivo(std::string_view v, Bruto&, OpcoesCalc& o) {
    if (!v.empty()) o.*campo = std::string(v);
    return !v.empty();
}

// The options that take a value: each stores it and says whether it was good.
struct OpcaoComValor {
    std::string_view nome;
    const char* oQueDeveSer;
    bool (*aplica)(std::string_view valor, Bruto& b, OpcoesCalc& o);
};

const OpcaoComValor OpcoesComValor[] = {
    {"--n", "um número inteiro",
     [](std::string_view v, Bruto& b, OpcoesCalc&) { return bool(b.n = Inteiro(v)); }},
    {"--shifts", "uma lista de números",
     [](std::string_view v, Bruto& b, OpcoesCalc&) { return bool(b.shifts = ListaNumeros(v)); }},
    {"--j", "uma lista de números",
     [](std::string_view v, Bruto& b, OpcoesCalc&) { return bool(b.j = ListaNumeros(v)); }},
    {"--mhz", "um número",
     [](std::string_view v, Bruto& b, OpcoesCalc&) {
         return bool(b.mhz = ConverteNumero(v, '.'));
     }},
    {"--intmin", "um número",
     [](std::string_view v, Bruto& b, OpcoesCalc&) {
         return bool(b.intmin = ConverteNumeroSimples(v, '.'));
     }},
    {"--svg", "um nome de arquivo", NomeDeArquivo<&OpcoesCalc::svg>},
    {"--png", "um nome de arquivo", NomeDeArquivo<&OpcoesCalc::png>},
    {"--pdf", "um nome de arquivo", NomeDeArquivo<&OpcoesCalc::pdf>},
    {"--size", "um tamanho LxA entre 773x365 e 4096x4096 (pixels)",
     [](std::string_view v, Bruto&, OpcoesCalc& o) {
         const auto x = v.find('x');
         if (x == std::string_view::npos) return false;
         const auto l = Inteiro(v.substr(0, x)), a = Inteiro(v.substr(x + 1));
         if (!l || !a || *l < LarguraCompacta / 15 || *a < AlturaCompacta / 15 ||
             *l > EnvCapacidade || *a > 4096)
             return false;
         o.tamanho = {*l, *a};
         return true;
     }},
    {"--save", "um nome de arquivo", NomeDeArquivo<&OpcoesCalc::salvar>},
    {"--experimental", "um nome de arquivo", NomeDeArquivo<&OpcoesCalc::experimental>},
    {"--jcamp", "um nome de arquivo", NomeDeArquivo<&OpcoesCalc::jcamp>},
    {"--exemplo", "o nome de um exemplo (veja --exemplos)",
     [](std::string_view v, Bruto&, OpcoesCalc& o) {
         o.exemplo = ProcuraExemplo(v);
         return o.exemplo != nullptr;
     }},
    {"--title", "um texto",
     [](std::string_view v, Bruto&, OpcoesCalc& o) {
         o.titulo = std::string(v);
         return true;
     }},
    {"--width", "um número entre 0.000001 e 1000000000",
     [](std::string_view v, Bruto&, OpcoesCalc& o) {
         const auto x = ConverteNumero(v, '.');
         const bool bom = x && *x >= LarguraMinima && *x <= HzMaximo;
         if (bom) o.largura = *x;
         return bom;
     }},
    {"--fit-ranges", "uma lista de regiões a:b em ppm",
     [](std::string_view v, Bruto&, OpcoesCalc& o) { return Regioes(v, o.regioesAjuste); }},
    {"--fit-fixed", "uma lista de parâmetros (H1, J(1,2), largura, escala, \"linha de base\")",
     [](std::string_view v, Bruto&, OpcoesCalc& o) { return Nomes(v, o.fixosAjuste); }},
    {"--sep", "\".\" ou \",\"",
     [](std::string_view v, Bruto&, OpcoesCalc& o) {
         if (v == "." || v == ",") o.entrada.SepDec = v[0];
         return v == "." || v == ",";
     }},
};

// One option with its value; the message when it is not understood.
std::optional<std::string> AplicaOpcao(std::string_view nome, std::string_view valor, Bruto& b,
                                       OpcoesCalc& o) {
    for (const OpcaoComValor& op : OpcoesComValor)
        if (op.nome == nome) {
            if (op.aplica(valor, b, o)) return std::nullopt;
            return std::string(nome) + ": \"" + std::string(valor) + "\" não é " + op.oQueDeveSer +
                   ".";
        }
    return "Opção desconhecida: " + std::string(nome);
}

bool AplicaSinal(std::string_view nome, OpcoesCalc& o) {
    if (nome == "--ppm")
        o.entrada.PPM = true;
    else if (nome == "--first-order")
        o.entrada.PrimOrdem = true;
    else if (nome == "--times")
        o.tempos = true;
    else if (nome == "--bw")
        o.pretoEBranco = true;
    else if (nome == "--compact")
        o.compacto = true;
    else if (nome == "-h" || nome == "--help")
        o.ajuda = true;
    else if (nome == "--version")
        o.versao = true;
    else if (nome == "--exemplos")
        o.listaExemplos = true;
    else if (nome == "--fit")
        o.ajustar = true;
    else
        return false;
    return true;
}

// The start-up shifts and couplings for N protons, with those of the file in
// the places it has: the boxes of the window after opening the file and
// typing N.
EntradaSimulacao Iniciais(int N, const std::optional<EntradaSimulacao>& arquivo) {
    EntradaSimulacao in = EntradaInicial(N);
    if (!arquivo) return in;
    const int M = std::min(N, arquivo->NProt);
    for (int i = 1; i <= M; ++i) {
        in.Desloc[std::size_t(i - 1)] = arquivo->Desloc[std::size_t(i - 1)];
        for (int j = i + 1; j <= M; ++j)
            in.J[std::size_t(IndiceJ(N, i, j))] =
                arquivo->J[std::size_t(IndiceJ(arquivo->NProt, i, j))];
    }
    return in;
}

// Without --experimental, the spectrum the data file names, shifted as it
// says. One that cannot be read is a warning: the run goes on without it,
// as the window opens the file without it.
void EspectroDoArquivo(OpcoesCalc& o) {
    if (!o.arquivo || !o.vista || o.vista->Espectro.empty()) return;
    const std::string& caminho = o.vista->Espectro;
    LeituraJcamp lido = LeArquivoJcamp(caminho);
    if (!lido.espectro) {
        o.avisosExperimental.push_back("o espectro experimental " + caminho +
                                       ", que o arquivo de dados indica, não pôde ser lido: " +
                                       lido.Mensagem() + "; segue sem ele");
        return;
    }
    o.experimental = caminho;
    o.espectroExperimental =
        std::make_shared<const EspectroExperimental>(std::move(*lido.espectro));
    o.avisosExperimental = std::move(lido.avisos);
    o.referenciaExperimental = o.vista->ReferenciaPpm;
}

// The defaults of the values the command line left out (the file's, else
// the start-up ones), and the counts.
std::optional<std::string> Completa(const Bruto& b, OpcoesCalc& o) {
    EntradaSimulacao& in = o.entrada;
    // The file's system, as a run would take it.
    std::optional<EntradaSimulacao> arquivo;
    if (o.dados) arquivo = EntradaDoArquivo(*o.dados, in.SepDec);
    in.NProt = b.n        ? *b.n
               : b.shifts ? int(b.shifts->size())
               : arquivo  ? arquivo->NProt
                          : NProtInicial;
    const int N = in.NProt;
    if (N < 1 || N > NProtMax)
        return "O número de prótons deve estar entre 1 e 10 (--n=" + FormataInteiro(N) + ").";
    if (b.mhz)
        in.MHz = *b.mhz;
    else if (arquivo)
        in.MHz = arquivo->MHz;
    if (b.intmin)
        in.IntMin = *b.intmin;
    else if (arquivo)
        in.IntMin = arquivo->IntMin;
    const EntradaSimulacao inicial = Iniciais(N, arquivo);
    if (b.shifts) {
        if (int(b.shifts->size()) != N)
            return "--shifts: são " + FormataInteiro(long(b.shifts->size())) +
                   " deslocamentos para " + FormataInteiro(N) + " prótons.";
        in.Desloc = *b.shifts;
    } else {
        in.Desloc = inicial.Desloc;
        // The start-up (and the file's) shifts are in Hz; in ppm they are taken
        // at this frequency.
        if (in.PPM)
            for (double& d : in.Desloc) d /= in.MHz;
    }
    const long nj = long(N) * (N - 1) / 2;
    if (b.j) {
        if (long(b.j->size()) != nj && !(nj == 0 && b.j->empty()))
            return "--j: são " + FormataInteiro(long(b.j->size())) + " constantes para " +
                   FormataInteiro(N) + " prótons; esperadas " + FormataInteiro(nj) + ".";
        in.J = *b.j;
    } else {
        in.J = inicial.J;
    }
    return ValidaEntrada(in);
}

} // namespace

LeituraArgumentos LeArgumentos(const std::vector<std::string>& args) {
    LeituraArgumentos r;
    r.opcoes.entrada.SepDec = '.';
    Bruto b;
    for (std::size_t k = 0; k < args.size(); ++k) {
        const std::string_view a = args[k];
        if (AplicaSinal(a, r.opcoes)) continue;
        if (!a.empty() && a[0] != '-') {
            if (r.opcoes.arquivo) {
                r.erro = "Argumento desconhecido: " + std::string(a) + " (só um arquivo de dados).";
                return r;
            }
            r.opcoes.arquivo = std::string(a);
            continue;
        }
        const auto igual = a.find('=');
        std::string_view nome = a.substr(0, igual), valor;
        if (igual != std::string_view::npos) {
            valor = a.substr(igual + 1);
        } else if (std::none_of(std::begin(OpcoesComValor), std::end(OpcoesComValor),
                                [&](const OpcaoComValor& op) { return op.nome == nome; })) {
            r.erro = "Opção desconhecida: " + std::string(a);
            return r;
        } else if (k + 1 < args.size()) {
            valor = args[++k];
        } else {
            r.erro = "Falta o valor da opção " + std::string(a) + ".";
            return r;
        }
        if ((r.erro = AplicaOpcao(nome, valor, b, r.opcoes))) return r;
    }
    if (r.opcoes.ajuda || r.opcoes.versao || r.opcoes.listaExemplos) return r;
    if ((r.opcoes.pretoEBranco || r.opcoes.compacto || r.opcoes.tamanho) &&
        !(r.opcoes.svg || r.opcoes.png || r.opcoes.pdf)) {
        r.erro = "--bw, --compact e --size só valem com --svg, --png ou --pdf.";
        return r;
    }
    if (r.opcoes.arquivo && r.opcoes.exemplo) {
        r.erro = "Um arquivo de dados ou um exemplo, não os dois.";
        return r;
    }
    if (r.opcoes.arquivo || r.opcoes.exemplo) {
        const char sep = r.opcoes.entrada.SepDec;
        LeituraArquivo lido = r.opcoes.arquivo ? LeArquivoDados(*r.opcoes.arquivo, sep)
                                               : LeDadosArquivo(r.opcoes.exemplo->bytes, sep);
        if (!lido.dados) {
            const std::string origem =
                r.opcoes.arquivo ? *r.opcoes.arquivo : std::string(r.opcoes.exemplo->nome);
            r.erro = origem + ": " + lido.Mensagem() + ".";
            return r;
        }
        r.opcoes.dados = std::move(lido.dados);
        r.opcoes.vista = VistaDoArquivo(*r.opcoes.dados, r.opcoes.arquivo.value_or(""));
    }
    if (r.opcoes.experimental) {
        LeituraJcamp lido = LeArquivoJcamp(*r.opcoes.experimental);
        if (!lido.espectro) {
            r.erro = *r.opcoes.experimental + ": " + lido.Mensagem() + ".";
            return r;
        }
        r.opcoes.espectroExperimental =
            std::make_shared<const EspectroExperimental>(std::move(*lido.espectro));
        r.opcoes.avisosExperimental = std::move(lido.avisos);
    } else {
        EspectroDoArquivo(r.opcoes);
    }
    r.erro = Completa(b, r.opcoes);
    return r;
}
