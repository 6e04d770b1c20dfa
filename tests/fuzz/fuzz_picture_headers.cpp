// Every header reader over the same bytes: each ends in a size it allows or a named failure,
// never in a crash, a hang or a read outside the bytes. Its seeds are pictures our writers made,
// under tests/data/fuzz/picture_headers/.

#include <cstddef>
#include <cstdint>
#include <span>

#include "fuzz_check.h"
#include "platform/picture_headers.h"

namespace {

using pictavue::fuzz::Check;

void CheckSides(const pictavue::HeaderResult& result, std::int64_t least, std::int64_t most) {
  Check(!result.ok() || (result.header().width >= least && result.header().width <= most &&
                         result.header().height >= least && result.header().height <= most));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace pictavue;
  MemorySource source(std::span(data, size));
  CheckSides(ReadJpegHeader(source), 1, 65535);
  const HeaderResult png = ReadPngHeader(source);
  CheckSides(png, 1, INT64_MAX);
  Check(!png.ok() || (png.header().bits_per_pixel >= 1 && png.header().bits_per_pixel <= 64));
  CheckSides(ReadBmpHeader(source), 1, INT64_MAX);
  CheckSides(ReadWmfHeader(source), 0, INT64_MAX);
  CheckSides(ReadEmfHeader(source), 0, INT64_MAX);
  (void)ReadMetafileHeader(source);
  (void)ReadBmpSizeFields(source);
  (void)ReadGifScreenSize(source);
  (void)SniffPictureKind(source);
  const int orientation = ReadExifOrientation(std::span(data, size));
  Check(orientation >= 0 && orientation <= 8);
  return 0;
}
