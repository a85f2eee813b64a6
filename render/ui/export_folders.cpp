#include "render/ui/export_folders.h"

#include <QFileInfo>
#include <QLocale>

namespace tagpress {

QString FolderDateText(const QDate& date, const QLocale& locale) {
  QString text = locale.toString(date, QLocale::ShortFormat);
  text.replace(QLatin1Char('/'), QLatin1Char('-'));
  text.replace(QLatin1Char('\\'), QLatin1Char('-'));
  return text;
}

QString DefaultExportFolder(const QString& root, const QString& date_text) {
  return WithTrailingSlash(root) + QStringLiteral("条码图像_") + date_text + QLatin1Char('/');
}

QString TemplateExportFolder(const std::string& template_file, const QString& date_text) {
  if (template_file.empty()) return {};
  const QFileInfo file(QString::fromStdString(template_file));
  if (!file.isFile()) return {};
  return WithTrailingSlash(file.absolutePath()) + QStringLiteral("条码图像") + date_text + QLatin1Char('/');
}

QString WithTrailingSlash(const QString& folder) {
  if (folder.isEmpty() || folder.endsWith(QLatin1Char('/'))) return folder;
  return folder + QLatin1Char('/');
}

}  // namespace tagpress
