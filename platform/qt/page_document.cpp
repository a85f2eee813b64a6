#include "platform/qt/page_document.h"

#include <QPainter>
#include <QPrinter>

#include "platform/qt/qt_surface.h"
#include "platform/qt/qt_text.h"

namespace tagpress {

// A picture that reports the page's resolution and size, so that it is
// recorded in printer dots and replayed without scaling.
class PageDocument::Page : public QPicture {
 public:
  Page(int dpi_x, int dpi_y, int width, int height)
      : dpi_x_(dpi_x), dpi_y_(dpi_y), width_(width), height_(height) {}

 protected:
  int metric(PaintDeviceMetric metric) const override {
    switch (metric) {
      case PdmWidth:
        return width_;
      case PdmHeight:
        return height_;
      case PdmDpiX:
      case PdmPhysicalDpiX:
        return dpi_x_;
      case PdmDpiY:
      case PdmPhysicalDpiY:
        return dpi_y_;
      case PdmWidthMM:
        return width_ * 254 / (dpi_x_ * 10);
      case PdmHeightMM:
        return height_ * 254 / (dpi_y_ * 10);
      default:
        return QPicture::metric(metric);
    }
  }

 private:
  int dpi_x_, dpi_y_, width_, height_;
};

PageDocument::PageDocument() = default;
PageDocument::~PageDocument() = default;

void PageDocument::SetPageGeometry(int dpi_x, int dpi_y, int width, int height) {
  dpi_x_ = dpi_x > 0 ? dpi_x : 300;
  dpi_y_ = dpi_y > 0 ? dpi_y : 300;
  width_ = width;
  height_ = height;
}

void PageDocument::BeginDocument() {
  canvas_.reset();
  pages_.clear();
  NewPage();
}

Surface& PageDocument::Canvas() {
  if (!canvas_) NewPage();
  return *canvas_;
}

void PageDocument::FinishPage() { canvas_.reset(); }

void PageDocument::NewPage() {
  FinishPage();
  pages_.push_back(std::make_unique<Page>(dpi_x_, dpi_y_, width_, height_));
  canvas_ = std::make_unique<QtSurface>(*pages_.back());
}

void PageDocument::EndDocument() { FinishPage(); }

void PageDocument::PaintPage(int index, QPainter& painter) const {
  if (index < 0 || index >= PageCount() || !painter.device()) return;
  // Qt replays a picture scaled by the device's resolution over its own
  // default one; undo that so one recorded dot is one unit of the painter.
  static const double picture_dpi_x = QPicture().logicalDpiX();
  static const double picture_dpi_y = QPicture().logicalDpiY();
  painter.save();
  painter.scale(picture_dpi_x / painter.device()->logicalDpiX(), picture_dpi_y / painter.device()->logicalDpiY());
  painter.drawPicture(0, 0, *pages_[index]);
  painter.restore();
}

bool PageDocument::PrintPages(QPrinter& printer, int from, int to) const {
  if (from < 1) from = 1;
  if (to > PageCount()) to = PageCount();
  if (from > to) return false;
  printer.setDocName(QStringFromGbk(title_));
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  // The pages were recorded at the printer's resolution; scale only if the
  // printer reports another one (a PDF writer does).
  const double sx = static_cast<double>(printer.logicalDpiX()) / dpi_x_;
  const double sy = static_cast<double>(printer.logicalDpiY()) / dpi_y_;
  for (int page = from; page <= to; ++page) {
    if (page > from && !printer.newPage()) return false;
    painter.save();
    painter.scale(sx, sy);
    PaintPage(page - 1, painter);
    painter.restore();
  }
  return painter.end();
}

}  // namespace tagpress
