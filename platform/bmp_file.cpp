#include "platform/bmp_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <bit>
#include <cerrno>
#include <cmath>
#include <cstring>

#include "platform/errors.h"

namespace tagpress {

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kInfoHeaderSize = 40;  // BITMAPINFOHEADER

inline void PutLittleEndian(char* at, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) at[i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

// One 32-bit little-endian word, stored at once.
inline void PutWord(char* at, std::uint32_t value) {
  if constexpr (std::endian::native == std::endian::big) value = __builtin_bswap32(value);
  std::memcpy(at, &value, sizeof value);
}

}  // namespace

std::int32_t PixelsPerMetre(int dots_per_inch) {
  return static_cast<std::int32_t>(std::lround(dots_per_inch / 0.0254));
}

void EncodeBmp24(const Rgb32Pixels& pixels, int dpi_x, int dpi_y, std::string& out) {
  const std::size_t width = pixels.Width > 0 ? static_cast<std::size_t>(pixels.Width) : 0;
  const std::size_t height = pixels.Height > 0 ? static_cast<std::size_t>(pixels.Height) : 0;
  const std::size_t row_size = (width * 3 + 3) & ~std::size_t{3};
  const std::size_t data_offset = kFileHeaderSize + kInfoHeaderSize;
  const std::size_t image_size = row_size * height;
  out.assign(data_offset + image_size, '\0');
  char* header = out.data();

  header[0] = 'B';
  header[1] = 'M';
  PutLittleEndian(header + 2, static_cast<std::uint32_t>(out.size()), 4);
  PutLittleEndian(header + 10, static_cast<std::uint32_t>(data_offset), 4);

  char* info = header + kFileHeaderSize;
  PutLittleEndian(info + 0, kInfoHeaderSize, 4);
  PutLittleEndian(info + 4, static_cast<std::uint32_t>(width), 4);
  PutLittleEndian(info + 8, static_cast<std::uint32_t>(height), 4);  // positive: bottom-up rows
  PutLittleEndian(info + 12, 1, 2);                                  // planes
  PutLittleEndian(info + 14, 24, 2);                                 // bits per pixel
  PutLittleEndian(info + 16, 0, 4);                                  // BI_RGB: uncompressed
  PutLittleEndian(info + 20, static_cast<std::uint32_t>(image_size), 4);
  PutLittleEndian(info + 24, static_cast<std::uint32_t>(PixelsPerMetre(dpi_x)), 4);
  PutLittleEndian(info + 28, static_cast<std::uint32_t>(PixelsPerMetre(dpi_y)), 4);
  // Colours used and important colours stay 0: no palette.

  const auto* bytes = reinterpret_cast<const unsigned char*>(pixels.Bits);
  for (std::size_t y = 0; y < height; ++y) {
    const auto* source =
        reinterpret_cast<const std::uint32_t*>(bytes + (height - 1 - y) * pixels.BytesPerLine);
    char* target = out.data() + data_offset + y * row_size;
    std::size_t x = 0;
    // Four pixels make three little-endian words of blue-green-red bytes.
    for (; x + 4 <= width; x += 4, target += 12) {
      const std::uint32_t p0 = source[x], p1 = source[x + 1], p2 = source[x + 2], p3 = source[x + 3];
      PutWord(target, (p0 & 0xFFFFFF) | p1 << 24);
      PutWord(target + 4, (p1 >> 8 & 0xFFFF) | p2 << 16);
      PutWord(target + 8, (p2 >> 16 & 0xFF) | p3 << 8);
    }
    for (; x < width; ++x, target += 3) PutLittleEndian(target, source[x], 3);
  }
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) throw EFileError(path, SystemErrorText(errno));
  std::size_t written = 0;
  int error = 0;
  while (written < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
    if (n < 0) {
      if (errno == EINTR) continue;
      error = errno;
      break;
    }
    written += static_cast<std::size_t>(n);
  }
  if (::close(fd) != 0 && error == 0) error = errno;
  if (error != 0) {
    ::unlink(path.c_str());
    throw EFileError(path, SystemErrorText(error));
  }
}

}  // namespace tagpress
