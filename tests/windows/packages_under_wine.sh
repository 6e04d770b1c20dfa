#!/usr/bin/env bash
# The Windows packages under Wine. The zip, unpacked anywhere, is a portable program: it finds its
# plug-ins and keeps its settings beside itself. The installer, run silently, puts the program
# into the program-files folder, where it keeps its settings in the user's application-data
# folder instead and its pages in the user's profile folder.
# Called by scripts/test-windows, which sets:
#   WINE        the wine64 loader
#   WINEPREFIX  the throw-away prefix (already booted)
#   PACKAGES    the folder cpack wrote the packages to
set -uo pipefail
cd "$(dirname "$0")/../.."
source tests/support/checks.sh
drive_c="$WINEPREFIX/drive_c"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

run() {  # run PROGRAM ARGS...: leaves out.txt, err.txt and status
  LANG=C.UTF-8 LC_ALL= "$WINE" "$@" >"$work/out.txt" 2>"$work/err.txt" </dev/null
  status=$?
}
# The page's lines, CR LF ended, as Wine writes standard output.
printed() { tr -d '\r' <"$work/out.txt"; }

# Japanese names need code page 932, which batch_under_wine.sh tests.
rm -rf "$drive_c/Pics" && cp -r examples/pictures "$drive_c/Pics" && rm -rf "$drive_c/Pics/風景"
profile=$(find "$drive_c/users" -mindepth 1 -maxdepth 1 ! -name Public | head -n 1)
user=$(basename "$profile")
app_data="$profile/AppData/Roaming/Pictavue"

# --- the zip -------------------------------------------------------------------------------------
zip=$(ls "$PACKAGES"/pictavue-*-windows-x64.zip)
name=$(basename "$zip" .zip)
mkdir -p "$drive_c/Portable" && (cd "$drive_c/Portable" && cmake -E tar xf "$zip")
portable="$drive_c/Portable/$name"
for file in pictavue.exe ifjpeg.spi ifpng.spi ifwmf.spi pictavue.hlp docs/index.html \
  docs/copyright.txt translations/pictavue_en.qm; do
  check "zip: $file" test -f "$portable/$file"
done
run "C:\\Portable\\$name\\pictavue.exe" --help --lang en
check "zip: English from beside the program" same_text "$(printed | head -n 1)" \
  "Usage: pictavue --batch [--settings FILE] [--yes] [--open] [--lang LANG] FOLDER"
run "C:\\Portable\\$name\\pictavue.exe" --batch 'C:\Pics'
check "zip: exit 0" test "$status" -eq 0
check "zip: the page beside the program" same_text "$(printed)" "C:\\Portable\\$name\\Pictavue001.htm"
check "zip: the settings beside the program" contains "$portable/Pictavue.ini" 'DirHistry1=C:\Pics'
check "zip: none in the application-data folder" test ! -e "$app_data"
every_kind >"$portable/Pictavue.ini"
run "C:\\Portable\\$name\\pictavue.exe" --batch --yes 'C:\Pics'
check "zip: PNG pictures, through the plug-in" contains "$portable/Pictavue001.htm" circles.png

# --- the installer ----------------------------------------------------------------------------------
installer=$(ls "$PACKAGES"/pictavue-*-windows-x64.exe 2>/dev/null)
if [ -z "$installer" ]; then
  echo "packages_under_wine: no installer was made (makensis is missing); its test is left out" >&2
else
  cp "$installer" "$drive_c/setup.exe"
  run 'C:\setup.exe' /S
  check "installer: exit 0" test "$status" -eq 0
  installed="$drive_c/Program Files/Pictavue"
  for file in pictavue.exe ifjpeg.spi ifpng.spi ifwmf.spi pictavue.hlp docs/index.html; do
    check "installer: $file" test -f "$installed/$file"
  done
  mkdir -p "$app_data" && every_kind >"$app_data/Pictavue.ini"
  run 'C:\Program Files\Pictavue\pictavue.exe' --batch 'C:\Pics'
  check "installed: exit 0" test "$status" -eq 0
  check "installed: the page in the profile folder" \
    same_text "$(printed)" "C:\\users\\$user\\Pictavue001.htm"
  check "installed: PNG pictures, through the plug-in" \
    contains "$profile/Pictavue001.htm" circles.png
  check "installed: the settings in the application-data folder" \
    contains "$app_data/Pictavue.ini" 'DirHistry1=C:\Pics'
  check "installed: nothing beside the program" \
    test ! -e "$installed/Pictavue.ini" -a ! -e "$installed/Pictavue001.htm"
fi

report "packages under Wine"
