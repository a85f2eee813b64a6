#include "info/help_dir.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace tagpress {

QString HelpDir() {
  const QString app_dir = QCoreApplication::applicationDirPath();
  const QString candidates[] = {
      app_dir + QStringLiteral("/Help/"),
      app_dir + QStringLiteral("/../share/tagpress/Help/"),
      QStringLiteral(TAGPRESS_SOURCE_HELP_DIR "/"),
  };
  for (const QString& dir : candidates)
    if (QFileInfo::exists(dir + QStringLiteral("index.htm"))) return QDir::cleanPath(dir) + QLatin1Char('/');
  return candidates[0];
}

QUrl HelpPageUrl(const QString& help_dir, const QString& page) {
  return QUrl::fromLocalFile(help_dir + page);
}

}  // namespace tagpress
