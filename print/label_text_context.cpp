#include "print/label_text_context.h"

#include "platform/text_codec.h"
#include "platform/ascii_text.h"
#include "script/library/file_functions.h"
#include "script/script_value.h"

namespace tagpress {

LabelTextContext::LabelTextContext() : digits_(&globals_.Add(GBK("条码数字"))) {
  digits_->SetValue(TkxValue::FromString(""));
  executor_.GlobalVars = &globals_;
  executor_.UseStdFuncLib = true;
}

void LabelTextContext::SetBarcodeDigits(const std::string& digits) {
  digits_->SetValue(TkxValue::FromString(digits));
}

std::string LabelTextContext::ExpandExpressions(const std::string& text) {
  // Brackets are searched character by character: the second byte of a
  // Chinese character may be "[" or "]" and is no bracket.
  size_t open = FindOnCharacter(text, "[");
  if (open == std::string::npos) return text;
  FileChangesAllowed no_file_changes(false);
  std::string result;
  result.reserve(text.size());
  size_t pos = 0;
  while (open != std::string::npos) {
    result.append(text, pos, open - pos);
    const size_t close = FindOnCharacter(text, "]", open);
    if (close == std::string::npos) {
      pos = open;
      break;
    }
    const std::string_view expression(text.data() + open + 1, close - open - 1);
    bool replaced = false;
    try {
      if (executor_.Evaluate(expression)) {
        result += executor_.ResultVar().AsString();
        replaced = true;
      }
    } catch (...) {
      // A failing expression leaves its bracket as written.
    }
    if (!replaced) result.append(text, open, close - open + 1);
    pos = close + 1;
    open = FindOnCharacter(text, "[", pos);
  }
  result.append(text, pos, std::string::npos);
  return result;
}

}  // namespace tagpress
