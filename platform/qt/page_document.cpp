#include "platform/qt/page_document.h"

#include <QPainter>
#include <QPrinter>

#include "platform/qt/qt_surface.h"
#include "platform/qt/qt_text.h"

namespace tagpress {

// A picture that reports the page's resolution and size, so that text is
// laid out in printer dots while the page is drawn.
class PageDocument::RecordingPicture : public QPicture {
 public:
  RecordingPicture(int dpi_x, int dpi_y, int width, int height)
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

// A finished page: its picture's commands, compressed. Label pages repeat
// the same commands over and over, so they shrink many times over.
class PageDocument::Page {
 public:
  explicit Page(const QPicture& picture)
      : data_(qCompress(QByteArray(picture.data(), static_cast<qsizetype>(picture.size())), 1)) {}
  QPicture Picture() const {
    const QByteArray data = qUncompress(data_);
    QPicture picture;
    picture.setData(data.constData(), static_cast<uint>(data.size()));
    return picture;
  }
  size_t Bytes() const { return static_cast<size_t>(data_.size()); }

 private:
  QByteArray data_;
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
  recording_.reset();
  pages_.clear();
  NewPage();
}

Surface& PageDocument::Canvas() {
  if (!canvas_) NewPage();
  return *canvas_;
}

void PageDocument::FinishPage() {
  canvas_.reset();  // ends the painter: the picture is complete
  if (recording_) pages_.push_back(std::make_unique<Page>(*recording_));
  recording_.reset();
}

void PageDocument::NewPage() {
  FinishPage();
  recording_ = std::make_unique<RecordingPicture>(dpi_x_, dpi_y_, width_, height_);
  canvas_ = std::make_unique<QtSurface>(*recording_);
}

size_t PageDocument::RecordedBytes() const {
  size_t bytes = 0;
  for (const auto& page : pages_) bytes += page->Bytes();
  return bytes;
}

void PageDocument::EndDocument() { FinishPage(); }

void PageDocument::PaintPage(int index, QPainter& painter) const {
  if (index < 0 || index >= static_cast<int>(pages_.size()) || !painter.device()) return;
  // Qt replays a picture scaled by the device's resolution over its own
  // default one; undo that so one recorded dot is one unit of the painter.
  static const double picture_dpi_x = QPicture().logicalDpiX();
  static const double picture_dpi_y = QPicture().logicalDpiY();
  painter.save();
  painter.scale(picture_dpi_x / painter.device()->logicalDpiX(), picture_dpi_y / painter.device()->logicalDpiY());
  painter.drawPicture(0, 0, pages_[index]->Picture());
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
