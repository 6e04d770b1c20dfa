#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "collect/image_list.h"
#include "collect/plugin_probe.h"
#include "platform/picture_loader.h"

namespace pictavue {

// A picture's width and height as the pages use them; 50 x 50 when no size was found.
struct MeasuredSize {
  std::int16_t Width = 50;
  std::int16_t Height = 50;
};

inline constexpr std::int16_t kUnknownSide = 50;

// How a picture is measured, chosen by the last four characters of its name.
enum class MeasureRoute {
  kGifHeader,
  kBmpHeader,  // falls back to the loader when the header cannot be read or does not fit
  kWmfPlugin,
  kLoader,
  kJpegPlugin,
  kJpegLoader,  // through the loader only when the file ends in the JPEG end marker
  kPngPlugin,
  kNone,  // stays 50 x 50
};

// The route for a file name. The rows are tried in this order and the first that holds wins:
// ".gif", ".bmp", ".wmf" (plug-in, else loader), ".emf", ".jpg" or "jpeg" (plug-in, else
// loader after the end-marker check), ".png" (plug-in, else none), anything else.
MeasureRoute ChooseMeasureRoute(std::string_view file_name, const PluginNames& names);

// A side as the pages hold it: a signed 16-bit value, nothing when it does not fit.
std::optional<std::int16_t> FitSide(std::int64_t side);

// Measures one picture (Folder + FileName) by its route. Never fails: whatever a route cannot
// give stays 50. Reads headers only, and opens the file once per route.
// The loader route asks cancelled while it reads.
MeasuredSize MeasurePicture(const ImageEntry& entry, const Plugins& plugins, PictureLoader& loader,
                            const CancelPoll& cancelled = {});

// True when the file's last two bytes are FF D9, the JPEG end marker.
bool JpegHasEndMarker(const std::string& path);

}  // namespace pictavue
