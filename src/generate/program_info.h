#pragma once

#include <string>

namespace pictavue {

// Facts about the program shown by the pages, the About window and --version.

inline constexpr char kProductName[] = "Pictavue";

struct ProgramVersion {
  int Major = 0;
  int Minor = 0;
  int Revision = 0;
};

inline constexpr ProgramVersion kProgramVersion{1, 26, 0};

inline constexpr char kLegalNotice[] = "Copyright (C) 2026 The Pictavue developers";

// Major "." minor in at least two digits, then "." revision only when the revision is above 0:
// 1.26.0 reads "1.26", 1.5.2 reads "1.05.2".
std::string VersionText(const ProgramVersion& version);

}  // namespace pictavue
