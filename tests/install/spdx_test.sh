#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
# SPDX-License-Identifier: GPL-2.0-or-later
# Runs tools/spdx_headers.sh on a scratch repository: each comment style, a script with its
# "#!" line and mode kept, files that take no header left alone, a second run changing
# nothing, and --check naming exactly the files without a header.
# Usage: spdx_test.sh <source folder>
set -euo pipefail
source_dir="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FEHLER: $*" >&2; failures=$((failures + 1)); }

mkdir -p "$work/tools" "$work/src/core" "$work/data/BioTab" "$work/tests/data"
cp "$source_dir/tools/spdx_headers.sh" "$work/tools/"
printf '#pragma once\nint f();\n' >"$work/src/core/a.h"
printf 'int f() { return 1; }\n' >"$work/src/core/a.cpp"
printf 'add_library(a STATIC a.cpp)\n' >"$work/src/core/CMakeLists.txt"
printf '#!/usr/bin/env bash\necho hi\n' >"$work/run"
chmod 755 "$work/run"
printf '{\\rtf1 Text}\n' >"$work/data/BioTab/Text.rtf"
printf 'seed\n' >"$work/tests/data/seed.cpp"
# Already has a header in its own style: must stay as it is.
printf '// SPDX-FileCopyrightText: 2020 Jemand\n// SPDX-License-Identifier: MIT\nint g();\n' >"$work/src/core/b.h"
# Mentions the tag in prose only: still lacks a header.
printf '// Explains SPDX-License-Identifier: lines.\nint h();\n' >"$work/src/core/c.h"
git -C "$work" init -q && git -C "$work" add -A

cd "$work"
listed="$(tools/spdx_headers.sh --check 2>/dev/null | sort | tr '\n' ' ')" && fail "--check ohne Fehlerstatus"
expected="run src/core/CMakeLists.txt src/core/a.cpp src/core/a.h src/core/c.h "
[ "$listed" = "$expected" ] || fail "--check nennt \"$listed\", erwartet \"$expected\""

tools/spdx_headers.sh >/dev/null
tag="SPDX-License-Identifier: GPL-2.0-or-later"
[ "$(sed -n 2p src/core/a.h)" = "// $tag" ] || fail "a.h: $(head -3 src/core/a.h)"
[ "$(sed -n 3p src/core/a.h)" = "#pragma once" ] || fail "a.h: Inhalt verschoben"
[ "$(sed -n 2p src/core/CMakeLists.txt)" = "# $tag" ] || fail "CMakeLists.txt: $(head -3 src/core/CMakeLists.txt)"
[ "$(sed -n 1p run)" = "#!/usr/bin/env bash" ] || fail "run: die #!-Zeile ist nicht mehr die erste"
[ "$(sed -n 3p run)" = "# $tag" ] || fail "run: $(head -3 run)"
[ -x run ] || fail "run ist nicht mehr ausführbar"
[ "$(cat data/BioTab/Text.rtf)" = '{\rtf1 Text}' ] || fail "Daten verändert"
[ "$(cat tests/data/seed.cpp)" = "seed" ] || fail "Testdaten verändert"
grep -q "MIT" src/core/b.h && ! grep -q "GPL" src/core/b.h || fail "b.h: vorhandener Kopf ersetzt"
[ "$(sed -n 2p src/core/c.h)" = "// $tag" ] || fail "c.h: Erwähnung im Text gilt als Kopf"

before="$(git add -A && git diff --cached --stat | tail -1; md5sum run src/core/*)"
tools/spdx_headers.sh >/dev/null
after="$(git add -A && git diff --cached --stat | tail -1; md5sum run src/core/*)"
[ "$before" = "$after" ] || fail "zweiter Lauf ändert Dateien"
tools/spdx_headers.sh --check >/dev/null 2>&1 || fail "--check meldet nach dem Lauf noch Dateien"

[ "$failures" -eq 0 ] || exit 1
echo "spdx test: ok"
