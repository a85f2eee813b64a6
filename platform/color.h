#pragma once
// Colours as the label files hold them: 32-bit values $00BBGGRR, red in the
// low byte.

#include <cstdint>

namespace tagpress {

using TColor = std::int32_t;

constexpr TColor kColorBlack = 0x000000;
constexpr TColor kColorWhite = 0xFFFFFF;
constexpr TColor kColorRed = 0x0000FF;
constexpr TColor kColorBlue = 0xFF0000;
constexpr TColor kColorGray = 0x808080;

constexpr int RedOf(TColor color) { return color & 0xFF; }
constexpr int GreenOf(TColor color) { return (color >> 8) & 0xFF; }
constexpr int BlueOf(TColor color) { return (color >> 16) & 0xFF; }

constexpr TColor MakeColor(int red, int green, int blue) {
  return (red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16);
}

}  // namespace tagpress
