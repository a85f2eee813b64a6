#include "app/unattended_print.h"

#include "platform/qt/printer_page_sink.h"
#include "platform/qt/printer_service.h"
#include "platform/qt/qt_text.h"
#include "platform/text_codec.h"
#include "print/compose_pages.h"
#include "render/label_renderer.h"

namespace tagpress {

UnattendedPrintResult PrintUnattended(const TBarcodeFile& tpl, const TLabelRecordList& records,
                                      LabelTextExpander& expander, TBarcode& barcode,
                                      PrinterService& printers, const UnattendedPrintOptions& options,
                                      const std::function<void(const std::string&)>& status) {
  UnattendedPrintResult result;
  if (!printers.HasPrinter()) {
    result.Error = GBK("没有安装打印机，无法打印。");
    return result;
  }

  // Straight onto the printer: a long run keeps no recorded pages.
  PrinterPageSink sink(printers.Printer());
  ComposeJob job;
  job.Template = &tpl;
  job.Records = &records;
  job.Sink = &sink;
  job.Expander = &expander;
  job.Title = options.Title;
  job.DrawLabel = [&](Surface& surface, const TtgpDrawRec& rec) {
    DrawLabel(barcode, tpl, surface, rec, false);
  };
  job.SetStatusText = status;
  try {
    result.Pages = ComposePages(job, ComposeStart{}).PageCount;
  } catch (const ETagpressError& error) {
    result.Error = error.what();
    return result;
  }
  result.Printed = true;
  return result;
}

}  // namespace tagpress
