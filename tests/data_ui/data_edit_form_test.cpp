#include "data/ui/data_edit_form.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>

#include "platform/text_codec.h"
#include "tests/support/widget_application.h"

namespace tagpress {
namespace {

TEST(DataEditFormTest, LinesOfTheTextBox) {
  test_support::EnsureWidgetApplication();
  struct Case {
    const char* text;
    TextLines lines;
  };
  static const Case kCases[] = {
      /* 0 */ {"", {}},
      /* 1 */ {"a", {"a"}},
      // A line end after the last line adds no empty record.
      /* 2 */ {"a\nb\n", {"a", "b"}},
      /* 3 */ {"a\n\nb", {"a", "", "b"}},
  };
  TForm_DataEdit form;
  for (size_t i = 0; i < std::size(kCases); ++i) {
    SCOPED_TRACE(i);
    form.memData()->setPlainText(kCases[i].text);
    EXPECT_EQ(form.Lines(), kCases[i].lines);
  }
  form.SetLines({GBK("1,苹果,"), "2"});
  EXPECT_EQ(form.memData()->toPlainText(), QStringLiteral("1,苹果,\n2"));
  EXPECT_EQ(form.Lines(), (TextLines{GBK("1,苹果,"), "2"}));
}

TEST(DataEditFormTest, CopyAndPasteGoThroughTheClipboard) {
  test_support::EnsureWidgetApplication();
  TForm_DataEdit form;
  form.memData()->setPlainText("abc");
  form.memData()->selectAll();
  form.findChild<QPushButton*>("btnCopy")->click();
  EXPECT_EQ(QApplication::clipboard()->text(), "abc");
  QApplication::clipboard()->setText("XY");
  QTextCursor cursor = form.memData()->textCursor();
  cursor.setPosition(1);
  cursor.setPosition(2, QTextCursor::KeepAnchor);  // "b" selected: the paste replaces it
  form.memData()->setTextCursor(cursor);
  form.findChild<QPushButton*>("btnPaste")->click();
  EXPECT_EQ(form.memData()->toPlainText(), "aXYc");
  EXPECT_EQ(form.size(), QSize(TForm_DataEdit::kClientWidth, TForm_DataEdit::kClientHeight));
}

}  // namespace
}  // namespace tagpress
