#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
# SPDX-License-Identifier: GPL-2.0-or-later
# REUSE-style licence headers on the source files.
#
#   tools/spdx_headers.sh              adds the header to every tracked source file lacking one
#   tools/spdx_headers.sh FILE...      adds it to these files only
#   tools/spdx_headers.sh --check      lists tracked source files without a header; exit 1 if any
#
# The header is two comment lines in the file's own comment style, after a "#!" line:
#   SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
#   SPDX-License-Identifier: GPL-2.0-or-later
# Files that cannot carry a comment (pictures, texts, test data) are covered by .reuse/dep5.
set -euo pipefail
cd "$(dirname "$0")/.."

copyright="SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt"
licence="SPDX-License-Identifier: GPL-2.0-or-later"

# The comment leader of a file, or nothing for a file that takes no header.
comment_style() {
  case "$1" in
    data/* | tests/data/* | LICENSES/* | LICENSE) ;;
    *.cpp | *.h | *.c | *.h.in | *.js) echo "//" ;;
    CMakeLists.txt | */CMakeLists.txt | *.cmake | *.sh | *.py | *.desktop | .gitignore) echo "#" ;;
    run | test | .ci/run) echo "#" ;;
  esac
}

# A header line: the comment leader, one space, the tag (the usage above does not count).
has_header() {
  head -n 12 "$1" | grep -Eq '^(//|#|\.\\"|<!--) SPDX-License-Identifier:'
}

add_header() {
  local file="$1" leader="$2" tmp
  tmp="$(mktemp "$file.spdx.XXXXXX")"
  {
    if head -n 1 "$file" | grep -q '^#!'; then
      head -n 1 "$file"
      printf '%s %s\n%s %s\n' "$leader" "$copyright" "$leader" "$licence"
      tail -n +2 "$file"
    else
      printf '%s %s\n%s %s\n' "$leader" "$copyright" "$leader" "$licence"
      cat "$file"
    fi
  } >"$tmp"
  chmod --reference="$file" "$tmp"
  mv "$tmp" "$file"
}

check=0
files=()
if [ "${1:-}" = "--check" ]; then
  check=1
  shift
fi
if [ $# -gt 0 ]; then
  files=("$@")
else
  mapfile -t files < <(git ls-files)
fi

missing=0
for file in "${files[@]}"; do
  [ -f "$file" ] || continue
  leader="$(comment_style "$file")"
  [ -n "$leader" ] || continue
  has_header "$file" && continue
  if [ "$check" -eq 1 ]; then
    echo "$file"
    missing=$((missing + 1))
  else
    add_header "$file" "$leader"
    echo "header added: $file"
  fi
done
if [ "$check" -eq 1 ] && [ "$missing" -gt 0 ]; then
  echo "$missing files without an SPDX header" >&2
  exit 1
fi
exit 0
