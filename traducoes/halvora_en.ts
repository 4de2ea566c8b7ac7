<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="pt_BR">
<context>
    <name>AjusteEspectro</name>
    <message>
        <source>Ajuste ao espectro experimental</source>
        <translation>Fit to the experimental spectrum</translation>
    </message>
    <message>
        <source>Dados de entrada</source>
        <translation>Input data</translation>
    </message>
    <message>
        <source>Preparando o ajuste...</source>
        <translation>Preparing the fit...</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Cancelando...</source>
        <translation>Cancelling...</translation>
    </message>
    <message>
        <source>Etapa %1 de %2, iteração %3
Resíduo: RMS %4 %</source>
        <translation>Stage %1 of %2, iteration %3
Residual: RMS %4 %</translation>
    </message>
</context>
<context>
    <name>AreaGrafico</name>
    <message>
        <source>Fixar Janela</source>
        <translation>Lock Window</translation>
    </message>
    <message>
        <source>Liberar Janela</source>
        <translation>Unlock Window</translation>
    </message>
    <message>
        <source>Use este comando para manter a janela fixa na posição atual</source>
        <translation>Use this command to keep the window fixed where it is now</translation>
    </message>
    <message>
        <source>Clique duplo para mudar título</source>
        <translation>Double-click to change the title</translation>
    </message>
    <message>
        <source>Use este comando para liberar e poder movimentar e ampliar a janela horizontalmente</source>
        <translation>Use this command to free the window so that it can be moved and zoomed horizontally</translation>
    </message>
    <message>
        <source>Título: </source>
        <translation>Title: </translation>
    </message>
    <message>
        <source>NECA DE PITIBIRIBA</source>
        <translation>NOTHING DOING</translation>
    </message>
</context>
<context>
    <name>ArquivoEspectro</name>
    <message>
        <source>Espectros simulados (*.esm)</source>
        <translation>Simulated spectra (*.esm)</translation>
    </message>
    <message>
        <source>Texto(*.txt)</source>
        <translation>Text(*.txt)</translation>
    </message>
    <message>
        <source>Salvar dados</source>
        <translation>Save data</translation>
    </message>
    <message>
        <source>Erro!</source>
        <translation>Error!</translation>
    </message>
    <message>
        <source>Deu Crepe!</source>
        <translation>Oops!</translation>
    </message>
</context>
<context>
    <name>BarraEstado</name>
    <message>
        <source>N° de pontos do gráfico:</source>
        <translation>No. of plot points:</translation>
    </message>
    <message>
        <source>N° de bandas do espectro:</source>
        <translation>No. of spectrum lines:</translation>
    </message>
    <message>
        <source>N° de picos da envolvente:</source>
        <translation>No. of envelope peaks:</translation>
    </message>
    <message>
        <source>Data:</source>
        <translation>Date:</translation>
    </message>
    <message>
        <source>Hora:</source>
        <translation>Time:</translation>
    </message>
</context>
<context>
    <name>DialogoAjuste</name>
    <message>
        <source>Ajustar ao Espectro Experimental</source>
        <translation>Fit to Experimental Spectrum</translation>
    </message>
    <message>
        <source>Parâmetro</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>Valor inicial</source>
        <translation>Initial value</translation>
    </message>
    <message>
        <source>Ajustar</source>
        <translation>Fit</translation>
    </message>
    <message>
        <source>Separar grupo</source>
        <translation>Split group</translation>
    </message>
    <message>
        <source>Remover região</source>
        <translation>Remove region</translation>
    </message>
    <message>
        <source>Iniciar</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Fechar</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Parâmetros (grupos se movem juntos):</source>
        <translation>Parameters (groups move together):</translation>
    </message>
    <message>
        <source>Regiões comparadas (arraste sobre o gráfico para acrescentar uma):</source>
        <translation>Regions compared (drag across the plot to add one):</translation>
    </message>
    <message>
        <source>%1 a %2 ppm</source>
        <translation>%1 to %2 ppm</translation>
    </message>
</context>
<context>
    <name>DialogoResultadoAjuste</name>
    <message>
        <source>Resultado do ajuste</source>
        <translation>Fit result</translation>
    </message>
    <message>
        <source>Parâmetro</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>Valor</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Mudança</source>
        <translation>Change</translation>
    </message>
    <message>
        <source>Resíduo: RMS %1 % em %2 iterações</source>
        <translation>Residual: RMS %1 % after %2 iterations</translation>
    </message>
    <message>
        <source>Aplicar</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Descartar</source>
        <translation>Discard</translation>
    </message>
    <message>
        <source>fixo</source>
        <translation>fixed</translation>
    </message>
</context>
<context>
    <name>DialogoTamanho</name>
    <message>
        <source>Tamanho da janela</source>
        <translation>Window size</translation>
    </message>
    <message>
        <source>Largura:</source>
        <translation>Width:</translation>
    </message>
    <message>
        <source>Tamanho da figura</source>
        <translation>Figure size</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>DialogosArquivo</name>
    <message>
        <source>Todos os arquivos (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source> Substituir assim mesmo?</source>
        <translation> Replace it anyway?</translation>
    </message>
</context>
<context>
    <name>ExecucaoEspectro</name>
    <message>
        <source>Cálculo</source>
        <translation>Calculation</translation>
    </message>
    <message>
        <source>Memória insuficiente</source>
        <translation>Out of memory</translation>
    </message>
    <message>
        <source>Dados de entrada</source>
        <translation>Input data</translation>
    </message>
</context>
<context>
    <name>Exemplos</name>
    <message>
        <source>Primeira ordem × segunda ordem</source>
        <translation>First order × second order</translation>
    </message>
    <message>
        <source>Três spins</source>
        <translation>Three spins</translation>
    </message>
    <message>
        <source>Grupos alquila</source>
        <translation>Alkyl groups</translation>
    </message>
    <message>
        <source>Sistemas de spins magneticamente não equivalentes</source>
        <translation>Magnetically non-equivalent spin systems</translation>
    </message>
    <message>
        <source>Efeito do campo</source>
        <translation>Effect of the field</translation>
    </message>
    <message>
        <source>AB, Δν/J = 10 (quase AX)</source>
        <translation>AB, Δν/J = 10 (nearly AX)</translation>
    </message>
    <message>
        <source>AB, Δν/J = 3</source>
        <translation>AB, Δν/J = 3</translation>
    </message>
    <message>
        <source>AB, Δν/J = 1</source>
        <translation>AB, Δν/J = 1</translation>
    </message>
    <message>
        <source>AB, Δν/J = 0,3</source>
        <translation>AB, Δν/J = 0.3</translation>
    </message>
    <message>
        <source>A2: prótons equivalentes</source>
        <translation>A2: equivalent protons</translation>
    </message>
    <message>
        <source>AX2: 1,1,2-tricloroetano (300 MHz)</source>
        <translation>AX2: 1,1,2-trichloroethane (300 MHz)</translation>
    </message>
    <message>
        <source>AB2: 2,6-dimetilpiridina (60 MHz)</source>
        <translation>AB2: 2,6-dimethylpyridine (60 MHz)</translation>
    </message>
    <message>
        <source>AMX: vinila do estireno (400 MHz)</source>
        <translation>AMX: the vinyl group of styrene (400 MHz)</translation>
    </message>
    <message>
        <source>ABX: vinila do estireno (60 MHz)</source>
        <translation>ABX: the vinyl group of styrene (60 MHz)</translation>
    </message>
    <message>
        <source>Etila (A3X2): bromoetano</source>
        <translation>Ethyl (A3X2): bromoethane</translation>
    </message>
    <message>
        <source>Isopropila (A6X): 2-bromopropano</source>
        <translation>Isopropyl (A6X): 2-bromopropane</translation>
    </message>
    <message>
        <source>n-Propila (A3M2X2): 1-bromopropano</source>
        <translation>n-Propyl (A3M2X2): 1-bromopropane</translation>
    </message>
    <message>
        <source>n-Butila, 10 prótons: 1-butanol</source>
        <translation>n-Butyl, 10 protons: 1-butanol</translation>
    </message>
    <message>
        <source>AA&apos;XX&apos;: 4-nitroanisol (300 MHz)</source>
        <translation>AA&apos;XX&apos;: 4-nitroanisole (300 MHz)</translation>
    </message>
    <message>
        <source>AA&apos;BB&apos;: 4-clorotolueno (300 MHz)</source>
        <translation>AA&apos;BB&apos;: 4-chlorotoluene (300 MHz)</translation>
    </message>
    <message>
        <source>A2B2: 2-cloroetanol, J = J&apos; (modelo)</source>
        <translation>A2B2: 2-chloroethanol, J = J&apos; (model)</translation>
    </message>
    <message>
        <source>AA&apos;BB&apos;: 2-cloroetanol</source>
        <translation>AA&apos;BB&apos;: 2-chloroethanol</translation>
    </message>
    <message>
        <source>Acrilato de metila, 60 MHz</source>
        <translation>Methyl acrylate, 60 MHz</translation>
    </message>
    <message>
        <source>Acrilato de metila, 300 MHz</source>
        <translation>Methyl acrylate, 300 MHz</translation>
    </message>
    <message>
        <source>Acrilato de metila, 600 MHz</source>
        <translation>Methyl acrylate, 600 MHz</translation>
    </message>
</context>
<context>
    <name>FiguraEspectro</name>
    <message>
        <source>Figura SVG (*.svg)</source>
        <translation>SVG figure (*.svg)</translation>
    </message>
    <message>
        <source>Figura PNG (*.png)</source>
        <translation>PNG figure (*.png)</translation>
    </message>
    <message>
        <source>Documento PDF (*.pdf)</source>
        <translation>PDF document (*.pdf)</translation>
    </message>
    <message>
        <source>Figura copiada; também gravada em %1</source>
        <translation>Figure copied; also saved as %1</translation>
    </message>
    <message>
        <source>Salvar figura</source>
        <translation>Save figure</translation>
    </message>
    <message>
        <source>Figura salva em %1</source>
        <translation>Figure saved as %1</translation>
    </message>
    <message>
        <source>Espectro Simulado</source>
        <translation>Simulated Spectrum</translation>
    </message>
    <message>
        <source>Imprimir</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Não foi possível imprimir o espectro.</source>
        <translation>The spectrum could not be printed.</translation>
    </message>
    <message>
        <source>Visualizar Impressão</source>
        <translation>Print Preview</translation>
    </message>
</context>
<context>
    <name>GradeAcoplamentos</name>
    <message>
        <source>Constantes de Acoplamento</source>
        <translation>Coupling Constants</translation>
    </message>
    <message>
        <source>X(H) =</source>
        <translation>X(H) =</translation>
    </message>
    <message>
        <source>J (%1,X) = </source>
        <translation>J (%1,X) = </translation>
    </message>
</context>
<context>
    <name>Grafico</name>
    <message>
        <source>Espectro de Primeira Ordem!</source>
        <translation>First-Order Spectrum!</translation>
    </message>
    <message>
        <source>Gaussiana</source>
        <translation>Gaussian</translation>
    </message>
    <message>
        <source>Lorentziana</source>
        <translation>Lorentzian</translation>
    </message>
    <message>
        <source>Combinação</source>
        <translation>Combination</translation>
    </message>
    <message>
        <source>Espectro Simulado</source>
        <translation>Simulated Spectrum</translation>
    </message>
    <message>
        <source>Curva Combinada: %1</source>
        <translation>Combined Curve: %1</translation>
    </message>
</context>
<context>
    <name>Inicio</name>
    <message>
        <source>Opção desconhecida: %1.</source>
        <translation>Unknown option: %1.</translation>
    </message>
    <message>
        <source>Opções desconhecidas: %1.</source>
        <translation>Unknown options: %1.</translation>
    </message>
    <message>
        <source>Um arquivo de dados é aberto de cada vez; nenhum foi aberto: %1.</source>
        <translation>One data file is opened at a time; none was opened: %1.</translation>
    </message>
    <message>
        <source>
Uso: halvora [ARQ.esm]</source>
        <translation>
Usage: halvora [FILE.esm]</translation>
    </message>
</context>
<context>
    <name>JanelaEspectro</name>
    <message>
        <source>Fechar tabela</source>
        <translation>Close table</translation>
    </message>
    <message>
        <source>Executar</source>
        <translation>Run</translation>
    </message>
    <message>
        <source>Ampliar verticalmente</source>
        <translation>Zoom in vertically</translation>
    </message>
    <message>
        <source>Reduzir verticalmente</source>
        <translation>Zoom out vertically</translation>
    </message>
    <message>
        <source>Salvar dados?</source>
        <translation>Save data?</translation>
    </message>
    <message>
        <source>Deseja salvar os dados de entrada?</source>
        <translation>Do you want to save the input data?</translation>
    </message>
    <message>
        <source>Abrir tabela</source>
        <translation>Open table</translation>
    </message>
    <message>
        <source>Resolução da Tela</source>
        <translation>Screen Resolution</translation>
    </message>
    <message>
        <source>Este programa é mais apropriado para funcionar em uma resolução<byte value="xd"/>
de 1024 x 768 pixels. Em 800 x 600 pixels é possível ver os<byte value="xd"/>
espectros simulados, mas não é possível ver as matrizes. Se<byte value="xd"/>
quiser modificar a resolução, feche o programa e abra-o<byte value="xd"/>
novamente depois de modificar.</source>
        <translation>This program is best used at a resolution of<byte value="xd"/>
1024 x 768 pixels. At 800 x 600 pixels the simulated spectra<byte value="xd"/>
can be seen, but the matrices cannot. If you want<byte value="xd"/>
to change the resolution, close the program and open it<byte value="xd"/>
again after the change.</translation>
    </message>
</context>
<context>
    <name>JanelaGuia</name>
    <message>
        <source>◀ Voltar</source>
        <translation>◀ Back</translation>
    </message>
    <message>
        <source>Avançar ▶</source>
        <translation>Forward ▶</translation>
    </message>
    <message>
        <source>Guia do Halvora</source>
        <translation>Halvora Guide</translation>
    </message>
    <message>
        <source>Índice</source>
        <translation>Contents</translation>
    </message>
    <message>
        <source>Fechar</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>JanelaMatrizes</name>
    <message>
        <source>Cálculo de Instensidade (Máximo 5 prótons)</source>
        <translation>Intensity Calculation (Maximum 5 protons)</translation>
    </message>
    <message>
        <source>Cálculo de Intensidade (Máximo 5 prótons)</source>
        <translation>Intensity Calculation (Maximum 5 protons)</translation>
    </message>
    <message>
        <source>Matrizes</source>
        <translation>Matrices</translation>
    </message>
    <message>
        <source>Matriz H (Matriz hamiltoniana)</source>
        <translation>Matrix H (Hamiltonian matrix)</translation>
    </message>
    <message>
        <source>Matriz A (Auto-valores)</source>
        <translation>Matrix A (Eigenvalues)</translation>
    </message>
    <message>
        <source>Matriz V (Auto-vetores)</source>
        <translation>Matrix V (Eigenvectors)</translation>
    </message>
    <message>
        <source>Matriz de Transição</source>
        <translation>Transition Matrix</translation>
    </message>
    <message>
        <source>Espectro Simulado</source>
        <translation>Simulated Spectrum</translation>
    </message>
    <message>
        <source>Verificações</source>
        <translation>Checks</translation>
    </message>
    <message>
        <source>Retorno Matrizes</source>
        <translation>Back to Matrices</translation>
    </message>
</context>
<context>
    <name>JanelaSobre</name>
    <message>
        <source>Sobre o Programa </source>
        <translation>About the Program </translation>
    </message>
    <message>
        <source>Versão </source>
        <translation>Version </translation>
    </message>
    <message>
        <source>Este programa serve para prever a aparência de um espectro de Ressonância Magnética Nuclear de próton (hidrogênio) correspondendo a um determinado conjunto de valores de deslocamento químico e de constantes de acoplamento.</source>
        <translation>This program predicts the appearance of a proton (hydrogen) Nuclear Magnetic Resonance spectrum for a given set of chemical shifts and coupling constants.</translation>
    </message>
    <message>
        <source>Programa demonstrativo de finalidade didática, seu uso é livre de qualquer restrição. Escrito pela equipe do Halvora.</source>
        <translation>A demonstration program for teaching; its use is free of any restriction. Written by the Halvora team.</translation>
    </message>
</context>
<context>
    <name>JanelaVerificacoes</name>
    <message>
        <source>Verificações</source>
        <translation>Checks</translation>
    </message>
    <message>
        <source>Fechar Verificações</source>
        <translation>Close Checks</translation>
    </message>
    <message>
        <source>Coluna da matriz V:</source>
        <translation>Column of matrix V:</translation>
    </message>
    <message>
        <source>Soma dos quadrados:</source>
        <translation>Sum of squares:</translation>
    </message>
    <message>
        <source>Soma dos quadrados dos coeficientes (cada coluna da matriz V)</source>
        <translation>Sum of the squares of the coefficients (each column of matrix V)</translation>
    </message>
    <message>
        <source>Determinante da matriz H</source>
        <translation>Determinant of matrix H</translation>
    </message>
    <message>
        <source>(Pelo método de Chió)</source>
        <translation>(By Chió&apos;s method)</translation>
    </message>
    <message>
        <source>Produto dos autovalores</source>
        <translation>Product of the eigenvalues</translation>
    </message>
    <message>
        <source>Traço da matriz H</source>
        <translation>Trace of matrix H</translation>
    </message>
    <message>
        <source>(Soma dos elementos da diagonal)</source>
        <translation>(Sum of the diagonal elements)</translation>
    </message>
    <message>
        <source>Traço da matriz A</source>
        <translation>Trace of matrix A</translation>
    </message>
    <message>
        <source>(Soma dos autovalores)</source>
        <translation>(Sum of the eigenvalues)</translation>
    </message>
    <message>
        <source>Precisão 10^-5</source>
        <translation>Precision 10^-5</translation>
    </message>
    <message>
        <source>Produto das matrizes HV</source>
        <translation>Product of matrices HV</translation>
    </message>
    <message>
        <source>Produto das matrizes VA</source>
        <translation>Product of matrices VA</translation>
    </message>
</context>
<context>
    <name>JcampEspectro</name>
    <message>
        <source>Espectros JCAMP-DX (*.jdx *.dx *.jcamp)</source>
        <translation>JCAMP-DX spectra (*.jdx *.dx *.jcamp)</translation>
    </message>
    <message>
        <source>Espectro experimental:</source>
        <translation>Experimental spectrum:</translation>
    </message>
    <message>
        <source>Deu Crepe!</source>
        <translation>Oops!</translation>
    </message>
    <message>
        <source>O arquivo &quot;%1&quot; não pôde ser usado como espectro experimental: %2.</source>
        <translation>The file &quot;%1&quot; could not be used as the experimental spectrum: %2.</translation>
    </message>
    <message>
        <source>Escolha um espectro de RMN de 1H em JCAMP-DX (arquivo .jdx ou .dx) com eixo em Hz ou ppm.</source>
        <translation>Choose a 1H NMR spectrum in JCAMP-DX (a .jdx or .dx file) with its axis in Hz or ppm.</translation>
    </message>
    <message>
        <source>Espectro experimental</source>
        <translation>Experimental spectrum</translation>
    </message>
    <message>
        <source>O espectro experimental %1, que o arquivo de dados indica, não pôde ser lido: %2.</source>
        <translation>The experimental spectrum %1, named in the data file, could not be read: %2.</translation>
    </message>
    <message>
        <source>O espectro experimental foi medido a %1 MHz. Usar essa freqüência?

Os deslocamentos químicos mantêm seus valores em ppm</source>
        <translation>The experimental spectrum was measured at %1 MHz. Use that frequency?

The chemical shifts keep their values in ppm</translation>
    </message>
    <message>
        <source> (a entrada passa para ppm).</source>
        <translation> (the input switches to ppm).</translation>
    </message>
    <message>
        <source>O espectro experimental %1 continua sob o novo sistema. Mantê-lo?</source>
        <translation>The experimental spectrum %1 is still under the new system. Keep it?</translation>
    </message>
    <message>
        <source>Referência do espectro experimental</source>
        <translation>Experimental spectrum reference</translation>
    </message>
    <message>
        <source>Deslocamento (ppm) a somar ao espectro experimental:</source>
        <translation>Shift (ppm) to add to the experimental spectrum:</translation>
    </message>
    <message>
        <source>O deslocamento não é um número.</source>
        <translation>The shift is not a number.</translation>
    </message>
    <message>
        <source>O deslocamento deve estar entre -1000 e 1000 ppm.</source>
        <translation>The shift must be between -1000 and 1000 ppm.</translation>
    </message>
    <message>
        <source>Exportar espectro</source>
        <translation>Export spectrum</translation>
    </message>
</context>
<context>
    <name>MenusEspectro</name>
    <message>
        <source>Título do espectro</source>
        <translation>Spectrum title</translation>
    </message>
    <message>
        <source>&amp;Visualizar Cópia</source>
        <translation>&amp;Preview Copy</translation>
    </message>
    <message>
        <source>&amp;Fechar Visualização</source>
        <translation>Close &amp;Preview</translation>
    </message>
    <message>
        <source>&amp;Espectro de Primeira Ordem</source>
        <translation>&amp;First-Order Spectrum</translation>
    </message>
    <message>
        <source>&amp;Espectro de ordem superior</source>
        <translation>&amp;Higher-Order Spectrum</translation>
    </message>
    <message>
        <source>&amp;Arquivo</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Abrir Dados de Entrada</source>
        <translation>&amp;Open Input Data</translation>
    </message>
    <message>
        <source>&amp;Salvar Dados de Entrada</source>
        <translation>&amp;Save Input Data</translation>
    </message>
    <message>
        <source>&amp;Exemplos</source>
        <translation>&amp;Examples</translation>
    </message>
    <message>
        <source>E&amp;xportar Espectro (JCAMP-DX)...</source>
        <translation>E&amp;xport Spectrum (JCAMP-DX)...</translation>
    </message>
    <message>
        <source>&amp;Imprimir...</source>
        <translation>&amp;Print...</translation>
    </message>
    <message>
        <source>&amp;Visualizar Impressão</source>
        <translation>Print Pre&amp;view</translation>
    </message>
    <message>
        <source>Sai&amp;r</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>&amp;Editar</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Copiar tabela de resultados</source>
        <translation>&amp;Copy Results Table</translation>
    </message>
    <message>
        <source>&amp;Desfazer ajuste</source>
        <translation>&amp;Undo Fit</translation>
    </message>
    <message>
        <source>Copiar &amp;Espectro Simulado</source>
        <translation>Copy Simulated &amp;Spectrum</translation>
    </message>
    <message>
        <source>&amp;Copiar (Colorido)</source>
        <translation>&amp;Copy (Color)</translation>
    </message>
    <message>
        <source>Copiar (&amp;Branco e Preto)</source>
        <translation>Copy (&amp;Black and White)</translation>
    </message>
    <message>
        <source>&amp;Salvar Figura...</source>
        <translation>&amp;Save Figure...</translation>
    </message>
    <message>
        <source>&amp;Mostrar</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>&amp;Tempo consumido em cada operação</source>
        <translation>&amp;Time Taken by Each Step</translation>
    </message>
    <message>
        <source>&amp;Comparar curvas</source>
        <translation>&amp;Compare Curves</translation>
    </message>
    <message>
        <source>&amp;Opções</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Histograma</source>
        <translation>&amp;Histogram</translation>
    </message>
    <message>
        <source>&amp;Com Histograma</source>
        <translation>&amp;With Histogram</translation>
    </message>
    <message>
        <source>&amp;Colorido</source>
        <translation>&amp;Colored</translation>
    </message>
    <message>
        <source>&amp;Sem cores</source>
        <translation>&amp;No Colors</translation>
    </message>
    <message>
        <source>&amp;Sem Histograma</source>
        <translation>With&amp;out Histogram</translation>
    </message>
    <message>
        <source>&amp;Envolvente</source>
        <translation>&amp;Envelope</translation>
    </message>
    <message>
        <source>&amp;Com Envolvente</source>
        <translation>&amp;With Envelope</translation>
    </message>
    <message>
        <source>&amp;Sem Envolvente</source>
        <translation>With&amp;out Envelope</translation>
    </message>
    <message>
        <source>&amp;Números Grandes na Cópia</source>
        <translation>&amp;Large Numbers in the Copy</translation>
    </message>
    <message>
        <source>&amp;Janela</source>
        <translation>&amp;Window</translation>
    </message>
    <message>
        <source>&amp;Matrizes</source>
        <translation>&amp;Matrices</translation>
    </message>
    <message>
        <source>&amp;Espectro Experimental...</source>
        <translation>&amp;Experimental Spectrum...</translation>
    </message>
    <message>
        <source>Re&amp;ferência do Espectro Experimental...</source>
        <translation>Experimental Spectrum &amp;Reference...</translation>
    </message>
    <message>
        <source>&amp;Remover espectro experimental</source>
        <translation>Remo&amp;ve Experimental Spectrum</translation>
    </message>
    <message>
        <source>&amp;Ajustar ao Espectro Experimental...</source>
        <translation>&amp;Fit to Experimental Spectrum...</translation>
    </message>
    <message>
        <source>Adicionar título?</source>
        <translation>Add a title?</translation>
    </message>
    <message>
        <source>Deseja adicionar um título ao espectro?</source>
        <translation>Do you want to add a title to the spectrum?</translation>
    </message>
    <message>
        <source>Título:</source>
        <translation>Title:</translation>
    </message>
    <message>
        <source>Título: </source>
        <translation>Title: </translation>
    </message>
</context>
<context>
    <name>Moldura</name>
    <message>
        <source>Aj&amp;uda</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Guia do Halvora</source>
        <translation>Halvora &amp;Guide</translation>
    </message>
    <message>
        <source>&amp;Sobre o Programa Halvora</source>
        <translation>&amp;About Halvora</translation>
    </message>
    <message>
        <source>&amp;Idioma</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>Do &amp;sistema</source>
        <translation>&amp;System Default</translation>
    </message>
    <message>
        <source>O idioma escolhido vale a partir da próxima vez que o Halvora for aberto.</source>
        <translation>The chosen language takes effect the next time Halvora starts.</translation>
    </message>
</context>
<context>
    <name>Nucleo</name>
    <message>
        <source>A intensidade mínima não é um número válido.</source>
        <translation>The minimum intensity is not a valid number.</translation>
    </message>
    <message>
        <source>A freqüência do espectrômetro não é um número válido.</source>
        <translation>The spectrometer frequency is not a valid number.</translation>
    </message>
    <message>
        <source>A freqüência do espectrômetro deve ser maior que zero.</source>
        <translation>The spectrometer frequency must be greater than zero.</translation>
    </message>
    <message>
        <source>O deslocamento químico de H%1 não é um número válido.</source>
        <translation>The chemical shift of H%1 is not a valid number.</translation>
    </message>
    <message>
        <source>A constante de acoplamento J(%1,%2) não é um número válido.</source>
        <translation>The coupling constant J(%1,%2) is not a valid number.</translation>
    </message>
    <message>
        <source>A tolerância da diagonalização não é um número válido.</source>
        <translation>The diagonalization tolerance is not a valid number.</translation>
    </message>
    <message>
        <source>Os valores de entrada são grandes demais para o cálculo. Reduza a freqüência, os deslocamentos químicos ou as constantes de acoplamento.</source>
        <translation>The input values are too large for the calculation. Reduce the frequency, the chemical shifts or the coupling constants.</translation>
    </message>
    <message>
        <source>Os deslocamentos químicos ou as constantes de acoplamento são grandes demais para a freqüência do espectrômetro: os estados de spin não podem ser agrupados pelo spin total. Aumente a freqüência ou reduza esses valores.</source>
        <translation>The chemical shifts or the coupling constants are too large for the spectrometer frequency: the spin states cannot be grouped by total spin. Raise the frequency or reduce those values.</translation>
    </message>
    <message>
        <source>Não há memória suficiente para este cálculo. Feche outros programas ou reduza o número de prótons.</source>
        <translation>There is not enough memory for this calculation. Close other programs or reduce the number of protons.</translation>
    </message>
    <message>
        <source>A diagonalização (Jacobi) não convergiu. Verifique os valores de entrada.</source>
        <translation>The diagonalization (Jacobi) did not converge. Check the input values.</translation>
    </message>
    <message>
        <source>O cálculo foi interrompido.</source>
        <translation>The calculation was stopped.</translation>
    </message>
    <message>
        <source>O número de prótons deve estar entre 1 e 10.</source>
        <translation>The number of protons must be between 1 and 10.</translation>
    </message>
    <message>
        <source>A freqüência do espectrômetro deve ser de pelo menos 0,000001 MHz.</source>
        <translation>The spectrometer frequency must be at least 0.000001 MHz.</translation>
    </message>
    <message>
        <source>A freqüência do espectrômetro deve ser de no máximo 100000 MHz: acima disso o cálculo perde precisão.</source>
        <translation>The spectrometer frequency must be at most 100000 MHz: above that the calculation loses precision.</translation>
    </message>
    <message>
        <source>O número de deslocamentos químicos não corresponde ao número de prótons.</source>
        <translation>The number of chemical shifts does not match the number of protons.</translation>
    </message>
    <message>
        <source>O deslocamento químico de H%1 deve ser de no máximo 1000000000 Hz em valor absoluto.</source>
        <translation>The chemical shift of H%1 must be at most 1000000000 Hz in absolute value.</translation>
    </message>
    <message>
        <source>O número de constantes de acoplamento não corresponde ao número de prótons.</source>
        <translation>The number of coupling constants does not match the number of protons.</translation>
    </message>
    <message>
        <source>Uma constante de acoplamento não é um número válido.</source>
        <translation>A coupling constant is not a valid number.</translation>
    </message>
    <message>
        <source>As constantes de acoplamento devem ser de no máximo 1000000000 Hz em valor absoluto.</source>
        <translation>The coupling constants must be at most 1000000000 Hz in absolute value.</translation>
    </message>
    <message>
        <source>A tolerância da diagonalização deve ser um número positivo.</source>
        <translation>The diagonalization tolerance must be a positive number.</translation>
    </message>
    <message>
        <source>Banda n°</source>
        <translation>Line no.</translation>
    </message>
    <message>
        <source>Níveis</source>
        <translation>Levels</translation>
    </message>
    <message>
        <source>Freqüência (Hz)</source>
        <translation>Frequency (Hz)</translation>
    </message>
    <message>
        <source>Freqüência(Hz)</source>
        <translation>Frequency(Hz)</translation>
    </message>
    <message>
        <source>Intensidade relativa</source>
        <translation>Relative intensity</translation>
    </message>
    <message>
        <source>Spins nível A</source>
        <translation>Spins level A</translation>
    </message>
    <message>
        <source>Spins nível B</source>
        <translation>Spins level B</translation>
    </message>
    <message>
        <source>Prótons afetados</source>
        <translation>Protons involved</translation>
    </message>
    <message>
        <source>Submatrizes</source>
        <translation>Submatrices</translation>
    </message>
    <message>
        <source>Matriz de transição</source>
        <translation>Transition matrix</translation>
    </message>
    <message>
        <source>Cálculo de freqüências</source>
        <translation>Frequency calculation</translation>
    </message>
    <message>
        <source>Ordenação de Bandas</source>
        <translation>Sorting the lines</translation>
    </message>
    <message>
        <source>Preenchimento da Tabela</source>
        <translation>Filling the table</translation>
    </message>
    <message>
        <source>Gráfico</source>
        <translation>Plot</translation>
    </message>
    <message>
        <source>Tempo (segundos)</source>
        <translation>Time (seconds)</translation>
    </message>
    <message>
        <source>Total (segundos)</source>
        <translation>Total (seconds)</translation>
    </message>
    <message>
        <source>Não foi possível gravar %1: é %2, não um arquivo comum.</source>
        <translation>%1 could not be written: it is %2, not a regular file.</translation>
    </message>
    <message>
        <source>O arquivo %1 é somente leitura.</source>
        <translation>The file %1 is read-only.</translation>
    </message>
    <message>
        <source>Não foi possível gravar %1: %2. Os dados completos estão em %3.</source>
        <translation>%1 could not be written: %2. The complete data are in %3.</translation>
    </message>
    <message>
        <source>Não foi possível gravar %1: ninguém está lendo esse pipe.</source>
        <translation>%1 could not be written: nobody is reading that pipe.</translation>
    </message>
    <message>
        <source>Não foi possível gravar %1: %2.</source>
        <translation>%1 could not be written: %2.</translation>
    </message>
    <message>
        <source>Nenhum nome de arquivo foi dado.</source>
        <translation>No file name was given.</translation>
    </message>
    <message>
        <source>não foi possível abrir o arquivo (%1)</source>
        <translation>the file could not be opened (%1)</translation>
    </message>
    <message>
        <source>não é um arquivo comum, é %1</source>
        <translation>it is not a regular file, it is %1</translation>
    </message>
    <message>
        <source>o arquivo é grande demais (mais de %1)</source>
        <translation>the file is too large (more than %1)</translation>
    </message>
    <message>
        <source>não foi possível ler o arquivo (%1)</source>
        <translation>the file could not be read (%1)</translation>
    </message>
    <message>
        <source>uma pasta</source>
        <translation>a folder</translation>
    </message>
    <message>
        <source>um dispositivo de blocos</source>
        <translation>a block device</translation>
    </message>
    <message>
        <source>um dispositivo de caracteres</source>
        <translation>a character device</translation>
    </message>
    <message>
        <source>um pipe</source>
        <translation>a pipe</translation>
    </message>
    <message>
        <source>um socket</source>
        <translation>a socket</translation>
    </message>
    <message>
        <source>um arquivo especial</source>
        <translation>a special file</translation>
    </message>
    <message>
        <source>o arquivo ou a pasta não existe</source>
        <translation>the file or folder does not exist</translation>
    </message>
    <message>
        <source>permissão negada</source>
        <translation>permission denied</translation>
    </message>
    <message>
        <source>não há espaço no disco</source>
        <translation>there is no space left on the disk</translation>
    </message>
    <message>
        <source>a cota de disco foi excedida</source>
        <translation>the disk quota was exceeded</translation>
    </message>
    <message>
        <source>o sistema de arquivos é somente leitura</source>
        <translation>the file system is read-only</translation>
    </message>
    <message>
        <source>é uma pasta</source>
        <translation>it is a folder</translation>
    </message>
    <message>
        <source>parte do caminho não é uma pasta</source>
        <translation>part of the path is not a folder</translation>
    </message>
    <message>
        <source>o nome é longo demais</source>
        <translation>the name is too long</translation>
    </message>
    <message>
        <source>links simbólicos demais</source>
        <translation>too many symbolic links</translation>
    </message>
    <message>
        <source>o arquivo já existe</source>
        <translation>the file already exists</translation>
    </message>
    <message>
        <source>erro de entrada e saída</source>
        <translation>input/output error</translation>
    </message>
    <message>
        <source>o arquivo ficaria grande demais</source>
        <translation>the file would be too large</translation>
    </message>
    <message>
        <source>o arquivo está em uso</source>
        <translation>the file is in use</translation>
    </message>
    <message>
        <source>o dispositivo está ocupado</source>
        <translation>the device is busy</translation>
    </message>
    <message>
        <source>arquivos abertos demais</source>
        <translation>too many open files</translation>
    </message>
    <message>
        <source>não há memória suficiente</source>
        <translation>there is not enough memory</translation>
    </message>
    <message>
        <source>o outro lado do pipe foi fechado</source>
        <translation>the other end of the pipe was closed</translation>
    </message>
    <message>
        <source>o dispositivo não existe</source>
        <translation>the device does not exist</translation>
    </message>
    <message>
        <source>argumento inválido</source>
        <translation>invalid argument</translation>
    </message>
    <message>
        <source>o arquivo está em outro sistema de arquivos</source>
        <translation>the file is on another file system</translation>
    </message>
    <message>
        <source>erro do sistema %1 (%2)</source>
        <translation>system error %1 (%2)</translation>
    </message>
    <message>
        <source>o valor de %1 deve estar entre 1 e 10</source>
        <translation>the value of %1 must be between 1 and 10</translation>
    </message>
    <message>
        <source>o valor de %1 deve estar entre 0.000001 e 100000</source>
        <translation>the value of %1 must be between 0.000001 and 100000</translation>
    </message>
    <message>
        <source>o valor de %1 deve ser de no máximo 1000000000 em valor absoluto</source>
        <translation>the value of %1 must be at most 1000000000 in absolute value</translation>
    </message>
    <message>
        <source>o valor de %1 deve estar entre 0.000001 e 1000000000</source>
        <translation>the value of %1 must be between 0.000001 and 1000000000</translation>
    </message>
    <message>
        <source>o valor de %1 deve ser maior que zero</source>
        <translation>the value of %1 must be greater than zero</translation>
    </message>
    <message>
        <source>o valor de %1 deve estar entre 0 e 100</source>
        <translation>the value of %1 must be between 0 and 100</translation>
    </message>
    <message>
        <source>o valor de %1 está fora da faixa</source>
        <translation>the value of %1 is out of range</translation>
    </message>
    <message>
        <source>o valor de %1 não é um número</source>
        <translation>the value of %1 is not a number</translation>
    </message>
    <message>
        <source>o valor de %1 deve estar entre -1000 e 1000</source>
        <translation>the value of %1 must be between -1000 and 1000</translation>
    </message>
    <message>
        <source>o valor de %1 deve ser True ou False</source>
        <translation>the value of %1 must be True or False</translation>
    </message>
    <message>
        <source>O valor de %1 não é um número.</source>
        <translation>The value of %1 is not a number.</translation>
    </message>
    <message>
        <source>A freqüência do espectrômetro não é um número.</source>
        <translation>The spectrometer frequency is not a number.</translation>
    </message>
    <message>
        <source>A largura a meia altura não é um número.</source>
        <translation>The line width at half height is not a number.</translation>
    </message>
    <message>
        <source>O número de deslocamentos ou de constantes de acoplamento não corresponde ao número de prótons.</source>
        <translation>The number of shifts or of coupling constants does not match the number of protons.</translation>
    </message>
    <message>
        <source>O nome do espectro experimental não pode ter quebras de linha.</source>
        <translation>The name of the experimental spectrum cannot contain line breaks.</translation>
    </message>
    <message>
        <source>falta o nome do espectro experimental</source>
        <translation>the name of the experimental spectrum is missing</translation>
    </message>
    <message>
        <source>o nome do espectro experimental está vazio</source>
        <translation>the name of the experimental spectrum is empty</translation>
    </message>
    <message>
        <source>o nome do espectro experimental tem uma quebra de linha</source>
        <translation>the name of the experimental spectrum has a line break</translation>
    </message>
    <message>
        <source>linha a mais depois do espectro experimental</source>
        <translation>an extra line after the experimental spectrum</translation>
    </message>
    <message>
        <source>falta o valor de %1</source>
        <translation>the value of %1 is missing</translation>
    </message>
    <message>
        <source>linha a mais depois da referência do espectro</source>
        <translation>an extra line after the spectrum reference</translation>
    </message>
    <message>
        <source>o arquivo termina antes de &quot;%1&quot;</source>
        <translation>the file ends before &quot;%1&quot;</translation>
    </message>
    <message>
        <source>esperado &quot;%1&quot;</source>
        <translation>&quot;%1&quot; expected</translation>
    </message>
    <message>
        <source>o arquivo termina antes do número de prótons</source>
        <translation>the file ends before the number of protons</translation>
    </message>
    <message>
        <source>o arquivo termina aqui; para %1 próton o arquivo tem %2 linhas</source>
        <translation>the file ends here; for %1 proton the file has %2 lines</translation>
    </message>
    <message>
        <source>o arquivo termina aqui; para %1 prótons o arquivo tem %2 linhas</source>
        <translation>the file ends here; for %1 protons the file has %2 lines</translation>
    </message>
    <message>
        <source>linha a mais; para %1 próton o arquivo tem %2 linhas</source>
        <translation>an extra line; for %1 proton the file has %2 lines</translation>
    </message>
    <message>
        <source>linha a mais; para %1 prótons o arquivo tem %2 linhas</source>
        <translation>an extra line; for %1 protons the file has %2 lines</translation>
    </message>
    <message>
        <source>falta o fim de linha; o arquivo parece truncado</source>
        <translation>the end of line is missing; the file seems truncated</translation>
    </message>
    <message>
        <source>esperada a chave &quot;%1&quot;</source>
        <translation>the key &quot;%1&quot; expected</translation>
    </message>
    <message>
        <source>linha %1: %2</source>
        <translation>line %1: %2</translation>
    </message>
    <message>
        <source>o arquivo está vazio</source>
        <translation>the file is empty</translation>
    </message>
    <message>
        <source>byte nulo: não é um arquivo de texto</source>
        <translation>null byte: it is not a text file</translation>
    </message>
    <message>
        <source>caractere inesperado &quot;%1&quot; na tabela</source>
        <translation>unexpected character &quot;%1&quot; in the table</translation>
    </message>
    <message>
        <source>caractere inesperado na tabela (byte %1)</source>
        <translation>unexpected character in the table (byte %1)</translation>
    </message>
    <message>
        <source>valor desconhecido (&quot;?&quot;) na tabela</source>
        <translation>unknown value (&quot;?&quot;) in the table</translation>
    </message>
    <message>
        <source>&quot;%1&quot; sem número</source>
        <translation>&quot;%1&quot; without a number</translation>
    </message>
    <message>
        <source>valor fora da faixa</source>
        <translation>value out of range</translation>
    </message>
    <message>
        <source>o valor de verificação no início da linha (%1) difere do último valor da linha anterior (%2)</source>
        <translation>the check value at the start of the line (%1) differs from the last value of the line before (%2)</translation>
    </message>
    <message>
        <source>diferença (DIF) sem valor anterior</source>
        <translation>a difference (DIF) with no value before it</translation>
    </message>
    <message>
        <source>repetição (DUP) sem valor antes dela na linha</source>
        <translation>a repeat (DUP) with no value before it on the line</translation>
    </message>
    <message>
        <source>a tabela passa de %1 pontos</source>
        <translation>the table has more than %1 points</translation>
    </message>
    <message>
        <source>não é um arquivo JCAMP-DX: o texto deveria começar por ##TITLE=</source>
        <translation>not a JCAMP-DX file: the text should begin with ##TITLE=</translation>
    </message>
    <message>
        <source>não é um arquivo JCAMP-DX: o primeiro rótulo deveria ser ##TITLE=</source>
        <translation>not a JCAMP-DX file: the first label should be ##TITLE=</translation>
    </message>
    <message>
        <source>##TITLE= antes do ##END= do bloco da linha %1</source>
        <translation>##TITLE= before the ##END= of the block of line %1</translation>
    </message>
    <message>
        <source>blocos LINK aninhados em mais de %1 níveis</source>
        <translation>LINK blocks nested more than %1 levels deep</translation>
    </message>
    <message>
        <source>o arquivo termina no meio da tabela de dados, sem ##END= (truncado?)</source>
        <translation>the file ends in the middle of the data table, without ##END= (truncated?)</translation>
    </message>
    <message>
        <source>o arquivo termina sem o ##END= do bloco da linha %1 (truncado?)</source>
        <translation>the file ends without the ##END= of the block of line %1 (truncated?)</translation>
    </message>
    <message>
        <source>não é um arquivo JCAMP-DX: não há ##TITLE=</source>
        <translation>not a JCAMP-DX file: there is no ##TITLE=</translation>
    </message>
    <message>
        <source>##.SHIFT REFERENCE= deve ser (tipo, composto, ponto, ppm) com um ponto do espectro</source>
        <translation>##.SHIFT REFERENCE= must be (type, compound, point, ppm) with a point of the spectrum</translation>
    </message>
    <message>
        <source>falta %1</source>
        <translation>%1 is missing</translation>
    </message>
    <message>
        <source>as abscissas devem estar em HZ ou PPM, não em %1</source>
        <translation>the abscissas must be in HZ or PPM, not in %1</translation>
    </message>
    <message>
        <source>##.OBSERVE FREQUENCY= deve ser um número maior que zero e no máximo 100000 (MHz)</source>
        <translation>##.OBSERVE FREQUENCY= must be a number greater than zero and at most 100000 (MHz)</translation>
    </message>
    <message>
        <source>falta ##.OBSERVE FREQUENCY=: sem a freqüência do espectrômetro as posições em Hz não se põem em ppm</source>
        <translation>##.OBSERVE FREQUENCY= is missing: without the spectrometer frequency the positions in Hz cannot be put in ppm</translation>
    </message>
    <message>
        <source>o arquivo não diz o núcleo observado (##.OBSERVE NUCLEUS=); supõe-se 1H</source>
        <translation>the file does not say which nucleus was observed (##.OBSERVE NUCLEUS=); 1H is assumed</translation>
    </message>
    <message>
        <source>o núcleo observado é %1, não 1H: o espectro foi lido, mas a simulação é de prótons</source>
        <translation>the observed nucleus is %1, not 1H: the spectrum was read, but the simulation is of protons</translation>
    </message>
    <message>
        <source>o valor de ##%1= não é um número</source>
        <translation>the value of ##%1= is not a number</translation>
    </message>
    <message>
        <source>o fator (##%1=) é zero</source>
        <translation>the factor (##%1=) is zero</translation>
    </message>
    <message>
        <source>##$OFFSET= não é um número</source>
        <translation>##$OFFSET= is not a number</translation>
    </message>
    <message>
        <source>as posições em ppm saem da faixa dos números</source>
        <translation>the positions in ppm go beyond the range of numbers</translation>
    </message>
    <message>
        <source>A freqüência do espectrômetro deve ser maior que zero e no máximo 100000 MHz.</source>
        <translation>The spectrometer frequency must be greater than zero and at most 100000 MHz.</translation>
    </message>
    <message>
        <source>A envolvente precisa de pelo menos dois pontos.</source>
        <translation>The envelope needs at least two points.</translation>
    </message>
    <message>
        <source>A envolvente tem pontos demais.</source>
        <translation>The envelope has too many points.</translation>
    </message>
    <message>
        <source>Os extremos da envolvente devem ser números finitos e diferentes.</source>
        <translation>The ends of the envelope must be finite and different numbers.</translation>
    </message>
    <message>
        <source>A envolvente tem um valor que não é um número finito.</source>
        <translation>The envelope has a value that is not a finite number.</translation>
    </message>
    <message>
        <source>Uma banda tem um valor que não é um número finito.</source>
        <translation>A line has a value that is not a finite number.</translation>
    </message>
    <message>
        <source>as tabelas NTUPLES precisam de ##SYMBOL=</source>
        <translation>NTUPLES tables need ##SYMBOL=</translation>
    </message>
    <message>
        <source>tabela em forma não aceita: só (X++(Y..Y))</source>
        <translation>table in a form not accepted: only (X++(Y..Y))</translation>
    </message>
    <message>
        <source>as páginas NTUPLES não trazem a parte real do espectro</source>
        <translation>the NTUPLES pages do not hold the real part of the spectrum</translation>
    </message>
    <message>
        <source>a tabela usa um símbolo que ##SYMBOL= não lista</source>
        <translation>the table uses a symbol that ##SYMBOL= does not list</translation>
    </message>
    <message>
        <source>##NPOINTS= deve ser um número inteiro maior que zero</source>
        <translation>##NPOINTS= must be a whole number greater than zero</translation>
    </message>
    <message>
        <source>##NPOINTS= passa do limite de %1 pontos</source>
        <translation>##NPOINTS= exceeds the limit of %1 points</translation>
    </message>
    <message>
        <source>o fator de X (##XFACTOR=) é zero</source>
        <translation>the X factor (##XFACTOR=) is zero</translation>
    </message>
    <message>
        <source>o fator de Y (##YFACTOR=) é zero</source>
        <translation>the Y factor (##YFACTOR=) is zero</translation>
    </message>
    <message>
        <source>o eixo das linhas de dados está deslocado %1 do que o cabeçalho declara; as posições seguem o cabeçalho</source>
        <translation>the axis of the data lines is offset by %1 from what the header declares; the positions follow the header</translation>
    </message>
    <message>
        <source>a tabela tem %1 pontos, um a menos que ##NPOINTS=; os pontos seguem de ##FIRSTX= com o espaçamento de ##FIRSTX= a ##LASTX=, e o último fica em %2 ppm</source>
        <translation>the table has %1 points, one fewer than ##NPOINTS=; the points run from ##FIRSTX= with the spacing of ##FIRSTX= to ##LASTX=, and the last one is at %2 ppm</translation>
    </message>
    <message>
        <source>##FIRSTX= e ##LASTX= fora da faixa dos números</source>
        <translation>##FIRSTX= and ##LASTX= beyond the range of numbers</translation>
    </message>
    <message>
        <source>espectros 2D não são aceitos, só espectros 1D</source>
        <translation>2D spectra are not accepted, only 1D spectra</translation>
    </message>
    <message>
        <source>o arquivo traz o FID (o sinal no tempo), não o espectro</source>
        <translation>the file holds the FID (the signal in time), not the spectrum</translation>
    </message>
    <message>
        <source>não é um espectro de RMN (##DATA TYPE= %1)</source>
        <translation>not an NMR spectrum (##DATA TYPE= %1)</translation>
    </message>
    <message>
        <source>o arquivo não traz nenhum espectro</source>
        <translation>the file holds no spectrum</translation>
    </message>
    <message>
        <source>a abscissa da linha (%1 %2) não segue a sequência de ##FIRSTX= a ##LASTX= (esperado %3 %4)</source>
        <translation>the line&apos;s abscissa (%1 %2) does not follow the sequence from ##FIRSTX= to ##LASTX= (expected %3 %4)</translation>
    </message>
    <message>
        <source>a abscissa da linha (%1) não é o índice do seu primeiro ponto (esperado %2)</source>
        <translation>the line&apos;s abscissa (%1) is not the index of its first point (expected %2)</translation>
    </message>
    <message>
        <source>a abscissa X está fora da faixa</source>
        <translation>the X abscissa is out of range</translation>
    </message>
    <message>
        <source>falta a abscissa X no início da linha</source>
        <translation>the X abscissa is missing at the start of the line</translation>
    </message>
    <message>
        <source>a tabela termina com %1 pontos; %2</source>
        <translation>the table ends with %1 points; %2</translation>
    </message>
    <message>
        <source>a tabela passa do limite de %1 picos</source>
        <translation>the table exceeds the limit of %1 peaks</translation>
    </message>
    <message>
        <source>a linha termina num X sem o seu Y</source>
        <translation>the line ends in an X without its Y</translation>
    </message>
    <message>
        <source>tabela de picos em forma não aceita: só (XY..XY)</source>
        <translation>peak table in a form not accepted: only (XY..XY)</translation>
    </message>
    <message>
        <source>a tabela de picos não traz nenhum pico</source>
        <translation>the peak table holds no peak</translation>
    </message>
    <message>
        <source>a tabela traz %1 picos; ##NPOINTS= %2</source>
        <translation>the table holds %1 peaks; ##NPOINTS= %2</translation>
    </message>
    <message>
        <source>Não há espectro experimental para o ajuste.</source>
        <translation>There is no experimental spectrum to fit.</translation>
    </message>
    <message>
        <source>O espectro experimental é uma lista de picos: o ajuste precisa do espectro medido ponto a ponto.</source>
        <translation>The experimental spectrum is a peak list: the fit needs the spectrum measured point by point.</translation>
    </message>
    <message>
        <source>O espectro experimental não tem pontos nas regiões do ajuste: a simulação e o espectro medido não se sobrepõem.</source>
        <translation>The experimental spectrum has no points in the fit&apos;s regions: the simulation and the measured spectrum do not overlap.</translation>
    </message>
    <message>
        <source>Não há parâmetros livres para ajustar.</source>
        <translation>There are no free parameters to fit.</translation>
    </message>
    <message>
        <source>O ajuste não convergiu. Aproxime os valores iniciais do espectro medido ou fixe alguns parâmetros.</source>
        <translation>The fit did not converge. Bring the initial values closer to the measured spectrum or fix some parameters.</translation>
    </message>
    <message>
        <source>O ajuste foi interrompido.</source>
        <translation>The fit was stopped.</translation>
    </message>
    <message>
        <source>O sinal de %1 não é determinado pelo espectro: com o sinal trocado o resíduo é o mesmo.</source>
        <translation>The sign of %1 is not determined by the spectrum: with the sign reversed the residual is the same.</translation>
    </message>
    <message>
        <source>O espectro não determina %1: fixe esse parâmetro ou junte-o a outro.</source>
        <translation>The spectrum does not determine %1: fix that parameter or join it to another.</translation>
    </message>
    <message>
        <source>Não há memória suficiente para o ajuste.</source>
        <translation>There is not enough memory for the fit.</translation>
    </message>
    <message>
        <source>largura</source>
        <translation>width</translation>
    </message>
    <message>
        <source>escala</source>
        <translation>scale</translation>
    </message>
    <message>
        <source>linha de base</source>
        <translation>baseline</translation>
    </message>
    <message>
        <source>%1% Lorentziana + %2% Gaussiana</source>
        <translation>%1% Lorentzian + %2% Gaussian</translation>
    </message>
    <message>
        <source>Espectro experimental: %1 (%2 MHz), deslocado %3 ppm</source>
        <translation>Experimental spectrum: %1 (%2 MHz), shifted %3 ppm</translation>
    </message>
    <message>
        <source>Espectro experimental: %1 (%2 MHz)</source>
        <translation>Experimental spectrum: %1 (%2 MHz)</translation>
    </message>
    <message>
        <source>Espectro experimental: %1, deslocado %2 ppm</source>
        <translation>Experimental spectrum: %1, shifted %2 ppm</translation>
    </message>
    <message>
        <source>Espectro experimental: %1</source>
        <translation>Experimental spectrum: %1</translation>
    </message>
    <message>
        <source>Resíduo do ajuste: RMS %1 %</source>
        <translation>Fit residual: RMS %1 %</translation>
    </message>
    <message>
        <source>Não foi possível desenhar a figura para %1.</source>
        <translation>The figure could not be drawn for %1.</translation>
    </message>
</context>
<context>
    <name>OpcoesEspectro</name>
    <message>
        <source>Cores</source>
        <translation>Colors</translation>
    </message>
    <message>
        <source>Colorido</source>
        <translation>Colored</translation>
    </message>
    <message>
        <source>Sem cores</source>
        <translation>No colors</translation>
    </message>
    <message>
        <source>Mostrar Todas as Bandas</source>
        <translation>Show All Lines</translation>
    </message>
    <message>
        <source>Envolvente</source>
        <translation>Envelope</translation>
    </message>
    <message>
        <source>Com envolvente</source>
        <translation>With envelope</translation>
    </message>
    <message>
        <source>Sem envolvente</source>
        <translation>Without envelope</translation>
    </message>
</context>
<context>
    <name>PainelEntrada</name>
    <message>
        <source>Deslocamentos Químicos (Hz)</source>
        <translation>Chemical Shifts (Hz)</translation>
    </message>
    <message>
        <source>N° de prótons:</source>
        <translation>No. of protons:</translation>
    </message>
    <message>
        <source>(1 a 10)</source>
        <translation>(1 to 10)</translation>
    </message>
    <message>
        <source>Freqüência:</source>
        <translation>Frequency:</translation>
    </message>
    <message>
        <source>Mudar Hz/ppm</source>
        <translation>Switch Hz/ppm</translation>
    </message>
    <message>
        <source>Intensidade mínima:</source>
        <translation>Minimum intensity:</translation>
    </message>
    <message>
        <source>Largura a meia altura:</source>
        <translation>Line width at half height:</translation>
    </message>
    <message>
        <source>Ampliar horizontalmente</source>
        <translation>Zoom in horizontally</translation>
    </message>
    <message>
        <source>Reduzir horizontalmente</source>
        <translation>Zoom out horizontally</translation>
    </message>
    <message>
        <source>Restaurar</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>Valor inválido</source>
        <translation>Invalid value</translation>
    </message>
    <message>
        <source>A caixa &quot;%1&quot; não contém um número válido.</source>
        <translation>The box &quot;%1&quot; does not hold a valid number.</translation>
    </message>
    <message>
        <source>Intensidade mínima</source>
        <translation>Minimum intensity</translation>
    </message>
    <message>
        <source>Largura a meia altura</source>
        <translation>Line width at half height</translation>
    </message>
</context>
<context>
    <name>PainelTempos</name>
    <message>
        <source>Calculando, aguarde...</source>
        <translation>Calculating, please wait...</translation>
    </message>
    <message>
        <source>Isto leva menos de um segundo (alguns segundos num computador lento).</source>
        <translation>This takes less than a second (a few seconds on a slow computer).</translation>
    </message>
    <message>
        <source>Fechar</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>PasseioIntensidade</name>
    <message>
        <source>Resultado</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>Intensidade da transição %1 – %2 = (</source>
        <translation>Intensity of transition %1 – %2 = (</translation>
    </message>
    <message>
        <source>Não tem</source>
        <translation>None</translation>
    </message>
    <message>
        <source>Valor na tabela do espectro: </source>
        <translation>Value in the spectrum table: </translation>
    </message>
    <message>
        <source>Nível A =</source>
        <translation>Level A =</translation>
    </message>
    <message>
        <source>Nível B =</source>
        <translation>Level B =</translation>
    </message>
    <message>
        <source>(Mais preciso)</source>
        <translation>(More precise)</translation>
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
        <translation>You are changing the instrument&apos;s frequency<byte value="xd"/>
but the chemical shifts are entered in &apos;Hz&apos;.<byte value="xd"/>
If you mean to see how the spectrum changes on an<byte value="xd"/>
instrument of a different frequency, the input must be<byte value="xd"/>
set to &apos;ppm&apos;.<byte value="xd"/>
<byte value="xd"/>
Do you want the program to switch to &apos;ppm&apos; for you?</translation>
    </message>
    <message>
        <source>Mudar para ppm?</source>
        <translation>Switch to ppm?</translation>
    </message>
    <message>
        <source>Deslocamentos Químicos (ppm)</source>
        <translation>Chemical Shifts (ppm)</translation>
    </message>
    <message>
        <source>Deslocamentos Químicos (Hz)</source>
        <translation>Chemical Shifts (Hz)</translation>
    </message>
</context>
</TS>
