#include "request/open_result.h"

#include <cstdio>

#include "platform/path_kind.h"

namespace pictavue {
namespace {

constexpr char kCheckOptions[] = "\r\n\r\nオプションを確認してください。";

// The association succeeds with a result above this; 32 itself (a library not found) is a
// failure like the codes below it.
constexpr int kLastFailureCode = 32;

std::int64_t OpenWithBrowser(const std::string& page, const std::string& browser_path,
                             Launcher& launcher, FrontEnd& front_end) {
  if (browser_path.empty()) {
    ShowMessage(front_end, std::string("ブラウザが設定されていません。") + kCheckOptions,
                kStyleStop);
    return 0;
  }
  const ProgramCommand command = BrowserCommand(browser_path, page);
  // A folder is no browser either.
  if (PathKind(command.program) != FileKind::kFile) {
    ShowMessage(front_end, std::string("指定されたブラウザが見つかりません。") + kCheckOptions,
                kStyleStop);
    return 0;
  }
  const std::int64_t task = launcher.StartProgram(command);
  if (task == 0) {
    ShowMessage(front_end,
                std::string("指定されたブラウザを実行できませんでした。") + kCheckOptions,
                kStyleStop);
  }
  return task;
}

}  // namespace

int OpenWithAssociation(const std::string& document, Launcher& launcher) {
  return launcher.OpenDocument(document);
}

std::string AssociationFailureMessage(int result) {
  char hex[16];
  std::snprintf(hex, sizeof hex, "%X", static_cast<unsigned int>(result));
  return std::string("HTMLの関連付けオープンに失敗しました。(") + hex + ")";
}

std::int64_t OpenResult(const std::string& page, const GalleryOptions& options, Launcher& launcher,
                        FrontEnd& front_end) {
  if (IsOn(options.Browser)) {
    return OpenWithBrowser(page, options.BrowserPath, launcher, front_end);
  }
  const int result = OpenWithAssociation(page, launcher);
  if (result <= kLastFailureCode) {
    ShowMessage(front_end, AssociationFailureMessage(result), kStyleStop);
  }
  return result;
}

}  // namespace pictavue
