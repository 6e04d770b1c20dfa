#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "generate/front_end.h"
#include "platform/launch.h"
#include "platform/translation.h"
#include "settings/gallery_options.h"

namespace pictavue {

// Opens the document with the program the system associates with its kind; the launcher's
// result unchanged (above 32 success).
int OpenWithAssociation(const std::string& document, Launcher& launcher);

// Shows the created page: with the browser the user configured when Browser is on, else through
// the association. Each failure is told in one message (style 16). The result: with a browser,
// its task identifier or 0 when none was started; with the association, its result.
std::int64_t OpenResult(const std::string& page, const GalleryOptions& options,
                        const Translation& translation, Launcher& launcher, FrontEnd& front_end);

}  // namespace pictavue
