#include "script/script_variants.h"

#include <algorithm>
#include <cstdio>

#include "platform/text_codec.h"
#include "platform/ascii_text.h"
#include "script/script_errors.h"

namespace tagpress {

namespace {

std::string FormatWithText(const std::string& format, std::string_view text) {
  std::string result = format;
  const size_t at = result.find("%s");
  result.replace(at, 2, text);
  return result;
}

}  // namespace

void TkxScriptVariants::SetSorted(bool sorted) {
  if (sorted && !sorted_) {
    std::stable_sort(items_.begin(), items_.end(), [](const auto& a, const auto& b) {
      return CompareTextAscii(a->VarName(), b->VarName()) < 0;
    });
  }
  sorted_ = sorted;
}

size_t TkxScriptVariants::LowerBound(std::string_view name) const {
  size_t low = 0;
  size_t high = items_.size();
  while (low < high) {
    const size_t middle = (low + high) / 2;
    if (CompareTextAscii(items_[middle]->VarName(), name) < 0) {
      low = middle + 1;
    } else {
      high = middle;
    }
  }
  return low;
}

int TkxScriptVariants::IndexOf(std::string_view name) const {
  if (sorted_) {
    const size_t at = LowerBound(name);
    if (at < items_.size() && SameTextAscii(items_[at]->VarName(), name)) return static_cast<int>(at);
    return -1;
  }
  for (size_t i = 0; i < items_.size(); ++i) {
    if (SameTextAscii(items_[i]->VarName(), name)) return static_cast<int>(i);
  }
  return -1;
}

TkxScriptVar* TkxScriptVariants::Find(std::string_view name) const {
  const int index = IndexOf(name);
  return index < 0 ? nullptr : items_[static_cast<size_t>(index)].get();
}

TkxScriptVar& TkxScriptVariants::Add(std::string_view name) {
  if (Exists(name)) throw EScriptError(FormatWithText(GBK("变量< %s >已经定义！"), name));
  auto variable = std::make_unique<TkxScriptVar>(std::string(name));
  TkxScriptVar& added = *variable;
  if (sorted_) {
    items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(LowerBound(name)), std::move(variable));
  } else {
    items_.push_back(std::move(variable));
  }
  return added;
}

TkxScriptVar& TkxScriptVariants::Items(int index) const {
  if (index < 0 || index >= Count()) {
    std::string message = GBK("变量索引< %d >超出范围！");
    message.replace(message.find("%d"), 2, std::to_string(index));
    throw EScriptError(message);
  }
  return *items_[static_cast<size_t>(index)];
}

}  // namespace tagpress
