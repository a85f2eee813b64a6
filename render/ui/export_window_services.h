#pragma once
// What the export window asks of the desktop: the folder chooser, the file
// browser, error messages, today's date and the home folder. The program
// takes the desktop's own; tests answer them.

#include <QDate>
#include <QString>
#include <functional>
#include <optional>

class QWidget;

namespace tagpress {

struct ExportWindowServices {
  // The folder chooser with `title`, `folder` preselected when it exists;
  // the chosen folder, or nothing when cancelled.
  std::function<std::optional<QString>(QWidget* parent, const QString& title, const QString& folder)>
      BrowseForFolder;
  // Shows `folder` in the desktop's file browser.
  std::function<void(const QString& folder)> OpenFolder;
  // A failure that stops a run before its first row.
  std::function<void(QWidget* parent, const QString& text)> ShowError;
  std::function<QDate()> Today;
  // Where the date-named default folder is proposed.
  QString HomeFolder;
};

// The desktop's folder dialog, file browser and message box, the clock, and
// the user's home folder.
ExportWindowServices DesktopExportWindowServices();

}  // namespace tagpress
