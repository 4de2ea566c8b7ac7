#!/usr/bin/env python3
"""Plants faults one at a time and runs the tests against each.

    scripts/mutacao.py [--lista scripts/mutacoes.txt] [--pasta build-mutacao]
                       [--timeout 30] [--so N,M,...] [--confere]

Each line of the list is one fault:

    layer file[:line] text as it is => text it becomes

The text as it is (which holds no " => ") must occur once in the file or,
with :line, on that line; the text it becomes may be empty (the text is
dropped). Blank lines and lines starting with # are skipped.

The faults go into a copy of the tracked files under --pasta/src, never
into this tree, built there in Release with the tests (ccache shares the
objects with build/). Each fault: the copy's file is changed, built, the
whole suite run with a per-test timeout, and the file put back, also on
Ctrl-C. A fault that does not build is reported as not a valid mutant:
replace it. The table goes to standard output and to --pasta/mutacao.md.

--confere only checks that every line is well formed and that its text is
still where it says (no build): what CI runs.
"""
import argparse
import json
import os
import re
import shutil
import signal
import subprocess
import sys
import time
from pathlib import Path

RAIZ = Path(__file__).resolve().parent.parent


class Mutante:
    def __init__(self, numero, camada, arquivo, linha, de, para):
        self.numero, self.camada, self.arquivo = numero, camada, arquivo
        self.linha, self.de, self.para = linha, de, para
        self.resultado, self.pegos = "", []

    def onde(self, texto):
        """The offset of the text to change, or an explanation of why not."""
        if self.linha:
            linhas = texto.splitlines(keepends=True)
            if self.linha > len(linhas):
                return f"the file has no line {self.linha}"
            inicio = sum(len(l) for l in linhas[: self.linha - 1])
            p = linhas[self.linha - 1].find(self.de)
            return inicio + p if p >= 0 else f"not on line {self.linha}"
        n = texto.count(self.de)
        if n != 1:
            return "not found" if n == 0 else f"found {n} times: give the line"
        return texto.find(self.de)

    def rotulo(self):
        linha = self.linha
        if not linha:
            texto = (RAIZ / self.arquivo).read_text(encoding="utf-8")
            p = self.onde(texto)
            linha = texto.count("\n", 0, p) + 1 if isinstance(p, int) else "?"
        return f"{self.arquivo}:{linha}"


def le_lista(caminho):
    mutantes, erros = [], []
    for n, linha in enumerate(Path(caminho).read_text(encoding="utf-8").splitlines(), 1):
        if not linha.strip() or linha.lstrip().startswith("#"):
            continue
        m = re.fullmatch(r"\s*(\S+)\s+([^\s:]+)(?::(\d+))?\s+(.+?)\s*=>(.*)", linha)
        if not m or " => " in m.group(4) + " ":
            erros.append(f"{caminho}:{n}: expected 'layer file[:line] from => to'")
            continue
        camada, arquivo, numero, de, para = m.groups()
        mutantes.append(Mutante(len(mutantes) + 1, camada, arquivo, int(numero or 0), de,
                                para.strip()))
    return mutantes, erros


def copia_arvore(destino):
    """The tracked files (as they are now, edits included) into destino,
    rewriting only those that differ so that the build stays incremental."""
    arquivos = subprocess.run(["git", "-C", str(RAIZ), "ls-files", "-z"], capture_output=True,
                              check=True).stdout.decode().split("\0")
    for nome in filter(None, arquivos):
        origem, alvo = RAIZ / nome, destino / nome
        if not origem.is_file():
            continue
        if alvo.is_file() and alvo.read_bytes() == origem.read_bytes():
            continue
        alvo.parent.mkdir(parents=True, exist_ok=True)
        shutil.copy2(origem, alvo)


def executa(comando, **kw):
    return subprocess.run(["nice", "-n", "10"] + comando, capture_output=True, text=True, **kw)


def compila(build):
    return executa(["cmake", "--build", str(build)]).returncode == 0


def reprovados(saida):
    """The failed tests of ctest's summary, each with how it ended. A
    parameterised test's line carries its parameter after the name.

    >>> reprovados("\\t 12 - Ajuste.Recusas (Failed)\\n"
    ...            "\\t237 - Locais/A.B/Virgula  # GetParam() = ',' (44, 0x2C) (Failed)\\n"
    ...            "\\t 40 - Bandas.X (Timeout)\\n")
    [('Ajuste.Recusas', 'Failed'), ('Locais/A.B/Virgula', 'Failed'), ('Bandas.X', 'Timeout')]
    """
    return re.findall(r"^\s*\d+ - (\S+).*? \((Failed|Timeout|SEGFAULT|Subprocess aborted|"
                      r"Child aborted|Exception|Not Run)[^)]*\)\s*$", saida, re.M)


def falhas(build, timeout, so=None):
    """The tests that failed, and apart those that only ran out of time."""
    filtro = ["-R", "^(" + "|".join(re.escape(t) for t in so) + ")$"] if so else []
    r = executa(["ctest", "--test-dir", str(build), "-j2", "--timeout", str(timeout)] + filtro,
                env=dict(os.environ, QT_QPA_PLATFORM="offscreen"))
    achados = reprovados(r.stdout)
    return ([t for t, tipo in achados if tipo != "Timeout"],
            [t for t, tipo in achados if tipo == "Timeout"])


def pegos(build, timeout):
    """The tests that catch the planted fault. One that only ran out of time
    may have met a busy machine: it runs again alone with three times the
    time, and counts only if it fails again."""
    falhos, lentos = falhas(build, timeout)
    if lentos and not falhos:
        falhos, lentos = falhas(build, 3 * timeout, lentos)
        falhos += [t + " (timeout)" for t in lentos]
    return falhos


def roda(mutantes, pasta, timeout):
    src, build = pasta / "src", pasta / "src" / "build"
    print(f"== copying the tree to {src}", flush=True)
    copia_arvore(src)
    ambiente = dict(CCACHE_BASEDIR=str(RAIZ.parent))
    os.environ.update(ambiente)
    if not (build / "build.ninja").exists():
        subprocess.run(["cmake", "-S", str(src), "-B", str(build), "-G", "Ninja",
                        "-DCMAKE_BUILD_TYPE=Release", "-DHALVORA_TESTS=ON", "-DHALVORA_BENCH=OFF",
                        "-DHALVORA_WERROR=OFF", "-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"],
                       check=True, capture_output=True)
    print("== building the unchanged copy", flush=True)
    if not compila(build):
        sys.exit("mutacao: the unchanged copy does not build")
    base = pegos(build, timeout)
    if base:
        sys.exit("mutacao: tests fail without any fault: " + ", ".join(base))

    for m in mutantes:
        alvo = src / m.arquivo
        original = alvo.read_text(encoding="utf-8")
        p = m.onde(original)
        if not isinstance(p, int):
            m.resultado = f"not valid: {p}"
            continue
        inicio = time.monotonic()
        try:
            alvo.write_text(original[:p] + m.para + original[p + len(m.de):], encoding="utf-8")
            if not compila(build):
                m.resultado = "not valid: does not build"
            else:
                m.pegos = pegos(build, timeout)
                m.resultado = "caught" if m.pegos else "SURVIVED"
        finally:
            alvo.write_text(original, encoding="utf-8")
        print(f"{m.numero:3} {m.camada:10} {m.rotulo():40} {m.resultado:10}"
              f" {', '.join(m.pegos[:3])}  ({time.monotonic() - inicio:.0f} s)", flush=True)
    # The copy as it was, built, for the next run.
    compila(build)


def tabela(mutantes):
    linhas = ["| # | layer | file:line | change | result | caught by |",
              "|---|---|---|---|---|---|"]
    for m in mutantes:
        mudanca = f"`{m.de}` → `{m.para}`" if m.para else f"`{m.de}` dropped"
        pegos = ", ".join(m.pegos[:3]) + (f" (+{len(m.pegos) - 3})" if len(m.pegos) > 3 else "")
        mudanca = mudanca.replace("|", "\\|")
        linhas.append(f"| {m.numero} | {m.camada} | {m.rotulo()} | {mudanca}"
                      f" | {m.resultado} | {pegos} |")
    por_camada = {}
    for m in mutantes:
        if m.resultado.startswith("not valid"):
            continue
        c = por_camada.setdefault(m.camada, [0, 0])
        c[0] += m.resultado == "caught"
        c[1] += 1
    linhas.append("")
    linhas.append("| layer | caught | rate |")
    linhas.append("|---|---|---|")
    total = [0, 0]
    for camada, (pegos, n) in por_camada.items():
        linhas.append(f"| {camada} | {pegos}/{n} | {100 * pegos / n:.0f} % |")
        total[0] += pegos
        total[1] += n
    if total[1]:
        linhas.append(f"| all | {total[0]}/{total[1]} | {100 * total[0] / total[1]:.1f} % |")
    invalidos = [m for m in mutantes if m.resultado.startswith("not valid")]
    if invalidos:
        linhas.append("")
        linhas.append(f"{len(invalidos)} not valid: replace them.")
    return "\n".join(linhas)


def para_como_ctrl_c(*_):
    raise KeyboardInterrupt


def main():
    a = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    a.add_argument("--lista", default=str(RAIZ / "scripts" / "mutacoes.txt"))
    a.add_argument("--pasta", default=str(RAIZ / "build-mutacao"))
    a.add_argument("--timeout", type=int, default=30, help="seconds per test")
    a.add_argument("--so", help="only these numbers of the list, as 3,7,12")
    a.add_argument("--confere", action="store_true", help="check the list only, no build")
    args = a.parse_args()

    mutantes, erros = le_lista(args.lista)
    for m in mutantes:
        arquivo = RAIZ / m.arquivo
        if not arquivo.is_file():
            erros.append(f"fault {m.numero}: no file {m.arquivo}")
        elif not isinstance(p := m.onde(arquivo.read_text(encoding="utf-8")), int):
            erros.append(f"fault {m.numero} ({m.arquivo}): `{m.de}` {p}")
    if erros or args.confere:
        print("\n".join(erros) or f"{len(mutantes)} faults, each where the list says")
        sys.exit(1 if erros else 0)
    if args.so:
        escolhidos = {int(n) for n in args.so.split(",")}
        mutantes = [m for m in mutantes if m.numero in escolhidos]

    # Ctrl-C or a kill: the finally above puts the file back on the way out.
    signal.signal(signal.SIGTERM, para_como_ctrl_c)
    pasta = Path(args.pasta).resolve()
    try:
        roda(mutantes, pasta, args.timeout)
    except KeyboardInterrupt:
        print("\nmutacao: stopped; the copy's files are as they were", file=sys.stderr)
        feitos = [m for m in mutantes if m.resultado]
        mutantes = feitos
    texto = tabela(mutantes)
    print(texto)
    (pasta / "mutacao.md").write_text(texto + "\n", encoding="utf-8")
    # Every test that caught each fault: a test that is never the only one
    # is the first to look at when the suite must shrink.
    (pasta / "pegos.json").write_text(json.dumps({m.numero: m.pegos for m in mutantes}, indent=1))


if __name__ == "__main__":
    main()
