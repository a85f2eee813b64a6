#include "platform/qt/font_substitutions.h"

#include <QFont>
#include <QStringList>
#include <mutex>

namespace tagpress {

void InstallFontSubstitutions() {
  static std::once_flag installed;
  std::call_once(installed, [] {
    const QStringList song = {QStringLiteral("AR PL UMing CN"), QStringLiteral("Noto Serif CJK SC")};
    QFont::insertSubstitutions(QString::fromUtf8("宋体"), song);
    QFont::insertSubstitutions(QStringLiteral("SimSun"), song);
    QFont::insertSubstitutions(QStringLiteral("OCR-B 10 BT"), {QStringLiteral("OCR B")});
  });
}

}  // namespace tagpress
