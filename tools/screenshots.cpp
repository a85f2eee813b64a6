// Takes the README's pictures: the main window with the bundled example on
// its design page, its data page and its layout page. Run by scripts/screenshots.sh
// under a virtual X server.
//
//   tagpress_screenshots EXAMPLES-FOLDER OUTPUT-FOLDER

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

#include "app/layout_page.h"
#include "app/main_window.h"
#include "print/ui/preview_box.h"

int main(int argc, char* argv[]) {
  if (argc != 3) {
    std::fputs("usage: tagpress_screenshots EXAMPLES-FOLDER OUTPUT-FOLDER\n", stderr);
    return 2;
  }
  QApplication application(argc, argv);
  const QDir examples(QString::fromLocal8Bit(argv[1]));
  const QDir output(QString::fromLocal8Bit(argv[2]));
  QTemporaryDir home;  // the working template of this run goes nowhere

  tagpress::MainWindowOptions options;
  options.AppDir = home.path().toStdString();
  options.WorkingTemplatePath = home.filePath(QStringLiteral("Default.bct")).toStdString();
  tagpress::Tfrm_Main window(std::move(options));
  window.OpenTemplateFile(examples.filePath(QStringLiteral("template.bcf")).toStdString());
  window.Records().LoadDataFile(examples.filePath(QStringLiteral("data.csv")).toStdString());
  window.resize(1360, 860);
  window.showNormal();
  if (!QTest::qWaitForWindowExposed(&window)) return 1;
  QTest::qWait(300);

  const auto save = [&](const char* name) {
    QTest::qWait(200);
    const QString path = output.filePath(QString::fromUtf8(name));
    if (!window.grab().save(path)) {
      std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
      return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
  };
  if (!save("design-page.png")) return 1;
  window.Pages().setCurrentIndex(tagpress::kDataPage);
  if (!save("data-page.png")) return 1;
  window.ActionPreviewExecute();
  window.Layout().Preview().SetZoomMode(tagpress::kZoomPageWidth);
  if (!save("layout-page.png")) return 1;
  return 0;
}
