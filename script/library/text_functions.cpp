#include "script/library/text_functions.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "platform/ascii_text.h"
#include "platform/errors.h"
#include "platform/number_text.h"
#include "platform/rounding.h"
#include "platform/text_codec.h"

namespace tagpress {

namespace {

bool IsBlankOrControl(char c) { return static_cast<unsigned char>(c) <= ' '; }

template <typename Change>
std::string MapAsciiLetters(std::string_view text, Change change) {
  std::string result(text);
  for (size_t i = 0; i < result.size(); ++i) {
    if (IsGbkLeadByte(static_cast<unsigned char>(result[i])) && i + 1 < result.size()) {
      ++i;  // the second byte of a Chinese character stays
      continue;
    }
    result[i] = change(result[i]);
  }
  return result;
}

}  // namespace

void CheckTextSize(size_t size) {
  if (size > kMaxTextResult)
    throw ETagpressError("A text result is limited to " + std::to_string(kMaxTextResult) + " bytes");
}

std::string CopyBytes(std::string_view text, int64_t from, int64_t count) {
  const int64_t length = static_cast<int64_t>(text.size());
  if (from < 1) from = 1;
  if (from > length || count < 1) return {};
  count = std::min(count, length - from + 1);
  return std::string(text.substr(from - 1, count));
}

std::string LeftBytes(std::string_view text, int64_t count) { return CopyBytes(text, 1, count); }

std::string RightBytes(std::string_view text, int64_t count) {
  return CopyBytes(text, static_cast<int64_t>(text.size()) - count + 1, count);
}

int TextPos(std::string_view part, std::string_view text) {
  if (part.empty()) return 0;
  for (size_t i = 0; i + part.size() <= text.size(); ++i) {
    if (text.compare(i, part.size(), part) == 0) return static_cast<int>(i + 1);
    if (IsGbkLeadByte(static_cast<unsigned char>(text[i]))) ++i;
  }
  return 0;
}

std::string TrimTextLeft(std::string_view text) {
  size_t first = 0;
  while (first < text.size() && IsBlankOrControl(text[first])) ++first;
  return std::string(text.substr(first));
}

std::string TrimTextRight(std::string_view text) {
  size_t end = text.size();
  while (end > 0 && IsBlankOrControl(text[end - 1])) --end;
  return std::string(text.substr(0, end));
}

std::string UpperLetters(std::string_view text) { return MapAsciiLetters(text, AsciiUpper); }
std::string LowerLetters(std::string_view text) { return MapAsciiLetters(text, AsciiLower); }

bool SameTextIgnoringCase(std::string_view a, std::string_view b) {
  return UpperLetters(a) == UpperLetters(b);
}

std::string RepeatText(std::string_view text, int64_t further) {
  if (text.empty()) return {};
  const uint64_t copies = static_cast<uint64_t>(std::max<int64_t>(further, 0)) + 1;
  if (copies > kMaxTextResult / text.size()) CheckTextSize(kMaxTextResult + 1);
  std::string result;
  result.reserve(text.size() * copies);
  for (uint64_t i = 0; i < copies; ++i) result += text;
  return result;
}

std::string IncrementNumberField(std::string_view text, int64_t from, int64_t to, int64_t step) {
  const int64_t length = static_cast<int64_t>(text.size());
  from = std::max<int64_t>(from, 1);
  to = std::min(to, length);
  if (from > to) return std::string(text);
  const std::string_view field = text.substr(from - 1, to - from + 1);
  const std::optional<int32_t> number = TryTextToInt(field);
  if (!number) return std::string(text);
  const int64_t value = static_cast<int64_t>(*number) + step;
  const std::string sum = std::to_string(value);
  const size_t kept = field.size() > sum.size() ? field.size() - sum.size() : 0;
  std::string result(text.substr(0, from - 1));
  // The sum overwrites the tail of the field. Counting up, the bytes kept in
  // front are leading zeros; counting down they could be digits of the old
  // number (0010 - 1 would read 0019), so a field of plain digits is
  // zero-filled instead.
  const bool plain_digits = field.find_first_not_of("0123456789") == std::string_view::npos;
  if (plain_digits && value >= 0)
    result.append(kept, '0');
  else
    result += field.substr(0, kept);
  result += sum;
  result += text.substr(to);
  CheckTextSize(result.size());
  return result;
}

std::string IncrementBillNumber(std::string_view text) {
  const size_t first_digit = text.find_first_of("0123456789");
  if (first_digit == std::string_view::npos) return std::string(text);
  return IncrementNumberField(text, static_cast<int64_t>(first_digit) + 1, static_cast<int64_t>(text.size()),
                              1);
}

std::string HexText(int32_t n, int64_t digits) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%X", static_cast<uint32_t>(n));
  std::string text = buffer;
  if (digits > static_cast<int64_t>(text.size())) {
    CheckTextSize(static_cast<size_t>(std::min<int64_t>(digits, kMaxTextResult + 1)));
    text.insert(0, static_cast<size_t>(digits) - text.size(), '0');
  }
  return text;
}

double RoundToDigits(double x, int32_t digits) {
  const int power = static_cast<int8_t>(digits & 0xFF);
  const double factor = std::pow(10.0, power);
  const double units = RoundHalfEven(x / factor);
  // Dividing by the exact power of ten gives the nearest real to the decimal
  // result (1234.57), which multiplying by an inexact 0.01 would miss.
  return power >= 0 ? units * factor : units / std::pow(10.0, -power);
}

}  // namespace tagpress
