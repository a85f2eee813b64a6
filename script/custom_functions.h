#pragma once
// The base of a script function library: a table from function names to
// descriptors and a dispatcher. The executor asks HasFunction and then calls
// the function with a result slot of its own, so scripts on a worker thread
// and on the window's thread never see each other's results.

#include <cstdint>
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

  // The dispatcher: calls the function `name` with the arguments "1", "2",
  // ... of `params` (nullptr for none) and stores its value in `result`.
  // Returns false for an unknown name, too few arguments or a failed
  // computation, with `result` Null; never raises. Libraries keep no state
  // of a call, so any thread may call at any time.
  virtual bool CallFunction(std::string_view name, const TkxScriptVariants* params, TkxValue& result) = 0;

  // The same call with its value kept for FuncResult: one result per
  // library and thread, so a call on another thread cannot overwrite it.
  bool CallFunction(std::string_view name, const TkxScriptVariants* params);
  // The result of the last two-argument call of this library on this
  // thread (Null before the first).
  const TkxValue& FuncResult() const;

 protected:
  // A derived library fills its table by calling DefineFunctions from its
  // own constructor (a base constructor cannot reach the derived override).
  TkxCustomFunctions();
  virtual void DefineFunctions() = 0;

 private:
  // Identifies the library's results on every thread; never reused, so a
  // library created where a freed one was does not see its results.
  const uint64_t serial_;
  std::vector<std::string> names_;
  std::vector<std::unique_ptr<TkxFuncDesc>> descriptors_;
  std::unordered_map<std::string, size_t> index_;  // upper-cased name -> position
};

// The standard function library, one instance for the whole program,
// created on first use.
TkxCustomFunctions& StdFuncLib();

}  // namespace tagpress
