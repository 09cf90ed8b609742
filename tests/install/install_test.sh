#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
# SPDX-License-Identifier: GPL-2.0-or-later
# Installs the build into a temporary prefix, checks that every file is there and valid
# (desktop entry, AppStream metainfo, icons, manual pages, hardening of the executables),
# runs lintian on the Debian package, makes the prefix read-only and
# runs the installed program offscreen with a temporary home: its window, pictures, texts
# and help, a name saved into the per-user data folder and found again on the next start,
# the command line's year calendar with that person, and the prefix unchanged afterwards. Then proves that the checks notice a missing file.
#
# Usage: install_test.sh <build folder> <driver library> <project version> <source folder>
set -euo pipefail
build="$1" driver="$2" version="$3" source="$4"
app_id=de.zuvododerod.Zuvododerod

work="$(mktemp -d)"
cleanup() { chmod -R u+w "$work" 2>/dev/null || true; rm -rf "$work"; }
trap cleanup EXIT
chmod 755 "$work"
prefix="$work/prefix"

failures=0
fail() { echo "FEHLER: $*" >&2; failures=$((failures + 1)); }

# --- what an install must hold --------------------------------------------------------
# Files every install needs, relative to the prefix.
required_files() {
  echo bin/zuvododerod
  echo libexec/zuvododerod-metafile
  echo libexec/zuvododerod-pdfboxes
  echo share/applications/$app_id.desktop
  echo share/metainfo/$app_id.metainfo.xml
  echo share/icons/hicolor/scalable/apps/$app_id.svg
  for size in 16 22 24 32 48 64 128 256; do
    echo share/icons/hicolor/${size}x${size}/apps/$app_id.png
  done
  echo share/man/man1/zuvododerod.1.gz
  echo share/man/de/man1/zuvododerod.1.gz
  echo share/man/man1/zuvododerod-metafile.1.gz
  echo share/man/man1/zuvododerod-pdfboxes.1.gz
  echo share/doc/zuvododerod/copyright
  echo share/zuvododerod/BioTab/BiorhythText.rtf
  echo share/zuvododerod/BioHelp/BioHilfe.html
  # Every data file of the source tree, so that a new one cannot be forgotten.
  (cd "$source/data" && find BioBMPs TZeichen BioHelp -type f | sed 's|^|share/zuvododerod/|')
}

# The hardening of an executable, read from its ELF file (what hardening-check reads):
# PIE, full RELRO (relro and bind now), stack protector, control-flow protection (an
# endbr64 at the start of its functions: Debian 12's start files carry no IBT note, so the
# note cannot tell) and, where the code has calls of fixed-size buffers (the metafile
# helper; the program's Qt code and the page-box helper have none), fortified libc calls.
check_hardening() {
  local elf="$1" fortified="$2" bad=0 name header dynamic segments symbols
  name="$(basename "$elf")"
  header="$(readelf -h "$elf")" dynamic="$(readelf -d "$elf")" segments="$(readelf -lW "$elf")"
  symbols="$(readelf --dyn-syms -W "$elf")"
  grep -q 'Type:.*DYN' <<<"$header" && grep -q 'FLAGS_1.*PIE' <<<"$dynamic" || { echo "$name: kein PIE"; bad=1; }
  grep -qE 'BIND_NOW|FLAGS.* NOW' <<<"$dynamic" || { echo "$name: ohne -z now"; bad=1; }
  grep -q GNU_RELRO <<<"$segments" || { echo "$name: ohne RELRO"; bad=1; }
  grep -q '__stack_chk_fail' <<<"$symbols" || { echo "$name: ohne Stack-Schutz"; bad=1; }
  if [ "$fortified" = fortified ]; then
    grep -qE '__[a-z_]+_chk@' <<<"$symbols" || { echo "$name: ohne _FORTIFY_SOURCE"; bad=1; }
  fi
  if [ "$(uname -m)" = x86_64 ]; then
    local endbr
    endbr="$(objdump -d --no-show-raw-insn "$elf" | grep -c endbr64 || true)"
    [ "$endbr" -ge 20 ] || { echo "$name: ohne -fcf-protection ($endbr endbr64)"; bad=1; }
  fi
  return $bad
}

# Checks an installed prefix; prints each fault and returns non-zero when there is one.
check_prefix() {
  local p="$1" bad=0 f
  while read -r f; do
    [ -s "$p/$f" ] || { echo "fehlt: $f"; bad=1; }
  done < <(required_files)
  [ -x "$p/bin/zuvododerod" ] || { echo "nicht ausführbar: bin/zuvododerod"; bad=1; }
  [ -x "$p/libexec/zuvododerod-metafile" ] || { echo "nicht ausführbar: libexec/zuvododerod-metafile"; bad=1; }
  [ -x "$p/libexec/zuvododerod-pdfboxes" ] || { echo "nicht ausführbar: libexec/zuvododerod-pdfboxes"; bad=1; }

  local desktop="$p/share/applications/$app_id.desktop"
  local metainfo="$p/share/metainfo/$app_id.metainfo.xml"
  if [ -f "$desktop" ]; then
    local out
    # Hints (such as three main categories, which are meant) are no faults.
    out="$(desktop-file-validate "$desktop" 2>&1)" || { echo "$out"; bad=1; }
    grep -qx "Icon=$app_id" "$desktop" || { echo "Desktop-Datei: Icon ist nicht $app_id"; bad=1; }
    grep -qx "Exec=zuvododerod" "$desktop" || { echo "Desktop-Datei: Exec fehlt"; bad=1; }
    grep -q '^Name\[de\]=' "$desktop" || { echo "Desktop-Datei: Name[de] fehlt"; bad=1; }
    grep -q '^Comment\[de\]=' "$desktop" || { echo "Desktop-Datei: Comment[de] fehlt"; bad=1; }
    grep -qx 'Categories=Office;Calendar;Graphics;' "$desktop" || { echo "Desktop-Datei: Kategorien"; bad=1; }
  fi
  if [ -f "$metainfo" ]; then
    appstreamcli validate --no-net --explain "$metainfo" >"$work/appstream.log" 2>&1 \
      || { cat "$work/appstream.log"; bad=1; }
    # The listing points at the installed desktop entry and names this version first.
    local launchable newest
    launchable="$(sed -n 's|.*<launchable type="desktop-id">\(.*\)</launchable>.*|\1|p' "$metainfo")"
    [ -f "$p/share/applications/$launchable" ] || { echo "Metainfo: Starter $launchable fehlt"; bad=1; }
    newest="$(grep -o '<release version="[^"]*"' "$metainfo" | head -1 | cut -d'"' -f2)"
    [ "$newest" = "$version" ] || { echo "Metainfo: neueste Ausgabe $newest, Programm $version"; bad=1; }
    grep -q '<p xml:lang="de">' "$metainfo" || { echo "Metainfo: deutsche Beschreibung fehlt"; bad=1; }
    grep -q '<content_rating type="oars-1.1"' "$metainfo" || { echo "Metainfo: Altersfreigabe fehlt"; bad=1; }
    local shot
    for shot in $(grep -o 'screenshots/[a-z]*\.png' "$metainfo"); do
      [ -s "$source/dist/$shot" ] || { echo "Bildschirmfoto fehlt: dist/$shot"; bad=1; }
    done
  fi
  local size png
  for size in 16 22 24 32 48 64 128 256; do
    png="$p/share/icons/hicolor/${size}x${size}/apps/$app_id.png"
    [ -f "$png" ] || continue
    file -b "$png" | grep -q "PNG image data, $size x $size," \
      || { echo "Symbol ${size}x${size} hat die falsche Größe: $(file -b "$png")"; bad=1; }
  done
  local man="$p/share/man/man1/zuvododerod.1.gz" page
  for page in man1/zuvododerod.1.gz de/man1/zuvododerod.1.gz man1/zuvododerod-metafile.1.gz man1/zuvododerod-pdfboxes.1.gz; do
    [ -f "$p/share/man/$page" ] || continue
    local warnings
    warnings="$(zcat "$p/share/man/$page" | groff -k -man -ww -z -Tutf8 2>&1)"
    [ -z "$warnings" ] || { echo "Handbuchseite $page: $warnings"; bad=1; }
  done
  # English in man1, German in de/man1.
  [ -f "$man" ] && ! zgrep -q '^\.SH NAME' "$man" && { echo "man1/zuvododerod.1 ist nicht englisch"; bad=1; }
  [ -f "$p/share/man/de/man1/zuvododerod.1.gz" ] && ! zgrep -q '^\.SH BEZEICHNUNG' "$p/share/man/de/man1/zuvododerod.1.gz" \
    && { echo "de/man1/zuvododerod.1 ist nicht deutsch"; bad=1; }
  if [ -f "$man" ]; then
    LC_ALL=C man -M "$p/share/man" -w zuvododerod >/dev/null 2>&1 \
      || { echo "man zuvododerod findet die Seite nicht"; bad=1; }
    # Every option the installed program lists in its --help is described in both pages.
    local option options
    options="$(QT_QPA_PLATFORM=offscreen "$p/bin/zuvododerod" --help 2>&1 | grep -oE -- '(^|[[:space:]])--[a-z-]+' | tr -d ' \t' | sort -u)"
    [ -n "$options" ] || { echo "zuvododerod --help nennt keine Optionen"; bad=1; }
    for option in $options; do
      for page in "$man" "$p/share/man/de/man1/zuvododerod.1.gz"; do
        zcat "$page" | grep -qF -- "$(sed 's/-/\\-/g' <<<"$option")" || { echo "Handbuchseite $page: $option fehlt"; bad=1; }
      done
    done
  fi
  [ -f "$p/bin/zuvododerod" ] && ! check_hardening "$p/bin/zuvododerod" plain && bad=1
  [ -f "$p/libexec/zuvododerod-metafile" ] && ! check_hardening "$p/libexec/zuvododerod-metafile" fortified && bad=1
  [ -f "$p/libexec/zuvododerod-pdfboxes" ] && ! check_hardening "$p/libexec/zuvododerod-pdfboxes" plain && bad=1
  return $bad
}

# --- install and check ----------------------------------------------------------------
# Every source of the program is compiled with fortified libc calls and the optimiser
# they need (unless the build chose Debug or fuzzing, where the checks below would fail).
grep -q -- '-D_FORTIFY_SOURCE=2' "$build/compile_commands.json" \
  || fail "der Build übersetzt ohne -D_FORTIFY_SOURCE=2"
cmake --install "$build" --prefix "$prefix" >"$work/install.log"
echo "-- install checks"
check_prefix "$prefix" || fail "die Installation ist unvollständig oder ungültig"

# The checks must notice a missing or broken file: each of these is removed from a copy.
echo "-- the checks notice a missing file"
while read -r victim; do
  rm -rf "$work/copy" && cp -a "$prefix" "$work/copy"
  rm -f "$work/copy/$victim"
  if check_prefix "$work/copy" >/dev/null 2>&1; then
    fail "die Prüfung bemerkt nicht, dass $victim fehlt"
  fi
done <<LIST
bin/zuvododerod
libexec/zuvododerod-metafile
libexec/zuvododerod-pdfboxes
share/applications/$app_id.desktop
share/metainfo/$app_id.metainfo.xml
share/icons/hicolor/scalable/apps/$app_id.svg
share/icons/hicolor/48x48/apps/$app_id.png
share/man/man1/zuvododerod.1.gz
share/man/de/man1/zuvododerod.1.gz
share/man/man1/zuvododerod-metafile.1.gz
share/zuvododerod/TZeichen/Fische.rtf
share/zuvododerod/BioBMPs/Widder.bmp
share/zuvododerod/BioHelp/BioHilfe.html
share/zuvododerod/BioTab/BiorhythText.rtf
LIST
rm -rf "$work/copy"

# --- the Debian package holds the same install and names its libraries ---------------
echo "-- Debian package"
cpack --config "$build/CPackConfig.cmake" -B "$work/pkg" >"$work/cpack.log" 2>&1 \
  || { cat "$work/cpack.log" >&2; fail "cpack ist gescheitert"; }
deb="$(ls "$work"/pkg/zuvododerod_"$version"_*.deb 2>/dev/null | head -1)"
if [ -n "$deb" ]; then
  dpkg-deb -x "$deb" "$work/deb"
  check_prefix "$work/deb/usr" || fail "das Paket ist unvollständig"
  depends="$(dpkg-deb -f "$deb" Depends)"
  echo "   Depends: $depends"
  for lib in libqt6widgets6 libqt6printsupport6 libqt6svg6 libsqlite3-0 libemf2svg1 libwmf-0.2-7; do
    grep -q "\b$lib\b" <<<"$depends" || fail "das Paket hängt nicht von $lib ab"
  done
  rm -rf "$work/deb"
  # What Debian's own checker says: no error and no warning.
  lintian --fail-on error,warning --display-level '>=info' "$deb" >"$work/lintian.log" 2>&1 \
    || { cat "$work/lintian.log" >&2; fail "lintian meldet Fehler oder Warnungen"; }
  sed 's/^/   lintian: /' "$work/lintian.log"
else
  fail "kein Paket zuvododerod_${version}_*.deb gebaut"
fi

# --- run the installed program from a read-only prefix ------------------------------
listing() { (cd "$prefix" && find . -printf '%p %y %s %m %T@\n' | sort && find . -type f -print0 | sort -z | xargs -0 md5sum); }
listing >"$work/before"
chmod -R a-w "$prefix"

# A root user writes through any mode: the program runs as nobody then.
run_as=()
if [ "$(id -u)" -eq 0 ]; then
  run_as=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi
home="$work/home"
mkdir -p "$home"
cp "$driver" "$work/driver.so"
[ "$(id -u)" -ne 0 ] || chown -R nobody:nogroup "$home"
chmod 755 "$work/driver.so"

echo "-- the installed metafile helper converts a picture"
svg="$("${run_as[@]}" "$prefix/libexec/zuvododerod-metafile" wmf <"$source/tests/data/photocalendar/seeds/sample.wmf" | head -c 400)"
case "$svg" in
  *"<svg"*) ;;
  *) fail "der installierte Metadatei-Umwandler liefert keine Zeichnung" ;;
esac

run_program() { # mode -> report file
  local mode="$1" report="$home/report-$1.txt"
  shift
  env -i PATH=/usr/bin:/bin HOME="$home" QT_QPA_PLATFORM=offscreen LANG=C.UTF-8 \
    ZUV_DRIVER_MODE="$mode" ZUV_DRIVER_NAME="Installierte Anna" ZUV_DRIVER_REPORT="$report" \
    LD_PRELOAD="$work/driver.so" \
    timeout 60 "${run_as[@]}" "$prefix/bin/zuvododerod" >"$work/run-$mode.log" 2>&1 \
    || { cat "$work/run-$mode.log" >&2; fail "Programmlauf ($mode) endet mit Fehler"; }
  [ -f "$report" ] || { fail "Programmlauf ($mode): kein Bericht"; return; }
  sed "s/^/   $mode: /" "$report"
  if grep -q '^FEHLER' "$report"; then fail "Programmlauf ($mode)"; fi
  local expected
  for expected in "$@"; do
    grep -qx "ok $expected" "$report" || fail "Programmlauf ($mode): \"$expected\" nicht bestätigt"
  done
}

echo "-- first start: window, pictures, texts, help; a name is added"
run_program save Fenster Sternzeichenbild Sternzeichentext "Allgemeiner Text" Hilfe "Name gespeichert"
[ -s "$home/.local/share/zuvododerod/BioTab/Namensliste" ] \
  || fail "die Namensliste liegt nicht im Benutzerordner ~/.local/share/zuvododerod/BioTab"
echo "-- second start: the name is there again"
run_program check Fenster "Name gefunden"

# The command line finds the name list the window made: the same per-user folder. With
# bleed, it runs the installed page-box helper from libexec.
echo "-- the installed command line reads the window's name list"
env -i PATH=/usr/bin:/bin HOME="$home" LANG=C.UTF-8 \
  timeout 120 "${run_as[@]}" "$prefix/bin/zuvododerod" --jahreskalender 2027 --region BY \
  --person "Installierte Anna" --beschnitt --pdf "$home/kalender.pdf" >"$work/cli.log" 2>&1 \
  || { cat "$work/cli.log" >&2; fail "die Kommandozeile mit --person endet mit Fehler"; }
pdfinfo -box "$home/kalender.pdf" 2>/dev/null | grep -q "^TrimBox: *25\.51 " \
  || fail "das PDF mit Beschnitt hat keine TrimBox 9 mm innerhalb des Blattes"
# qpdf and the TLS libraries it brings stay out of the program, which starts without them.
if readelf -d "$prefix/bin/zuvododerod" | grep -E "NEEDED.*(qpdf|gnutls)"; then
  fail "das Programm lädt qpdf bei jedem Start"
fi
# Anna's birthday, 14 March, stands on the March page (the birthday line).
pdftotext -layout "$home/kalender.pdf" "$work/kalender.txt" 2>/dev/null \
  || fail "die Kommandozeile schreibt kein lesbares PDF"
grep -q "Installierte Anna" "$work/kalender.txt" \
  || fail "das PDF der Kommandozeile nennt den Geburtstag aus der Namensliste nicht"
[ ! -e "$home/.local/share/Zuvododerod" ] \
  || fail "die Kommandozeile legt einen zweiten Datenordner ~/.local/share/Zuvododerod an"

chmod -R u+w "$prefix"
listing >"$work/after"
diff -u "$work/before" "$work/after" >&2 || fail "das Programm hat unter dem Präfix etwas verändert"

if [ "$failures" -ne 0 ]; then
  echo "$failures Fehler" >&2
  exit 1
fi
echo "install test: ok"
