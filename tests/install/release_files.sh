#!/usr/bin/env bash
# The desktop entry, the AppStream file and the man pages, checked by the
# distribution's own validators where they are installed.
set -euo pipefail
src=$1 cli=$2
ran=0
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$src/data/desktop/org.example.sudokutessel.desktop"
  echo "desktop entry valid"; ran=1
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$src/data/desktop/org.example.sudokutessel.metainfo.xml"
  ran=1
fi
if command -v man >/dev/null; then
  for page in "$src/data/man/sudoku-tessel-cli.1" "$src/data/man/sudoku-tessel.6"; do
    warnings=$(MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null || true)
    [ -z "$warnings" ] || { echo "FAIL: $page: $warnings"; exit 1; }
  done
  ran=1
fi
# Every command and option the CLI lists is in its man page.
words=$("$cli" --help | grep -oE '^  (--)?[a-z-]+' | tr -d ' ')
for w in $words; do
  grep -qF -- "${w//-/\\-}" "$src/data/man/sudoku-tessel-cli.1" ||
    { echo "FAIL: '$w' is not in the man page"; exit 1; }
done
echo "man page covers: $(echo $words)"
[ $ran -eq 1 ] || { echo "SKIP: no validators installed"; exit 77; }
