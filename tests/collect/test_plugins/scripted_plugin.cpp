// A plug-in for tests whose answers come from the picture file itself: the file holds the text
// "<result> <width> <height>". The record is filled whatever the result, so a test sees whether
// the probe copies it only on success. Its name is padded with blanks on both sides.

#include <cstdio>
#include <cstring>

#include "platform/plugin_library.h"

extern "C" {

__attribute__((visibility("default"))) int GetPluginInfo(int infono, char* buf, int buflen) {
  static constexpr char kName[] = "   Scripted test plug-in   ";
  if (infono != 1 || buflen < static_cast<int>(sizeof kName - 1)) {
    return 0;
  }
  std::memcpy(buf, kName, sizeof kName - 1);
  return static_cast<int>(sizeof kName - 1);
}

__attribute__((visibility("default"))) int GetPictureInfo(const char* buf, long /*len*/,
                                                          unsigned int /*flag*/,
                                                          pictavue::PictureInfo* info) {
  std::FILE* file = std::fopen(buf, "rb");
  int result = pictavue::kPluginReadError;
  long width = 0;
  long height = 0;
  if (file != nullptr) {
    result = std::fscanf(file, "%d %ld %ld", &result, &width, &height) == 3
                 ? result
                 : pictavue::kPluginInternalError;
    std::fclose(file);
  }
  info->width = static_cast<std::int32_t>(width);
  info->height = static_cast<std::int32_t>(height);
  info->colour_depth = 24;
  return result;
}

}  // extern "C"
