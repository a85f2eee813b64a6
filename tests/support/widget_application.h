#pragma once
// Window tests need a QApplication (QT_QPA_PLATFORM=offscreen is set by the
// test runner), and a way to answer the modal dialogs the code under test
// opens: AnswerNextModal runs a function on the next modal window as soon as
// it is shown, from the dialog's own event loop.

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>

#include "platform/qt/font_substitutions.h"

namespace tagpress::test_support {

inline void EnsureWidgetApplication() {
  static int argc = 1;
  static char name[] = "tagpress-tests";
  static char* argv[] = {name, nullptr};
  // Never destroyed: at exit Qt's own statics (input devices that the test
  // functions create) may already be gone when a static application would
  // delete its children.
  static QApplication* application = [] {
    auto* created = new QApplication(argc, argv);
    InstallFontSubstitutions();
    return created;
  }();
  (void)application;
}

// Calls `answer` with the first modal window that appears (polling every
// 10 ms, giving up after 5 s so that a missing dialog fails the test instead
// of hanging it).
inline void AnswerNextModal(std::function<void(QWidget*)> answer, int attempts = 500) {
  QTimer::singleShot(10, [answer = std::move(answer), attempts]() mutable {
    if (QWidget* modal = QApplication::activeModalWidget()) {
      answer(modal);
    } else if (attempts > 0) {
      AnswerNextModal(std::move(answer), attempts - 1);
    }
  });
}

}  // namespace tagpress::test_support
