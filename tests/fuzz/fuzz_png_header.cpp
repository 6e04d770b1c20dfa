// The PNG signature and IHDR reader.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "fuzz_seeds.h"
#include "platform/picture_headers.h"
#include "tools/picture_writers.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  pictavue::MemorySource source(std::span(data, size));
  const pictavue::HeaderResult result = pictavue::ReadPngHeader(source);
  if (result.ok() && (result.header().width < 1 || result.header().height < 1 ||
                      result.header().bits_per_pixel < 1 || result.header().bits_per_pixel > 64)) {
    std::abort();
  }
  return 0;
}

PICTAVUE_FUZZ_SEEDS(png_header) {
  using pictavue::testing::MakePng;
  return {{"small", MakePng(3, 2)}, {"wide", MakePng(70000, 1)}};
}
