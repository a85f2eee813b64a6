#include "render/label_renderer.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/recording_surface.h"
#include "platform/text_codec.h"
#include "render/dots.h"

namespace tagpress {
namespace {

TEST(DotsFromMm, RoundsHalvesToEven) {
  EXPECT_EQ(DotsFromMm(300, 25.4), 300);
  EXPECT_EQ(DotsFromMm(96, 1), 4);
  EXPECT_EQ(DotsFromMm(600, 10), 236);
  EXPECT_EQ(DotsFromMm(300, 0.2), 2);
  EXPECT_EQ(DotsFromMm(254, 0.05), 0);  // 0.5 rounds to 0
  EXPECT_EQ(DotsFromMm(254, 0.15), 2);  // 1.5 rounds to 2
}

TEST(PrepareDigits, CompletesRetailNumbersAndCode39) {
  struct Case {
    int type;
    std::string digits, shown;
  };
  const Case cases[] = {
      {bcCodeEAN13, "690123456789", "6901234567892"},
      {bcCodeEAN13, "69012", "6901200000002"},
      {bcCodeEAN13, "6901234567899", "6901234567892"},  // a wrong check digit is replaced
      {bcCodeEAN13, " 690123456789", "6901234567892"},  // blanks around the digits are dropped
      {bcCodeEAN13, "\t690123456789\r", "6901234567892"},
      {bcCodeEAN8, "1234567", "12345670"},
      {bcCodeUPC_A, "03600029145", "036000291452"},
      {bcCodeUPC_E0, "123456", "1234565"},  // check digit of 01234500006
      {bcCode39, "AB", "ABL"},
      {bcCode128B, " ab ", " ab "},
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(PrepareDigits(cases[i].type, cases[i].digits), cases[i].shown);
  }
}

// A label on a recording surface.
class DrawLabelTest : public ::testing::Test {
 protected:
  DrawLabelTest() : surface_(300) {
    tpl_.SetBarType(bcCodeEAN13);
    tpl_.SetBarAlignment(2);
    tpl_.SetUpText("");
    tpl_.SetDownText("");
    rec_.Left = 1;
    rec_.Top = 1;
    rec_.DpiX = 300;
    rec_.DpiY = 300;
    rec_.Digits = "690123456789";
  }

  void Draw(bool show_origin = false) {
    surface_.ClearCalls();
    DrawLabel(barcode_, tpl_, surface_, rec_, show_origin);
  }

  std::vector<SurfaceCall> Calls(SurfaceCallKind kind) const { return surface_.CallsOf(kind); }

  // Left and right edge of all bars drawn.
  std::pair<int, int> BarExtent() const {
    int left = INT32_MAX, right = INT32_MIN;
    for (const SurfaceCall& call : Calls(SurfaceCallKind::Polygon))
      for (const Point& p : call.Points) {
        left = std::min(left, p.X);
        right = std::max(right, p.X);
      }
    return {left, right};
  }

  TBarcodeFile tpl_;
  TBarcode barcode_;
  RecordingSurface surface_;
  TtgpDrawRec rec_;
};

TEST_F(DrawLabelTest, AutomaticModuleFillsTheLabelLessItsGaps) {
  Draw();
  // W = 472, dx(4 mm) = 47: module (472 - 47) div 95 = 4, width 380, left 1 + 46.
  EXPECT_EQ(barcode_.Modul(), 4);
  EXPECT_EQ(barcode_.Width(), 380);
  EXPECT_EQ(barcode_.Left(), 1 + 46);
  EXPECT_EQ(barcode_.Text(), "6901234567892");
  EXPECT_EQ(BarExtent(), std::make_pair(47, 47 + 380 - 1));
  tpl_.SetBarAlignment(0);
  Draw();
  EXPECT_EQ(barcode_.Left(), 1 + 24);  // left: dx(BarGap) from the edge
  tpl_.SetBarAlignment(1);
  Draw();
  EXPECT_EQ(barcode_.Left() + 380, 1 + 472 - 24);  // right: ends dx(BarGap) before the edge
}

TEST_F(DrawLabelTest, EmptyDigitsDrawNothing) {
  rec_.Digits = "";
  rec_.UpText = "x";
  Draw(true);
  EXPECT_TRUE(surface_.Calls().empty());
}

TEST_F(DrawLabelTest, UnencodableDigitsShowTheMessage) {
  tpl_.SetBarType(bcCode128C);
  rec_.Digits = "12AB";
  rec_.UpText = "upper";
  Draw();
  const auto texts = Calls(SurfaceCallKind::TextOut);
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0].Text, GBK("条码数字不符合规范"));
  EXPECT_EQ(texts[0].State.Font.Color, kColorRed);
  EXPECT_TRUE(Calls(SurfaceCallKind::Polygon).empty());
  EXPECT_EQ(barcode_.Text(), "");
}

TEST_F(DrawLabelTest, OriginMarkOnlyAwayFromTheCorner) {
  Draw(true);
  EXPECT_TRUE(Calls(SurfaceCallKind::LineTo).empty());
  rec_.Left = 5;
  Draw(true);
  const auto lines = Calls(SurfaceCallKind::LineTo);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].Points[0], (Point{5, 1}));
  EXPECT_EQ(lines[0].Points[1], (Point{9, 1}));
  EXPECT_EQ(lines[0].State.Pen.Color, kColorBlue);
}

TEST_F(DrawLabelTest, StackedBlocksHaveCellsAndSeparators) {
  tpl_.SetBarNumInOne(3);
  tpl_.SetLabelPutDirection(0);
  Draw();
  const int h = DotsFromMm(300, 30) / 3;  // 354 / 3 = 118
  const auto lines = Calls(SurfaceCallKind::LineTo);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].Points[0], (Point{1, 1 + h}));
  EXPECT_EQ(lines[0].Points[1], (Point{1 + 472, 1 + h}));
  EXPECT_EQ(lines[1].Points[0].Y, 1 + 2 * h);
  EXPECT_EQ(lines[0].State.Pen.Style, PenStyle::Dot);
  EXPECT_EQ(lines[0].State.Pen.Width, 2);
  EXPECT_EQ(lines[0].State.Pen.Color, kColorGray);
  tpl_.SetPrintInternalLine(false);
  Draw();
  EXPECT_TRUE(Calls(SurfaceCallKind::LineTo).empty());
}

TEST_F(DrawLabelTest, TextLinesAlignAndSplitAtUnquotedBlanks) {
  tpl_.SetBarTextVisible(false);
  tpl_.SetUpTextAlignment(1);
  rec_.UpText = "one line";
  Draw();
  auto texts = Calls(SurfaceCallKind::TextOut);
  ASSERT_EQ(texts.size(), 2u);
  // 9 points at 300 dpi: 38 dots high, 19 wide per byte; "line" ends 4 + dx(2) = 28 before the edge.
  EXPECT_EQ(texts[1].Text, "line");
  EXPECT_EQ(texts[1].Points[0].X + 4 * 19, 1 + 472 - 4 - 24);
  EXPECT_EQ(texts[1].Points[0].Y, texts[0].Points[0].Y + 38);
  rec_.UpText = "\"one line\"";
  Draw();
  texts = Calls(SurfaceCallKind::TextOut);
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0].Text, "one line");
}

TEST_F(DrawLabelTest, BlockIsCentredVertically) {
  tpl_.SetBarTextVisible(false);
  tpl_.SetBarHeight(10);  // 118 dots
  rec_.UpText = "up";
  rec_.DownText = "down";
  Draw();
  const auto texts = Calls(SurfaceCallKind::TextOut);
  ASSERT_EQ(texts.size(), 2u);
  // T = 38 + dy(1) + 118 + dy(1) + 38 = 38 + 12 + 118 + 12 + 38 = 218; H = 354.
  const int top = 1 + (354 - 218) / 2;
  EXPECT_EQ(texts[0].Points[0].Y, top);
  EXPECT_EQ(barcode_.Top(), top + 38 + 12);
  EXPECT_EQ(texts[1].Points[0].Y, top + 38 + 12 + 118 + 12);
}

TEST_F(DrawLabelTest, AutoSpacingSpreadsDigitsUnderTheBars) {
  tpl_.SetBarType(bcCode128B);
  tpl_.SetBarTextAutoAdjust(true);
  rec_.Digits = "AB12";
  Draw();
  auto texts = Calls(SurfaceCallKind::TextOut);
  ASSERT_EQ(texts.size(), 1u);
  const int bar_width = barcode_.Width();
  const int text_width = 4 * 16;  // 8 points at 300 dpi: 33 dots high, 16 wide per byte
  const int extra = (bar_width - text_width) / 3;
  EXPECT_EQ(texts[0].ExtraSpacing, extra);
  EXPECT_EQ(texts[0].Points[0].X, barcode_.Left() + (bar_width - (text_width + 4 * extra) + extra) / 2);
  EXPECT_EQ(surface_.ExtraSpacing(), 0);

  // Digits wider than the bars: no extra spacing, centred, overhanging both ends.
  tpl_.SetBarAutoModul(false);
  tpl_.SetBarModul(1);
  rec_.Digits = "ABCDEFGH";
  Draw();
  texts = Calls(SurfaceCallKind::TextOut);
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0].ExtraSpacing, 0);
  EXPECT_EQ(texts[0].Points[0].X, barcode_.Left() + (barcode_.Width() - 8 * 16) / 2);
}

TEST_F(DrawLabelTest, Ean13DigitsSitInBoxesUnderTheBars) {
  Draw();
  const int m = 4, left = 47;
  const auto outside = Calls(SurfaceCallKind::TextOut);
  const auto boxes = Calls(SurfaceCallKind::TextRect);
  ASSERT_EQ(outside.size(), 1u);
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(outside[0].Text, "6");
  EXPECT_EQ(outside[0].Points[0].X, left - 2 * m - 16);
  EXPECT_EQ(boxes[0].Text, "901234");
  EXPECT_EQ(boxes[0].Area.Left, left + 4 * m);
  EXPECT_EQ(boxes[0].Area.Right, left + 46 * m);
  EXPECT_EQ(boxes[1].Text, "567892");
  EXPECT_EQ(boxes[1].Area.Left, left + 50 * m);
  // Top of the digits: the bars' bottom less R(33 / 3) = 11.
  EXPECT_EQ(boxes[0].Area.Top, barcode_.Top() + barcode_.Height() - 11);
  EXPECT_EQ(boxes[0].ExtraSpacing, (42 * m - 6 * 16) / 5);
}

TEST_F(DrawLabelTest, CheckCharactersShownAsEncoded) {
  struct Case {
    int type;
    bool checksum;
    std::string digits, shown;
  };
  const Case cases[] = {
      {bcCode39, true, "AB", "<ABL>"},  // 10 + 11 = 21: L
      {bcCode39, false, "AB", "<AB>"},
      {bcCode128B, true, "ab1", "<ab1>"},  // Code 128 digits stay as they are
  };
  tpl_.SetBarTextLeftDecorate("<");
  tpl_.SetBarTextRightDecorate(">");
  for (size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(i);
    tpl_.SetBarType(cases[i].type);
    tpl_.SetBarTextChecksum(cases[i].checksum);
    rec_.Digits = cases[i].digits;
    Draw();
    const auto texts = Calls(SurfaceCallKind::TextOut);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].Text, cases[i].shown);
    EXPECT_EQ("<" + barcode_.Text() + ">", cases[i].shown);
  }
}

TEST_F(DrawLabelTest, SideBySideBlocksHaveCellsAndSeparators) {
  tpl_.SetBarNumInOne(3);
  tpl_.SetLabelPutDirection(1);
  Draw();
  const int w = 472 / 3;  // 157: module (157 - 47) div 95 = 1
  EXPECT_EQ(barcode_.Modul(), 1);
  EXPECT_EQ(barcode_.Left(), 1 + 2 * w + (w - 95) / 2);  // the last block, centred in its own cell
  const auto boxes = Calls(SurfaceCallKind::TextRect);
  ASSERT_EQ(boxes.size(), 6u);
  for (int block = 0; block < 3; ++block)
    EXPECT_EQ(boxes[2 * block].Area.Left, 1 + block * w + (w - 95) / 2 + 4);
  const auto lines = Calls(SurfaceCallKind::LineTo);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].Points[0], (Point{1 + w, 1}));
  EXPECT_EQ(lines[0].Points[1], (Point{1 + w, 1 + 354}));
  EXPECT_EQ(lines[1].Points[0].X, 1 + 2 * w);
}

TEST_F(DrawLabelTest, RetailDigitRowsOfEan8AndUpcA) {
  TFont font = tpl_.BarTextFont();
  font.SetSize(9);  // 38 dots high: R(38 / 3) = 13, 38 div 3 = 12
  tpl_.SetBarTextFont(font);
  tpl_.SetBarType(bcCodeUPC_A);
  rec_.Digits = "03600029145";
  Draw();
  const int m = barcode_.Modul(), left = barcode_.Left(), bottom = barcode_.Top() + barcode_.Height();
  auto outside = Calls(SurfaceCallKind::TextOut);
  auto boxes = Calls(SurfaceCallKind::TextRect);
  ASSERT_EQ(outside.size(), 2u);
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(outside[0].Text, "0");
  EXPECT_EQ(outside[1].Text, "2");
  EXPECT_EQ(outside[1].Points[0], (Point{left + barcode_.Width() + 2 * m, bottom - 12}));
  EXPECT_EQ(boxes[0].Text, "36000");
  EXPECT_EQ(boxes[0].Area, (Rect{left + 10 * m, bottom - 12, left + 45 * m, bottom - 12 + 38}));
  EXPECT_EQ(boxes[0].ExtraSpacing, (35 * m - 5 * 19) / 4);
  EXPECT_EQ(boxes[1].Text, "29145");
  EXPECT_EQ(boxes[1].Area.Left, left + 50 * m);

  tpl_.SetBarType(bcCodeEAN8);
  rec_.Digits = "1234567";
  Draw();
  outside = Calls(SurfaceCallKind::TextOut);
  boxes = Calls(SurfaceCallKind::TextRect);
  EXPECT_TRUE(outside.empty());
  ASSERT_EQ(boxes.size(), 2u);
  const int ean8_left = barcode_.Left(), ean8_m = barcode_.Modul();
  const int ean8_bottom = barcode_.Top() + barcode_.Height();
  EXPECT_EQ(boxes[0].Text, "1234");
  EXPECT_EQ(boxes[0].Area,
            (Rect{ean8_left + 4 * ean8_m, ean8_bottom - 13, ean8_left + 32 * ean8_m, ean8_bottom - 13 + 38}));
  EXPECT_EQ(boxes[1].Text, "5670");
  EXPECT_EQ(boxes[1].Area.Right, ean8_left + 64 * ean8_m);
  EXPECT_EQ(boxes[1].ExtraSpacing, (28 * ean8_m - 4 * 19) / 3);
}

TEST_F(DrawLabelTest, ModuleOutsideItsRangeFallsBackToOne) {
  tpl_.SetLabelWidth(500);  // (5906 - 47) div 95 = 61: too wide
  Draw();
  EXPECT_EQ(barcode_.Modul(), 1);
  tpl_.SetLabelWidth(40);
  tpl_.SetBarAutoModul(false);
  tpl_.SetBarModul(0);
  Draw();
  EXPECT_EQ(barcode_.Modul(), 1);
  tpl_.SetBarModul(3);
  Draw();
  EXPECT_EQ(barcode_.Modul(), 3);
}

TEST_F(DrawLabelTest, UnknownAlignmentsKeepSpaceButDrawNoText) {
  tpl_.SetBarTextVisible(false);
  tpl_.SetUpTextAlignment(7);
  tpl_.SetBarAlignment(7);
  rec_.UpText = "up";
  barcode_.SetLeft(77);
  Draw();
  EXPECT_TRUE(Calls(SurfaceCallKind::TextOut).empty());
  EXPECT_EQ(barcode_.Left(), 77);  // unchanged
  // The upper line still takes its height: T = 38 + dy(1) + dy(8) = 38 + 12 + 94.
  EXPECT_EQ(barcode_.Top(), 1 + (354 - 144) / 2 + 38 + 12);
}

TEST_F(DrawLabelTest, ABlockTallerThanItsCellStartsAboveIt) {
  tpl_.SetBarTextVisible(false);
  tpl_.SetBarHeight(50);  // 591 dots in a cell of 354
  Draw();
  EXPECT_EQ(barcode_.Top(), 1 + (354 - 591) / 2);
  EXPECT_LT(barcode_.Top(), 0);
}

TEST_F(DrawLabelTest, BackgroundFillsTheContentArea) {
  tpl_.SetHasBackgroundColor(true);
  tpl_.SetBackgroundColor(0x00FFFF);
  Draw();
  const auto fills = Calls(SurfaceCallKind::FillRect);
  ASSERT_FALSE(fills.empty());
  EXPECT_EQ(fills[0].Area, (Rect{0, 0, 472, 354}));
  EXPECT_EQ(fills[0].State.Brush.Color, 0x00FFFF);
  EXPECT_EQ(barcode_.Color(), 0x00FFFF);
}

}  // namespace
}  // namespace tagpress
