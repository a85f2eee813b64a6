#include "data/ui/record_grid_model.h"

#include "data/record_list.h"
#include "platform/qt/qt_text.h"

namespace tagpress {

TRecordGridModel::TRecordGridModel(TLabelRecordList& records, QObject* parent)
    : QAbstractTableModel(parent), records_(records), rows_(records.RowCount() - 1) {}

void TRecordGridModel::Reload() {
  beginResetModel();
  rows_ = records_.RowCount() - 1;
  endResetModel();
}

void TRecordGridModel::AppendRecord(const std::string& digits, const std::string& upper,
                                    const std::string& lower) {
  if (rows_ != records_.RowCount() - 1) {
    records_.AppendRecord(digits, upper, lower);
    Reload();
    return;
  }
  beginInsertRows(QModelIndex(), rows_, rows_);
  records_.AppendRecord(digits, upper, lower);
  rows_ = records_.RowCount() - 1;
  endInsertRows();
}

int TRecordGridModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }

int TRecordGridModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : TLabelRecordList::kColumns - 1;
}

QVariant TRecordGridModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole && role != Qt::EditRole) return {};
  const int row = ListRow(index.row());
  if (!index.isValid() || row >= records_.RowCount()) return {};
  return QStringFromGbk(records_.Cell(index.column() + 1, row));
}

bool TRecordGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  const int row = ListRow(index.row());
  if (role != Qt::EditRole || !index.isValid() || row >= records_.RowCount()) return false;
  const std::string text = GbkFromQString(value.toString());
  const int column = index.column() + 1;
  if (records_.Cell(column, row) != text) {
    records_.SetCell(column, row, text);
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
  }
  emit CellEdited(row, column);
  return true;
}

QVariant TRecordGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole) return QAbstractTableModel::headerData(section, orientation, role);
  if (orientation == Qt::Horizontal) {
    if (section < 0 || section + 1 >= TLabelRecordList::kColumns) return {};
    return QStringFromGbk(records_.Cell(section + 1, 0));
  }
  const int row = ListRow(section);
  if (section < 0 || row >= records_.RowCount()) return {};
  return QStringFromGbk(records_.Cell(0, row));
}

Qt::ItemFlags TRecordGridModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable;
}

}  // namespace tagpress
