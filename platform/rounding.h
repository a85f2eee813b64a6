#pragma once
// Rounding to the nearest integer with halves to even ("banker's rounding"),
// the rule of every conversion from real lengths and angles to dots.

#include <cmath>
#include <cstdint>

namespace tagpress {

// Independent of the floating-point rounding mode in force.
inline double RoundHalfEven(double value) {
  const double down = std::floor(value);
  const double fraction = value - down;
  if (fraction < 0.5) return down;
  if (fraction > 0.5) return down + 1.0;
  return std::fmod(down, 2.0) == 0.0 ? down : down + 1.0;
}

// RoundHalfEven clamped into the 32-bit range, for coordinates.
inline std::int32_t RoundToDots(double value) {
  if (std::isnan(value)) return 0;
  const double rounded = RoundHalfEven(value);
  if (rounded < -2147483648.0) return INT32_MIN;
  if (rounded > 2147483647.0) return INT32_MAX;
  return static_cast<std::int32_t>(rounded);
}

}  // namespace tagpress
