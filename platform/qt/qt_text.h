#pragma once
// Core text (GBK bytes) to and from QString, for the windows.

#include <QString>
#include <string>
#include <string_view>

namespace tagpress {

QString QStringFromGbk(std::string_view gbk);
std::string GbkFromQString(const QString& text);

}  // namespace tagpress
