#include "script/custom_functions.h"

#include "platform/text_codec.h"
#include "script/ascii_text.h"
#include "script/script_errors.h"

namespace tagpress {

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
