#pragma once
// `tagpress --eval=EXPR [--digits=D]`: evaluates one expression as a label
// bracket would be evaluated, so a person can try label expressions without
// printing anything.

#include <string>

namespace tagpress {

struct EvalOutcome {
  bool Ok = false;
  std::string Text;  // the value's text, or the error message (UTF-8)
};

// EXPR and D are UTF-8 (terminal text); "条码数字" holds D.
EvalOutcome EvaluateLabelExpression(const std::string& expression, const std::string& digits);

}  // namespace tagpress
