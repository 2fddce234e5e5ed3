#!/usr/bin/env bash
# The desktop entry, the AppStream file and the man pages, checked by the
# distribution's own validators where they are installed.
set -euo pipefail
src=$1 cli=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Every tool's temporary files (lintian's among them) go here and leave with it.
mkdir -p "$work/tmp" && export TMPDIR="$work/tmp"
absent=()
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$src/data/desktop/org.example.sudokutessel.desktop"
  echo "desktop entry valid"
else
  absent+=(desktop-file-validate)
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$src/data/desktop/org.example.sudokutessel.metainfo.xml"
else
  absent+=(appstreamcli)
fi
if command -v man >/dev/null; then
  for page in "$src/data/man/sudoku-tessel-cli.1" "$src/data/man/sudoku-tessel.6"; do
    warnings=$(MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null || true)
    [ -z "$warnings" ] || { echo "FAIL: $page: $warnings"; exit 1; }
  done
else
  absent+=(man)
fi
# Every command and option the CLI lists is in its man page.
words=$("$cli" --help | grep -oE '^  (--)?[a-z-]+' | tr -d ' ')
for w in $words; do
  grep -qF -- "${w//-/\\-}" "$src/data/man/sudoku-tessel-cli.1" ||
    { echo "FAIL: '$w' is not in the man page"; exit 1; }
done
echo "man page covers: $(echo $words)"
# What ran passed; a missing validator still marks the check skipped.
[ ${#absent[@]} -eq 0 ] || { echo "SKIP: not installed: ${absent[*]}"; exit 77; }
