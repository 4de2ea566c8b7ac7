<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="pt_BR">
<context>
    <name>AjusteEspectro</name>
    <message>
        <source>Ajuste ao espectro experimental</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dados de entrada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preparando o ajuste...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelando...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Etapa %1 de %2, iteração %3
Resíduo: RMS %4 %</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AreaGrafico</name>
    <message>
        <source>Fixar Janela</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Liberar Janela</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use este comando para manter a janela fixa na posição atual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clique duplo para mudar título</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use este comando para liberar e poder movimentar e ampliar a janela horizontalmente</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Título: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NECA DE PITIBIRIBA</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ArquivoEspectro</name>
    <message>
        <source>Espectros simulados (*.esm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Texto(*.txt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salvar dados</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erro!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deu Crepe!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BarraEstado</name>
    <message>
        <source>N° de pontos do gráfico:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N° de bandas do espectro:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N° de picos da envolvente:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hora:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DialogoAjuste</name>
    <message>
        <source>Ajustar ao Espectro Experimental</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parâmetro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valor inicial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ajustar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Separar grupo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remover região</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Iniciar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fechar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parâmetros (grupos se movem juntos):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Regiões comparadas (arraste sobre o gráfico para acrescentar uma):</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DialogoResultadoAjuste</name>
    <message>
        <source>Resultado do ajuste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parâmetro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mudança</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resíduo: RMS %1 % em %2 iterações</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aplicar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Descartar</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DialogoTamanho</name>
    <message>
        <source>Tamanho da janela</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Largura:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tamanho da figura</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DialogosArquivo</name>
    <message>
        <source>Todos os arquivos (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Substituir assim mesmo?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExecucaoEspectro</name>
    <message>
        <source>Cálculo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memória insuficiente</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dados de entrada</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Exemplos</name>
    <message>
        <source>Primeira ordem × segunda ordem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Três spins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grupos alquila</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sistemas de spins magneticamente não equivalentes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Efeito do campo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AB, Δν/J = 10 (quase AX)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AB, Δν/J = 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AB, Δν/J = 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AB, Δν/J = 0,3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A2: prótons equivalentes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AX2: 1,1,2-tricloroetano (300 MHz)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AB2: 2,6-dimetilpiridina (60 MHz)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AMX: vinila do estireno (400 MHz)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ABX: vinila do estireno (60 MHz)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Etila (A3X2): bromoetano</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Isopropila (A6X): 2-bromopropano</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>n-Propila (A3M2X2): 1-bromopropano</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>n-Butila, 10 prótons: 1-butanol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AA&apos;XX&apos;: 4-nitroanisol (300 MHz)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AA&apos;BB&apos;: 4-clorotolueno (300 MHz)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A2B2: 2-cloroetanol, J = J&apos; (modelo)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AA&apos;BB&apos;: 2-cloroetanol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acrilato de metila, 60 MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acrilato de metila, 300 MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acrilato de metila, 600 MHz</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FiguraEspectro</name>
    <message>
        <source>Figura SVG (*.svg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Figura PNG (*.png)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Documento PDF (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Figura copiada; também gravada em %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salvar figura</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Figura salva em %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Espectro Simulado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imprimir</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Não foi possível imprimir o espectro.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visualizar Impressão</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GradeAcoplamentos</name>
    <message>
        <source>Constantes de Acoplamento</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X(H) =</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>J (%1,X) = </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Grafico</name>
    <message>
        <source>Espectro de Primeira Ordem!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gaussiana</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lorentziana</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Combinação</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Espectro Simulado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Curva Combinada: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Inicio</name>
    <message>
        <source>Opção desconhecida: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opções desconhecidas: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Um arquivo de dados é aberto de cada vez; nenhum foi aberto: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Uso: halvora [ARQ.esm]</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>JanelaEspectro</name>
    <message>
        <source>Fechar tabela</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Executar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ampliar verticalmente</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reduzir verticalmente</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salvar dados?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deseja salvar os dados de entrada?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abrir tabela</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resolução da Tela</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Este programa é mais apropriado para funcionar em uma resolução<byte value="xd"/>
de 1024 x 768 pixels. Em 800 x 600 pixels é possível ver os<byte value="xd"/>
espectros simulados, mas não é possível ver as matrizes. Se<byte value="xd"/>
quiser modificar a resolução, feche o programa e abra-o<byte value="xd"/>
novamente depois de modificar.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>JanelaGuia</name>
    <message>
        <source>◀ Voltar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avançar ▶</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guia do Halvora</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Índice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fechar</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>JanelaMatrizes</name>
    <message>
        <source>Cálculo de Instensidade (Máximo 5 prótons)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cálculo de Intensidade (Máximo 5 prótons)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Matrizes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>JanelaMatrizes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PasseioIntensidade</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Matriz H (Matriz hamiltoniana)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Matriz A (Auto-valores)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Matriz V (Auto-vetores)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Matriz de Transição</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Espectro Simulado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verificações</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Retorno Matrizes</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>JanelaSobre</name>
    <message>
        <source>Sobre o Programa </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Versão </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Este programa serve para prever a aparência de um espectro de Ressonância Magnética Nuclear de próton (hidrogênio) correspondendo a um determinado conjunto de valores de deslocamento químico e de constantes de acoplamento.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Programa demonstrativo de finalidade didática, seu uso é livre de qualquer restrição. Escrito pela equipe do Halvora.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>JanelaVerificacoes</name>
    <message>
        <source>Verificações</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>JanelaVerificacoes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fechar Verificações</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coluna da matriz V:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Soma dos quadrados:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Soma dos quadrados dos coeficientes (cada coluna da matriz V)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Determinante da matriz H</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(Pelo método de Chió)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Produto dos autovalores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Traço da matriz H</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(Soma dos elementos da diagonal)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Traço da matriz A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(Soma dos autovalores)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Precisão 10^-5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Produto das matrizes HV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Produto das matrizes VA</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>JcampEspectro</name>
    <message>
        <source>Espectros JCAMP-DX (*.jdx *.dx *.jcamp)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Espectro experimental:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deu Crepe!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>O arquivo &quot;%1&quot; não pôde ser usado como espectro experimental: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Escolha um espectro de RMN de 1H em JCAMP-DX (arquivo .jdx ou .dx) com eixo em Hz ou ppm.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Espectro experimental</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>O espectro experimental %1, que o arquivo de dados indica, não pôde ser lido: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>O espectro experimental foi medido a %1 MHz. Usar essa freqüência?

Os deslocamentos químicos mantêm seus valores em ppm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (a entrada passa para ppm).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>O espectro experimental %1 continua sob o novo sistema. Mantê-lo?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Referência do espectro experimental</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deslocamento (ppm) a somar ao espectro experimental:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>O deslocamento não é um número.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>O deslocamento deve estar entre -1000 e 1000 ppm.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exportar espectro</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MenusEspectro</name>
    <message>
        <source>Título do espectro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Visualizar Cópia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Fechar Visualização</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Espectro de Primeira Ordem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Espectro de ordem superior</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Arquivo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Abrir Dados de Entrada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Salvar Dados de Entrada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exemplos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xportar Espectro (JCAMP-DX)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Imprimir...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Visualizar Impressão</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sai&amp;r</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Editar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copiar tabela de resultados</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Desfazer ajuste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copiar &amp;Espectro Simulado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copiar (Colorido)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copiar (&amp;Branco e Preto)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Salvar Figura...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Mostrar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tempo consumido em cada operação</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Comparar curvas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Opções</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Histograma</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Com Histograma</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Colorido</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sem cores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sem Histograma</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Envolvente</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Com Envolvente</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sem Envolvente</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Números Grandes na Cópia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Janela</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Matrizes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Espectro Experimental...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re&amp;ferência do Espectro Experimental...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Remover espectro experimental</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ajustar ao Espectro Experimental...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adicionar título?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deseja adicionar um título ao espectro?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Título:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Título: </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Moldura</name>
    <message>
        <source>Aj&amp;uda</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Guia do Halvora</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sobre o Programa Halvora</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Idioma</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do &amp;sistema</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>O idioma escolhido vale a partir da próxima vez que o Halvora for aberto.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Nucleo</name>
    <message>
        <source>A intensidade mínima não é um número válido.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A freqüência do espectrômetro não é um número válido.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A freqüência do espectrômetro deve ser maior que zero.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>O deslocamento químico de H%1 não é um número válido.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A constante de acoplamento J(%1,%2) não é um número válido.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A tolerância da diagonalização não é um número válido.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Os valores de entrada são grandes demais para o cálculo. Reduza a freqüência, os deslocamentos químicos ou as constantes de acoplamento.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Os deslocamentos químicos ou as constantes de acoplamento são grandes demais para a freqüência do espectrômetro: os estados de spin não podem ser agrupados pelo spin total. Aumente a freqüência ou reduza esses valores.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Não há memória suficiente para este cálculo. Feche outros programas ou reduza o número de prótons.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A diagonalização (Jacobi) não convergiu. Verifique os valores de entrada.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>O cálculo foi interrompido.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>O número de prótons deve estar entre 1 e 10.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A freqüência do espectrômetro deve ser de pelo menos 0,000001 MHz.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A freqüência do espectrômetro deve ser de no máximo 100000 MHz: acima disso o cálculo perde precisão.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>O número de deslocamentos químicos não corresponde ao número de prótons.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>O deslocamento químico de H%1 deve ser de no máximo 1000000000 Hz em valor absoluto.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>O número de constantes de acoplamento não corresponde ao número de prótons.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uma constante de acoplamento não é um número válido.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As constantes de acoplamento devem ser de no máximo 1000000000 Hz em valor absoluto.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A tolerância da diagonalização deve ser um número positivo.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Banda n°</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Níveis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Freqüência (Hz)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Freqüência(Hz)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Intensidade relativa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spins nível A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spins nível B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prótons afetados</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Submatrizes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Matriz de transição</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cálculo de freqüências</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ordenação de Bandas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preenchimento da Tabela</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gráfico</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tempo (segundos)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total (segundos)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Não foi possível gravar %1: é %2, não um arquivo comum.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>O arquivo %1 é somente leitura.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Não foi possível gravar %1: %2. Os dados completos estão em %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Não foi possível gravar %1: ninguém está lendo esse pipe.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Não foi possível gravar %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nenhum nome de arquivo foi dado.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>não foi possível abrir o arquivo (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>não é um arquivo comum, é %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>o arquivo é grande demais (mais de %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>não foi possível ler o arquivo (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>uma pasta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>um dispositivo de blocos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>um dispositivo de caracteres</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>um pipe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>um socket</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>um arquivo especial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>o arquivo ou a pasta não existe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>permissão negada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>não há espaço no disco</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a cota de disco foi excedida</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>o sistema de arquivos é somente leitura</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>é uma pasta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>parte do caminho não é uma pasta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>o nome é longo demais</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>links simbólicos demais</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>o arquivo já existe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>erro de entrada e saída</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>o arquivo ficaria grande demais</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>o arquivo está em uso</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>o dispositivo está ocupado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>arquivos abertos demais</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>não há memória suficiente</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>o outro lado do pipe foi fechado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>o dispositivo não existe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>argumento inválido</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>o arquivo está em outro sistema de arquivos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>erro do sistema %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>o valor de %1 deve estar entre 1 e 10</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>o valor de %1 deve estar entre 0.000001 e 100000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>o valor de %1 deve ser de no máximo 1000000000 em valor absoluto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>o valor de %1 deve estar entre 0.000001 e 1000000000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>o valor de %1 deve ser maior que zero</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>o valor de %1 deve estar entre 0 e 100</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>o valor de %1 está fora da faixa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>o valor de %1 não é um número</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>o valor de %1 deve estar entre -1000 e 1000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>o valor de %1 deve ser True ou False</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>O valor de %1 não é um número.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A freqüência do espectrômetro não é um número.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A largura a meia altura não é um número.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>O número de deslocamentos ou de constantes de acoplamento não corresponde ao número de prótons.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>O nome do espectro experimental não pode ter quebras de linha.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>falta o nome do espectro experimental</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>o nome do espectro experimental está vazio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>o nome do espectro experimental tem uma quebra de linha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>linha a mais depois do espectro experimental</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>falta o valor de %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>linha a mais depois da referência do espectro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>o arquivo termina antes de &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>esperado &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>o arquivo termina antes do número de prótons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>o arquivo termina aqui; para %1 próton o arquivo tem %2 linhas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>o arquivo termina aqui; para %1 prótons o arquivo tem %2 linhas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>linha a mais; para %1 próton o arquivo tem %2 linhas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>linha a mais; para %1 prótons o arquivo tem %2 linhas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>falta o fim de linha; o arquivo parece truncado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>esperada a chave &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>linha %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>o arquivo está vazio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>byte nulo: não é um arquivo de texto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>caractere inesperado &quot;%1&quot; na tabela</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>caractere inesperado na tabela (byte %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>valor desconhecido (&quot;?&quot;) na tabela</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; sem número</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>valor fora da faixa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>o valor de verificação no início da linha (%1) difere do último valor da linha anterior (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>diferença (DIF) sem valor anterior</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>repetição (DUP) sem valor antes dela na linha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a tabela passa de %1 pontos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>não é um arquivo JCAMP-DX: o texto deveria começar por ##TITLE=</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>não é um arquivo JCAMP-DX: o primeiro rótulo deveria ser ##TITLE=</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>##TITLE= antes do ##END= do bloco da linha %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>blocos LINK aninhados em mais de %1 níveis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>o arquivo termina no meio da tabela de dados, sem ##END= (truncado?)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>o arquivo termina sem o ##END= do bloco da linha %1 (truncado?)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>não é um arquivo JCAMP-DX: não há ##TITLE=</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>##.SHIFT REFERENCE= deve ser (tipo, composto, ponto, ppm) com um ponto do espectro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>falta %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>as abscissas devem estar em HZ ou PPM, não em %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>##.OBSERVE FREQUENCY= deve ser um número maior que zero e no máximo 100000 (MHz)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>falta ##.OBSERVE FREQUENCY=: sem a freqüência do espectrômetro as posições em Hz não se põem em ppm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>o arquivo não diz o núcleo observado (##.OBSERVE NUCLEUS=); supõe-se 1H</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>o núcleo observado é %1, não 1H: o espectro foi lido, mas a simulação é de prótons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>o valor de ##%1= não é um número</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>o fator (##%1=) é zero</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>##$OFFSET= não é um número</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>as posições em ppm saem da faixa dos números</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A freqüência do espectrômetro deve ser maior que zero e no máximo 100000 MHz.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A envolvente precisa de pelo menos dois pontos.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A envolvente tem pontos demais.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Os extremos da envolvente devem ser números finitos e diferentes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A envolvente tem um valor que não é um número finito.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uma banda tem um valor que não é um número finito.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>as tabelas NTUPLES precisam de ##SYMBOL=</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tabela em forma não aceita: só (X++(Y..Y))</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>as páginas NTUPLES não trazem a parte real do espectro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a tabela usa um símbolo que ##SYMBOL= não lista</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>##NPOINTS= deve ser um número inteiro maior que zero</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>##NPOINTS= passa do limite de %1 pontos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>o fator de X (##XFACTOR=) é zero</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>o fator de Y (##YFACTOR=) é zero</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>o eixo das linhas de dados está deslocado %1 do que o cabeçalho declara; as posições seguem o cabeçalho</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a tabela tem %1 pontos, um a menos que ##NPOINTS=; os pontos seguem de ##FIRSTX= com o espaçamento de ##FIRSTX= a ##LASTX=, e o último fica em %2 ppm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>##FIRSTX= e ##LASTX= fora da faixa dos números</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>espectros 2D não são aceitos, só espectros 1D</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>o arquivo traz o FID (o sinal no tempo), não o espectro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>não é um espectro de RMN (##DATA TYPE= %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>o arquivo não traz nenhum espectro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a abscissa da linha (%1 %2) não segue a sequência de ##FIRSTX= a ##LASTX= (esperado %3 %4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a abscissa da linha (%1) não é o índice do seu primeiro ponto (esperado %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a abscissa X está fora da faixa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>falta a abscissa X no início da linha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a tabela termina com %1 pontos; %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a tabela passa do limite de %1 picos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a linha termina num X sem o seu Y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tabela de picos em forma não aceita: só (XY..XY)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a tabela de picos não traz nenhum pico</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a tabela traz %1 picos; ##NPOINTS= %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Não há espectro experimental para o ajuste.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>O espectro experimental é uma lista de picos: o ajuste precisa do espectro medido ponto a ponto.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>O espectro experimental não tem pontos nas regiões do ajuste: a simulação e o espectro medido não se sobrepõem.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Não há parâmetros livres para ajustar.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>O ajuste não convergiu. Aproxime os valores iniciais do espectro medido ou fixe alguns parâmetros.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>O ajuste foi interrompido.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>O sinal de %1 não é determinado pelo espectro: com o sinal trocado o resíduo é o mesmo.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>O espectro não determina %1: fixe esse parâmetro ou junte-o a outro.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Não há memória suficiente para o ajuste.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>largura</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>escala</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>linha de base</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1% Lorentziana + %2% Gaussiana</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Espectro experimental: %1 (%2 MHz), deslocado %3 ppm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Espectro experimental: %1 (%2 MHz)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Espectro experimental: %1, deslocado %2 ppm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Espectro experimental: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resíduo do ajuste: RMS %1 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Não foi possível desenhar a figura para %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OpcoesEspectro</name>
    <message>
        <source>Cores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colorido</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sem cores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mostrar Todas as Bandas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Envolvente</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Com envolvente</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sem envolvente</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PainelEntrada</name>
    <message>
        <source>Deslocamentos Químicos (Hz)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N° de prótons:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(1 a 10)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Freqüência:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mudar Hz/ppm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Intensidade mínima:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Largura a meia altura:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ampliar horizontalmente</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reduzir horizontalmente</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restaurar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valor inválido</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A caixa &quot;%1&quot; não contém um número válido.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Intensidade mínima</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Largura a meia altura</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PainelTempos</name>
    <message>
        <source>Calculando, aguarde...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Isto leva menos de um segundo (alguns segundos num computador lento).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fechar</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PasseioIntensidade</name>
    <message>
        <source>Resultado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Intensidade da transição %1 – %2 = (</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Não tem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valor na tabela do espectro: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nível A =</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nível B =</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(Mais preciso)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UnidadeDesloc</name>
    <message>
        <source>Você está alterando o valor da freqüência do instrumento<byte value="xd"/>
mas a entrada de deslocamentos químicos está focalizada em &apos;Hz&apos;.<byte value="xd"/>
Se sua intenção é ver como o espectro muda ao utilizar um<byte value="xd"/>
instrumento de freqüência diferente, a entrada deve ser<byte value="xd"/>
selecionada para &apos;ppm&apos;.<byte value="xd"/>
<byte value="xd"/>
Deseja que o programa mude automaticamente para &apos;ppm&apos;?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mudar para ppm?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deslocamentos Químicos (ppm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deslocamentos Químicos (Hz)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
