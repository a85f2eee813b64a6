#pragma once
// The printers of the system (CUPS, as Qt lists them), the current printer,
// and the ways of printing a page document: all pages directly, through the
// print dialog with a page range, or into a PDF file.

#include <QString>
#include <QStringList>
#include <memory>

class QPrinter;
class QWidget;

namespace tagpress {

class PageDocument;

class PrinterService {
 public:
  // Starts with the system's default printer, if any is installed.
  PrinterService();
  ~PrinterService();

  // The installed printers, as listed when the service was made.
  const QStringList& PrinterNames() const { return printer_names_; }
  bool HasPrinter() const { return !printer_names_.isEmpty() || pdf_output_; }
  QString CurrentPrinterName() const;
  // Selects the installed printer of that name, letter case ignored; false
  // (and the current printer kept) when none matches.
  bool SelectPrinter(const QString& name);
  // Prints into a PDF file instead of a printer; the printable area is then
  // the whole page.
  void SetPdfOutput(const QString& path);

  // Resolution and printable area of the current printer in dots; 300 dpi and
  // A4 when no printer is installed.
  int DpiX() const;
  int DpiY() const;
  int PrintableWidth() const;
  int PrintableHeight() const;
  // Prepares a document for composition on the current printer.
  void ConfigureDocument(PageDocument& document) const;

  // Prints every page as one job. Returns false with `error` set when there is
  // no page, no printer, or the job cannot be started.
  bool PrintAll(const PageDocument& document, QString* error = nullptr);
  // The print dialog with the page range 1..page count; false when cancelled
  // or when there is no page.
  bool PrintWithDialog(const PageDocument& document, QWidget* parent);
  // The printer setup dialog; true when the user confirmed it.
  bool ShowPrinterSetup(QWidget* parent);

  QPrinter& Printer() { return *printer_; }

 private:
  std::unique_ptr<QPrinter> printer_;
  QStringList printer_names_;
  bool pdf_output_ = false;
};

}  // namespace tagpress
