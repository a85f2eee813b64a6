#include "data/ui/data_edit_form.h"

#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "data/record_list.h"
#include "platform/qt/qt_text.h"

namespace tagpress {

TForm_DataEdit::TForm_DataEdit(QWidget* parent) : QDialog(parent) {
  setObjectName("Form_DataEdit");
  setWindowTitle(QStringLiteral("条码数据的直接编辑"));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint |
                 Qt::WindowCloseButtonHint);
  setSizeGripEnabled(false);
  resize(kClientWidth, kClientHeight);

  auto* layout = new QVBoxLayout(this);
  auto* format = new QLabel(QStringLiteral("编辑格式：条码数字,上方文本,下方文本"), this);
  auto* example = new QLabel(QStringLiteral("例如：69200382193,苹果,单价:5元/公斤"), this);
  auto* example2 = new QLabel(QStringLiteral("69200382193,水果,"), this);
  auto* example3 = new QLabel(QStringLiteral("69200382193,,苹果"), this);
  // The two further examples stand under the first one's data, not its "例如：".
  const int indent = example->fontMetrics().horizontalAdvance(QStringLiteral("例如："));
  example2->setIndent(indent);
  example3->setIndent(indent);
  layout->addWidget(format);
  layout->addWidget(example);
  layout->addWidget(example2);
  layout->addWidget(example3);

  mem_data_ = new QPlainTextEdit(this);
  mem_data_->setObjectName("memData");
  mem_data_->setLineWrapMode(QPlainTextEdit::NoWrap);
  mem_data_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  mem_data_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  QFont font(QStringLiteral("宋体"));
  font.setPixelSize(14);
  mem_data_->setFont(font);
  layout->addWidget(mem_data_, 1);

  auto* buttons = new QHBoxLayout;
  auto* copy = new QPushButton(QStringLiteral("复制(&C)"), this);
  copy->setObjectName("btnCopy");
  auto* paste = new QPushButton(QStringLiteral("粘贴(&P)"), this);
  paste->setObjectName("btnPaste");
  auto* ok = new QPushButton(QStringLiteral("确定(&Y)"), this);
  ok->setObjectName("btnOK");
  ok->setDefault(true);
  auto* cancel = new QPushButton(QStringLiteral("取消(&C)"), this);
  cancel->setObjectName("btnCancel");
  buttons->addWidget(copy);
  buttons->addWidget(paste);
  buttons->addStretch(1);
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  layout->addLayout(buttons);

  // The buttons keep the focus in the text box, so the selection stays.
  copy->setFocusPolicy(Qt::NoFocus);
  paste->setFocusPolicy(Qt::NoFocus);
  connect(copy, &QPushButton::clicked, mem_data_, &QPlainTextEdit::copy);
  connect(paste, &QPushButton::clicked, mem_data_, &QPlainTextEdit::paste);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

TextLines TForm_DataEdit::Lines() const { return SplitTextLines(GbkFromQString(mem_data_->toPlainText())); }

void TForm_DataEdit::SetLines(const TextLines& lines) {
  QStringList text;
  text.reserve(static_cast<qsizetype>(lines.size()));
  for (const std::string& line : lines) text.push_back(QStringFromGbk(line));
  mem_data_->setPlainText(text.join(QLatin1Char('\n')));
}

bool TForm_DataEdit::EditRecords(TLabelRecordList& records, QWidget* parent) {
  TForm_DataEdit form(parent);
  TextLines lines;
  records.RecordsToLines(lines);
  form.SetLines(lines);
  if (form.exec() != QDialog::Accepted) return false;
  records.ClearRecords();
  records.LinesToRecords(form.Lines());
  return true;
}

}  // namespace tagpress
