#pragma once
// The layout page ("第三步: 排版打印 "): page margins, rows and columns,
// options, cut lines, the start cell, headers and footers bound to their
// template keys, with the preview control between header and footer.

#include <QWidget>
#include <functional>

#include "app/form_state.h"
#include "print/compose_pages.h"
#include "template/barcode_file.h"

class QAction;

namespace tagpress {

class PreviewBox;
class PreviewControls;
class WindowDialogs;

class LayoutPage : public QWidget {
  Q_OBJECT
 public:
  LayoutPage(TBarcodeFile& store, FormState& state, WindowDialogs& dialogs, QAction& preview_action,
             QAction& print_action, QWidget* parent = nullptr);

  void TemplateToControls();
  // The change handler of every bound layout control, dispatching on its Tag.
  void edtPageLeftGapPropertiesChange(QWidget& control);

  // Start page, row and column as the composer reads them.
  ComposeStart StartCell() const;

  PreviewBox& Preview() { return *preview_; }
  PreviewControls& Controls() { return *controls_; }

  // The three check boxes that recompose at once.
  std::function<void()> OnRecompose;

 private:
  void BuildControls(QAction& preview_action, QAction& print_action);
  void ConnectControls();
  QWidget* Control(const char* name) const;

  TBarcodeFile& store_;
  FormState& state_;
  WindowDialogs& dialogs_;
  PreviewBox* preview_ = nullptr;
  PreviewControls* controls_ = nullptr;
};

}  // namespace tagpress
