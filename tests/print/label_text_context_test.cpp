#include "print/label_text_context.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

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
      {"", "[1+] [2*3]", " 6"},          // a missing operand gives Null, whose text is empty
      {"", "[a\tb] [2*3]", "[a\tb] 6"},  // a tab does not scan: the bracket stays
      {"", "[[1+1]", "[[1+1]"},          // the inner "[" belongs to the expression, which fails
      {"", "a,[1+1],b", "a,2,b"},
      // A line end would make the rest of the bracket statements of their own.
      {"", "[1\r\n2] [1\r2] [1+1]", "[1\r\n2] [1\r2] 2"},
      {"", "['a\r\nb']", "a\r\nb"},  // inside a string it is only text
      // The second byte of a Chinese character is no bracket.
      {"", GBK("俒[1+1]"), GBK("俒2")},
      {"", GBK("[Len('乚')]x"), "2x"},
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
  EXPECT_TRUE(std::filesystem::exists(file));
  EXPECT_EQ(testing::TempDir::Read(file), "data");
  EXPECT_EQ(context.ExpandExpressions("[CreateDir('" + dir.File("new") + "')]").front(), '[');
  EXPECT_FALSE(std::filesystem::exists(dir.File("new")));
}

TEST(ExpandExpressions, LabelTextsCannotStartStatementsOrThreads) {
  std::vector<std::string> calls;
  {
    LabelTextContext context;
    context.Executor().OnAction = [&calls](TkxScriptExec&, TkxActionType act, TkxHostObject*,
                                           const std::string& name, TkxScriptVariants*, TkxScriptVar&,
                                           bool& succeed) {
      if (act == atDoProc) calls.push_back(name);
      succeed = true;
    };
    const std::string texts[] = {"[1\r\nmacrothread('Probe')]", "[1\rmacro('Probe')]", "[1\r\nProbe]"};
    for (const std::string& text : texts) EXPECT_EQ(context.ExpandExpressions(text), text);
  }  // an executor waits for its workers when it goes
  EXPECT_TRUE(calls.empty());
}

TEST(ExpandExpressions, DeepNestingFailsQuietly) {
  LabelTextContext context;
  const std::string text = "[" + std::string(100000, '(') + "1" + std::string(100000, ')') + "]";
  EXPECT_EQ(context.ExpandExpressions(text), text);
}

}  // namespace
}  // namespace tagpress
