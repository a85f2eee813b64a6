#pragma once
// Where the local manual lives.

#include <QString>
#include <QUrl>

namespace tagpress {

// The folder of the manual, ending in "/": "Help/" beside the executable,
// else the installed data folder (../share/tagpress/Help/ from it), else the
// manual of the source tree the program was built from. The first that holds
// index.htm wins; with none, the folder beside the executable.
QString HelpDir();

// The local pages that stand in for the maker's web pages.
inline constexpr const char* kQuestionsPageFile = "faq.htm";
inline constexpr const char* kNewsPageFile = "news.htm";

// A page of the manual in `help_dir` as a URL.
QUrl HelpPageUrl(const QString& help_dir, const QString& page);

}  // namespace tagpress
