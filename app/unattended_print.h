#pragma once
// Printing from the command line: compose every page of the loaded records
// with the current template and print them without a window.

#include <functional>
#include <string>

#include "barcode/barcode.h"
#include "data/record_list.h"
#include "print/label_text_expander.h"
#include "template/barcode_file.h"

namespace tagpress {

class PrinterService;

struct UnattendedPrintOptions {
  std::string Title = "Lumo v1.6";  // the print job's document title
};

struct UnattendedPrintResult {
  bool Printed = false;
  int Pages = 0;
  std::string Error;  // GBK; why nothing was printed
};

// Composes the pages straight onto the current printer (or PDF file) and
// prints all of them as one job: nothing is recorded, so a long run needs no
// memory for the pages already printed.
UnattendedPrintResult PrintUnattended(const TBarcodeFile& tpl, const TLabelRecordList& records,
                                      LabelTextExpander& expander, TBarcode& barcode,
                                      PrinterService& printers, const UnattendedPrintOptions& options,
                                      const std::function<void(const std::string&)>& status = {});

}  // namespace tagpress
