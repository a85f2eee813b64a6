#pragma once
// The format language of the script function Format, for one argument:
// placeholders %[index:][-][width][.precision]type, where type is one of
//   d  decimal integer (precision: at least that many digits)
//   u  unsigned decimal integer (the 32-bit pattern of a negative number)
//   x  upper-case hexadecimal integer (precision: at least that many digits)
//   p  an integer as eight hexadecimal digits
//   e  real in exponent notation, precision significant digits (default 15)
//   f  real in fixed notation, precision decimals (default 2)
//   g  real in the shortest form, precision significant digits (default 15)
//   n  like f with "," between thousands
//   m  money: "￥" and the amount like n, sign after the symbol
//   s  text (precision: at most that many bytes)
// "%%" writes "%". Width pads with blanks on the left, or on the right after
// "-"; width and precision may be "*", taking the value from the argument.

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

namespace tagpress {

using FormatArgument = std::variant<int32_t, double, std::string>;

// Throws EConvertError when a placeholder is malformed, names an argument that
// does not exist or does not fit the argument's type (so "%d" of a real and
// "%s" of an integer fail), and ETagpressError when the result would exceed
// the library's text limit.
std::string FormatText(std::string_view format, const FormatArgument& argument);

}  // namespace tagpress
