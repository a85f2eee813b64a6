#include "info/help_window.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QFileInfo>
#include <QPushButton>
#include <QTabWidget>
#include <QTextBrowser>
#include <QToolBar>

#include "info/help_dir.h"
#include "info/news_page.h"
#include "info/tip_window.h"
#include "tests/support/temp_dir.h"
#include "tests/support/widget_application.h"

namespace tagpress {
namespace {

class HelpWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test_support::EnsureWidgetApplication();
    dir.Write("index.htm", "<html><body><h1>index</h1><a href=\"page.htm\">page</a></body></html>");
    dir.Write("page.htm", "<html><body><h1>page</h1></body></html>");
    dir.Write("faq.htm", "<html><body><h1>faq</h1></body></html>");
    dir.Write("news.htm", "<html><body><h1>news</h1></body></html>");
    help_dir = QString::fromStdString(dir.path().string()) + "/";
  }

  QString FileOf(const QTextBrowser* view) const { return view->source().fileName(); }

  testing::TempDir dir;
  QString help_dir;
};

TEST_F(HelpWindowTest, ShowHelpFallsBackToTheIndex) {
  Tfrm_Help help(help_dir);
  EXPECT_EQ(help.windowTitle(), QStringLiteral("帮助您解决问题..."));
  struct Case {
    const char* page;
    const char* shown;
  };
  static const Case kCases[] = {
      /* 0 */ {"page.htm", "page.htm"},
      /* 1 */ {"missing.htm", "index.htm"},
      /* 2 */ {"", "index.htm"},
  };
  for (size_t i = 0; i < std::size(kCases); ++i) {
    SCOPED_TRACE(i);
    help.pcPage()->setCurrentIndex(1);
    help.ShowHelp(QString::fromLatin1(kCases[i].page));
    EXPECT_TRUE(help.isVisible());
    EXPECT_EQ(help.pcPage()->currentWidget(), help.wbHelp());
    EXPECT_EQ(FileOf(help.wbHelp()), kCases[i].shown);
  }
  EXPECT_TRUE(help.wbHelp()->toPlainText().contains("index"));
}

TEST_F(HelpWindowTest, ToolbarAndQuestionsPage) {
  Tfrm_Help help(help_dir);
  QStringList captions;
  for (QAction* action : help.findChild<QToolBar*>("ToolBar1")->actions())
    captions << (action->isSeparator() ? QStringLiteral("|") : action->text());
  EXPECT_EQ(captions, (QStringList{"目录", "|", "后退", "前进", "停止", "|", "刷新", "|", "关闭"}));
  EXPECT_EQ(help.pcPage()->tabText(0), QStringLiteral("操作手册"));
  EXPECT_EQ(help.pcPage()->tabText(1), QStringLiteral("最新问答"));

  help.ShowHelp("page.htm");
  help.findChild<QAction*>("btnContents")->trigger();
  EXPECT_EQ(FileOf(help.wbHelp()), "index.htm");
  help.findChild<QAction*>("btnBack")->trigger();
  EXPECT_EQ(FileOf(help.wbHelp()), "page.htm");

  // The questions page loads when its page is first selected.
  EXPECT_TRUE(help.wbFAQ()->source().isEmpty());
  help.pcPage()->setCurrentIndex(1);
  EXPECT_EQ(FileOf(help.wbFAQ()), kQuestionsPageFile);

  // "关闭" only hides the window.
  help.findChild<QAction*>("btnClose")->trigger();
  EXPECT_FALSE(help.isVisible());
}

TEST_F(HelpWindowTest, NewsPageNavigatesOnRequest) {
  NewsPage news(help_dir);
  EXPECT_FALSE(news.HasLocation());
  news.Navigate();
  EXPECT_TRUE(news.HasLocation());
  EXPECT_EQ(FileOf(news.wbNews()), kNewsPageFile);
  EXPECT_TRUE(news.wbNews()->toPlainText().contains("news"));
}

TEST(TipWindowTest, PagesAndShellText) {
  test_support::EnsureWidgetApplication();
  Tfrm_Tip tip;
  EXPECT_EQ(tip.windowTitle(), QStringLiteral("用户必看内容..."));
  EXPECT_EQ(tip.size(), QSize(585, 395));
  auto* pages = tip.findChild<QTabWidget*>("pcTip");
  ASSERT_NE(pages, nullptr);
  EXPECT_EQ(pages->tabText(0), QStringLiteral("重要说明"));
  EXPECT_EQ(pages->tabText(1), QStringLiteral("外部(Shell)调用"));
  const QStringList lines = Tfrm_Tip::ShellLines();
  ASSERT_EQ(lines.size(), 22);
  EXPECT_EQ(lines[6], QStringLiteral("    <本软件主程序文件> [数据文件] [模板文件] [-p] [-d] [-h]"));
  EXPECT_EQ(lines[16], QStringLiteral("    ..\\tagpress.exe  c:\\data.csv  -p  -h"));
  EXPECT_TRUE(lines[14].isEmpty());
  EXPECT_EQ(tip.findChild<QPushButton*>("btnClose")->text(), QStringLiteral("关闭(&C)"));
}

TEST(HelpDirTest, FindsTheManualOfTheSourceTree) {
  test_support::EnsureWidgetApplication();
  EXPECT_TRUE(QFileInfo::exists(HelpDir() + "index.htm"));
  EXPECT_TRUE(HelpDir().endsWith('/'));
}

}  // namespace
}  // namespace tagpress
