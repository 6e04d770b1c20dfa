#!/usr/bin/env bash
# The Debian package: made by CPack from the build folder, checked by lintian, installed on this
# machine with apt-get, run from PATH, and removed again, leaving nothing of it but the user's
# settings. Needs root (or sudo): it installs into the system.
#   BUILD   the build folder (build/ by default)
set -uo pipefail
cd "$(dirname "$0")/../.."
source tests/support/checks.sh
build=$(realpath "${BUILD:-build}")
sudo=()
if [ "$(id -u)" -ne 0 ]; then sudo=(sudo); fi

(cd "$build" && cpack -G DEB >cpack.log) || { cat "$build/cpack.log"; exit 1; }
package=$build/packages/pictavue_1.26-1_$(dpkg --print-architecture).deb
check "dependencies computed from the binaries" contains <(dpkg-deb -f "$package" Depends) libc6

# Errors fail; warnings and the rest are shown.
check "lintian: no errors" lintian --fail-on error --display-info "$package"

work=$(mktemp -d /tmp/pictavue-deb.XXXXXX)
trap 'rm -rf "$work"' EXIT
cp "$package" "$work/" && chmod -R a+rX "$work"
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends \
  "$work/$(basename "$package")" >"$work/apt.log" 2>&1
check "apt-get install" test $? -eq 0 || cat "$work/apt.log"
dpkg-query -L pictavue | while read -r path; do [ -f "$path" ] && echo "$path"; done >"$work/files"

check "man finds the page" same_text "$(man -w pictavue)" /usr/share/man/man1/pictavue.1.gz
cp -r examples/pictures "$work/pictures"
(cd "$work" && env -i PATH=/usr/bin:/bin HOME="$work/home" LANG=C.UTF-8 \
  pictavue --batch "$work/pictures" >"$work/out.txt" 2>"$work/err.txt")
check "batch run from PATH: exit 0" test $? -eq 0

DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get purge -y -q pictavue >"$work/apt.log" 2>&1
check "apt-get purge" test $? -eq 0 || cat "$work/apt.log"
check "nothing of the package left" same_text "$(xargs -r ls -d 2>/dev/null <"$work/files")" ""
check "the user's settings stay" test -f "$work/home/.config/pictavue/Pictavue.ini"
report "Debian package"
