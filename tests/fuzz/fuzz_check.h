#pragma once

#include <cstdlib>

namespace pictavue::fuzz {

// A broken invariant ends the run the way a crash does, so the fuzzer keeps the input.
inline void Check(bool condition) {
  if (!condition) {
    std::abort();
  }
}

}  // namespace pictavue::fuzz
