// The entry points of one plug-in library. This file is built once per plug-in, with
// PICTAVUE_PLUGIN_FORMAT naming the format it serves.

#include "plugins/plugin_entry.h"

#if defined(_WIN32)
#define PICTAVUE_PLUGIN_EXPORT __declspec(dllexport)
#else
#define PICTAVUE_PLUGIN_EXPORT __attribute__((visibility("default")))
#endif

namespace {
constexpr pictavue::plugins::PluginFormat kFormat =
    pictavue::plugins::PluginFormat::PICTAVUE_PLUGIN_FORMAT;
}  // namespace

extern "C" {

PICTAVUE_PLUGIN_EXPORT int PICTAVUE_PLUGIN_CALL GetPluginInfo(int infono, char* buf, int buflen) {
  return pictavue::plugins::PluginInfoText(kFormat, infono, buf, buflen);
}

PICTAVUE_PLUGIN_EXPORT int PICTAVUE_PLUGIN_CALL GetPictureInfo(const char* buf, long len,
                                                               unsigned int flag,
                                                               pictavue::PictureInfo* info) {
  return pictavue::plugins::PluginPictureInfo(kFormat, buf, len, flag, info);
}

PICTAVUE_PLUGIN_EXPORT int PICTAVUE_PLUGIN_CALL IsSupported(const char* filename, void* dw) {
  return pictavue::plugins::PluginIsSupported(kFormat, filename, dw);
}

}  // extern "C"
