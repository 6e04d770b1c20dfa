#!/usr/bin/env bash
# The Windows packages under Wine. The zip, unpacked anywhere, is a portable program: plug-ins
# and settings beside itself. The installer, run silently, puts the program into the
# program-files folder: settings in the application-data folder, pages in the profile folder.
# Called by scripts/test-windows, which sets what wine.sh names and PACKAGES, the folder cpack
# wrote the packages to.
set -uo pipefail
cd "$(dirname "$0")/../.."
source tests/windows/wine.sh
# The page's lines, CR LF ended, as Wine writes standard output.
printed() { tr -d '\r' <"$work/out.txt"; }

profile=$(find "$drive_c/users" -mindepth 1 -maxdepth 1 ! -name Public | head -n 1)
user=$(basename "$profile")
app_data="$profile/AppData/Roaming/Pictavue"

# The files of a copy, and its batch mode: the page and the settings where they belong.
shipped=(pictavue.exe ifjpeg.spi ifpng.spi ifwmf.spi pictavue.hlp docs/index.html
  docs/copyright.txt translations/pictavue_en.qm)
expect_copy() {  # expect_copy NAME FOLDER PROGRAM PAGE PAGE_FILE SETTINGS
  local file
  for file in "${shipped[@]}"; do check "$1: $file" test -f "$2/$file"; done
  run C.UTF-8 "$3" --help --lang en
  check "$1: English from its own folder" same_text "$(printed | head -n 1)" \
    "Usage: pictavue --batch [--settings FILE] [--yes] [--open] [--lang LANG] FOLDER"
  run C.UTF-8 "$3" --batch --yes 'c:\pics\'  # as typed: stored as the folder is named on disk
  check "$1: exit 0" test "$status" -eq 0
  check "$1: the page" same_text "$(printed)" "$4"
  check "$1: PNG pictures, through the plug-in" contains "$5" circles.png
  check "$1: the settings" contains "$6" 'DirHistry1=C:\Pics'
}

# --- the zip: settings and pages beside the program ----------------------------------------------
zip=$(ls "$PACKAGES"/pictavue-*-windows-x64.zip)
name=$(basename "$zip" .zip)
mkdir -p "$drive_c/Portable" && (cd "$drive_c/Portable" && cmake -E tar xf "$zip")
portable="$drive_c/Portable/$name"
every_kind >"$portable/Pictavue.ini"
expect_copy zip "$portable" "C:\\Portable\\$name\\pictavue.exe" \
  "C:\\Portable\\$name\\Pictavue001.htm" "$portable/Pictavue001.htm" "$portable/Pictavue.ini"
check "zip: none in the application-data folder" test ! -e "$app_data"

# --- the installer: settings in the application-data folder, pages in the profile -----------------
installer=$(ls "$PACKAGES"/pictavue-*-windows-x64.exe 2>/dev/null)
if [ -z "$installer" ]; then
  echo "packages_under_wine: no installer was made (makensis is missing); its test is left out" >&2
else
  cp "$installer" "$drive_c/setup.exe"
  run C.UTF-8 'C:\setup.exe' /S
  installed="$drive_c/Program Files/Pictavue"
  mkdir -p "$app_data" && every_kind >"$app_data/Pictavue.ini"
  expect_copy installed "$installed" 'C:\Program Files\Pictavue\pictavue.exe' \
    "C:\\users\\$user\\Pictavue001.htm" "$profile/Pictavue001.htm" "$app_data/Pictavue.ini"
  check "installed: nothing beside the program" \
    test ! -e "$installed/Pictavue.ini" -a ! -e "$installed/Pictavue001.htm"
fi

report "packages under Wine"
