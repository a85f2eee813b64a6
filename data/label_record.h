#pragma once

#include <string>

namespace tagpress {

// One label: the barcode digits and the lines above and below the barcode
// block (each in line-list form).
struct TLabelRecord {
  std::string Digits;
  std::string UpText;
  std::string DownText;

  bool operator==(const TLabelRecord&) const = default;
};

}  // namespace tagpress
