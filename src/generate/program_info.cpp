#include "generate/program_info.h"

namespace pictavue {

std::string VersionText(const ProgramVersion& version) {
  std::string text = std::to_string(version.Major) + ".";
  if (version.Minor >= 0 && version.Minor < 10) {
    text += '0';
  }
  text += std::to_string(version.Minor);
  if (version.Revision > 0) {
    text += "." + std::to_string(version.Revision);
  }
  return text;
}

}  // namespace pictavue
