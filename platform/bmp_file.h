#pragma once
// Bitmap files: uncompressed 24-bit BMP (a BITMAPFILEHEADER and a
// BITMAPINFOHEADER, rows bottom-up, blue-green-red, each row padded to four
// bytes) with the resolution in pixels per metre, which image programs and
// printer drivers read to size the picture.

#include <cstddef>
#include <cstdint>
#include <string>

namespace tagpress {

// 32-bit pixels, each one 32-bit word 0xXXRRGGBB in the machine's byte order
// (the layout of Qt's RGB32 images); the top row comes first.
struct Rgb32Pixels {
  const std::uint32_t* Bits = nullptr;
  int Width = 0;
  int Height = 0;
  std::ptrdiff_t BytesPerLine = 0;
};

// Pixels per metre of `dots_per_inch`, rounded to the nearest whole number.
std::int32_t PixelsPerMetre(int dots_per_inch);

// Encodes the pixels as a 24-bit BMP into `out` (reused, so that a run of
// images allocates once).
void EncodeBmp24(const Rgb32Pixels& pixels, int dpi_x, int dpi_y, std::string& out);

// Writes `bytes` to a new or truncated file at `path`. A file left half
// written by a failure is removed. Throws EFileError.
void WriteFileBytes(const std::string& path, const std::string& bytes);

}  // namespace tagpress
