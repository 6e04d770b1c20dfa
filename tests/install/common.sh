# What the install tests share: sourced by installed_tree.sh and debian_package.sh.

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

# The files below a folder, one relative path a line, sorted.
files_below() { (cd "$1" && find . -type f -o -type l | LC_ALL=C sort); }
# The files below a folder with their checksums: what "nothing written there" compares.
fingerprint() { (cd "$1" && find . -type f -print0 | LC_ALL=C sort -z | xargs -0 -r sha256sum; find . | LC_ALL=C sort); }

# The reference gallery: the build folder's program on the sample pictures, with its settings in
# a file of their own and its pages in $1.
make_reference() {  # make_reference FOLDER PROGRAM PICTURES
  mkdir -p "$1/out"
  printf '[OutFile]\r\nDirName=%s\r\nOutputDir=0\r\n' "$1/out" >"$1/settings.ini"
  "$2" --batch --settings "$1/settings.ini" "$3" >/dev/null
}

# Every page of one gallery is the reference's, but for the date line and the address of each
# program's own guide (its home page link).
same_pages() {  # same_pages REFERENCE_FOLDER REFERENCE_DOCS FOLDER DOCS
  local page reference
  local names
  names=$(cd "$1" && ls -- *.htm 2>/dev/null | LC_ALL=C sort)
  [ -n "$names" ] && same_text "$(cd "$3" && ls -- *.htm 2>/dev/null | LC_ALL=C sort)" "$names" ||
    return 1
  for page in $names; do
    reference=$(normalized_page "$1/$page" "$2")
    same_text "$(normalized_page "$3/$page" "$4")" "$reference" || return 1
  done
}
normalized_page() {  # normalized_page PAGE DOCS_FOLDER
  LC_ALL=C sed -E -e 's#[0-9]{4}/[0-9]{2}/[0-9]{2} [0-9]{2}:[0-9]{2}:[0-9]{2}#DATE#g' \
    -e "s#file://$(literal "$2")/#file:///DOCS/#g" "$1"
}
