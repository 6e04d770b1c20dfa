#pragma once

// What our three plug-ins do, written once: each plug-in library exports the interface's entry
// points and hands them here with its own format.

#include "platform/plugin_library.h"

namespace pictavue::plugins {

enum class PluginFormat {
  kJpeg,
  kPng,
  kMetafile,  // placeable WMF, and EMF
};

// GetPluginInfo: copies the text of infono (at most buflen bytes, with a NUL when there is room)
// and returns the number of bytes copied; 0 for a number without text.
int PluginInfoText(PluginFormat format, int infono, char* buf, int buflen) noexcept;

// GetPictureInfo: the picture's size (JPEG as shown, metafiles at 96 DPI) into info.
int PluginPictureInfo(PluginFormat format, const char* buf, long len, unsigned int flag,
                      PictureInfo* info) noexcept;

// IsSupported: non-zero when the file carries the format's signature. dw is a buffer holding at
// least the file's first 2 KiB, or, when its value is below 0x10000, a file handle; then the
// file is read by its name instead.
int PluginIsSupported(PluginFormat format, const char* filename, void* dw) noexcept;

}  // namespace pictavue::plugins
