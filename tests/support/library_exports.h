#pragma once

#include <optional>
#include <string>
#include <vector>

namespace pictavue::testing {

// Loads the shared library at path as the system loads plug-ins and tells, for each name,
// whether the library exports it. Nothing when the library cannot be loaded.
std::optional<std::vector<bool>> LookUpExports(const std::string& path,
                                               const std::vector<std::string>& names);

}  // namespace pictavue::testing
