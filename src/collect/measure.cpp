#include "collect/measure.h"

#include <array>
#include <cstdlib>

#include "platform/ascii_case.h"
#include "platform/file_io.h"
#include "platform/picture_headers.h"

namespace pictavue {
namespace {

constexpr MeasuredSize kUnknownSize{};

// Each side that fits replaces the 50 it started with.
MeasuredSize FromSides(std::optional<std::int64_t> width, std::optional<std::int64_t> height) {
  MeasuredSize size;
  if (width) {
    size.Width = FitSide(*width).value_or(kUnknownSide);
  }
  if (height) {
    size.Height = FitSide(*height).value_or(kUnknownSide);
  }
  return size;
}

MeasuredSize MeasureByLoader(const std::string& path, PictureLoader& loader,
                             const CancelPoll& cancelled) {
  const std::optional<PixelSize> size = loader.LoadSize(path, cancelled);
  if (!size) {
    return kUnknownSize;
  }
  return FromSides(size->width, size->height);
}

MeasuredSize MeasureGif(const std::string& path) {
  FileSource source(NativeFileName(path));
  const GifScreenSize screen = ReadGifScreenSize(source);
  return FromSides(screen.width, screen.height);
}

MeasuredSize MeasureBmp(const std::string& path, PictureLoader& loader,
                        const CancelPoll& cancelled) {
  std::optional<BmpSizeFields> fields;
  {
    FileSource source(NativeFileName(path));
    fields = ReadBmpSizeFields(source);
  }
  if (fields) {
    // A negative height only says that the rows are stored top-down.
    const std::optional<std::int16_t> width = FitSide(fields->width);
    const std::optional<std::int16_t> height = FitSide(std::llabs(fields->height));
    if (width && height) {
      return MeasuredSize{*width, *height};
    }
  }
  return MeasureByLoader(path, loader, cancelled);
}

MeasuredSize MeasureByPlugin(PluginKind kind, const std::string& path, const Plugins& plugins) {
  LastPictureInfo last;
  if (plugins.ProbePicture(kind, path, last) != kPluginSuccess) {
    return kUnknownSize;
  }
  return FromSides(last.width, last.height);
}

}  // namespace

MeasureRoute ChooseMeasureRoute(std::string_view file_name, const PluginNames& names) {
  const std::string tail =
      AsciiLower(file_name.size() > 4 ? file_name.substr(file_name.size() - 4) : file_name);
  if (tail == ".gif") {
    return MeasureRoute::kGifHeader;
  }
  if (tail == ".bmp") {
    return MeasureRoute::kBmpHeader;
  }
  if (tail == ".wmf") {
    return names.WmfPluginName.empty() ? MeasureRoute::kLoader : MeasureRoute::kWmfPlugin;
  }
  if (tail == ".emf") {
    return MeasureRoute::kLoader;
  }
  if (tail == ".jpg" || tail == "jpeg") {
    return names.JpegPluginName.empty() ? MeasureRoute::kJpegLoader : MeasureRoute::kJpegPlugin;
  }
  if (tail == ".png") {
    return names.PngPluginName.empty() ? MeasureRoute::kNone : MeasureRoute::kPngPlugin;
  }
  return MeasureRoute::kNone;
}

std::optional<std::int16_t> FitSide(std::int64_t side) {
  if (side < INT16_MIN || side > INT16_MAX) {
    return std::nullopt;
  }
  return static_cast<std::int16_t>(side);
}

MeasuredSize MeasurePicture(const ImageEntry& entry, const Plugins& plugins, PictureLoader& loader,
                            const CancelPoll& cancelled) {
  const std::string path = entry.Folder + entry.FileName;
  switch (ChooseMeasureRoute(entry.FileName, plugins.names())) {
    case MeasureRoute::kGifHeader:
      return MeasureGif(path);
    case MeasureRoute::kBmpHeader:
      return MeasureBmp(path, loader, cancelled);
    case MeasureRoute::kWmfPlugin:
      return MeasureByPlugin(PluginKind::kWmf, path, plugins);
    case MeasureRoute::kLoader:
      return MeasureByLoader(path, loader, cancelled);
    case MeasureRoute::kJpegPlugin:
      return MeasureByPlugin(PluginKind::kJpeg, path, plugins);
    case MeasureRoute::kJpegLoader:
      // A JPEG cut short is never handed to the loader.
      return JpegHasEndMarker(path) ? MeasureByLoader(path, loader, cancelled) : kUnknownSize;
    case MeasureRoute::kPngPlugin:
      return MeasureByPlugin(PluginKind::kPng, path, plugins);
    case MeasureRoute::kNone:
      break;
  }
  return kUnknownSize;
}

bool JpegHasEndMarker(const std::string& path) {
  FileSource source(NativeFileName(path));
  std::array<std::uint8_t, 2> last{};
  if (source.ReadTail(last) != ReadStatus::kOk) {
    return false;
  }
  return last[0] == 0xFF && last[1] == 0xD9;
}

}  // namespace pictavue
