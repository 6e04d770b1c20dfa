#include "ui/folder_dialog.h"

#include <QDir>
#include <QFileDialog>

namespace pictavue {

std::string BrowseForFolder(const std::string& title, QWidget* owner, const std::string& initial) {
  const QString chosen =
      QFileDialog::getExistingDirectory(owner, QString::fromStdString(title),
                                        QString::fromStdString(initial), QFileDialog::ShowDirsOnly);
  return QDir::toNativeSeparators(chosen).toStdString();
}

}  // namespace pictavue
