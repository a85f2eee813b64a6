#include "app/eval_command.h"

#include <exception>

#include "platform/text_codec.h"
#include "print/label_text_context.h"
#include "script/library/file_functions.h"

namespace tagpress {

EvalOutcome EvaluateLabelExpression(const std::string& expression, const std::string& digits) {
  LabelTextContext context;
  context.SetBarcodeDigits(Utf8ToGbk(digits));
  // The same rules as inside a label: no file changes.
  FileChangesAllowed no_file_changes(false);
  EvalOutcome outcome;
  try {
    if (!context.Executor().Evaluate(Utf8ToGbk(expression))) {
      outcome.Text = GbkToUtf8(GBK("表达式无法识别: ")) + expression;
      return outcome;
    }
    outcome.Text = GbkToUtf8(context.Executor().ResultVar().AsString());
    outcome.Ok = true;
  } catch (const std::exception& error) {
    outcome.Text = GbkToUtf8(error.what());
  }
  return outcome;
}

}  // namespace tagpress
