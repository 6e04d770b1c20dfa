#include "collect/image_list.h"

#include <utility>

namespace pictavue {

bool AppendImage(RunState& state, ImageEntry entry) {
  if (state.ImageCount >= kMaxImages) {
    return false;
  }
  // A cancelled run may have left entries beyond ImageCount; they are overwritten, not kept.
  state.ImageList.resize(static_cast<std::size_t>(state.ImageCount));
  state.ImageList.push_back(std::move(entry));
  ++state.ImageCount;
  return true;
}

}  // namespace pictavue
