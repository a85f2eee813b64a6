#pragma once
// The design page ("第一步: 条码设计 "): every label design control bound to
// its template key, the font buttons, and the single-label preview.

#include <QWidget>
#include <functional>
#include <string>

#include "app/form_state.h"
#include "template/barcode_file.h"

class QComboBox;
class QFrame;
class QLabel;

namespace tagpress {

class WindowDialogs;

// barcodePreview: paints through a callback at the screen's resolution.
class LabelPaintBox : public QWidget {
  Q_OBJECT
 public:
  using PaintFunction = std::function<void(QPainter&, int dpi_x, int dpi_y)>;
  explicit LabelPaintBox(QWidget* parent = nullptr);
  void SetPaintFunction(PaintFunction paint) { paint_ = std::move(paint); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  PaintFunction paint_;
};

class DesignPage : public QWidget {
  Q_OBJECT
 public:
  DesignPage(TBarcodeFile& store, FormState& state, WindowDialogs& dialogs, QWidget* parent = nullptr);

  // cbbBarType's items: one per symbology, in table order.
  void FillBarcodeTypes();
  // Copies this page's keys into its controls and sets the dependent states.
  void TemplateToControls();
  // Sizes panelPreview to the label at the screen's resolution.
  void SizePreviewPanel();
  LabelPaintBox& Preview() { return *preview_; }

  // The change handler of every bound control, dispatching on its Tag.
  void edtBarTextGapPropertiesChange(QWidget& control);
  // The three font buttons, told apart by their Tag (109, 309, 409).
  void btnUpTextFontClick(QWidget& button);
  // Warns when the automatic bar width is being switched off.
  void cbBarAutoModulClick(bool checked);

  // The serial generator's start follows BarTextStart.
  std::function<void(const std::string& text)> OnBarTextStartChanged;
  // The link "排版打印".
  std::function<void()> OnLayoutLinkClicked;

 private:
  void BuildControls();
  void ConnectControls();
  QWidget* Control(const char* name) const;
  void SetDependentStates();

  TBarcodeFile& store_;
  FormState& state_;
  WindowDialogs& dialogs_;
  LabelPaintBox* preview_ = nullptr;
  QFrame* panel_preview_ = nullptr;
};

}  // namespace tagpress
