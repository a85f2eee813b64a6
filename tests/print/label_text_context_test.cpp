#include "print/label_text_context.h"

#include <gtest/gtest.h>

#include "platform/text_codec.h"
#include "tests/support/temp_dir.h"

namespace tagpress {
namespace {

TEST(ExpandExpressions, Table) {
  struct Case {
    std::string digits, before, after;
  };
  const Case cases[] = {
      {"", GBK("品名"), GBK("品名")},
      {"690100012542", GBK("[条码数字]"), "690100012542"},
      {"123", GBK("[条码数字+1]"), "124"},
      {"", "A[1+2]B", "A3B"},
      {"", "[1+2][3+4]", "37"},
      {"", "[abc", "[abc"},
      {"", "[1+1][abc", "2[abc"},
      {"", "x]y", "x]y"},
      {"", GBK("[日期]"), GBK("[日期]")},
      {"", "[]", ""},  // an empty expression yields the empty text
      {"", "[1/0] ok", "[1/0] ok"},
      {"", "[1+] [2*3]", " 6"},  // a missing operand gives Null, whose text is empty
      {"", "[a\tb] [2*3]", "[a\tb] 6"},  // a tab does not scan: the bracket stays
      {"", "[[1+1]", "[[1+1]"},  // the inner "[" belongs to the expression, which fails
      {"", "a,[1+1],b", "a,2,b"},
  };
  LabelTextContext context;
  for (size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(i);
    context.SetBarcodeDigits(cases[i].digits);
    EXPECT_EQ(context.ExpandExpressions(cases[i].before), cases[i].after);
  }
}

TEST(ExpandExpressions, LabelTextsCannotChangeFiles) {
  testing::TempDir dir;
  const std::string file = dir.Write("keep.txt", "data");
  LabelTextContext context;
  const std::string text = "[DeleteFile('" + file + "')]";
  EXPECT_EQ(context.ExpandExpressions(text), text);
  EXPECT_EQ(testing::TempDir::Read(file), "data");
  EXPECT_EQ(context.ExpandExpressions("[CreateDir('" + dir.File("new") + "')]").front(), '[');
  EXPECT_FALSE(std::filesystem::exists(dir.File("new")));
}

TEST(ExpandExpressions, DeepNestingFailsQuietly) {
  LabelTextContext context;
  const std::string text = "[" + std::string(100000, '(') + "1" + std::string(100000, ')') + "]";
  EXPECT_EQ(context.ExpandExpressions(text), text);
}

}  // namespace
}  // namespace tagpress
