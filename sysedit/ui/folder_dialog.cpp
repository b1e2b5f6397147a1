#include "sysedit/ui/folder_dialog.h"

#include <dirent.h>

#include <algorithm>

#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "formats/latin1.h"
#include "sysedit/ui/controls.h"

std::vector<std::string> ListSystemFolders(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  // readdir keeps the file system's own order, which the dialog shows unsorted.
  DIR* dir = opendir(folder.c_str());
  if (!dir) return names;
  while (const dirent* entry = readdir(dir)) {
    const std::string name = entry->d_name;
    if (name == "." || name == "..") continue;
    std::error_code error;
    if (!std::filesystem::is_directory(folder / name, error)) continue;
    bool exact = true;
    std::string latin1 = Utf8ToLatin1(name, &exact);
    if (exact) names.push_back(std::move(latin1));
  }
  closedir(dir);
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    const int order = FromLatin1(a).compare(FromLatin1(b), Qt::CaseInsensitive);
    return order != 0 ? order < 0 : a < b;
  });
  return names;
}

namespace {

// A name that stays one folder directly below the editor's folder.
bool IsUsableFolderName(const QString& name) {
  if (name.isEmpty() || name == "." || name == "..") return false;
  if (name.contains('/') || name.contains('\\')) return false;
  for (const QChar c : name) {
    if (c.unicode() > 0xff || c.unicode() < 0x20) return false;
  }
  return true;
}

}  // namespace

std::string RunFolderDialog(QWidget* window, const std::filesystem::path& folder,
                            FolderDialogKind kind, const std::string& current) {
  const bool save = kind == FolderDialogKind::kSave;
  const char* title = save ? "Speichern" : "Laden";
  QDialog dialog(window, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                             Qt::WindowCloseButtonHint);
  dialog.setObjectName(save ? "SaveFolderDialog" : "LoadFolderDialog");
  dialog.setWindowTitle(QString::fromUtf8(title));
  dialog.setFixedSize(200, 200);
  if (window) dialog.move(window->frameGeometry().topLeft());

  QListWidget* list = PutList(&dialog, 10, 10, 180, 120);
  QLineEdit* name = PutField(&dialog, 10, 140, 180, 20);
  QPushButton* button = PutButton(&dialog, title, 10, 170, 180, 20);
  button->setDefault(true);
  for (const std::string& entry : ListSystemFolders(folder)) list->addItem(FromLatin1(entry));

  const QList<QListWidgetItem*> start = list->findItems(FromLatin1(current), Qt::MatchExactly);
  if (!start.isEmpty()) list->setCurrentItem(start.front());
  name->setText(FromLatin1(current));
  QObject::connect(list, &QListWidget::currentTextChanged, name, &QLineEdit::setText);
  QObject::connect(list, &QListWidget::itemDoubleClicked, button, &QPushButton::click);
  const auto check = [name, button] { button->setEnabled(IsUsableFolderName(name->text())); };
  QObject::connect(name, &QLineEdit::textChanged, &dialog, check);
  QObject::connect(button, &QPushButton::clicked, &dialog, &QDialog::accept);
  check();
  name->setFocus();

  if (dialog.exec() != QDialog::Accepted || !IsUsableFolderName(name->text())) return {};
  return ToLatin1(name->text());
}
