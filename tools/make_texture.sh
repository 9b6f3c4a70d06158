#!/usr/bin/env bash
# Makes textures/morvex.jpg, the station's wall texture: 256 x 256 light,
# brushed metal plates in a 2 x 2 panel grid with bevelled edges and rivets.
# Fairly bright and nearly grey, so the vertex colours that tint it (grey,
# yellow, green, blue) still read. The program only loads the file; re-run
# this after changing the look and commit the result.
#   tools/make_texture.sh [output]      default: textures/morvex.jpg
# Needs ImageMagick's convert (tools/setup.sh installs it).
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
output="${1:-$here/textures/morvex.jpg}"
size=256
panel=128

command -v convert >/dev/null || {
  echo "make_texture: ImageMagick's convert is missing (run tools/setup.sh)" >&2
  exit 1
}

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# Brushed metal: fixed-seed noise smeared sideways, kept light.
convert -size ${size}x${size} xc:gray76 -seed 11 -attenuate 0.6 +noise Gaussian -virtual-pixel tile \
  -motion-blur 0x9+0 -level 8%,100% "$work/base.png"

# Bevels, seams and rivets of every panel.
draw=()
for y in 0 $panel; do
  for x in 0 $panel; do
    x1=$((x + panel - 1)) y1=$((y + panel - 1))
    # Light from the upper left: bright top and left edges, dark lower and right.
    draw+=(-stroke gray96 -strokewidth 3 -draw "line $((x + 2)),$((y + 2)) $((x1 - 2)),$((y + 2))")
    draw+=(-draw "line $((x + 2)),$((y + 2)) $((x + 2)),$((y1 - 2))")
    draw+=(-stroke gray42 -draw "line $((x + 2)),$((y1 - 2)) $((x1 - 2)),$((y1 - 2))")
    draw+=(-draw "line $((x1 - 2)),$((y + 2)) $((x1 - 2)),$((y1 - 2))")
    # Seam between plates.
    draw+=(-stroke gray30 -strokewidth 1 -fill none -draw "rectangle $x,$y $x1,$y1")
    # Inset plate outline.
    draw+=(-stroke gray60 -draw "rectangle $((x + 22)),$((y + 22)) $((x1 - 22)),$((y1 - 22))")
    draw+=(-stroke gray90 -draw "rectangle $((x + 23)),$((y + 23)) $((x1 - 21)),$((y1 - 21))")
    # Rivets: a dark rim, a light face and a highlight.
    for ry in $((y + 11)) $((y1 - 11)); do
      for rx in $((x + 11)) $((x1 - 11)); do
        draw+=(-stroke gray38 -strokewidth 1 -fill gray84 -draw "circle $rx,$ry $((rx + 4)),$ry")
        draw+=(-stroke none -fill white -draw "point $((rx - 1)),$((ry - 1))")
      done
    done
  done
done

convert "$work/base.png" "${draw[@]}" -strip -type TrueColor -sampling-factor 1x1 -quality 92 \
  "$output"
echo "make_texture: wrote $output"
