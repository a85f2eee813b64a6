// Exported files are real BMP images: 24-bit, uncompressed, of the label's
// size at the chosen resolution, with that resolution in their header.

#include <gtest/gtest.h>

#include <QFile>
#include <cstdint>

#include "platform/text_codec.h"
#include "tests/render_qt/export_test_support.h"

namespace tagpress {
namespace {

std::uint32_t Field(const QByteArray& bytes, int at, int size) {
  std::uint32_t value = 0;
  for (int i = size - 1; i >= 0; --i) value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
  return value;
}

class ExportImageTest : public ::testing::Test {
 protected:
  ExportImageTest() {
    tpl_.SetLabelWidth(60);
    tpl_.SetLabelHeight(40);
  }

  QByteArray Export(const ExportRow& row, int dpi_x, int dpi_y) {
    ExportOptions options;
    options.DpiX = dpi_x;
    options.DpiY = dpi_y;
    options.NameAfterDigits = false;
    const ExportResult result =
        test_support::ExportToFolder({row}, tpl_, barcode_, options, dir_.File("out"));
    EXPECT_TRUE(result.AllExported()) << GbkToUtf8(result.Error);
    QFile file(QString::fromStdString(dir_.File("out/barcode_1.bmp")));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
  }

  testing::TempDir dir_;
  TBarcodeFile tpl_;
  TBarcode barcode_;
};

TEST_F(ExportImageTest, ImagesHaveTheLabelSizeAndCarryTheResolution) {
  struct Case {
    int dpi_x, dpi_y, width, height, ppm_x, ppm_y;
  };
  const Case cases[] = {
      {300, 300, 709, 472, 11811, 11811},
      {200, 100, 472, 157, 7874, 3937},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.dpi_x);
    const QByteArray bmp = Export({"6901234567892", "up", "down"}, c.dpi_x, c.dpi_y);
    ASSERT_GE(bmp.size(), 54);
    EXPECT_EQ(Field(bmp, 18, 4), static_cast<std::uint32_t>(c.width));
    EXPECT_EQ(Field(bmp, 22, 4), static_cast<std::uint32_t>(c.height));
    EXPECT_EQ(Field(bmp, 28, 2), 24u);  // bits per pixel
    EXPECT_EQ(Field(bmp, 30, 4), 0u);   // uncompressed
    EXPECT_EQ(Field(bmp, 38, 4), static_cast<std::uint32_t>(c.ppm_x));
    EXPECT_EQ(Field(bmp, 42, 4), static_cast<std::uint32_t>(c.ppm_y));
    EXPECT_EQ(bmp.size(), 54 + ((c.width * 3 + 3) / 4 * 4) * c.height);
    // Qt reads it back as the same picture.
    const QImage image = QImage::fromData(bmp, "BMP");
    EXPECT_EQ(image.size(), QSize(c.width, c.height));
    EXPECT_EQ(image.dotsPerMeterX(), c.ppm_x);
    EXPECT_FALSE(test_support::InkedRows(image).empty());
  }
}

TEST_F(ExportImageTest, EmptyDigitsGiveAWhiteImage) {
  tpl_.SetHasBackgroundColor(true);  // the renderer skips the whole label, background included
  tpl_.SetBackgroundColor(0x00FFFF);
  const QImage image = QImage::fromData(Export({"", "up", "down"}, 300, 300), "BMP");
  ASSERT_EQ(image.size(), QSize(709, 472));
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) ASSERT_EQ(image.pixel(x, y), 0xFFFFFFFFu) << x << "," << y;
}

TEST_F(ExportImageTest, ColoursKeepTheirChannels) {
  tpl_.SetHasBackgroundColor(true);
  tpl_.SetBackgroundColor(0x00FFFF);  // $00BBGGRR: yellow
  tpl_.SetBarColor(0xFF0000);         // blue bars
  tpl_.SetLabelLeft(2);               // content from dot 1 + 24 on
  tpl_.SetLabelTop(2);
  const QImage image = QImage::fromData(Export({"6901234567892", "", ""}, 300, 300), "BMP");
  EXPECT_EQ(image.pixel(30, 30), qRgb(255, 255, 0));
  const int y = barcode_.Top() + barcode_.Height() / 2;
  EXPECT_EQ(image.pixel(barcode_.Left(), y), qRgb(0, 0, 255));  // the left guard bar
  EXPECT_EQ(image.pixel(0, 0), qRgb(255, 255, 255));            // outside the content area: the label's white
}

}  // namespace
}  // namespace tagpress
