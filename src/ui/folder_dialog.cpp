#include "ui/folder_dialog.h"

#include "ui/path_chooser.h"

namespace pictavue {

std::string BrowseForFolder(const std::string& title, QWidget* owner, const std::string& initial) {
  return QtPathChooser().BrowseForFolder(owner, title, initial);
}

}  // namespace pictavue
