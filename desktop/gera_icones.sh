#!/usr/bin/env bash
# Renders the bitmap sizes of the icon from halvora.svg (ImageMagick); run it
# after changing the drawing and commit the PNG files with it.
set -euo pipefail
cd "$(dirname "$0")"
for t in 48 128 256; do
    convert -background none halvora.svg -filter Lanczos -resize "${t}x${t}" -strip \
        "PNG32:icones/halvora-$t.png"
done
