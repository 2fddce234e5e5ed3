#!/usr/bin/env bash
# Installs the build into a scratch prefix (or takes an unpacked root with
# --root), then plays a game to the end with the installed program, closes
# it, starts it again and continues the game.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Every tool's temporary files (lintian's among them) go here and leave with it.
mkdir -p "$work/tmp" && export TMPDIR="$work/tmp"

if [ "$1" = --root ]; then
  bin="$2/usr/bin"
else
  cmake --install "$1" --prefix "$work/prefix" >/dev/null
  bin="$work/prefix/bin"
fi
[ -x "$bin/sudoku-tessel" ] || { echo "no installed sudoku-tessel in $bin"; exit 1; }

export XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work/run" QT_QPA_PLATFORM=offscreen
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

fail() { echo "FAIL: $*"; echo "--- first run"; cat "$work/one.out" 2>/dev/null; echo "--- second run"; cat "$work/two.out" 2>/dev/null; exit 1; }

"$bin/sudoku-tessel" --script "$here/play_to_end.txt" >"$work/one.out" 2>&1 || fail "the game did not play to the end"
grep -qx 'notice: Puzzle solved' "$work/one.out" || fail "no \"Puzzle solved\""
final=$(grep '^board: ' "$work/one.out" | tail -1)
[[ "$final" =~ ^board:\ [1-9]{81}$ ]] || fail "the last board is not full: $final"
steps=$(grep '^history: ' "$work/one.out" | tail -1)
[ -s "$XDG_DATA_HOME/sudokutessel/lastgame.dat" ] || fail "closing wrote no lastgame.dat"
grep -q $'\r$' "$XDG_DATA_HOME/sudokutessel/lastgame.dat" || fail "lastgame.dat has no CR LF line ends"

"$bin/sudoku-tessel" --script "$here/continue.txt" >"$work/two.out" 2>&1 || fail "the last game did not continue"
boards=$(grep '^board: ' "$work/two.out")
[ "$(echo "$boards" | head -1)" = "$final" ] || fail "the continued board differs"
[ "$(grep '^history: ' "$work/two.out" | head -1)" = "$steps" ] || fail "the continued history differs"
first=$(echo "$boards" | sed -n 2p)
[[ "$first" == *0* ]] || fail "stepping to the first position shows no open cell: $first"

# Options are read before a display is needed: with none at all, --help and
# --version answer and a script runs offscreen.
headless() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@"; }
headless "$bin/sudoku-tessel" --help >"$work/help.out" 2>&1 || fail "--help without a display: $(cat "$work/help.out")"
grep -q -- '--script' "$work/help.out" || fail "--help does not list --script"
version=$(headless "$bin/sudoku-tessel" --version 2>&1) || fail "--version without a display: $version"
[[ "$version" =~ ^Sudoku\ Tessel\ [0-9.]+$ ]] || fail "--version printed: $version"
headless "$bin/sudoku-tessel" --script "$here/continue.txt" >"$work/three.out" 2>&1 ||
  fail "--script without a display: $(tail -3 "$work/three.out")"

# Bad arguments get a message, not a crash.
set +e
headless "$bin/sudoku-tessel" --no-such-option >"$work/bad.out" 2>&1; rc=$?
set -e
[ $rc -ne 0 ] && grep -qi 'unknown option' "$work/bad.out" || fail "an unknown option was not refused"
"$bin/sudoku-tessel" --script "$work/missing.txt" >"$work/bad.out" 2>&1 && fail "a missing script was accepted"
echo "played to the end, closed, continued: $final ($steps)"
