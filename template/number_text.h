#pragma once
// Numbers as the template file writes and reads them, beside the general
// number text of platform/number_text.h: "." as the decimal separator
// whatever the locale.

#include <optional>
#include <string>
#include <string_view>

#include "platform/number_text.h"

namespace tagpress {

// Fixed notation with `decimals` digits after the point: 8 → "8.00".
std::string FormatFixed(double value, int decimals);

// A number (non-zero is true) or "True"/"False" in any letter case.
std::optional<bool> ParseBool(std::string_view text);

}  // namespace tagpress
