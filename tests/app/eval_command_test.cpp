#include "app/eval_command.h"

#include <gtest/gtest.h>

namespace tagpress {
namespace {

TEST(EvaluateLabelExpression, ValuesAndErrors) {
  struct Case {
    std::string expression, digits;
    bool ok;
    std::string text;  // the value, or a part of the message
  };
  const Case cases[] = {
      {"1+2*3", "", true, "7"},
      {"条码数字+1", "123", true, "124"},
      {"条码数字", "6901234567892", true, "6901234567892"},
      {"NumCHN(12)", "", true, "拾贰"},
      {"UpperNum(15)", "", true, "十五"},
      {"1/0", "", false, "除零"},
      {"nosuchname", "", false, "nosuchname"},
      {"a\tb", "", false, "a\tb"},
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(i);
    const EvalOutcome outcome = EvaluateLabelExpression(cases[i].expression, cases[i].digits);
    EXPECT_EQ(outcome.Ok, cases[i].ok);
    if (cases[i].ok)
      EXPECT_EQ(outcome.Text, cases[i].text);
    else
      EXPECT_NE(outcome.Text.find(cases[i].text), std::string::npos) << outcome.Text;
  }
}

}  // namespace
}  // namespace tagpress
