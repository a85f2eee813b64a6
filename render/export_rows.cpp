#include "render/export_rows.h"

#include "platform/ascii_text.h"

namespace tagpress {

namespace {

std::string Trimmed(const std::string& text) { return std::string(TrimControlAndBlank(text)); }

ExportRow ExpandedRow(const std::string& digits, const std::string& upper, const std::string& lower,
                      LabelTextExpander& expander) {
  ExportRow row;
  row.Digits = Trimmed(digits);
  expander.SetBarcodeDigits(row.Digits);
  row.UpText = expander.ExpandExpressions(Trimmed(upper));
  row.DownText = expander.ExpandExpressions(Trimmed(lower));
  return row;
}

}  // namespace

std::vector<ExportRow> BuildExportRows(const TLabelRecordList& records, const TBarcodeFile& tpl,
                                       LabelTextExpander& expander) {
  std::vector<ExportRow> rows;
  // The sample label stands in only when there is no record: a list of
  // exactly one record exports that record.
  if (records.RecordCount() == 0) {
    rows.push_back(ExpandedRow(tpl.BarTextStart(), tpl.UpText(), tpl.DownText(), expander));
    return rows;
  }
  rows.reserve(records.RowCount() - 1);
  for (int k = 1; k < records.RowCount(); ++k)
    rows.push_back(ExpandedRow(records.Cell(1, k), records.Cell(2, k), records.Cell(3, k), expander));
  return rows;
}

}  // namespace tagpress
