#include "platform/number_text.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace tagpress {

namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

struct IntScan {
  bool complete = false;  // the whole text was a valid number
  bool negative = false;
  uint64_t magnitude = 0;
};

// Scans a whole number; `magnitude` holds the digits read until the scan stopped.
IntScan ScanInt(std::string_view text) {
  IntScan scan;
  size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    scan.negative = text[i] == '-';
    ++i;
  }
  bool hex = false;
  if (i < text.size() && text[i] == '$') {
    hex = true;
    ++i;
  } else if (i < text.size() && (text[i] == 'x' || text[i] == 'X')) {
    hex = true;
    ++i;
  } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    hex = true;
    i += 2;
  }
  const uint64_t limit = hex ? 0xFFFFFFFFull : 0x80000000ull;
  size_t digits = 0;
  for (; i < text.size(); ++i) {
    const int d = hex ? HexDigit(text[i]) : ((text[i] >= '0' && text[i] <= '9') ? text[i] - '0' : -1);
    if (d < 0) return scan;
    const uint64_t next = scan.magnitude * (hex ? 16 : 10) + static_cast<uint64_t>(d);
    if (next > limit) return scan;  // out of range: stop with what was read
    scan.magnitude = next;
    ++digits;
  }
  if (digits == 0) return scan;
  if (!hex && !scan.negative && scan.magnitude > 0x7FFFFFFFull) return scan;
  scan.complete = true;
  return scan;
}

}  // namespace

std::optional<int32_t> TryTextToInt(std::string_view text) {
  const IntScan scan = ScanInt(text);
  if (!scan.complete) return std::nullopt;
  const auto bits = static_cast<uint32_t>(scan.magnitude);
  const auto value = static_cast<int32_t>(bits);
  return scan.negative ? static_cast<int32_t>(0u - bits) : value;
}

int32_t TextToIntPrefix(std::string_view text) {
  const IntScan scan = ScanInt(text);
  if (scan.complete) return *TryTextToInt(text);
  return static_cast<int32_t>(scan.magnitude & 0x7FFFFFFF);
}

std::optional<double> TryTextToFloat(std::string_view text) {
  size_t begin = 0;
  size_t end = text.size();
  while (begin < end && text[begin] == ' ') ++begin;
  while (end > begin && text[end - 1] == ' ') --end;
  std::string_view body = text.substr(begin, end - begin);
  bool negative = false;
  if (!body.empty() && (body[0] == '+' || body[0] == '-')) {
    negative = body[0] == '-';
    body.remove_prefix(1);
  }
  // Validate the shape ourselves: from_chars would accept "inf", "nan" and hex.
  size_t i = 0;
  size_t mantissa_digits = 0;
  while (i < body.size() && body[i] >= '0' && body[i] <= '9') ++i, ++mantissa_digits;
  if (i < body.size() && body[i] == '.') {
    ++i;
    while (i < body.size() && body[i] >= '0' && body[i] <= '9') ++i, ++mantissa_digits;
  }
  if (mantissa_digits == 0) return std::nullopt;
  bool negative_exponent = false;
  if (i < body.size() && (body[i] == 'e' || body[i] == 'E')) {
    ++i;
    if (i < body.size() && (body[i] == '+' || body[i] == '-')) {
      negative_exponent = body[i] == '-';
      ++i;
    }
    size_t exponent_digits = 0;
    while (i < body.size() && body[i] >= '0' && body[i] <= '9') ++i, ++exponent_digits;
    if (exponent_digits == 0) return std::nullopt;
  }
  if (i != body.size()) return std::nullopt;
  double value = 0;
  const auto [ptr, ec] = std::from_chars(body.data(), body.data() + body.size(), value);
  if (ec == std::errc::result_out_of_range) {
    if (!negative_exponent) return std::nullopt;  // too large for a Double
    value = 0;                                    // too small: reads as zero
  } else if (ec != std::errc() || ptr != body.data() + body.size()) {
    return std::nullopt;
  }
  return negative ? -value : value;
}

std::string FloatToText(double value, int digits) {
  if (value == 0 || !std::isfinite(value)) {
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value > 0 ? "INF" : "-INF";
    return "0";
  }
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*g", digits, value);
  std::string text(buffer);
  const size_t e = text.find('e');
  if (e == std::string::npos) return text;
  // "1.5e-07" becomes "1.5E-7", "1e+20" becomes "1E20".
  std::string result = text.substr(0, e) + "E";
  size_t i = e + 1;
  if (text[i] == '-') result += '-';
  if (text[i] == '-' || text[i] == '+') ++i;
  while (i + 1 < text.size() && text[i] == '0') ++i;
  result += text.substr(i);
  return result;
}

std::string IntToText(int64_t value) {
  char buffer[24];
  const auto [ptr, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, ptr);
}

std::string CurrencyToText(int64_t scaled) {
  const bool negative = scaled < 0;
  const uint64_t magnitude = negative ? 0 - static_cast<uint64_t>(scaled) : static_cast<uint64_t>(scaled);
  std::string text = negative ? "-" : "";
  text += std::to_string(magnitude / 10000);
  uint64_t fraction = magnitude % 10000;
  if (fraction != 0) {
    std::string decimals = std::to_string(fraction + 10000).substr(1);
    while (decimals.back() == '0') decimals.pop_back();
    text += "." + decimals;
  }
  return text;
}

}  // namespace tagpress
