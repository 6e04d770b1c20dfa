// The EMF header's frame at 96 DPI, and the reader that takes either metafile.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "fuzz_seeds.h"
#include "platform/picture_headers.h"
#include "tools/picture_writers.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  pictavue::MemorySource source(std::span(data, size));
  const pictavue::HeaderResult result = pictavue::ReadEmfHeader(source);
  if (result.ok() && (result.header().width < 0 || result.header().height < 0)) {
    std::abort();
  }
  (void)pictavue::ReadMetafileHeader(source);
  return 0;
}

PICTAVUE_FUZZ_SEEDS(emf_header) {
  using namespace pictavue::testing;
  return {{"inch", MakeEmf({0, 0, 2540, 2540})},
          {"off-origin", MakeEmf({-1000, 500, 1000, 2000})},
          {"wmf", MakeWmf({0, 0, 750, 945, 1440})}};
}
