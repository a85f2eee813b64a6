#pragma once
// The folders the export window proposes for the images: a date-named folder
// in the user's home folder, or one beside the template file.

#include <QDate>
#include <QString>
#include <string>

namespace tagpress {

// The date in the locale's short form, as part of a folder name: the
// characters that would split it into folders ("2026/12/11") become "-".
QString FolderDateText(const QDate& date, const QLocale& locale);

// `root` + "/条码图像_" + the date + "/".
QString DefaultExportFolder(const QString& root, const QString& date_text);

// The folder of `template_file` + "条码图像" + the date + "/", or empty when
// no such file exists.
QString TemplateExportFolder(const std::string& template_file, const QString& date_text);

// `folder` with a "/" at its end (an empty folder stays empty).
QString WithTrailingSlash(const QString& folder);

}  // namespace tagpress
