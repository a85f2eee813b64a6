// The main window's shell: pages, actions, menus, captions, the working
// template and the template file commands.
#include <QCoreApplication>
#include <QFileDialog>
#include <QLabel>
#include <QMenuBar>
#include <QStatusTipEvent>
#include <QToolBar>

#include "app/status_bar.h"
#include "platform/qt/qt_text.h"
#include "platform/text_codec.h"
#include "platform/text_file.h"
#include "tests/app_ui/window_fixture.h"

namespace tagpress::testing {
namespace {

using MainWindowTest = WindowTest;

// The bytes of a default template with one text key changed.
std::string TemplateWith(const char* key, const std::string& value) {
  TBarcodeFile store;
  store.WriteText(key, value);
  TempDir dir;
  store.SaveToFile(dir.File("t.bcf"));
  return TempDir::Read(dir.File("t.bcf"));
}

TEST_F(MainWindowTest, PagesActionsMenusAndStatusBar) {
  Tfrm_Main& window = OpenWindow();
  QTabWidget& pages = window.Pages();
  ASSERT_EQ(pages.count(), 4);
  EXPECT_EQ(pages.tabText(0), QStringLiteral("第一步: 条码设计 "));
  EXPECT_EQ(pages.tabText(1), QStringLiteral("第二步: 准备条码数据 "));
  EXPECT_EQ(pages.tabText(2), QStringLiteral("第三步: 排版打印 "));
  EXPECT_EQ(pages.tabText(3), QStringLiteral("最新动态 "));
  EXPECT_TRUE(window.windowState() & Qt::WindowMaximized);
  EXPECT_EQ(window.font().family(), QStringLiteral("宋体"));
  EXPECT_EQ(window.font().pointSize(), 9);

  const MainActions& a = window.Actions();
  EXPECT_EQ(a.ActionPreview->text(), QStringLiteral("预览(&V)"));
  EXPECT_EQ(a.ActionPreview->toolTip(), QStringLiteral("预览标签设计及排版..."));
  EXPECT_EQ(a.ActionPreview->shortcut(), QKeySequence(Qt::Key_F12));
  EXPECT_EQ(a.ActionPreview->iconText(), QStringLiteral("预览"));
  EXPECT_EQ(a.ActionSave->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
  EXPECT_EQ(a.ActionSaveAs->text(), QStringLiteral("另存格式为(&A)..."));
  EXPECT_FALSE(a.ActionHelp->isVisible());

  const QList<QAction*> menus = window.menuBar()->actions();
  ASSERT_EQ(menus.size(), 3);
  EXPECT_EQ(menus[0]->text(), QStringLiteral("文件(&F)"));
  EXPECT_EQ(menus[1]->text(), QStringLiteral("操作(&O)"));
  EXPECT_EQ(menus[2]->text(), QStringLiteral("帮助(&H)"));
  const QList<QAction*> file = menus[0]->menu()->actions();
  ASSERT_EQ(file.size(), 6);
  EXPECT_EQ(file[3], a.ActionSaveAs);
  EXPECT_TRUE(file[4]->isSeparator());
  EXPECT_EQ(file[5], a.ActionQuit);

  auto* tool_bar = window.findChild<QToolBar*>(QStringLiteral("ToolBar1"));
  ASSERT_NE(tool_bar, nullptr);
  QStringList order;
  for (QAction* action : tool_bar->actions())
    order << (action->isSeparator() ? QStringLiteral("|") : action->objectName());
  EXPECT_EQ(
      order.join(QLatin1Char(' ')),
      QStringLiteral("ActionNew ActionOpen ActionSave | ActionPreview ActionPrint ActionExportBarcode | "
                     "ActionUserNeed | ActionAbout ActionWeb | ActionQuit ActionHelp "));
  EXPECT_EQ(window.findChild<QLabel*>(QStringLiteral("lblToolbarHint"))->text(),
            QStringLiteral(" 更改选项参数后，点击[预览]按钮看效果！"));

  // The hint of the control under the mouse reaches the first panel.
  QStatusTipEvent tip(QStringLiteral("条码块的高度"));
  QCoreApplication::sendEvent(&window, &tip);
  EXPECT_EQ(window.StatusBar().PanelText(0), QStringLiteral("条码块的高度"));
  window.SetStatusText(GBK("正在输出"));
  EXPECT_EQ(window.StatusBar().PanelText(2), QStringLiteral("正在输出"));
}

TEST_F(MainWindowTest, CaptionAfterStartAndAfterNew) {
  Tfrm_Main& window = OpenWindow();
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Lumo v1.6"));
  window.ActionNewExecute();
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Lumo v1.6 [新文件]"));
}

TEST_F(MainWindowTest, WorkingTemplateLoadedAtStartWithoutNameAndWrittenAtExit) {
  dir_.Write("Default.bct", TemplateWith("BarTextStart", "4711"));
  Tfrm_Main& window = OpenWindow();
  EXPECT_EQ(Find<QLineEdit>("edtBarTextStart").text(), QStringLiteral("4711"));
  EXPECT_TRUE(window.Store().FileName.empty());
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Lumo v1.6"));

  Find<QLineEdit>("edtBarTextStart").setText(QStringLiteral("0815"));
  CloseWindow();
  TBarcodeFile reread;
  reread.LoadFromFile(DefaultPath());
  EXPECT_EQ(reread.BarTextStart(), "0815");
}

TEST_F(MainWindowTest, MissingWorkingTemplateShowsDefaultsAndIsWrittenAtExit) {
  Tfrm_Main& window = OpenWindow();
  EXPECT_EQ(Find<QLineEdit>("edtBarTextStart").text(), QStringFromGbk(window.Store().BarTextStart()));
  CloseWindow();
  EXPECT_TRUE(FileExists(DefaultPath()));
}

TEST_F(MainWindowTest, DamagedWorkingTemplateIsReportedAndKept) {
  const std::string damaged = TemplateWith("UpTextFont", "Arial,x");
  dir_.Write("Default.bct", damaged);
  Tfrm_Main& window = OpenWindow();
  EXPECT_EQ(dialogs_->Count("error"), 0);  // not before the window is up
  window.ReportStartUpError();
  window.ReportStartUpError();
  EXPECT_EQ(dialogs_->Count("error"), 1);
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Lumo v1.6"));
  CloseWindow();
  EXPECT_EQ(TempDir::Read(DefaultPath()), damaged);  // what was read is written back unchanged
}

TEST_F(MainWindowTest, DefaultBctFromAnotherFolderKeepsTheFileName) {
  Tfrm_Main& window = OpenWindow();
  const std::string named = dir_.Write("named.bcf", TemplateWith("BarTextStart", "111"));
  window.OpenTemplateFile(named);
  std::filesystem::create_directory(dir_.path() / "other");
  const std::string other = dir_.Write("other/Default.bct", TemplateWith("BarTextStart", "222"));
  window.OpenTemplateFile(other);
  EXPECT_EQ(window.Store().BarTextStart(), "222");
  EXPECT_EQ(window.Store().FileName, named);
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Lumo v1.6 [%1]").arg(QString::fromStdString(named)));
}

TEST_F(MainWindowTest, OpenCommandLoadsAChosenFileButNotTheCurrentOneAgain) {
  Tfrm_Main& window = OpenWindow();
  const std::string named = dir_.Write("a.bcf", TemplateWith("BarTextStart", "111"));
  dialogs_->FileAnswers = {QString::fromStdString(named)};
  window.ActionOpenExecute();
  EXPECT_EQ(window.Store().FileName, named);
  EXPECT_EQ(dialogs_->Log.back().Text, QString::fromStdString(dir_.path().string()));  // start folder

  window.Store().SetBarTextStart("999");
  dialogs_->FileAnswers = {QString::fromStdString(named).toUpper()};
  window.ActionOpenExecute();
  EXPECT_EQ(window.Store().BarTextStart(), "999");  // the same file (letter case aside) is not reloaded
}

TEST_F(MainWindowTest, SaveOnANewTemplateWithTheDialogCancelledSavesNothing) {
  Tfrm_Main& window = OpenWindow();
  window.ActionNewExecute();
  window.Store().SetBarTextStart("1");
  window.ActionSaveExecute();  // no answer: cancelled
  EXPECT_TRUE(window.Store().FileName.empty());
  EXPECT_TRUE(window.Store().Modified());
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_.path()), {}), 0);
}

TEST_F(MainWindowTest, SaveOnANewTemplateNamesIt) {
  Tfrm_Main& window = OpenWindow();
  window.ActionNewExecute();
  window.Store().SetBarTextStart("1");
  const std::string chosen = dir_.File("new.bcf");
  dialogs_->FileAnswers = {QString::fromStdString(chosen)};
  window.ActionSaveExecute();
  EXPECT_EQ(window.Store().FileName, chosen);
  EXPECT_TRUE(FileExists(chosen));
  EXPECT_TRUE(window.Store().Modified());
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Lumo v1.6 [%1]").arg(QString::fromStdString(chosen)));
}

TEST_F(MainWindowTest, SaveOnANamedTemplateWritesItsOwnFile) {
  Tfrm_Main& window = OpenWindow();
  const std::string named = dir_.Write("own.bcf", TemplateWith("BarTextStart", "1"));
  window.OpenTemplateFile(named);
  window.Store().SetBarTextStart("2");
  dialogs_->FileAnswers = {QString::fromStdString(dir_.File("elsewhere.bcf"))};
  window.ActionSaveExecute();
  EXPECT_FALSE(FileExists(dir_.File("elsewhere.bcf")));
  TBarcodeFile reread;
  reread.LoadFromFile(named);
  EXPECT_EQ(reread.BarTextStart(), "2");
  EXPECT_FALSE(window.Store().Modified());
}

TEST_F(MainWindowTest, SaveAsLeavesNameCaptionAndModified) {
  Tfrm_Main& window = OpenWindow();
  const std::string named = dir_.Write("own.bcf", TemplateWith("BarTextStart", "1"));
  window.OpenTemplateFile(named);
  window.Store().SetBarTextStart("3");
  const QString caption = window.windowTitle();
  dialogs_->FileAnswers = {QString::fromStdString(dir_.File("copy.bcf"))};
  window.ActionSaveAsExecute();
  TBarcodeFile copy;
  copy.LoadFromFile(dir_.File("copy.bcf"));
  EXPECT_EQ(copy.BarTextStart(), "3");
  EXPECT_EQ(window.Store().FileName, named);
  EXPECT_EQ(window.windowTitle(), caption);
  EXPECT_TRUE(window.Store().Modified());
}

TEST_F(MainWindowTest, NewAsksAboutAModifiedTemplate) {
  struct Case {
    Answer answer;
    bool named;       // the template has a file
    QString save_as;  // the save dialog's answer for a new template; empty cancels
    bool reset;       // the store was reset
    bool saved;       // the template's file (or the chosen one) got the change
  };
  const Case kCases[] = {
      /* 0 */ {Answer::Cancel, true, "", false, false},
      /* 1 */ {Answer::No, true, "", true, false},
      /* 2 */ {Answer::Yes, true, "", true, true},
      /* 3 a new template asks for a name */ {Answer::Yes, false, "chosen", true, true},
      /* 4 ... and keeps the design when that is cancelled */ {Answer::Yes, false, "", false, false},
  };
  for (size_t i = 0; i < std::size(kCases); ++i) {
    SCOPED_TRACE(i);
    const Case& c = kCases[i];
    Tfrm_Main& window = OpenWindow();
    const std::string file = dir_.Write("m.bcf", TemplateWith("BarTextStart", "1"));
    if (c.named) {
      window.OpenTemplateFile(file);
    } else {
      window.ActionNewExecute();
      if (!c.save_as.isEmpty()) dialogs_->FileAnswers = {QString::fromStdString(file)};
    }
    window.Store().SetBarTextStart("5");
    dialogs_->Answers = {c.answer};
    window.ActionNewExecute();
    ASSERT_EQ(dialogs_->Count("yes-no-cancel"), 1);
    EXPECT_EQ(dialogs_->Last("yes-no-cancel").Caption, QStringLiteral("保存"));
    EXPECT_EQ(dialogs_->Last("yes-no-cancel").Text, QStringLiteral("文件已经被修改，是否保存？"));
    EXPECT_EQ(window.Store().Modified(), !c.reset);
    if (c.reset) {
      EXPECT_TRUE(window.Store().FileName.empty());
    }
    TBarcodeFile reread;
    reread.LoadFromFile(file);
    EXPECT_EQ(reread.BarTextStart(), c.saved ? "5" : "1");
    CloseWindow();
  }
}

TEST_F(MainWindowTest, TemplateFileDialogFilterAndSuffix) {
  Tfrm_Main& window = OpenWindow();
  std::unique_ptr<QFileDialog> dialog(MakeTemplateFileDialog(
      &window, QString::fromStdString(dir_.path().string()), TemplateDialogMode::Save));
  EXPECT_EQ(dialog->defaultSuffix(), QStringLiteral("bcf"));
  ASSERT_EQ(dialog->nameFilters().size(), 2);
  EXPECT_TRUE(dialog->nameFilters()[0].startsWith(QStringLiteral("条码批量打印文件(*.BCF)")));
  EXPECT_TRUE(dialog->nameFilters()[1].startsWith(QStringLiteral("所有文件")));
  EXPECT_EQ(dialog->directory().absolutePath(), QString::fromStdString(dir_.path().string()));
}

}  // namespace
}  // namespace tagpress::testing
