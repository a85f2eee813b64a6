// The library as scripts reach it: expressions evaluated by the executor.
#include <gtest/gtest.h>

#include "platform/text_codec.h"
#include "platform/text_file.h"
#include "script/library/file_functions.h"
#include "script/script_errors.h"
#include "script/script_exec.h"
#include "tests/support/temp_dir.h"

namespace tagpress {
namespace {

using testing::TempDir;

std::string EvaluateToText(const std::string& utf8_expression) {
  TkxScriptExec exec;
  EXPECT_TRUE(exec.Evaluate(Utf8ToGbk(utf8_expression)));
  return GbkToUtf8(exec.ResultVar().AsString());
}

TEST(StdFuncInScripts, Expressions) {
  struct Case {
    const char* expression;
    const char* text;
  };
  static const Case kCases[] = {
      /* 0*/ {"MoneyCHN(12.5)", "壹拾贰圆伍角"},
      /* 1*/ {"NumCHN(15) + '元'", "拾伍元"},
      /* 2*/ {"StrInc('AB0099CD', 3, 6)", "AB0100CD"},
      /* 3*/ {"IncBillNo(\"NO.0099\")", "NO.0100"},
      /* 4*/ {"abs(-2)", "2"},
      /* 5*/ {"FunctionLibraryVersion", "1"},
      /* 6*/ {"VarArrayGet(VarArrayOf(10, 20), 1)", "20"},
      /* 7*/ {"VARISEMPTY(UNASSIGNED)", "True"},
      /* 8*/ {"VARISEMPTY(NULL)", "False"},
      /* 9*/ {"INC(5, 10)", "15"},
      /*10*/ {"Format('%.2f', 1.0)", "1.00"},
      /*11*/ {"Round(2.5) + Round(3.5)", "6"},
      /*12*/ {"FormatDateTime('yyyy-mm-dd', DateTime('2024-1-5'))", "2024-01-05"},
      /*13*/ {"DateCHN(DateTime('2010-10-31'))", "二〇一〇年十月三十一日"},
  };
  for (size_t i = 0; i < std::size(kCases); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(EvaluateToText(kCases[i].expression), kCases[i].text);
  }
}

TEST(StdFuncInScripts, AFailedCallIsARuntimeErrorNamingTheFunction) {
  for (const char* expression : {"Sqrt(-1)", "Power(-8, 1/3)", "Max(1, 'x')", "ASCII('')"}) {
    SCOPED_TRACE(expression);
    TkxScriptExec exec;
    try {
      exec.Evaluate(expression);
      ADD_FAILURE() << "no error";
    } catch (const EScriptError& error) {
      const std::string name = std::string(expression).substr(0, std::string(expression).find('('));
      EXPECT_NE(std::string(error.what()).find(name), std::string::npos) << GbkToUtf8(error.what());
    }
  }
}

TEST(StdFuncInScripts, LabelExpansionCannotDeleteFiles) {
  TempDir dir;
  const std::string file = dir.Write("a.txt", "keep");
  TkxScriptExec exec;
  {
    FileChangesAllowed forbid(false);
    EXPECT_THROW(exec.Evaluate("DeleteFile('" + file + "')"), EScriptError);
  }
  EXPECT_TRUE(FileExists(file));
  ASSERT_TRUE(exec.Evaluate("DeleteFile('" + file + "')"));
  EXPECT_TRUE(exec.ResultVar().AsBoolean());
  EXPECT_FALSE(FileExists(file));
}

}  // namespace
}  // namespace tagpress
