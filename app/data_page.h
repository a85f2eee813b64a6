#pragma once
// The data page ("第二步: 准备条码数据 "): the serial generator's fields,
// which the design page and the template fill, and the place of the record
// grid.

#include <QWidget>
#include <string>

#include "template/barcode_file.h"

class QLineEdit;
class QSpinBox;
class QVBoxLayout;

namespace tagpress {

class DataPage : public QWidget {
  Q_OBJECT
 public:
  explicit DataPage(QWidget* parent = nullptr);

  // Copies the serial generator's keys into its fields; an empty start
  // number takes BarTextStart.
  void TemplateToControls(const TBarcodeFile& store);
  // The serial start number edtLSHStart.
  void SetSerialStart(const std::string& text);

  // Where the record grid and its buttons go.
  QVBoxLayout& RecordArea() { return *record_area_; }

 private:
  QLineEdit* start_;
  QSpinBox* increment_;
  QSpinBox* count_;
  QSpinBox* begin_;
  QSpinBox* end_;
  QSpinBox* times_;
  QVBoxLayout* record_area_;
};

}  // namespace tagpress
