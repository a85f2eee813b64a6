#include "data/data_line.h"

#include <gtest/gtest.h>

#include "platform/text_codec.h"

namespace tagpress {
namespace {

using Fields = std::vector<std::string>;

TEST(SplitRecordLine, Cases) {
  struct Case {
    std::string line;
    Fields fields;
  };
  const Case cases[] = {
      {GBK("69200382193,苹果,单价:5元/公斤"), {"69200382193", GBK("苹果"), GBK("单价:5元/公斤")}},
      {GBK("69200382193,水果,"), {"69200382193", GBK("水果"), ""}},
      {GBK("69200382193,,苹果"), {"69200382193", "", GBK("苹果")}},
      {"123", {"123"}},
      {"1,2,3,4,5", {"1", "2", "3", "4", "5"}},
      {"\"a, b\",\"say \"\"hi\"\"\",c", {"a, b", "say \"hi\"", "c"}},
      {"ABC 123, x", {"ABC 123", " x"}},          // spaces belong to the field
      {"123\t456", {"123", "456"}},               // a tab separates fields
      {"\t 1", {" 1"}},                           // control characters skipped, spaces kept
      {"", {}},
      {"\"a\"b,c", {"a", "b", "c"}},              // text after a closing quote starts a field
      {"\"unclosed,x", {"unclosed,x"}},
      {",", {"", ""}},
      // Trail bytes are never taken for separators: 乗 is 81 5C, 丂 is 81 40.
      {GBK("丂,乗"), {GBK("丂"), GBK("乗")}},
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(i);
    Fields fields{"stale"};
    SplitRecordLine(cases[i].line, fields);
    EXPECT_EQ(fields, cases[i].fields);
  }
}

TEST(RecordToLine, QuotesWhatNeedsIt) {
  EXPECT_EQ(RecordToLine({"123", "", ""}), "123,,");
  EXPECT_EQ(RecordToLine({"", "", ""}), ",,");
  EXPECT_EQ(RecordToLine({"1", "a b", "x,\"y\""}), "1,\"a b\",\"x,\"\"y\"\"\"");
}

TEST(RecordToLine, RoundTrips) {
  const TLabelRecord records[] = {
      {"6901234567892", GBK("\"产品 A\",型号"), "x"},
      {" lead", "tab\there", "comma,quote\""},
      {"", "", GBK("只有下方")},
  };
  for (const TLabelRecord& record : records) {
    Fields fields;
    SplitRecordLine(RecordToLine(record), fields);
    ASSERT_EQ(fields.size(), 3u);
    EXPECT_EQ((TLabelRecord{fields[0], fields[1], fields[2]}), record);
  }
}

}  // namespace
}  // namespace tagpress
