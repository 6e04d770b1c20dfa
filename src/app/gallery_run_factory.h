#pragma once

#include <memory>

#include "request/gallery_run.h"
#include "request/session.h"

namespace pictavue {

// The generation run that the program's Create button and command lines start, working with
// the session's settings and plug-ins.
std::unique_ptr<GalleryRun> MakeGalleryRun(Session& session);

}  // namespace pictavue
