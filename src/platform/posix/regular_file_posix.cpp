#include <filesystem>
#include <system_error>

#include "platform/regular_file.h"

namespace pictavue::picture_file_detail {

bool IsRegularFile(const std::string& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(std::filesystem::path(path), error);
}

}  // namespace pictavue::picture_file_detail
