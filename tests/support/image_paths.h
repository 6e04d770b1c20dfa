#pragma once

#include <string>
#include <vector>

#include "collect/image_list.h"

namespace pictavue::testing {

// Folder + file name of every entry in use, in list order.
inline std::vector<std::string> ImagePaths(const RunState& state) {
  std::vector<std::string> paths;
  for (int i = 0; i < state.ImageCount; ++i) {
    const ImageEntry& entry = state.ImageList[static_cast<std::size_t>(i)];
    paths.push_back(entry.Folder + entry.FileName);
  }
  return paths;
}

}  // namespace pictavue::testing
