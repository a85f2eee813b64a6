#include "template/line_list.h"

#include <gtest/gtest.h>

#include "platform/text_codec.h"

namespace tagpress {
namespace {

TEST(LineList, WritesQuotesOnlyWhereNeeded) {
  struct Case {
    LineList lines;
    std::string text;
  };
  const Case cases[] = {
      {{}, ""},
      {{""}, "\"\""},
      {{"", ""}, ","},
      {{GBK("产品 A"), GBK("型号")}, "\"" + GBK("产品 A") + "\"," + GBK("型号")},
      {{"a,b", "say \"hi\"", "tab\there"}, "\"a,b\",\"say \"\"hi\"\"\",\"tab\there\""},
      {{"a", "", "b"}, "a,,b"},
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(LinesToLineList(cases[i].lines), cases[i].text);
  }
}

TEST(LineList, ReadsBlanksQuotesAndTrailingComma) {
  struct Case {
    std::string text;
    LineList lines;
  };
  const Case cases[] = {
      {"", {}},
      {"\"\"", {""}},
      {"a b", {"a", "b"}},  // an unquoted space separates lines
      {"  a , b  ", {"a", "b"}},
      {"a,", {"a", ""}},
      {",", {"", ""}},
      {"a,,b", {"a", "", "b"}},
      {"\"x \"\"y\"\"\",z", {"x \"y\"", "z"}},
      {"\"open", {"open"}},  // no closing quote: the rest of the text
      {"\"a\"b", {"a", "b"}},
      {GBK("\"产品 A\",型号"), {GBK("产品 A"), GBK("型号")}},
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(LineListToLines(cases[i].text), cases[i].lines);
  }
}

TEST(LineList, RoundTrips) {
  const LineList samples[] = {
      {GBK("品牌"), "", GBK("单价: 5 元"), "\"q\"", "a,b"},
      {""},
      {"x"},
  };
  for (const LineList& lines : samples) EXPECT_EQ(LineListToLines(LinesToLineList(lines)), lines);
}

}  // namespace
}  // namespace tagpress
