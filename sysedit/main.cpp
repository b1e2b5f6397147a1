#include <QApplication>
#include <QMainWindow>

#include "sysedit/document/catalogues.h"
#include "sysedit/ui/editor_app.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName("Velmarith-Systemeditor");
  const std::filesystem::path executableFolder =
      QCoreApplication::applicationDirPath().toStdString();
  std::unique_ptr<EditorApp> editor = CreateEditor(EditorFolder(executableFolder));
  editor->window->show();
  return QApplication::exec();
}
