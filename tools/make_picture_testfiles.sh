#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
# SPDX-License-Identifier: GPL-2.0-or-later
# Writes the real picture files the photo-calendar tests read, into
# tests/data/photocalendar/pictures (committed, so ./test needs none of these tools):
#   bitmaps, icons and JPEGs made by ImageMagick (package imagemagick), and a WMF and an EMF
#   saved by LibreOffice from the drawing tools/picture_testfiles/drawing.fodg.in (package
#   libreoffice-draw-nogui), and that WMF without the EMF copy inside it (python3). Neither
#   of the first two is in tools/deps.sh: install them by hand to run this,
#   e.g. apt-get install --no-install-recommends imagemagick libreoffice-draw-nogui
# The drawing: left top #C00000, right top #00A050, bottom #C00000 with a 50 % transparent
# blue (#0000FF) box and an embedded bitmap (left half #FFD700, right half #008000), the text
# "Grüße aus Köln" and a dark blue frame 0.2 cm wide along the page's edge (8 x 6 cm).
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
out="$here/../tests/data/photocalendar/pictures"
mkdir -p "$out"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# Bitmaps: 40 x 30, left half red, right half blue; uncompressed 24 bit, 8 bit RLE, and the
# 24-bit file cut in the middle of its rows (as a broken copy or download leaves it).
convert -size 20x30 xc:'#FF0000' -size 20x30 xc:'#0000FF' +append -type TrueColor BMP3:"$out/halves24.bmp"
convert -size 20x30 xc:'#FF0000' -size 20x30 xc:'#0000FF' +append -type Palette -colors 4 -compress RLE BMP3:"$out/halves8rle.bmp"
head -c 2000 "$out/halves24.bmp" > "$out/cut24.bmp"

# Icons: one file holding 16 x 16 red and 48 x 48 green (smallest first), one holding only
# 32 x 32 blue.
convert -size 16x16 xc:'#FF0000' "$work/i16.png"
convert -size 48x48 xc:'#00FF00' "$work/i48.png"
convert "$work/i16.png" "$work/i48.png" "$out/red16_green48.ico"
convert -size 32x32 xc:'#0000FF' "$out/blue32.ico"

# JPEG: 64 x 48 orange; a PNG saved under a .jpg name; the JPEG cut short.
convert -size 64x48 xc:'#FF8000' -quality 95 "$out/orange.jpg"
convert -size 64x48 xc:'#FF8000' PNG:"$out/png_named.jpg"
head -c 200 "$out/orange.jpg" > "$out/cut.jpg"

# Metafiles from LibreOffice.
convert -size 32x64 xc:'#FFD700' -size 32x64 xc:'#008000' +append PNG:"$work/bitmap.png"
sed "s|@IMAGE@|$(base64 -w0 "$work/bitmap.png")|" "$here/picture_testfiles/drawing.fodg.in" > "$work/drawing.fodg"
for fmt in wmf emf; do
  HOME="$work" soffice --headless --convert-to "$fmt" --outdir "$work" "$work/drawing.fodg" >/dev/null 2>&1
  cp "$work/drawing.$fmt" "$out/libreoffice.$fmt"
done
# The WMF once more without the enhanced metafile LibreOffice tucks into its comment
# records, so that the plain WMF records alone must carry the drawing.
python3 - "$out/libreoffice.wmf" "$out/libreoffice_plain.wmf" <<'PY'
import struct, sys
data = open(sys.argv[1], "rb").read()
start = 22 if data[:4] == b"\xd7\xcd\xc6\x9a" else 0
header = bytearray(data[start:start + 18])
out, at, largest = bytearray(), start + 18, 0
while at + 6 <= len(data):
    words, function = struct.unpack_from("<IH", data, at)
    record = data[at:at + 2 * words]
    if not (function == 0x0626 and record[10:14] == b"WMFC"):
        out += record
        largest = max(largest, words)
    at += 2 * words
    if function == 0:
        break
struct.pack_into("<I", header, 6, (18 + len(out)) // 2)
struct.pack_into("<I", header, 12, largest)
open(sys.argv[2], "wb").write(data[:start] + bytes(header) + bytes(out))
PY
ls -l "$out"
