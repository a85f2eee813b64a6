#include "data/record_list.h"

#include <stdexcept>

#include "data/data_line.h"
#include "platform/text_codec.h"

namespace tagpress {

namespace {
bool IsBlankText(const std::string& text) {
  for (unsigned char c : text)
    if (c > 32) return false;
  return true;
}
}  // namespace

TLabelRecordList::TLabelRecordList() { ClearRecords(); }

void TLabelRecordList::SetCell(int column, int row, const std::string& text) {
  rows_.at(row).at(column) = text;
}

void TLabelRecordList::SetRowCount(int rows) {
  if (rows < 2) rows = 2;
  int old = RowCount();
  rows_.resize(rows);
  if (rows > old) RenumberRows(old);
}

void TLabelRecordList::ClearRecords() {
  rows_.assign(2, Row{});
  rows_[0] = {"", GBK("条码数字"), GBK("上方文本"), GBK("下方文本")};
  RenumberRows(1);
}

void TLabelRecordList::RenumberRows(int from) {
  for (int r = std::max(from, 1); r < RowCount(); ++r) rows_[r][0] = std::to_string(r);
}

void TLabelRecordList::AppendRecord(const std::string& digits, const std::string& upper,
                                    const std::string& lower) {
  rows_.push_back({std::to_string(RowCount()), digits, upper, lower});
}

void TLabelRecordList::DeleteRecordRow(int row) {
  if (row < 1 || row >= RowCount()) return;
  for (int r = row; r + 1 < RowCount(); ++r)
    for (int c = 1; c < kColumns; ++c) rows_[r][c] = rows_[r + 1][c];
  if (RowCount() > 2) {
    rows_.pop_back();
  } else {
    // The only data row stays; with no row below to take texts from, it is emptied.
    for (int c = 1; c < kColumns; ++c) rows_[1][c].clear();
  }
  RenumberRows(row);
}

bool TLabelRecordList::IsBlankRow(int row) const {
  const Row& cells = rows_.at(row);
  return IsBlankText(cells[1]) && IsBlankText(cells[2]) && IsBlankText(cells[3]);
}

int TLabelRecordList::RecordCount() const {
  for (int r = RowCount() - 1; r >= 1; --r)
    if (!IsBlankRow(r)) return r;
  return 0;
}

void TLabelRecordList::GetRecord(int k, TLabelRecord& record) const {
  const Row& cells = rows_.at(k);
  record.Digits = cells[1];
  record.UpText = cells[2];
  record.DownText = cells[3];
}

void TLabelRecordList::TrimBlankRows() {
  // With no records only the header stays, so that appended records start at
  // row 1; EndRecordUpdate restores the blank data row if nothing follows.
  rows_.resize(RecordCount() + 1);
  if (OnRowsTrimmed) OnRowsTrimmed();
}

void TLabelRecordList::EndRecordUpdate() {
  if (RowCount() < 2) SetRowCount(2);
  if (OnRecordsRebuilt) OnRecordsRebuilt();
}

void TLabelRecordList::RecordsToLines(TextLines& lines) const {
  const int count = RecordCount();
  lines.reserve(lines.size() + count);
  TLabelRecord record;
  for (int k = 1; k <= count; ++k) {
    GetRecord(k, record);
    lines.push_back(RecordToLine(record));
  }
}

void TLabelRecordList::LinesToRecords(const TextLines& lines) {
  TrimBlankRows();
  rows_.reserve(rows_.size() + lines.size());
  std::vector<std::string> fields;
  for (const std::string& line : lines) {
    SplitRecordLine(line, fields);
    fields.resize(3);
    AppendRecord(fields[0], fields[1], fields[2]);
  }
  EndRecordUpdate();
}

void TLabelRecordList::LoadDataFile(const std::string& path) {
  if (!FileExists(path)) return;
  LinesToRecords(ReadDataFileLines(path));
}

void TLabelRecordList::SaveDataFile(const std::string& path) const {
  TextLines lines;
  RecordsToLines(lines);
  WriteTextLines(path, lines);
}

}  // namespace tagpress
