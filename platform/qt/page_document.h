#pragma once
// The preview document: the pages of a composition recorded as pictures at
// the printer's resolution, shown by the preview and replayed onto a printer
// or a PDF file page by page.

#include <QPicture>
#include <memory>
#include <string>
#include <vector>

#include "print/page_sink.h"

class QPainter;
class QPrinter;

namespace tagpress {

class QtSurface;

class PageDocument : public PageSink {
 public:
  PageDocument();
  ~PageDocument() override;

  // Resolution and printable area (dots) of the pages to come.
  void SetPageGeometry(int dpi_x, int dpi_y, int width, int height);

  // ---- the page sink
  int DpiX() const override { return dpi_x_; }
  int DpiY() const override { return dpi_y_; }
  int PageWidth() const override { return width_; }
  int PageHeight() const override { return height_; }
  void SetTitle(const std::string& title) override { title_ = title; }
  const std::string& Title() const { return title_; }
  void BeginDocument() override;
  Surface& Canvas() override;
  void NewPage() override;
  void EndDocument() override;
  int PageCount() const override { return static_cast<int>(pages_.size()) + (recording_ ? 1 : 0); }

  // Plays page `index` (0-based) onto a painter; one dot of the page is one
  // unit of the painter's coordinates.
  void PaintPage(int index, QPainter& painter) const;

  // Bytes held by the recorded pages (kept compressed once a page is done).
  size_t RecordedBytes() const;

  // Prints pages from..to (1-based, inclusive, clipped to the document) as
  // one job; returns false with nothing printed when the range is empty or
  // the printer cannot be opened.
  bool PrintPages(QPrinter& printer, int from, int to) const;

 private:
  class Page;
  class RecordingPicture;
  void FinishPage();

  int dpi_x_ = 300;
  int dpi_y_ = 300;
  int width_ = 2480;   // A4 at 300 dpi
  int height_ = 3508;
  std::string title_;
  std::vector<std::unique_ptr<Page>> pages_;
  std::unique_ptr<RecordingPicture> recording_;  // the page being drawn
  std::unique_ptr<QtSurface> canvas_;
};

}  // namespace tagpress
