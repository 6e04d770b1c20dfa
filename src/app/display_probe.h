#pragma once

#include <optional>
#include <string>

#include "app/display_check.h"

namespace pictavue {

// Whether the display of the route answers: nothing when a window can be shown, else the reason
// for NoDisplayMessage. Connects the way Qt would, without Qt, so a failure ends nothing.
std::optional<std::string> WhyNoWindowCanBeShown(DisplayRoute route,
                                                 const DisplayEnvironment& environment);

}  // namespace pictavue
