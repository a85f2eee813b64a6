#pragma once
// The actions of the main window (ActionList1), its main menu and its toolbar.

#include <QAction>

class QMenuBar;
class QToolBar;
class QObject;

namespace tagpress {

struct MainActions {
  QAction* ActionNew = nullptr;
  QAction* ActionOpen = nullptr;
  QAction* ActionSave = nullptr;
  QAction* ActionSaveAs = nullptr;
  QAction* ActionQuit = nullptr;
  QAction* ActionPreview = nullptr;
  QAction* ActionPrint = nullptr;
  QAction* ActionImportData = nullptr;
  QAction* ActionOutputData = nullptr;
  QAction* ActionRealEdit = nullptr;
  QAction* ActionExportBarcode = nullptr;
  QAction* ActionUserNeed = nullptr;
  QAction* ActionAbout = nullptr;
  QAction* ActionWeb = nullptr;
  QAction* ActionHelp = nullptr;
};

// Creates the actions, owned by `owner`, with their captions, hints,
// shortcuts, toolbar captions and images. Handlers are connected by the window.
MainActions CreateMainActions(QObject* owner);

// "文件(&F)", "操作(&O)" and "帮助(&H)".
void BuildMainMenu(QMenuBar& menu_bar, const MainActions& actions);

// The flat toolbar with captions under the images and the grey hint at its end.
void BuildToolBar(QToolBar& tool_bar, const MainActions& actions);

}  // namespace tagpress
