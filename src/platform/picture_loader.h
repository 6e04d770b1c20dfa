#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace pictavue {

struct PixelSize {
  std::int64_t width = 0;
  std::int64_t height = 0;
};

// Stands in for the operating system's picture loader: opens a JPEG, BMP, placeable WMF or EMF
// file, recognised by its bytes rather than its name, and reports its size in whole pixels as
// the system showed it (metafiles at 96 DPI, JPEG turned by its EXIF orientation). Nothing when
// the file cannot be loaded. Only headers are read; no pixel data is decoded.
class PictureLoader {
 public:
  virtual ~PictureLoader() = default;
  // path is the program's UTF-8 text.
  virtual std::optional<PixelSize> LoadSize(const std::string& path) = 0;
};

// The platform's picture loader.
std::unique_ptr<PictureLoader> MakePictureLoader();

}  // namespace pictavue
