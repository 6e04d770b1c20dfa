#pragma once

// The picture plug-in interface: the record and entry points that the plug-in libraries export
// with C linkage, and the loading of such a library by its file name.

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>

#if defined(_WIN32) && !defined(_WIN64)
#define PICTAVUE_PLUGIN_CALL __stdcall
#else
#define PICTAVUE_PLUGIN_CALL
#endif

namespace pictavue {

// The picture-information record: 26 bytes, packed, little-endian.
#pragma pack(push, 1)
struct PictureInfo {
  std::int32_t left;
  std::int32_t top;
  std::int32_t width;
  std::int32_t height;
  std::uint16_t x_density;
  std::uint16_t y_density;
  std::int16_t colour_depth;
  std::uint32_t extra_text;  // a handle to extra text; 0 when there is none
};
#pragma pack(pop)
static_assert(sizeof(PictureInfo) == 26);

// Results of GetPictureInfo.
inline constexpr int kPluginNotImplemented = -1;
inline constexpr int kPluginSuccess = 0;
inline constexpr int kPluginUnknownFormat = 2;
inline constexpr int kPluginBrokenData = 3;
inline constexpr int kPluginNoMemory = 4;
inline constexpr int kPluginReadError = 6;
inline constexpr int kPluginInternalError = 8;

// GetPictureInfo's flag: the low three bits say what buf is.
inline constexpr unsigned kPluginFileInput = 0;    // a file name; len is where the picture starts
inline constexpr unsigned kPluginMemoryInput = 1;  // the picture itself, len bytes long

extern "C" {
using GetPluginInfoFunction = int(PICTAVUE_PLUGIN_CALL*)(int infono, char* buf, int buflen);
using GetPictureInfoFunction = int(PICTAVUE_PLUGIN_CALL*)(const char* buf, long len,
                                                          unsigned int flag, PictureInfo* info);
}

// A plug-in library loaded from its file. Loading runs the library's own start-up code, so only
// files from the program's folder are loaded.
class PluginLibrary {
 public:
  // Nothing when the file is missing or the system cannot load it.
  static std::unique_ptr<PluginLibrary> Load(const std::string& path);

  virtual ~PluginLibrary() = default;

  // GetPluginInfo's result; nothing when the library does not export it.
  virtual std::optional<int> GetPluginInfo(int infono, std::span<char> buffer) const = 0;

  // GetPictureInfo for a file, the picture starting at its first byte; nothing when the library
  // does not export it. path is the program's text, handed over as the system spells file names.
  virtual std::optional<int> GetPictureInfo(const std::string& path, PictureInfo& info) const = 0;
};

}  // namespace pictavue
