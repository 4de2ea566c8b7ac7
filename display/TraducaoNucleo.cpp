#include "display/TraducaoNucleo.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>

#include <vector>

namespace {

// Every text of the core a window shows, exactly as the core writes it; %1,
// %2 ... stand for what the core puts in. Kept in step with run/, arquivo/,
// formatos/, ajuste/ and display/'s plot arithmetic: a text missing here
// reaches an English window in Portuguese, which the English walk catches.
const char* const Padroes[] = {
    // run/
    QT_TRANSLATE_NOOP("Nucleo", "A intensidade mínima não é um número válido."),
    QT_TRANSLATE_NOOP("Nucleo", "A freqüência do espectrômetro não é um número válido."),
    QT_TRANSLATE_NOOP("Nucleo", "A freqüência do espectrômetro deve ser maior que zero."),
    QT_TRANSLATE_NOOP("Nucleo", "O deslocamento químico de H%1 não é um número válido."),
    QT_TRANSLATE_NOOP("Nucleo", "A constante de acoplamento J(%1,%2) não é um número válido."),
    QT_TRANSLATE_NOOP("Nucleo", "A tolerância da diagonalização não é um número válido."),
    QT_TRANSLATE_NOOP("Nucleo",
                      "Os valores de entrada são grandes demais para o cálculo. Reduza a "
                      "freqüência, os deslocamentos químicos ou as constantes de acoplamento."),
    QT_TRANSLATE_NOOP("Nucleo",
                      "Os deslocamentos químicos ou as constantes de acoplamento são grandes "
                      "demais para a freqüência do espectrômetro: os estados de spin não podem "
                      "ser agrupados pelo spin total. Aumente a freqüência ou reduza esses "
                      "valores."),
    QT_TRANSLATE_NOOP("Nucleo",
                      "Não há memória suficiente para este cálculo. Feche outros programas ou "
                      "reduza o número de prótons."),
    QT_TRANSLATE_NOOP("Nucleo",
                      "A diagonalização (Jacobi) não convergiu. Verifique os valores de entrada."),
    QT_TRANSLATE_NOOP("Nucleo", "O cálculo foi interrompido."),
    QT_TRANSLATE_NOOP("Nucleo", "O número de prótons deve estar entre 1 e 10."),
    QT_TRANSLATE_NOOP("Nucleo",
                      "A freqüência do espectrômetro deve ser de pelo menos 0,000001 MHz."),
    QT_TRANSLATE_NOOP("Nucleo",
                      "A freqüência do espectrômetro deve ser de no máximo 100000 MHz: acima "
                      "disso o cálculo perde precisão."),
    QT_TRANSLATE_NOOP("Nucleo",
                      "O número de deslocamentos químicos não corresponde ao número de prótons."),
    QT_TRANSLATE_NOOP("Nucleo",
                      "O deslocamento químico de H%1 deve ser de no máximo 1000000000 Hz em "
                      "valor absoluto."),
    QT_TRANSLATE_NOOP("Nucleo",
                      "O número de constantes de acoplamento não corresponde ao número de "
                      "prótons."),
    QT_TRANSLATE_NOOP("Nucleo", "Uma constante de acoplamento não é um número válido."),
    QT_TRANSLATE_NOOP("Nucleo",
                      "As constantes de acoplamento devem ser de no máximo 1000000000 Hz em "
                      "valor absoluto."),
    QT_TRANSLATE_NOOP("Nucleo", "A tolerância da diagonalização deve ser um número positivo."),
    // The results table's headers and the timing table's rows.
    QT_TRANSLATE_NOOP("Nucleo", "Banda n°"),
    QT_TRANSLATE_NOOP("Nucleo", "Níveis"),
    QT_TRANSLATE_NOOP("Nucleo", "Freqüência (Hz)"),
    QT_TRANSLATE_NOOP("Nucleo", "Freqüência(Hz)"),
    QT_TRANSLATE_NOOP("Nucleo", "Intensidade relativa"),
    QT_TRANSLATE_NOOP("Nucleo", "Spins nível A"),
    QT_TRANSLATE_NOOP("Nucleo", "Spins nível B"),
    QT_TRANSLATE_NOOP("Nucleo", "Prótons afetados"),
    QT_TRANSLATE_NOOP("Nucleo", "Submatrizes"),
    QT_TRANSLATE_NOOP("Nucleo", "Matriz de transição"),
    QT_TRANSLATE_NOOP("Nucleo", "Cálculo de freqüências"),
    QT_TRANSLATE_NOOP("Nucleo", "Ordenação de Bandas"),
    QT_TRANSLATE_NOOP("Nucleo", "Preenchimento da Tabela"),
    QT_TRANSLATE_NOOP("Nucleo", "Gráfico"),
    QT_TRANSLATE_NOOP("Nucleo", "Tempo (segundos)"),
    QT_TRANSLATE_NOOP("Nucleo", "Total (segundos)"),
    // arquivo/
    QT_TRANSLATE_NOOP("Nucleo", "Não foi possível gravar %1: é %2, não um arquivo comum."),
    QT_TRANSLATE_NOOP("Nucleo", "O arquivo %1 é somente leitura."),
    QT_TRANSLATE_NOOP("Nucleo", "Não foi possível gravar %1: %2. Os dados completos estão em %3."),
    QT_TRANSLATE_NOOP("Nucleo", "Não foi possível gravar %1: ninguém está lendo esse pipe."),
    QT_TRANSLATE_NOOP("Nucleo", "Não foi possível gravar %1: %2."),
    QT_TRANSLATE_NOOP("Nucleo", "Nenhum nome de arquivo foi dado."),
    QT_TRANSLATE_NOOP("Nucleo", "não foi possível abrir o arquivo (%1)"),
    QT_TRANSLATE_NOOP("Nucleo", "não é um arquivo comum, é %1"),
    QT_TRANSLATE_NOOP("Nucleo", "o arquivo é grande demais (mais de %1)"),
    QT_TRANSLATE_NOOP("Nucleo", "não foi possível ler o arquivo (%1)"),
    QT_TRANSLATE_NOOP("Nucleo", "uma pasta"),
    QT_TRANSLATE_NOOP("Nucleo", "um dispositivo de blocos"),
    QT_TRANSLATE_NOOP("Nucleo", "um dispositivo de caracteres"),
    QT_TRANSLATE_NOOP("Nucleo", "um pipe"),
    QT_TRANSLATE_NOOP("Nucleo", "um socket"),
    QT_TRANSLATE_NOOP("Nucleo", "um arquivo especial"),
    QT_TRANSLATE_NOOP("Nucleo", "o arquivo ou a pasta não existe"),
    QT_TRANSLATE_NOOP("Nucleo", "permissão negada"),
    QT_TRANSLATE_NOOP("Nucleo", "não há espaço no disco"),
    QT_TRANSLATE_NOOP("Nucleo", "a cota de disco foi excedida"),
    QT_TRANSLATE_NOOP("Nucleo", "o sistema de arquivos é somente leitura"),
    QT_TRANSLATE_NOOP("Nucleo", "é uma pasta"),
    QT_TRANSLATE_NOOP("Nucleo", "parte do caminho não é uma pasta"),
    QT_TRANSLATE_NOOP("Nucleo", "o nome é longo demais"),
    QT_TRANSLATE_NOOP("Nucleo", "links simbólicos demais"),
    QT_TRANSLATE_NOOP("Nucleo", "o arquivo já existe"),
    QT_TRANSLATE_NOOP("Nucleo", "erro de entrada e saída"),
    QT_TRANSLATE_NOOP("Nucleo", "o arquivo ficaria grande demais"),
    QT_TRANSLATE_NOOP("Nucleo", "o arquivo está em uso"),
    QT_TRANSLATE_NOOP("Nucleo", "o dispositivo está ocupado"),
    QT_TRANSLATE_NOOP("Nucleo", "arquivos abertos demais"),
    QT_TRANSLATE_NOOP("Nucleo", "não há memória suficiente"),
    QT_TRANSLATE_NOOP("Nucleo", "o outro lado do pipe foi fechado"),
    QT_TRANSLATE_NOOP("Nucleo", "o dispositivo não existe"),
    QT_TRANSLATE_NOOP("Nucleo", "argumento inválido"),
    QT_TRANSLATE_NOOP("Nucleo", "o arquivo está em outro sistema de arquivos"),
    QT_TRANSLATE_NOOP("Nucleo", "erro do sistema %1 (%2)"),
    // formatos/: the data file
    QT_TRANSLATE_NOOP("Nucleo", "o valor de %1 deve estar entre 1 e 10"),
    QT_TRANSLATE_NOOP("Nucleo", "o valor de %1 deve estar entre 0.000001 e 100000"),
    QT_TRANSLATE_NOOP("Nucleo", "o valor de %1 deve ser de no máximo 1000000000 em valor absoluto"),
    QT_TRANSLATE_NOOP("Nucleo", "o valor de %1 deve estar entre 0.000001 e 1000000000"),
    QT_TRANSLATE_NOOP("Nucleo", "o valor de %1 deve ser maior que zero"),
    QT_TRANSLATE_NOOP("Nucleo", "o valor de %1 deve estar entre 0 e 100"),
    QT_TRANSLATE_NOOP("Nucleo", "o valor de %1 está fora da faixa"),
    QT_TRANSLATE_NOOP("Nucleo", "o valor de %1 não é um número"),
    QT_TRANSLATE_NOOP("Nucleo", "o valor de %1 deve estar entre -1000 e 1000"),
    QT_TRANSLATE_NOOP("Nucleo", "o valor de %1 deve ser True ou False"),
    QT_TRANSLATE_NOOP("Nucleo", "O valor de %1 não é um número."),
    QT_TRANSLATE_NOOP("Nucleo", "A freqüência do espectrômetro não é um número."),
    QT_TRANSLATE_NOOP("Nucleo", "A largura a meia altura não é um número."),
    QT_TRANSLATE_NOOP("Nucleo",
                      "O número de deslocamentos ou de constantes de acoplamento não corresponde "
                      "ao número de prótons."),
    QT_TRANSLATE_NOOP("Nucleo", "O nome do espectro experimental não pode ter quebras de linha."),
    QT_TRANSLATE_NOOP("Nucleo", "falta o nome do espectro experimental"),
    QT_TRANSLATE_NOOP("Nucleo", "o nome do espectro experimental está vazio"),
    QT_TRANSLATE_NOOP("Nucleo", "o nome do espectro experimental tem uma quebra de linha"),
    QT_TRANSLATE_NOOP("Nucleo", "linha a mais depois do espectro experimental"),
    QT_TRANSLATE_NOOP("Nucleo", "falta o valor de %1"),
    QT_TRANSLATE_NOOP("Nucleo", "linha a mais depois da referência do espectro"),
    QT_TRANSLATE_NOOP("Nucleo", "o arquivo termina antes de \"%1\""),
    QT_TRANSLATE_NOOP("Nucleo", "esperado \"%1\""),
    QT_TRANSLATE_NOOP("Nucleo", "o arquivo termina antes do número de prótons"),
    QT_TRANSLATE_NOOP("Nucleo", "o arquivo termina aqui; para %1 próton o arquivo tem %2 linhas"),
    QT_TRANSLATE_NOOP("Nucleo", "o arquivo termina aqui; para %1 prótons o arquivo tem %2 linhas"),
    QT_TRANSLATE_NOOP("Nucleo", "linha a mais; para %1 próton o arquivo tem %2 linhas"),
    QT_TRANSLATE_NOOP("Nucleo", "linha a mais; para %1 prótons o arquivo tem %2 linhas"),
    QT_TRANSLATE_NOOP("Nucleo", "falta o fim de linha; o arquivo parece truncado"),
    QT_TRANSLATE_NOOP("Nucleo", "esperada a chave \"%1\""),
    // formatos/: what every reader checks
    QT_TRANSLATE_NOOP("Nucleo", "linha %1: %2"),
    QT_TRANSLATE_NOOP("Nucleo", "o arquivo está vazio"),
    QT_TRANSLATE_NOOP("Nucleo", "byte nulo: não é um arquivo de texto"),
    // formatos/: JCAMP-DX
    QT_TRANSLATE_NOOP("Nucleo", "caractere inesperado \"%1\" na tabela"),
    QT_TRANSLATE_NOOP("Nucleo", "caractere inesperado na tabela (byte %1)"),
    QT_TRANSLATE_NOOP("Nucleo", "valor desconhecido (\"?\") na tabela"),
    QT_TRANSLATE_NOOP("Nucleo", "\"%1\" sem número"),
    QT_TRANSLATE_NOOP("Nucleo", "valor fora da faixa"),
    QT_TRANSLATE_NOOP("Nucleo",
                      "o valor de verificação no início da linha (%1) difere do último valor da "
                      "linha anterior (%2)"),
    QT_TRANSLATE_NOOP("Nucleo", "diferença (DIF) sem valor anterior"),
    QT_TRANSLATE_NOOP("Nucleo", "repetição (DUP) sem valor antes dela na linha"),
    QT_TRANSLATE_NOOP("Nucleo", "a tabela passa de %1 pontos"),
    QT_TRANSLATE_NOOP("Nucleo", "não é um arquivo JCAMP-DX: o texto deveria começar por ##TITLE="),
    QT_TRANSLATE_NOOP("Nucleo",
                      "não é um arquivo JCAMP-DX: o primeiro rótulo deveria ser ##TITLE="),
    QT_TRANSLATE_NOOP("Nucleo", "##TITLE= antes do ##END= do bloco da linha %1"),
    QT_TRANSLATE_NOOP("Nucleo", "blocos LINK aninhados em mais de %1 níveis"),
    QT_TRANSLATE_NOOP("Nucleo",
                      "o arquivo termina no meio da tabela de dados, sem ##END= (truncado?)"),
    QT_TRANSLATE_NOOP("Nucleo", "o arquivo termina sem o ##END= do bloco da linha %1 (truncado?)"),
    QT_TRANSLATE_NOOP("Nucleo", "não é um arquivo JCAMP-DX: não há ##TITLE="),
    QT_TRANSLATE_NOOP("Nucleo",
                      "##.SHIFT REFERENCE= deve ser (tipo, composto, ponto, ppm) com um ponto do "
                      "espectro"),
    QT_TRANSLATE_NOOP("Nucleo", "falta %1"),
    QT_TRANSLATE_NOOP("Nucleo", "as abscissas devem estar em HZ ou PPM, não em %1"),
    QT_TRANSLATE_NOOP("Nucleo",
                      "##.OBSERVE FREQUENCY= deve ser um número maior que zero e no máximo "
                      "100000 (MHz)"),
    QT_TRANSLATE_NOOP("Nucleo", "falta ##.OBSERVE FREQUENCY=: sem a freqüência do espectrômetro as "
                                "posições em Hz não se põem em ppm"),
    QT_TRANSLATE_NOOP("Nucleo",
                      "o arquivo não diz o núcleo observado (##.OBSERVE NUCLEUS=); supõe-se 1H"),
    QT_TRANSLATE_NOOP("Nucleo",
                      "o núcleo observado é %1, não 1H: o espectro foi lido, mas a simulação é "
                      "de prótons"),
    QT_TRANSLATE_NOOP("Nucleo", "o valor de ##%1= não é um número"),
    QT_TRANSLATE_NOOP("Nucleo", "o fator (##%1=) é zero"),
    QT_TRANSLATE_NOOP("Nucleo", "##$OFFSET= não é um número"),
    QT_TRANSLATE_NOOP("Nucleo", "as posições em ppm saem da faixa dos números"),
    QT_TRANSLATE_NOOP(
        "Nucleo", "A freqüência do espectrômetro deve ser maior que zero e no máximo 100000 MHz."),
    QT_TRANSLATE_NOOP("Nucleo", "A envolvente precisa de pelo menos dois pontos."),
    QT_TRANSLATE_NOOP("Nucleo", "A envolvente tem pontos demais."),
    QT_TRANSLATE_NOOP("Nucleo",
                      "Os extremos da envolvente devem ser números finitos e diferentes."),
    QT_TRANSLATE_NOOP("Nucleo", "A envolvente tem um valor que não é um número finito."),
    QT_TRANSLATE_NOOP("Nucleo", "Uma banda tem um valor que não é um número finito."),
    QT_TRANSLATE_NOOP("Nucleo", "as tabelas NTUPLES precisam de ##SYMBOL="),
    QT_TRANSLATE_NOOP("Nucleo", "tabela em forma não aceita: só (X++(Y..Y))"),
    QT_TRANSLATE_NOOP("Nucleo", "as páginas NTUPLES não trazem a parte real do espectro"),
    QT_TRANSLATE_NOOP("Nucleo", "a tabela usa um símbolo que ##SYMBOL= não lista"),
    QT_TRANSLATE_NOOP("Nucleo", "##NPOINTS= deve ser um número inteiro maior que zero"),
    QT_TRANSLATE_NOOP("Nucleo", "##NPOINTS= passa do limite de %1 pontos"),
    QT_TRANSLATE_NOOP("Nucleo", "o fator de X (##XFACTOR=) é zero"),
    QT_TRANSLATE_NOOP("Nucleo", "o fator de Y (##YFACTOR=) é zero"),
    QT_TRANSLATE_NOOP("Nucleo",
                      "o eixo das linhas de dados está deslocado %1 do que o cabeçalho declara; "
                      "as posições seguem o cabeçalho"),
    QT_TRANSLATE_NOOP("Nucleo",
                      "a tabela tem %1 pontos, um a menos que ##NPOINTS=; os pontos seguem de "
                      "##FIRSTX= com o espaçamento de ##FIRSTX= a ##LASTX=, e o último fica em "
                      "%2 ppm"),
    QT_TRANSLATE_NOOP("Nucleo", "##FIRSTX= e ##LASTX= fora da faixa dos números"),
    QT_TRANSLATE_NOOP("Nucleo", "espectros 2D não são aceitos, só espectros 1D"),
    QT_TRANSLATE_NOOP("Nucleo", "o arquivo traz o FID (o sinal no tempo), não o espectro"),
    QT_TRANSLATE_NOOP("Nucleo", "não é um espectro de RMN (##DATA TYPE= %1)"),
    QT_TRANSLATE_NOOP("Nucleo", "o arquivo não traz nenhum espectro"),
    QT_TRANSLATE_NOOP("Nucleo",
                      "a abscissa da linha (%1 %2) não segue a sequência de ##FIRSTX= a ##LASTX= "
                      "(esperado %3 %4)"),
    QT_TRANSLATE_NOOP("Nucleo",
                      "a abscissa da linha (%1) não é o índice do seu primeiro ponto (esperado "
                      "%2)"),
    QT_TRANSLATE_NOOP("Nucleo", "a abscissa X está fora da faixa"),
    QT_TRANSLATE_NOOP("Nucleo", "falta a abscissa X no início da linha"),
    QT_TRANSLATE_NOOP("Nucleo", "a tabela termina com %1 pontos; %2"),
    QT_TRANSLATE_NOOP("Nucleo", "a tabela passa do limite de %1 picos"),
    QT_TRANSLATE_NOOP("Nucleo", "a linha termina num X sem o seu Y"),
    QT_TRANSLATE_NOOP("Nucleo", "tabela de picos em forma não aceita: só (XY..XY)"),
    QT_TRANSLATE_NOOP("Nucleo", "a tabela de picos não traz nenhum pico"),
    QT_TRANSLATE_NOOP("Nucleo", "a tabela traz %1 picos; ##NPOINTS= %2"),
    // ajuste/
    QT_TRANSLATE_NOOP("Nucleo", "Não há espectro experimental para o ajuste."),
    QT_TRANSLATE_NOOP("Nucleo",
                      "O espectro experimental é uma lista de picos: o ajuste precisa do espectro "
                      "medido ponto a ponto."),
    QT_TRANSLATE_NOOP("Nucleo",
                      "O espectro experimental não tem pontos nas regiões do ajuste: a simulação "
                      "e o espectro medido não se sobrepõem."),
    QT_TRANSLATE_NOOP("Nucleo", "Não há parâmetros livres para ajustar."),
    QT_TRANSLATE_NOOP("Nucleo",
                      "O ajuste não convergiu. Aproxime os valores iniciais do espectro medido "
                      "ou fixe alguns parâmetros."),
    QT_TRANSLATE_NOOP("Nucleo", "O ajuste foi interrompido."),
    QT_TRANSLATE_NOOP("Nucleo",
                      "O sinal de %1 não é determinado pelo espectro: com o sinal trocado o "
                      "resíduo é o mesmo."),
    QT_TRANSLATE_NOOP("Nucleo",
                      "O espectro não determina %1: fixe esse parâmetro ou junte-o a outro."),
    QT_TRANSLATE_NOOP("Nucleo", "Não há memória suficiente para o ajuste."),
    QT_TRANSLATE_NOOP("Nucleo", "largura"),
    QT_TRANSLATE_NOOP("Nucleo", "escala"),
    QT_TRANSLATE_NOOP("Nucleo", "linha de base"),
    // display/: the plot's captions
    QT_TRANSLATE_NOOP("Nucleo", "%1% Lorentziana + %2% Gaussiana"),
    // The longest first: the first pattern that matches is taken.
    QT_TRANSLATE_NOOP("Nucleo", "Espectro experimental: %1 (%2 MHz), deslocado %3 ppm"),
    QT_TRANSLATE_NOOP("Nucleo", "Espectro experimental: %1 (%2 MHz)"),
    QT_TRANSLATE_NOOP("Nucleo", "Espectro experimental: %1, deslocado %2 ppm"),
    QT_TRANSLATE_NOOP("Nucleo", "Espectro experimental: %1"),
    QT_TRANSLATE_NOOP("Nucleo", "Resíduo do ajuste: RMS %1 %"),
    QT_TRANSLATE_NOOP("Nucleo", "Não foi possível desenhar a figura para %1."),
};

const QRegularExpression& Marca() {
    static const QRegularExpression m(QStringLiteral("%(\\d)"));
    return m;
}

struct Padrao {
    QRegularExpression forma;
    const char* fonte;
};

// "%1" becomes a lazy group, everything else stands for itself.
QRegularExpression Forma(const QString& padrao) {
    QString rx = QStringLiteral("^");
    qsizetype de = 0;
    for (auto it = Marca().globalMatch(padrao); it.hasNext();) {
        const auto m = it.next();
        rx += QRegularExpression::escape(padrao.mid(de, m.capturedStart() - de));
        rx += QStringLiteral("(.+?)");
        de = m.capturedEnd();
    }
    rx += QRegularExpression::escape(padrao.mid(de)) + QStringLiteral("$");
    return QRegularExpression(rx, QRegularExpression::DotMatchesEverythingOption);
}

const std::vector<Padrao>& ComPartes() {
    static const std::vector<Padrao> v = [] {
        std::vector<Padrao> r;
        for (const char* p : Padroes) {
            const QString s = QString::fromUtf8(p);
            if (s.contains(Marca())) r.push_back({Forma(s), p});
        }
        return r;
    }();
    return v;
}

// One pass, so that a part holding "%2" stays as it is.
QString Preenche(const QString& padrao, const QStringList& partes) {
    QString r;
    qsizetype de = 0;
    for (auto it = Marca().globalMatch(padrao); it.hasNext();) {
        const auto m = it.next();
        const int n = m.captured(1).toInt();
        r += padrao.mid(de, m.capturedStart() - de);
        r += n >= 1 && n <= partes.size() ? partes[n - 1] : m.captured();
        de = m.capturedEnd();
    }
    return r + padrao.mid(de);
}

// With no translation of the core installed (the Portuguese interface) every
// text stands as it is: the plot's captions pass here at each repaint, and
// matching them against every pattern would be work for nothing.
bool SemTraducao() {
    return QCoreApplication::translate("Nucleo", Padroes[0]) == QString::fromUtf8(Padroes[0]);
}

} // namespace

QString TraduzNucleo(const QString& texto) {
    if (SemTraducao()) return texto;
    const QByteArray bytes = texto.toUtf8();
    const QString inteiro = QCoreApplication::translate("Nucleo", bytes.constData());
    if (inteiro != texto) return inteiro;
    for (const Padrao& p : ComPartes()) {
        const QRegularExpressionMatch m = p.forma.match(texto);
        if (!m.hasMatch()) continue;
        QStringList partes;
        for (int i = 1; i <= m.lastCapturedIndex(); ++i) partes << TraduzNucleo(m.captured(i));
        return Preenche(QCoreApplication::translate("Nucleo", p.fonte), partes);
    }
    return texto;
}

QString TraduzNucleo(std::string_view texto) {
    return TraduzNucleo(QString::fromUtf8(texto.data(), qsizetype(texto.size())));
}
