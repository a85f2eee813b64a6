#pragma once
// The load phase of the command line: the data file into the record list,
// the template file into the template store.

#include "app/command_line.h"
#include "data/record_list.h"
#include "template/barcode_file.h"

namespace tagpress {

// Does nothing without a data file. Appends the data file's records; loads the
// template file when there is one and makes it the store's file (except a
// file named exactly "Default.bct"). Returns whether a template was loaded.
// File errors propagate.
bool LoadRequestedFiles(const RunRequest& request, TLabelRecordList& records, TBarcodeFile& store);

}  // namespace tagpress
