#!/usr/bin/env bash
# The program as `cmake --install` lays it out in a temporary DESTDIR: its files, the desktop's
# files valid, batch mode run from outside the trees by a user with a temporary home: the build
# folder's pages, the settings in the configuration folder and nowhere else. Then the window from
# the installed tree, and the tree moved, run by root; the tree unchanged by all of them.
#   BUILD   the build folder (build/ by default)
set -uo pipefail
cd "$(dirname "$0")/../.."
source tests/support/checks.sh
build=$(realpath "${BUILD:-build}")

# The files below a folder with their checksums: what "nothing written there" compares.
fingerprint() {
  (cd "$1" && find . -type f -print0 | LC_ALL=C sort -z | xargs -0 -r sha256sum && find . | LC_ALL=C sort)
}

# The pages of a gallery but for the date line and the address of each program's own guide.
gallery() {  # gallery FOLDER DOCS_FOLDER
  (cd "$1" && for page in *.htm; do echo "== $page" && LC_ALL=C sed -E \
    -e 's#[0-9]{4}/[0-9]{2}/[0-9]{2} [0-9]{2}:[0-9]{2}:[0-9]{2}#DATE#g' \
    -e "s#file://$(literal "$2")/#file:///DOCS/#g" "$page"; done)
}
quietly() { "$@" >"$work/quiet.log" 2>&1 || { cat "$work/quiet.log" >&2; false; }; }

work=$(mktemp -d /tmp/pictavue-install.XXXXXX)
chmod 755 "$work"
trap '[ -n "${KEEP_WORK:-}" ] || rm -rf "$work"' EXIT
cp -r examples/pictures "$work/pictures"
chmod -R a+rX "$work/pictures"
cd "$work"

DESTDIR="$work/destdir" cmake --install "$build" --prefix /usr >install.log ||
  { cat install.log; exit 1; }
tree=$work/destdir/usr
libdir=$(cd "$tree" && ls -d lib/pictavue lib/*/pictavue 2>/dev/null | head -n 1)

# --- the files in their places ---------------------------------------------------------------------
for file in bin/pictavue "$libdir"/{pictavue_window.so,ifjpeg.spi,ifpng.spi,ifwmf.spi} \
  share/pictavue/{pictavue.hlp,translations/pictavue_en.qm} \
  share/doc/pictavue/{index.html,copyright,changelog.Debian.gz} \
  share/man/man1/pictavue.1.gz share/icons/hicolor/{scalable/apps/pictavue.svg,48x48/apps/pictavue.png}; do
  check "installed: $file" test -f "$tree/$file"
done
desktop=$(ls "$tree"/share/applications/*.desktop)
metainfo=$(ls "$tree"/share/metainfo/*.metainfo.xml)

# --- the desktop's files, the manual page -------------------------------------------------------
check "desktop-file-validate" quietly desktop-file-validate "$desktop"
check "appstreamcli validate" quietly appstreamcli validate --no-net "$metainfo"
LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$tree/share/man/man1/pictavue.1.gz" >man.txt 2>man.err
check "man -l renders the page without a warning" test -s man.txt -a ! -s man.err
for option in $("$tree/bin/pictavue" --help | grep -oE -- '--[a-z]+' | sort -u); do
  check "the manual page explains $option" contains man.txt "$option"
done

# --- batch mode from the installed tree ------------------------------------------------------------
# The reference: the build folder's program on the same pictures, its pages in reference/out.
mkdir -p reference/out
{ every_kind && printf '[OutFile]\r\nDirName=%s\r\nOutputDir=0\r\n' "$work/reference/out"; } >ref.ini
"$build/bin/pictavue" --batch --settings ref.ini "$work/pictures" >/dev/null
fingerprint "$tree" >tree.before

# Runs the installed program as ACCOUNT (root, or an unprivileged one) with a home of its own.
run_as() {  # run_as ACCOUNT HOME [VARIABLE=VALUE...] -- PROGRAM ARGUMENTS...
  local account=$1 home=$2
  shift 2
  local environment=(PATH=/usr/bin:/bin LANG=C.UTF-8 "HOME=$home")
  while [ "$1" != "--" ]; do environment+=("$1"); shift; done
  shift
  mkdir -p "$home" "$work/cwd-$account"
  local switch=()
  if [ "$account" != root ] && [ "$(id -u)" -eq 0 ]; then
    chown -R "$account:$(id -g "$account")" "$home" "$work/cwd-$account"
    switch=(setpriv --reuid="$account" --regid="$(id -g "$account")" --clear-groups)
  fi
  (cd "$work/cwd-$account" && "${switch[@]}" env -i "${environment[@]}" "$@" >out.txt 2>err.txt)
  status=$?
  out=$(cat "$work/cwd-$account/out.txt")
  rm "$work/cwd-$account/out.txt" "$work/cwd-$account/err.txt"
}

# Runs the program of TREE in batch mode as ACCOUNT, with the settings seeded in the configuration
# folder: the pages in the home folder, the settings file in the configuration folder, and nothing
# else anywhere.
batch_run() {  # batch_run NAME ACCOUNT HOME TREE
  local name=$1 account=$2 home=$3 program_tree=$4 settings=$3/.config/pictavue/Pictavue.ini
  mkdir -p "$(dirname "$settings")" && every_kind >"$settings"
  run_as "$account" "$home" -- "$program_tree/bin/pictavue" --batch "$work/pictures"
  check "$name: exit 0" test "$status" -eq 0
  check "$name: the page to open" same_text "$out" "$home/Pictavue001.htm"
  check "$name: the pages of the build folder's program" same_text \
    "$(gallery "$home" "$program_tree/share/doc/pictavue")" \
    "$(gallery "$work/reference/out" "$build/bin/docs")"
  check "$name: settings in the configuration folder" contains "$settings" \
    "DirHistry1=$work/pictures"
  check "$name: nothing else in the home folder" same_text \
    "$(cd "$home" && find . -type f ! -name '*.htm' | LC_ALL=C sort; ls -A "$work/cwd-$account")" \
    ".${settings#"$home"}"
}

# An unprivileged account when root runs the tests, else the one that runs them.
if [ "$(id -u)" -eq 0 ]; then account=nobody; else account=$(id -un); fi
batch_run "as $account" "$account" "$work/home-user" "$tree"

# --- the window, from its library in the installed tree -------------------------------------------
mkdir -p bin runtime && chmod 700 runtime
printf '#!/bin/sh\nprintf "%%s\\n" "$1" > %s/opened\n' "$work" >bin/xdg-open
chmod 755 bin/xdg-open
run_as root "$work/home-window" "PATH=$work/bin:/usr/bin:/bin" QT_QPA_PLATFORM=offscreen \
  "XDG_RUNTIME_DIR=$work/runtime" -- timeout 60 "$tree/bin/pictavue" "$work/pictures"
check "window: the gallery opened, exit $status" same_text "$(cat opened 2>/dev/null)" \
  "$work/home-window/Pictavue001.htm"

# --- the tree moved elsewhere finds its files still -----------------------------------------------
# As root when root runs the tests: it may write anywhere, and only the rule keeps the settings
# out of the program's folder.
mkdir -p moved && mv "$tree" moved/opt
batch_run moved root "$work/home-moved" "$work/moved/opt"
run_as root "$work/home-moved" -- "$work/moved/opt/bin/pictavue" --help --lang en
check "moved: English from its own tree" same_text "$(head -n 1 <<<"$out")" \
  "Usage: pictavue --batch [--settings FILE] [--yes] [--open] [--lang LANG] FOLDER"
fingerprint moved/opt >tree.after
check "nothing written into the tree by root's runs, the window's among them" \
  cmp -s tree.before tree.after

report "installed tree"
