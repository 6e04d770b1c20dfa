#include "generate/program_info.h"

#include "generate/html_text.h"

namespace pictavue {

std::string VersionText(const ProgramVersion& version) {
  std::string text;
  AppendDecimal(text, version.Major);
  text += '.';
  if (version.Minor >= 0 && version.Minor < 10) {
    text += '0';
  }
  AppendDecimal(text, version.Minor);
  if (version.Revision > 0) {
    text += '.';
    AppendDecimal(text, version.Revision);
  }
  return text;
}

}  // namespace pictavue
