#include "data/ui/record_grid.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QStyledItemDelegate>

#include "data/record_list.h"
#include "data/ui/record_grid_model.h"

namespace tagpress {

namespace {

bool IsEnterKey(const QKeyEvent* event) {
  return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

// The in-place editor: every keystroke reaches the list at once (so the
// blank row below the last one appears while typing), and Enter moves on
// instead of closing the editor.
class CellDelegate : public QStyledItemDelegate {
 public:
  explicit CellDelegate(TRecordGrid& grid) : QStyledItemDelegate(&grid), grid_(grid) {}

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const override {
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (auto* line = qobject_cast<QLineEdit*>(editor)) {
      line->setFrame(false);
      connect(line, &QLineEdit::textEdited, this,
              [this, line] { emit const_cast<CellDelegate*>(this)->commitData(line); });
    }
    return editor;
  }

 protected:
  bool eventFilter(QObject* object, QEvent* event) override {
    if (event->type() == QEvent::KeyPress && IsEnterKey(static_cast<QKeyEvent*>(event))) {
      if (auto* editor = qobject_cast<QWidget*>(object)) emit commitData(editor);
      grid_.EnterPressed();
      return true;
    }
    return QStyledItemDelegate::eventFilter(object, event);
  }

 private:
  TRecordGrid& grid_;
};

}  // namespace

TRecordGrid::TRecordGrid(TRecordGridModel& model, QWidget* parent) : QTableView(parent), model_(model) {
  setObjectName("sgData");
  setModel(&model_);
  setItemDelegate(new CellDelegate(*this));
  setEditTriggers(QAbstractItemView::AllEditTriggers);
  setSelectionMode(QAbstractItemView::ContiguousSelection);
  setSelectionBehavior(QAbstractItemView::SelectItems);
  setShowGrid(true);
  setWordWrap(false);

  QHeaderView* numbers = verticalHeader();
  numbers->setFixedWidth(kNumberColumnWidth);
  numbers->setMinimumSectionSize(1);
  numbers->setSectionResizeMode(QHeaderView::Fixed);
  numbers->setDefaultSectionSize(kRowHeight);
  numbers->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);

  QHeaderView* header = horizontalHeader();
  header->setMinimumSectionSize(1);
  header->setFixedHeight(kRowHeight);
  header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  header->setHighlightSections(false);
  for (int column = 0; column < 3; ++column) header->resizeSection(column, kColumnWidths[column]);
  numbers->setHighlightSections(false);
}

int TRecordGrid::CurrentRow() const {
  const QModelIndex current = currentIndex();
  return current.isValid() ? TRecordGridModel::ListRow(current.row()) : 0;
}

int TRecordGrid::CurrentColumn() const {
  const QModelIndex current = currentIndex();
  return current.isValid() ? current.column() + 1 : 0;
}

bool TRecordGrid::CanSelectRow(int row) const { return row == 1 || row < model_.Records().RecordCount() + 2; }

bool TRecordGrid::SelectCell(int column, int row) {
  const QModelIndex target = model_.index(TRecordGridModel::ViewRow(row), column - 1);
  if (!target.isValid() || !CanSelectRow(row)) return false;
  setCurrentIndex(target);
  return true;
}

void TRecordGrid::EnterPressed() {
  const int row = CurrentRow();
  const int column = CurrentColumn();
  if (row == 0) return;
  if (column < 3) {
    SelectCell(column + 1, row);
    return;
  }
  if (row == model_.Records().RowCount() - 1) model_.AppendRecord("", "", "");
  SelectCell(1, row + 1);
}

void TRecordGrid::ShowRebuiltRecords() {
  SelectCell(1, 1);
  OpenEditor();
}

void TRecordGrid::OpenEditor() {
  const QModelIndex current = currentIndex();
  if (current.isValid() && state() != QAbstractItemView::EditingState) edit(current);
}

void TRecordGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
  // Dragging a range may carry the current cell into rows that cannot be
  // selected; it goes back.
  if (current.isValid() && !CanSelectRow(TRecordGridModel::ListRow(current.row())) && previous.isValid()) {
    selectionModel()->setCurrentIndex(previous, QItemSelectionModel::NoUpdate);
    return;
  }
  QTableView::currentChanged(current, previous);
  OpenEditor();
}

QModelIndex TRecordGrid::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
  const QModelIndex next = QTableView::moveCursor(action, modifiers);
  if (next.isValid() && !CanSelectRow(TRecordGridModel::ListRow(next.row()))) return currentIndex();
  return next;
}

void TRecordGrid::mousePressEvent(QMouseEvent* event) {
  const QModelIndex target = indexAt(event->position().toPoint());
  if (target.isValid() && !CanSelectRow(TRecordGridModel::ListRow(target.row()))) {
    event->accept();
    return;
  }
  QTableView::mousePressEvent(event);
}

void TRecordGrid::keyPressEvent(QKeyEvent* event) {
  if (IsEnterKey(event)) {
    EnterPressed();
    event->accept();
    return;
  }
  QTableView::keyPressEvent(event);
}

}  // namespace tagpress
