// The GIF screen fields and the signature sniffing that every reader of unknown bytes uses.

#include <cstddef>
#include <cstdint>
#include <span>

#include "fuzz_seeds.h"
#include "platform/picture_headers.h"
#include "tools/picture_writers.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  pictavue::MemorySource source(std::span(data, size));
  (void)pictavue::ReadGifScreenSize(source);
  (void)pictavue::SniffPictureKind(source);
  return 0;
}

PICTAVUE_FUZZ_SEEDS(gif_header) {
  using namespace pictavue::testing;
  return {{"small", MakeGif(3, 2)},
          {"screen-only", std::string("GIF89a\x80\x02\xE0\x01", 10)},
          {"png", MakePng(1, 1)},
          {"emf", MakeEmf({0, 0, 10, 10})}};
}
