#include "platform/file_io.h"

#include <algorithm>
#include <random>

#include "platform/paths.h"
#include "platform/utf8.h"

namespace pictavue {
namespace {

constexpr std::string_view kTemporarySuffix = ".pictavue-tmp";
constexpr std::string_view kRandomLetters = "abcdefghijklmnopqrstuvwxyz0123456789";
constexpr std::size_t kRandomLength = 8;
// Room for the rest of the name within the 255 bytes a file system allows a name.
constexpr std::size_t kMaxNamePart = 64;

std::string_view NamePart(std::string_view name) {
  if (name.size() <= kMaxNamePart) {
    return name;
  }
  std::size_t end = 0;
  while (end < name.size()) {
    const std::size_t length = std::max<std::size_t>(DecodeUtf8(name, end).length, 1);
    if (end + length > kMaxNamePart) {
      break;
    }
    end += length;
  }
  return name.substr(0, end);
}

}  // namespace

std::string TemporaryFileName(std::string_view target_name) {
  std::random_device device;
  std::uniform_int_distribution<std::size_t> pick(0, kRandomLetters.size() - 1);
  std::string name = ".";
  name += NamePart(target_name);
  name += '.';
  for (std::size_t i = 0; i < kRandomLength; ++i) {
    name += kRandomLetters[pick(device)];
  }
  name += kTemporarySuffix;
  return name;
}

std::string TemporaryPathBeside(const std::string& path) {
  const std::string name = LastComponent(path, NativePathStyle());
  return path.substr(0, path.size() - name.size()) + TemporaryFileName(name);
}

bool IsTemporaryFileName(std::string_view name) {
  if (name.size() < 2 + kRandomLength + kTemporarySuffix.size() || name.front() != '.' ||
      !name.ends_with(kTemporarySuffix)) {
    return false;
  }
  name.remove_suffix(kTemporarySuffix.size());
  const std::string_view random = name.substr(name.size() - kRandomLength);
  return random.find_first_not_of(kRandomLetters) == std::string_view::npos &&
         name[name.size() - kRandomLength - 1] == '.';
}

}  // namespace pictavue
