#include "print/page_macros.h"

#include <gtest/gtest.h>

#include "platform/text_codec.h"

namespace tagpress {
namespace {

TEST(ExpandPageMacros, ReplacesEachMacroOnce) {
  const LocalDateTime now{2026, 1, 5, 9, 5, 7, 0};
  struct Case {
    std::string before;
    int page, total;
    std::string after;
  };
  const Case cases[] = {
      {GBK("第 [页号] 页，共 [总页数] 页"), 2, 3, GBK("第 2 页，共 3 页")},
      {GBK("[页号]/[页号]"), 5, 9, GBK("5/[页号]")},
      {GBK("打印 [日期] [时间]"), 1, 1, GBK("打印 2026-1-5 9:05:07")},
      {GBK("[条码数字] [页 号]"), 1, 1, GBK("[条码数字] [页 号]")},
      {"", 1, 1, ""},
      {GBK("俒页号]"), 1, 1, GBK("俒页号]")},  // the "[" is the second byte of 俒
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(i);
    std::string text = cases[i].before;
    ExpandPageMacros(text, cases[i].page, cases[i].total, now);
    EXPECT_EQ(text, cases[i].after);
  }
}

}  // namespace
}  // namespace tagpress
