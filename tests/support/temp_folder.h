#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace pictavue::testing {

// A fresh folder under the system's temporary folder, removed with everything in it when the
// object goes away.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // path() / relative as a string, without a trailing separator.
  std::string Path(std::string_view relative = {}) const;

  // Writes bytes to path() / relative, creating the folders on the way; returns the full path.
  std::string WriteFile(std::string_view relative, std::string_view bytes) const;
  // Creates path() / relative and its parents; returns the full path.
  std::string MakeFolder(std::string_view relative) const;

 private:
  std::filesystem::path path_;
};

// The whole content of a file, or the empty text when it cannot be read.
std::string ReadFileBytes(const std::string& path);

}  // namespace pictavue::testing
