#include "app/main_actions.h"

#include <QLabel>
#include <QMenuBar>
#include <QToolBar>

#include "app/action_icons.h"

namespace tagpress {

namespace {

struct ActionRow {
  QAction* MainActions::*member;
  const char* object_name;
  const char* caption;       // UTF-8
  const char* hint;          // the action's hint, or the toolbar button's; may be empty
  const char* tool_caption;  // caption under the toolbar image; empty for the caption itself
  QKeySequence shortcut;
  ActionIcon icon;
};

}  // namespace

MainActions CreateMainActions(QObject* owner) {
  const ActionRow rows[] = {
      {&MainActions::ActionNew, "ActionNew", "新建", "新建标签文件", "", QKeySequence(Qt::CTRL | Qt::Key_N),
       ActionIcon::New},
      {&MainActions::ActionOpen, "ActionOpen", "打开", "打开标签文件...", "",
       QKeySequence(Qt::CTRL | Qt::Key_O), ActionIcon::Open},
      {&MainActions::ActionSave, "ActionSave", "保存格式", "保存", "", QKeySequence(Qt::CTRL | Qt::Key_S),
       ActionIcon::Save},
      {&MainActions::ActionSaveAs, "ActionSaveAs", "另存格式为(&A)...", "", "", QKeySequence(),
       ActionIcon::SaveAs},
      {&MainActions::ActionQuit, "ActionQuit", "退出", "退出软件...", "", QKeySequence(Qt::CTRL | Qt::Key_Q),
       ActionIcon::Quit},
      {&MainActions::ActionPreview, "ActionPreview", "预览(&V)", "预览标签设计及排版...", "预览",
       QKeySequence(Qt::Key_F12), ActionIcon::Preview},
      {&MainActions::ActionPrint, "ActionPrint", "打印(&P)", "", "打印", QKeySequence(), ActionIcon::Print},
      {&MainActions::ActionImportData, "ActionImportData", "导入数据(&I)", "", "", QKeySequence(),
       ActionIcon::ImportData},
      {&MainActions::ActionOutputData, "ActionOutputData", "导出数据(&O)", "", "", QKeySequence(),
       ActionIcon::OutputData},
      {&MainActions::ActionRealEdit, "ActionRealEdit", "直接编辑数据(&E)", "以文本方式编辑数据区", "",
       QKeySequence(), ActionIcon::RealEdit},
      {&MainActions::ActionExportBarcode, "ActionExportBarcode", "批量导出条码图像", "", "导出条码",
       QKeySequence(), ActionIcon::ExportBarcode},
      {&MainActions::ActionUserNeed, "ActionUserNeed", "用户须知...", "", "用户须知", QKeySequence(),
       ActionIcon::UserNeed},
      {&MainActions::ActionAbout, "ActionAbout", "关于软件(&A)", "关于本软件", "关于", QKeySequence(),
       ActionIcon::About},
      {&MainActions::ActionWeb, "ActionWeb", "最新动态(&N)", "了解本软件最新动态", "新动态", QKeySequence(),
       ActionIcon::Web},
      {&MainActions::ActionHelp, "ActionHelp", "操作手册(&H)", "", "手册", QKeySequence(), ActionIcon::Help},
  };
  MainActions actions;
  for (const ActionRow& row : rows) {
    auto* action = new QAction(DrawActionIcon(row.icon), QString::fromUtf8(row.caption), owner);
    action->setObjectName(QString::fromUtf8(row.object_name));
    if (*row.hint) {
      action->setToolTip(QString::fromUtf8(row.hint));
      action->setStatusTip(QString::fromUtf8(row.hint));
    }
    if (*row.tool_caption) action->setIconText(QString::fromUtf8(row.tool_caption));
    if (!row.shortcut.isEmpty()) action->setShortcut(row.shortcut);
    actions.*row.member = action;
  }
  actions.ActionHelp->setVisible(false);
  return actions;
}

void BuildMainMenu(QMenuBar& menu_bar, const MainActions& a) {
  QMenu* file = menu_bar.addMenu(QStringLiteral("文件(&F)"));
  file->setObjectName(QStringLiteral("MenuFile"));
  file->addActions({a.ActionNew, a.ActionOpen, a.ActionSave, a.ActionSaveAs});
  file->addSeparator();
  file->addAction(a.ActionQuit);

  QMenu* work = menu_bar.addMenu(QStringLiteral("操作(&O)"));
  work->setObjectName(QStringLiteral("MenuWork"));
  work->addActions({a.ActionPreview, a.ActionPrint});
  work->addSeparator();
  work->addActions({a.ActionRealEdit, a.ActionImportData, a.ActionOutputData});
  work->addSeparator();
  work->addAction(a.ActionExportBarcode);

  QMenu* help = menu_bar.addMenu(QStringLiteral("帮助(&H)"));
  help->setObjectName(QStringLiteral("MenuHelp"));
  help->addActions({a.ActionUserNeed, a.ActionAbout, a.ActionWeb});
}

void BuildToolBar(QToolBar& bar, const MainActions& a) {
  bar.setObjectName(QStringLiteral("ToolBar1"));
  bar.setMovable(false);
  bar.setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  bar.setIconSize(QSize(32, 32));
  bar.addActions({a.ActionNew, a.ActionOpen, a.ActionSave});
  bar.addSeparator();
  bar.addActions({a.ActionPreview, a.ActionPrint, a.ActionExportBarcode});
  bar.addSeparator();
  bar.addAction(a.ActionUserNeed);
  bar.addSeparator();
  bar.addActions({a.ActionAbout, a.ActionWeb});
  bar.addSeparator();
  bar.addActions({a.ActionQuit, a.ActionHelp});
  auto* hint = new QLabel(QStringLiteral(" 更改选项参数后，点击[预览]按钮看效果！"), &bar);
  hint->setObjectName(QStringLiteral("lblToolbarHint"));
  hint->setStyleSheet(QStringLiteral("color: gray;"));
  bar.addWidget(hint);
}

}  // namespace tagpress
