#include "render/qt/qt_label_bitmap.h"

#include "platform/bmp_file.h"

namespace tagpress {

std::unique_ptr<QtLabelBitmap> QtLabelBitmap::Create(int width, int height, int dpi_x, int dpi_y) {
  if (width <= 0 || height <= 0) return nullptr;
  QImage image(width, height, QImage::Format_RGB32);
  if (image.isNull()) return nullptr;  // Qt could not allocate it
  image.setDotsPerMeterX(PixelsPerMetre(dpi_x));
  image.setDotsPerMeterY(PixelsPerMetre(dpi_y));
  return std::unique_ptr<QtLabelBitmap>(new QtLabelBitmap(std::move(image), dpi_x, dpi_y));
}

QtLabelBitmap::QtLabelBitmap(QImage image, int dpi_x, int dpi_y)
    : image_(std::move(image)), surface_(std::make_unique<QtSurface>(image_)), dpi_x_(dpi_x), dpi_y_(dpi_y) {}

QtLabelBitmap::~QtLabelBitmap() { surface_.reset(); }

void QtLabelBitmap::SaveBmp(const std::string& path) {
  // The raster painter draws straight into the pixels, so they are current
  // while the surface stays open.
  const Rgb32Pixels pixels{reinterpret_cast<const std::uint32_t*>(image_.constBits()), image_.width(),
                           image_.height(), static_cast<std::ptrdiff_t>(image_.bytesPerLine())};
  EncodeBmp24(pixels, dpi_x_, dpi_y_, encoded_);
  WriteFileBytes(path, encoded_);
}

LabelBitmapFactory QtLabelBitmapFactory() {
  return [](int width, int height, int dpi_x, int dpi_y) -> std::unique_ptr<LabelBitmap> {
    return QtLabelBitmap::Create(width, height, dpi_x, dpi_y);
  };
}

}  // namespace tagpress
