#pragma once
// Numbers as the template file writes and reads them: "." as the decimal
// separator whatever the locale.

#include <optional>
#include <string>
#include <string_view>

namespace tagpress {

// Fixed notation with `decimals` digits after the point: 8 → "8.00".
std::string FormatFixed(double value, int decimals);

// General notation with up to 15 significant digits, no trailing zeros and
// no exponent unless needed: 8 → "8", 0.2 → "0.2", 1e20 → "1E20".
std::string FormatGeneral(double value);

// A decimal real with optional sign, fraction and exponent; blanks around it
// are allowed. Nothing else converts.
std::optional<double> ParseReal(std::string_view text);

// A signed 32-bit integer in decimal, or in hexadecimal after "$" or "0x";
// leading blanks allowed. Out of range does not convert.
std::optional<int> ParseInt(std::string_view text);

// A number (non-zero is true) or "True"/"False" in any letter case.
std::optional<bool> ParseBool(std::string_view text);

}  // namespace tagpress
