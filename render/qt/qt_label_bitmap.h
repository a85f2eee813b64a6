#pragma once
// The export's bitmap in Qt: a 32-bit QImage painted through a QtSurface,
// saved as a 24-bit BMP with its resolution.

#include <QImage>
#include <memory>
#include <string>

#include "platform/qt/qt_surface.h"
#include "render/label_bitmap.h"

namespace tagpress {

class QtLabelBitmap : public LabelBitmap {
 public:
  // nullptr when the image cannot be allocated.
  static std::unique_ptr<QtLabelBitmap> Create(int width, int height, int dpi_x, int dpi_y);

  ~QtLabelBitmap() override;

  Surface& Canvas() override { return *surface_; }
  void SaveBmp(const std::string& path) override;
  const QImage& Image() const { return image_; }

 private:
  QtLabelBitmap(QImage image, int dpi_x, int dpi_y);

  QImage image_;
  std::unique_ptr<QtSurface> surface_;  // paints on image_, so it is destroyed first
  int dpi_x_;
  int dpi_y_;
  std::string encoded_;  // reused by every save
};

// The factory RunExport takes.
LabelBitmapFactory QtLabelBitmapFactory();

}  // namespace tagpress
