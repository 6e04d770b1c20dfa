#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace pictavue {

struct PixelSize {
  std::int64_t width = 0;
  std::int64_t height = 0;
};

// Asked now and then while a picture is read; true stops the read, and the picture then has no
// size. An empty poll never stops one.
using CancelPoll = std::function<bool()>;

// The most of a picture the loader reads, segments it skips over not counted: far more than the
// header of any real picture takes, and little enough that any file, of any size and however
// made, is measured in milliseconds.
inline constexpr std::uint64_t kMaxLoaderReadBytes = std::uint64_t{4} << 20;

// Stands in for the operating system's picture loader: opens a JPEG, BMP, placeable WMF or EMF
// file, recognised by its bytes rather than its name, and reports its size in whole pixels as
// the system showed it (metafiles at 96 DPI, JPEG turned by its EXIF orientation). Nothing when
// the file cannot be loaded. Only headers are read; no pixel data is decoded.
class PictureLoader {
 public:
  virtual ~PictureLoader() = default;
  // path is the program's UTF-8 text.
  virtual std::optional<PixelSize> LoadSize(const std::string& path,
                                            const CancelPoll& cancelled) = 0;
};

// The platform's picture loader.
std::unique_ptr<PictureLoader> MakePictureLoader();

}  // namespace pictavue
