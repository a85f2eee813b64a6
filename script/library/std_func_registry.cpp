// Placeholder standard library without functions; the function library of
// script/library/ replaces this file with the real TkxStdFunc instance.
#include "script/custom_functions.h"

namespace tagpress {

namespace {

class TEmptyFunctions final : public TkxCustomFunctions {
 public:
  TEmptyFunctions() { DefineFunctions(); }
  bool CallFunction(std::string_view, const TkxScriptVariants*) override {
    func_result_ = TkxValue::Null();
    return false;
  }

 protected:
  void DefineFunctions() override {}
};

}  // namespace

TkxCustomFunctions& StdFuncLib() {
  static TEmptyFunctions instance;
  return instance;
}

}  // namespace tagpress
