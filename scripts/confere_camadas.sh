#!/usr/bin/env bash
# Every #include "folder/..." of the program's folders must be one the layer
# table of docs/ARCHITECTURE.md allows (the block fenced as "camadas"): a
# folder lists itself and the folders below it. Prints each include that
# breaks the table and exits 1; 0 when there is none.
set -euo pipefail
cd "$(dirname "$0")/.."

tabela=$(awk '/^```camadas$/ {dentro = 1; next} /^```$/ {dentro = 0} dentro' docs/ARCHITECTURE.md)
[ -n "$tabela" ] || {
    echo "confere_camadas.sh: no layer table in docs/ARCHITECTURE.md" >&2
    exit 2
}
falhas=0
while IFS=: read -r pasta permitidas; do
    [ -d "$pasta" ] || {
        echo "confere_camadas.sh: the table names $pasta/, which does not exist" >&2
        exit 2
    }
    while IFS= read -r achado; do
        arquivo=${achado%%:*}
        incluida=$(sed -E 's/.*#include "([a-z]+)\/.*/\1/' <<<"$achado")
        if ! grep -qw -- "$incluida" <<<"$permitidas"; then
            echo "$arquivo includes $incluida/, which $pasta/ may not: ${achado#*:}"
            falhas=1
        fi
    done < <(grep -rnE '^#include "[a-z]+/' "$pasta" --include='*.cpp' --include='*.h' || true)
done <<<"$tabela"
exit $falhas
