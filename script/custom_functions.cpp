#include "script/custom_functions.h"

#include <atomic>

#include "platform/text_codec.h"
#include "platform/ascii_text.h"
#include "script/script_errors.h"

namespace tagpress {

namespace {

std::atomic<uint64_t> next_library_serial{1};

// The results of two-argument calls on this thread, by library serial. A
// library leaves its entries behind when it goes (the standard one goes
// after this thread's table at exit); a serial is never given out again.
thread_local std::unordered_map<uint64_t, TkxValue> last_results;

}  // namespace

TkxCustomFunctions::TkxCustomFunctions() : serial_(next_library_serial.fetch_add(1)) {}

bool TkxCustomFunctions::CallFunction(std::string_view name, const TkxScriptVariants* params) {
  TkxValue result = TkxValue::Null();
  const bool done = CallFunction(name, params, result);
  last_results[serial_] = std::move(result);
  return done;
}

const TkxValue& TkxCustomFunctions::FuncResult() const {
  static const TkxValue kNull = TkxValue::Null();
  const auto found = last_results.find(serial_);
  return found == last_results.end() ? kNull : found->second;
}

TkxFuncDesc& TkxCustomFunctions::AddFunction(std::string_view name) {
  std::string key = AsciiUpperCase(name);
  if (index_.count(key)) {
    std::string message = GBK("函数 <%s> 已经注册！");
    message.replace(message.find("%s"), 2, name);
    throw EScriptPlainError(message);
  }
  index_.emplace(std::move(key), descriptors_.size());
  names_.emplace_back(name);
  descriptors_.push_back(std::make_unique<TkxFuncDesc>());
  return *descriptors_.back();
}

const TkxFuncDesc* TkxCustomFunctions::FindFunction(std::string_view name) const {
  if (index_.empty()) return nullptr;
  char buffer[64];
  if (name.size() <= sizeof buffer) {
    // Most lookups are short names: upper-case them without allocating.
    for (size_t i = 0; i < name.size(); ++i) buffer[i] = AsciiUpper(name[i]);
    const auto found = index_.find(std::string(buffer, name.size()));
    return found == index_.end() ? nullptr : descriptors_[found->second].get();
  }
  const auto found = index_.find(AsciiUpperCase(name));
  return found == index_.end() ? nullptr : descriptors_[found->second].get();
}

void TkxCustomFunctions::ClearFunctions() {
  index_.clear();
  names_.clear();
  descriptors_.clear();
}

}  // namespace tagpress
