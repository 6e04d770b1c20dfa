// The placeable WMF header at 96 DPI.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "fuzz_seeds.h"
#include "platform/picture_headers.h"
#include "tools/picture_writers.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  pictavue::MemorySource source(std::span(data, size));
  const pictavue::HeaderResult result = pictavue::ReadWmfHeader(source);
  if (result.ok() && (result.header().width < 0 || result.header().height < 0)) {
    std::abort();
  }
  return 0;
}

PICTAVUE_FUZZ_SEEDS(wmf_header) {
  using namespace pictavue::testing;
  return {{"inch-1440", MakeWmf({0, 0, 750, 945, 1440})},
          {"off-origin", MakeWmf({-100, -50, 100, 50, 96})},
          {"inch-0", MakeWmf({0, 0, 750, 945, 0})}};
}
