#pragma once
// The label record list: a table of text cells with 4 columns and at least 2
// rows, which the data page shows one-to-one as its grid. Row 0 is the fixed
// header, column 0 holds the row number, rows 1 and below hold one record
// each (digits, upper text, lower text).

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "data/label_record.h"
#include "platform/text_file.h"

namespace tagpress {

class TLabelRecordList {
 public:
  static constexpr int kColumns = 4;
  using Row = std::array<std::string, kColumns>;

  // ---- life cycle
  TLabelRecordList();

  // ---- the table as the grid sees it
  int RowCount() const { return static_cast<int>(rows_.size()); }
  const std::string& Cell(int column, int row) const { return rows_.at(row).at(column); }
  // Writes one cell (the grid's in-place editor); rows and columns beyond the
  // table are refused with std::out_of_range.
  void SetCell(int column, int row, const std::string& text);
  // Sets the row count (at least 2); new rows are numbered and empty.
  void SetRowCount(int rows);

  // ---- operations on records
  void ClearRecords();
  void RenumberRows(int from);
  void AppendRecord(const std::string& digits, const std::string& upper, const std::string& lower);
  void DeleteRecordRow(int row);
  bool IsBlankRow(int row) const;
  int RecordCount() const;
  void GetRecord(int k, TLabelRecord& record) const;
  // Drops blank rows after the last record. With no records the table holds
  // only its header until EndRecordUpdate, which ends every bulk change.
  void TrimBlankRows();
  void EndRecordUpdate();

  // ---- the data file
  void RecordsToLines(TextLines& lines) const;
  void LinesToRecords(const TextLines& lines);
  // Appends the file's records; a missing file does nothing. UTF-8 files are
  // recognised and converted. Throws EFileError when the file cannot be read
  // (the list is then unchanged).
  void LoadDataFile(const std::string& path);
  // Writes one line per record (GBK, CR LF), replacing the file atomically.
  void SaveDataFile(const std::string& path) const;

  // ---- views are told when the list was rebuilt or its tail trimmed
  std::function<void()> OnRecordsRebuilt;
  std::function<void()> OnRowsTrimmed;

 private:
  std::vector<Row> rows_;
};

}  // namespace tagpress
