#include "request/open_result.h"

#include <cstdio>

#include "platform/path_kind.h"

namespace pictavue {
namespace {

constexpr SourceText kNoBrowserMessage = PICTAVUE_TEXT(
    "OpenResult", "ブラウザが設定されていません。\r\n\r\nオプションを確認してください。");
constexpr SourceText kBrowserMissingMessage = PICTAVUE_TEXT(
    "OpenResult", "指定されたブラウザが見つかりません。\r\n\r\nオプションを確認してください。");
constexpr SourceText kBrowserFailedMessage = PICTAVUE_TEXT(
    "OpenResult",
    "指定されたブラウザを実行できませんでした。\r\n\r\nオプションを確認してください。");
constexpr SourceText kAssociationFailedMessage =
    PICTAVUE_TEXT("OpenResult", "HTMLの関連付けオープンに失敗しました。(%1)");

// The association succeeds with a result above this; 32 itself (a library not found) is a
// failure like the codes below it.
constexpr int kLastFailureCode = 32;

void ShowStop(FrontEnd& front_end, const Translation& translation, SourceText message) {
  ShowMessage(front_end, std::string(translation.Of(message)), kStyleStop);
}

std::int64_t OpenWithBrowser(const std::string& page, const std::string& browser_path,
                             const Translation& translation, Launcher& launcher,
                             FrontEnd& front_end) {
  if (browser_path.empty()) {
    ShowStop(front_end, translation, kNoBrowserMessage);
    return 0;
  }
  const ProgramCommand command = BrowserCommand(browser_path, page);
  // A folder is no browser either.
  if (PathKind(command.program) != FileKind::kFile) {
    ShowStop(front_end, translation, kBrowserMissingMessage);
    return 0;
  }
  const std::int64_t task = launcher.StartProgram(command);
  if (task == 0) {
    ShowStop(front_end, translation, kBrowserFailedMessage);
  }
  return task;
}

// The code in upper-case hexadecimal without leading zeros: "(1F)" for 31.
std::string AssociationFailureMessage(int result, const Translation& translation) {
  char hex[16];
  std::snprintf(hex, sizeof hex, "%X", static_cast<unsigned int>(result));
  return translation.Format(kAssociationFailedMessage, {hex});
}

}  // namespace

int OpenWithAssociation(const std::string& document, Launcher& launcher) {
  return launcher.OpenDocument(document);
}

std::int64_t OpenResult(const std::string& page, const GalleryOptions& options,
                        const Translation& translation, Launcher& launcher, FrontEnd& front_end) {
  if (IsOn(options.Browser)) {
    return OpenWithBrowser(page, options.BrowserPath, translation, launcher, front_end);
  }
  const int result = OpenWithAssociation(page, launcher);
  if (result <= kLastFailureCode) {
    ShowMessage(front_end, AssociationFailureMessage(result, translation), kStyleStop);
  }
  return result;
}

}  // namespace pictavue
