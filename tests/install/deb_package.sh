#!/usr/bin/env bash
# Builds the .deb with CPack, checks its dependencies and files, unpacks it
# into a scratch root and plays a game with the program from there.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$1
for tool in cpack dpkg-deb dpkg-shlibdeps; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

(cd "$build" && cpack -G DEB -B "$work/pkg" >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; exit 1; }
deb=$(ls "$work"/pkg/*.deb)
echo "built $(basename "$deb") ($(du -k "$deb" | cut -f1) KB)"

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
         ./usr/share/man/man1/sudoku-tessel-cli.1; do
  grep -q " $f\$" "$work/files" || { echo "FAIL: $f not in the package"; cat "$work/files"; exit 1; }
done

dpkg -x "$deb" "$work/root"
"$work/root/usr/bin/sudoku-tessel-cli" --version
"$here/installed_game.sh" --root "$work/root"
