#pragma once
// The page navigation and zoom controls of the preview: the page number
// edit edtPageNo ("第" … "页"), LabelPageCount, the zoom combo cbbPrevScale,
// the preview, print and printer-setup buttons and the red hint. They keep
// themselves in step with prevBox.

#include <QWidget>

class QAction;
class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;

namespace tagpress {

class PreviewBox;

class PreviewControls : public QWidget {
  Q_OBJECT
 public:
  PreviewControls(PreviewBox& preview, QAction& preview_action, QAction& print_action,
                  QWidget* parent = nullptr);

  // After a composition: the page edit gets the range 1 to `page_count`,
  // value 1, and is enabled only for more than one page; the count label
  // shows the total.
  void UpdatePageControls(int page_count);

  // Value change of edtPageNo: shows that page unless it lies beyond the last.
  void edtPageNoPropertiesChange(int value);
  // Selection change of cbbPrevScale: the zoom mode follows the item index.
  void cbbPrevScalePropertiesChange(int index);
  // prevBox reported a change: the combo shows the zoom mode.
  void prevBoxPrinterPreviewChanged();

  QPushButton& PrintSetupButton() { return *print_setup_; }

 private:
  PreviewBox& preview_;
  QSpinBox* page_no_;
  QLabel* page_count_;
  QComboBox* scale_;
  QPushButton* print_setup_;
};

}  // namespace tagpress
