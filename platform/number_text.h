#pragma once
// Numbers as text, the way the script engine reads and writes them. Reals
// always use "." whatever the locale.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tagpress {

// Reading a whole number: optional leading blanks, optional sign, then
// decimal digits, or hexadecimal digits after "$", "0x" or "x". Nothing may
// follow. Decimal values must fit 32 bits; hexadecimal ones may use all 32
// bits and then read as two's complement.
std::optional<int32_t> TryTextToInt(std::string_view text);

// The same reading, stopping at the first byte that does not belong to the
// number: the value when the whole text is a number, otherwise the digits
// read so far without the sign (0 when none).
int32_t TextToIntPrefix(std::string_view text);

// Reading a real: leading and trailing blanks, sign, digits with an optional
// "." and an optional exponent ("E" or "e", sign, digits).
std::optional<double> TryTextToFloat(std::string_view text);

// Shortest general form with at most `digits` significant digits; exponents
// as in 1E20 and 1.5E-7.
std::string FloatToText(double value, int digits = 15);

std::string IntToText(int64_t value);

// A fixed-point amount with four decimals (scaled by 10000), without
// trailing zeros.
std::string CurrencyToText(int64_t scaled);

}  // namespace tagpress
