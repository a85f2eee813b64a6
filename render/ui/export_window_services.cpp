#include "render/ui/export_window_services.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QUrl>

namespace tagpress {

namespace {

std::optional<QString> BrowseWithFileDialog(QWidget* parent, const QString& title, const QString& folder) {
  // A folder that does not exist (yet) is not preselected.
  const QString start = QFileInfo(folder).isDir() ? folder : QString();
  const QString chosen = QFileDialog::getExistingDirectory(parent, title, start, QFileDialog::ShowDirsOnly);
  if (chosen.isEmpty()) return std::nullopt;
  return chosen;
}

}  // namespace

ExportWindowServices DesktopExportWindowServices() {
  ExportWindowServices services;
  services.BrowseForFolder = BrowseWithFileDialog;
  services.OpenFolder = [](const QString& folder) { QDesktopServices::openUrl(QUrl::fromLocalFile(folder)); };
  services.ShowError = [](QWidget* parent, const QString& text) {
    QMessageBox::critical(parent, QStringLiteral("错误"), text);
  };
  services.Today = [] { return QDate::currentDate(); };
  services.HomeFolder = QDir::homePath();
  return services;
}

}  // namespace tagpress
