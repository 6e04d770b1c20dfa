#include "settings/gallery_options.h"

namespace pictavue {

std::string IppText(const GalleryOptions& options) {
  if (options.IPP >= 0 && options.IPP < static_cast<int>(kIppListEntries.size())) {
    return std::string(kIppListEntries[options.IPP]);
  }
  return options.IppFree;
}

int ThumbnailSize(const GalleryOptions& options) {
  if (options.Pixel >= 0 && options.Pixel < static_cast<int>(kSizeListEntries.size())) {
    return 50 * (options.Pixel + 1);
  }
  return 100;
}

}  // namespace pictavue
