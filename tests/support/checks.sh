# What the shell tests share (tests/install/, tests/windows/): sourced, not run.

passed=0
failed=0
check() {  # check NAME COMMAND...: one expectation
  local name=$1
  shift
  if "$@"; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "FAILED: $name" >&2
  fi
}
report() {  # report NAME: the count, and the exit status of the script
  echo "$1: $passed passed, $failed failed"
  [ "$failed" -eq 0 ]
}
contains() { grep -qF -- "$2" "$1"; }
same_text() { [ "$1" = "$2" ] || { printf 'expected: %s\n     got: %s\n' "$2" "$1" >&2; false; }; }
# A text as an extended regular expression that matches it literally.
literal() { printf '%s' "$1" | sed -E 's/[][\.*^$|?+(){}#/]/\\&/g'; }
# Settings that collect every picture kind, so that the pages show whether the plug-ins were
# found: PNG pictures are collected only through the PNG plug-in.
every_kind() { printf '[SearchDir]\r\nGIF=1\r\nJPEG=1\r\nPNG=1\r\nBMP=1\r\nWMF=1\r\nEMF=1\r\n'; }
