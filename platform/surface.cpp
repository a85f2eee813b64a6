#include "platform/surface.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace tagpress {

int FontHeightInDots(int points, int dots_per_inch) {
  // Rounded like the original toolkit's MulDiv: halves away from zero.
  const std::int64_t product = std::int64_t{points} * dots_per_inch;
  const std::int64_t magnitude = (std::llabs(product) + 36) / 72;
  return static_cast<int>(std::clamp<std::int64_t>(magnitude, 1, 1 << 20));
}

}  // namespace tagpress
