// The parts embedded in the main window, reached through its actions: the
// data page, the export window and the information windows.
#include <QApplication>
#include <QPushButton>
#include <QTextBrowser>

#include "app/status_bar.h"
#include "data/ui/data_page.h"
#include "info/help_window.h"
#include "info/news_page.h"
#include "render/ui/export_window.h"
#include "tests/app_ui/window_fixture.h"
#include "tests/support/widget_application.h"

namespace tagpress::testing {
namespace {

using test_support::AnswerNextModal;

class WindowPartsTest : public WindowTest {
 protected:
  QAction& Action(const char* name) { return Find<QAction>(name); }
};

TEST_F(WindowPartsTest, DataPageImportsThroughTheWindowsAction) {
  Tfrm_Main& window = OpenWindow();
  QWidget* page = window.Pages().widget(kDataPage);
  EXPECT_EQ(page->objectName(), QStringLiteral("tsData"));
  EXPECT_EQ(page->findChild<DataPage*>(), &window.Data());
  EXPECT_EQ(window.StatusBar().PanelText(1), QStringLiteral("条码区数量：0 条"));

  const std::string data = dir_.Write("in.txt", "111\r\n222,a,b\r\n333\r\n");
  int asked = 0;
  window.Data().ChooseFile = [&](const FileDialogRequest& request) {
    ++asked;
    EXPECT_FALSE(request.Save);
    return QString::fromStdString(data);
  };
  Action("ActionImportData").trigger();
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(window.Records().RecordCount(), 3);
  EXPECT_EQ(window.StatusBar().PanelText(1), QStringLiteral("条码区数量：3 条"));

  // Saving goes through the same page.
  const std::string saved = dir_.File("out.txt");
  window.Data().ChooseFile = [&](const FileDialogRequest&) { return QString::fromStdString(saved); };
  Action("ActionOutputData").trigger();
  EXPECT_EQ(TempDir::Read(saved), "111,,\r\n222,a,b\r\n333,,\r\n");

  // Generated serial numbers are appended; the progress panel ends empty.
  Find<QLineEdit>("edtLSHStart").setText(QStringLiteral("A001"));
  Find<QSpinBox>("edtLSHSum").setValue(2);
  Find<QSpinBox>("edtLSHTimes").setValue(1);
  Find<QPushButton>("btnProduct").click();
  EXPECT_EQ(window.Records().RecordCount(), 5);
  EXPECT_EQ(window.StatusBar().PanelText(1), QStringLiteral("条码区数量：5 条"));
  EXPECT_EQ(window.StatusBar().PanelText(2), QString());
}

TEST_F(WindowPartsTest, ExportActionOpensTheExportWindowOverTheRecords) {
  Tfrm_Main& window = OpenWindow();
  window.Records().LinesToRecords({"111", "222"});
  QString shown;
  int rows = -1;
  AnswerNextModal([&](QWidget* modal) {
    shown = modal->objectName();
    if (auto* export_window = qobject_cast<TForm_ExportBarcode*>(modal)) {
      rows = static_cast<int>(export_window->Rows().size());
    }
    if (auto* close = modal->findChild<QPushButton*>(QStringLiteral("Button2"))) close->click();
  });
  Action("ActionExportBarcode").trigger();
  EXPECT_EQ(shown, QStringLiteral("Form_ExportBarcode"));
  EXPECT_EQ(rows, 2);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

// The modal windows of the help menu: each opens over the main window and
// closes with its own button or its close box.
TEST_F(WindowPartsTest, AboutAndUserNotesOpenModallyAndClose) {
  struct Case {
    const char* action;
    const char* window;
    bool close_button_shown;
  };
  static const Case kCases[] = {
      /* 0 */ {"ActionAbout", "frm_AboutUs", true},
      /* 1 */ {"ActionUserNeed", "frm_Tip", false},
  };
  Tfrm_Main& window = OpenWindow();
  for (size_t i = 0; i < std::size(kCases); ++i) {
    SCOPED_TRACE(i);
    QString shown;
    bool button_visible = false;
    AnswerNextModal([&](QWidget* modal) {
      shown = modal->objectName();
      auto* close = modal->findChild<QPushButton*>(QStringLiteral("Button1"));
      button_visible = close && close->isVisible();
      if (button_visible)
        close->click();
      else
        modal->close();
    });
    Action(kCases[i].action).trigger();
    EXPECT_EQ(shown, QString::fromLatin1(kCases[i].window));
    EXPECT_EQ(button_visible, kCases[i].close_button_shown);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  }
  EXPECT_TRUE(window.isVisible());
}

TEST_F(WindowPartsTest, HelpWindowIsKeptHiddenUntilAskedAndShowsTheManual) {
  Tfrm_Main& window = OpenWindow();
  Tfrm_Help& help = window.Help();
  EXPECT_FALSE(help.isVisible());
  Action("ActionHelp").trigger();
  EXPECT_TRUE(help.isVisible());
  EXPECT_EQ(help.wbHelp()->source().fileName(), QStringLiteral("index.htm"));
  EXPECT_FALSE(help.wbHelp()->toPlainText().isEmpty());
  help.close();  // only hides it
  EXPECT_EQ(&window.Help(), &help);
  EXPECT_FALSE(help.isVisible());
}

TEST_F(WindowPartsTest, NewsPageLoadsWhenFirstShownAndOnTheNewsCommand) {
  Tfrm_Main& window = OpenWindow();
  NewsPage& news = window.News();
  EXPECT_EQ(window.Pages().widget(kNewsPage), &news);
  EXPECT_FALSE(news.HasLocation());
  window.Pages().setCurrentIndex(kNewsPage);
  EXPECT_EQ(news.wbNews()->source().fileName(), QStringLiteral("news.htm"));

  // The command comes back to the page from anywhere and clears its progress text.
  window.Pages().setCurrentIndex(kDesignPage);
  news.wbNews()->setSource(QUrl());
  Action("ActionWeb").trigger();
  EXPECT_EQ(window.Pages().currentIndex(), kNewsPage);
  EXPECT_EQ(news.wbNews()->source().fileName(), QStringLiteral("news.htm"));
  EXPECT_EQ(window.StatusBar().PanelText(2), QString());
}

}  // namespace
}  // namespace tagpress::testing
