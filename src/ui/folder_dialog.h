#pragma once

#include <string>

class QWidget;

namespace pictavue {

// The folder chooser: opens with initial selected when it names a folder (an empty text opens
// without a preselection) and returns the chosen folder, or the empty text when the user
// cancels. Only folders of the file system can be chosen.
std::string BrowseForFolder(const std::string& title, QWidget* owner, const std::string& initial);

}  // namespace pictavue
