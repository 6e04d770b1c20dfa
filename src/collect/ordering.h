#pragma once

#include <vector>

#include "collect/image_list.h"
#include "collect/run_feedback.h"
#include "platform/collation.h"
#include "settings/gallery_options.h"

namespace pictavue {

// Puts the run's pictures into page order: folder groups ordered by Folder when subfolders were
// searched (a folder before its own subfolders), each group ordered by FileName. A group is a
// run of neighbouring entries whose Folder texts are equal byte for byte.
//
// Moves the progress bar to i + 1 as it passes entry i, yields and polls for cancel after each
// entry, and sets the progress bar to 0 at the end. On cancel ImageCount becomes 0, the list is
// left partly ordered and the result is false. Lists of fewer than two entries are left alone.
bool OrderImages(RunState& state, const GalleryOptions& options, const Collation& collation,
                 RunFeedback& feedback);

// Sort the entries low to high (inclusive) of list by Folder or by FileName in the collation's
// order. Texts that collate equal (differing in letter case only) are ordered by their bytes,
// and entries with equal texts keep their order, so the result never depends on the run. A
// range that is empty or not inside the list is left alone.
void SortByFolder(std::vector<ImageEntry>& list, int low, int high, const Collation& collation);
void SortByName(std::vector<ImageEntry>& list, int low, int high, const Collation& collation);

}  // namespace pictavue
