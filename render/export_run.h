#pragma once
// The image export: one BMP file per row, each a whole label of the template
// drawn by the label renderer into one reused bitmap. Failures of single rows
// go to the log and the run continues; the log ends with a summary line.

#include <functional>
#include <string>
#include <vector>

#include "barcode/barcode.h"
#include "render/export_rows.h"
#include "render/label_bitmap.h"
#include "template/barcode_file.h"

namespace tagpress {

struct ExportOptions {
  std::string Folder;  // target folder, a file-system path; created when missing
  int DpiX = 300;      // resolution of the images, dots per inch
  int DpiY = 300;
  bool ExportTexts = true;      // draw the upper and lower text lines
  bool NameAfterDigits = true;  // name files after their digits, else barcode_<row>.bmp
  bool DeleteExisting = true;   // replace files of the same name, else count them as errors
};

// What a run reports while it goes; the window shows both, the command line
// prints the log.
struct ExportObserver {
  std::function<void(const std::string& line)> AddLog;  // GBK
  std::function<void(int row, int rows)> RowDone;       // after row `row` (from 1) of `rows`
};

struct ExportResult {
  bool Started = false;  // false: refused before the first row, `Error` says why
  std::string Error;     // GBK
  int Exported = 0;
  int Failed = 0;
  bool AllExported() const { return Started && Failed == 0; }
};

// The size in pixels of the template's label at the given resolution.
struct ExportImageSize {
  int Width = 0;
  int Height = 0;
};
ExportImageSize LabelImageSize(const TBarcodeFile& tpl, int dpi_x, int dpi_y);

// Runs the export of `rows`. Refuses, before anything is written, a
// resolution outside 1 to kMaxExportDpi, an image size outside the limits,
// a folder that cannot be created and a bitmap that cannot be allocated.
// Any other exception ends the run: the row it broke off counts as failed,
// the summary line is logged, and the exception goes on to the caller.
ExportResult RunExport(const std::vector<ExportRow>& rows, const TBarcodeFile& tpl, TBarcode& barcode,
                       const ExportOptions& options, const LabelBitmapFactory& create_bitmap,
                       const ExportObserver& observer = {});

}  // namespace tagpress
