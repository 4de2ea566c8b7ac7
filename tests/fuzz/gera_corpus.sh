#!/usr/bin/env bash
# Writes the seed corpus of fuzz_arquivo into tests/fuzz/corpus: good files
# saved by halvora-calc and the damaged files the reader's tests refuse.
#   tests/fuzz/gera_corpus.sh build/cli/halvora-calc
set -euo pipefail
calc=$(realpath "$1")
cd "$(dirname "$0")"
rm -rf corpus
mkdir corpus
cd corpus

"$calc" --save=inicial-virgula.esm --sep=, >/dev/null
"$calc" --save=inicial-ponto.esm >/dev/null
"$calc" --n=1 --save=um-proton.esm >/dev/null
"$calc" --n=2 --width=0.5 --title='Dois prótons' --save=dois-protons.esm --sep=, >/dev/null
"$calc" --n=10 --ppm --intmin=0.00001 --save=dez-protons-ppm.esm >/dev/null
"$calc" --title='Título ☃' --save=titulo-utf8.esm >/dev/null
tr -d '\r' <inicial-virgula.esm >fins-lf.esm
iconv -f WINDOWS-1252 -t UTF-8 <inicial-virgula.esm >utf8.esm
sed '8s/,/./;24s/,/./' inicial-virgula.esm >separadores-misturados.esm
sed '22s/.*/True\r/;24s/.*/ 300 \r/' inicial-ponto.esm >janela-fixa.esm

# Damaged.
: >vazio.esm
head -c 300 inicial-virgula.esm >truncado-no-meio.esm
head -n 20 inicial-virgula.esm >truncado-linha-20.esm
head -c -2 inicial-virgula.esm >sem-ultimo-fim-de-linha.esm
sed '3s/.*/#N\xb0 de protons\r/' inicial-virgula.esm >terceira-linha-sem-acento.esm
sed '4s/.*/ 0 \r/' inicial-virgula.esm >n-0.esm
sed '4s/.*/ 11 \r/' inicial-virgula.esm >n-11.esm
sed '4s/.*/ 30000 \r/' inicial-virgula.esm >n-30000.esm
sed '6s/.*/ trezentos \r/' inicial-virgula.esm >palavra-no-numero.esm
sed '14s/.*/Talvez\r/' inicial-virgula.esm >talvez.esm
sed '12s/.*/ 101 \r/' inicial-virgula.esm >controle-101.esm
cat inicial-virgula.esm um-proton.esm >linhas-a-mais.esm
gzip -9nc inicial-virgula.esm >lixo-binario.esm
{ printf '#T\xedtulo\r\n'; head -c 5000 /dev/zero | tr '\0' x; printf '\r\n'; tail -n +3 inicial-ponto.esm; } >titulo-longo.esm
