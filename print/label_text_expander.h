#pragma once
// What the page composer needs of the expression context: the digits of the
// label being drawn, and the expansion of its bracketed texts.

#include <string>

namespace tagpress {

class LabelTextExpander {
 public:
  virtual ~LabelTextExpander() = default;
  // Sets the script variable "条码数字".
  virtual void SetBarcodeDigits(const std::string& digits) = 0;
  // Replaces every bracketed expression with its value; never throws.
  virtual std::string ExpandExpressions(const std::string& text) = 0;
};

}  // namespace tagpress
