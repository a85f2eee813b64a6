// Takes the README's picture of the image export window: the bundled example
// exported at 300 dpi into a temporary folder, the window showing its rows,
// log and progress. Run by scripts/export-window-screenshot.sh under a
// virtual X server.
//
//   tagpress_export_window_screenshot EXAMPLES-FOLDER OUTPUT-PNG

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

#include "data/record_list.h"
#include "platform/qt/font_substitutions.h"
#include "platform/qt/printer_service.h"
#include "print/label_text_context.h"
#include "render/ui/export_window.h"
#include "template/barcode_file.h"

int main(int argc, char* argv[]) {
  if (argc != 3) {
    std::fputs("usage: tagpress_export_window_screenshot EXAMPLES-FOLDER OUTPUT-PNG\n", stderr);
    return 2;
  }
  QApplication application(argc, argv);
  tagpress::InstallFontSubstitutions();
  const QDir examples(QString::fromLocal8Bit(argv[1]));
  const QString output = QString::fromLocal8Bit(argv[2]);

  // The template is copied so that the proposed folder beside it, where the
  // images go, is a temporary one.
  QTemporaryDir work;
  const QString template_copy = work.filePath(QStringLiteral("template.bcf"));
  if (!QFile::copy(examples.filePath(QStringLiteral("template.bcf")), template_copy)) {
    std::fputs("cannot copy the example template\n", stderr);
    return 1;
  }
  tagpress::TBarcodeFile tpl;
  tpl.LoadFromFile(template_copy.toStdString());
  tpl.FileName = template_copy.toStdString();
  tagpress::TLabelRecordList records;
  records.LoadDataFile(examples.filePath(QStringLiteral("data.csv")).toStdString());
  tagpress::LabelTextContext texts;
  tagpress::PrinterService printers;

  tagpress::ExportWindowServices services = tagpress::DesktopExportWindowServices();
  services.OpenFolder = [](const QString&) {};
  tagpress::TForm_ExportBarcode window(printers, services);
  window.SetRows(tagpress::BuildExportRows(records, tpl, texts));
  window.PrepareExport(tpl);
  window.show();
  if (!QTest::qWaitForWindowExposed(&window)) return 1;
  window.btnExportClick();
  QTest::qWait(300);

  if (!window.grab().save(output)) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(output));
    return 1;
  }
  std::printf("%s\n", qPrintable(output));
  return 0;
}
