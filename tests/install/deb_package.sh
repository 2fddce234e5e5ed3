#!/usr/bin/env bash
# Builds the .deb with CPack, checks its dependencies and files, lints it,
# unpacks it into a scratch root and plays a game with the program from there.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$1
for tool in cpack dpkg-deb dpkg-shlibdeps; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Every tool's temporary files (lintian's among them) go here and leave with it.
mkdir -p "$work/tmp" && export TMPDIR="$work/tmp"

(cd "$build" && cpack -G DEB -B "$work/pkg" >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; exit 1; }
deb=$(ls "$work"/pkg/*.deb)
echo "built $(basename "$deb") ($(du -k "$deb" | cut -f1) KB)"

recommends=$(dpkg-deb -f "$deb" Recommends)
[[ "$recommends" == *fonts-noto-cjk* ]] || { echo "FAIL: no CJK font recommended: $recommends"; exit 1; }
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for pkg in libqt6widgets6 libqt6gui6 libqt6core6 qt6-qpa-plugins; do
  [[ "$depends" == *"$pkg"* ]] || { echo "FAIL: $pkg missing from Depends"; exit 1; }
done
[ "$(dpkg-deb -f "$deb" Package)" = sudoku-tessel ] || { echo "FAIL: package name"; exit 1; }

dpkg-deb -c "$deb" >"$work/files"
for f in ./usr/bin/sudoku-tessel ./usr/bin/sudoku-tessel-cli \
         ./usr/share/applications/org.example.sudokutessel.desktop \
         ./usr/share/metainfo/org.example.sudokutessel.metainfo.xml \
         ./usr/share/icons/hicolor/scalable/apps/org.example.sudokutessel.svg \
         ./usr/share/icons/hicolor/48x48/apps/org.example.sudokutessel.png \
         ./usr/share/man/man1/sudoku-tessel-cli.1.gz ./usr/share/man/man6/sudoku-tessel.6.gz \
         ./usr/share/doc/sudoku-tessel/copyright; do
  grep -q " $f\$" "$work/files" || { echo "FAIL: $f not in the package"; cat "$work/files"; exit 1; }
done
description=$(dpkg-deb -f "$deb" Description)
[ "$(echo "$description" | wc -l)" -ge 4 ] || { echo "FAIL: no long description: $description"; exit 1; }

dpkg -x "$deb" "$work/root"
gzip -t "$work"/root/usr/share/man/man*/*.gz
grep -q '^License: ' "$work/root/usr/share/doc/sudoku-tessel/copyright" || { echo "FAIL: copyright names no licence"; exit 1; }

# Debian's package checker where it is installed: errors fail, warnings are
# listed.
if command -v lintian >/dev/null; then
  lintian --no-tag-display-limit "$deb" >"$work/lintian.out" 2>&1 || true
  grep -E '^[EW]: ' "$work/lintian.out" || echo "lintian: no errors or warnings"
  ! grep -q '^E: ' "$work/lintian.out" || { echo "FAIL: lintian errors"; exit 1; }
else
  echo "lintian not installed: package not linted"
fi
"$work/root/usr/bin/sudoku-tessel-cli" --version
"$here/installed_game.sh" --root "$work/root"
