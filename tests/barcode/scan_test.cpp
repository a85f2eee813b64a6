// Symbols drawn on a QtSurface must read, with independent readers, as the
// data they are meant to carry.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "barcode/barcode.h"
#include "platform/qt/qt_surface.h"
#include "tests/support/symbol_reader.h"
#include "tests/support/gui_application.h"

namespace tagpress {
namespace {

using test_support::ReadWithZbar;
using test_support::ReadWithZxing;
using test_support::ZxingFormat;
using test_support::ZxingOptions;

struct ScanCase {
  TBarcodeType typ;
  const char* text;
  bool checksum;
  ZxingFormat format;
  const char* zxing_text;  // what ZXing reads
  const char* zbar_line;   // what zbarimg prints, nullptr where zbar has no decoder for it
  ZxingOptions options = {};
};

// Expected texts hold the check digits of the standards, computed by hand
// from their rules (not by our encoder).
const ScanCase kScanCases[] = {
    // 0: EAN-13 with the check digit appended by the encoder.
    {bcCodeEAN13, "690123456789", true, ZxingFormat::Ean13, "6901234567892", "EAN-13:6901234567892"},
    {bcCodeEAN13, "4006381333931", false, ZxingFormat::Ean13, "4006381333931", "EAN-13:4006381333931"},
    {bcCodeEAN13, "978020137962", true, ZxingFormat::Ean13, "9780201379624", "EAN-13:9780201379624"},
    {bcCodeEAN13, "123", false, ZxingFormat::Ean13, "0000000000123", "EAN-13:0000000000123"},
    {bcCodeEAN8, "1234567", true, ZxingFormat::Ean8, "12345670", "EAN-8:12345670"},
    // 5
    {bcCodeEAN8, "96385074", false, ZxingFormat::Ean8, "96385074", "EAN-8:96385074"},
    {bcCodeEAN8, "5512345", true, ZxingFormat::Ean8, "55123457", "EAN-8:55123457"},
    {bcCodeUPC_A, "036000291450", true, ZxingFormat::UpcA, "036000291452", "EAN-13:0036000291452"},
    {bcCodeUPC_A, "012345678905", false, ZxingFormat::UpcA, "012345678905", "EAN-13:0012345678905"},
    {bcCodeUPC_A, "888888888880", true, ZxingFormat::UpcA, "888888888886", "EAN-13:0888888888886"},
    // 10: UPC-E; the check digit is that of the UPC-A expansion, which zbar
    // reports as EAN-13 (it has no decoder for number system 1).
    {bcCodeUPC_E0, "1234560", true, ZxingFormat::UpcE, "01234565", "EAN-13:0012345000065"},
    {bcCodeUPC_E0, "6543217", false, ZxingFormat::UpcE, "06543217", "EAN-13:0065100004327"},
    {bcCodeUPC_E0, "1234500", true, ZxingFormat::UpcE, "01234505", "EAN-13:0012000003455"},
    {bcCodeUPC_E0, "4252619", true, ZxingFormat::UpcE, "04252614", "EAN-13:0042100005264"},
    {bcCodeUPC_E0, "9999940", true, ZxingFormat::UpcE, "09999941", "EAN-13:0099990000091"},
    // 15
    {bcCodeUPC_E1, "1234569", true, ZxingFormat::UpcE, "11234562", nullptr},
    {bcCodeUPC_E1, "6543214", false, ZxingFormat::UpcE, "16543214", nullptr},
    {bcCodeUPC_E1, "0000130", true, ZxingFormat::UpcE, "10000134", nullptr},
    {bcCodeUPC_E1, "0123470", true, ZxingFormat::UpcE, "10123478", nullptr},
    // Code 39, with and without its check character; "*" inside is skipped.
    {bcCode39, "CODE39", false, ZxingFormat::Code39, "CODE39", "CODE-39:CODE39"},
    // 20
    {bcCode39, "AB-12. $/+%", false, ZxingFormat::Code39, "AB-12. $/+%", "CODE-39:AB-12. $/+%"},
    {bcCode39, "AB", true, ZxingFormat::Code39, "AB", nullptr, {.code39_check = true}},
    {bcCode39, "A*B", false, ZxingFormat::Code39, "AB", "CODE-39:AB"},
    {bcCode39Extended,
     "Hello, World! *",
     false,
     ZxingFormat::Code39,
     "Hello, World! *",
     nullptr,
     {.code39_full_ascii = true}},
    {bcCode39Extended,
     "ab",
     true,
     ZxingFormat::Code39,
     "ab",
     nullptr,
     {.code39_full_ascii = true, .code39_check = true}},
    // 25: Code 93 and full ASCII.
    {bcCode93, "TEST93", false, ZxingFormat::Code93, "TEST93", "CODE-93:TEST93"},
    {bcCode93, "CODE-93. $/+%", false, ZxingFormat::Code93, "CODE-93. $/+%", "CODE-93:CODE-93. $/+%"},
    {bcCode93, "ABCDEFGHIJKLMNOPQRSTUVWXYZ", false, ZxingFormat::Code93, "ABCDEFGHIJKLMNOPQRSTUVWXYZ",
     "CODE-93:ABCDEFGHIJKLMNOPQRSTUVWXYZ"},
    {bcCode93Extended, "a", false, ZxingFormat::Code93, "a", "CODE-93:a"},
    {bcCode93Extended, "Code 93: a[b]{c}~", false, ZxingFormat::Code93, "Code 93: a[b]{c}~",
     "CODE-93:Code 93: a[b]{c}~"},
    // 30: Code 128 in one code set each.
    {bcCode128A, "CODE 128A_[]^", false, ZxingFormat::Code128, "CODE 128A_[]^", "CODE-128:CODE 128A_[]^"},
    {bcCode128B, "Hello, World! ~{}", false, ZxingFormat::Code128, "Hello, World! ~{}",
     "CODE-128:Hello, World! ~{}"},
    {bcCode128B, "Ab1", false, ZxingFormat::Code128, "Ab1", "CODE-128:Ab1"},
    {bcCode128C, "12345", false, ZxingFormat::Code128, "012345", "CODE-128:012345"},
    {bcCode128C, "00998877665544332211", false, ZxingFormat::Code128, "00998877665544332211",
     "CODE-128:00998877665544332211"},
    // 35: EAN-128: FNC1 first, then the data; odd C data ends in code set B.
    {bcCodeEAN128C, "0112345678901231", false, ZxingFormat::Code128, "0112345678901231",
     "CODE-128:0112345678901231"},
    {bcCodeEAN128C, "1012345", false, ZxingFormat::Code128, "1012345", "CODE-128:1012345"},
    {bcCodeEAN128C, "10123456", true, ZxingFormat::Code128, "101234564", "CODE-128:101234564"},
    {bcCodeEAN128B, "10ABC-12", false, ZxingFormat::Code128, "10ABC-12", "CODE-128:10ABC-12"},
    {bcCodeEAN128A, "10ABC", false, ZxingFormat::Code128, "10ABC", "CODE-128:10ABC"},
    // 40: Interleaved 2 of 5; an odd count gets a leading zero.
    {bcCode_2_5_interleaved, "123456", false, ZxingFormat::Itf, "123456", "I2/5:123456"},
    {bcCode_2_5_interleaved, "12345", false, ZxingFormat::Itf, "012345", "I2/5:012345"},
    {bcCode_2_5_interleaved, "9876543210", false, ZxingFormat::Itf, "9876543210", "I2/5:9876543210"},
    // Codabar: A/B frame a plain text; a text with its own start and stop keeps them.
    {bcCodeCodabar, "40156", false, ZxingFormat::Codabar, "A40156B", "Codabar:A40156B"},
    {bcCodeCodabar, "A40156B", false, ZxingFormat::Codabar, "A40156B", "Codabar:A40156B"},
    // 45
    {bcCodeCodabar, "C-$:/.+D", false, ZxingFormat::Codabar, "C-$:/.+D", "Codabar:C-$:/.+D"},
    {bcCodeCodabar, "D0123456789B", false, ZxingFormat::Codabar, "D0123456789B", "Codabar:D0123456789B"},
};

class ScanTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { test_support::EnsureGuiApplication(); }
};

TEST_F(ScanTest, DrawnSymbolsReadAsTheirData) {
  for (size_t i = 0; i < std::size(kScanCases); ++i) {
    const ScanCase& c = kScanCases[i];
    for (const int module : {2, 3}) {
      SCOPED_TRACE(::testing::Message() << "case " << i << " (" << c.text << "), module " << module);
      TBarcode barcode;
      barcode.SetTyp(c.typ);
      barcode.SetText(c.text);
      barcode.SetChecksum(c.checksum);
      barcode.SetModul(module);
      barcode.SetHeight(40 * module);
      ASSERT_GT(barcode.Width(), 0);
      const QImage image = test_support::DrawSymbolImage(barcode);
      const test_support::ZxingReading reading = ReadWithZxing(image, c.format, c.options);
      EXPECT_EQ(reading.text, c.zxing_text);
      if (c.format == ZxingFormat::Code128) {
        // FNC1 right after the start character marks GS1 data.
        const bool gs1 = c.typ == bcCodeEAN128A || c.typ == bcCodeEAN128B || c.typ == bcCodeEAN128C;
        EXPECT_EQ(reading.symbology_identifier, gs1 ? "]C1" : "]C0");
      }
      if (c.zbar_line) {
        EXPECT_EQ(ReadWithZbar(image), std::vector<std::string>{c.zbar_line});
      }
    }
  }
}

struct AddOnCase {
  TBarcodeType typ;
  const char* text;
  bool checksum;
  const char* zxing_text;
  const char* zbar_add_on_line;
};

// The add-ons stand to the right of an EAN-13 symbol, as on a product.
const AddOnCase kAddOnCases[] = {
    {bcCodeUPC_Supp2, "34", false, "9780201379624 34", "EAN-2:34"},   // 34 mod 4 = 2: sets B, A
    {bcCodeUPC_Supp2, "05", false, "9780201379624 05", "EAN-2:05"},   //
    {bcCodeUPC_Supp2, "123", false, "9780201379624 12", "EAN-2:12"},  // only the first two count
    {bcCodeUPC_Supp2, "99", true, "9780201379624 99", "EAN-2:99"},    // check digit not in the bars
    {bcCodeUPC_Supp5, "52495", false, "9780201379624 52495", "EAN-5:52495"},
    {bcCodeUPC_Supp5, "90000", false, "9780201379624 90000", "EAN-5:90000"},
    {bcCodeUPC_Supp5, "12", true, "9780201379624 00012", "EAN-5:00012"},
};

TEST_F(ScanTest, AddOnsReadWithTheirMainSymbol) {
  for (size_t i = 0; i < std::size(kAddOnCases); ++i) {
    const AddOnCase& c = kAddOnCases[i];
    for (const int module : {2, 3}) {
      SCOPED_TRACE(::testing::Message() << "case " << i << " (" << c.text << "), module " << module);
      TBarcode main_symbol;
      main_symbol.SetText("9780201379624");
      main_symbol.SetModul(module);
      main_symbol.SetHeight(50 * module);
      TBarcode add_on;
      add_on.SetTyp(c.typ);
      add_on.SetText(c.text);
      add_on.SetChecksum(c.checksum);
      add_on.SetModul(module);
      add_on.SetHeight(50 * module);
      const QImage image = test_support::DrawSymbolRow({&main_symbol, &add_on}, 9);
      EXPECT_EQ(ReadWithZxing(image, ZxingFormat::Ean13, {.require_add_on = true}).text, c.zxing_text);
      std::vector<std::string> zbar = ReadWithZbar(image, {"ean2.enable=1", "ean5.enable=1"});
      EXPECT_NE(std::find(zbar.begin(), zbar.end(), c.zbar_add_on_line), zbar.end())
          << ::testing::PrintToString(zbar);
    }
  }
}

TEST_F(ScanTest, SymbolsTurnedBy90DegreesRead) {
  // Turned counter-clockwise, the symbol runs upward from its origin, so the
  // origin sits at the bottom-left corner of the image's symbol area.
  struct Case {
    TBarcodeType typ;
    const char* text;
    ZxingFormat format;
    const char* zxing_text;
  };
  static const Case kCases[] = {
      {bcCodeEAN13, "6901234567892", ZxingFormat::Ean13, "6901234567892"},
      {bcCode128B, "Turned 90", ZxingFormat::Code128, "Turned 90"},
  };
  for (size_t i = 0; i < std::size(kCases); ++i) {
    SCOPED_TRACE(i);
    TBarcode barcode;
    barcode.SetTyp(kCases[i].typ);
    barcode.SetText(kCases[i].text);
    barcode.SetModul(2);
    barcode.SetHeight(100);
    barcode.SetAngle(90);
    const int width = barcode.Width();
    const int quiet = 30;
    QImage image(barcode.Height() + 1 + 2 * quiet, width + 2 * quiet, QImage::Format_RGB32);
    image.fill(Qt::white);
    barcode.SetLeft(quiet);
    barcode.SetTop(quiet + width - 1);
    {
      QtSurface surface(image);
      ASSERT_TRUE(barcode.Draw(surface));
    }
    // Nothing is drawn outside the symbol area.
    EXPECT_EQ(image.pixelColor(quiet - 1, quiet + width / 2), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(quiet + barcode.Height() + 1, quiet + width / 2), QColor(Qt::white));
    EXPECT_EQ(ReadWithZxing(image, kCases[i].format, {.try_rotate = true}).text, kCases[i].zxing_text);
  }
}

}  // namespace
}  // namespace tagpress
