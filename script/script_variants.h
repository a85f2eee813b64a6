#pragma once
// A table of named script variables. It owns its variables. Names compare
// without regard to ASCII letter case. Unsorted tables keep insertion order
// (positions matter for argument lists); sorted tables keep names in order
// and find them by binary search.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "script/script_var.h"

namespace tagpress {

class TkxScriptVariants {
 public:
  // Life cycle.
  TkxScriptVariants() = default;
  explicit TkxScriptVariants(bool sorted) : sorted_(sorted) {}
  TkxScriptVariants(const TkxScriptVariants&) = delete;
  TkxScriptVariants& operator=(const TkxScriptVariants&) = delete;

  // Properties.
  int Count() const { return static_cast<int>(items_.size()); }
  bool Sorted() const { return sorted_; }
  // Switching to sorted order sorts the names present.
  void SetSorted(bool sorted);

  // Operations.
  // A new Null variable named `name`; EScriptError "变量< %s >已经定义！"
  // when the name is present (the table stays unchanged).
  TkxScriptVar& Add(std::string_view name);
  TkxScriptVar* Find(std::string_view name) const;
  bool Exists(std::string_view name) const { return IndexOf(name) >= 0; }
  int IndexOf(std::string_view name) const;
  // EScriptError "变量索引< %d >超出范围！" outside 0 .. Count-1.
  TkxScriptVar& Items(int index) const;
  void Clear() { items_.clear(); }

 private:
  // Position of the first name not below `name` (sorted tables).
  size_t LowerBound(std::string_view name) const;

  std::vector<std::unique_ptr<TkxScriptVar>> items_;
  bool sorted_ = false;
};

}  // namespace tagpress
