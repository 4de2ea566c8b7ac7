#!/usr/bin/env bash
# Whole-process timings of `halvora-calc --fit`: each system's exact spectrum
# is exported as JCAMP-DX, then fitted from a start with shifts up to 10 Hz
# and couplings up to 2 Hz away.
# Usage: bench/ajuste_processo.sh [BUILD]   (default: build)
set -euo pipefail
C=$(readlink -f "${1:-build}")/cli/halvora-calc
D=$(mktemp -d)
trap 'rm -rf "$D"' EXIT

# J list in the program's order (1,2) (1,3) ... (N-1,N) from "i-j=v" pairs.
acoplamentos() {
    local n=$1; shift
    python3 - "$n" "$@" <<'PY'
import sys
n = int(sys.argv[1]); J = {}
for a in sys.argv[2:]:
    par, v = a.split('='); i, j = map(int, par.split('-')); J[(i, j)] = v
print(','.join(J.get((i, j), '0') for i in range(1, n + 1) for j in range(i + 1, n + 1)))
PY
}

caso() { # name N MHz true-shifts true-J start-shifts start-J
    local nome=$1 n=$2 mhz=$3
    "$C" --n="$n" --mhz="$mhz" --shifts="$4" --j="$5" --width=1.0 --jcamp="$D/$nome.jdx" >/dev/null
    local t0 t1
    t0=$(date +%s%N)
    "$C" --n="$n" --mhz="$mhz" --shifts="$6" --j="$7" --width=1.4 \
        --experimental="$D/$nome.jdx" --fit 2>"$D/$nome.err" >/dev/null
    t1=$(date +%s%N)
    printf '%-10s %s; whole process %d ms\n' "$nome" \
        "$(grep -o '[0-9]* iterações.*' "$D/$nome.err")" $(((t1 - t0) / 1000000))
}

oito=(1-2=10.5 2-3=7 2-4=7 3-5=7.4 3-6=7.4 4-5=7.4 4-6=7.4 5-7=6.8 5-8=6.8 6-7=6.8 6-8=6.8)
oito0=(1-2=12 2-3=8.5 2-4=8.5 3-5=6.2 3-6=6.2 4-5=6.2 4-6=6.2 5-7=8 5-8=8 6-7=8 6-8=8)
caso oito 8 400 2600,2570,1700,1700,1560,1560,420,420 "$(acoplamentos 8 "${oito[@]}")" \
    2609,2562,1692,1692,1568,1568,410,410 "$(acoplamentos 8 "${oito0[@]}")"

butila() { # J of the butyl chain from the three couplings
    local p=()
    for a in 1 2; do for b in 3 4; do p+=("$a-$b=$1"); done; done
    for a in 3 4; do for b in 5 6; do p+=("$a-$b=$2"); done; done
    for a in 5 6; do for b in 7 8 9; do p+=("$a-$b=$3"); done; done
    acoplamentos "$4" "${p[@]}"
}
caso butila-9 9 300 1089,1089,465,465,414,414,279,279,279 "$(butila 6.6 7.4 7.4 9)" \
    1081,1081,473,473,406,406,287,287,287 "$(butila 8.1 6.0 8.9 9)"
caso butanol-10 10 300 1089,1089,465,465,414,414,279,279,279,660 "$(butila 6.6 7.4 7.4 10)" \
    1081,1081,473,473,406,406,287,287,287,668 "$(butila 8.1 6.0 8.9 10)"
