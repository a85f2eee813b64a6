#pragma once
// The bitmap an image export draws every label into, one after the other,
// and saves as a BMP file after each. The Qt layer provides the real one;
// tests may record instead.

#include <functional>
#include <memory>
#include <string>

#include "platform/surface.h"

namespace tagpress {

class LabelBitmap {
 public:
  virtual ~LabelBitmap() = default;
  // The drawing surface over the whole bitmap.
  virtual Surface& Canvas() = 0;
  // Writes the bitmap as an uncompressed 24-bit BMP file carrying its
  // resolution. Throws ETagpressError when the file cannot be written.
  virtual void SaveBmp(const std::string& path) = 0;
};

// Creates a bitmap of width × height pixels at the given resolution, or
// returns nullptr when it cannot be allocated.
using LabelBitmapFactory =
    std::function<std::unique_ptr<LabelBitmap>(int width, int height, int dpi_x, int dpi_y)>;

}  // namespace tagpress
