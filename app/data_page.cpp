#include "app/data_page.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>
#include <climits>

#include "platform/qt/qt_text.h"

namespace tagpress {

namespace {

QSpinBox* Field(const char* name, QWidget* parent) {
  auto* spin = new QSpinBox(parent);
  spin->setObjectName(QString::fromUtf8(name));
  spin->setRange(0, INT_MAX);
  return spin;
}

}  // namespace

DataPage::DataPage(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("tsData"));
  auto* serial = new QGroupBox(QStringLiteral("产生流水号"), this);
  serial->setObjectName(QStringLiteral("gbSerial"));
  start_ = new QLineEdit(serial);
  start_->setObjectName(QStringLiteral("edtLSHStart"));
  increment_ = Field("edtLSHInc", serial);
  count_ = Field("edtLSHSum", serial);
  begin_ = Field("edtLSHBegin", serial);
  end_ = Field("edtLSHEnd", serial);
  times_ = Field("edtLSHTimes", serial);
  times_->setMinimum(1);
  auto* form = new QFormLayout(serial);
  form->addRow(QStringLiteral("起始号码："), start_);
  form->addRow(QStringLiteral("递增："), increment_);
  form->addRow(QStringLiteral("数量："), count_);
  form->addRow(QStringLiteral("流水位从："), begin_);
  form->addRow(QStringLiteral("到："), end_);
  form->addRow(QStringLiteral("重复次数："), times_);

  auto* records = new QGroupBox(QStringLiteral("标签数据存储区"), this);
  records->setObjectName(QStringLiteral("gbRecords"));
  record_area_ = new QVBoxLayout(records);

  auto* layout = new QHBoxLayout(this);
  layout->addWidget(serial, 0, Qt::AlignTop);
  layout->addWidget(records, 1);
}

void DataPage::TemplateToControls(const TBarcodeFile& store) {
  start_->setText(QStringFromGbk(store.LSHStart()));
  increment_->setValue(store.LSHInc());
  count_->setValue(store.LSHSum());
  begin_->setValue(store.LSHBegin());
  end_->setValue(store.LSHEnd());
  times_->setValue(store.LSHRepeat() > 0 ? store.LSHRepeat() : 1);
  if (start_->text().isEmpty()) start_->setText(QStringFromGbk(store.BarTextStart()));
}

void DataPage::SetSerialStart(const std::string& text) { start_->setText(QStringFromGbk(text)); }

}  // namespace tagpress
