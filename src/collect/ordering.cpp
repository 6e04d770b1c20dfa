#include "collect/ordering.h"

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

namespace pictavue {

namespace {

// A run of neighbouring entries with the same text, the unit the sort moves. The scan appends a
// folder's pictures together, so sorting by folder sorts one run per folder instead of one entry
// per picture.
struct KeyedRun {
  std::string_view text;
  std::size_t first;  // the run's first entry; its others follow it
  std::size_t count;
  std::string sort_key;
};

// Runs of equal texts keep their scan order, which keeps every entry's order among its equals.
bool TieLess(const KeyedRun& a, const KeyedRun& b) {
  if (const int by_bytes = a.text.compare(b.text); by_bytes != 0) {
    return by_bytes < 0;
  }
  return a.first < b.first;
}

bool KeyedLess(const KeyedRun& a, const KeyedRun& b) {
  if (const int by_key = a.sort_key.compare(b.sort_key); by_key != 0) {
    return by_key < 0;
  }
  return TieLess(a, b);
}

// Every text is collated once, into its key; the sort then compares keys only.
void SortRuns(std::vector<KeyedRun>& runs, const Collation& collation) {
  for (KeyedRun& run : runs) {
    run.sort_key = collation.SortKey(run.text);
  }
  std::sort(runs.begin(), runs.end(), KeyedLess);
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

  std::vector<KeyedRun> runs;
  for (std::size_t i = first; i <= last; ++i) {
    const std::string_view text = list[i].*text_field;
    if (!runs.empty() && runs.back().text == text) {
      ++runs.back().count;
      continue;
    }
    runs.push_back(KeyedRun{text, i, 1, {}});
  }
  SortRuns(runs, collation);

  std::vector<ImageEntry> sorted;
  sorted.reserve(last - first + 1);
  for (const KeyedRun& run : runs) {
    for (std::size_t i = run.first; i < run.first + run.count; ++i) {
      sorted.push_back(std::move(list[i]));
    }
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
  if (state.TopSubfolderCount >= 1 && IsOn(options.SubDir)) {
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
