#pragma once
// The expression context of label texts: one script executor with the
// standard function library and a global table holding the one variable
// "条码数字", shared by the design preview, the page composer and the image
// export.

#include <string>

#include "print/label_text_expander.h"
#include "script/script_exec.h"
#include "script/script_variants.h"

namespace tagpress {

class LabelTextContext : public LabelTextExpander {
 public:
  LabelTextContext();
  LabelTextContext(const LabelTextContext&) = delete;
  LabelTextContext& operator=(const LabelTextContext&) = delete;

  void SetBarcodeDigits(const std::string& digits) override;

  // Replaces each text between "[" and the next "]" with the value of the
  // expression it holds. A bracket whose expression fails stays as written,
  // brackets included; nothing is raised. So does a bracket holding a line
  // end outside a string: a bracket is one expression, never statements.
  // Brackets are found on character boundaries of the GBK text. Label texts
  // come from data files, so functions that change files fail while they
  // are expanded.
  std::string ExpandExpressions(const std::string& text) override;

  TkxScriptExec& Executor() { return executor_; }
  TkxScriptVariants& GlobalVars() { return globals_; }

 private:
  // Declared first: the executor refers to the table.
  TkxScriptVariants globals_;
  TkxScriptExec executor_;
  TkxScriptVar* digits_;
};

}  // namespace tagpress
