#!/usr/bin/env bash
# Regenerates the guide's pictures in guia/figuras/ from the program itself:
#
#   janela.png       the whole window as it opens, reduced;
#   grafico.png      the table and the left of the plot, zoomed once (◀▶)
#                    with band 7 chosen by a click, at full size;
#   espectro-ab.png  the copy picture of the AB example (Δν/J = 3), drawn by
#                    halvora-calc --svg and converted to PNG.
#
# ajuste-dialogo.png and ajuste-residuo.png (the fit's dialog, and the fitted
# 2-chloroethanol with its residual) are not made here: they are screenshots
# of the walk-through on the page, cropped by hand, because the measured
# spectrum is chosen in a file dialog. guia/en/figuras holds the English
# ones, cropped the same way from the English program.
#
#   guia/gera_figuras.sh [PASTA_DO_BUILD]     (default: build)
#   IDIOMA=en guia/gera_figuras.sh            the English pages' picture of the
#                                             window, into guia/en/figuras (the
#                                             zoomed plot and the AB copy are
#                                             shared)
#
# Needs Xvfb, xdotool, ImageMagick (import, convert) and rsvg-convert
# (librsvg2-bin); none of them is needed to build the program. The screen is
# 1280 x 1024 with no window manager, so the window opens at the top-left
# corner and the clicks below land on the same controls every time. The
# pictures are rebuilt into the program with it: rebuild after running this.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
app=$build/app/halvora
calc=$build/cli/halvora-calc
for f in "$app" "$calc"; do
    [ -x "$f" ] || {
        echo "gera_figuras.sh: $f não existe; compile o programa antes." >&2
        exit 2
    }
done
saida=guia/figuras
idioma=pt_BR.UTF-8
if [ "${IDIOMA:-pt}" = en ]; then
    saida=guia/en/figuras
    idioma=en_US.UTF-8
    mkdir -p "$saida"
fi
tmp=$(mktemp -d)
tela=:${TELA:-96}

Xvfb "$tela" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
programa=
termina() {
    [ -n "$programa" ] && kill "$programa" 2>/dev/null
    kill "$xvfb" 2>/dev/null
    rm -rf "$tmp"
}
trap termina EXIT
export DISPLAY=$tela
sleep 1

# Brazilian Portuguese: decimal commas, as a student sees them (in English,
# points).
LANG=$idioma LC_ALL=$idioma HOME=$tmp "$app" >/dev/null 2>&1 &
programa=$!
xdotool search --sync --name '^Halvora' >/dev/null
sleep 3

import -window root "$tmp/inicio.png"
# A thin frame sets the screenshots apart from the page around them.
moldura=(-bordercolor '#808080' -border 1)
convert "$tmp/inicio.png" -crop 1012x712+0+0 +repage -resize 718x "${moldura[@]}" -strip \
    "$saida/janela.png"
[ "${IDIOMA:-pt}" = en ] && { ls -l "$saida"; exit 0; }

# ◀▶ once, then the peak of band 7 (207,3 Hz); the pointer rests where the
# readout shows a frequency.
xdotool mousemove 351 133 click 1
sleep 1
xdotool mousemove 450 500 click 1
sleep 1
xdotool mousemove 520 560
sleep 1
import -window root "$tmp/zoom.png"
convert "$tmp/zoom.png" -crop 610x566+18+146 +repage "${moldura[@]}" -strip "$saida/grafico.png"

# A plain title: the copy's own, with Greek letters, is set in pieces whose
# places depend on the fonts of the machine that draws it.
"$calc" exemplos/ab-3.esm --sep=, --title="Sistema AB, J = 10 Hz (300 MHz)" \
    --svg="$tmp/ab.svg" >/dev/null
rsvg-convert -w 720 "$tmp/ab.svg" | convert - -strip "$saida/espectro-ab.png"

ls -l "$saida"
