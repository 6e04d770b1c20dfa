#include "platform/win32/system_text.h"

#include <shlobj.h>

#include "platform/code_page.h"

namespace pictavue::win32 {
namespace {

// The ANSI code page is fixed for the life of the process.
const CodePage& AnsiCodePage() {
  static const CodePage code_page = CodePage::System();
  return code_page;
}

}  // namespace

std::optional<std::string> SystemPath(std::string_view utf8) {
  if (utf8.find('\0') != std::string_view::npos) {
    return std::nullopt;
  }
  const CodePage& code_page = AnsiCodePage();
  std::string ansi = code_page.FromUtf8(utf8, Unmappable::kQuestionMark);
  if (!code_page.is_utf8() && code_page.ToUtf8(ansi) != utf8) {
    return std::nullopt;
  }
  return ansi;
}

std::string ProgramText(std::string_view ansi) {
  return AnsiCodePage().ToUtf8(ansi.substr(0, ansi.find('\0')));
}

std::string ShellFolder(int csidl) {
  char buffer[MAX_PATH + 1] = {};
  if (FAILED(SHGetFolderPathA(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, buffer))) {
    return {};
  }
  return ProgramText(buffer);
}

std::string ErrorText(DWORD error) {
  char* buffer = nullptr;
  const DWORD length = FormatMessageA(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, error, 0, reinterpret_cast<char*>(&buffer), 0, nullptr);
  std::string text;
  if (length > 0 && buffer != nullptr) {
    text = ProgramText(std::string_view(buffer, length));
  }
  LocalFree(buffer);
  while (!text.empty() &&
         (text.back() == '\n' || text.back() == '\r' || text.back() == ' ' || text.back() == '.')) {
    text.pop_back();
  }
  if (text.empty()) {
    text = "system error " + std::to_string(error);
  }
  return text;
}

}  // namespace pictavue::win32
