#pragma once
// The toolbar and menu images, drawn by the program itself.

#include <QIcon>

namespace tagpress {

enum class ActionIcon {
  New,
  Open,
  Save,
  SaveAs,
  Quit,
  Preview,
  Print,
  ImportData,
  OutputData,
  RealEdit,
  ExportBarcode,
  UserNeed,
  About,
  Web,
  Help
};

QIcon DrawActionIcon(ActionIcon icon);

}  // namespace tagpress
