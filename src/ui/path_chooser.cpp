#include "ui/path_chooser.h"

#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>

#include "platform/path_style.h"

namespace pictavue {

std::unique_ptr<QFileDialog> MakeFolderDialog(QWidget* owner, const std::string& title,
                                              const std::string& initial_folder) {
  auto dialog = std::make_unique<QFileDialog>(owner, QString::fromStdString(title));
  dialog->setObjectName(QStringLiteral("BrowseForFolder"));
  dialog->setFileMode(QFileDialog::Directory);
  dialog->setOption(QFileDialog::ShowDirsOnly);
  dialog->setDirectory(initial_folder.empty() ? QDir::homePath()
                                              : QString::fromStdString(initial_folder));
  return dialog;
}

std::unique_ptr<QFileDialog> MakeFileDialog(QWidget* owner, const std::vector<FileFilter>& filters,
                                            const std::string& initial_folder) {
  auto dialog = std::make_unique<QFileDialog>(owner);
  dialog->setObjectName(QStringLiteral("ChooseFile"));
  dialog->setFileMode(QFileDialog::ExistingFile);
  dialog->setAcceptMode(QFileDialog::AcceptOpen);
  if (!initial_folder.empty()) {
    dialog->setDirectory(QString::fromStdString(initial_folder));
  }
  QStringList name_filters;
  for (const FileFilter& filter : filters) {
    name_filters << QString::fromStdString(QtNameFilter(filter, NativePathStyle()));
  }
  if (NativePathStyle() == PathStyle::kPosix) {
    // The descriptions already say what they list; the "*" that POSIX names need is not shown.
    dialog->setOption(QFileDialog::HideNameFilterDetails);
    auto* executables = new ExecutableFilter(dialog.get());
    dialog->setProxyModel(executables);
    QFileDialog* const chooser = dialog.get();
    // With the details hidden the dialog names the chosen entry by its description alone.
    const auto follow_filter = [chooser, executables, filters, name_filters] {
      const QString chosen = chooser->selectedNameFilter();
      bool programs = false;
      for (std::size_t i = 0; i < filters.size(); ++i) {
        if (chosen == name_filters.at(static_cast<qsizetype>(i)) ||
            chosen == QString::fromStdString(filters[i].description)) {
          programs = filters[i].pattern == kProgramPattern;
          break;
        }
      }
      executables->SetActive(programs);
    };
    QObject::connect(chooser, &QFileDialog::filterSelected, executables, follow_filter);
    dialog->setNameFilters(name_filters);
    follow_filter();
    return dialog;
  }
  dialog->setNameFilters(name_filters);
  return dialog;
}

std::string ChosenPath(const QFileDialog& dialog) {
  const QStringList chosen = dialog.selectedFiles();
  if (dialog.result() != QDialog::Accepted || chosen.isEmpty()) {
    return {};
  }
  return QDir::toNativeSeparators(chosen.front()).toStdString();
}

std::string QtPathChooser::BrowseForFolder(QWidget* owner, const std::string& title,
                                           const std::string& initial_folder) {
  const auto dialog = MakeFolderDialog(owner, title, initial_folder);
  dialog->exec();
  return ChosenPath(*dialog);
}

std::string QtPathChooser::ChooseFile(QWidget* owner, const std::vector<FileFilter>& filters,
                                      const std::string& initial_folder) {
  const auto dialog = MakeFileDialog(owner, filters, initial_folder);
  dialog->exec();
  return ChosenPath(*dialog);
}

void ExecutableFilter::SetActive(bool active) {
  if (active != active_) {
    active_ = active;
    invalidateFilter();
  }
}

bool ExecutableFilter::filterAcceptsRow(int source_row, const QModelIndex& source_parent) const {
  if (!active_) {
    return true;
  }
  const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
  if (files == nullptr) {
    return true;
  }
  const QFileInfo info = files->fileInfo(files->index(source_row, 0, source_parent));
  return info.isDir() || info.isExecutable();
}

}  // namespace pictavue
