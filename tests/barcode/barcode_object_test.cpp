// The barcode object: properties, module widths, errors and the geometry of
// what it draws.

#include <gtest/gtest.h>

#include "barcode/barcode.h"
#include "platform/recording_surface.h"

namespace tagpress {
namespace {

std::vector<Point> Corners(std::initializer_list<Point> points) { return points; }

TEST(BarcodeObject, Defaults) {
  const TBarcode barcode;
  EXPECT_EQ(barcode.Modul(), 1);
  EXPECT_EQ(barcode.Ratio(), 2.0);
  EXPECT_EQ(barcode.Typ(), bcCodeEAN13);
  EXPECT_FALSE(barcode.Checksum());
  EXPECT_EQ(barcode.CheckSumMethod(), csmModulo10);
  EXPECT_EQ(barcode.ShowText(), bcoNone);
  EXPECT_EQ(barcode.Angle(), 0.0);
  EXPECT_EQ(barcode.Color(), 0xFFFFFF);
  EXPECT_EQ(barcode.ColorBar(), 0);
  EXPECT_EQ(barcode.Height(), 0);
  EXPECT_EQ(barcode.Text(), "");
  EXPECT_EQ(barcode.TypeName(), "EAN13");
}

TEST(BarcodeObject, SymbologyTable) {
  EXPECT_EQ(BarcodeTypes.size(), 23u);
  EXPECT_EQ(BarcodeTypes[bcCode_2_5_interleaved].Name, "2_5_interleaved");
  EXPECT_EQ(BarcodeTypes[bcCodeCodabar].Name, "Codebar");
  EXPECT_EQ(BarcodeTypes[bcCodeUPC_Supp2].Name, "UPC Supp2");
  EXPECT_EQ(BarcodeTypes[bcCodeEAN128C].Name, "EAN128C");
  int digits_only = 0;
  for (const TBCdata& row : BarcodeTypes) digits_only += row.DigitsOnly;
  EXPECT_EQ(digits_only, 14);  // all but Code 39, 93, 128 A/B, EAN-128 A/B and Codabar
  EXPECT_TRUE(BarcodeTypes[bcCode128C].DigitsOnly);
  EXPECT_FALSE(BarcodeTypes[bcCodeEAN128B].DigitsOnly);

  TBarcode barcode;
  barcode.SetTyp(static_cast<TBarcodeType>(23));
  EXPECT_EQ(barcode.TypeName(), "");
}

TEST(BarcodeObject, ModulAcceptsOneTo49) {
  TBarcode barcode;
  barcode.SetModul(7);
  for (const int ignored : {0, -3, 50}) {
    barcode.SetModul(ignored);
    EXPECT_EQ(barcode.Modul(), 7);
  }
  barcode.SetModul(49);
  EXPECT_EQ(barcode.Modul(), 49);
}

TEST(BarcodeObject, RatioIsClampedByTheSymbology) {
  struct Case {
    TBarcodeType typ;
    const char* text;
    double ratio;
    double clamped;
  };
  static const Case kCases[] = {
      {bcCodeEAN13, "1", 1.5, 2.0}, {bcCodeEAN13, "1", 3.5, 3.0}, {bcCode_2_5_matrix, "1", 2.0, 2.25},
      {bcCode128B, "A", 2.5, 2.5},  {bcCode128B, "A", 3.5, 3.5},  {bcCode39, "A", 2.6, 2.6},
  };
  for (size_t i = 0; i < std::size(kCases); ++i) {
    SCOPED_TRACE(i);
    TBarcode barcode;
    barcode.SetTyp(kCases[i].typ);
    barcode.SetText(kCases[i].text);
    barcode.SetRatio(kCases[i].ratio);
    EXPECT_GT(barcode.Width(), 0);
    EXPECT_EQ(barcode.Ratio(), kCases[i].clamped);
  }
}

TEST(BarcodeObject, ModuleWidths) {
  struct Case {
    TBarcodeType typ;
    int modul;
    double ratio;
    int widths[4];
  };
  static const Case kCases[] = {
      {bcCode128B, 1, 2.5, {1, 2, 3, 4}},           // 2.5 rounds to 2
      {bcCode128B, 3, 2.5, {3, 8, 12, 16}},         // 7.5 rounds to 8
      {bcCode128B, 1, 3.5, {1, 4, 6, 8}},           // 3.5 rounds to 4
      {bcCodeEAN13, 2, 2.0, {2, 4, 6, 8}},          //
      {bcCodeEAN13, 49, 3.0, {49, 147, 220, 294}},  // beyond 127 dots
  };
  for (size_t i = 0; i < std::size(kCases); ++i) {
    SCOPED_TRACE(i);
    TBarcode barcode;
    barcode.SetTyp(kCases[i].typ);
    barcode.SetModul(kCases[i].modul);
    barcode.SetRatio(kCases[i].ratio);
    barcode.ComputeModuleWidths();
    for (int k = 1; k <= 4; ++k) EXPECT_EQ(barcode.ModuleWidth(k), kCases[i].widths[k - 1]) << k;
  }
}

TEST(BarcodeObject, WideModulesDoNotOverflow) {
  TBarcode barcode;
  barcode.SetText("6901234567892");
  barcode.SetModul(49);
  EXPECT_EQ(barcode.Width(), 95 * 49);
  barcode.SetTyp(bcCode128B);
  barcode.SetText("A");
  barcode.SetRatio(1e300);
  EXPECT_GT(barcode.Width(), 0);
}

TEST(BarcodeObject, ElementsAndHelpers) {
  TBarcode barcode;
  barcode.SetModul(2);
  barcode.ComputeModuleWidths();
  int width = 0;
  for (const char code : std::string("505")) width += barcode.ElementOf(code).Width;
  EXPECT_EQ(width, 6);
  EXPECT_EQ(barcode.ElementOf('C').Kind, ElementKind::ShortBar);
  EXPECT_EQ(barcode.ElementOf('C').Width, 6);
  EXPECT_EQ(barcode.LastError(), 0);
  for (const char code : {'4', '9', 'E', 'x', '\0'}) {
    TBarcode fresh;
    EXPECT_FALSE(fresh.ElementOf(code).Valid);
    EXPECT_EQ(fresh.LastError(), 105);
  }

  EXPECT_EQ(WidthsToPattern("1234"), "5173");
  EXPECT_EQ(WidthsToPattern("4321"), "8260");
  barcode.SetText("42");
  EXPECT_EQ(barcode.PadLeft(5), "00042");
  EXPECT_EQ(barcode.PadLeft(1), "42");
  EXPECT_EQ(barcode.ApplyCheckSum("690123456789"), "6901234567892");
  barcode.SetCheckSumMethod(csmNone);
  EXPECT_EQ(barcode.ApplyCheckSum("690123456789"), "690123456789");
}

TEST(BarcodeObject, DigitsOnlyTextIsTrimmed) {
  TBarcode barcode;
  barcode.SetText(" \t6901234567892\r\n ");
  EXPECT_EQ(barcode.Width(), 95);
  EXPECT_EQ(barcode.Text(), "6901234567892");
}

TEST(BarcodeObject, ErrorCodes) {
  struct Case {
    int typ;
    const char* text;
    int error;
  };
  static const Case kCases[] = {
      {bcCodeEAN13, "690123456789X", 100},   // a letter in a digits-only symbology
      {bcCode128C, "12 34", 100},            // an inner blank is not trimmed
      {23, "1", 101},                        // beyond the table
      {255, "1", 101},                       //
      {bcCode93, "abc", 102},                // lower case needs full ASCII
      {bcCode93, "A[B", 102},                // "[" is a shift character of Code 93
      {bcCode93, "A}", 102},                 //
      {bcCode93, "\xC4", 102},               //
      {bcCodeCodabar, "12X", 103},           // outside Codabar's characters
      {bcCodeCodabar, "A12", 103},           // a start character without a stop
      {bcCodeCodabar, "1A2", 103},           // a start character inside the data
      {bcCodeEAN13, "12345678901234", 104},  // 14 digits
      {bcCodeEAN8, "123456789", 104},        // 9 digits
  };
  for (size_t i = 0; i < std::size(kCases); ++i) {
    SCOPED_TRACE(i);
    TBarcode barcode;
    barcode.SetTyp(static_cast<TBarcodeType>(kCases[i].typ));
    barcode.SetText(kCases[i].text);
    EXPECT_EQ(barcode.Width(), 0);
    EXPECT_EQ(barcode.LastError(), kCases[i].error);
    RecordingSurface surface;
    EXPECT_FALSE(barcode.Draw(surface));
    EXPECT_EQ(barcode.LastError(), kCases[i].error);
    EXPECT_TRUE(surface.Calls().empty());  // untouched
  }
  // Full ASCII accepts what plain Code 93 refuses.
  TBarcode extended;
  extended.SetTyp(bcCode93Extended);
  extended.SetText("A[b]{c}");
  EXPECT_GT(extended.Width(), 0);
  EXPECT_EQ(extended.LastError(), 0);
}

TEST(BarcodeDrawing, ElementsArePolygonsInTheirColours) {
  TBarcode barcode;
  barcode.SetText("5901234123457");
  barcode.SetModul(2);
  barcode.SetHeight(30);
  barcode.SetLeft(10);
  barcode.SetTop(20);
  barcode.SetColor(0x00FFEE);
  barcode.SetColorBar(0x112233);
  RecordingSurface surface;
  ASSERT_TRUE(barcode.Draw(surface));
  const std::vector<SurfaceCall> polygons = surface.CallsOf(SurfaceCallKind::Polygon);
  std::string pattern;
  barcode.Encode(pattern);
  ASSERT_EQ(polygons.size(), pattern.size());
  // Guard bar, space, bar: each narrow element covers 2 columns and 31 rows.
  EXPECT_EQ(polygons[0].Points, Corners({{10, 20}, {10, 50}, {11, 50}, {11, 20}}));
  EXPECT_EQ(polygons[1].Points, Corners({{12, 20}, {12, 50}, {13, 50}, {13, 20}}));
  EXPECT_EQ(polygons[0].State.Brush.Color, 0x112233);
  EXPECT_EQ(polygons[0].State.Pen.Color, 0x112233);
  EXPECT_EQ(polygons[0].State.Pen.Width, 1);
  EXPECT_EQ(polygons[1].State.Brush.Color, 0x00FFEE);  // spaces are painted
  EXPECT_EQ(polygons[1].State.Pen.Color, 0x00FFEE);
  // The last element ends at Left + Width - 1.
  EXPECT_EQ(polygons.back().Points[2], (Point{10 + barcode.Width() - 1, 50}));
}

TEST(BarcodeDrawing, ShortBarsShareTheBottomEdge) {
  TBarcode barcode;
  barcode.SetTyp(bcCodePostNet);
  barcode.SetText("0");
  barcode.SetHeight(12);
  RecordingSurface surface;
  ASSERT_TRUE(barcode.Draw(surface));
  const std::vector<SurfaceCall> polygons = surface.CallsOf(SurfaceCallKind::Polygon);
  ASSERT_EQ(polygons.size(), 13u);  // seven bars, six spaces
  // Frame bar, tall, tall, then the first short bar: 12 × 2 div 5 = 4 high.
  EXPECT_EQ(polygons[0].Points, Corners({{0, 0}, {0, 12}, {0, 12}, {0, 0}}));
  EXPECT_EQ(polygons[6].Points, Corners({{9, 8}, {9, 12}, {9, 12}, {9, 8}}));
}

TEST(BarcodeDrawing, Angle90RunsUpward) {
  TBarcode barcode;
  barcode.SetTyp(bcCodePostNet);
  barcode.SetText("0");
  barcode.SetHeight(12);
  barcode.SetLeft(100);
  barcode.SetTop(200);
  barcode.SetAngle(90);
  RecordingSurface surface;
  ASSERT_TRUE(barcode.Draw(surface));
  const std::vector<SurfaceCall> polygons = surface.CallsOf(SurfaceCallKind::Polygon);
  // (x, y) turns into (y, -x): bars lie horizontally, later ones higher up.
  EXPECT_EQ(polygons[0].Points, Corners({{100, 200}, {112, 200}, {112, 200}, {100, 200}}));
  EXPECT_EQ(polygons[1].Points, Corners({{100, 199}, {112, 199}, {112, 198}, {100, 198}}));
  EXPECT_EQ(polygons[6].Points, Corners({{108, 191}, {112, 191}, {112, 191}, {108, 191}}));
}

TEST(BarcodeDrawing, AnglesRoundHalvesToEven) {
  TBarcode barcode;
  barcode.SetTyp(bcCodePostNet);
  barcode.SetText("0");
  barcode.SetHeight(1);
  barcode.SetAngle(30);  // sin 30° = 0.5: the corner (0, 1) lands at x 0.5 → 0
  RecordingSurface surface;
  ASSERT_TRUE(barcode.Draw(surface));
  const SurfaceCall first = surface.CallsOf(SurfaceCallKind::Polygon).front();
  EXPECT_EQ(first.Points[1], (Point{0, 1}));  // (0.5, 0.866)
}

TEST(BarcodeDrawing, SurfaceStateIsRestored) {
  RecordingSurface surface;
  SurfaceFont font;
  font.Name = "OCR-B 10 BT";
  font.Size = 11;
  font.Color = 0x0000FF;
  surface.SetFont(font);
  surface.SetPenColor(0x123456);
  surface.SetPenWidth(3);
  surface.SetPenStyle(PenStyle::Dot);
  surface.SetBrushColor(0x654321);
  const SurfaceState before = surface.SaveState();

  TBarcode barcode;
  barcode.SetText("6901234567892");
  barcode.SetHeight(20);
  barcode.SetShowText(bcoBoth);
  barcode.SetLeft(5);
  barcode.SetTop(6);
  ASSERT_TRUE(barcode.Draw(surface));
  EXPECT_EQ(surface.SaveState(), before);

  // The legend: 4-point text of the same face, black on white, over the bars.
  const std::vector<SurfaceCall> texts = surface.CallsOf(SurfaceCallKind::TextOut);
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0].Text, "6901234567892");
  EXPECT_EQ(texts[0].Points[0], (Point{5, 6}));
  EXPECT_EQ(texts[1].Text, "EAN13");
  EXPECT_EQ(texts[1].Points[0], (Point{5, 20}));
  EXPECT_EQ(texts[0].State.Font.Size, 4);
  EXPECT_EQ(texts[0].State.Font.Name, "OCR-B 10 BT");
  EXPECT_EQ(texts[0].State.Pen.Color, 0);
  EXPECT_EQ(texts[0].State.Brush.Color, 0xFFFFFF);
  // The bars were solid whatever pen the caller left.
  EXPECT_EQ(surface.CallsOf(SurfaceCallKind::Polygon)[0].State.Pen.Style, PenStyle::Solid);

  // A failed draw leaves everything as it was.
  barcode.SetText("bad");
  surface.ClearCalls();
  EXPECT_FALSE(barcode.Draw(surface));
  EXPECT_TRUE(surface.Calls().empty());
  EXPECT_EQ(surface.SaveState(), before);
}

TEST(BarcodeDrawing, LegendOptions) {
  struct Case {
    TBarcodeOption option;
    std::vector<std::string> texts;
  };
  const Case cases[] = {
      {bcoNone, {}},
      {bcoCode, {"123"}},
      {bcoTyp, {"Code39"}},
      {static_cast<TBarcodeOption>(9), {}},
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(i);
    TBarcode barcode;
    barcode.SetTyp(bcCode39);
    barcode.SetText("123");
    barcode.SetShowText(cases[i].option);
    RecordingSurface surface;
    ASSERT_TRUE(barcode.Draw(surface));
    std::vector<std::string> texts;
    for (const SurfaceCall& call : surface.CallsOf(SurfaceCallKind::TextOut)) texts.push_back(call.Text);
    EXPECT_EQ(texts, cases[i].texts);
  }
}

}  // namespace
}  // namespace tagpress
