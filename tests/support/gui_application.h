#pragma once
// Qt's font and painting machinery needs a QGuiApplication; tests that draw
// text on Qt surfaces call this first (QT_QPA_PLATFORM=offscreen is set by
// the test runner).

#include <QGuiApplication>

namespace tagpress::test_support {

inline void EnsureGuiApplication() {
  static int argc = 1;
  static char name[] = "tagpress-tests";
  static char* argv[] = {name, nullptr};
  static QGuiApplication application(argc, argv);
}

}  // namespace tagpress::test_support
