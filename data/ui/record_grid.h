#pragma once
// The grid sgData of the data page: the record list cell for cell, with the
// in-place editor always open, Enter moving right and then down, and no row
// selectable beyond the one after the last record.

#include <QTableView>

namespace tagpress {

class TRecordGridModel;

class TRecordGrid : public QTableView {
  Q_OBJECT

 public:
  static constexpr int kNumberColumnWidth = 50;
  static constexpr int kColumnWidths[3] = {118, 166, 154};
  static constexpr int kRowHeight = 18;

  TRecordGrid(TRecordGridModel& model, QWidget* parent = nullptr);

  TRecordGridModel& Model() const { return model_; }

  // The current cell in list coordinates (row 1 and below, column 1 to 3);
  // row 0 when there is none.
  int CurrentRow() const;
  int CurrentColumn() const;

  // A row other than the first may be selected only up to one row past the
  // last record.
  bool CanSelectRow(int row) const;
  // Makes the cell current and opens its editor; false (and nothing
  // changes) when the row may not be selected.
  bool SelectCell(int column, int row);

  // Enter: one column to the right, or from the last column to the first
  // column of the next row (appending a blank row below the last one).
  void EnterPressed();

  // After the list was rebuilt: row 1, column 1 current, its editor open.
  void ShowRebuiltRecords();

 protected:
  void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
  QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void OpenEditor();

  TRecordGridModel& model_;
};

}  // namespace tagpress
