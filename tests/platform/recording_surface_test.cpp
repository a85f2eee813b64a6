#include "platform/recording_surface.h"

#include <gtest/gtest.h>

#include "platform/text_codec.h"

namespace tagpress {
namespace {

TEST(FontHeight, PointsAtAResolution) {
  struct Case {
    int points;
    int dpi;
    int dots;
  };
  static const Case kCases[] = {
      {9, 96, 12},   {4, 96, 5},  // 5.33
      {10, 300, 42},              // 41.67
      {9, 600, 75},               // 75
      {3, 12, 1},                 // 0.5 rounds away from zero
      {0, 300, 1},                // never below one dot
  };
  for (size_t i = 0; i < std::size(kCases); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(FontHeightInDots(kCases[i].points, kCases[i].dpi), kCases[i].dots);
  }
}

TEST(RecordingSurface, DeterministicTextMetrics) {
  RecordingSurface surface;
  surface.SetFontResolution(300);
  SurfaceFont font;
  font.Size = 12;  // 50 dots high, 25 per byte
  surface.SetFont(font);
  EXPECT_EQ(surface.TextHeight("x"), 50);
  EXPECT_EQ(surface.TextWidth("AB"), 50);
  EXPECT_EQ(surface.TextWidth(GBK("条码") + "1"), 125);
  surface.SetTextExtraSpacing(3);  // once per character, a GBK pair counting once
  EXPECT_EQ(surface.TextWidth(GBK("条码") + "1"), 125 + 9);
  EXPECT_EQ(surface.TextWidth(""), 0);
}

TEST(RecordingSurface, RecordsCallsWithTheStateInForce) {
  RecordingSurface surface;
  surface.SetPenColor(0x0000FF);
  surface.SetBrushColor(0x00FF00);
  surface.MoveTo(1, 2);
  surface.LineTo(5, 2);
  surface.LineTo(5, 9);
  const Point triangle[] = {{0, 0}, {4, 0}, {0, 4}};
  surface.Polygon(triangle);
  surface.FillRect({1, 1, 3, 3});
  surface.TextRect({0, 0, 10, 10}, 2, 3, "clip");

  const std::vector<SurfaceCall> lines = surface.CallsOf(SurfaceCallKind::LineTo);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].Points, (std::vector<Point>{{1, 2}, {5, 2}}));
  EXPECT_EQ(lines[1].Points, (std::vector<Point>{{5, 2}, {5, 9}}));
  EXPECT_EQ(lines[1].State.Pen.Color, 0x0000FF);
  EXPECT_EQ(surface.Position(), (Point{5, 9}));
  EXPECT_EQ(surface.CallsOf(SurfaceCallKind::Polygon)[0].Points.size(), 3u);
  EXPECT_EQ(surface.CallsOf(SurfaceCallKind::FillRect)[0].State.Brush.Color, 0x00FF00);
  const SurfaceCall text = surface.CallsOf(SurfaceCallKind::TextRect)[0];
  EXPECT_EQ(text.Area, (Rect{0, 0, 10, 10}));
  EXPECT_EQ(text.Points[0], (Point{2, 3}));
  EXPECT_EQ(text.Text, "clip");
}

TEST(RecordingSurface, SaveAndRestorePenBrushAndFont) {
  RecordingSurface surface;
  const SurfaceState saved = surface.SaveState();
  surface.SetPenWidth(4);
  surface.SetPenStyle(PenStyle::Dot);
  surface.SetBrushColor(0x808080);
  SurfaceFont font;
  font.Name = GBK("宋体");
  surface.SetFont(font);
  EXPECT_NE(surface.SaveState(), saved);
  surface.RestoreState(saved);
  EXPECT_EQ(surface.SaveState(), saved);
  EXPECT_EQ(surface.Font().Name, "Arial");
}

}  // namespace
}  // namespace tagpress
