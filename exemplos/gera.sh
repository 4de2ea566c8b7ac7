#!/usr/bin/env bash
# Regenerates the example spin systems: every exemplos/NOME.esm and the index
# exemplos/exemplos.txt (grupo, nome, rótulo do menu; menu order). The files
# are written by the calculator itself, so their bytes are exactly what the
# program saves; both programs embed them when they are built.
#
#   exemplos/gera.sh [CALCULADORA]     (default: build/cli/halvora-calc)
#
# To add an example: one call of `exemplo` below, in its group, with the
# source of its values in a comment; run this script; rebuild. Shifts are in
# ppm where --ppm is given (the file then shows ppm), otherwise in Hz from the
# reference. Couplings are given by `jotas N PARES...`, each pair
# "I:J=valor" with I and J a proton or a range "3-5": every coupling between
# a proton of I and one of J, 0 when not named. Couplings inside a set of
# magnetically equivalent protons are left at 0: they never show.
#
# Values are typical literature values for the compound in CDCl3 (textbook
# tables of shifts and couplings); the field is the one in the title.
set -euo pipefail
cd "$(dirname "$0")/.."
calc=${1:-build/cli/halvora-calc}
[ -x "$calc" ] || {
    echo "gera.sh: $calc não existe; compile halvora-calc antes." >&2
    exit 2
}
pasta=exemplos
indice=$pasta/exemplos.txt
linhas=""

# jotas N I:J=valor ...: J(1,2), J(1,3), ..., J(N-1,N) in the calculator's order.
jotas() {
    awk -v n="$1" -v pares="${*:2}" '
    function faixa(s, lim) { if (split(s, p, "-") == 1) p[2] = p[1]; lim[1] = p[1]; lim[2] = p[2] }
    BEGIN {
        k = split(pares, lista, " ")
        for (q = 1; q <= k; ++q) {
            split(lista[q], lv, "="); split(lv[1], ij, ":")
            faixa(ij[1], a); faixa(ij[2], b)
            for (i = a[1]; i <= a[2]; ++i)
                for (j = b[1]; j <= b[2]; ++j) { J[i, j] = lv[2]; J[j, i] = lv[2] }
        }
        s = ""
        for (i = 1; i < n; ++i)
            for (j = i + 1; j <= n; ++j) s = s (s == "" ? "" : ",") ((i, j) in J ? J[i, j] : 0)
        print s
    }'
}

# exemplo GRUPO NOME RÓTULO [opções do halvora-calc...]
exemplo() {
    local grupo=$1 nome=$2 rotulo=$3
    shift 3
    "$calc" "$@" --save="$pasta/$nome.esm" >/dev/null
    linhas+=$(printf '%s\t%s\t%s' "$grupo" "$nome" "$rotulo")$'\n'
}

g="Primeira ordem × segunda ordem"
# A model AB pair, J = 10 Hz centred at 1200 Hz (4 ppm at 300 MHz): as Δν/J
# falls the inner lines grow at the expense of the outer ones (roof effect)
# until the pair is one line.
exemplo "$g" ab-10 "AB, Δν/J = 10 (quase AX)" --mhz=300 --shifts=1250,1150 --j=10 --width=0.5 \
    --title="Sistema AB, Δν/J = 10, J = 10 Hz (300 MHz)"
exemplo "$g" ab-3 "AB, Δν/J = 3" --mhz=300 --shifts=1215,1185 --j=10 --width=0.5 \
    --title="Sistema AB, Δν/J = 3, J = 10 Hz (300 MHz)"
exemplo "$g" ab-1 "AB, Δν/J = 1" --mhz=300 --shifts=1205,1195 --j=10 --width=0.5 \
    --title="Sistema AB, Δν/J = 1, J = 10 Hz (300 MHz)"
exemplo "$g" ab-03 "AB, Δν/J = 0,3" --mhz=300 --shifts=1201.5,1198.5 --j=10 --width=0.3 \
    --title="Sistema AB, Δν/J = 0,3, J = 10 Hz (300 MHz)"
# The same J between two protons of equal shift: a single line.
exemplo "$g" a2 "A2: prótons equivalentes" --mhz=300 --shifts=1200,1200 --j=10 --width=0.5 \
    --title="Sistema A2, dois prótons equivalentes, J = 10 Hz (300 MHz)"

g="Três spins"
# 1,1,2-Trichloroethane, CHCl2-CH2Cl, CDCl3: 5.77 (t, 1H), 3.96 (d, 2H), J = 6.0 Hz.
exemplo "$g" ax2-tricloroetano "AX2: 1,1,2-tricloroetano (300 MHz)" --mhz=300 --ppm \
    --shifts=5.77,3.96,3.96 --j="$(jotas 3 1:2-3=6.0)" --width=0.5 \
    --title="1,1,2-Tricloroetano, CHCl2–CH2Cl, sistema AX2 (300 MHz)"
# 2,6-Dimethylpyridine, ring protons, CDCl3: H4 7.46 (t), H3/H5 6.97 (d),
# J = 7.7 Hz. At 60 MHz Δν/J ≈ 3.8: all nine lines of AB2.
exemplo "$g" ab2-lutidina "AB2: 2,6-dimetilpiridina (60 MHz)" --mhz=60 --ppm \
    --shifts=7.46,6.97,6.97 --j="$(jotas 3 1:2-3=7.7)" --width=0.5 \
    --title="2,6-Dimetilpiridina, H4 e H3/H5, sistema AB2 (60 MHz)"
# Styrene, vinyl group, CDCl3: Hα 6.72 (dd), H trans to Hα 5.75 (dd),
# H cis to Hα 5.24 (dd); J trans 17.6, J cis 10.9, J gem 0.9 Hz. The same
# three protons: AMX at 400 MHz, Hα and the trans proton strongly coupled
# at 60 MHz (Δν/J ≈ 3.3).
exemplo "$g" amx-400 "AMX: vinila do estireno (400 MHz)" --mhz=400 --ppm \
    --shifts=6.72,5.75,5.24 --j="$(jotas 3 1:2=17.6 1:3=10.9 2:3=0.9)" --width=0.5 \
    --title="Estireno, grupo vinila, sistema AMX (400 MHz)"
exemplo "$g" abx-60 "ABX: vinila do estireno (60 MHz)" --mhz=60 --ppm \
    --shifts=6.72,5.75,5.24 --j="$(jotas 3 1:2=17.6 1:3=10.9 2:3=0.9)" --width=0.5 \
    --title="Estireno, grupo vinila, sistema ABX (60 MHz)"

g="Grupos alquila"
# Bromoethane, CDCl3: CH2 3.43 (q), CH3 1.67 (t), J = 7.3 Hz.
exemplo "$g" etila "Etila (A3X2): bromoetano" --mhz=300 --ppm \
    --shifts=3.43,3.43,1.67,1.67,1.67 --j="$(jotas 5 1-2:3-5=7.3)" --width=0.5 \
    --title="Bromoetano, CH3CH2Br, grupo etila A3X2 (300 MHz)"
# 2-Bromopropane, CDCl3: CH 4.29 (septet), CH3 1.72 (d), J = 6.6 Hz.
exemplo "$g" isopropila "Isopropila (A6X): 2-bromopropano" --mhz=300 --ppm \
    --shifts=4.29,1.72,1.72,1.72,1.72,1.72,1.72 --j="$(jotas 7 1:2-7=6.6)" --width=0.5 \
    --title="2-Bromopropano, (CH3)2CHBr, grupo isopropila A6X (300 MHz)"
# 1-Bromopropane, CDCl3: CH2Br 3.40 (t), CH2 1.89 (sextet), CH3 1.03 (t);
# J(CH2Br,CH2) = 6.8, J(CH2,CH3) = 7.4 Hz.
exemplo "$g" propila "n-Propila (A3M2X2): 1-bromopropano" --mhz=300 --ppm \
    --shifts=3.40,3.40,1.89,1.89,1.03,1.03,1.03 --j="$(jotas 7 1-2:3-4=6.8 3-4:5-7=7.4)" \
    --width=0.5 --title="1-Bromopropano, CH3CH2CH2Br, grupo n-propila (300 MHz)"
# 1-Butanol, CDCl3: OCH2 3.63 (t), CH2 1.55 (quintet), CH2 1.38 (sextet),
# CH3 0.93 (t); J = 6.6, 7.4, 7.4 Hz. The OH (its shift depends on the
# concentration; here 2.2 ppm) exchanges fast and couples to nothing.
# Ten protons: the most the program takes.
exemplo "$g" butila-10 "n-Butila, 10 prótons: 1-butanol" --mhz=300 --ppm \
    --shifts=3.63,3.63,1.55,1.55,1.38,1.38,0.93,0.93,0.93,2.2 \
    --j="$(jotas 10 1-2:3-4=6.6 3-4:5-6=7.4 5-6:7-9=7.4)" --width=0.5 \
    --title="1-Butanol, CH3(CH2)3OH, grupo n-butila e OH, 10 prótons (300 MHz)"

g="Sistemas de spins magneticamente não equivalentes"
# Para-disubstituted benzenes: protons 1, 2 = H3, H5; 3, 4 = H2, H6.
# Ortho J(1,3) = J(2,4), para J(1,4) = J(2,3), meta J(1,2) and J(3,4).
# 4-Nitroanisole, CDCl3: H3/H5 8.19, H2/H6 6.95; J ortho 9.2, meta 2.5,
# para 0.4 Hz. Δν/J ≈ 40 at 300 MHz: AA'XX', two "doublets" that are not.
exemplo "$g" aaxx-nitroanisol "AA'XX': 4-nitroanisol (300 MHz)" --mhz=300 --ppm \
    --shifts=8.19,8.19,6.95,6.95 --j="$(jotas 4 1:2=2.5 1:3=9.2 2:4=9.2 1:4=0.4 2:3=0.4 3:4=2.5)" \
    --width=0.5 --title="4-Nitroanisol, prótons do anel, sistema AA'XX' (300 MHz)"
# 4-Chlorotoluene, CDCl3: H3/H5 7.23, H2/H6 7.08; J ortho 8.4, meta 2.2,
# para 0.4 Hz. Δν/J ≈ 5 at 300 MHz: AA'BB'.
exemplo "$g" aabb-clorotolueno "AA'BB': 4-clorotolueno (300 MHz)" --mhz=300 --ppm \
    --shifts=7.23,7.23,7.08,7.08 --j="$(jotas 4 1:2=2.2 1:3=8.4 2:4=8.4 1:4=0.4 2:3=0.4 3:4=2.2)" \
    --width=0.5 --title="4-Clorotolueno, prótons do anel, sistema AA'BB' (300 MHz)"
# 2-Chloroethanol, ClCH2CH2OH, CDCl3: OCH2 3.87 (protons 1, 2), CH2Cl 3.66
# (3, 4); geminal J -11.5 Hz. The gauche rotamers dominate, so the two
# vicinal couplings differ: with J trans 12.5, J gauche 3.0 Hz and 80 %
# gauche, J = J(1,3) = J(2,4) = 6.8 and J' = J(1,4) = J(2,3) = 4.9 Hz
# (AA'BB'). With both at their mean, 5.85 Hz, the same shifts make the
# A2B2 system a first look at the spectrum suggests. The OH is left out.
exemplo "$g" a2b2-2-cloroetanol "A2B2: 2-cloroetanol, J = J' (modelo)" --mhz=60 --ppm \
    --shifts=3.87,3.87,3.66,3.66 --j="$(jotas 4 1:2=-11.5 3:4=-11.5 1-2:3-4=5.85)" \
    --width=0.5 --title="2-Cloroetanol, ClCH2CH2OH, como A2B2: J = J' = 5,85 Hz (60 MHz)"
exemplo "$g" aabb-2-cloroetanol "AA'BB': 2-cloroetanol" --mhz=60 --ppm \
    --shifts=3.87,3.87,3.66,3.66 --j="$(jotas 4 1:2=-11.5 3:4=-11.5 1:3=6.8 2:4=6.8 1:4=4.9 2:3=4.9)" \
    --width=0.5 --title="2-Cloroetanol, ClCH2CH2OH, sistema AA'BB': J = 6,8, J' = 4,9 Hz (60 MHz)"

g="Efeito do campo"
# Methyl acrylate, vinyl protons, CDCl3: 6.40 (dd), 6.13 (dd), 5.82 (dd);
# J trans 17.4, J cis 10.4, J gem 1.4 Hz. ABC at 60 MHz, ABX-like at 300,
# close to AMX at 600: the couplings stay, the shifts spread in Hz.
for mhz in 60 300 600; do
    exemplo "$g" acrilato-$mhz "Acrilato de metila, $mhz MHz" --mhz=$mhz --ppm \
        --shifts=6.40,6.13,5.82 --j="$(jotas 3 1:2=17.4 1:3=1.4 2:3=10.4)" --width=0.5 \
        --title="Acrilato de metila, grupo vinila ($mhz MHz)"
done

printf '%s' "$linhas" >"$indice"
