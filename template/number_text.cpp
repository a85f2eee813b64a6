#include "template/number_text.h"

#include <charconv>

#include "platform/ascii_text.h"

namespace tagpress {

std::string FormatFixed(double value, int decimals) {
  char buffer[64];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
  if (result.ec != std::errc()) return "0";
  std::string text(buffer, result.ptr);
  if (text.find_first_not_of("-0.") == std::string::npos && text[0] == '-') text.erase(0, 1);  // no "-0.00"
  return text;
}

std::optional<bool> ParseBool(std::string_view text) {
  if (SameTextAscii(text, "true")) return true;
  if (SameTextAscii(text, "false")) return false;
  if (auto number = TryTextToFloat(text)) return *number != 0;
  return std::nullopt;
}

}  // namespace tagpress
