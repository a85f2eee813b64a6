#pragma once
// The white left panel of the design page: a picture of a sample label with
// four numbered call-outs, each pointing at the grey box that holds the
// controls of its part (upper title, barcode style, barcode digits, lower
// description).

#include <QWidget>
#include <array>

namespace tagpress {

class DesignPanel : public QWidget {
  Q_OBJECT
 public:
  explicit DesignPanel(QWidget* parent = nullptr);

  // The four grey boxes in call-out order, and where the sample label goes.
  void SetCalloutBoxes(const std::array<QWidget*, 4>& boxes, QWidget* label_area);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::array<QWidget*, 4> boxes_{};
  QWidget* label_area_ = nullptr;
};

// The grey box of one call-out: its number and title, then its controls.
QWidget* MakeCalloutBox(int number, const QString& title, QWidget* parent);

}  // namespace tagpress
