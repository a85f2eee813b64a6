#pragma once
// The record list as a Qt table model. The list's header row becomes the
// horizontal header and its number column the vertical header, so view row i
// is list row i + 1 and view column j is list column j + 1. The list stays
// the one model of the records; this class only translates.

#include <QAbstractTableModel>

namespace tagpress {

class TLabelRecordList;

class TRecordGridModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  explicit TRecordGridModel(TLabelRecordList& records, QObject* parent = nullptr);

  TLabelRecordList& Records() const { return records_; }

  // The list changed behind the model's back: every view starts over.
  void Reload();
  // Appends a row to the list (AppendRecord) and tells the views.
  void AppendRecord(const std::string& digits, const std::string& upper, const std::string& lower);

  // View row of a list row and back.
  static int ListRow(int view_row) { return view_row + 1; }
  static int ViewRow(int list_row) { return list_row - 1; }

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

 signals:
  // A cell's text was changed through the model (list row, list column).
  void CellEdited(int row, int column);

 private:
  TLabelRecordList& records_;
  // The row count the views were last told, so that a list changed without
  // notice never makes the model answer for rows the views do not know.
  int rows_ = 0;
};

}  // namespace tagpress
