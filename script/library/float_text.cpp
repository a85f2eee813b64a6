#include "script/library/float_text.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace tagpress {

namespace {

constexpr int kValueDigits = 15;  // significant digits a real is shown with
constexpr int kMaxPrecision = 18;

std::string NonFiniteText(double value) {
  if (std::isnan(value)) return "NAN";
  return value < 0 ? "-INF" : "INF";
}

std::string ExponentText(int exponent, int min_digits, bool plus_sign) {
  std::string text = exponent < 0 ? "-" : (plus_sign ? "+" : "");
  std::string number = std::to_string(std::abs(exponent));
  if (static_cast<int>(number.size()) < min_digits) number.insert(0, min_digits - number.size(), '0');
  return text + number;
}

std::string WithThousands(const std::string& integer_digits) {
  std::string text;
  const size_t n = integer_digits.size();
  for (size_t i = 0; i < n; ++i) {
    if (i > 0 && (n - i) % 3 == 0) text += ',';
    text += integer_digits[i];
  }
  return text;
}

}  // namespace

DecimalFloat ToDecimalFloat(double value, int precision, int decimals) {
  DecimalFloat result;
  result.negative = std::signbit(value);
  if (!std::isfinite(value)) {
    result.finite = false;
    return result;
  }
  if (value == 0) {
    result.negative = false;
    return result;
  }
  char buffer[40];
  std::snprintf(buffer, sizeof buffer, "%.16e", std::fabs(value));  // d.dddddddddddddddde+XX
  std::string digits;
  digits += buffer[0];
  digits.append(buffer + 2, 16);
  result.exponent = std::atoi(buffer + 19) + 1;

  const int keep = std::min(precision, result.exponent + decimals);
  if (keep < 0) {
    result.negative = false;
    return result;
  }
  if (keep < static_cast<int>(digits.size())) {
    const bool round_up = digits[keep] >= '5';
    digits.resize(keep);
    if (round_up) {
      int i = keep - 1;
      while (i >= 0 && digits[i] == '9') digits[i--] = '0';
      if (i >= 0) {
        ++digits[i];
      } else {
        digits.insert(digits.begin(), '1');
        ++result.exponent;
      }
    }
  }
  while (!digits.empty() && digits.back() == '0') digits.pop_back();
  if (digits.empty()) result.negative = false;
  result.digits = digits;
  return result;
}

std::string FormatGeneral(double value, int precision, int exponent_digits) {
  if (!std::isfinite(value)) return NonFiniteText(value);
  precision = std::clamp(precision, 1, kMaxPrecision);
  const DecimalFloat d = ToDecimalFloat(value, precision);
  if (d.digits.empty()) return "0";
  std::string text = d.negative ? "-" : "";
  const int n = static_cast<int>(d.digits.size());
  if (d.exponent > precision || d.exponent < -3) {
    text += d.digits[0];
    if (n > 1) text += "." + d.digits.substr(1);
    return text + "E" + ExponentText(d.exponent - 1, exponent_digits, false);
  }
  if (d.exponent <= 0) return text + "0." + std::string(-d.exponent, '0') + d.digits;
  if (n <= d.exponent) return text + d.digits + std::string(d.exponent - n, '0');
  return text + d.digits.substr(0, d.exponent) + "." + d.digits.substr(d.exponent);
}

std::string FormatFixed(double value, int decimals, bool thousands) {
  if (!std::isfinite(value)) return NonFiniteText(value);
  const DecimalFloat d = ToDecimalFloat(value, kValueDigits, decimals);
  if (d.exponent > kValueDigits) return FormatExponent(value, kValueDigits);
  std::string integer_part = d.exponent > 0 ? d.digits.substr(0, d.exponent) : "";
  if (d.exponent > static_cast<int>(integer_part.size()))
    integer_part.append(d.exponent - integer_part.size(), '0');
  if (integer_part.empty()) integer_part = "0";
  std::string fraction;
  for (int i = 0; i < decimals; ++i) {
    const int index = d.exponent + i;  // digit index of the i-th decimal
    fraction += index >= 0 && index < static_cast<int>(d.digits.size()) ? d.digits[index] : '0';
  }
  std::string text = d.negative ? "-" : "";
  text += thousands ? WithThousands(integer_part) : integer_part;
  if (decimals > 0) text += "." + fraction;
  return text;
}

std::string FormatExponent(double value, int precision, int exponent_digits) {
  if (!std::isfinite(value)) return NonFiniteText(value);
  precision = std::clamp(precision, 1, kMaxPrecision);
  const DecimalFloat d = ToDecimalFloat(value, precision);
  std::string digits = d.digits;
  if (static_cast<int>(digits.size()) < precision) digits.append(precision - digits.size(), '0');
  std::string text = d.negative ? "-" : "";
  text += digits[0];
  if (digits.size() > 1) text += "." + digits.substr(1);
  const int exponent = d.digits.empty() ? 0 : d.exponent - 1;
  return text + "E" + ExponentText(exponent, exponent_digits, true);
}

}  // namespace tagpress
