#pragma once
// The group "产生流水码": the six fields of the serial generator, the range
// label and the button. A thin view of TSerialGenerator: every change goes
// to the generator, and the generator's notice redraws the fields.

#include <QGroupBox>

#include "data/serial_generator.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace tagpress {

class SerialGroup : public QGroupBox {
  Q_OBJECT

 public:
  SerialGroup(TSerialGenerator& generator, QWidget* parent = nullptr);
  ~SerialGroup() override;

  TSerialGenerator& Generator() const { return generator_; }

  // Redraws every field, the range label and the button from the generator.
  void ShowFields();

 signals:
  // Progress of a generation, for the third status-bar panel; empty at the end.
  void StatusTextChanged(const QString& text);

 public slots:
  // The click of "立即产生(&P)".
  void btnProductClick();

 private:
  TSerialGenerator& generator_;
  QLineEdit* edtLSHStart = nullptr;
  QSpinBox* edtLSHBegin = nullptr;
  QSpinBox* edtLSHEnd = nullptr;
  QSpinBox* edtLSHInc = nullptr;
  QSpinBox* edtLSHSum = nullptr;
  QSpinBox* edtLSHTimes = nullptr;
  QLabel* LabelIncText = nullptr;
  QPushButton* btnProduct = nullptr;
};

}  // namespace tagpress
