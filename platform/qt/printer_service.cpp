#include "platform/qt/printer_service.h"

#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include "platform/qt/page_document.h"

namespace tagpress {

namespace {
constexpr int kFallbackDpi = 300;
constexpr int kA4WidthAt300 = 2480;
constexpr int kA4HeightAt300 = 3508;
}  // namespace

PrinterService::PrinterService()
    : printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)),
      printer_names_(QPrinterInfo::availablePrinterNames()) {
  // With no printer installed Qt quietly turns the printer into a PDF writer;
  // the list of installed printers is the authority.
  const QPrinterInfo default_printer = QPrinterInfo::defaultPrinter();
  if (!default_printer.isNull()) printer_->setPrinterName(default_printer.printerName());
}

PrinterService::~PrinterService() = default;

QString PrinterService::CurrentPrinterName() const {
  if (pdf_output_) return printer_->outputFileName();
  return PrinterNames().isEmpty() ? QString() : printer_->printerName();
}

bool PrinterService::SelectPrinter(const QString& name) {
  for (const QString& installed : PrinterNames()) {
    if (installed.compare(name, Qt::CaseInsensitive) == 0) {
      pdf_output_ = false;
      printer_->setOutputFormat(QPrinter::NativeFormat);
      printer_->setPrinterName(installed);
      return true;
    }
  }
  return false;
}

void PrinterService::SetPdfOutput(const QString& path) {
  printer_->setOutputFormat(QPrinter::PdfFormat);
  printer_->setOutputFileName(path);
  printer_->setPageSize(QPageSize(QPageSize::A4));
  printer_->setFullPage(true);
  pdf_output_ = true;
}

int PrinterService::DpiX() const { return HasPrinter() ? printer_->logicalDpiX() : kFallbackDpi; }
int PrinterService::DpiY() const { return HasPrinter() ? printer_->logicalDpiY() : kFallbackDpi; }

int PrinterService::PrintableWidth() const {
  return HasPrinter() ? printer_->pageRect(QPrinter::DevicePixel).toRect().width() : kA4WidthAt300;
}

int PrinterService::PrintableHeight() const {
  return HasPrinter() ? printer_->pageRect(QPrinter::DevicePixel).toRect().height() : kA4HeightAt300;
}

void PrinterService::ConfigureDocument(PageDocument& document) const {
  document.SetPageGeometry(DpiX(), DpiY(), PrintableWidth(), PrintableHeight());
}

bool PrinterService::PrintAll(const PageDocument& document, QString* error) {
  const auto fail = [&](const QString& reason) {
    if (error) *error = reason;
    return false;
  };
  if (document.PageCount() == 0) return fail(QStringLiteral("没有可打印的页面"));
  if (!HasPrinter()) return fail(QStringLiteral("没有安装打印机"));
  printer_->setPrintRange(QPrinter::AllPages);
  if (!document.PrintPages(*printer_, 1, document.PageCount()))
    return fail(QStringLiteral("无法开始打印作业: ") + CurrentPrinterName());
  return true;
}

bool PrinterService::PrintWithDialog(const PageDocument& document, QWidget* parent) {
  if (document.PageCount() == 0) return false;
  printer_->setFromTo(1, document.PageCount());
  QPrintDialog dialog(printer_.get(), parent);
  dialog.setMinMax(1, document.PageCount());
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
  if (dialog.exec() != QDialog::Accepted) return false;
  int from = 1, to = document.PageCount();
  if (printer_->printRange() == QPrinter::PageRange) {
    from = printer_->fromPage();
    to = printer_->toPage();
  }
  return document.PrintPages(*printer_, from, to);
}

bool PrinterService::ShowPrinterSetup(QWidget* parent) {
  QPageSetupDialog dialog(printer_.get(), parent);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace tagpress
