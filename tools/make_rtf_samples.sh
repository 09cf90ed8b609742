#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
# SPDX-License-Identifier: GPL-2.0-or-later
# Writes the rich-text samples the reader's tests check, into tests/data/core/rtf/:
#   libreoffice_features.rtf  a document LibreOffice saves as RTF (pictures in the text and
#                             anchored to a paragraph, table, lists, tab stops, line spacing,
#                             shading, small caps, double underline);
#   wordpad_features.rtf      rich text written by hand the way WordPad writes it (\pn lists,
#                             \upr/\ud, a PNG and a JPEG picture, a \nonshppict fallback).
# Needs LibreOffice (soffice), ImageMagick (convert) and xxd; ./test does not: the outputs are
# committed. Run from anywhere: tools/make_rtf_samples.sh
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
out="$root/tests/data/core/rtf"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cd "$work"

# Pictures: a PNG red on the left half, blue on the right (40x20); a green JPEG (32x16).
convert -size 40x20 xc:'#ff0000' -fill '#0000ff' -draw "rectangle 20,0 39,19" -strip PNG24:bild.png
convert -size 32x16 xc:'#00a000' -strip -quality 95 bild.jpg
png64="$(base64 -w0 bild.png)"
jpg64="$(base64 -w0 bild.jpg)"

cat >features.fodt <<FODT
<?xml version="1.0" encoding="UTF-8"?>
<office:document xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0"
 xmlns:style="urn:oasis:names:tc:opendocument:xmlns:style:1.0"
 xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0"
 xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0"
 xmlns:draw="urn:oasis:names:tc:opendocument:xmlns:drawing:1.0"
 xmlns:fo="urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0"
 xmlns:xlink="http://www.w3.org/1999/xlink"
 xmlns:svg="urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0"
 office:version="1.3" office:mimetype="application/vnd.oasis.opendocument.text">
<office:font-face-decls>
 <style:font-face style:name="Liberation Serif" svg:font-family="'Liberation Serif'"/>
</office:font-face-decls>
<office:automatic-styles>
 <style:style style:name="Titel" style:family="paragraph">
  <style:text-properties style:font-name="Liberation Serif" fo:font-size="16pt" fo:font-weight="bold"/>
 </style:style>
 <style:style style:name="Tabs" style:family="paragraph">
  <style:paragraph-properties>
   <style:tab-stops>
    <style:tab-stop style:position="5cm" style:type="center"/>
    <style:tab-stop style:position="10cm" style:type="right"/>
   </style:tab-stops>
  </style:paragraph-properties>
 </style:style>
 <style:style style:name="Zeilen" style:family="paragraph">
  <style:paragraph-properties fo:line-height="150%"/>
 </style:style>
 <style:style style:name="Schatten" style:family="paragraph">
  <style:paragraph-properties fo:background-color="#ffe0e0"/>
 </style:style>
 <style:style style:name="Kapitaelchen" style:family="text">
  <style:text-properties fo:font-variant="small-caps"/>
 </style:style>
 <style:style style:name="Doppelt" style:family="text">
  <style:text-properties style:text-underline-style="solid" style:text-underline-type="double"
   style:text-underline-width="auto" style:text-underline-color="font-color"/>
 </style:style>
 <style:style style:name="Tabelle" style:family="table">
  <style:table-properties style:width="10cm" table:align="left"/>
 </style:style>
 <style:style style:name="Tabelle.A" style:family="table-column">
  <style:table-column-properties style:column-width="3cm"/>
 </style:style>
 <style:style style:name="Tabelle.B" style:family="table-column">
  <style:table-column-properties style:column-width="5cm"/>
 </style:style>
 <style:style style:name="Tabelle.C" style:family="table-column">
  <style:table-column-properties style:column-width="2cm"/>
 </style:style>
 <style:style style:name="Grau" style:family="table-cell">
  <style:table-cell-properties fo:background-color="#c0c0c0" fo:border="0.5pt solid #000000"/>
 </style:style>
 <style:style style:name="Gelb" style:family="table-cell">
  <style:table-cell-properties fo:background-color="#ffff00" fo:border="0.5pt solid #000000"/>
 </style:style>
 <style:style style:name="Weiss" style:family="table-cell">
  <style:table-cell-properties fo:border="0.5pt solid #000000"/>
 </style:style>
 <text:list-style style:name="Punkte">
  <text:list-level-style-bullet text:level="1" text:bullet-char="•">
   <style:list-level-properties text:list-level-position-and-space-mode="label-alignment">
    <style:list-level-label-alignment text:label-followed-by="listtab" fo:text-indent="-0.635cm" fo:margin-left="1.27cm"/>
   </style:list-level-properties>
  </text:list-level-style-bullet>
  <text:list-level-style-bullet text:level="2" text:bullet-char="◦">
   <style:list-level-properties text:list-level-position-and-space-mode="label-alignment">
    <style:list-level-label-alignment text:label-followed-by="listtab" fo:text-indent="-0.635cm" fo:margin-left="1.905cm"/>
   </style:list-level-properties>
  </text:list-level-style-bullet>
 </text:list-style>
 <text:list-style style:name="Zahlen">
  <text:list-level-style-number text:level="1" style:num-format="1" style:num-suffix=".">
   <style:list-level-properties text:list-level-position-and-space-mode="label-alignment">
    <style:list-level-label-alignment text:label-followed-by="listtab" fo:text-indent="-0.635cm" fo:margin-left="1.27cm"/>
   </style:list-level-properties>
  </text:list-level-style-number>
 </text:list-style>
</office:automatic-styles>
<office:body><office:text>
 <text:p text:style-name="Titel">Bilder und Tabellen</text:p>
 <text:p>Ein PNG <draw:frame draw:name="Png" text:anchor-type="as-char" svg:width="2cm" svg:height="1cm"><draw:image><office:binary-data>$png64</office:binary-data></draw:image></draw:frame> und ein JPEG <draw:frame draw:name="Jpeg" text:anchor-type="as-char" svg:width="3cm" svg:height="1.5cm"><draw:image><office:binary-data>$jpg64</office:binary-data></draw:image></draw:frame> im Text.</text:p>
 <text:p>Verankert <draw:frame draw:name="Anker" text:anchor-type="paragraph" svg:x="8cm" svg:y="0cm" svg:width="2cm" svg:height="1cm"><draw:image><office:binary-data>$png64</office:binary-data></draw:image></draw:frame>am Absatz.</text:p>
 <table:table table:name="Tabelle" table:style-name="Tabelle">
  <table:table-column table:style-name="Tabelle.A"/>
  <table:table-column table:style-name="Tabelle.B"/>
  <table:table-column table:style-name="Tabelle.C"/>
  <table:table-row>
   <table:table-cell table:style-name="Grau" office:value-type="string"><text:p>Name</text:p></table:table-cell>
   <table:table-cell table:style-name="Grau" office:value-type="string"><text:p>Datum</text:p></table:table-cell>
   <table:table-cell table:style-name="Grau" office:value-type="string"><text:p>Tage</text:p></table:table-cell>
  </table:table-row>
  <table:table-row>
   <table:table-cell table:style-name="Weiss" office:value-type="string"><text:p>Anna</text:p></table:table-cell>
   <table:table-cell table:style-name="Gelb" office:value-type="string"><text:p>01.02.1990</text:p></table:table-cell>
   <table:table-cell table:style-name="Weiss" office:value-type="string"><text:p>23</text:p></table:table-cell>
  </table:table-row>
 </table:table>
 <text:list text:style-name="Punkte">
  <text:list-item><text:p>Erster Punkt</text:p></text:list-item>
  <text:list-item><text:p>Zweiter Punkt</text:p>
   <text:list><text:list-item><text:p>Unterpunkt</text:p></text:list-item></text:list>
  </text:list-item>
 </text:list>
 <text:list text:style-name="Zahlen">
  <text:list-item><text:p>Eins</text:p></text:list-item>
  <text:list-item><text:p>Zwei</text:p></text:list-item>
 </text:list>
 <text:p text:style-name="Tabs">Links<text:tab/>Mitte<text:tab/>Rechts</text:p>
 <text:p text:style-name="Zeilen">Anderthalbzeilig</text:p>
 <text:p text:style-name="Schatten">Schattiert</text:p>
 <text:p>Text in <text:span text:style-name="Kapitaelchen">Kapitälchen</text:span> und <text:span text:style-name="Doppelt">doppelt</text:span> unterstrichen.</text:p>
</office:text></office:body>
</office:document>
FODT
soffice --headless --convert-to rtf --outdir "$work" features.fodt >/dev/null
cp features.rtf "$out/libreoffice_features.rtf"

# WordPad's way: \pn bullets and numbers, \upr with its \ud Unicode branch, pictures as
# \pict\pngblip and \jpegblip (goal sizes in twips) and a \shppict with a WMF \nonshppict.
pnghex="$(xxd -p bild.png | tr -d '\n' | fold -w 128)"
jpghex="$(xxd -p bild.jpg | tr -d '\n' | fold -w 128)"
{
  printf '%s\r\n' '{\rtf1\ansi\ansicpg1252\deff0\nouicompat\deflang1031{\fonttbl{\f0\fnil\fcharset0 Calibri;}{\f1\fnil\fcharset2 Symbol;}}' \
    '{\colortbl ;\red255\green0\blue0;}' \
    '{\*\generator Riched20 10.0.19041}\viewkind4\uc1 ' \
    '\pard\sa200\sl276\slmult1\f0\fs22\lang7 Bild: {\pict{\*\picprop}\wmetafile8\picw1058\pich529\picwgoal600\pichgoal300 0100090000030000000000000000}' \
    '{\*\shppict{\pict\picw40\pich20\picwgoal1200\pichgoal600\pngblip'
  printf '%s\r\n' "$pnghex"
  printf '%s\r\n' '}}{\nonshppict{\pict\picw1058\pich529\picwgoal1200\pichgoal600\wmetafile8 0100090000030000000000000000}} Ende.\par' \
    '\pard\sa200\sl276\slmult1 Foto: {\pict\picw32\pich16\picwgoal960\pichgoal480\picscalex50\picscaley50\jpegblip'
  printf '%s\r\n' "$jpghex"
  printf '%s\r\n' '}\par' \
    '\pard{\pntext\f1\'"'"'B7\tab}{\*\pn\pnlvlblt\pnf1\pnindent0{\pntxtb\'"'"'B7}}\fi-360\li720\sa200\sl276\slmult1 Apfel\par' \
    '{\pntext\f1\'"'"'B7\tab}Birne\par' \
    '\pard{\pntext\f0 1.\tab}{\*\pn\pnlvlbody\pnf0\pnindent0\pnstart1\pndec{\pntxta.}}\fi-360\li720\sa200\sl276\slmult1 Montag\par' \
    '{\pntext\f0 2.\tab}Dienstag\par' \
    '\pard\sa200\sl276\slmult1 {\upr{Gr\'"'"'fc\'"'"'dfe ANSI}{\*\ud{Gr\u252?\u223?e \u8364?}}} fertig.\par' \
    '}'
} >"$out/wordpad_features.rtf"
echo "written: $out/libreoffice_features.rtf $out/wordpad_features.rtf"
