#include "render/export_run.h"

#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <system_error>

#include "platform/errors.h"
#include "platform/rounding.h"
#include "platform/text_codec.h"
#include "platform/text_file.h"
#include "render/dots.h"
#include "render/export_file_name.h"
#include "render/export_limits.h"
#include "render/export_messages.h"
#include "render/label_renderer.h"

namespace tagpress {

namespace {

// A length in dots before it is known to fit an int.
double ExactDots(int dpi, double mm) { return RoundHalfEven(dpi / 25.4 * mm); }

bool ResolutionIsValid(int dpi) { return dpi >= 1 && dpi <= kMaxExportDpi; }

bool SizeIsValid(double width, double height) {
  return std::isfinite(width) && std::isfinite(height) && width >= 1 && height >= 1 &&
         width <= kMaxExportImageSide && height <= kMaxExportImageSide &&
         width * height <= static_cast<double>(kMaxExportImagePixels);
}

// Why the run cannot start, or empty.
std::string PrepareFolder(const std::string& folder) {
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  if (DirectoryExists(folder)) return {};
  const std::string reason = error ? Utf8ToGbk(error.message()) : GBK("不是文件夹");
  return ExportFolderFailedText(folder, reason);
}

class ExportRun {
 public:
  ExportRun(const TBarcodeFile& tpl, TBarcode& barcode, const ExportOptions& options, LabelBitmap& bitmap,
            ExportImageSize size, const ExportObserver& observer, ExportResult& result)
      : tpl_(tpl),
        barcode_(barcode),
        options_(options),
        bitmap_(bitmap),
        size_(size),
        observer_(observer),
        result_(result) {}

  void Row(int k, const ExportRow& row) {
    Surface& surface = bitmap_.Canvas();
    surface.SetBrushStyle(BrushStyle::Solid);
    surface.SetBrushColor(kColorWhite);
    surface.FillRect({0, 0, size_.Width, size_.Height});

    TtgpDrawRec rec;
    rec.Left = 1;
    rec.Top = 1;
    rec.DpiX = options_.DpiX;
    rec.DpiY = options_.DpiY;
    rec.Digits = row.Digits;
    if (options_.ExportTexts) {
      rec.UpText = row.UpText;
      rec.DownText = row.DownText;
    }
    DrawLabel(barcode_, tpl_, surface, rec, false);

    const std::string path = ExportFilePath(options_.Folder, row.Digits, k, options_.NameAfterDigits);
    if (FileExists(path) && options_.DeleteExisting) {
      ::unlink(path.c_str());
      if (FileExists(path)) return Fail(ExportDeleteFailedText(path, row.Digits));
    } else if (FileExists(path)) {
      return Fail(ExportFileExistsText(path, row.Digits));
    }
    try {
      bitmap_.SaveBmp(path);
      ++result_.Exported;
    } catch (const ETagpressError&) {
      Fail(ExportSaveFailedText(row.Digits));
    }
  }

  void Log(const std::string& line) const {
    if (observer_.AddLog) observer_.AddLog(line);
  }

 private:
  void Fail(const std::string& line) {
    ++result_.Failed;
    Log(line);
  }

  const TBarcodeFile& tpl_;
  TBarcode& barcode_;
  const ExportOptions& options_;
  LabelBitmap& bitmap_;
  const ExportImageSize size_;
  const ExportObserver& observer_;
  ExportResult& result_;
};

}  // namespace

ExportImageSize LabelImageSize(const TBarcodeFile& tpl, int dpi_x, int dpi_y) {
  return {DotsFromMm(dpi_x, tpl.LabelWidth()), DotsFromMm(dpi_y, tpl.LabelHeight())};
}

ExportResult RunExport(const std::vector<ExportRow>& rows, const TBarcodeFile& tpl, TBarcode& barcode,
                       const ExportOptions& options, const LabelBitmapFactory& create_bitmap,
                       const ExportObserver& observer) {
  ExportResult result;
  if (!ResolutionIsValid(options.DpiX) || !ResolutionIsValid(options.DpiY)) {
    result.Error = ExportBadResolutionText(options.DpiX, options.DpiY);
    return result;
  }
  const double width = ExactDots(options.DpiX, tpl.LabelWidth());
  const double height = ExactDots(options.DpiY, tpl.LabelHeight());
  if (!SizeIsValid(width, height)) {
    result.Error = ExportBadImageSizeText(width, height);
    return result;
  }
  const ExportImageSize size = LabelImageSize(tpl, options.DpiX, options.DpiY);
  if (std::string error = PrepareFolder(options.Folder); !error.empty()) {
    result.Error = std::move(error);
    return result;
  }
  const std::unique_ptr<LabelBitmap> bitmap =
      create_bitmap(size.Width, size.Height, options.DpiX, options.DpiY);
  if (!bitmap) {
    result.Error = ExportNoMemoryText(size.Width, size.Height);
    return result;
  }

  result.Started = true;
  ExportRun run(tpl, barcode, options, *bitmap, size, observer, result);
  run.Log(ExportStartedText());
  const int count = static_cast<int>(rows.size());
  try {
    for (int k = 1; k <= count; ++k) {
      run.Row(k, rows[k - 1]);
      if (observer.RowDone) observer.RowDone(k, count);
    }
  } catch (...) {
    ++result.Failed;  // the row that broke off the run
    run.Log(ExportSummaryText(result.Exported, result.Failed));
    throw;
  }
  run.Log(ExportSummaryText(result.Exported, result.Failed));
  return result;
}

}  // namespace tagpress
