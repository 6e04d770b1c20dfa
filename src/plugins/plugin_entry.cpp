#include "plugins/plugin_entry.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <limits>
#include <new>
#include <string_view>

#include "platform/picture_headers.h"

namespace pictavue::plugins {
namespace {

constexpr std::uint32_t kSupportedBufferBytes = 2048;
constexpr std::uintptr_t kLargestHandle = 0xFFFF;

struct FormatTexts {
  std::string_view name;
  std::string_view pattern;
  std::string_view description;
};

FormatTexts TextsOf(PluginFormat format) {
  switch (format) {
    case PluginFormat::kJpeg:
      return {"Pictavue JPEG size reader " PICTAVUE_VERSION_TEXT, "*.jpg;*.jpeg;*.jpe",
              "JPEG picture"};
    case PluginFormat::kPng:
      return {"Pictavue PNG size reader " PICTAVUE_VERSION_TEXT, "*.png", "PNG picture"};
    case PluginFormat::kMetafile:
      break;
  }
  return {"Pictavue metafile size reader " PICTAVUE_VERSION_TEXT, "*.wmf;*.emf",
          "Windows metafile"};
}

std::string_view InfoText(PluginFormat format, int infono) {
  const FormatTexts texts = TextsOf(format);
  switch (infono) {
    case 0:
      return "00IN";  // a picture-import plug-in
    case 1:
      return texts.name;
    case 2:
      return texts.pattern;
    case 3:
      return texts.description;
    default:
      return {};
  }
}

HeaderResult ReadHeader(PluginFormat format, ByteSource& source) {
  switch (format) {
    case PluginFormat::kJpeg:
      return ReadJpegHeader(source);
    case PluginFormat::kPng:
      return ReadPngHeader(source);
    case PluginFormat::kMetafile:
      break;
  }
  return ReadMetafileHeader(source);
}

bool IsFormat(PluginFormat format, PictureKind kind) {
  switch (format) {
    case PluginFormat::kJpeg:
      return kind == PictureKind::kJpeg;
    case PluginFormat::kPng:
      return kind == PictureKind::kPng;
    case PluginFormat::kMetafile:
      break;
  }
  return kind == PictureKind::kWmf || kind == PictureKind::kEmf;
}

int ResultOf(HeaderError error) {
  switch (error) {
    case HeaderError::kReadError:
      return kPluginReadError;
    case HeaderError::kWrongSignature:
      return kPluginUnknownFormat;
    default:
      return kPluginBrokenData;
  }
}

std::int32_t ToRecord(std::int64_t side) {
  return static_cast<std::int32_t>(std::min<std::int64_t>(side, INT32_MAX));
}

int Measure(PluginFormat format, ByteSource& source, PictureInfo& info) {
  const HeaderResult result = ReadHeader(format, source);
  if (!result.ok()) {
    return ResultOf(result.error());
  }
  info = PictureInfo{};
  info.width = ToRecord(result.header().width);
  info.height = ToRecord(result.header().height);
  info.colour_depth = static_cast<std::int16_t>(result.header().bits_per_pixel);
  return kPluginSuccess;
}

}  // namespace

int PluginInfoText(PluginFormat format, int infono, char* buf, int buflen) noexcept {
  const std::string_view text = InfoText(format, infono);
  if (buf == nullptr || buflen <= 0 || text.empty()) {
    return 0;
  }
  const std::size_t count = std::min(text.size(), static_cast<std::size_t>(buflen));
  std::memcpy(buf, text.data(), count);
  if (count < static_cast<std::size_t>(buflen)) {
    buf[count] = '\0';
  }
  return static_cast<int>(count);
}

int PluginPictureInfo(PluginFormat format, const char* buf, long len, unsigned int flag,
                      PictureInfo* info) noexcept {
  if (buf == nullptr || info == nullptr || len < 0) {
    return kPluginInternalError;
  }
  try {
    switch (flag & 7) {
      case kPluginFileInput: {
        FileSource source(buf, static_cast<std::uint64_t>(len));
        if (!source.is_open()) {
          return kPluginReadError;
        }
        return Measure(format, source, *info);
      }
      case kPluginMemoryInput: {
        MemorySource source(
            std::span(reinterpret_cast<const std::uint8_t*>(buf), static_cast<std::size_t>(len)));
        return Measure(format, source, *info);
      }
      default:
        return kPluginNotImplemented;
    }
  } catch (const std::bad_alloc&) {
    return kPluginNoMemory;
  } catch (...) {
    return kPluginInternalError;
  }
}

int PluginIsSupported(PluginFormat format, const char* filename, void* dw) noexcept {
  try {
    if (reinterpret_cast<std::uintptr_t>(dw) > kLargestHandle) {
      MemorySource source(
          std::span(static_cast<const std::uint8_t*>(dw), std::size_t{kSupportedBufferBytes}));
      return IsFormat(format, SniffPictureKind(source)) ? 1 : 0;
    }
    if (filename == nullptr) {
      return 0;
    }
    FileSource source(filename);
    return IsFormat(format, SniffPictureKind(source)) ? 1 : 0;
  } catch (...) {
    return 0;
  }
}

}  // namespace pictavue::plugins
