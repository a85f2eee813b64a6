#include "template/number_text.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace tagpress {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
    if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
    if (x != y) return false;
  }
  return true;
}

}  // namespace

std::string FormatFixed(double value, int decimals) {
  char buffer[64];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
  if (result.ec != std::errc()) return "0";
  std::string text(buffer, result.ptr);
  if (text.find_first_not_of("-0.") == std::string::npos && text[0] == '-') text.erase(0, 1);  // no "-0.00"
  return text;
}

std::string FormatGeneral(double value) {
  if (value == 0 || !std::isfinite(value)) return value == 0 ? "0" : (std::isnan(value) ? "NAN" : (value > 0 ? "INF" : "-INF"));
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.15G", value);
  std::string text(buffer);
  size_t e = text.find('E');
  if (e == std::string::npos) return text;
  // Mantissa as printed; exponent without "+" and without leading zeros.
  std::string mantissa = text.substr(0, e);
  int exponent = std::atoi(text.c_str() + e + 1);
  return mantissa + "E" + std::to_string(exponent);
}

std::optional<double> ParseReal(std::string_view text) {
  text = TrimBlanks(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  if (text.empty()) return std::nullopt;
  // Only digits, sign, point and exponent: from_chars would also take "inf" and "nan".
  if (text.find_first_not_of("0123456789.-+eE") != std::string_view::npos) return std::nullopt;
  double value = 0;
  auto result = std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
  if (result.ec != std::errc() || result.ptr != text.data() + text.size()) return std::nullopt;
  return value;
}

std::optional<int> ParseInt(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  int base = 10;
  if (!text.empty() && text.front() == '$') {
    base = 16;
    text.remove_prefix(1);
  } else if (text.size() > 1 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    base = 16;
    text.remove_prefix(2);
  }
  if (text.empty()) return std::nullopt;
  long long magnitude = 0;
  auto result = std::from_chars(text.data(), text.data() + text.size(), magnitude, base);
  if (result.ec != std::errc() || result.ptr != text.data() + text.size()) return std::nullopt;
  long long value = negative ? -magnitude : magnitude;
  if (base == 16 && !negative && value > 0x7FFFFFFFLL && value <= 0xFFFFFFFFLL)
    value = static_cast<int>(static_cast<unsigned>(value));  // $FFFFFFFF is -1
  if (value < INT32_MIN || value > INT32_MAX) return std::nullopt;
  return static_cast<int>(value);
}

std::optional<bool> ParseBool(std::string_view text) {
  if (EqualsIgnoringCase(text, "true")) return true;
  if (EqualsIgnoringCase(text, "false")) return false;
  if (auto number = ParseReal(text)) return *number != 0;
  return std::nullopt;
}

}  // namespace tagpress
