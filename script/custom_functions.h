#pragma once
// The base of a script function library: a table from function names to
// descriptors and a dispatcher. The executor asks HasFunction and then
// CallFunction, and on success copies FuncResult at once.

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "script/script_value.h"
#include "script/script_variants.h"

namespace tagpress {

// The descriptor of one library function; `Id` selects it in the dispatcher.
struct TkxFuncDesc {
  int32_t Id = 0;
  // The least number of arguments the function needs (for the library's own use).
  int32_t MinParams = 0;
};

class TkxCustomFunctions {
 public:
  virtual ~TkxCustomFunctions() = default;
  TkxCustomFunctions(const TkxCustomFunctions&) = delete;
  TkxCustomFunctions& operator=(const TkxCustomFunctions&) = delete;

  // Registers a name (ASCII letter case ignored); EScriptPlainError
  // "函数 <%s> 已经注册！" when it is present.
  TkxFuncDesc& AddFunction(std::string_view name);
  bool HasFunction(std::string_view name) const { return FindFunction(name) != nullptr; }
  // The descriptor, or nullptr.
  const TkxFuncDesc* FindFunction(std::string_view name) const;
  void ClearFunctions();
  // The registered names in registration order.
  const std::vector<std::string>& FunctionNames() const { return names_; }

  // Calls the function `name` with the arguments "1", "2", ... of `params`
  // (nullptr for none). Returns false for an unknown name, too few arguments
  // or a failed computation, with FuncResult Null; never raises.
  virtual bool CallFunction(std::string_view name, const TkxScriptVariants* params) = 0;

  // The result of the last call.
  const TkxValue& FuncResult() const { return func_result_; }

 protected:
  // A derived library fills its table by calling DefineFunctions from its
  // own constructor (a base constructor cannot reach the derived override).
  TkxCustomFunctions() = default;
  virtual void DefineFunctions() = 0;

  TkxValue func_result_ = TkxValue::Null();

 private:
  std::vector<std::string> names_;
  std::vector<std::unique_ptr<TkxFuncDesc>> descriptors_;
  std::unordered_map<std::string, size_t> index_;  // upper-cased name -> position
};

// The standard function library, one instance for the whole program,
// created on first use.
TkxCustomFunctions& StdFuncLib();

}  // namespace tagpress
