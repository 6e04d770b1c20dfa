#include "ui/rules/browse_rules.h"

#include "platform/paths.h"
#include "platform/translation.h"
#include "settings/settings_values.h"

namespace pictavue {

std::string FolderBrowseStart(std::string_view text, const PathKindQuery& kind_of) {
  std::string folder(TrimBlanks(text));
  if (folder.empty() || kind_of(folder) != FileKind::kFolder) {
    return {};
  }
  return folder;
}

std::string FileBrowseStart(std::string_view text, PathStyle style, const PathKindQuery& kind_of) {
  std::string folder(TrimBlanks(text));
  if (folder.empty()) {
    return {};
  }
  std::size_t last_separator = std::string::npos;
  for (std::size_t i = folder.size(); i > 0; --i) {
    if (IsSeparator(folder[i - 1], style)) {
      last_separator = i - 1;
      break;
    }
  }
  if (last_separator != std::string::npos) {
    folder.resize(last_separator + 1);
  }
  if (kind_of(folder) != FileKind::kFolder) {
    return {};
  }
  return folder;
}

const std::vector<FileFilter>& BrowserFilters() {
  static const std::vector<FileFilter> filters = {
      {PICTAVUE_TEXT("frmSub1", "実行ﾌｧｲﾙ(*.exe)").text, kProgramPattern},
      {PICTAVUE_TEXT("frmSub1", "全てのﾌｧｲﾙ(*.*)").text, "*.*"},
  };
  return filters;
}

std::string QtNameFilter(const FileFilter& filter, PathStyle style) {
  const std::string patterns = style == PathStyle::kWindows ? filter.pattern : "*";
  return filter.description + " (" + patterns + ")";
}

}  // namespace pictavue
