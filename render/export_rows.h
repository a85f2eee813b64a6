#pragma once
// The rows an image export writes, one image each: the digits and the two
// text line lists with their expressions already expanded.

#include <string>
#include <vector>

#include "data/record_list.h"
#include "print/label_text_expander.h"
#include "template/barcode_file.h"

namespace tagpress {

struct ExportRow {
  std::string Digits;
  std::string UpText;    // line list, expanded
  std::string DownText;  // line list, expanded
};

// One row per data row of the record list, blank rows included; with no
// record at all, one row of the template's own sample label. Digits and texts
// are trimmed; the digits are stored in "条码数字" before the row's texts are
// expanded.
std::vector<ExportRow> BuildExportRows(const TLabelRecordList& records, const TBarcodeFile& tpl,
                                       LabelTextExpander& expander);

}  // namespace tagpress
