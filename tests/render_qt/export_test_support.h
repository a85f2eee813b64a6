#pragma once
// Running an export into real BMP files and reading them back.

#include <QImage>
#include <string>
#include <vector>

#include "render/export_run.h"
#include "render/qt/qt_label_bitmap.h"
#include "tests/support/gui_application.h"
#include "tests/support/temp_dir.h"

namespace tagpress::test_support {

// Exports `rows` with the Qt bitmap into `folder`.
inline ExportResult ExportToFolder(const std::vector<ExportRow>& rows, const TBarcodeFile& tpl,
                                   TBarcode& barcode, ExportOptions options, const std::string& folder) {
  EnsureGuiApplication();
  options.Folder = folder;
  return RunExport(rows, tpl, barcode, options, QtLabelBitmapFactory());
}

inline QImage ReadImage(const std::string& path) { return QImage(QString::fromStdString(path)); }

// Rows of the image that hold at least one dark pixel.
inline std::vector<int> InkedRows(const QImage& image) {
  std::vector<int> rows;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (qGray(image.pixel(x, y)) < 128) {
        rows.push_back(y);
        break;
      }
  return rows;
}

}  // namespace tagpress::test_support
