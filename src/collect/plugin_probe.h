#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/code_page.h"
#include "platform/plugin_library.h"

namespace pictavue {

enum class PluginKind { kJpeg, kPng, kWmf };

// The plug-in's file in the program's folder: "ifjpeg.spi", "ifpng.spi", "ifwmf.spi".
std::string_view PluginFileName(PluginKind kind);

// The names the plug-ins reported at start-up; an empty name means the plug-in is missing.
struct PluginNames {
  std::string JpegPluginName;
  std::string PngPluginName;
  std::string WmfPluginName;
};

// The first 22 bytes of the record of the last successful probe: the handle slot is left out.
struct LastPictureInfo {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::uint16_t x_density = 0;
  std::uint16_t y_density = 0;
  std::int16_t colour_depth = 0;
};

// GetPluginInfo's buffer: 256 blanks.
inline constexpr int kPluginNameBufferSize = 256;

// The size probe's answer when the call cannot be made at all (no plug-in, no export).
inline constexpr int kPluginCallFailed = 99;

// The name rule: the first count bytes of what the plug-in wrote (the text ends early at a NUL),
// blanks trimmed at both ends; empty when count is 0 or less.
std::string PluginNameFromBuffer(std::string_view buffer, int count);

// The three plug-ins and the names they reported, loaded once at start-up and owned by the
// application for its whole life.
class Plugins {
 public:
  Plugins();  // no plug-in at all: every name is empty
  ~Plugins();
  Plugins(Plugins&&) noexcept;
  Plugins& operator=(Plugins&&) noexcept;

  // Loads the JPEG, the PNG and the WMF plug-in from folder, in that order, and asks each for
  // its name (information number 1). A plug-in that cannot be loaded or called, or that gives
  // no name, is missing; nothing is reported. Names are converted from code_page.
  static Plugins Load(const std::string& folder, const CodePage& code_page);

  const PluginNames& names() const { return names_; }
  const std::string& Name(PluginKind kind) const;

  // GetPictureInfo of the plug-in for the picture at path: its result, after copying the record
  // into last on success; kPluginCallFailed when the plug-in is missing or lacks the export.
  int ProbePicture(PluginKind kind, const std::string& path, LastPictureInfo& last) const;

 private:
  std::array<std::unique_ptr<PluginLibrary>, 3> libraries_;
  PluginNames names_;
};

}  // namespace pictavue
