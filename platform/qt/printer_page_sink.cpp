#include "platform/qt/printer_page_sink.h"

#include <QPainter>
#include <QPrinter>

#include "platform/qt/print_errors.h"
#include "platform/qt/qt_surface.h"
#include "platform/qt/qt_text.h"
#include "platform/text_codec.h"

namespace tagpress {

PrinterPageSink::PrinterPageSink(QPrinter& printer)
    : printer_(printer),
      dpi_x_(printer.logicalDpiX()),
      dpi_y_(printer.logicalDpiY()),
      width_(printer.pageRect(QPrinter::DevicePixel).toRect().width()),
      height_(printer.pageRect(QPrinter::DevicePixel).toRect().height()) {}

PrinterPageSink::~PrinterPageSink() {
  canvas_.reset();
  if (painter_ && painter_->isActive()) painter_->end();
}

void PrinterPageSink::SetTitle(const std::string& title) { printer_.setDocName(QStringFromGbk(title)); }

void PrinterPageSink::BeginDocument() {
  canvas_.reset();
  painter_ = std::make_unique<QPainter>();
  if (!painter_->begin(&printer_)) throw EPrintError(GBK("无法开始打印作业。"));
  canvas_ = std::make_unique<QtSurface>(*painter_);
  pages_ = 1;
}

Surface& PrinterPageSink::Canvas() {
  if (!canvas_) throw EPrintError(GBK("打印作业没有开始。"));
  return *canvas_;
}

void PrinterPageSink::NewPage() {
  if (!painter_ || !printer_.newPage()) throw EPrintError(GBK("打印机无法开始新的一页。"));
  // A fresh surface: nothing of the last page's state carries over.
  canvas_ = std::make_unique<QtSurface>(*painter_);
  ++pages_;
}

void PrinterPageSink::EndDocument() {
  canvas_.reset();
  if (painter_ && painter_->isActive() && !painter_->end()) throw EPrintError(GBK("打印作业没有完成。"));
}

}  // namespace tagpress
