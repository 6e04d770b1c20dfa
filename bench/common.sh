# Shared by bench/run and bench/make-corpus. Sets $build (absolute) and builds the targets named.
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$(realpath -m "${PICTAVUE_BUILD:-$repo/build}")

bench_build() {
  if [ ! -f "$build/build.ninja" ]; then
    # Optimised as the program ships; the GUI is not needed here.
    cmake -S "$repo" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  fi
  cmake --build "$build" -j2 --target "$@" >/dev/null
}
