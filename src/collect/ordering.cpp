#include "collect/ordering.h"

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>

namespace pictavue {

namespace {

// One entry of the range with its sort key, so that the sort compares prepared keys and moves
// small records; the collation itself runs once per distinct text.
struct KeyedEntry {
  const std::string* sort_key;
  std::string_view text;
  std::size_t index;
};

bool KeyedLess(const KeyedEntry& a, const KeyedEntry& b) {
  if (const int by_key = a.sort_key->compare(*b.sort_key); by_key != 0) {
    return by_key < 0;
  }
  if (const int by_bytes = a.text.compare(b.text); by_bytes != 0) {
    return by_bytes < 0;
  }
  return a.index < b.index;
}

bool IsRangeInside(const std::vector<ImageEntry>& list, int low, int high) {
  return low >= 0 && low < high && static_cast<std::size_t>(high) < list.size();
}

void SortByText(std::vector<ImageEntry>& list, int low, int high, const Collation& collation,
                std::string ImageEntry::*text_field) {
  if (!IsRangeInside(list, low, high)) {
    return;
  }
  const auto first = static_cast<std::size_t>(low);
  const auto last = static_cast<std::size_t>(high);

  std::unordered_map<std::string_view, std::string> keys;
  std::vector<KeyedEntry> order;
  order.reserve(last - first + 1);
  for (std::size_t i = first; i <= last; ++i) {
    const std::string_view text = list[i].*text_field;
    auto found = keys.find(text);
    if (found == keys.end()) {
      found = keys.emplace(text, collation.SortKey(text)).first;
    }
    order.push_back(KeyedEntry{&found->second, text, i});
  }
  std::sort(order.begin(), order.end(), KeyedLess);

  std::vector<ImageEntry> sorted;
  sorted.reserve(order.size());
  for (const KeyedEntry& keyed : order) {
    sorted.push_back(std::move(list[keyed.index]));
  }
  std::move(sorted.begin(), sorted.end(), list.begin() + static_cast<std::ptrdiff_t>(first));
}

}  // namespace

void SortByFolder(std::vector<ImageEntry>& list, int low, int high, const Collation& collation) {
  SortByText(list, low, high, collation, &ImageEntry::Folder);
}

void SortByName(std::vector<ImageEntry>& list, int low, int high, const Collation& collation) {
  SortByText(list, low, high, collation, &ImageEntry::FileName);
}

bool OrderImages(RunState& state, const GalleryOptions& options, const Collation& collation,
                 RunFeedback& feedback) {
  std::vector<ImageEntry>& list = state.ImageList;
  const int count = std::min(state.ImageCount, static_cast<int>(list.size()));
  if (count < 2) {
    return true;
  }
  // Only a scan that walked subfolders can have found more than one folder. A dimmed SubDir
  // counts as on: sorting a single folder changes nothing, skipping several would scatter them.
  if (state.TopSubfolderCount >= 1 && options.SubDir != kUnchecked) {
    SortByFolder(list, 0, count - 1, collation);
  }

  int group_start = 0;
  for (int i = 0; i < count; ++i) {
    if (i > 0 && list[static_cast<std::size_t>(i)].Folder !=
                     list[static_cast<std::size_t>(group_start)].Folder) {
      SortByName(list, group_start, i - 1, collation);
      group_start = i;
    }
    feedback.SetProgressValue(i + 1);
    if (feedback.YieldEvents()) {
      state.CancelRequested = true;
      state.ImageCount = 0;
      return false;
    }
  }
  SortByName(list, group_start, count - 1, collation);
  feedback.SetProgressValue(0);
  return true;
}

}  // namespace pictavue
