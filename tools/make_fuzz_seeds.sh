#!/usr/bin/env bash
# Writes the seed corpora of the fuzz targets into fuzz/corpus/: settings
# texts that touch every rule of the INI reader, and small JPEG files made
# with libjpeg-turbo's cjpeg and jpegtran in the forms the decoder must take
# (qualities, subsampling, greyscale, RGB, CMYK, progressive, arithmetic
# coding, restart markers, tiny sizes) or refuse (cut short, not JPEG).
# The seeds are committed; run again only to change them.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
ini="$here/fuzz/corpus/ini"
img="$here/fuzz/corpus/image"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

for tool in cjpeg jpegtran wrjpgcom convert; do
  command -v "$tool" >/dev/null || { echo "make_fuzz_seeds: $tool is missing (tools/setup.sh installs it)" >&2; exit 1; }
done
rm -rf "$ini" "$img"
mkdir -p "$ini" "$img"

# --- settings texts ---------------------------------------------------------
cp "$here/config.ini" "$ini/shipped.ini"
sed 's/$/\r/' "$here/config.ini" > "$ini/shipped-crlf.ini"
tr '\n' '\r' < "$here/config.ini" > "$ini/shipped-cr.ini"
printf '\n\n[Program]\r\n\r\nTitle=Demo\n\r\n\rWidth = 800' > "$ini/blank-lines-no-final-end.ini"
printf 'Title=Demo\n[ Program ]\nWidth = 800\n[]\nHeight=600\n=5\n[program]\n=7\n' > "$ini/sections.ini"
printf 'Title = My Demo # first version\n[Main#1]\nkey=value#comment\n# whole line\n#\n' > "$ini/comments.ini"
printf '[a]b]\nx=1\n]c[d\ny=2\nk = [v]\nz=3\n[\nq=4\n]\nr=5\n' > "$ini/brackets.ini"
printf '[Num]\na=\t12\nb=12abc\nc=abc\nd= -1.5e3 \ne=0x1p4\nf=inf\ng=nan\nh=1e40\ni=-1e-50\nj=\nk=   \nl=+.5\nm=1,5\n' > "$ini/numbers.ini"
printf '[S]\nkey=first\nKEY=second\n k =third\nkey==a=b=\n\tkey\t=tab\n' > "$ini/repeats.ini"
printf '[Program]\nTitle=before\0Width=640\n' > "$ini/nul-inside.ini"
printf '[Program]\nTitle=%s\n' "$(printf 'x%.0s' $(seq 1 300))" > "$ini/long-value.ini"
printf '[\xc3\x84\xff]\n\xe2\x82\xac=\x01\x7f\n' > "$ini/high-bytes.ini"

# --- pictures ---------------------------------------------------------------
# Plain-text PPM/PGM patterns: smooth gradients with some edges, so the
# coefficients are neither all zero nor noise.
pattern() { # width height kind(P3|P2) file
  awk -v w="$1" -v h="$2" -v kind="$3" 'BEGIN {
    print kind; print w, h; print 255
    for (y = 0; y < h; y++) for (x = 0; x < w; x++) {
      r = int(255 * x / (w > 1 ? w - 1 : 1)); g = int(255 * y / (h > 1 ? h - 1 : 1))
      b = ((int(x / 4) + int(y / 4)) % 2) ? 230 : 20
      if (kind == "P2") print int((r + g + b) / 3); else print r, g, b
    } }' > "$4"
}
pattern 32 24 P3 "$work/colour.ppm"
pattern 17 13 P3 "$work/odd.ppm"
pattern 8 8 P3 "$work/block.ppm"
pattern 1 1 P3 "$work/pixel.ppm"
pattern 16 16 P2 "$work/grey.pgm"

c() { # output-name cjpeg-switches... (input last)
  local name="$1"; shift
  cjpeg "$@" > "$img/$name.jpg"
}
# Quality 5 needs 16-bit tables (no longer baseline): cjpeg says so; that is the point.
for q in 5 50 75 95 100; do c "q$q" -quality "$q" "$work/colour.ppm" 2>/dev/null; done
c sample-444 -sample 1x1 "$work/colour.ppm"
c sample-422 -sample 2x1 "$work/colour.ppm"
c sample-440 -sample 1x2 "$work/colour.ppm"
c sample-411 -sample 4x1 "$work/colour.ppm"
c greyscale -grayscale "$work/colour.ppm"
c grey-input "$work/grey.pgm"
c rgb -rgb "$work/colour.ppm"
c progressive -progressive "$work/colour.ppm"
c progressive-grey -progressive "$work/grey.pgm"
c arithmetic -arithmetic "$work/colour.ppm"
c arithmetic-progressive -arithmetic -progressive "$work/colour.ppm"
c restart-row -restart 1 "$work/colour.ppm"
c restart-block -restart 1B "$work/colour.ppm"
c restart-progressive -restart 2B -progressive "$work/colour.ppm"
c optimized -optimize -dct float "$work/colour.ppm"
c odd-size -sample 2x2 "$work/odd.ppm"
c one-block "$work/block.ppm"
c one-pixel "$work/pixel.ppm"
c one-pixel-progressive -progressive "$work/pixel.ppm"

t() { # output-name input-name jpegtran-switches...
  local name="$1" from="$2"; shift 2
  jpegtran "$@" "$img/$from.jpg" > "$img/$name.jpg"
}
t tran-rotate q75 -rotate 90
t tran-flip q75 -flip horizontal
t tran-crop q75 -crop 16x8+8+8
t tran-grey q75 -grayscale
t tran-progressive sample-444 -progressive
t tran-restart progressive -restart 1B
t tran-arithmetic q50 -arithmetic
# Many small scans: one per coefficient band and bit.
printf '0: 0 0 0 1;\n1: 0 0 0 1;\n2: 0 0 0 1;\n0: 1 5 0 2;\n0: 6 63 0 2;\n1: 1 63 0 1;\n2: 1 63 0 1;\n0: 1 63 2 1;\n0: 0 0 1 0;\n1: 0 0 1 0;\n2: 0 0 1 0;\n0: 1 63 1 0;\n' > "$work/scans.txt"
t tran-many-scans sample-444 -scans "$work/scans.txt"
# Comment and ICC profile markers for the marker reader to skip.
head -c 300 "$work/colour.ppm" > "$work/profile.icc"
c with-icc -icc "$work/profile.icc" "$work/odd.ppm"
wrjpgcom -comment "seed comment" "$img/q75.jpg" > "$img/with-comment.jpg"

# Adobe CMYK: the decoder's own colour conversion.
convert "$work/colour.ppm" -colorspace CMYK -quality 80 "$img/cmyk.jpg"

# Cut short or not a picture: each must be refused, never half decoded.
head -c 20 "$img/q75.jpg" > "$img/cut-in-header.jpg"
size=$(stat -c %s "$img/q75.jpg")
head -c $((size / 2)) "$img/q75.jpg" > "$img/cut-half.jpg"
head -c $((size - 2)) "$img/q75.jpg" > "$img/cut-no-end-marker.jpg"
size=$(stat -c %s "$img/progressive.jpg")
head -c $((size * 2 / 3)) "$img/progressive.jpg" > "$img/cut-progressive.jpg"
printf '\xff\xd8\xff' > "$img/start-marker-only.jpg"
cp "$work/block.ppm" "$img/not-jpeg.ppm"

echo "make_fuzz_seeds: $(find "$ini" -type f | wc -l) settings texts," \
  "$(find "$img" -type f | wc -l) pictures," \
  "$(du -cb "$ini" "$img" | tail -1 | cut -f1) bytes"
