// Exported label images must scan: independent readers decode each one to
// exactly the digits the label shows, at the resolutions of label printers.

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/text_codec.h"
#include "render/dots.h"
#include "tests/render_qt/export_test_support.h"
#include "tests/support/symbol_reader.h"

namespace tagpress {
namespace {

using test_support::ReadWithZbar;
using test_support::ReadWithZxing;
using test_support::ZxingFormat;
using test_support::ZxingOptions;

struct LabelScanCase {
  TBarcodeType type;
  const char* digits;  // as the record holds them
  bool checksum;       // BarTextChecksum
  const char* shown;   // what the label shows under the bars
  ZxingFormat format;
  const char* reading_prefix;  // what the readers add: the number system of UPC-E
  const char* zbar_type;       // zbar's name for the symbology; nullptr where zbar has no decoder
  ZxingOptions zxing = {};
};

// The shown digits hold the check characters of the standards, worked out by
// hand from their rules.
const LabelScanCase kCases[] = {
    // 0
    {bcCodeEAN13, "690123456789", false, "6901234567892", ZxingFormat::Ean13, "", "EAN-13"},
    {bcCodeEAN13, "69012", false, "6901200000002", ZxingFormat::Ean13, "", "EAN-13"},
    {bcCodeEAN8, "1234567", false, "12345670", ZxingFormat::Ean8, "", "EAN-8"},
    {bcCodeUPC_A, "03600029145", false, "036000291452", ZxingFormat::UpcA, "", "UPC-A"},
    {bcCodeUPC_E0, "123456", false, "1234565", ZxingFormat::UpcE, "0", nullptr},  // zbar: as UPC-A
    // 5
    {bcCodeUPC_E1, "123456", false, "1234562", ZxingFormat::UpcE, "1", nullptr},
    {bcCode39, "AB", true, "ABL", ZxingFormat::Code39, "", "CODE-39"},
    {bcCode39, "CODE-39 12", false, "CODE-39 12", ZxingFormat::Code39, "", "CODE-39"},
    {bcCode39Extended,
     "Label 1",
     false,
     "Label 1",
     ZxingFormat::Code39,
     "",
     nullptr,
     {.code39_full_ascii = true}},
    {bcCode93, "TEST93", false, "TEST93", ZxingFormat::Code93, "", "CODE-93"},
    // 10
    {bcCode93Extended, "Code 93", false, "Code 93", ZxingFormat::Code93, "", "CODE-93"},
    {bcCode128A, "LABEL 128", false, "LABEL 128", ZxingFormat::Code128, "", "CODE-128"},
    {bcCode128B, "Label-128b", true, "Label-128b", ZxingFormat::Code128, "", "CODE-128"},
    {bcCode128C, "20261211", false, "20261211", ZxingFormat::Code128, "", "CODE-128"},
    {bcCodeEAN128A, "10ABC", false, "10ABC", ZxingFormat::Code128, "", "CODE-128"},
    // 15
    {bcCodeEAN128B, "10ABC-12", false, "10ABC-12", ZxingFormat::Code128, "", "CODE-128"},
    {bcCodeEAN128C, "0112345678901231", false, "0112345678901231", ZxingFormat::Code128, "", "CODE-128"},
    {bcCode_2_5_interleaved, "12345678", false, "12345678", ZxingFormat::Itf, "", "I2/5"},
    {bcCodeCodabar, "A40156B", false, "A40156B", ZxingFormat::Codabar, "", "Codabar"},
};

constexpr int kResolutions[] = {203, 300, 600};

class LabelScanTest : public ::testing::Test {
 protected:
  LabelScanTest() {
    tpl_.SetLabelWidth(80);
    tpl_.SetLabelHeight(40);
    tpl_.SetLabelLeft(0);
    tpl_.SetLabelTop(0);
    tpl_.SetBarGap(6);  // quiet zones
    tpl_.SetBarHeight(15);
    tpl_.SetBarAlignment(2);
    tpl_.SetUpText("");
    tpl_.SetDownText("");
  }

  // Exports one row and reads the image back.
  QImage Export(const ExportRow& row, int dpi) {
    options_.DpiX = options_.DpiY = dpi;
    std::filesystem::remove_all(dir_.File("out"));
    const ExportResult result =
        test_support::ExportToFolder({row}, tpl_, barcode_, options_, dir_.File("out"));
    EXPECT_TRUE(result.AllExported()) << GbkToUtf8(result.Error);
    return test_support::ReadImage(dir_.File("out/barcode_1.bmp"));
  }

  testing::TempDir dir_;
  TBarcodeFile tpl_;
  TBarcode barcode_;
  ExportOptions options_ = [] {
    ExportOptions options;
    options.NameAfterDigits = false;
    return options;
  }();
};

TEST_F(LabelScanTest, EverySymbologyScansAsItsShownDigits) {
  for (size_t i = 0; i < std::size(kCases); ++i) {
    const LabelScanCase& c = kCases[i];
    tpl_.SetBarType(c.type);
    tpl_.SetBarTextChecksum(c.checksum);
    for (const int dpi : kResolutions) {
      SCOPED_TRACE(::testing::Message() << "case " << i << " (" << c.digits << ") at " << dpi << " dpi");
      const QImage image = Export({c.digits, "", ""}, dpi);
      ASSERT_FALSE(image.isNull());
      EXPECT_EQ(barcode_.Text(), c.shown);  // what the renderer encoded and wrote under the bars
      EXPECT_EQ(ReadWithZxing(image, c.format, c.zxing).text, std::string(c.reading_prefix) + c.shown);
      if (c.zbar_type) {
        const std::vector<std::string> settings = {"upca.enable=1"};
        EXPECT_EQ(ReadWithZbar(image, settings),
                  std::vector<std::string>{std::string(c.zbar_type) + ":" + c.shown});
      }
    }
  }
}

TEST_F(LabelScanTest, EveryBlockOfAMultiBlockLabelScans) {
  struct Layout {
    int blocks, direction;
    double width, height;
  };
  const Layout layouts[] = {{3, 0, 60, 90}, {3, 1, 180, 30}, {9, 0, 60, 270}, {9, 1, 540, 30}};
  tpl_.SetBarType(bcCodeEAN13);
  tpl_.SetBarGap(4);
  tpl_.SetBarHeight(12);
  tpl_.SetPrintInternalLine(true);
  for (const Layout& layout : layouts) {
    tpl_.SetBarNumInOne(layout.blocks);
    tpl_.SetLabelPutDirection(layout.direction);
    tpl_.SetLabelWidth(layout.width);
    tpl_.SetLabelHeight(layout.height);
    for (const int dpi : {203, 300}) {
      SCOPED_TRACE(::testing::Message()
                   << layout.blocks << " blocks, direction " << layout.direction << ", " << dpi << " dpi");
      const QImage image = Export({"690123456789", "", ""}, dpi);
      // Each block read on its own, cut out of the image along its cell.
      const bool stacked = layout.direction == 0;
      const int cell = stacked ? DotsFromMm(dpi, layout.height) / layout.blocks
                               : DotsFromMm(dpi, layout.width) / layout.blocks;
      for (int block = 0; block < layout.blocks; ++block) {
        SCOPED_TRACE(block);
        const QImage part = stacked ? image.copy(0, 1 + block * cell, image.width(), cell)
                                    : image.copy(1 + block * cell, 0, cell, image.height());
        EXPECT_EQ(ReadWithZbar(part), std::vector<std::string>{"EAN-13:6901234567892"});
        EXPECT_EQ(ReadWithZxing(part, ZxingFormat::Ean13).text, "6901234567892");
      }
    }
  }
}

TEST_F(LabelScanTest, ChineseTextLinesAboveAndBelowLeaveTheSymbolReadable) {
  tpl_.SetBarType(bcCode128B);
  tpl_.SetBarHeight(12);
  for (const int dpi : kResolutions) {
    SCOPED_TRACE(dpi);
    const QImage image = Export({"TP-2026-0042", GBK("品名：条码标签"), GBK("产地：上海 批号：甲一")}, dpi);
    EXPECT_EQ(ReadWithZxing(image, ZxingFormat::Code128).text, "TP-2026-0042");
    EXPECT_EQ(ReadWithZbar(image), std::vector<std::string>{"CODE-128:TP-2026-0042"});
    // Ink above the bars (the upper line) and below the digits (two lower lines).
    const std::vector<int> inked = test_support::InkedRows(image);
    ASSERT_FALSE(inked.empty());
    EXPECT_LT(inked.front(), barcode_.Top());
    EXPECT_GT(inked.back(), barcode_.Top() + barcode_.Height() + DotsFromMm(dpi, 1) + dpi * 8 / 72);
  }
}

}  // namespace
}  // namespace tagpress
