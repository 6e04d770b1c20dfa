// The BMP readers: the quick size fields and the full header of both kinds.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "fuzz_seeds.h"
#include "platform/picture_headers.h"
#include "tools/picture_writers.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  pictavue::MemorySource source(std::span(data, size));
  (void)pictavue::ReadBmpSizeFields(source);
  const pictavue::HeaderResult result = pictavue::ReadBmpHeader(source);
  if (result.ok() && (result.header().width < 1 || result.header().height < 1)) {
    std::abort();
  }
  return 0;
}

PICTAVUE_FUZZ_SEEDS(bmp_header) {
  using namespace pictavue::testing;
  return {{"info", MakeBmp(3, 2)},
          {"top-down", MakeBmp(3, 2, BmpKind::kInfoTopDown)},
          {"core", MakeBmp(3, 2, BmpKind::kCore)}};
}
