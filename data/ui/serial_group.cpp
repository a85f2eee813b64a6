#include "data/ui/serial_group.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>
#include <climits>

#include "platform/qt/qt_text.h"

namespace tagpress {

namespace {

QSpinBox* NewSpinBox(const char* name, int minimum, int maximum, QWidget* parent) {
  auto* box = new QSpinBox(parent);
  box->setObjectName(name);
  box->setRange(minimum, maximum);
  return box;
}

void SetHint(QWidget* widget, const QString& hint) {
  widget->setToolTip(hint);
  widget->setStatusTip(hint);
}

QColor ColorOf(std::uint32_t bgr) {
  return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                static_cast<int>((bgr >> 16) & 0xFF));
}

}  // namespace

SerialGroup::SerialGroup(TSerialGenerator& generator, QWidget* parent)
    : QGroupBox(QStringLiteral("产生流水码"), parent), generator_(generator) {
  setObjectName("gbSerial");

  edtLSHStart = new QLineEdit(this);
  edtLSHStart->setObjectName("edtLSHStart");
  SetHint(edtLSHStart, QStringLiteral("用于产生序列号的开始号码"));
  edtLSHBegin = NewSpinBox("edtLSHBegin", 1, 1, this);
  edtLSHEnd = NewSpinBox("edtLSHEnd", 1, 1, this);
  edtLSHInc = NewSpinBox("edtLSHInc", INT_MIN, INT_MAX, this);
  SetHint(edtLSHInc, QStringLiteral("产生序列号时的递增量"));
  edtLSHSum = NewSpinBox("edtLSHSum", 1, INT_MAX, this);
  edtLSHSum->setSingleStep(10);  // page keys step ten times as far: 100
  SetHint(edtLSHSum, QStringLiteral("本次产生的序列号数量"));
  edtLSHTimes = NewSpinBox("edtLSHTimes", 1, TSerialGenerator::kMaxRepeat, this);
  SetHint(edtLSHTimes, QStringLiteral("单个流水码重复的次数，最少1次"));
  LabelIncText = new QLabel(this);
  LabelIncText->setObjectName("LabelIncText");
  btnProduct = new QPushButton(QStringLiteral("立即产生(&P)"), this);
  btnProduct->setObjectName("btnProduct");

  auto* rows = new QVBoxLayout(this);
  auto* first = new QHBoxLayout;
  first->addWidget(new QLabel(QStringLiteral("起始号："), this));
  first->addWidget(edtLSHStart, 1);
  first->addWidget(new QLabel(QStringLiteral("增减范围：从第"), this));
  first->addWidget(edtLSHBegin);
  first->addWidget(new QLabel(QStringLiteral("位至第"), this));
  first->addWidget(edtLSHEnd);
  first->addWidget(new QLabel(QStringLiteral("位 →"), this));
  first->addWidget(LabelIncText, 1);
  rows->addLayout(first);
  auto* second = new QHBoxLayout;
  second->addWidget(new QLabel(QStringLiteral("增减量："), this));
  second->addWidget(edtLSHInc);
  second->addWidget(new QLabel(QStringLiteral("产生量："), this));
  second->addWidget(edtLSHSum);
  second->addWidget(new QLabel(QStringLiteral("重复次数："), this));
  second->addWidget(edtLSHTimes);
  second->addStretch(1);
  second->addWidget(btnProduct);
  rows->addLayout(second);
  auto* note = new QLabel(
      QStringLiteral("例如：起始号为[ABC1234567DF]，那么增减范围从第4位到第10位就可以产生流水号了！"), this);
  note->setObjectName("lblSerialNote");
  rows->addWidget(note);

  connect(edtLSHStart, &QLineEdit::textChanged, this,
          [this](const QString& text) { generator_.SetStart(GbkFromQString(text)); });
  connect(edtLSHBegin, &QSpinBox::valueChanged, this, [this](int value) { generator_.SetBegin(value); });
  connect(edtLSHEnd, &QSpinBox::valueChanged, this, [this](int value) { generator_.SetEnd(value); });
  connect(edtLSHInc, &QSpinBox::valueChanged, this, [this](int value) { generator_.SetInc(value); });
  connect(edtLSHSum, &QSpinBox::valueChanged, this, [this](int value) { generator_.SetSum(value); });
  connect(edtLSHTimes, &QSpinBox::valueChanged, this, [this](int value) { generator_.SetRepeat(value); });
  connect(btnProduct, &QPushButton::clicked, this, &SerialGroup::btnProductClick);

  generator_.OnFieldsChanged = [this] { ShowFields(); };
  ShowFields();
}

SerialGroup::~SerialGroup() { generator_.OnFieldsChanged = nullptr; }

void SerialGroup::ShowFields() {
  const QString start = QStringFromGbk(generator_.Start());
  if (edtLSHStart->text() != start) {
    const QSignalBlocker block(edtLSHStart);
    edtLSHStart->setText(start);
  }
  const int maximum = generator_.RangeMaximum();
  auto show = [](QSpinBox* box, int value, int box_maximum) {
    const QSignalBlocker block(box);
    if (box_maximum > 0) box->setMaximum(box_maximum);
    if (box->value() != value) box->setValue(value);
  };
  show(edtLSHBegin, generator_.Begin(), maximum);
  show(edtLSHEnd, generator_.End(), maximum);
  show(edtLSHInc, generator_.Inc(), 0);
  show(edtLSHSum, generator_.Sum(), 0);
  show(edtLSHTimes, generator_.Repeat(), 0);

  const TSerialRangeState& state = generator_.RangeState();
  LabelIncText->setText(QStringFromGbk(state.Text));
  QPalette palette = LabelIncText->palette();
  palette.setColor(QPalette::WindowText, ColorOf(state.Color));
  LabelIncText->setPalette(palette);
  btnProduct->setEnabled(state.CanGenerate && !generator_.Generating());
}

void SerialGroup::btnProductClick() {
  generator_.GenerateSerials(
      [this](const std::string& text) { emit StatusTextChanged(QStringFromGbk(text)); });
}

}  // namespace tagpress
