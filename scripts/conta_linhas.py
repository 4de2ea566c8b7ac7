#!/usr/bin/env python3
"""Counts non-blank, non-comment lines of the tracked .cpp and .h files:
tests (everything under tests/) against the program (everything else but
bench/), and prints the tests' share. Comments are // to the end of a line
and /* ... */ blocks; a line with code beside a comment counts."""
import subprocess
import sys
from pathlib import Path


def linhas_de_codigo(texto):
    n, em_bloco = 0, False
    for linha in texto.splitlines():
        codigo, i = [], 0
        while i < len(linha):
            if em_bloco:
                fim = linha.find("*/", i)
                if fim < 0:
                    i = len(linha)
                else:
                    em_bloco, i = False, fim + 2
                continue
            if linha.startswith("//", i):
                break
            if linha.startswith("/*", i):
                em_bloco, i = True, i + 2
                continue
            if linha[i] == '"':
                # A string may hold // or /*: skip it whole.
                j = i + 1
                while j < len(linha) and linha[j] != '"':
                    j += 2 if linha[j] == "\\" else 1
                codigo.append(linha[i : j + 1])
                i = j + 1
                continue
            codigo.append(linha[i])
            i += 1
        if "".join(codigo).strip():
            n += 1
    return n


def main():
    raiz = Path(sys.argv[1] if len(sys.argv) > 1 else ".")
    arquivos = subprocess.run(
        ["git", "-C", str(raiz), "ls-files", "*.cpp", "*.h"],
        capture_output=True, text=True, check=True).stdout.split()
    testes = programa = 0
    for nome in arquivos:
        if nome.startswith("bench/"):
            continue
        n = linhas_de_codigo((raiz / nome).read_text(encoding="utf-8", errors="replace"))
        if nome.startswith("tests/"):
            testes += n
        else:
            programa += n
    print(f"tests {testes}  program {programa}  share {100 * testes / (testes + programa):.1f} %"
          f"  (33 % allows {int(programa * 33 / 67)} test lines)")


if __name__ == "__main__":
    main()
