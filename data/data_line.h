#pragma once
// One record in the data file: digits, upper text and lower text joined with
// commas, each written in double quotes when it holds a space, a control
// character, a double quote or a comma.

#include <string>
#include <string_view>
#include <vector>

#include "data/label_record.h"

namespace tagpress {

// Splits one data line into its fields. Control characters (not spaces) are
// skipped around fields; an unquoted field runs to the next comma or control
// character, so a tab also separates fields; a comma at the very end adds an
// empty last field. Whole GBK characters are stepped.
void SplitRecordLine(std::string_view line, std::vector<std::string>& fields);

// The data line of a record.
std::string RecordToLine(const TLabelRecord& record);

}  // namespace tagpress
