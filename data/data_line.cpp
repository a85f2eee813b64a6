#include "data/data_line.h"

#include "template/line_list.h"

namespace tagpress {

void SplitRecordLine(std::string_view line, std::vector<std::string>& fields) {
  fields = SplitItems(line, ItemSplitRules{32});
}

std::string RecordToLine(const TLabelRecord& record) {
  return QuoteItemIfNeeded(record.Digits) + "," + QuoteItemIfNeeded(record.UpText) + "," +
         QuoteItemIfNeeded(record.DownText);
}

}  // namespace tagpress
