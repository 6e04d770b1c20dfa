#pragma once

#include <QSortFilterProxyModel>
#include <memory>
#include <string>
#include <vector>

#include "ui/rules/browse_rules.h"

class QFileDialog;
class QWidget;

namespace pictavue {

// The system's folder and file choosers, behind an interface so that the windows' tests give the
// answers. Each returns the chosen path, or the empty text when the user cancels.
class PathChooser {
 public:
  virtual ~PathChooser() = default;

  // A folder of the file system; initial_folder (when not empty) is selected at the start.
  virtual std::string BrowseForFolder(QWidget* owner, const std::string& title,
                                      const std::string& initial_folder) = 0;

  // An existing file, listed through filters (the first is chosen at the start), starting in
  // initial_folder when it is not empty.
  virtual std::string ChooseFile(QWidget* owner, const std::vector<FileFilter>& filters,
                                 const std::string& initial_folder) = 0;
};

// Qt's file dialogs, the platform's own where it has them.
class QtPathChooser final : public PathChooser {
 public:
  std::string BrowseForFolder(QWidget* owner, const std::string& title,
                              const std::string& initial_folder) override;
  std::string ChooseFile(QWidget* owner, const std::vector<FileFilter>& filters,
                         const std::string& initial_folder) override;
};

// The dialogs of QtPathChooser, made but not shown, so that tests can look inside them.
std::unique_ptr<QFileDialog> MakeFolderDialog(QWidget* owner, const std::string& title,
                                              const std::string& initial_folder);
std::unique_ptr<QFileDialog> MakeFileDialog(QWidget* owner, const std::vector<FileFilter>& filters,
                                            const std::string& initial_folder);

// The chosen path of a dialog that has ended: empty unless it was accepted with one.
std::string ChosenPath(const QFileDialog& dialog);

// Narrows a file dialog's list to folders and files that may be run, while active: POSIX names
// programs by their execute permission, not by an extension.
class ExecutableFilter final : public QSortFilterProxyModel {
  Q_OBJECT

 public:
  using QSortFilterProxyModel::QSortFilterProxyModel;

  void SetActive(bool active);

 protected:
  bool filterAcceptsRow(int source_row, const QModelIndex& source_parent) const override;

 private:
  bool active_ = true;
};

}  // namespace pictavue
