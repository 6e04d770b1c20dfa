# What the Wine scripts share (sourced, from the source tree's top): the checks, a work folder,
# the sample pictures in C:\Pics (without the Japanese names, which need code page 932), and run.
# scripts/test-windows sets WINE (the wine64 loader) and WINEPREFIX (a throw-away prefix, booted).
source tests/support/checks.sh
drive_c="$WINEPREFIX/drive_c"
work=$(mktemp -d)
trap '[ -n "${KEEP_WORK:-}" ] || rm -rf "$work"' EXIT
rm -rf "$drive_c/Pics" && cp -r examples/pictures "$drive_c/Pics" && rm -rf "$drive_c/Pics/風景"

run() {  # run LANG PROGRAM ARGS...: leaves out.txt, err.txt and status
  LANG=$1 LC_ALL= "$WINE" "${@:2}" >"$work/out.txt" 2>"$work/err.txt" </dev/null
  status=$?
}
