#pragma once
// Reals written as decimal text, the way the script engine shows numbers:
// digits are rounded half away from zero from the value's 17 significant
// digits, so 0.125 with two decimals gives 0.13 while 2.675 (stored as
// 2.67499999...) gives 2.67.

#include <string>

namespace tagpress {

// A real as decimal digits: value = 0.d1d2d3... x 10^exponent. No trailing
// zero digits; zero has no digits.
struct DecimalFloat {
  bool negative = false;
  bool finite = true;  // false for NaN and the infinities (then nothing else counts)
  int exponent = 0;
  std::string digits;
};

// Rounds to at most `precision` significant digits and at most `decimals`
// digits after the decimal point.
DecimalFloat ToDecimalFloat(double value, int precision, int decimals = 9999);

// The shortest text with at most `precision` significant digits: fixed
// notation, or "1.5E20" / "1E-5" style when the exponent exceeds the
// precision or the value is below 0.0001. The exponent gets at least
// `exponent_digits` digits.
std::string FormatGeneral(double value, int precision = 15, int exponent_digits = 0);

// Fixed notation with exactly `decimals` decimals ("1234.50"); values with
// more integer digits than 15 are written in exponent notation.
// `thousands` puts "," between groups of three integer digits.
std::string FormatFixed(double value, int decimals, bool thousands = false);

// Exponent notation with `precision` significant digits: "1.2340E+003".
std::string FormatExponent(double value, int precision, int exponent_digits = 3);

}  // namespace tagpress
