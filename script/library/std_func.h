#pragma once
// The standard function library of the script engine: 84 functions for
// arithmetic, dates, conversions, Chinese numerals, text, bill numbers,
// arrays and files. StdFuncLib() returns the program's one instance.

#include <string_view>

#include "script/custom_functions.h"

namespace tagpress {

class TkxStdFunc final : public TkxCustomFunctions {
 public:
  TkxStdFunc();

  // Never raises: an unknown name, too few arguments, a failed conversion
  // or computation, a file change while file changes are forbidden (see
  // FileChangesAllowed) and a text result over kMaxTextResult all answer
  // false with the result Null.
  bool CallFunction(std::string_view name, const TkxScriptVariants* params, TkxValue& result) override;
  using TkxCustomFunctions::CallFunction;

 protected:
  void DefineFunctions() override;
};

}  // namespace tagpress
