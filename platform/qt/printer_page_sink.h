#pragma once
// A page sink that draws straight onto a printer (or PDF writer), page by
// page, keeping nothing: printing a long run without a preview needs no
// memory for the pages already printed.

#include <memory>
#include <string>

#include "print/page_sink.h"

class QPainter;
class QPrinter;

namespace tagpress {

class QtSurface;

class PrinterPageSink : public PageSink {
 public:
  // Takes the printer's resolution and printable area; the printer must stay
  // alive while the sink is used.
  explicit PrinterPageSink(QPrinter& printer);
  ~PrinterPageSink() override;

  int DpiX() const override { return dpi_x_; }
  int DpiY() const override { return dpi_y_; }
  int PageWidth() const override { return width_; }
  int PageHeight() const override { return height_; }
  void SetTitle(const std::string& title) override;
  // Starts the print job; throws EPrintError when the printer cannot be opened.
  void BeginDocument() override;
  Surface& Canvas() override;
  void NewPage() override;
  // Ends the job; throws EPrintError when it could not be completed.
  void EndDocument() override;
  int PageCount() const override { return pages_; }

 private:
  QPrinter& printer_;
  int dpi_x_, dpi_y_, width_, height_;
  int pages_ = 0;
  std::unique_ptr<QPainter> painter_;
  std::unique_ptr<QtSurface> canvas_;
};

}  // namespace tagpress
