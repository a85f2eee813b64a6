#pragma once
// TForm_DataEdit, "条码数据的直接编辑": the records as editable data lines.

#include <QDialog>

#include "platform/text_file.h"

class QPlainTextEdit;

namespace tagpress {

class TLabelRecordList;

class TForm_DataEdit : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kClientWidth = 490;
  static constexpr int kClientHeight = 386;

  explicit TForm_DataEdit(QWidget* parent = nullptr);

  // The text box as lines (GBK); a line end after the last line adds no
  // empty line, an empty box has no lines.
  TextLines Lines() const;
  void SetLines(const TextLines& lines);

  QPlainTextEdit* memData() const { return mem_data_; }

  // Shows the records as data lines; on OK the list is rebuilt from the
  // edited lines. Returns true when the list was rebuilt.
  static bool EditRecords(TLabelRecordList& records, QWidget* parent);

 private:
  QPlainTextEdit* mem_data_ = nullptr;
};

}  // namespace tagpress
