#!/usr/bin/env bash
# Batch mode end to end under Wine, in Windows path style for real, from drive C: of a
# throw-away Wine prefix.
# Called by scripts/test-windows, which sets what wine.sh names and:
#   WIN_BIN         the cross build's bin/ (pictavue.exe, the .spi plug-ins)
#   LINUX_PICTAVUE  the Linux build of the same program, for the byte-for-byte comparison
#   JAPANESE_LANG   a generated locale that gives Wine code page 932, or empty
set -uo pipefail
cd "$(dirname "$0")/../.."
samples="$PWD/examples/pictures"
source tests/windows/wine.sh

# Every kind, three a page, the frame set; pages beside the pictures (OutputDir=1) or in DIR_NAME.
write_settings() {  # write_settings FILE OUTPUT_DIR DIR_NAME
  { every_kind && printf 'SubDir=1\r\n[PageFormat]\r\nIPP=-1\r\nIppFree=3\r\nFrameMenu=1\r\n' &&
    printf 'Title=Trip\\nPhotos\r\nPathName=0\r\n[OutFile]\r\nOutputDir=%s\r\n' "$2" &&
    printf 'FileName=Gallery\r\nDirName=%s\r\n' "$3"; } >"$1"
}

# A page without the date line, the tree's place and the program's (its guide's address); paths
# in the pictures' tooltip texts are the system's own: PATH/ and "/" between names.
normalized() {  # normalized FILE TREE_ADDRESS PROGRAM_ADDRESS TREE_PATH OUT
  LC_ALL=C sed -E -e 's#[0-9]{4}/[0-9]{2}/[0-9]{2} [0-9]{2}:[0-9]{2}:[0-9]{2}#DATE#g' \
    -e "s#$(literal "$2")#file:///TREE#g" -e "s#$(literal "$3")#file:///PROGRAM/#g" \
    -e "s#alt=\"$(literal "$4")#alt=\"PATH/#g" -e '/alt="PATH\//s#\\#/#g' "$1" >"$5"
}
same_page() {  # same_page LINUX_PAGE LINUX_TREE_ADDRESS WINDOWS_PAGE WINDOWS_TREE_ADDRESS
  normalized "$1" "$2" "file://$(dirname "$LINUX_PICTAVUE")/" "$work/linux/Pics/" "$work/linux.htm"
  normalized "$3" "$4" 'file:///C|/Tools/Pic/' 'C:\Pics\' "$work/windows.htm"
  cmp -s "$work/linux.htm" "$work/windows.htm" ||
    { diff <(cat -A "$work/linux.htm") <(cat -A "$work/windows.htm") | head -20 >&2; false; }
}

# The program and its plug-ins as shipped; the zip's portable copy is packages_under_wine.sh's.
mkdir -p "$drive_c/Tools/Pic"
cp "$WIN_BIN/pictavue.exe" "$WIN_BIN"/if{jpeg,png,wmf}.spi "$drive_c/Tools/Pic/"

# --- 1. relative and absolute addresses: the same pages as on Linux, apart from the paths ---------
mkdir -p "$work/linux/Out" "$drive_c/Out"
cp -r "$drive_c/Pics" "$work/linux/Pics"
for kind in relative absolute; do
  if [ $kind = relative ]; then output_dir=1 out=Pics; else output_dir=0 out=Out; fi
  write_settings "$drive_c/$kind.ini" $output_dir 'C:\Out'
  write_settings "$work/linux/$kind.ini" $output_dir "$work/linux/Out"
  run C.UTF-8 'C:\Tools\Pic\pictavue.exe' --batch --settings "C:\\$kind.ini" --yes 'C:\Pics'
  check "$kind: exit 0" test "$status" -eq 0
  # The same code page as Wine's here, so that characters it lacks become the same references.
  (cd "$work/linux" && PICTAVUE_CODEPAGE=CP1252 "$LINUX_PICTAVUE" --batch --settings $kind.ini \
    --yes Pics >/dev/null 2>&1)
  count=0
  for linux_page in "$work/linux/$out/"Gallery*.htm; do
    name=$(basename "$linux_page")
    count=$((count + 1))
    check "$kind: $name as on Linux apart from the paths" same_page "$linux_page" \
      "file://$work/linux/Pics" "$drive_c/$out/$name" 'file:///C|/Pics'
  done
  check "$kind: pages to compare" test "$count" -ge 3
done

# --- 2. Japanese names under code page 932 --------------------------------------------------------
if [ -n "$JAPANESE_LANG" ]; then
  cp -r "$samples/風景" "$drive_c/写真集"
  cp "$samples/shapes/stripes.gif" "$drive_c/写真集/表紙.gif"
  cp "$samples/shapes/circles.png" "$drive_c/写真集/丸.png"  # a second page, so a frame set
  run "$JAPANESE_LANG" 'C:\Tools\Pic\pictavue.exe' --batch --settings 'C:\relative.ini' --yes \
    'C:\写真集'
  check "932: exit 0" test "$status" -eq 0
  sjis() { printf '%s' "$1" | iconv -f UTF-8 -t CP932; }
  # 表 ends in the byte of a backslash in Shift_JIS: the address must keep it.
  cat "$drive_c/写真集/"Gallery0*.htm >"$work/pages.htm"
  check "932: the Japanese file names in Shift_JIS" \
    contains "$work/pages.htm" "src=\"$(sjis 表紙.gif)\""
  check "932: and their tooltip texts" contains "$work/pages.htm" "$(sjis 丸.png)"
  check "932: the page path on standard output in Shift_JIS" \
    contains "$work/out.txt" "$(sjis 'C:\写真集\Gallery.htm')"
  check "932: the history in the settings file in Shift_JIS" \
    contains "$drive_c/relative.ini" "$(sjis 'DirHistry1=C:\写真集')"
  run "$JAPANESE_LANG" 'C:\Tools\Pic\pictavue.exe' --batch 'C:\存在しない'
  check "932: a missing folder: exit 1" test "$status" -eq 1
  check "932: messages in Shift_JIS on standard error" \
    contains "$work/err.txt" "$(sjis 'C:\存在しない は存在しないフォルダです。')"
else
  echo "batch_under_wine: no Japanese locale for Wine; the code page 932 run is left out" >&2
fi

report "batch under Wine"
