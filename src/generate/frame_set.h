#pragma once

#include <string>

#include "generate/page_context.h"
#include "platform/status.h"

namespace pictavue {

// Builds the frame set (a menu column beside the index pages) into frame_set and its menu page,
// one link per index page labelled with the range of picture numbers on it, into menu. For runs
// of two or more pages. Fails, appending nothing to menu, when a page's last picture number
// leaves the signed 16-bit range.
Status WriteFrameSet(const PageContext& context, std::string& frame_set, std::string& menu);

}  // namespace pictavue
