#include "platform/qt/page_document.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <cstdlib>
#include <filesystem>

#include "platform/qt/printer_service.h"
#include "tests/support/temp_dir.h"

namespace tagpress {
namespace {

using testing::TempDir;

QGuiApplication& App() {
  static int argc = 1;
  static char name[] = "tests";
  static char* argv[] = {name, nullptr};
  static QGuiApplication app(argc, argv);
  return app;
}

bool IsBlack(const QImage& image, int x, int y) { return qGray(image.pixel(x, y)) < 64; }

// A page of 600 x 400 dots at 300 dpi with a black square at (100..199, 50..149).
void ComposeSquarePages(PageDocument& document, int pages) {
  document.SetPageGeometry(300, 300, 600, 400);
  document.SetTitle("Lumo v1.6");
  document.BeginDocument();
  for (int p = 0; p < pages; ++p) {
    if (p > 0) document.NewPage();
    Surface& canvas = document.Canvas();
    canvas.SetBrushColor(kColorBlack);
    canvas.FillRect({100 + p * 10, 50, 200 + p * 10, 150});
  }
  document.EndDocument();
}

TEST(PageDocument, ReplaysPagesInDots) {
  App();
  PageDocument document;
  ComposeSquarePages(document, 2);
  ASSERT_EQ(document.PageCount(), 2);
  for (int page = 0; page < 2; ++page) {
    SCOPED_TRACE(page);
    QImage image(600, 400, QImage::Format_RGB32);
    image.setDotsPerMeterX(11811);  // 300 dpi
    image.setDotsPerMeterY(11811);
    image.fill(Qt::white);
    QPainter painter(&image);
    document.PaintPage(page, painter);
    painter.end();
    const int left = 100 + page * 10;
    EXPECT_TRUE(IsBlack(image, left, 50));
    EXPECT_TRUE(IsBlack(image, left + 99, 149));
    EXPECT_FALSE(IsBlack(image, left - 1, 50));
    EXPECT_FALSE(IsBlack(image, left + 100, 150));
  }
  document.BeginDocument();  // discards the old pages
  EXPECT_EQ(document.PageCount(), 1);
}

TEST(PrinterService, WithoutPrintersUsesA4At300Dpi) {
  App();
  PrinterService service;
  if (!service.PrinterNames().isEmpty()) GTEST_SKIP() << "printers are installed";
  EXPECT_EQ(service.DpiX(), 300);
  EXPECT_EQ(service.PrintableWidth(), 2480);
  EXPECT_EQ(service.PrintableHeight(), 3508);
  PageDocument document;
  ComposeSquarePages(document, 1);
  QString error;
  EXPECT_FALSE(service.PrintAll(document, &error));
  EXPECT_FALSE(error.isEmpty());
  EXPECT_FALSE(service.SelectPrinter("nothing"));
}

TEST(PrinterService, PrintsPagesIntoAPdfFile) {
  App();
  TempDir dir;
  const std::string pdf = dir.File("out.pdf");
  PrinterService service;
  service.SetPdfOutput(QString::fromStdString(pdf));
  PageDocument document;
  service.ConfigureDocument(document);
  EXPECT_EQ(document.DpiX(), service.DpiX());
  // A4, whole page: 210 mm at the printer's resolution (Qt rounds page sizes to whole points).
  EXPECT_NEAR(document.PageWidth(), 210 / 25.4 * service.DpiX(), 0.5 / 72 * service.DpiX() + 1);
  document.BeginDocument();
  const int dpi = document.DpiX();
  Surface& canvas = document.Canvas();
  canvas.SetBrushColor(kColorBlack);
  canvas.FillRect({dpi, dpi, 2 * dpi, 2 * dpi});  // one inch square, one inch from the corner
  document.NewPage();
  document.EndDocument();
  ASSERT_TRUE(service.PrintAll(document));
  ASSERT_TRUE(std::filesystem::exists(pdf));
  const std::string prefix = dir.File("page");
  const std::string command = "pdftoppm -r 100 -gray " + pdf + " " + prefix;
  ASSERT_EQ(std::system(command.c_str()), 0);
  QImage page1(QString::fromStdString(prefix + "-1.pgm"));
  ASSERT_FALSE(page1.isNull());
  EXPECT_TRUE(std::filesystem::exists(prefix + "-2.pgm"));
  EXPECT_TRUE(IsBlack(page1, 150, 150));
  EXPECT_FALSE(IsBlack(page1, 95, 150));
  EXPECT_FALSE(IsBlack(page1, 205, 150));
}

}  // namespace
}  // namespace tagpress

namespace tagpress {
namespace {

TEST(PageDocument, PrintsAPageRangeAsOneJob) {
  App();
  TempDir dir;
  PageDocument document;
  ComposeSquarePages(document, 3);
  struct Case {
    int from, to;
    int pages;  // 0: nothing printed
  };
  const Case cases[] = {{2, 3, 2}, {1, 3, 3}, {3, 9, 1}, {4, 5, 0}, {0, 1, 1}};
  for (size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(i);
    const std::string pdf = dir.File("range" + std::to_string(i) + ".pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(pdf));
    EXPECT_EQ(document.PrintPages(printer, cases[i].from, cases[i].to), cases[i].pages > 0);
    if (cases[i].pages == 0) {
      EXPECT_FALSE(std::filesystem::exists(pdf));
      continue;
    }
    const std::string prefix = dir.File("r" + std::to_string(i));
    ASSERT_EQ(std::system(("pdftoppm -r 30 -gray " + pdf + " " + prefix).c_str()), 0);
    int pages = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
      if (entry.path().filename().string().rfind("r" + std::to_string(i) + "-", 0) == 0) ++pages;
    EXPECT_EQ(pages, cases[i].pages);
  }
}

}  // namespace
}  // namespace tagpress
